// A 32-bit IEEE-float WAV file (format tag 3, with a fact chunk) of the 44,100 samples.
#pragma once

#include <cstddef>
#include <span>

#include "export/riff_header.h"
#include "synth/sample_buffer.h"

namespace corvane {

inline constexpr std::size_t kFloat32WavSize = wavHeaderSize(WavEncoding::IeeeFloat) + 4 * kSampleCount;

// The nearest float to x, unlimited: a float file can hold values beyond full scale, so they are
// kept (a magnitude beyond the float range becomes an infinity of its sign). A value that is not a
// number is written as 0, as in the 16-bit file, because players and editors handle it badly.
float float32Sample(double x);

void encodeFloat32Wav(const SampleBuffer& samples, std::span<std::byte, kFloat32WavSize> out);

}  // namespace corvane
