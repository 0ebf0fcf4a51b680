// Commands from one thread against fills on another: a stop waits for the fill it finds in progress and
// no longer, and across thousands of random interleavings no Play, Generate or stop is lost and no fill
// ever reads the buffer while it is rewritten (ThreadSanitizer checks the last one exactly).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <future>
#include <iostream>
#include <random>
#include <thread>
#include <vector>

#include "playback/fill_segment.h"
#include "playback/playback_control.h"
#include "playback_fixture.h"

namespace corvane::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using StopTest = PlaybackTest;

TEST_F(StopTest, WaitsForTheFillInProgressAndItsStopStands) {
  setPlaybackState({6000, true});
  const FillTicket fill = beginFill();
  std::atomic<bool> returned{false};
  std::thread ui([&] {
    stopPlayback();
    returned = true;
  });
  while (playbackState().playing) std::this_thread::yield();  // the stop has landed
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(returned) << "returned while a fill that may read the buffer was still running";
  finishFill(fill, {12000, true});
  ui.join();
  EXPECT_TRUE(returned);
  EXPECT_EQ(playbackState(), (PlaybackState{6000, false}));
}

TEST_F(StopTest, DoesNotWaitForAFillThatBeganAfterIt) {
  setPlaybackState({6000, true});
  const FillTicket first = beginFill();
  auto stopped = std::async(std::launch::async, stopPlayback);
  while (playbackState().playing) std::this_thread::yield();
  finishFill(first, {12000, true});
  const FillTicket second = beginFill();  // sees the stop: it will not read the buffer
  EXPECT_FALSE(second.start.playing);
  EXPECT_EQ(stopped.wait_for(10s), std::future_status::ready);
  finishFill(second, {0, false});
}

// The stress test's sounds: two patterns whose device values name the element they come from, with
// opposite signs, so that a fill shows which sound it read and from where.
constexpr int kCodes = 32000;
double patternSample(int pattern, int i) { return pattern * (i % kCodes + 1 + 0.5) / 32766.0; }

struct Sound {
  std::vector<double> samples;
  std::vector<std::uint8_t> stream;  // a play-through's device bytes, padded with silence to eight fills
};

Sound makeSound(int pattern) {
  Sound s;
  s.samples.resize(kSampleCount);
  for (int i = 0; i < kSampleCount; ++i) s.samples[static_cast<std::size_t>(i)] = patternSample(pattern, i);
  s.stream.assign(8 * kSegmentBytes, 0);
  for (int element = 1; element <= 44099; ++element) {
    const auto bits = static_cast<std::uint16_t>(toDeviceValue(patternSample(pattern, element)));
    std::uint8_t* frame = &s.stream[static_cast<std::size_t>(element - 1) * kFrameBytes];
    frame[0] = frame[2] = static_cast<std::uint8_t>(bits & 0xFF);
    frame[1] = frame[3] = static_cast<std::uint8_t>(bits >> 8);
  }
  return s;
}

const Sound& sound(int pattern) {
  static const Sound positive = makeSound(1);
  static const Sound negative = makeSound(-1);
  return pattern > 0 ? positive : negative;
}

void writePattern(int pattern) {
  const std::vector<double>& samples = sound(pattern).samples;
  std::copy(samples.begin(), samples.end(), sampleBuffer.begin());
}

// What one fill wrote, read back from its segment.
struct FillRecord {
  bool sound = false;    // frame 0 carries a sample
  int startCursor = -1;  // the cursor it started from, when it carried sound
  int pattern = 0;
  bool consistent = false;  // consecutive elements of one sound from a whole-fill cursor, then silence
};

FillRecord readBack(int k) {
  static const std::vector<std::uint8_t> silence(kSegmentBytes, 0);
  FillRecord r;
  const std::uint8_t* segment = deviceRing.data() + k * kSegmentBytes;
  const int first = ringFrame(k, 0).left;
  const std::uint8_t* expected = silence.data();
  if (first != 0) {
    r.sound = true;
    r.pattern = first > 0 ? 1 : -1;
    // Play-throughs start fills at multiples of 6,000, which keeps the element unambiguous.
    for (int e = std::abs(first) - 1; e <= 44099; e += kCodes) {
      if (e >= 1 && (e - 1) % kSegmentFrames == 0) r.startCursor = e - 1;
    }
    if (r.startCursor < 0) return r;
    expected = &sound(r.pattern).stream[static_cast<std::size_t>(r.startCursor) * kFrameBytes];
  }
  r.consistent = std::memcmp(segment, expected, kSegmentBytes) == 0;
  return r;
}

void spinFor(std::chrono::nanoseconds d) {
  const auto until = Clock::now() + d;
  while (Clock::now() < until) {
  }
}

using CommandStressTest = PlaybackTest;

