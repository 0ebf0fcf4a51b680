#include "export/f64_raw.h"

#include "export/little_endian.h"

namespace corvane {

void encodeF64Raw(const SampleBuffer& samples, std::span<std::byte, kF64RawSize> out) {
  LittleEndianWriter writer(out);
  for (const double x : samples) writer.f64(x);
}

}  // namespace corvane
