// fillSegment frame by frame: where a play-through starts and ends, the value conversion, the frame
// layout, and eight fills to a play-through.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "playback/fill_segment.h"
#include "playback_fixture.h"

namespace corvane::testing {
namespace {

using FillSegmentTest = PlaybackTest;

struct CursorCase {
  const char* name;
  PlaybackState start;
  int firstElement;  // the element frame 0 carries, or -1 for silence
  int soundFrames;   // frames that carry a sample; the rest are silent
  PlaybackState end;
};

TEST_F(FillSegmentTest, StartsAndEndsWhereThePlayCursorSays) {
  const CursorCase cases[] = {
      {"rewind sends element 1 first", {0, true}, 1, 6000, {6000, true}},
      {"a full fill from the middle", {12000, true}, 12001, 6000, {18000, true}},
      {"the eighth fill ends the play-through", {42000, true}, 42001, 2099, {0, false}},
      {"cursor one below the end", {44098, true}, 44099, 1, {0, false}},
      {"cursor at the end", {44099, true}, -1, 0, {0, false}},
      {"idle", {0, false}, -1, 0, {0, false}},
      {"idle just after a stop", {20000, false}, -1, 0, {0, false}},
  };
  for (const CursorCase& c : cases) {
    SCOPED_TRACE(c.name);
    loadKnownSound();
    setPlaybackState(c.start);
    fillSegment(1);
    for (int n = 0; n < kSegmentFrames; ++n) {
      const Frame f = ringFrame(1, n);
      const std::int16_t expected =
          n < c.soundFrames ? toDeviceValue(knownSample(c.firstElement + n)) : std::int16_t{0};
      ASSERT_EQ(f.left, expected) << "frame " << n;
      ASSERT_EQ(f.right, expected) << "frame " << n;
    }
    EXPECT_EQ(playbackState(), c.end);
  }
}

TEST_F(FillSegmentTest, ConvertsValuesByTruncationWithinTheLimits) {
  const double tiny = 1.0 / 32766.0;
  const struct {
    double value;
    std::int16_t expected;
  } cases[] = {
      {1.0, 32766},
      {-1.0, -32766},
      {0.5, 16383},
      {-0.5, -16383},
      {1.2, 32766},
      {-1.2, -32766},
      {std::nextafter(tiny, 0.0), 0},
      {-std::nextafter(tiny, 0.0), 0},
      {1e-300, 0},
      {-0.0, 0},
      {tiny * 1.5, 1},           // 1.5 truncates to 1
      {-tiny * 1.5, -1},         // and -1.5 to -1, toward zero
      {0.99999, 32765},          // 32,765.67 truncates
      {std::numeric_limits<double>::quiet_NaN(), 0},
      {-std::numeric_limits<double>::quiet_NaN(), 0},
      {std::numeric_limits<double>::infinity(), 32766},
      {-std::numeric_limits<double>::infinity(), -32766},
  };
  // Each value as the element that a rewind sends first, through the whole fill.
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    sampleBuffer[1] = c.value;
    setPlaybackState({0, true});
    fillSegment(0);
    EXPECT_EQ(ringFrame(0, 0).left, c.expected);
    EXPECT_EQ(ringFrame(0, 0).right, c.expected);
  }
}

TEST_F(FillSegmentTest, WritesLittleEndianEqualPairsIntoItsOwnSegmentOnly) {
  deviceRing.fill(0xAB);
  sampleBuffer[1] = -1.0;  // -32,766 = 0x8002
  sampleBuffer[2] = 0.5;   // 16,383 = 0x3FFF
  setPlaybackState({0, true});
  fillSegment(2);
  const std::uint8_t* seg = deviceRing.data() + 2 * kSegmentBytes;
  const std::vector<std::uint8_t> firstFrames(seg, seg + 8);
  EXPECT_EQ(firstFrames, (std::vector<std::uint8_t>{0x02, 0x80, 0x02, 0x80, 0xFF, 0x3F, 0xFF, 0x3F}));
  for (int b = 0; b < 2 * kSegmentBytes; ++b) ASSERT_EQ(deviceRing[static_cast<std::size_t>(b)], 0xAB) << b;
}

TEST_F(FillSegmentTest, APlayThroughTakesEightFillsAndCarriesElementsOneTo44099) {
  loadKnownSound();
  setPlaybackState({0, true});
  std::vector<std::int16_t> sent;
  for (int fill = 1; fill <= 9; ++fill) {
    const int k = (fill + 1) % kSegmentCount;  // 2, 0, 1, ... as the device asks
    fillSegment(k);
    for (int n = 0; n < kSegmentFrames; ++n) sent.push_back(ringFrame(k, n).left);
    const PlaybackState expected = fill < 8 ? PlaybackState{fill * 6000, true} : PlaybackState{0, false};
    EXPECT_EQ(playbackState(), expected) << "after fill " << fill;
  }
  for (std::size_t n = 0; n < sent.size(); ++n) {
    const int element = static_cast<int>(n) + 1;
    const std::int16_t expected = element <= 44099 ? toDeviceValue(knownSample(element)) : std::int16_t{0};
    ASSERT_EQ(sent[n], expected) << "frame " << n;
  }
}

}  // namespace
}  // namespace corvane::testing
