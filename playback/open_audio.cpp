// openAudio: the device is opened once, at start-up, and plays DeviceRing until the process ends.
#include <atomic>
#include <thread>

#include "platform/audio_device.h"
#include "playback/device_ring.h"
#include "playback/playback_control.h"
#include "playback/refill_thread.h"

namespace corvane {

bool openAudio() {
  static std::atomic<bool> opened{false};
  if (opened.load()) return true;
  if (!openAudioDevice(deviceRing.data(), deviceRing.size())) return false;
  // Never joined: the thread ends with the process, as the device does.
  std::thread(RefillThread).detach();
  opened.store(true);
  return true;
}

}  // namespace corvane
