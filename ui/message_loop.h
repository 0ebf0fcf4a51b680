// The message loop: events first, and while idle a repaint every 91 ms or more, never blocking.
#pragma once

#include <cstdint>

namespace corvane {

inline constexpr std::uint32_t kIdleRepaintInterval = 90;  // ms; a repaint needs more than this

// True when more than 90 ms have passed since lastRepaint; the unsigned difference keeps working
// across the wrap of the tick count.
constexpr bool idleRepaintDue(std::uint32_t now, std::uint32_t lastRepaint) {
  return static_cast<std::uint32_t>(now - lastRepaint) > kIdleRepaintInterval;
}

// Runs until the window is closed; returns the exit status.
int runMessageLoop();

}  // namespace corvane
