// The window icon, decoded from its embedded PNG into RGBA pixels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // top-down rows of red, green, blue, alpha (not premultiplied)
};

// Decodes a complete PNG file held in memory; false for anything libpng cannot read.
bool decodePngRgba(std::span<const std::uint8_t> file, RgbaImage& out);

// The embedded icon of one of kIconSizes (32, 48, 128, 256); false for any other size.
bool loadIconImage(int size, RgbaImage& out);

}  // namespace corvane
