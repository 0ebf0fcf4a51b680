// The skin art decoded from its BMP file into top-down RGB rows.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace corvane {

struct SkinImage {
  static constexpr int width = 400;
  static constexpr int height = 273;
  std::array<std::uint8_t, width * height * 3> rgb{};
};

// Decodes a complete 24-bit uncompressed BMP file of exactly 400 x 273 pixels (rows bottom-up or
// top-down). False, leaving `out` unspecified, for anything else or a truncated file.
bool decodeSkinBitmap(std::span<const std::uint8_t> file, SkinImage& out);

}  // namespace corvane
