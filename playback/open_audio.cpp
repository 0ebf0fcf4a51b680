// openAudio: the device is opened once, at start-up, and plays DeviceRing until the process ends (or
// until closeAudio, for a program that quits SDL before it exits).
#include <atomic>

#include "platform/audio_device.h"
#include "playback/device_ring.h"
#include "playback/playback_control.h"
#include "playback/refill_thread.h"

namespace corvane {

namespace {
std::atomic<bool> opened{false};  // the user-interface thread's own record
}

bool openAudio() {
  if (opened.load()) return true;
  if (!openAudioDevice(deviceRing.data(), deviceRing.size())) return false;
  startRefillThread();
  opened.store(true);
  return true;
}

void closeAudio() {
  if (!opened.load()) return;
  stopRefillThread();
  closeAudioDevice();
  opened.store(false);
}

}  // namespace corvane
