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

}  // namespace corvane
