#include "playback/playback_state.h"

#include <atomic>
#include <thread>

#include "playback/playback_control.h"

namespace corvane {
namespace {

// The word: cursor in bits 0-31, playing in bit 32, the fill-in-progress mark in bit 33, the number of
// the fill in progress in bits 34-41 and the command number in bits 42-63. The numbers only need to
// differ from the ones seen a moment ago, so they wrap freely.
constexpr std::uint64_t kCursorMask = 0xFFFF'FFFFull;
constexpr std::uint64_t kPlaying = 1ull << 32;
constexpr std::uint64_t kFilling = 1ull << 33;
constexpr int kFillNumberShift = 34;
constexpr std::uint64_t kFillNumberMask = 0xFFull << kFillNumberShift;
constexpr int kCommandShift = 42;
constexpr std::uint64_t kCommandOne = 1ull << kCommandShift;
constexpr std::uint64_t kCommandMask = ~0ull << kCommandShift;

static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

std::atomic<std::uint64_t> word{0};

PlaybackState unpack(std::uint64_t w) {
  return {static_cast<std::int32_t>(static_cast<std::uint32_t>(w & kCursorMask)), (w & kPlaying) != 0};
}

std::uint64_t packFields(PlaybackState s) {
  return static_cast<std::uint32_t>(s.cursor) | (s.playing ? kPlaying : 0);
}

// The word after a command that sets the fields to s: the fill mark and number stay, the command number
// moves on.
std::uint64_t afterCommand(std::uint64_t w, PlaybackState s) {
  const std::uint64_t keep = w & (kFilling | kFillNumberMask);
  const std::uint64_t command = (w & kCommandMask) + kCommandOne;  // wraps out of the top
  return keep | command | packFields(s);
}

struct Change {
  std::uint64_t before;
  std::uint64_t after;
};

// Applies change to the word in one read-modify-write. Only read-modify-writes ever change the word, so
// each one continues the release sequences of those before it.
template <typename F>
Change update(F change) {
  std::uint64_t before = word.load(std::memory_order_relaxed);
  std::uint64_t after = 0;
  do {
    after = change(before);
  } while (!word.compare_exchange_weak(before, after, std::memory_order_acq_rel, std::memory_order_relaxed));
  return {before, after};
}

}  // namespace

PlaybackState playbackState() { return unpack(word.load(std::memory_order_acquire)); }

void setPlaybackState(PlaybackState state) {
  update([state](std::uint64_t w) { return afterCommand(w, state); });
}

void rewindAndPlay() {
  update([](std::uint64_t w) { return afterCommand(w, PlaybackState{0, true}); });
}

void stopPlayback() {
  const std::uint64_t before =
      update([](std::uint64_t w) { return afterCommand(w, PlaybackState{unpack(w).cursor, false}); }).before;
  if ((before & kFilling) == 0) return;
  // A fill that began before the stop may still be reading sampleBuffer: wait until it has finished
  // (its mark is gone, or another fill, which sees the stop, has taken its place). A fill lasts well
  // under a millisecond.
  const std::uint64_t fillNumber = before & kFillNumberMask;
  for (;;) {
    const std::uint64_t now = word.load(std::memory_order_acquire);
    if ((now & kFilling) == 0 || (now & kFillNumberMask) != fillNumber) return;
    std::this_thread::yield();
  }
}

FillTicket beginFill() {
  const std::uint64_t started = update([](std::uint64_t w) {
    const std::uint64_t number = (w + (1ull << kFillNumberShift)) & kFillNumberMask;
    return (w & ~kFillNumberMask) | number | kFilling;
  }).after;
  return {started, unpack(started)};
}

void finishFill(const FillTicket& ticket, PlaybackState end) {
  std::uint64_t expected = ticket.word;
  const std::uint64_t result = (ticket.word & (kCommandMask | kFillNumberMask)) | packFields(end);
  if (word.compare_exchange_strong(expected, result, std::memory_order_acq_rel, std::memory_order_relaxed)) {
    return;
  }
  // A command landed during the fill: it stands, and the next fill starts from it.
  word.fetch_and(~kFilling, std::memory_order_acq_rel);
}

}  // namespace corvane
