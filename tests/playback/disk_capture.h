// Reading what SDL's disk audio driver wrote: the device stream, frame by frame, as it was played.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "playback_fixture.h"

namespace corvane::testing {

// Sends the default device to SDL's disk driver, writing to `file`.
void useDiskAudio(const std::filesystem::path& file);

// A file name of its own for this test process, in the temporary folder.
std::filesystem::path diskAudioFile(const char* name);

// Size of the file in bytes, 0 when it does not exist yet.
std::uintmax_t fileBytes(const std::filesystem::path& file);

// Waits until the file holds at least `bytes`; false on timeout.
bool waitForBytes(const std::filesystem::path& file, std::uintmax_t bytes, std::chrono::seconds timeout);

// The whole frames the file holds so far.
std::vector<Frame> readFrames(const std::filesystem::path& file);

// Silence, then exactly elements 1 to 44,099 of the known sound as equal stereo pairs, then silence.
// Sets `start` to the frame where the sound begins.
::testing::AssertionResult holdsOnePlayThrough(const std::vector<Frame>& frames, std::size_t& start);

}  // namespace corvane::testing
