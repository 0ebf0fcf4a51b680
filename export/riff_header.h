// The RIFF/WAVE header shared by the 16-bit PCM and the 32-bit float files: mono, 44,100 Hz.
#pragma once

#include <cstddef>
#include <cstdint>

#include "export/little_endian.h"

namespace corvane {

enum class WavEncoding : std::uint16_t {
  Pcm = 1,        // 16-bit integers: a 16-byte format chunk and no fact chunk
  IeeeFloat = 3,  // 32-bit floats: an 18-byte format chunk (cbSize 0) and a fact chunk
};

// Header bytes in front of the sample data: RIFF header, format chunk, fact chunk, data chunk header.
constexpr std::size_t wavHeaderSize(WavEncoding encoding) {
  return encoding == WavEncoding::Pcm ? 12 + (8 + 16) + 8 : 12 + (8 + 18) + 12 + 8;
}

// Writes the header for frameCount mono samples of the encoding; the data follows directly.
void writeWavHeader(LittleEndianWriter& out, WavEncoding encoding, std::uint32_t frameCount);

}  // namespace corvane
