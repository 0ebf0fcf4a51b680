// DeviceRing: the looping device buffer of three segments of 16-bit stereo frames.
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

inline constexpr int kFrameBytes = 4;  // left then right, each signed 16-bit little-endian
inline constexpr int kSegmentFrames = 6000;
inline constexpr int kSegmentCount = 3;
inline constexpr int kSegmentBytes = kSegmentFrames * kFrameBytes;  // 24,000
inline constexpr int kRingFrames = kSegmentFrames * kSegmentCount;  // 18,000
inline constexpr int kRingBytes = kSegmentBytes * kSegmentCount;    // 72,000

using DeviceRing = std::array<std::uint8_t, kRingBytes>;

// Process-wide, statically allocated, silent at start. Written only by fillSegment (on RefillThread),
// read by the device; the two never meet in one segment.
extern DeviceRing deviceRing;

// Silence in every segment. Only while no device plays the ring (tests, start-up).
void clearDeviceRing();

}  // namespace corvane
