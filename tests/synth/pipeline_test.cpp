// generateSample: the voice table, the post-filter draws, the clamp, normalisation and fade.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "draw_control.h"
#include "synth/pipeline.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

using PipelineTest = SynthTest;

constexpr int kVoiceDraw = 44102;  // the draws before the voice choice

TEST_F(PipelineTest, TheVoiceDrawFollowsTheLeadingDrawsAndPicksFromTheTable) {
  const char* expected[19] = {"FmMatrixVoice",      "FmFoldVoice",        "SpringVoice",      "SpringVoice",
                              "NoiseLoopVoice",     "NoiseLoopVoice",     "FmNoiseLoopVoice", "FmNoiseLoopVoice",
                              "FmSpringVoice",      "FmSpringVoice",      "StackedVoice",     "StackedFilterVoice",
                              "StackedFilterVoice", "NoiseSweepVoice",    "NoiseSweepVoice",  "TripleOscVoice",
                              "CrossModVoice",      "SweptOscVoice",      "SweptOscVoice"};
  for (int v = 0; v < 19; ++v) EXPECT_EQ(voiceName(voiceForDraw(v)), expected[v]) << v;

  // 15 + 19 * 100: the remainder decides, not the raw value.
  randomSource.seed(stateWithDraw(kVoiceDraw, 15 + 19 * 100));
  EXPECT_EQ(voiceName(generateSample()), "TripleOscVoice");
}

TEST_F(PipelineTest, SecondFilterChoiceIsDrawnOnlyWhenTheFirstIsNotZero) {
  // TripleOscVoice takes 19 draws; then cutoff, resonance and the first filter choice.
  const int voiceDraw = 15;
  const int choiceIndex = kVoiceDraw + 1 + 19 + 2;
  const struct {
    int choice;
    long long draws;
  } cases[] = {{0, choiceIndex + 1}, {3, choiceIndex + 1}, {1, choiceIndex + 2}, {2, choiceIndex + 2}};
  for (const auto& c : cases) {
    const std::uint32_t state = stateWithDraws(kVoiceDraw, voiceDraw, choiceIndex, c.choice);
    ASSERT_NE(state, 0u);
    randomSource.seed(state);
    generateSample();
    EXPECT_EQ(drawsBetween(state, randomSource.state()), c.draws) << "first choice " << c.choice;
  }
}

TEST_F(PipelineTest, ResultIsWithinOneAndFadesToZero) {
  for (const std::uint32_t state : {7u, 0x9E3779B9u, 0x31415926u, 0xFFFF0000u}) {
    randomSource.seed(state);
    generateSample();
    double peak = 0.0;
    for (const double x : sampleBuffer) {
      ASSERT_TRUE(std::isfinite(x));
      peak = std::max(peak, std::fabs(x));
    }
    EXPECT_LE(peak, 1.0);
    EXPECT_EQ(sampleBuffer[kSampleCount - 1], 0.0);
  }
}

TEST_F(PipelineTest, EarlierSoundsAndFilterStateLeaveNoTrace) {
  const std::uint32_t state = 0x5EED5EEDu;
  randomSource.seed(state);
  generateSample();
  const std::vector<double> first(sampleBuffer.begin(), sampleBuffer.end());

  for (int slot = 0; slot < kFilterSlots; ++slot) {
    filterBank.x1[slot] = filterBank.y1[slot] = 0.5;
    filterBank.x2[slot] = filterBank.y2[slot] = -0.25;
  }
  sampleBuffer.fill(0.75);
  randomSource.seed(state);
  generateSample();
  EXPECT_EQ(std::memcmp(first.data(), sampleBuffer.data(), first.size() * sizeof(double)), 0);
}

}  // namespace
}  // namespace corvane::testing
