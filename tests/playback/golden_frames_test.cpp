// The device frames of whole play-throughs of generated sounds, compared byte for byte with the
// reference play-throughs.
#include <gtest/gtest.h>

#include <vector>

#include "golden.h"
#include "playback/fill_segment.h"
#include "playback_fixture.h"
#include "synth/filters/filter_bank.h"
#include "synth/pipeline.h"
#include "synth/random_source.h"

namespace corvane::testing {
namespace {

class GoldenFramesTest : public PlaybackTest {
 protected:
  void SetUp() override {
    PlaybackTest::SetUp();
    if (!haveGolden()) GTEST_SKIP() << "no reference sounds in " << goldenDir();
  }
};

TEST_F(GoldenFramesTest, PlayThroughsMatchTheirReferences) {
  const std::vector<GoldenEntry> entries = goldenEntries("frames");
  ASSERT_FALSE(entries.empty());
  for (const GoldenEntry& e : entries) {
    SCOPED_TRACE(e.file);
    clearFilterBank();
    randomSource.seed(e.state);
    generateSample();
    setPlaybackState({0, true});
    std::vector<std::uint8_t> frames;
    for (int fill = 0; fill < 8; ++fill) {
      const int k = (fill + 2) % kSegmentCount;
      fillSegment(k);
      const std::uint8_t* seg = deviceRing.data() + k * kSegmentBytes;
      frames.insert(frames.end(), seg, seg + kSegmentBytes);
    }
    EXPECT_EQ(playbackState(), (PlaybackState{0, false}));
    const std::vector<unsigned char> expected = readBytes(goldenDir() / e.file);
    ASSERT_EQ(frames.size(), expected.size());
    for (std::size_t b = 0; b < frames.size(); ++b) {
      ASSERT_EQ(frames[b], expected[b]) << "byte " << b << " (frame " << b / kFrameBytes << ")";
    }
  }
}

}  // namespace
}  // namespace corvane::testing
