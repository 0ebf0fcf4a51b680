// Generator states chosen so that particular draws come out with particular values.
#pragma once

#include <cstdint>

#include "synth/random_source.h"

namespace corvane::testing {

inline constexpr std::uint32_t kMultiplier = 214013u;
inline constexpr std::uint32_t kIncrement = 2531011u;

// Multiplicative inverse of an odd number modulo 2^32 (Newton's iteration).
constexpr std::uint32_t inverseOf(std::uint32_t a) {
  std::uint32_t x = a;
  for (int i = 0; i < 5; ++i) x *= 2u - a * x;
  return x;
}

// Applies the affine map x -> mul * x + add `steps` times (O(log steps)).
constexpr std::uint32_t applyAffine(std::uint32_t s, std::uint32_t stepMul, std::uint32_t stepAdd, long long steps) {
  std::uint32_t mul = 1u, add = 0u;
  for (; steps > 0; steps >>= 1) {
    if (steps & 1) {
      mul = stepMul * mul;
      add = stepMul * add + stepAdd;
    }
    stepAdd = stepMul * stepAdd + stepAdd;
    stepMul = stepMul * stepMul;
  }
  return mul * s + add;
}

// The state after `steps` draws from s.
constexpr std::uint32_t advance(std::uint32_t s, long long steps) { return applyAffine(s, kMultiplier, kIncrement, steps); }

// The state `steps` draws before s.
constexpr std::uint32_t rewind(std::uint32_t s, long long steps) {
  constexpr std::uint32_t inverse = inverseOf(kMultiplier);
  return applyAffine(s, inverse, 0u - kIncrement * inverse, steps);
}

// A state from which draw number `index` (0 = the first next()) yields `value`. The 17 bits that
// next() does not show are taken from `hidden`, so a search over hidden can satisfy a second draw.
constexpr std::uint32_t stateWithDraw(int index, int value, std::uint32_t hidden = 0) {
  const std::uint32_t after = (static_cast<std::uint32_t>(value) << 16) | (hidden & 0xFFFFu) | ((hidden >> 16) & 1u) << 31;
  return rewind(after, index + 1);
}

// The value of draw number `index` from state s, without touching the global generator.
constexpr int drawAt(std::uint32_t s, int index) { return static_cast<int>((advance(s, index + 1) >> 16) & 0x7FFFu); }

// A state whose draws `indexA` and `indexB` (indexA < indexB) yield valueA and valueB; 0 if none of
// the 2^17 candidates does.
inline std::uint32_t stateWithDraws(int indexA, int valueA, int indexB, int valueB) {
  for (std::uint32_t hidden = 0; hidden < (1u << 17); ++hidden) {
    const std::uint32_t s = stateWithDraw(indexA, valueA, hidden);
    if (drawAt(s, indexB) == valueB) return s;
  }
  return 0;
}

}  // namespace corvane::testing
