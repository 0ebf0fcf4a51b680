// Resets the process-wide synthesis state before each test.
#pragma once

#include <gtest/gtest.h>

#include "synth/filters/filter_bank.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane::testing {

class SynthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSampleBuffer();
    clearFilterBank();
    randomSource = RandomSource{};
  }
};

// Counts the draws between two generator states by stepping a copy of the first.
inline long long drawsBetween(std::uint32_t from, std::uint32_t to, long long limit = 2'000'000) {
  RandomSource r;
  r.seed(from);
  for (long long n = 0; n <= limit; ++n) {
    if (r.state() == to) return n;
    r.next();
  }
  return -1;
}

}  // namespace corvane::testing
