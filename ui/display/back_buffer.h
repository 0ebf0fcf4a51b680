// The off-screen picture of the window, composed in software and handed to the platform whole.
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

inline constexpr int kWindowWidth = 400;
inline constexpr int kWindowHeight = 300;

// Top-down rows of 8-bit red, green, blue.
struct BackBuffer {
  static constexpr int width = kWindowWidth;
  static constexpr int height = kWindowHeight;
  std::array<std::uint8_t, width * height * 3> rgb{};
};

extern BackBuffer backBuffer;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pixel access; callers keep (x, y) inside the image.
inline Rgb pixelAt(const BackBuffer& image, int x, int y) {
  const auto* p = &image.rgb[(static_cast<std::size_t>(y) * BackBuffer::width + x) * 3];
  return {p[0], p[1], p[2]};
}

inline void setPixel(BackBuffer& image, int x, int y, Rgb colour) {
  auto* p = &image.rgb[(static_cast<std::size_t>(y) * BackBuffer::width + x) * 3];
  p[0] = colour.red;
  p[1] = colour.green;
  p[2] = colour.blue;
}

}  // namespace corvane
