// Properties every voice must keep, whatever it draws: draw counts, independence from the previous
// buffer, levels, and the edge cases reachable by steering single draws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "draw_control.h"
#include "synth/fm/fm_voices.h"
#include "synth/noise/jitter_low_pass.h"
#include "synth/noise/noise_loop.h"
#include "synth/noise/noise_sweep_voice.h"
#include "synth/oscillator/swept_osc_voice.h"
#include "synth/spring/spring.h"
#include "synth/stacked/stacked_voices.h"
#include "synth/voices.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

constexpr std::uint32_t kStates[] = {1u, 0x12345678u, 0xDEADBEEFu, 0x0BADF00Du, 0x7FFFFFFFu, 0xFFFFFFFFu};

using VoiceTest = SynthTest;

long long drawsOf(void (*routine)(), std::uint32_t state) {
  clearFilterBank();
  randomSource.seed(state);
  routine();
  return drawsBetween(state, randomSource.state());
}

bool allZero() {
  for (const double x : sampleBuffer) {
    if (x != 0.0) return false;
  }
  return true;
}

double peak() {
  double p = 0.0;
  for (const double x : sampleBuffer) p = std::max(p, std::fabs(x));
  return p;
}

TEST_F(VoiceTest, FixedDrawCounts) {
  const struct {
    const char* name;
    long long draws;
  } cases[] = {{"TripleOscVoice", 19}, {"CrossModVoice", 22}, {"FmMatrixVoice", 215},
               {"FmFoldVoice", 145},   {"SweptOscVoice", 24}, {"NoiseSweepVoice", 44103}};
  for (const auto& c : cases) {
    const VoiceRoutine routine = voiceRoutine(*voiceFromName(c.name));
    for (const std::uint32_t state : kStates) EXPECT_EQ(drawsOf(routine, state), c.draws) << c.name;
  }
}

TEST_F(VoiceTest, FeedbackRoutinesTakeTheClosingPassDrawsOnlyWhenItRuns) {
  const struct {
    const char* name;
    void (*routine)();
    long long base;
  } cases[] = {{"NoiseLoopProcess", NoiseLoopProcess, 8 + 44100 + 2},
               {"NoiseLoopVoice", NoiseLoopVoice, 8 + 44100 + 2},
               {"SpringProcess", SpringProcess, 17 + 44100 + 2},
               {"SpringVoice", SpringVoice, 17 + 44100 + 2}};
  for (const auto& c : cases) {
    for (const std::uint32_t state : kStates) {
      const long long draws = drawsOf(c.routine, state);
      EXPECT_TRUE(draws == c.base || draws == c.base + 44100) << c.name << " took " << draws;
    }
  }
}

TEST_F(VoiceTest, JitterLowPassWithAnOddChoiceTakesTwoDrawsAndChangesNothing) {
  sampleBuffer[3] = 0.5;
  randomSource.seed(stateWithDraw(1, 7));
  const std::uint32_t start = randomSource.state();
  jitterLowPass(2);
  EXPECT_EQ(drawsBetween(start, randomSource.state()), 2);
  EXPECT_EQ(sampleBuffer[3], 0.5);
  EXPECT_EQ(filterBank.x1[2], 0.0);
}

TEST_F(VoiceTest, JitterLowPassCutoffNeverFallsBelowItsFloor) {
  // An even choice filters the whole buffer; a DC level passes nearly whole through cutoffs >= 0.001.
  sampleBuffer.fill(1.0);
  randomSource.seed(stateWithDraw(1, 8));
  jitterLowPass(2);
  EXPECT_NEAR(sampleBuffer[kSampleCount - 1], 1.0, 1e-3);
}

TEST_F(VoiceTest, VoicesIgnoreWhatTheBufferHeldBefore) {
  for (int id = 0; id < kVoiceCount; ++id) {
    const VoiceRoutine routine = voiceRoutine(static_cast<VoiceId>(id));
    SCOPED_TRACE(std::string(voiceName(static_cast<VoiceId>(id))));
    clearSampleBuffer();
    drawsOf(routine, 0x2468ACE0u);
    const std::vector<double> clean(sampleBuffer.begin(), sampleBuffer.end());

    for (std::size_t i = 0; i < sampleBuffer.size(); ++i) sampleBuffer[i] = std::sin(0.37 * static_cast<double>(i)) * 9.0;
    drawsOf(routine, 0x2468ACE0u);
    EXPECT_EQ(std::memcmp(clean.data(), sampleBuffer.data(), clean.size() * sizeof(double)), 0);
  }
}

