// The four command areas: strict bounds, table order, and everything else dragging the window.
#include "ui/hit_areas.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace corvane {
namespace {

struct PressCase {
  int x;
  int y;
  Command expected;
};

void PrintTo(const PressCase& press, std::ostream* out) {
  *out << "(" << press.x << ", " << press.y << ")";
}

std::string pressName(const ::testing::TestParamInfo<PressCase>& info) {
  return "X" + std::to_string(info.param.x) + "Y" + std::to_string(info.param.y);
}

class HitAreaBounds : public ::testing::TestWithParam<PressCase> {};

TEST_P(HitAreaBounds, PressLandsInTheExpectedArea) {
  const PressCase& press = GetParam();
  EXPECT_EQ(commandAt(press.x, press.y), press.expected) << "(" << press.x << ", " << press.y << ")";
  EXPECT_EQ(dragsWindow(press.x, press.y), press.expected == Command::None);
}

// Each area's four bounds from both sides: on the bound is outside, one pixel in is inside.
INSTANTIATE_TEST_SUITE_P(
    StrictBounds, HitAreaBounds,
    ::testing::Values(
        PressCase{372, 18, Command::None}, PressCase{373, 18, Command::Close},
        PressCase{390, 18, Command::Close}, PressCase{391, 18, Command::None},
        PressCase{380, 10, Command::None}, PressCase{380, 11, Command::Close},
        PressCase{380, 26, Command::Close}, PressCase{380, 27, Command::None},
        PressCase{305, 50, Command::None}, PressCase{306, 50, Command::Generate},
        PressCase{399, 50, Command::Generate}, PressCase{400, 50, Command::None},
        PressCase{350, 29, Command::None}, PressCase{350, 30, Command::Generate},
        PressCase{350, 90, Command::Generate}, PressCase{350, 91, Command::None},
        PressCase{305, 150, Command::None}, PressCase{306, 150, Command::Play},
        PressCase{399, 150, Command::Play}, PressCase{350, 129, Command::None},
        PressCase{350, 130, Command::Play}, PressCase{350, 226, Command::Play},
        PressCase{350, 227, Command::None},
        PressCase{306, 240, Command::None}, PressCase{307, 240, Command::Save},
        PressCase{391, 240, Command::Save}, PressCase{392, 240, Command::None},
        PressCase{350, 231, Command::None}, PressCase{350, 232, Command::Save},
        PressCase{350, 254, Command::Save}, PressCase{350, 255, Command::None}),
    pressName);

// Between and beside the areas the window drags: the strip of lights, the screen, the corners.
INSTANTIATE_TEST_SUITE_P(
    Elsewhere, HitAreaBounds,
    ::testing::Values(PressCase{350, 100, Command::None}, PressCase{350, 228, Command::None},
                      PressCase{150, 150, Command::None}, PressCase{0, 0, Command::None},
                      PressCase{380, 28, Command::None}, PressCase{399, 299, Command::None}),
    pressName);

TEST(HitAreas, NoPixelOfTheWindowLiesInTwoAreas) {
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      int containing = 0;
      for (const HitArea& area : kHitAreas) containing += area.contains(x, y) ? 1 : 0;
      ASSERT_LE(containing, 1) << "(" << x << ", " << y << ")";
    }
  }
}

}  // namespace
}  // namespace corvane
