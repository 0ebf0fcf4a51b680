// Every reference sound, compared bit for bit, with its draw count and end state.
#include <gtest/gtest.h>

#include <cstring>

#include "golden.h"
#include "synth/pipeline.h"
#include "synth/voices.h"
#include "synth_fixture.h"

namespace corvane::testing {
namespace {

// Index and values of the first sample that differs bit for bit, for a readable failure.
::testing::AssertionResult sameBits(const std::vector<double>& expected) {
  if (expected.size() != sampleBuffer.size()) {
    return ::testing::AssertionFailure() << "reference holds " << expected.size() << " samples";
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (std::memcmp(&expected[i], &sampleBuffer[i], sizeof(double)) != 0) {
      return ::testing::AssertionFailure() << "sample " << i << ": expected " << expected[i] << ", got "
                                           << sampleBuffer[i];
    }
  }
  return ::testing::AssertionSuccess();
}

class GoldenTest : public SynthTest {
 protected:
  void SetUp() override {
    SynthTest::SetUp();
    if (!haveGolden()) GTEST_SKIP() << "no reference sounds in " << goldenDir();
  }
};

TEST_F(GoldenTest, EachVoiceAloneMatchesItsReference) {
  for (const GoldenEntry& e : goldenEntries("voice")) {
    SCOPED_TRACE(e.file);
    clearFilterBank();
    clearSampleBuffer();
    randomSource.seed(e.state);
    const auto id = voiceFromName(e.voice);
    ASSERT_TRUE(id.has_value()) << e.voice;
    voiceRoutine(*id)();
    EXPECT_EQ(randomSource.state(), e.endState);
    EXPECT_EQ(drawsBetween(e.state, randomSource.state()), e.draws);
    EXPECT_TRUE(sameBits(readDoubles(goldenDir() / e.file)));
  }
}

TEST_F(GoldenTest, GeneratedSoundsMatchTheirReferences) {
  for (const GoldenEntry& e : goldenEntries("generate")) {
    SCOPED_TRACE(e.file);
    randomSource.seed(e.state);
    const VoiceId voice = generateSample();
    EXPECT_EQ(voiceName(voice), e.voice);
    EXPECT_EQ(randomSource.state(), e.endState);
    EXPECT_EQ(drawsBetween(e.state, randomSource.state()), e.draws);
    EXPECT_TRUE(sameBits(readDoubles(goldenDir() / e.file)));
  }
}

}  // namespace
}  // namespace corvane::testing
