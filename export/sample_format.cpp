#include "export/sample_format.h"

#include <array>
#include <span>

#include "export/f64_raw.h"
#include "export/float32_wav.h"
#include "export/pcm16_wav.h"

namespace corvane {

namespace {

struct FormatEntry {
  SampleFormat format;
  std::string_view name;
  std::string_view extension;
  std::size_t size;
};

constexpr std::array<FormatEntry, 3> kFormats = {{
    {SampleFormat::Pcm16, "pcm16", ".wav", kPcm16WavSize},
    {SampleFormat::Float32, "float32", ".wav", kFloat32WavSize},
    {SampleFormat::F64, "f64", ".f64", kF64RawSize},
}};

const FormatEntry& entry(SampleFormat format) { return kFormats[static_cast<int>(format)]; }

}  // namespace

std::string_view sampleFormatName(SampleFormat format) { return entry(format).name; }

std::optional<SampleFormat> sampleFormatFromName(std::string_view name) {
  for (const FormatEntry& e : kFormats) {
    if (e.name == name) return e.format;
  }
  return std::nullopt;
}

std::string_view fileExtension(SampleFormat format) { return entry(format).extension; }

std::size_t encodedSize(SampleFormat format) { return entry(format).size; }

void encodeSound(SampleFormat format, const SampleBuffer& samples, std::vector<std::byte>& out) {
  out.resize(encodedSize(format));
  switch (format) {
    case SampleFormat::Pcm16:
      encodePcm16Wav(samples, std::span<std::byte, kPcm16WavSize>(out.data(), kPcm16WavSize));
      break;
    case SampleFormat::Float32:
      encodeFloat32Wav(samples, std::span<std::byte, kFloat32WavSize>(out.data(), kFloat32WavSize));
      break;
    case SampleFormat::F64:
      encodeF64Raw(samples, std::span<std::byte, kF64RawSize>(out.data(), kF64RawSize));
      break;
  }
}

}  // namespace corvane
