// The art compiled into the program: the skin bitmap and the window icon in several sizes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace corvane {

// Sizes, in pixels, of the square icon images held as PNG.
inline constexpr std::array<int, 4> kIconSizes{32, 48, 128, 256};

// The skin as a complete BMP file: 400 x 273, 24 bits per pixel, uncompressed, bottom-up rows.
std::span<const std::uint8_t> embeddedSkinBitmap();

// The icon of one of kIconSizes as a complete PNG file; empty for any other size.
std::span<const std::uint8_t> embeddedIconPng(int size);

}  // namespace corvane
