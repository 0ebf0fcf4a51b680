// The 16-bit PCM WAV file that Save writes: a constant 44-byte header and 44,100 samples, 88,244 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "export/riff_header.h"
#include "synth/sample_buffer.h"

namespace corvane {

inline constexpr std::size_t kPcm16WavSize = wavHeaderSize(WavEncoding::Pcm) + 2 * kSampleCount;

// Limits x to -1..1, scales by 32,765 and truncates toward zero. A value that is not a number gives 0.
std::int16_t pcm16Sample(double x);

void encodePcm16Wav(const SampleBuffer& samples, std::span<std::byte, kPcm16WavSize> out);

}  // namespace corvane
