// The composed picture: skin, baseline, the 440 trace segments and the draws they take.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "display_fixture.h"

namespace corvane::testing {
namespace {

constexpr Rgb kBaseline{0, 78, 15};
constexpr Rgb kWhite{255, 255, 255};

bool isTraceGreen(Rgb c) { return c.red <= 10 && c.green >= 50 && c.green <= 106 && c.blue <= 30; }

int segmentEndColumn(int i) { return 43 + i / 2; }

TEST_F(DisplayTest, SilentSampleShowsTheTraceOverTheBaselineAndTheBaselineAloneAtItsEnds) {
  const auto draws = predictDraws(kState);
  ASSERT_TRUE(composeDisplay());

  for (int x : {39, 40, 41, 42, 263, 264, 270, 273}) EXPECT_EQ(pixelAt(backBuffer, x, 135), kBaseline) << x;
  EXPECT_EQ(pixelAt(backBuffer, 38, 135), skinAt(38, 135));
  EXPECT_EQ(pixelAt(backBuffer, 274, 135), skinAt(274, 135));

  // Along row 135 each segment paints from its start towards its end, the end itself left to the next.
  std::array<Rgb, BackBuffer::width> expected{};
  int from = 45;
  for (int i = 1; i <= 440; ++i) {
    const int to = segmentEndColumn(i);
    for (int x = from; x != to; x += (to > from ? 1 : -1)) expected[x] = draws[i].colour;
    from = to;
  }
  for (int x = 43; x <= 262; ++x) {
    const Rgb got = pixelAt(backBuffer, x, 135);
    EXPECT_EQ(got, expected[x]) << "column " << x;
    EXPECT_TRUE(isTraceGreen(got)) << "column " << x;
  }

  // Everything else is the skin, and below the skin the buffer is white.
  for (int y = 0; y < BackBuffer::height; ++y) {
    for (int x = 0; x < BackBuffer::width; ++x) {
      if (y == 135 && x >= 39 && x <= 273) continue;
      const Rgb want = y < SkinImage::height ? skinAt(x, y) : kWhite;
      ASSERT_EQ(pixelAt(backBuffer, x, y), want) << x << "," << y;
    }
  }
}

TEST_F(DisplayTest, FullScaleValuesPutTheSegmentEndOnRows195And75) {
  struct Case {
    double value;
    int row;
    int beyond;
  };
  for (const Case c : {Case{1.0, 195, 196}, Case{-1.0, 75, 74}}) {
    SCOPED_TRACE(c.value);
    clearSampleBuffer();
    randomSource.seed(kState);
    const auto draws = predictDraws(kState);
    const int i = 200;
    sampleBuffer[100 * i + draws[i].offset] = c.value;
    ASSERT_TRUE(composeDisplay());

    const int x = segmentEndColumn(i);
    // The end point belongs to the next segment, which starts there.
    EXPECT_EQ(pixelAt(backBuffer, x, c.row), draws[i + 1].colour);
    for (int col = 30; col < 286; ++col) {
      EXPECT_EQ(pixelAt(backBuffer, col, c.beyond), skinAt(col, c.beyond)) << "column " << col;
    }
  }
}

TEST_F(DisplayTest, TheLastSegmentStopsShortOfItsEndPoint) {
  const auto draws = predictDraws(kState);
  sampleBuffer[100 * 440 + draws[440].offset] = 1.0;
  ASSERT_TRUE(composeDisplay());
  EXPECT_EQ(pixelAt(backBuffer, 263, 195), skinAt(263, 195));
  EXPECT_EQ(pixelAt(backBuffer, 263, 194), draws[440].colour);
  EXPECT_EQ(pixelAt(backBuffer, 262, 135), draws[440].colour);
}

TEST_F(DisplayTest, EachRepaintTakes1760DrawsAndTwoRepaintsDiffer) {
  for (int n = 0; n < 300; ++n) sampleBuffer[100 + 147 * n] = std::sin(n * 0.37);
  const std::uint32_t before = randomSource.state();
  ASSERT_TRUE(composeDisplay());
  const std::uint32_t between = randomSource.state();
  EXPECT_EQ(between, stateAfter(before, 1760));
  const auto first = std::make_unique<BackBuffer>(backBuffer);

  ASSERT_TRUE(composeDisplay());
  EXPECT_EQ(randomSource.state(), stateAfter(between, 1760));
  EXPECT_NE(first->rgb, backBuffer.rgb);
}

TEST_F(DisplayTest, ComposingIntoAnotherImageLeavesBackBufferAlone) {
  backBuffer.rgb.fill(7);
  auto other = std::make_unique<BackBuffer>();
  ASSERT_TRUE(composeDisplay(*other));
  EXPECT_EQ(pixelAt(*other, 40, 135), kBaseline);
  EXPECT_EQ(pixelAt(backBuffer, 40, 135), (Rgb{7, 7, 7}));
}

TEST_F(DisplayTest, ValuesFarOutOfRangeAreClippedToTheImage) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {nan, inf, -inf, 1e300, -1e300, 3.0, -3.0, 0.5};
  for (std::size_t n = 0; n < sampleBuffer.size(); ++n) sampleBuffer[n] = values[n % std::size(values)];
  ASSERT_TRUE(composeDisplay());
  // The trace stays within its columns; the skin around it is untouched.
  for (int y = 0; y < SkinImage::height; ++y) {
    for (int x : {0, 38, 274, 300, 399}) ASSERT_EQ(pixelAt(backBuffer, x, y), skinAt(x, y)) << x << "," << y;
  }
}

TEST(TraceRow, TruncatesTowardZeroAndHoldsExtremesAtTheLimit) {
  constexpr int kLimit = 1 << 24;
  struct Case {
    double value;
    int row;
  };
  const Case cases[] = {
      {1.0, 195},   {0.0, 135},     {-1.0, 75},   {0.999, 194}, {-0.999, 75},
      {-2.26, 0},   {-2.5, -15},    {2.5, 285},   {std::numeric_limits<double>::infinity(), kLimit},
      {1e300, kLimit}, {-1e300, -kLimit}, {-std::numeric_limits<double>::infinity(), -kLimit},
      {std::numeric_limits<double>::quiet_NaN(), -kLimit},
  };
  for (const Case c : cases) EXPECT_EQ(traceRow(c.value), c.row) << c.value;
}

}  // namespace
}  // namespace corvane::testing
