// fillSegment: the next 6,000 samples of sampleBuffer, or silence, as one segment of DeviceRing.
#pragma once

#include <cstdint>

#include "synth/int16_sample.h"

namespace corvane {

inline constexpr double kPlaybackScale = 32766.0;

// One sample as a device value: scaled by 32,766, truncated toward zero, limited to -32,766..32,766.
// A value that is not a number gives 0.
inline std::int16_t toDeviceValue(double v) { return toInt16(v, kPlaybackScale); }

// Writes the 6,000 frames of segment k (0, 1 or 2) from the play cursor on, advancing PlaybackState;
// silence when nothing plays. The state is read once, at the start. RefillThread is the only caller.
void fillSegment(int k);

}  // namespace corvane
