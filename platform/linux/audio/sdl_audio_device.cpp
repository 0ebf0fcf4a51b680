// The sound device on SDL2: SDL's audio thread copies the ring into the device in an endless loop and
// counts the bytes; a lost device is reopened from the refill thread.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/audio_device.h"

namespace corvane {
namespace {

// SDL's buffer: 1,024 frames (23 ms) keeps the device fed on a busy machine and adds little latency to
// the 408 ms ring.
constexpr Uint16 kDeviceBufferFrames = 1024;
// How often a lost device is looked for again.
constexpr Uint64 kReopenIntervalMs = 250;

// Set before a device starts and cleared after it has stopped; read by the audio callback.
const std::uint8_t* ringData = nullptr;
std::size_t ringSize = 0;

// Written only by the audio callback (one device, so one audio thread, at a time).
std::atomic<std::uint64_t> bytesPlayed{0};
// Bumped after every refill; the callback acquires it before reading, so the refill's writes happen
// before the device reads them.
std::atomic<std::uint64_t> ringWrites{0};

// Between openAudioDevice and closeAudioDevice, touched only by the thread that calls
// keepAudioDeviceOpen.
SDL_AudioDeviceID device = 0;
Uint64 lastOpenAttempt = 0;

void SDLCALL playRing(void* /*userdata*/, Uint8* stream, int len) {
  (void)ringWrites.load(std::memory_order_acquire);
  const std::uint64_t played = bytesPlayed.load(std::memory_order_relaxed);
  std::size_t position = static_cast<std::size_t>(played % ringSize);
  std::size_t left = static_cast<std::size_t>(len);
  while (left > 0) {
    const std::size_t n = std::min(left, ringSize - position);
    std::memcpy(stream, ringData + position, n);
    stream += n;
    left -= n;
    position = (position + n) % ringSize;
  }
  // Release: the bytes copied above are read before anyone learns they were played and refills them.
  bytesPlayed.store(played + static_cast<std::uint64_t>(len), std::memory_order_release);
}

// The default output device, started; 0 when there is none.
SDL_AudioDeviceID openDefaultDevice() {
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioFrameRate;
  wanted.format = AUDIO_S16LSB;
  wanted.channels = kAudioChannels;
  wanted.samples = kDeviceBufferFrames;
  wanted.callback = playRing;
  // No changes allowed: SDL converts if the hardware wants another format.
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (id != 0) SDL_PauseAudioDevice(id, 0);
  return id;
}

}  // namespace

bool openAudioDevice(const std::uint8_t* ring, std::size_t ringBytes) {
  if (ringData != nullptr) return true;  // already open (or being reopened)
  if (ring == nullptr || ringBytes == 0 || ringBytes % kAudioFrameBytes != 0) return false;
  // Works with or without a window: the audio subsystem is initialised here, on its own.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  ringData = ring;
  ringSize = ringBytes;
  lastOpenAttempt = SDL_GetTicks64();
  device = openDefaultDevice();
  if (device == 0) {
    ringData = nullptr;
    ringSize = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

void closeAudioDevice() {
  if (ringData == nullptr) return;
  if (device != 0) SDL_CloseAudioDevice(device);  // waits for SDL's audio thread to end
  device = 0;
  ringData = nullptr;
  ringSize = 0;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::uint64_t audioBytesPlayed() { return bytesPlayed.load(std::memory_order_acquire); }

void audioRingWritten() { ringWrites.fetch_add(1, std::memory_order_release); }

void keepAudioDeviceOpen() {
  if (ringData == nullptr) return;  // never opened: the program runs silent
  // SDL reports a removed device as stopped (and posts SDL_AUDIODEVICEREMOVED).
  if (device != 0 && SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING) return;
  const Uint64 now = SDL_GetTicks64();
  if (now - lastOpenAttempt < kReopenIntervalMs) return;
  lastOpenAttempt = now;
  if (device != 0) {
    SDL_CloseAudioDevice(device);  // waits for the lost device's audio thread to end
    device = 0;
  }
  device = openDefaultDevice();
}

}  // namespace corvane
