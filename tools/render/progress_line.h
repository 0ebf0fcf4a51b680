// A single updating line on a terminal: sounds done, rate and time left.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

namespace corvane {

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  // Draws nothing unless enabled; redraws at most every `interval`.
  ProgressLine(std::ostream& out, bool enabled, std::uint32_t total,
               Clock::duration interval = std::chrono::milliseconds(100));

  void update(std::uint32_t done, Clock::time_point now = Clock::now());
  // Clears the line so that what follows starts on a clean line.
  void clear();

 private:
  std::ostream& out_;
  bool enabled_;
  std::uint32_t total_;
  Clock::duration interval_;
  Clock::time_point start_;
  Clock::time_point lastDrawn_;
  bool drawn_ = false;
};

// "120/1000 sounds, 45.2 per second, 0:19 left"
std::string progressText(std::uint32_t done, std::uint32_t total, double seconds);

}  // namespace corvane
