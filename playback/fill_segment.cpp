#include "playback/fill_segment.h"

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
    const auto bits = static_cast<std::uint16_t>(toDeviceValue(v));
    const auto low = static_cast<std::uint8_t>(bits & 0xFF);
    const auto high = static_cast<std::uint8_t>(bits >> 8);
    out[0] = low;  // left
    out[1] = high;
    out[2] = low;  // right, the same
    out[3] = high;
    out += kFrameBytes;
  }

  finishFill(ticket, PlaybackState{i, f});
}

}  // namespace corvane
