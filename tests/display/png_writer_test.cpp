// PNG files: what is written reads back pixel for pixel, and a failed write leaves nothing behind.
#include "export/png_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "file_content.h"
#include "png_read.h"
#include "scratch_directory.h"

namespace corvane::testing {
namespace {

class PngWriter : public ::testing::Test {
 protected:
  ScratchDirectory folder;
};

std::vector<std::uint8_t> gradient(int width, int height) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      rgb.push_back(static_cast<std::uint8_t>(x * 37));
      rgb.push_back(static_cast<std::uint8_t>(y * 53));
      rgb.push_back(static_cast<std::uint8_t>((x ^ y) * 11 + 1));
    }
  }
  return rgb;
}

TEST_F(PngWriter, ReadsBackPixelForPixel) {
  for (const auto& [width, height] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{400, 273}}) {
    const auto path = folder / "picture.png";
    const auto rgb = gradient(width, height);
    ASSERT_FALSE(writePng(path, width, height, rgb)) << width << "x" << height;
    RgbPicture back;
    ASSERT_TRUE(readPng(path, back));
    EXPECT_EQ(back.width, width);
    EXPECT_EQ(back.height, height);
    EXPECT_EQ(back.rgb, rgb);
    EXPECT_EQ(folder.names(), std::set<std::string>{"picture.png"});
  }
}

TEST_F(PngWriter, RefusesPixelsThatDoNotMatchTheSize) {
  const auto path = folder / "picture.png";
  EXPECT_EQ(writePng(path, 4, 4, gradient(4, 3)), std::errc::invalid_argument);
  EXPECT_EQ(writePng(path, 0, 4, {}), std::errc::invalid_argument);
  EXPECT_TRUE(folder.names().empty());
}

TEST_F(PngWriter, FailsIntoAMissingFolderWithoutLeavingAnything) {
  const std::error_code error = writePng(folder / "missing" / "picture.png", 2, 2, gradient(2, 2));
  EXPECT_TRUE(error);
  EXPECT_FALSE(error.message().empty());
  EXPECT_TRUE(folder.names().empty());
}

TEST_F(PngWriter, ReplacesOrKeepsAnExistingFileAsAsked) {
  const auto path = folder / "picture.png";
  std::ofstream(path) << "older";
  EXPECT_EQ(writePng(path, 2, 2, gradient(2, 2), ExistingFile::Keep), std::errc::file_exists);
  EXPECT_EQ(fileContent(path), "older");
  EXPECT_FALSE(writePng(path, 2, 2, gradient(2, 2), ExistingFile::Replace));
  RgbPicture back;
  EXPECT_TRUE(readPng(path, back));
  EXPECT_EQ(folder.names(), std::set<std::string>{"picture.png"});
}

}  // namespace
}  // namespace corvane::testing
