// The two-pole filters: their responses, the shared slot state, and the closed low-pass at cutoff 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "synth_fixture.h"

namespace corvane::testing {
namespace {

using FilterTest = SynthTest;
using Filter = double (*)(int, double, double, double);

// Steady-state gain for a constant (frequency 0) or alternating (Nyquist) input.
double settledGain(Filter filter, double cutoff, bool alternating) {
  clearFilterBank();
  double out = 0.0;
  for (int n = 0; n < 20000; ++n) {
    const double in = alternating && (n % 2) ? -1.0 : 1.0;
    out = filter(5, in, cutoff, 0.0);
  }
  return std::fabs(out);
}

TEST_F(FilterTest, LowPassKeepsLowAndRemovesHighFrequencies) {
  EXPECT_NEAR(settledGain(lowPass, 0.1, false), 1.0, 1e-9);
  EXPECT_NEAR(settledGain(lowPass, 0.1, true), 0.0, 1e-9);
}

TEST_F(FilterTest, HighPassKeepsHighAndRemovesLowFrequencies) {
  EXPECT_NEAR(settledGain(highPass, 0.1, false), 0.0, 1e-9);
  EXPECT_NEAR(settledGain(highPass, 0.1, true), 1.0, 1e-9);
}

TEST_F(FilterTest, FirstCallOnARestingSlotIsA0TimesTheInput) {
  // cutoff 0.5: d = 0.25, K = tan(pi / 4); Butterworth q.
  const double q = 1.4142135623;
  const double t = std::tan(0.25 * 3.14159265358979);
  const double hpA0 = 1.0 / ((q * t + 1.0) + t * t);
  const double k = 1.0 / t;
  const double lpA0 = 1.0 / ((q * k + 1.0) + k * k);
  EXPECT_EQ(highPass(0, 0.75, 0.5, 0.0), hpA0 * 0.75);
  EXPECT_EQ(lowPass(1, 0.75, 0.5, 0.0), lpA0 * 0.75);
}

TEST_F(FilterTest, CutoffAtOrAboveOneLetsLowPassThroughAndHighPassNearlyNothing) {
  for (const double cutoff : {1.0, 3.0}) {
    clearFilterBank();
    EXPECT_NEAR(lowPass(0, 0.5, cutoff, 0.0), 0.5, 1e-12);
    EXPECT_LT(std::fabs(highPass(1, 0.5, cutoff, 0.0)), 1e-29);
  }
}

TEST_F(FilterTest, HighPassAtCutoffZeroOrBelowIsTheSecondDifferenceRecursion) {
  for (const double cutoff : {0.0, -2.0}) {
    clearFilterBank();
    EXPECT_EQ(highPass(0, 0.5, cutoff, 0.3), 0.5);  // from rest: the input itself
    // in - 2*x1 + x2 + 2*y1 - y2 = 0.25 - 1 + 0 + 1 - 0
    EXPECT_EQ(highPass(0, 0.25, cutoff, 0.3), 0.25);
  }
}

TEST_F(FilterTest, ResonanceOneLeavesTheFilterRingingWithoutDecay) {
  // Zero damping: an impulse keeps ringing at full level a second later.
  clearFilterBank();
  double late = 0.0;
  for (int n = 0; n < 44100; ++n) {
    const double out = lowPass(0, n == 0 ? 1.0 : 0.0, 0.2, 1.0);
    if (n > 40000) late = std::max(late, std::fabs(out));
  }
  EXPECT_GT(late, 0.1);
}

TEST_F(FilterTest, FiltersOnOneSlotContinueFromEachOthersHistory) {
  lowPass(0, 0.8, 0.3, 0.2);
  const double lowOut = lowPass(0, -0.4, 0.3, 0.2);
  EXPECT_EQ(filterBank.x1[0], -0.4);
  EXPECT_EQ(filterBank.x2[0], 0.8);
  EXPECT_EQ(filterBank.y1[0], lowOut);

  // The same high-pass call on a fresh slot with that history gives the same result.
  filterBank.x1[7] = filterBank.x1[0];
  filterBank.x2[7] = filterBank.x2[0];
  filterBank.y1[7] = filterBank.y1[0];
  filterBank.y2[7] = filterBank.y2[0];
  EXPECT_EQ(highPass(0, 0.1, 0.6, 0.5), highPass(7, 0.1, 0.6, 0.5));
  EXPECT_EQ(filterBank.y2[0], lowOut);
}

TEST_F(FilterTest, OtherSlotsAreUntouched) {
  highPass(3, 1.0, 0.2, 0.1);
  lowPass(3, 1.0, 0.2, 0.1);
  for (int slot = 0; slot < kFilterSlots; ++slot) {
    if (slot == 3) continue;
    EXPECT_EQ(filterBank.x1[slot], 0.0);
    EXPECT_EQ(filterBank.y1[slot], 0.0);
  }
}

// The closed low-pass: cutoff 0 (or so small that K squared overflows) takes the limit of the
// coefficients, so neither output nor slot state becomes infinite or NaN.
TEST_F(FilterTest, LowPassAtCutoffZeroStaysFiniteAndCarriesOn) {
  for (const double cutoff : {0.0, -1.0, 1e-300}) {
    clearFilterBank();
    EXPECT_EQ(lowPass(0, 0.9, cutoff, 0.4), 0.0) << cutoff;  // a resting slot stays at rest
    EXPECT_EQ(filterBank.x1[0], 0.9);
    // After ordinary calls the closed filter continues the output's trend: 2*y1 - y2.
    lowPass(0, 0.5, 0.2, 0.4);
    lowPass(0, 0.5, 0.2, 0.4);
    const double y1 = filterBank.y1[0];
    const double y2 = filterBank.y2[0];
    const double out = lowPass(0, 0.7, cutoff, 0.4);
    EXPECT_EQ(out, 2.0 * y1 - y2);
    EXPECT_TRUE(std::isfinite(filterBank.y1[0]));
    // And the next ordinary call is finite too.
    EXPECT_TRUE(std::isfinite(lowPass(0, 0.7, 0.2, 0.4)));
  }
}

}  // namespace
}  // namespace corvane::testing
