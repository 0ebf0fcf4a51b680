// The platform's sound device, as free functions. One implementation per OS.
//
// The device plays one ring of 16-bit little-endian stereo frames at 44,100 Hz in an endless loop and
// counts the bytes it has played. Threads: openAudioDevice and closeAudioDevice run while no other
// thread calls these functions; in between, keepAudioDeviceOpen is called from one thread only (the
// refill thread); audioBytesPlayed and audioRingWritten may be called from any thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

inline constexpr int kAudioFrameRate = 44100;
inline constexpr int kAudioChannels = 2;
inline constexpr int kAudioFrameBytes = 4;

// Opens the default output device and starts it playing ring[0, ringBytes) from its first byte, over and
// over. The ring must outlive the program and ringBytes be a whole number of frames. False when there is
// no usable device; nothing then plays and nothing needs to be released.
bool openAudioDevice(const std::uint8_t* ring, std::size_t ringBytes);

// Stops and closes the device, if one is open; a later openAudioDevice may open it again.
void closeAudioDevice();

// Bytes the device has taken from the ring since it was opened, counted on across repetitions and across
// reopenings (a reopened device resumes the ring where the lost one stopped). 0 before a device is open.
std::uint64_t audioBytesPlayed();

// Every write to the ring made before this call is seen by the device when it next reads those bytes.
// Call it after each refill of a part of the ring.
void audioRingWritten();

// Cheap; call it often. When the device has gone away (headphones unplugged...), closes it and tries to
// open the default device again, a few times a second, until one is there.
void keepAudioDeviceOpen();

// For a device that reports its played bytes only in 32 bits: the 64-bit count that `reported` stands
// for, given the count of the previous read. Right as long as less than 4 GiB (about 6 h 46 min of
// sound) are played between two reads.
constexpr std::uint64_t extendByteCount(std::uint64_t previous, std::uint32_t reported) {
  return previous + static_cast<std::uint32_t>(reported - static_cast<std::uint32_t>(previous));
}

}  // namespace corvane
