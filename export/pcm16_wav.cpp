#include "export/pcm16_wav.h"

#include "synth/int16_sample.h"

namespace corvane {

// 32,765, not the 32,766 of playback: the file's full scale.
std::int16_t pcm16Sample(double x) { return toInt16(x, 32765.0); }

void encodePcm16Wav(const SampleBuffer& samples, std::span<std::byte, kPcm16WavSize> out) {
  LittleEndianWriter writer(out);
  writeWavHeader(writer, WavEncoding::Pcm, kSampleCount);
  for (const double x : samples) writer.i16(pcm16Sample(x));
}

}  // namespace corvane
