#include "export/float32_wav.h"

#include <cmath>
#include <limits>

namespace corvane {

float float32Sample(double x) {
  if (std::isnan(x)) return 0.0f;
  // A finite double beyond the float range has no defined conversion; give it the infinity of its sign.
  if (std::fabs(x) > std::numeric_limits<float>::max()) {
    const float infinity = std::numeric_limits<float>::infinity();
    return x > 0.0 ? infinity : -infinity;
  }
  return static_cast<float>(x);
}

void encodeFloat32Wav(const SampleBuffer& samples, std::span<std::byte, kFloat32WavSize> out) {
  LittleEndianWriter writer(out);
  writeWavHeader(writer, WavEncoding::IeeeFloat, kSampleCount);
  for (const double x : samples) writer.f32(float32Sample(x));
}

}  // namespace corvane
