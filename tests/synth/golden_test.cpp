// Every reference sound, compared bit for bit, with its draw count and end state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "export/sample_format.h"
#include "golden.h"
#include "synth/pipeline.h"
#include "synth/voices.h"
#include "synth_fixture.h"
#include "tools/render/render_sound.h"

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

// Through the very path of `corvane-render -f f64`: the sound from its state, then the f64 encoder.
TEST_F(GoldenTest, GeneratedSoundsMatchTheirReferences) {
  std::vector<std::byte> encoded;
  for (const GoldenEntry& e : goldenEntries("generate")) {
    SCOPED_TRACE(e.file);
    const RenderedSound sound = renderSound(e.state);
    EXPECT_EQ(voiceName(sound.voice), e.voice);
    EXPECT_EQ(sound.endState, e.endState);
    EXPECT_EQ(drawsBetween(e.state, sound.endState), e.draws);
    encodeSound(SampleFormat::F64, sampleBuffer, encoded);
    const std::vector<unsigned char> expected = readBytes(goldenDir() / e.file);
    ASSERT_EQ(encoded.size(), expected.size());
    const auto differs = std::mismatch(expected.begin(), expected.end(), encoded.begin(),
                                       [](unsigned char a, std::byte b) { return a == std::to_integer<unsigned char>(b); });
    EXPECT_TRUE(differs.first == expected.end()) << "first difference in sample " << (differs.first - expected.begin()) / 8;
    EXPECT_TRUE(sameBits(readDoubles(goldenDir() / e.file)));
  }
}

}  // namespace
}  // namespace corvane::testing
