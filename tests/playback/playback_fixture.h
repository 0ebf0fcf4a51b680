// Resets the process-wide playback state and reads frames back from DeviceRing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "playback/device_ring.h"
#include "playback/playback_state.h"
#include "synth/sample_buffer.h"

namespace corvane::testing {

class PlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSampleBuffer();
    clearDeviceRing();
    setPlaybackState({});
  }
};

// One 16-bit little-endian value from raw bytes.
inline std::int16_t valueAt(const std::uint8_t* bytes) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

struct Frame {
  std::int16_t left = 0;
  std::int16_t right = 0;
};

// Frame n (0 to 5,999) of segment k of DeviceRing.
inline Frame ringFrame(int k, int n) {
  const std::uint8_t* p = deviceRing.data() + k * kSegmentBytes + n * kFrameBytes;
  return {valueAt(p), valueAt(p + 2)};
}

// A sound whose every element from 1 on plays as a distinct, non-zero device value pattern; element 0
// is loud, so that sending it would show.
inline double knownSample(int i) {
  if (i == 0) return 0.75;
  const int code = i % 2000 + 1;
  return (i % 2 == 0 ? 1.0 : -1.0) * (code + 0.5) / 2001.0;
}

inline void loadKnownSound() {
  for (int i = 0; i < kSampleCount; ++i) sampleBuffer[static_cast<std::size_t>(i)] = knownSample(i);
}

}  // namespace corvane::testing
