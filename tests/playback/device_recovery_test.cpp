// A sound device that goes away while the program runs: SDL's disk driver reports the device removed
// when it cannot write (here to /dev/full); the refill thread then opens the default device again as
// soon as one is there, and playback goes on where the ring left off.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "disk_capture.h"
#include "playback/playback_control.h"

namespace corvane::testing {
namespace {

using namespace std::chrono_literals;

TEST(DeviceRecoveryTest, OpensTheDefaultDeviceAgainOnceOneIsThere) {
  // The device's file is a link, first to /dev/full, then, swapped in one step while the program runs,
  // to an ordinary file (no environment changes while SDL may read it).
  const std::filesystem::path link = diskAudioFile("device-link");
  const std::filesystem::path file = diskAudioFile("recovered-device");
  const std::filesystem::path nextLink = diskAudioFile("device-link-next");
  for (const auto& p : {link, file, nextLink}) std::filesystem::remove(p);
  std::filesystem::create_symlink("/dev/full", link);
  useDiskAudio(link);  // opens, then fails at its first write: SDL reports the device removed
  loadKnownSound();
  ASSERT_TRUE(openAudio());
  std::this_thread::sleep_for(600ms);  // lost, and looked for again a few times meanwhile

  // A device comes back: the next attempt opens it.
  std::filesystem::create_symlink(file, nextLink);
  std::filesystem::rename(nextLink, link);
  ASSERT_TRUE(waitForBytes(file, 176400 / 5, 5s)) << "the device was not opened again";

  rewindAndPlay();
  const std::uintmax_t pressedAt = fileBytes(file) / kFrameBytes;
  const std::uintmax_t enough = pressedAt + 3 * kSegmentFrames + 44099 + kRingFrames + 4096;
  ASSERT_TRUE(waitForBytes(file, enough * kFrameBytes, 15s));
  std::size_t start = 0;
  EXPECT_TRUE(holdsOnePlayThrough(readFrames(file), start));
  for (const auto& p : {link, file}) std::filesystem::remove(p);
}

}  // namespace
}  // namespace corvane::testing
