#include "playback/refill_thread.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/audio_device.h"
#include "playback/device_ring.h"
#include "playback/fill_segment.h"

namespace corvane {

namespace {
enum RefillRun { Stopped, Running, StopAsked };
std::atomic<int> refillRun{Stopped};
}  // namespace

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
  while (refillRun.load(std::memory_order_acquire) == Running) {
    keepAudioDeviceOpen();
    refillStep(audioBytesPlayed(), lastSegment);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  refillRun.store(Stopped, std::memory_order_release);
}

void startRefillThread() {
  refillRun.store(Running, std::memory_order_release);
  std::thread(RefillThread).detach();
}

void stopRefillThread() {
  int expected = Running;
  if (!refillRun.compare_exchange_strong(expected, StopAsked, std::memory_order_acq_rel)) return;
  while (refillRun.load(std::memory_order_acquire) != Stopped) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace corvane
