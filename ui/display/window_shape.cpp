// Scan conversion of the window outline. A pixel is sampled at its integer position; points on the
// left or top boundary of the polygon belong to it, points on the right or bottom boundary do not, so
// a polygon with integer corners covers pixels the way a region built from it does.
#include "ui/display/window_shape.h"

#include <cstdint>

namespace corvane {
namespace {

// Sum of the windings of the polygon edges that cross row y at or left of column x.
int windingAt(int x, int y) {
  int winding = 0;
  for (std::size_t i = 0; i < kWindowShapePolygon.size(); ++i) {
    const ShapePoint a = kWindowShapePolygon[i];
    const ShapePoint b = kWindowShapePolygon[(i + 1) % kWindowShapePolygon.size()];
    if (a.y == b.y) continue;
    const bool down = b.y > a.y;
    const ShapePoint top = down ? a : b, bottom = down ? b : a;
    // Top end inclusive, bottom end exclusive: a vertex is counted once.
    if (y < top.y || y >= bottom.y) continue;
    // The crossing is at or left of x when (x - top.x) * height >= (y - top.y) * (bottom.x - top.x).
    const std::int64_t lhs = std::int64_t{x - top.x} * (bottom.y - top.y);
    const std::int64_t rhs = std::int64_t{y - top.y} * (bottom.x - top.x);
    if (lhs >= rhs) winding += down ? 1 : -1;
  }
  return winding;
}

// Pixel centres inside or on the ellipse inscribed in the box, in doubled coordinates so that the
// test stays in integers.
bool insideEllipse(const ShapeBox& box, int x, int y) {
  const std::int64_t w = box.right - box.left, h = box.bottom - box.top;
  const std::int64_t px = 2 * std::int64_t{x} + 1 - (box.left + box.right);
  const std::int64_t py = 2 * std::int64_t{y} + 1 - (box.top + box.bottom);
  return px * px * h * h + py * py * w * w <= w * w * h * h;
}

bool computeInside(int x, int y) {
  if (windingAt(x, y) != 0) return true;
  for (const ShapeBox& box : kWindowShapeEllipses) {
    if (insideEllipse(box, x, y)) return true;
  }
  return false;
}

}  // namespace

const WindowShapeMask& windowShapeMask() {
  static const WindowShapeMask mask = [] {
    WindowShapeMask m{};
    for (int y = 0; y < kWindowHeight; ++y) {
      for (int x = 0; x < kWindowWidth; ++x) m[static_cast<std::size_t>(y) * kWindowWidth + x] = computeInside(x, y);
    }
    return m;
  }();
  return mask;
}

bool insideWindowShape(int x, int y) {
  if (x < 0 || x >= kWindowWidth || y < 0 || y >= kWindowHeight) return false;
  return windowShapeMask()[static_cast<std::size_t>(y) * kWindowWidth + x] != 0;
}

}  // namespace corvane
