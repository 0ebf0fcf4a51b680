// The refill order and the delay from a command to the sound, on a simulated device whose played-byte
// count the test advances: the device takes each frame from where its count points in the ring, and
// the refill step runs after every millisecond of sound, as RefillThread polls.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/audio_device.h"
#include "playback/fill_segment.h"
#include "playback/playback_control.h"
#include "playback/refill_thread.h"
#include "playback_fixture.h"

namespace corvane::testing {
namespace {

constexpr int kPollFrames = 44;  // about a millisecond of sound

struct Fill {
  int segment;
  std::uint64_t atFrame;  // the device's frame count when it was made
};

class SimulatedDevice {
 public:
  // Starts with the count at startFrame (in frames since the device opened) and polls once at once.
  explicit SimulatedDevice(std::uint64_t startFrame = 0) : frame_(startFrame) { poll(); }

  void play(int frames) {
    for (int n = 0; n < frames; ++n) {
      const std::size_t at = static_cast<std::size_t>((frame_ % kRingFrames) * kFrameBytes);
      const std::int16_t left = valueAt(&deviceRing[at]);
      if (valueAt(&deviceRing[at + 2]) != left) ++unequalFrames_;
      heard_.push_back(left);
      ++frame_;
      if (++sincePoll_ == kPollFrames) poll();
    }
  }

  std::uint64_t frame() const { return frame_; }
  std::uint64_t lastPoll() const { return lastPoll_; }
  const std::vector<std::int16_t>& heard() const { return heard_; }
  const std::vector<Fill>& fills() const { return fills_; }
  int unequalFrames() const { return unequalFrames_; }

 private:
  void poll() {
    sincePoll_ = 0;
    lastPoll_ = frame_;
    const int filled = refillStep(frame_ * kFrameBytes, lastSegment_);
    if (filled >= 0) fills_.push_back({filled, frame_});
  }

