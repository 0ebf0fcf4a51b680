#include "disk_capture.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "playback/fill_segment.h"

namespace corvane::testing {

void useDiskAudio(const std::filesystem::path& file) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  unsetenv("SDL_DISKAUDIODELAY");  // the driver then writes in real time
}

std::filesystem::path diskAudioFile(const char* name) {
  return std::filesystem::temp_directory_path() /
         ("corvane-" + std::string(name) + "-" + std::to_string(getpid()) + ".raw");
}

std::uintmax_t fileBytes(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  return error ? 0 : size;
}

bool waitForBytes(const std::filesystem::path& file, std::uintmax_t bytes, std::chrono::seconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  while (fileBytes(file) < bytes) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::vector<Frame> readFrames(const std::filesystem::path& file) {
  const std::vector<unsigned char> bytes = [&] {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    std::vector<unsigned char> b;
    if (f == nullptr) return b;
    unsigned char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) b.insert(b.end(), chunk, chunk + n);
    std::fclose(f);
    return b;
  }();
  std::vector<Frame> frames(bytes.size() / kFrameBytes);
  for (std::size_t n = 0; n < frames.size(); ++n) {
    frames[n] = {valueAt(&bytes[n * kFrameBytes]), valueAt(&bytes[n * kFrameBytes + 2])};
  }
  return frames;
}

::testing::AssertionResult holdsOnePlayThrough(const std::vector<Frame>& frames, std::size_t& start) {
  start = 0;
  while (start < frames.size() && frames[start].left == 0 && frames[start].right == 0) ++start;
  if (start + 44099 > frames.size()) {
    return ::testing::AssertionFailure() << "no whole play-through among " << frames.size() << " frames";
  }
  for (std::size_t n = 0; n < frames.size(); ++n) {
    const std::size_t element = n - start + 1;
    const std::int16_t expected =
        n >= start && element <= 44099 ? toDeviceValue(knownSample(static_cast<int>(element))) : std::int16_t{0};
    if (frames[n].left != expected || frames[n].right != expected) {
      return ::testing::AssertionFailure() << "frame " << n << " (sound from frame " << start << ") holds "
                                           << frames[n].left << "/" << frames[n].right << ", expected "
                                           << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace corvane::testing
