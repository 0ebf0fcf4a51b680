// writeWav: the Save path. A repeated save replaces the file; a failed one reports it and keeps the old file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/sample_format.h"
#include "export/wav_writer.h"
#include "file_content.h"
#include "file_size_limit.h"
#include "scratch_directory.h"
#include "synth/sample_buffer.h"

namespace corvane::testing {
namespace {

// The file Save should write for the sound in the buffer.
std::string currentSoundAsWav() {
  std::vector<std::byte> out;
  encodeSound(SampleFormat::Pcm16, sampleBuffer, out);
  return {reinterpret_cast<const char*>(out.data()), out.size()};
}

class WavWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSampleBuffer(); }
  void fillWith(double start) {
    for (int i = 0; i < kSampleCount; ++i) sampleBuffer[i] = start - i * 1e-5;
  }
  ScratchDirectory dir_;
};

TEST_F(WavWriterTest, SavingTwiceLeavesOneFileHoldingTheSecondSound) {
  fillWith(0.9);
  ASSERT_TRUE(writeWav(dir_ / "sound.wav"));
  fillWith(-0.3);
  std::error_code error = std::make_error_code(std::errc::io_error);
  ASSERT_TRUE(writeWav(dir_ / "sound.wav", error));
  EXPECT_FALSE(error);
  EXPECT_EQ(fileContent(dir_ / "sound.wav"), currentSoundAsWav());
  EXPECT_EQ(dir_.names(), std::set<std::string>{"sound.wav"});
}

TEST_F(WavWriterTest, AFolderThatCannotBeWrittenIsReported) {
  const std::filesystem::path targets[] = {dir_ / "missing" / "sound.wav", "/proc/corvane-wav-writer-test.wav"};
  for (const auto& target : targets) {
    SCOPED_TRACE(target.string());
    std::error_code error;
    EXPECT_FALSE(writeWav(target, error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(writeWav(target));
    EXPECT_FALSE(std::filesystem::exists(target));
  }
  EXPECT_TRUE(dir_.names().empty());
}

TEST_F(WavWriterTest, AWriteCutShortKeepsTheEarlierFileAndLeavesNoPartialOne) {
  fillWith(0.5);
  ASSERT_TRUE(writeWav(dir_ / "sound.wav"));
  const std::string earlier = fileContent(dir_ / "sound.wav");

  fillWith(-0.5);
  std::error_code error;
  {
    const FileSizeLimit limit(20000);
    EXPECT_FALSE(writeWav(dir_ / "sound.wav", error));
  }
  EXPECT_EQ(error, std::errc::file_too_large) << error.message();
  EXPECT_EQ(fileContent(dir_ / "sound.wav"), earlier);
  EXPECT_EQ(dir_.names(), std::set<std::string>{"sound.wav"});
}

}  // namespace
}  // namespace corvane::testing
