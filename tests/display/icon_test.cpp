// The icon: the embedded PNGs decode at their sizes, and the Windows icon is one 32 x 32, 16-colour image.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "resources/embedded.h"
#include "ui/display/icon_image.h"

namespace corvane::testing {
namespace {

TEST(Icon, EachEmbeddedSizeDecodesWithATransparentCornerAndAnOpaqueMiddle) {
  for (const int size : kIconSizes) {
    RgbaImage icon;
    ASSERT_TRUE(loadIconImage(size, icon)) << size;
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    ASSERT_EQ(icon.rgba.size(), static_cast<std::size_t>(size) * size * 4);
    EXPECT_EQ(icon.rgba[3], 0) << size;
    const std::size_t middle = (static_cast<std::size_t>(size / 2) * size + size / 2) * 4;
    EXPECT_EQ(icon.rgba[middle + 3], 255) << size;
  }
}

TEST(Icon, OtherSizesAndDamagedFilesAreRefused) {
  RgbaImage icon;
  EXPECT_FALSE(loadIconImage(64, icon));
  const std::vector<std::uint8_t> notPng(100, 0x42);
  EXPECT_FALSE(decodePngRgba(notPng, icon));
  const auto png = embeddedIconPng(32);
  EXPECT_FALSE(decodePngRgba(png.first(png.size() / 2), icon));
}

TEST(Icon, WindowsIconHoldsOne32By32ImageIn16Colours) {
  std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/resources/corvane.ico", std::ios::binary);
  const std::vector<std::uint8_t> ico{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // Directory, one entry, BITMAPINFOHEADER, 16 palette entries, 4-bit colours and a 1-bit mask.
  ASSERT_EQ(ico.size(), 6u + 16u + 40u + 16u * 4u + 32u * 16u + 32u * 4u);
  EXPECT_EQ(ico[2], 1);  // an icon, not a cursor
  EXPECT_EQ(ico[4], 1);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 16);        // colours
  EXPECT_EQ(ico[12], 4);        // bits per pixel
  EXPECT_EQ(ico[22 + 8], 64);   // height counts the colour and mask images
  EXPECT_EQ(ico[22 + 14], 4);
}

}  // namespace
}  // namespace corvane::testing
