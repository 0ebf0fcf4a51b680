// A repaint before the display is set up draws nothing but still takes its 1,760 draws. Its own
// program, since setting up cannot be undone within a process.
#include <gtest/gtest.h>

#include <algorithm>

#include "display_fixture.h"

namespace corvane::testing {
namespace {

TEST(DisplayBeforeSetup, ComposesNothingAndTakesTheUsualDraws) {
  randomSource.seed(77);
  EXPECT_FALSE(composeDisplay());
  EXPECT_EQ(randomSource.state(), stateAfter(77, kDisplayDrawsPerRepaint));
  EXPECT_TRUE(std::all_of(backBuffer.rgb.begin(), backBuffer.rgb.end(), [](std::uint8_t v) { return v == 0; }));

  EXPECT_TRUE(setupDisplay());
  EXPECT_TRUE(composeDisplay());
  EXPECT_EQ(pixelAt(backBuffer, 40, 135), (Rgb{0, 78, 15}));
}

}  // namespace
}  // namespace corvane::testing
