// Integer line rasterisation with exact rounding and clipping along the major axis.
#include "ui/display/line.h"

#include <algorithm>
#include <cstdint>

namespace corvane {
namespace {

constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 28;

std::int64_t clampCoordinate(int v) { return std::clamp<std::int64_t>(v, -kCoordinateLimit, kCoordinateLimit); }

// Floor of a / b for b > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

// a / b rounded to the nearest integer, halves down, for b > 0.
std::int64_t roundHalfDown(std::int64_t a, std::int64_t b) { return floorDiv(2 * a + b - 1, 2 * b); }

// Steps k = 0 .. length - 1 along the major axis from `start` in direction `step`, keeping only the k
// whose major coordinate lies in [0, limit). Returns the first and last such k (first > last if none).
void majorRange(std::int64_t start, int step, std::int64_t length, int limit, std::int64_t& first,
                std::int64_t& last) {
  if (step > 0) {
    first = std::max<std::int64_t>(0, -start);
    last = std::min<std::int64_t>(length - 1, limit - 1 - start);
  } else {
    first = std::max<std::int64_t>(0, start - (limit - 1));
    last = std::min<std::int64_t>(length - 1, start);
  }
}

}  // namespace

void drawLine(BackBuffer& image, int x0, int y0, int x1, int y1, Rgb colour) {
  const std::int64_t ax = clampCoordinate(x0), ay = clampCoordinate(y0);
  const std::int64_t dx = clampCoordinate(x1) - ax, dy = clampCoordinate(y1) - ay;
  const std::int64_t lengthX = dx < 0 ? -dx : dx, lengthY = dy < 0 ? -dy : dy;
  if (lengthX == 0 && lengthY == 0) return;

  std::int64_t first = 0, last = -1;
  if (lengthX >= lengthY) {
    const int step = dx > 0 ? 1 : -1;
    majorRange(ax, step, lengthX, BackBuffer::width, first, last);
    for (std::int64_t k = first; k <= last; ++k) {
      const std::int64_t y = ay + roundHalfDown(dy * k, lengthX);
      if (y < 0 || y >= BackBuffer::height) continue;
      setPixel(image, static_cast<int>(ax + step * k), static_cast<int>(y), colour);
    }
  } else {
    const int step = dy > 0 ? 1 : -1;
    majorRange(ay, step, lengthY, BackBuffer::height, first, last);
    for (std::int64_t k = first; k <= last; ++k) {
      const std::int64_t x = ax + roundHalfDown(dx * k, lengthY);
      if (x < 0 || x >= BackBuffer::width) continue;
      setPixel(image, static_cast<int>(x), static_cast<int>(ay + step * k), colour);
    }
  }
}

}  // namespace corvane
