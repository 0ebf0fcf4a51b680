#include "playback/refill_thread.h"

#include <chrono>
#include <thread>

#include "platform/audio_device.h"
#include "playback/device_ring.h"
#include "playback/fill_segment.h"

namespace corvane {

int refillStep(std::uint64_t playedBytes, int& lastSegment) {
  const std::uint64_t frames = playedBytes / kFrameBytes;
  const int playing = static_cast<int>((frames % kRingFrames) / kSegmentFrames);
  const int target = playing == 0 ? kSegmentCount - 1 : playing - 1;
  if (target == lastSegment) return -1;
  fillSegment(target);
  audioRingWritten();
  lastSegment = target;
  return target;
}

void RefillThread() {
  // Starts at 0: the first poll finds the device in segment 0 and fills segment 2 at once.
  int lastSegment = 0;
  for (;;) {
    keepAudioDeviceOpen();
    refillStep(audioBytesPlayed(), lastSegment);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace corvane
