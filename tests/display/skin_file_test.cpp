// The committed skin file: its layout, its embedded copy, white outside the window, a dark screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "resources/embedded.h"
#include "ui/display/skin.h"
#include "ui/display/window_shape.h"

namespace corvane::testing {
namespace {

std::vector<std::uint8_t> readFile(const char* relative) {
  std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

class SkinFile : public ::testing::Test {
 protected:
  void SetUp() override {
    file = readFile("resources/skin.bmp");
    ASSERT_FALSE(file.empty());
  }
  std::vector<std::uint8_t> file;
};

TEST_F(SkinFile, Is400By273With24BitsUncompressedBottomUpRows) {
  ASSERT_EQ(file.size(), 54u + 1200u * 273u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32(file, 2), file.size());
  EXPECT_EQ(u32(file, 10), 54u);                       // pixels right after the headers
  EXPECT_EQ(u32(file, 14), 40u);                       // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<std::int32_t>(u32(file, 18)), 400);
  EXPECT_EQ(static_cast<std::int32_t>(u32(file, 22)), 273);  // positive: bottom-up
  EXPECT_EQ(u16(file, 26), 1);
  EXPECT_EQ(u16(file, 28), 24);
  EXPECT_EQ(u32(file, 30), 0u);  // BI_RGB
}

TEST_F(SkinFile, IsTheBitmapEmbeddedInTheProgram) {
  const auto embedded = embeddedSkinBitmap();
  EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), file.begin(), file.end()));
}

TEST_F(SkinFile, IsWhiteOutsideTheWindowAndDarkBehindTheTrace) {
  auto skin = std::make_unique<SkinImage>();
  ASSERT_TRUE(decodeSkinBitmap(file, *skin));
  auto at = [&](int x, int y) { return &skin->rgb[(static_cast<std::size_t>(y) * SkinImage::width + x) * 3]; };
  for (int y = 0; y < SkinImage::height; ++y) {
    for (int x = 0; x < SkinImage::width; ++x) {
      const std::uint8_t* p = at(x, y);
      if (!insideWindowShape(x, y)) {
        ASSERT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255) << "outside the window at " << x << "," << y;
      }
    }
  }
  // Behind the trace the glass is darker than the dimmest trace green (green 50) by a clear margin.
  for (int y = 75; y <= 195; ++y) {
    for (int x = 39; x <= 274; ++x) {
      const std::uint8_t* p = at(x, y);
      ASSERT_TRUE(p[0] <= 24 && p[1] <= 32 && p[2] <= 24)
          << "light pixel (" << int(p[0]) << "," << int(p[1]) << "," << int(p[2]) << ") at " << x << "," << y;
    }
  }
}

// A hand-made BMP of the skin's size whose pixel (x, y) encodes its own position.
std::vector<std::uint8_t> syntheticBitmap(bool bottomUp, int bitsPerPixel = 24, int width = 400) {
  const int height = 273;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  std::vector<std::uint8_t> b(54 + stride * height, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(bottomUp ? height : -height));
  b[26] = 1;
  b[28] = static_cast<std::uint8_t>(bitsPerPixel);
  for (int y = 0; y < height; ++y) {
    const int stored = bottomUp ? height - 1 - y : y;
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &b[54 + stride * stored + 3 * x];
      p[0] = 7;                                    // blue
      p[1] = static_cast<std::uint8_t>(y);         // green
      p[2] = static_cast<std::uint8_t>(x & 0xFF);  // red
    }
  }
  return b;
}

TEST(DecodeSkinBitmap, ReadsBothRowOrdersAsTopDownRgb) {
  for (const bool bottomUp : {true, false}) {
    auto skin = std::make_unique<SkinImage>();
    ASSERT_TRUE(decodeSkinBitmap(syntheticBitmap(bottomUp), *skin)) << bottomUp;
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{399, 0}, std::pair{123, 200}, std::pair{399, 272}}) {
      const std::uint8_t* p = &skin->rgb[(static_cast<std::size_t>(y) * 400 + x) * 3];
      EXPECT_EQ(p[0], x & 0xFF);
      EXPECT_EQ(p[1], static_cast<std::uint8_t>(y));
      EXPECT_EQ(p[2], 7);
    }
  }
}

TEST(DecodeSkinBitmap, RejectsOtherLayoutsAndTruncatedFiles) {
  auto skin = std::make_unique<SkinImage>();
  std::vector<std::uint8_t> truncated = syntheticBitmap(true);
  truncated.resize(truncated.size() - 1);
  std::vector<std::uint8_t> compressed = syntheticBitmap(true);
  compressed[30] = 1;
  std::vector<std::uint8_t> notBmp = syntheticBitmap(true);
  notBmp[0] = 'X';
  std::vector<std::uint8_t> offsetPastEnd = syntheticBitmap(true);
  offsetPastEnd[13] = 0x7F;
  const std::vector<std::uint8_t> cases[] = {
      truncated, compressed, notBmp, offsetPastEnd, syntheticBitmap(true, 32), syntheticBitmap(true, 24, 401), {},
  };
  for (std::size_t n = 0; n < std::size(cases); ++n) EXPECT_FALSE(decodeSkinBitmap(cases[n], *skin)) << "case " << n;
}

}  // namespace
}  // namespace corvane::testing
