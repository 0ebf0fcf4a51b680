// Display pictures: the skin with one trace, written as PNG without moving the generator.
#include "ui/display/picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "display_fixture.h"
#include "png_read.h"
#include "scratch_directory.h"

namespace corvane::testing {
namespace {

class Picture : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSampleBuffer();
    randomSource.seed(0x1234u);
  }
  ScratchDirectory folder;
};

TEST_F(Picture, ShowsTheSkinWithTheTraceOfTheCurrentSample) {
  const auto draws = predictDraws(0x1234u);
  sampleBuffer[100 * 300 + draws[300].offset] = 1.0;
  const auto path = folder / "sound.png";
  ASSERT_FALSE(writeDisplayPicture(path));

  RgbPicture picture;
  ASSERT_TRUE(readPng(path, picture));
  ASSERT_EQ(picture.width, 400);
  ASSERT_EQ(picture.height, 273);
  auto at = [&](int x, int y) {
    const auto* p = &picture.rgb[(static_cast<std::size_t>(y) * 400 + x) * 3];
    return Rgb{p[0], p[1], p[2]};
  };
  EXPECT_EQ(at(40, 135), (Rgb{0, 78, 15}));
  // The trace of this picture was drawn with the draws the generator held.
  EXPECT_EQ(at(193, 195), draws[301].colour);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{350, 60}, std::pair{350, 180}, std::pair{150, 250}}) {
    EXPECT_EQ(at(x, y), skinAt(x, y)) << x << "," << y;
  }
}

TEST_F(Picture, LeavesTheGeneratorAndTheBackBufferAsTheyWere) {
  backBuffer.rgb.fill(3);
  ASSERT_FALSE(writeDisplayPicture(folder / "sound.png"));
  EXPECT_EQ(randomSource.state(), 0x1234u);
  EXPECT_EQ(pixelAt(backBuffer, 40, 135), (Rgb{3, 3, 3}));
}

TEST_F(Picture, ReportsAFailureAndKeepsAnExistingFileWhenAsked) {
  EXPECT_TRUE(writeDisplayPicture(folder / "missing" / "sound.png"));
  std::ofstream(folder / "sound.png") << "keep";
  EXPECT_EQ(writeDisplayPicture(folder / "sound.png", ExistingFile::Keep), std::errc::file_exists);
  EXPECT_EQ(folder.names(), std::set<std::string>{"sound.png"});
}

}  // namespace
}  // namespace corvane::testing