  std::uint64_t frame_;
  std::uint64_t lastPoll_ = 0;
  int sincePoll_ = 0;
  int lastSegment_ = 0;  // as RefillThread starts
  std::vector<std::int16_t> heard_;
  std::vector<Fill> fills_;
  int unequalFrames_ = 0;
};

// The frame at which a command given after the poll at frame p is first heard: the next boundary's
// fill writes the segment the device reaches two segments later.
std::uint64_t firstHeard(std::uint64_t p) { return (p / kSegmentFrames + 1) * kSegmentFrames + 2 * kSegmentFrames; }

// Writes elements 1, 2, ... of the known sound from frame `from` of the expected stream, up to element
// 44,099 or frame `until`.
void placePlayThrough(std::vector<std::int16_t>& expected, std::size_t from, std::size_t until) {
  for (std::size_t n = from, element = 1; n < until && n < expected.size() && element <= 44099; ++n, ++element) {
    expected[n] = toDeviceValue(knownSample(static_cast<int>(element)));
  }
}

::testing::AssertionResult sameStream(const std::vector<std::int16_t>& heard,
                                      const std::vector<std::int16_t>& expected) {
  if (heard.size() != expected.size()) return ::testing::AssertionFailure() << "lengths differ";
  for (std::size_t n = 0; n < heard.size(); ++n) {
    if (heard[n] != expected[n]) {
      return ::testing::AssertionFailure() << "frame " << n << " heard " << heard[n] << ", expected " << expected[n];
    }
  }
  return ::testing::AssertionSuccess();
}

class RefillTest : public PlaybackTest {
 protected:
  void SetUp() override {
    PlaybackTest::SetUp();
    loadKnownSound();
  }
};

TEST_F(RefillTest, FillsSegmentTwoFirstThenOneSegmentPerBoundaryInRingOrder) {
  SimulatedDevice device;
  device.play(10 * kRingFrames + kPollFrames);  // and the poll after the tenth pass
  const std::vector<Fill>& fills = device.fills();
  ASSERT_EQ(fills.size(), 31u);
  EXPECT_EQ(fills[0].segment, 2);
  EXPECT_EQ(fills[0].atFrame, 0u);
  for (std::size_t j = 1; j < fills.size(); ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(fills[j].segment, static_cast<int>((j - 1) % 3));
    // At the first poll at or after the j-th boundary.
    const std::uint64_t boundary = j * kSegmentFrames;
    EXPECT_EQ(fills[j].atFrame, (boundary + kPollFrames - 1) / kPollFrames * kPollFrames);
  }
}

TEST_F(RefillTest, APlayIsHeardTwoToThreeSegmentsLater) {
  // Frames since the device opened at which Play is pressed.
  for (const int pressAt : {0, 2000, 5990, 6000, 6028, 20000, 35999}) {
    SCOPED_TRACE(pressAt);
    SetUp();
    SimulatedDevice device;
    device.play(pressAt);
    rewindAndPlay();
    const std::uint64_t start = firstHeard(device.lastPoll());
    EXPECT_GE(start - static_cast<std::uint64_t>(pressAt), 2u * kSegmentFrames);
    EXPECT_LE(start - static_cast<std::uint64_t>(pressAt), 3u * kSegmentFrames);
    device.play(static_cast<int>(start) - pressAt + 44099 + 2 * kRingFrames);
    std::vector<std::int16_t> expected(device.heard().size(), 0);
    placePlayThrough(expected, start, expected.size());
    EXPECT_TRUE(sameStream(device.heard(), expected));
    EXPECT_EQ(device.unequalFrames(), 0);
    EXPECT_EQ(playbackState(), (PlaybackState{0, false}));
  }
  // A third of the way into a segment: the rest of it, then two further segments.
  SimulatedDevice device;
  device.play(2000);
  EXPECT_EQ(firstHeard(device.lastPoll()), 2000u + 4000u + 2u * kSegmentFrames);
}

TEST_F(RefillTest, APlayDuringAPlayThroughStartsItAgainFromElementOne) {
  SimulatedDevice device;
  rewindAndPlay();
  const std::uint64_t first = firstHeard(device.lastPoll());
  device.play(30000);
  rewindAndPlay();
  const std::uint64_t again = firstHeard(device.lastPoll());
  device.play(static_cast<int>(again - device.frame()) + 44099 + kRingFrames);
  std::vector<std::int16_t> expected(device.heard().size(), 0);
  placePlayThrough(expected, first, again);
  placePlayThrough(expected, again, expected.size());
  EXPECT_TRUE(sameStream(device.heard(), expected));
}

TEST_F(RefillTest, AfterAStopTheFilledSegmentsPlayOutThenSilence) {
  SimulatedDevice device;
  rewindAndPlay();
  const std::uint64_t first = firstHeard(device.lastPoll());
  device.play(25000);
  stopPlayback();
  // The last fill before the stop was made at the boundary before the last poll; its segment is the
  // last one with sound.
  const std::uint64_t lastFilledBoundary = device.lastPoll() / kSegmentFrames * kSegmentFrames;
  const std::uint64_t soundEnds = lastFilledBoundary + 3 * kSegmentFrames;
  device.play(2 * kRingFrames);
  std::vector<std::int16_t> expected(device.heard().size(), 0);
  placePlayThrough(expected, first, soundEnds);
  EXPECT_TRUE(sameStream(device.heard(), expected));
  EXPECT_FALSE(playbackState().playing);
}

TEST_F(RefillTest, KeepsTheRingOrderPastTwoToThe32Bytes) {
  // 2^32 bytes is 2^30 frames, 5,824 frames into a segment: a 32-bit count would jump there.
  const std::uint64_t wrapFrame = (1ull << 32) / kFrameBytes;
  const std::uint64_t startFrame = wrapFrame - 20000;
  SimulatedDevice device(startFrame);
  rewindAndPlay();
  const std::uint64_t start = firstHeard(device.lastPoll());
  ASSERT_LT(start, wrapFrame);
  ASSERT_GT(start + 44099, wrapFrame) << "the play-through spans the wrap";
  device.play(static_cast<int>(start - startFrame) + 44099 + 3 * kRingFrames);

  std::vector<std::int16_t> expected(device.heard().size(), 0);
  placePlayThrough(expected, start - startFrame, expected.size());
  EXPECT_TRUE(sameStream(device.heard(), expected));
  const std::vector<Fill>& fills = device.fills();
  for (std::size_t j = 1; j < fills.size(); ++j) {
    EXPECT_EQ(fills[j].segment, (fills[j - 1].segment + 1) % 3) << "fill " << j;
    // Right after the device crossed into the next segment, at the first poll there.
    EXPECT_EQ(fills[j].atFrame / kSegmentFrames, fills[j - 1].atFrame / kSegmentFrames + 1) << "fill " << j;
    EXPECT_LT(fills[j].atFrame % kSegmentFrames, static_cast<std::uint64_t>(kPollFrames)) << "fill " << j;
  }
}

TEST(ExtendByteCountTest, FollowsA32BitCountAcrossItsWraps) {
  const struct {
    std::uint64_t previous;
    std::uint32_t reported;
    std::uint64_t expected;
  } cases[] = {
      {0, 0, 0},
      {0, 176400, 176400},
      {0xFFFF'FF00ull, 0xFFFF'FFFCu, 0xFFFF'FFFCull},
      {0xFFFF'FF00ull, 0x0000'0100u, 0x1'0000'0100ull},
      {0x3'FFFF'0000ull, 0x0000'1000u, 0x4'0000'1000ull},
      {0x1'0000'0000ull, 0xFFFF'FFFFu, 0x1'FFFF'FFFFull},  // the largest step it can follow
      {0x7'1234'5678ull, 0x1234'5678u, 0x7'1234'5678ull},   // unchanged
  };
  for (const auto& c : cases) EXPECT_EQ(extendByteCount(c.previous, c.reported), c.expected) << c.previous;

  // Read every millisecond or so through two wraps, it stays equal to the true count.
  std::uint64_t count = 0xFFFF'0000ull;
  std::uint64_t extended = count;
  while (count < 0x2'0001'0000ull) {
    count += 176 + count % 7 * 4;
    extended = extendByteCount(extended, static_cast<std::uint32_t>(count));
    ASSERT_EQ(extended, count);
    if (count > 0x1'0001'0000ull && count < 0x1'FFFF'0000ull) count = 0x1'FFFF'0000ull;  // skip ahead
  }
}

}  // namespace
}  // namespace corvane::testing
