// Lines: one pixel per step along the longer axis, start drawn, end omitted, the same pixels in either
// direction, and clipping that never writes outside the image.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>

#include "ui/display/line.h"

namespace corvane::testing {
namespace {

using Pixel = std::pair<int, int>;
constexpr Rgb kInk{200, 10, 20};

std::set<Pixel> drawnPixels(int x0, int y0, int x1, int y1) {
  auto image = std::make_unique<BackBuffer>();
  drawLine(*image, x0, y0, x1, y1, kInk);
  std::set<Pixel> pixels;
  for (int y = 0; y < BackBuffer::height; ++y) {
    for (int x = 0; x < BackBuffer::width; ++x) {
      if (pixelAt(*image, x, y) == kInk) pixels.insert({x, y});
    }
  }
  return pixels;
}

struct Line {
  int x0, y0, x1, y1;
};

// Every direction, shallow and steep, ties and exact diagonals, all inside the image.
const Line kLines[] = {
    {10, 10, 20, 10}, {20, 10, 10, 10}, {10, 10, 10, 25}, {10, 25, 10, 10}, {0, 0, 5, 2},
    {5, 2, 0, 0},     {0, 0, 4, 2},     {50, 50, 60, 60}, {60, 60, 50, 50}, {50, 60, 60, 50},
    {100, 100, 103, 160}, {103, 160, 100, 100}, {200, 100, 120, 97}, {45, 135, 43, 135},
    {262, 135, 263, 195}, {143, 195, 143, 135}, {399, 299, 0, 0},
};

TEST(DrawLine, LightsOnePixelPerStepFromTheStartUpToButNotIncludingTheEnd) {
  for (const Line& l : kLines) {
    SCOPED_TRACE(::testing::Message() << "(" << l.x0 << "," << l.y0 << ")->(" << l.x1 << "," << l.y1 << ")");
    const std::set<Pixel> pixels = drawnPixels(l.x0, l.y0, l.x1, l.y1);
    const int dx = l.x1 - l.x0, dy = l.y1 - l.y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
    EXPECT_EQ(pixels.size(), static_cast<std::size_t>(steps));
    EXPECT_TRUE(pixels.contains({l.x0, l.y0}));
    EXPECT_FALSE(pixels.contains({l.x1, l.y1}));
    for (const auto& [x, y] : pixels) {
      // Each pixel is the ideal line's nearest one across the major axis.
      const double t = xMajor ? double(x - l.x0) / dx : double(y - l.y0) / dy;
      EXPECT_GE(t, 0.0);
      EXPECT_LT(t, 1.0);
      const double ideal = xMajor ? l.y0 + t * dy : l.x0 + t * dx;
      EXPECT_LE(std::abs((xMajor ? y : x) - ideal), 0.5) << x << "," << y;
    }
  }
}

TEST(DrawLine, LightsTheSamePixelsInEitherDirection) {
  for (const Line& l : kLines) {
    SCOPED_TRACE(::testing::Message() << "(" << l.x0 << "," << l.y0 << ")->(" << l.x1 << "," << l.y1 << ")");
    std::set<Pixel> forward = drawnPixels(l.x0, l.y0, l.x1, l.y1);
    std::set<Pixel> backward = drawnPixels(l.x1, l.y1, l.x0, l.y0);
    forward.insert({l.x1, l.y1});
    backward.insert({l.x0, l.y0});
    EXPECT_EQ(forward, backward);
  }
}

TEST(DrawLine, ShallowLineTakesTheExpectedPixels) {
  EXPECT_EQ(drawnPixels(0, 0, 5, 2), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
  // Halfway between two rows the upper one is taken.
  EXPECT_EQ(drawnPixels(0, 0, 4, 2), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
}

TEST(DrawLine, ZeroLengthDrawsNothing) { EXPECT_TRUE(drawnPixels(30, 40, 30, 40).empty()); }

TEST(DrawLine, ClipsToTheImage) {
  std::set<Pixel> row;
  for (int x = 0; x < BackBuffer::width; ++x) row.insert({x, 10});
  EXPECT_EQ(drawnPixels(-100000, 10, 100000, 10), row);

  // A steep line from far above to far below crosses every row once.
  const std::set<Pixel> steep = drawnPixels(10, -1000000, 12, 1000000);
  EXPECT_EQ(steep.size(), static_cast<std::size_t>(BackBuffer::height));
  for (const auto& [x, y] : steep) EXPECT_TRUE(x >= 10 && x <= 12);

  EXPECT_TRUE(drawnPixels(-50, -50, -10, 400).empty());
  EXPECT_TRUE(drawnPixels(0, 300, 399, 300).empty());
}

TEST(DrawLine, ExtremeCoordinatesAreSafe) {
  // Clamped to the same huge square, these run along the main diagonal.
  const std::set<Pixel> diagonal = drawnPixels(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(diagonal.size(), static_cast<std::size_t>(BackBuffer::height));
  for (const auto& [x, y] : diagonal) EXPECT_EQ(x, y);
  EXPECT_TRUE(drawnPixels(INT_MAX, INT_MIN, INT_MAX, INT_MAX).empty());
  EXPECT_TRUE(drawnPixels(INT_MIN, 5, INT_MIN, 5).empty());
}

}  // namespace
}  // namespace corvane::testing
