#include "export/pcm16_wav.h"

#include <cmath>

namespace corvane {

std::int16_t pcm16Sample(double x) {
  // Converting a value that is not a number to an integer is undefined; write silence instead.
  if (std::isnan(x)) return 0;
  if (x > 1.0) x = 1.0;
  if (x < -1.0) x = -1.0;
  return static_cast<std::int16_t>(x * 32765.0);  // truncates toward zero
}

void encodePcm16Wav(const SampleBuffer& samples, std::span<std::byte, kPcm16WavSize> out) {
  LittleEndianWriter writer(out);
  writeWavHeader(writer, WavEncoding::Pcm, kSampleCount);
  for (const double x : samples) writer.i16(pcm16Sample(x));
}

}  // namespace corvane