TEST_F(CommandStressTest, NoCommandIsLostAgainstConcurrentFills) {
  constexpr int kCommands = 4000;
  // The filler may run this far ahead of the commands (when the commanding thread is descheduled, say),
  // which bounds the log.
  constexpr int kAhead = 32;
  constexpr int kMaxFills = kCommands * (kAhead + 16);
  int pattern = 1;
  writePattern(pattern);

  // How long one fill takes here, to aim the commands inside fills.
  setPlaybackState({0, true});
  const auto t0 = Clock::now();
  for (int j = 0; j < 48; ++j) fillSegment(j % 3);
  const auto fillTime = (Clock::now() - t0) / 48;
  std::cout << "one fill: " << std::chrono::duration<double, std::micro>(fillTime).count() << " us\n";
  setPlaybackState({});

  std::vector<FillRecord> log(kMaxFills);
  std::atomic<int> fillsDone{0};
  std::atomic<bool> fillRunning{false};  // a timing hint only
  std::atomic<bool> finish{false};
  std::atomic<bool> fillerEnded{false};
  std::atomic<int> fillLimit{kAhead};
  std::thread filler([&] {
    std::minstd_rand rng(7);
    for (int j = 0; j < kMaxFills && !finish.load(); ++j) {
      while (j >= fillLimit.load(std::memory_order_acquire) && !finish.load()) std::this_thread::yield();
      const int k = j % 3;
      fillRunning.store(true, std::memory_order_relaxed);
      fillSegment(k);
      fillRunning.store(false, std::memory_order_relaxed);
      log[static_cast<std::size_t>(j)] = readBack(k);
      fillsDone.store(j + 1, std::memory_order_release);
      spinFor(fillTime * static_cast<int>(rng() % 100) / 100);  // a random gap of up to one fill
    }
    fillerEnded = true;
  });
  // Stops and joins the filler however the test ends: an ASSERT returns early, and a thread still
  // joinable when it is destroyed ends the process without a word.
  struct JoinOnExit {
    std::atomic<bool>& finish;
    std::thread& thread;
    ~JoinOnExit() {
      finish = true;
      if (thread.joinable()) thread.join();
    }
  } joinFiller{finish, filler};

  std::mt19937 rng(20261211);
  int midFill = 0;
  enum Command { Play, Stop, Generate };
  for (int c = 0; c < kCommands; ++c) {
    const auto command = static_cast<Command>(rng() % 3);
    fillLimit.store(fillsDone.load(std::memory_order_acquire) + kAhead, std::memory_order_release);
    // Mostly aim inside a fill, at a random point of it.
    if (rng() % 4 != 0) {
      const auto giveUp = Clock::now() + 20 * fillTime + 1ms;
      while (!fillRunning.load(std::memory_order_relaxed) && Clock::now() < giveUp) {
      }
      spinFor(fillTime * static_cast<int>(rng() % 120) / 100);
    }
    const int before = fillsDone.load(std::memory_order_acquire);
    const bool wasFilling = fillRunning.load(std::memory_order_relaxed);
    switch (command) {
      case Play:
        rewindAndPlay();
        break;
      case Stop:
        stopPlayback();
        break;
      case Generate:
        stopPlayback();
        pattern = -pattern;
        writePattern(pattern);
        rewindAndPlay();
        break;
    }
    const int after = fillsDone.load(std::memory_order_acquire);
    if (wasFilling && fillRunning.load(std::memory_order_relaxed) && after == before) ++midFill;
    fillLimit.store(after + 2 + kAhead / 4, std::memory_order_release);

    // Fill after+1 began after the command returned.
    while (fillsDone.load(std::memory_order_acquire) < after + 2) {
      ASSERT_FALSE(fillerEnded.load()) << "the fill log ran out";
      std::this_thread::yield();
    }
    const auto record = [&](int j) { return log[static_cast<std::size_t>(j)]; };
    SCOPED_TRACE(::testing::Message() << "command " << c << " (" << command << "), fills " << before << " to "
                                      << after + 1);
    if (command == Stop) {
      ASSERT_FALSE(record(after + 1).sound) << "a stop was lost";
      continue;
    }
    // The command started exactly one play-through from element 1 in fills before..after+1 (the
    // previous command was settled before fill `before`), and the fills since continue it.
    int started = -1;
    for (int j = before; j <= after + 1; ++j) {
      if (record(j).sound && record(j).startCursor == 0) started = j;
    }
    ASSERT_GE(started, 0) << "a Play or Generate was lost";
    ASSERT_EQ(record(started).pattern, pattern) << "played the old sound";
    for (int j = started + 1; j <= after + 1; ++j) {
      const int n = j - started;
      if (n < 8) {
        ASSERT_TRUE(record(j).sound) << "fill " << j;
        ASSERT_EQ(record(j).startCursor, n * kSegmentFrames) << "fill " << j;
        ASSERT_EQ(record(j).pattern, pattern) << "fill " << j;
      } else {
        ASSERT_FALSE(record(j).sound) << "fill " << j;
      }
    }
    if (command == Generate) {
      for (int j = before; j < started; ++j) {
        if (record(j).sound) {
          ASSERT_EQ(record(j).pattern, -pattern) << "the new sound before the rewind, fill " << j;
        }
      }
    }
  }
  finish = true;
  filler.join();

  const int fills = fillsDone.load();
  for (int j = 0; j < fills; ++j) {
    ASSERT_TRUE(log[static_cast<std::size_t>(j)].consistent) << "fill " << j << " mixed sounds or positions";
  }
  std::cout << kCommands << " commands against " << fills << " fills, " << midFill << " of them inside a fill\n";
  EXPECT_GT(midFill, 0) << "no command landed inside a fill: the interleavings were not exercised";
}

}  // namespace
}  // namespace corvane::testing
