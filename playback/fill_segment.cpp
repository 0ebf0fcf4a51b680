#include "playback/fill_segment.h"

#include <bit>
#include <cstring>

#include "playback/device_ring.h"
#include "playback/playback_state.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {
constexpr std::int32_t kLastElement = kSampleCount - 1;  // 44,099
}

void fillSegment(int k) {
  if (k < 0 || k >= kSegmentCount) return;
  const FillTicket ticket = beginFill();
  bool f = ticket.start.playing;
  std::int32_t i = ticket.start.cursor;

  std::uint8_t* out = deviceRing.data() + k * kSegmentBytes;
  for (int frame = 0; frame < kSegmentFrames; ++frame) {
    double v = 0.0;
    if (f) {
      // The cursor moves before it is used: element 0 is never sent, 44,099 is the last.
      if (i >= 0 && i < kLastElement) {
        ++i;
        v = sampleBuffer[static_cast<std::size_t>(i)];
      } else {
        i = 0;
        f = false;
      }
    } else {
      i = 0;
    }
    // Left and right the same, each little-endian: one 32-bit store per frame.
    const auto bits = static_cast<std::uint16_t>(toDeviceValue(v));
    const std::uint16_t little =
        std::endian::native == std::endian::little ? bits : static_cast<std::uint16_t>((bits << 8) | (bits >> 8));
    const std::uint32_t frameBits = little | (std::uint32_t{little} << 16);
    std::memcpy(out, &frameBits, kFrameBytes);
    out += kFrameBytes;
  }

  finishFill(ticket, PlaybackState{i, f});
}

}  // namespace corvane
