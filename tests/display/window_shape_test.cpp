// The window outline: polygon corners and edges, the four rounded pieces, and nothing below the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "ui/display/window_shape.h"

namespace corvane::testing {
namespace {

struct Point {
  int x, y;
  bool inside;
  const char* where;
};

const Point kPoints[] = {
    {0, 0, false, "top-left corner, cut off"},
    {0, 5, true, "the polygon's first vertex"},
    {0, 4, false, "above the first vertex"},
    {1, 4, false, "left of the cut at the top-left"},
    {2, 4, true, "right of the cut at the top-left"},
    {5, 0, false, "top row before the cut ends"},
    {6, 0, true, "top row from the vertex (6, 0)"},
    {391, 0, true, "top row up to the cut at the top-right"},
    {392, 0, false, "the vertex (392, 0): a right boundary"},
    {398, 100, true, "the last column inside on the right"},
    {399, 100, false, "the right edge itself"},
    {200, 271, true, "the bottom row of the stand"},
    {200, 272, false, "the bottom edge itself"},
    {53, 271, true, "the stand's left side, on its slant"},
    {52, 271, false, "left of the stand's slant"},
    {3, 243, true, "leftmost pixel of the lower-left rounding"},
    {2, 243, false, "left of the lower-left rounding"},
    {5, 243, true, "rounding, left of the polygon's slanted edge"},
    {19, 259, true, "bottom of the lower-left rounding"},
    {19, 260, false, "below the lower-left rounding"},
    {20, 260, true, "leftmost pixel of the left foot's rounding on its row"},
    {398, 246, true, "right rounding, outside the polygon's slant"},
    {399, 246, false, "right of the lower-right rounding"},
    {378, 267, true, "bottom of the right foot's rounding"},
    {378, 268, false, "below the right foot"},
    {346, 267, true, "the polygon's right foot row"},
    {200, 150, true, "the middle"},
    {-1, 100, false, "left of the window"},
    {400, 100, false, "right of the window"},
    {100, -1, false, "above the window"},
    {100, 300, false, "below the window"},
};

TEST(WindowShape, PointsLandWhereTheOutlinePutsThem) {
  for (const Point& p : kPoints) {
    EXPECT_EQ(insideWindowShape(p.x, p.y), p.inside) << "(" << p.x << ", " << p.y << "): " << p.where;
  }
}

TEST(WindowShape, BottomRowsBelowTheSkinAreOutside) {
  for (int y = 273; y < kWindowHeight; ++y) {
    for (int x = 0; x < kWindowWidth; ++x) ASSERT_FALSE(insideWindowShape(x, y)) << x << "," << y;
  }
  bool anyOnLastSkinRow = false;
  for (int x = 0; x < kWindowWidth; ++x) anyOnLastSkinRow |= insideWindowShape(x, 271);
  EXPECT_TRUE(anyOnLastSkinRow);
}

// The outline's polygon as the art gives it, written out here so that a slip in the code's table shows.
constexpr std::pair<int, int> kPolygon[] = {
    {0, 5}, {6, 0}, {392, 0}, {399, 7}, {399, 242}, {391, 258}, {384, 258},
    {378, 267}, {347, 267}, {344, 272}, {53, 272}, {51, 266}, {28, 266}, {4, 241},
};

// Where the polygon's edges cross row y, left to right; an edge holds its upper end, not its lower.
std::vector<double> edgeCrossings(int y) {
  std::vector<double> xs;
  const std::size_t n = std::size(kPolygon);
  for (std::size_t i = 0; i < n; ++i) {
    auto [ax, ay] = kPolygon[i];
    auto [bx, by] = kPolygon[(i + 1) % n];
    if (ay > by) std::swap(ax, bx), std::swap(ay, by);
    if (y < ay || y >= by) continue;
    xs.push_back(ax + static_cast<double>(y - ay) * (bx - ax) / (by - ay));
  }
  std::sort(xs.begin(), xs.end());
  return xs;
}

TEST(WindowShape, RowsAboveTheRoundingsRunFromTheLeftEdgeToTheRightOne) {
  // The rounded pieces start at row 227; above it each row is one run, left crossing included, right
  // crossing not.
  const WindowShapeMask& mask = windowShapeMask();
  for (int y = 0; y < 227; ++y) {
    const std::vector<double> xs = edgeCrossings(y);
    ASSERT_EQ(xs.size(), 2u) << "row " << y;
    for (int x = 0; x < kWindowWidth; ++x) {
      ASSERT_EQ(mask[static_cast<std::size_t>(y) * kWindowWidth + x] != 0, x >= xs[0] && x < xs[1])
          << x << "," << y << ": edges at " << xs[0] << " and " << xs[1];
    }
  }
}

}  // namespace
}  // namespace corvane::testing
