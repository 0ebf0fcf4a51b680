// The real SDL device, through SDL's disk driver, which plays the device stream into a file in real
// time: one play-through between silences, heard two to three segments after the Play, at the
// device's rate; and closing and opening it again.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "disk_capture.h"
#include "playback/playback_control.h"

namespace corvane::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::uintmax_t kBytesPerSecond = 176400;

class DiskDeviceTest : public ::testing::Test {
 protected:
  // One device for the whole process, as in the program.
  static void SetUpTestSuite() {
    file_ = diskAudioFile("disk-device");
    std::filesystem::remove(file_);
    useDiskAudio(file_);
    loadKnownSound();
  }
  static void TearDownTestSuite() { std::filesystem::remove(file_); }

  void SetUp() override { ASSERT_TRUE(openAudio()) << "SDL's disk driver did not open"; }

  static inline std::filesystem::path file_;
};

TEST_F(DiskDeviceTest, PlaysOnePlayThroughBetweenSilences) {
  ASSERT_TRUE(waitForBytes(file_, kBytesPerSecond / 5, 5s)) << "the device is not playing";
  const std::uintmax_t pressedAt = fileBytes(file_) / kFrameBytes;
  rewindAndPlay();
  // Up to three segments to the sound, the sound, then a whole ring of silence and SDL's buffer.
  const std::uintmax_t enough = pressedAt + 3 * kSegmentFrames + 44099 + kRingFrames + 4096;
  ASSERT_TRUE(waitForBytes(file_, enough * kFrameBytes, 15s));
  EXPECT_FALSE(playbackState().playing);

  std::size_t start = 0;
  ASSERT_TRUE(holdsOnePlayThrough(readFrames(file_), start));
  // Two to three segments after the press, give or take SDL's buffer and a moment of scheduling. The
  // file grows one callback block at a time: a press just after a block crossed into the next segment,
  // before the refill thread refilled the segment just left, puts the sound there, up to a block (and
  // the refill's reaction) short of two segments on. Never in the segment being played, though.
  constexpr std::uintmax_t kCallbackBlockFrames = 1024;
  constexpr std::uintmax_t kRefillSlackFrames = 1024;  // a refill one more block late on a busy machine
  constexpr std::uintmax_t kEarliest = 2 * kSegmentFrames - kCallbackBlockFrames - kRefillSlackFrames;
  static_assert(kEarliest > kSegmentFrames);
  EXPECT_GE(start, pressedAt + kEarliest);
  EXPECT_LE(start, pressedAt + 3 * kSegmentFrames + 4410);
  std::cout << "heard " << start - pressedAt << " frames after the press\n";
}

TEST_F(DiskDeviceTest, GrowsAtAbout176400BytesASecond) {
  ASSERT_TRUE(waitForBytes(file_, 1, 5s)) << "the device is not playing";
  const auto t0 = std::chrono::steady_clock::now();
  const std::uintmax_t b0 = fileBytes(file_);
  std::this_thread::sleep_for(1s);
  const std::uintmax_t b1 = fileBytes(file_);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double rate = static_cast<double>(b1 - b0) / seconds;
  std::cout << "the device wrote " << rate << " bytes a second\n";
  // Loose bounds: a correctness check of the format and the loop, not a speed goal.
  EXPECT_GT(rate, 100000.0);
  EXPECT_LT(rate, 260000.0);
  EXPECT_EQ(b1 % kFrameBytes, 0u);
}

TEST_F(DiskDeviceTest, ClosingStopsTheDeviceAndOpeningStartsItAgain) {
  ASSERT_TRUE(waitForBytes(file_, 1, 5s)) << "the device is not playing";
  closeAudio();
  const std::uintmax_t closedAt = fileBytes(file_);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(fileBytes(file_), closedAt);
  rewindAndPlay();  // commands still work, silent
  stopPlayback();
  EXPECT_FALSE(playbackState().playing);

  ASSERT_TRUE(openAudio());  // starts a new file
  std::this_thread::sleep_for(100ms);
  const std::uintmax_t reopenedAt = fileBytes(file_);
  EXPECT_TRUE(waitForBytes(file_, reopenedAt + kBytesPerSecond / 10, 5s)) << "the device did not start again";
}

}  // namespace
}  // namespace corvane::testing
