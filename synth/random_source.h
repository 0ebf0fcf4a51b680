// The 15-bit linear congruential generator behind every random choice, and its three drawing operations.
#pragma once

#include <cstdint>

namespace corvane {

class RandomSource {
 public:
  // Advances the state and returns its bits 16 to 30: 0 to 32,767.
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  void seed(std::uint32_t s) { state_ = s; }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

// The one generator of the program: synthesis and display draw from it alike.
extern RandomSource randomSource;

// lo + (r * (hi - lo)) / 32767 for one draw r; both ends reachable, lo may exceed hi.
inline double randRange(double lo, double hi) {
  const double r = randomSource.next();
  return lo + (r * (hi - lo)) / 32767.0;
}

inline double randUnit() { return randRange(0.0, 1.0); }

// Plain remainder, no rejection: lower outcomes are slightly favoured when n does not divide 32,768.
inline int randBelow(int n) { return randomSource.next() % n; }

// Takes count draws whose values are not used.
void skipDraws(int count);

}  // namespace corvane