TEST_F(VoiceTest, NormalisingVoicesPeakAtExactlyOne) {
  for (const char* name : {"TripleOscVoice", "CrossModVoice", "SweptOscVoice", "StackedVoice", "StackedFilterVoice"}) {
    for (const std::uint32_t state : {1u, 0x12345678u, 0xCAFEF00Du}) {
      drawsOf(voiceRoutine(*voiceFromName(name)), state);
      if (!allZero()) {
        EXPECT_EQ(peak(), 1.0) << name << " from " << state;
      }
    }
  }
}

TEST_F(VoiceTest, FmVoicesStayWithinTheirMixBounds) {
  // Without a fold the sum mix stays within 0.6 and the product mix within 0.97^6.
  const double bound = std::pow(0.97, 6);
  for (const std::uint32_t state : kStates) {
    drawsOf(FmMatrixVoice, state);
    EXPECT_LE(peak(), bound) << state;
  }
}

TEST_F(VoiceTest, ProcessesLeaveASilentBufferSilent) {
  for (void (*process)() : {NoiseLoopProcess, SpringProcess}) {
    for (const std::uint32_t state : kStates) {
      clearSampleBuffer();
      drawsOf(process, state);
      EXPECT_TRUE(allZero()) << state;
    }
  }
}

TEST_F(VoiceTest, SpringWithoutSineDriveIsSilent) {
  drawsOf(SpringVoice, stateWithDraw(0, 0));
  EXPECT_TRUE(allZero());
}

TEST_F(VoiceTest, StackedVoiceOnASilentSpringBaseStaysSilent) {
  // Base choice odd (SpringVoice), then its sineDrive draw 0.
  const std::uint32_t state = stateWithDraws(0, 1, 1, 0);
  ASSERT_NE(state, 0u);
  for (void (*voice)() : {StackedVoice, StackedFilterVoice}) {
    drawsOf(voice, state);
    EXPECT_TRUE(allZero());
  }
}

TEST_F(VoiceTest, NoiseSweepWithDecayOneKeepsFullLevel) {
  // sweepDecay drawn at its top: the noise never fades, so the end is as loud as the start.
  drawsOf(NoiseSweepVoice, stateWithDraw(1, 32767));
  double head = 0.0;
  double tail = 0.0;
  for (int i = 0; i < 4000; ++i) {
    head = std::max(head, std::fabs(sampleBuffer[i]));
    tail = std::max(tail, std::fabs(sampleBuffer[kSampleCount - 1 - i]));
  }
  EXPECT_GT(tail, 0.5 * head);
}

TEST_F(VoiceTest, SweptOscillatorWithAFloorOfZeroStaysFinite) {
  // Draw 21 (the floor k) of 0 asks the low-pass for a cutoff of exactly 0 at sample 0.
  for (std::uint32_t hidden = 0; hidden < 4; ++hidden) {
    drawsOf(SweptOscVoice, stateWithDraw(20, 0, hidden));
    for (const double x : sampleBuffer) ASSERT_TRUE(std::isfinite(x));
    EXPECT_TRUE(std::isfinite(filterBank.y1[0]));
  }
}

TEST_F(VoiceTest, FmChoiceIsTheFirstDrawOfTheFmFeedbackVoices) {
  // An even first draw selects FmMatrixVoice (215 draws), an odd one FmFoldVoice (145).
  for (void (*voice)() : {FmNoiseLoopVoice, FmSpringVoice}) {
    const long long matrix = drawsOf(voice, stateWithDraw(0, 2));
    const long long fold = drawsOf(voice, stateWithDraw(0, 3));
    EXPECT_EQ(((matrix - fold) % 44100 + 44100) % 44100, 70) << matrix << " vs " << fold;
  }
}

}  // namespace
}  // namespace corvane::testing
