// The window's outline: one polygon and four ellipses, as a per-pixel mask.
#pragma once

#include <array>
#include <cstdint>

#include "ui/display/back_buffer.h"

namespace corvane {

struct ShapePoint {
  int x;
  int y;
};

// Bounding box of an ellipse; right and bottom are exclusive.
struct ShapeBox {
  int left;
  int top;
  int right;
  int bottom;
};

// The outline in window pixels: the polygon (filled by the nonzero winding rule) united with the
// ellipses. Platforms that build regions from shapes use these numbers directly.
inline constexpr std::array<ShapePoint, 14> kWindowShapePolygon{{
    {0, 5}, {6, 0}, {392, 0}, {399, 7}, {399, 242}, {391, 258}, {384, 258},
    {378, 267}, {347, 267}, {344, 272}, {53, 272}, {51, 266}, {28, 266}, {4, 241},
}};
inline constexpr std::array<ShapeBox, 4> kWindowShapeEllipses{{
    {3, 227, 36, 260}, {20, 253, 42, 266}, {371, 253, 385, 268}, {380, 234, 399, 259},
}};

// One byte per window pixel, top-down rows: 1 inside the shape, 0 outside.
using WindowShapeMask = std::array<std::uint8_t, kWindowWidth * kWindowHeight>;

// True when window pixel (x, y) belongs to the shape; false outside 0..399 x 0..299.
bool insideWindowShape(int x, int y);

// The whole mask, computed once on first use.
const WindowShapeMask& windowShapeMask();

}  // namespace corvane
