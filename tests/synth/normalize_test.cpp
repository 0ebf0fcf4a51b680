// Peak normalisation.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "synth/normalize.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

using NormalizeTest = SynthTest;

TEST_F(NormalizeTest, SilentBufferIsLeftAlone) {
  normalizePeak();
  for (const double x : sampleBuffer) ASSERT_EQ(x, 0.0);
}

TEST_F(NormalizeTest, DividesByTheLargestMagnitudeWhicheverItsSign) {
  sampleBuffer[10] = 0.25;
  sampleBuffer[20] = -0.5;
  sampleBuffer[30] = 0.1;
  normalizePeak();
  EXPECT_EQ(sampleBuffer[10], 0.5);
  EXPECT_EQ(sampleBuffer[20], -1.0);
  EXPECT_EQ(sampleBuffer[30], 0.1 / 0.5);
}

TEST_F(NormalizeTest, DividesRatherThanMultiplyingByTheReciprocal) {
  // 0.3 / 0.7 and 0.3 * (1 / 0.7) round to different doubles.
  sampleBuffer[0] = 0.7;
  sampleBuffer[1] = 0.3;
  ASSERT_NE(0.3 / 0.7, 0.3 * (1.0 / 0.7));
  normalizePeak();
  EXPECT_EQ(sampleBuffer[1], 0.3 / 0.7);
}

TEST_F(NormalizeTest, PeakOfOneLeavesEveryValueUnchanged) {
  sampleBuffer[0] = -1.0;
  sampleBuffer[1] = 0.123456789;
  normalizePeak();
  EXPECT_EQ(sampleBuffer[0], -1.0);
  EXPECT_EQ(sampleBuffer[1], 0.123456789);
}

TEST_F(NormalizeTest, ValuesThatAreNotNumbersNeverSetThePeak) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  sampleBuffer[0] = nan;
  sampleBuffer[1] = 0.25;
  sampleBuffer[2] = nan;
  normalizePeak();
  EXPECT_TRUE(std::isnan(sampleBuffer[0]));
  EXPECT_EQ(sampleBuffer[1], 1.0);

  clearSampleBuffer();
  sampleBuffer[5] = nan;
  normalizePeak();  // only zeros and a NaN: silent, nothing changes
  EXPECT_EQ(sampleBuffer[4], 0.0);
  EXPECT_TRUE(std::isnan(sampleBuffer[5]));
}

}  // namespace
}  // namespace corvane::testing
