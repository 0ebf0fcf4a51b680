// A prepared display with a silent sample and a known generator state, and the draws a repaint takes.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "synth/random_source.h"
#include "synth/sample_buffer.h"
#include "ui/display/display.h"

namespace corvane::testing {

// Colour and sample offset that one trace segment draws.
struct SegmentDraws {
  Rgb colour;
  int offset = 0;
};

// The draws of one repaint that starts at `state`, indexed by segment 1 to 440 (0 unused).
inline std::array<SegmentDraws, 441> predictDraws(std::uint32_t state) {
  const RandomSource saved = randomSource;
  randomSource.seed(state);
  std::array<SegmentDraws, 441> draws{};
  for (int i = 1; i <= 440; ++i) {
    draws[i].colour.red = static_cast<std::uint8_t>(randRange(0.0, 10.0));
    draws[i].colour.green = static_cast<std::uint8_t>(randRange(50.0, 106.0));
    draws[i].colour.blue = static_cast<std::uint8_t>(randRange(0.0, 30.0));
    draws[i].offset = static_cast<int>(randRange(0.0, 99.0));
  }
  randomSource = saved;
  return draws;
}

// The state after `count` draws from `state`.
inline std::uint32_t stateAfter(std::uint32_t state, int count) {
  RandomSource r;
  r.seed(state);
  for (int i = 0; i < count; ++i) r.next();
  return r.state();
}

inline Rgb skinAt(int x, int y) {
  const auto* p = &displaySkin().rgb[(static_cast<std::size_t>(y) * SkinImage::width + x) * 3];
  return {p[0], p[1], p[2]};
}

class DisplayTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kState = 0x2468ACE1u;

  void SetUp() override {
    clearSampleBuffer();
    setupDisplay();
    randomSource.seed(kState);
  }
};

}  // namespace corvane::testing
