// A sound device that goes away while the program runs: SDL's disk driver reports the device removed
// when it cannot write (here because the process may not write files at all); the refill thread then
// opens the default device again as soon as one is there, and playback goes on where the ring left off.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "disk_capture.h"
#include "file_size_limit.h"
#include "playback/playback_control.h"

namespace corvane::testing {
namespace {

using namespace std::chrono_literals;

TEST(DeviceRecoveryTest, OpensTheDefaultDeviceAgainOnceOneIsThere) {
  // The device's file is a link, first to a file no write reaches, then, swapped in one step while the
  // program runs, to another (no environment changes while SDL may read it). Only a device opened
  // again writes to the second file.
  const std::filesystem::path link = diskAudioFile("device-link");
  const std::filesystem::path lost = diskAudioFile("lost-device");
  const std::filesystem::path file = diskAudioFile("recovered-device");
  const std::filesystem::path nextLink = diskAudioFile("device-link-next");
  for (const auto& p : {link, lost, file, nextLink}) std::filesystem::remove(p);
  std::filesystem::create_symlink(lost, link);
  useDiskAudio(link);
  loadKnownSound();
  {
    const FileSizeLimit noWrites(0);
    ASSERT_TRUE(openAudio());  // opens, then fails at its first write: SDL reports the device removed
    std::this_thread::sleep_for(600ms);  // lost, and looked for again a few times meanwhile

    std::filesystem::create_symlink(file, nextLink);
    std::filesystem::rename(nextLink, link);
  }
  // Writes work again: the next attempt opens a device that lasts.
  ASSERT_TRUE(waitForBytes(file, 176400 / 5, 5s)) << "the device was not opened again";
  EXPECT_EQ(fileBytes(lost), 0u) << "the lost device went on writing";

  rewindAndPlay();
  const std::uintmax_t pressedAt = fileBytes(file) / kFrameBytes;
  const std::uintmax_t enough = pressedAt + 3 * kSegmentFrames + 44099 + kRingFrames + 4096;
  ASSERT_TRUE(waitForBytes(file, enough * kFrameBytes, 15s));
  std::size_t start = 0;
  EXPECT_TRUE(holdsOnePlayThrough(readFrames(file), start));
  for (const auto& p : {link, lost, file}) std::filesystem::remove(p);
}

}  // namespace
}  // namespace corvane::testing
