// The one current sound: one second of mono samples shared by generation, playback, display and export.
#pragma once

#include <array>

namespace corvane {

inline constexpr int kSampleRate = 44100;
inline constexpr int kSampleCount = 44100;

using SampleBuffer = std::array<double, kSampleCount>;

// Process-wide, statically allocated, zero at start. Written only by generation.
extern SampleBuffer sampleBuffer;

void clearSampleBuffer();

}  // namespace corvane
