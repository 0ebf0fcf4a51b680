#include "export/riff_header.h"

#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr std::uint16_t kChannels = 1;

std::uint16_t bytesPerSample(WavEncoding encoding) { return encoding == WavEncoding::Pcm ? 2 : 4; }

// Non-PCM formats carry the cbSize field (0) and a fact chunk with the frame count.
bool isExtended(WavEncoding encoding) { return encoding != WavEncoding::Pcm; }

std::uint32_t formatChunkSize(WavEncoding encoding) { return isExtended(encoding) ? 18 : 16; }

}  // namespace

void writeWavHeader(LittleEndianWriter& out, WavEncoding encoding, std::uint32_t frameCount) {
  const std::uint16_t blockAlign = kChannels * bytesPerSample(encoding);
  const std::uint32_t dataSize = frameCount * blockAlign;
  const auto fileSize = static_cast<std::uint32_t>(wavHeaderSize(encoding) + dataSize);

  out.text("RIFF");
  out.u32(fileSize - 8);
  out.text("WAVEfmt ");
  out.u32(formatChunkSize(encoding));
  out.u16(static_cast<std::uint16_t>(encoding));
  out.u16(kChannels);
  out.u32(kSampleRate);
  out.u32(kSampleRate * blockAlign);
  out.u16(blockAlign);
  out.u16(static_cast<std::uint16_t>(8 * bytesPerSample(encoding)));
  if (isExtended(encoding)) {
    out.u16(0);  // cbSize: no extra format bytes
    out.text("fact");
    out.u32(4);
    out.u32(frameCount);
  }
  out.text("data");
  out.u32(dataSize);
}

}  // namespace corvane
