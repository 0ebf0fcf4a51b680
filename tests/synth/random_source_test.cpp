// The generator's sequence and the three drawing operations.
#include <gtest/gtest.h>

#include <array>

#include "draw_control.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

using RandomSourceTest = SynthTest;

TEST_F(RandomSourceTest, InitialStateGivesTheKnownSequence) {
  const std::array<int, 6> expected = {41, 18467, 6334, 26500, 19169, 15724};
  for (const int value : expected) EXPECT_EQ(randomSource.next(), value);
}

TEST_F(RandomSourceTest, SeedReplacesTheState) {
  randomSource.seed(0);
  EXPECT_EQ(randomSource.next(), 38);
  randomSource.seed(0xFFFFFFFFu);
  EXPECT_EQ(randomSource.state(), 0xFFFFFFFFu);
  // Wraps as unsigned 32-bit arithmetic.
  randomSource.next();
  EXPECT_EQ(randomSource.state(), 0xFFFFFFFFu * 214013u + 2531011u);
}

TEST_F(RandomSourceTest, DrawControlHelperHitsTheWantedValue) {
  for (const int value : {0, 1, 38, 32767}) {
    for (const int index : {0, 5, 44102}) EXPECT_EQ(drawAt(stateWithDraw(index, value), index), value);
  }
}

struct RangeCase {
  int draw;
  double lo;
  double hi;
  double expected;
};

TEST_F(RandomSourceTest, RandRangeReachesBothEndsAndRunsDownWhenLoExceedsHi) {
  const RangeCase cases[] = {
      {0, 0.998, 0.999, 0.998},   {32767, 0.998, 0.999, 0.999}, {0, 0.0, 1.0, 0.0},
      {32767, 0.0, 1.0, 1.0},     {32767, 5.0, -3.0, -3.0},      {0, 5.0, -3.0, 5.0},
      {16384, 0.0, 32767.0, 16384.0},
  };
  for (const RangeCase& c : cases) {
    randomSource.seed(stateWithDraw(0, c.draw));
    RandomSource oneStep = randomSource;
    oneStep.next();
    EXPECT_EQ(randRange(c.lo, c.hi), c.expected) << c.draw << " in " << c.lo << ".." << c.hi;
    EXPECT_EQ(randomSource.state(), oneStep.state()) << "one draw per call";
  }
}

TEST_F(RandomSourceTest, RandRangeFormsTheProductBeforeDividing) {
  // r * (hi - lo) / 32767 differs from r * ((hi - lo) / 32767) for this draw.
  randomSource.seed(stateWithDraw(0, 3));
  EXPECT_EQ(randRange(0.0, 0.1), (3.0 * 0.1) / 32767.0);
  EXPECT_NE((3.0 * 0.1) / 32767.0, 3.0 * (0.1 / 32767.0));
}

TEST_F(RandomSourceTest, RandUnitIsExactAtTheEnds) {
  randomSource.seed(stateWithDraw(0, 0));
  EXPECT_EQ(randUnit(), 0.0);
  randomSource.seed(stateWithDraw(0, 32767));
  EXPECT_EQ(randUnit(), 1.0);
}

TEST_F(RandomSourceTest, RandBelowNineteenFavoursTheLowerOutcomesByOne) {
  std::array<int, 19> counts{};
  for (int value = 0; value < 32768; ++value) {
    randomSource.seed(stateWithDraw(0, value));
    ++counts[randBelow(19)];
  }
  for (int outcome = 0; outcome < 19; ++outcome) EXPECT_EQ(counts[outcome], outcome < 12 ? 1725 : 1724) << outcome;
}

}  // namespace
}  // namespace corvane::testing
