// Waveforms, oscillator stepping and envelope shapes.
#include <gtest/gtest.h>

#include <cmath>

#include "draw_control.h"
#include "synth/oscillator/envelope.h"
#include "synth/oscillator/oscillator.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

using OscillatorTest = SynthTest;

constexpr double kTwoPi = 2.0 * kPi;

TEST_F(OscillatorTest, SquareIsNegativeWhereTheSineIsExactlyZero) {
  EXPECT_EQ(waveValue(Square, 0.0), -0.5);
  EXPECT_EQ(waveValue(Square, 1.0), 0.5);
  EXPECT_EQ(waveValue(Square, 4.0), -0.5);
}

TEST_F(OscillatorTest, CosineSawJumpsFromMinusOneToOneAtEachPeriod) {
  EXPECT_NEAR(waveValue(CosineSaw, kTwoPi - 1e-6), -1.0, 1e-6);
  EXPECT_NEAR(waveValue(CosineSaw, kTwoPi + 1e-6), 1.0, 1e-6);
  EXPECT_NEAR(waveValue(CosineSaw, kPi / 2), std::cos(kPi / 4), 1e-12);
}

TEST_F(OscillatorTest, SineFifthIsTheFifthPowerOfTheSine) {
  for (const double p : {0.3, 1.2, 2.5, 4.0, 5.9}) {
    EXPECT_NEAR(waveValue(SineFifth, p), std::pow(std::sin(p), 5.0), 1e-15) << p;
  }
}

TEST_F(OscillatorTest, FirstSampleIsTakenOneIncrementIn) {
  Oscillator osc;
  randomSource.seed(stateWithDraws(0, 0, 1, 0));  // kind Sine, ratio index 0
  drawOscillator(osc, 0.0);
  EXPECT_EQ(osc.kind, Sine);
  EXPECT_EQ(osc.frequency, 110.0);
  EXPECT_EQ(stepOscillator(osc, 0.0), std::sin((2.0 * 110.0) * kPi / 44100.0));
  const double phase = osc.phase;
  stepOscillator(osc, 0.25);
  EXPECT_EQ(osc.phase, phase + (0.25 + osc.increment));
}

struct EnvelopeCase {
  int shape;
  double t;
  double attack;
  double decay;
  double expected;
};

TEST_F(OscillatorTest, EnvelopeShapes) {
  const EnvelopeCase cases[] = {
      {AttackDecay, 0, 100, 50, 0.0},    {AttackSustain, 0, 100, 50, 0.0}, {HoldDecay, 0, 100, 50, 1.0},
      {Flat, 0, 100, 50, 1.0},           {AttackDecay, 100, 100, 50, 1.0}, {AttackSustain, 100, 100, 50, 1.0},
      {HoldDecay, 100, 100, 50, 1.0},    {Flat, 100, 100, 50, 1.0},        {AttackDecay, 50, 100, 50, 0.5},
      {HoldDecay, 150, 100, 50, 0.5},    {AttackDecay, 200, 100, 50, 0.25}, {AttackSustain, 40000, 100, 50, 1.0},
      {AttackDecay, 99, 99.5, 50, 99 / 99.5},
  };
  for (const EnvelopeCase& c : cases) {
    EXPECT_EQ(envelopeValue(c.shape, c.t, c.attack, c.decay), c.expected)
        << "shape " << c.shape << " at t = " << c.t;
  }
}

}  // namespace
}  // namespace corvane::testing
