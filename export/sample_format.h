// The file formats a sound can be written in, by name, and one entry point that encodes any of them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "synth/sample_buffer.h"

namespace corvane {

enum class SampleFormat {
  Pcm16,    // 16-bit PCM WAV, the file Save writes
  Float32,  // 32-bit IEEE-float WAV
  F64,      // raw little-endian doubles, no header
};

// "pcm16", "float32", "f64".
std::string_view sampleFormatName(SampleFormat format);
std::optional<SampleFormat> sampleFormatFromName(std::string_view name);

// ".wav" for the WAV formats, ".f64" for raw doubles.
std::string_view fileExtension(SampleFormat format);

// Every format has a fixed size: the sound is always 44,100 samples long.
std::size_t encodedSize(SampleFormat format);

// Replaces the content of out with the encoded file; reusing out avoids an allocation per sound.
void encodeSound(SampleFormat format, const SampleBuffer& samples, std::vector<std::byte>& out);

}  // namespace corvane
