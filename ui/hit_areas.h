// Where a press on the window lands: one of the four command areas, or nowhere (then it drags).
#pragma once

#include <array>

namespace corvane {

enum class Command { None, Close, Generate, Play, Save };

// Every bound is strict: a press on a bound is outside the area.
struct HitArea {
  Command command;
  int left;
  int right;
  int top;
  int bottom;

  constexpr bool contains(int x, int y) const {
    return left < x && x < right && top < y && y < bottom;
  }
};

// Tested in this order; the first area that contains the press decides.
inline constexpr std::array<HitArea, 4> kHitAreas{{
    {Command::Close, 372, 391, 10, 27},
    {Command::Generate, 305, 400, 29, 91},
    {Command::Play, 305, 400, 129, 227},
    {Command::Save, 306, 392, 231, 255},
}};

// The command under window pixel (x, y); Command::None everywhere else.
constexpr Command commandAt(int x, int y) {
  for (const HitArea& area : kHitAreas) {
    if (area.contains(x, y)) return area.command;
  }
  return Command::None;
}

// A press outside every command area moves the window.
bool dragsWindow(int x, int y);

}  // namespace corvane
