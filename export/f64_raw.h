// The 44,100 samples as raw little-endian doubles, no header: the bit-exact form of a sound.
#pragma once

#include <cstddef>
#include <span>

#include "synth/sample_buffer.h"

namespace corvane {

inline constexpr std::size_t kF64RawSize = 8 * kSampleCount;

// Every bit of every sample as it is, values that are not numbers included.
void encodeF64Raw(const SampleBuffer& samples, std::span<std::byte, kF64RawSize> out);

}  // namespace corvane
