// BMP reading for the skin: only the one layout the skin is stored in is accepted.
#include "ui/display/skin.h"

#include <cstddef>

namespace corvane {
namespace {

std::uint32_t readU32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

}  // namespace

bool decodeSkinBitmap(std::span<const std::uint8_t> file, SkinImage& out) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
  const std::uint32_t pixelOffset = readU32(file, 10);
  const std::uint32_t infoSize = readU32(file, 14);
  const auto width = static_cast<std::int32_t>(readU32(file, 18));
  const auto height = static_cast<std::int32_t>(readU32(file, 22));
  const std::uint16_t planes = readU16(file, 26);
  const std::uint16_t bitsPerPixel = readU16(file, 28);
  const std::uint32_t compression = readU32(file, 30);
  if (infoSize < kInfoHeaderSize || planes != 1 || bitsPerPixel != 24 || compression != 0) return false;
  if (width != SkinImage::width || (height != SkinImage::height && height != -SkinImage::height)) return false;

  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  if (pixelOffset > file.size() || file.size() - pixelOffset < stride * SkinImage::height) return false;

  const bool bottomUp = height > 0;
  for (int row = 0; row < SkinImage::height; ++row) {
    const int stored = bottomUp ? SkinImage::height - 1 - row : row;
    const std::uint8_t* src = file.data() + pixelOffset + stride * stored;
    std::uint8_t* dst = out.rgb.data() + static_cast<std::size_t>(row) * SkinImage::width * 3;
    for (int x = 0; x < SkinImage::width; ++x) {
      // Stored blue, green, red.
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  return true;
}

}  // namespace corvane
