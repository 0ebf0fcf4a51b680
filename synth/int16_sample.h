// A sample as a signed 16-bit value, shared by the WAV writer and playback, which differ only in scale.
#pragma once

#include <cmath>
#include <cstdint>

namespace corvane {

// Limits x to -1..1, multiplies by fullScale (at most 32,767) and truncates toward zero. Limiting
// first gives the same value as limiting the scaled result and keeps every conversion defined; a
// value that is not a number gives 0.
inline std::int16_t toInt16(double x, double fullScale) {
  if (std::isnan(x)) return 0;
  if (x > 1.0) x = 1.0;
  if (x < -1.0) x = -1.0;
  return static_cast<std::int16_t>(x * fullScale);
}

}  // namespace corvane
