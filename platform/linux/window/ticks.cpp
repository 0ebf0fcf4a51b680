// Millisecond tick count and sleeping.
#include <chrono>
#include <thread>

#include "platform/window.h"

namespace corvane::platform {

std::uint32_t tickCount() {
  // steady_clock is CLOCK_MONOTONIC here: time since boot, like the tick count it stands for.
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

void sleepMilliseconds(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace corvane::platform
