// The bytes of the three file formats: headers as laid out by hand, sample conversion at its edges.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "export/float32_wav.h"
#include "export/pcm16_wav.h"
#include "export/sample_format.h"
#include "synth/sample_buffer.h"

namespace corvane::testing {
namespace {

std::vector<std::byte> bytesOf(std::initializer_list<int> values) {
  std::vector<std::byte> out;
  for (const int v : values) out.push_back(static_cast<std::byte>(v));
  return out;
}

std::vector<std::byte> textBytes(const std::string& text) {
  std::vector<std::byte> out;
  for (const char c : text) out.push_back(static_cast<std::byte>(c));
  return out;
}

std::vector<std::byte> concat(std::initializer_list<std::vector<std::byte>> parts) {
  std::vector<std::byte> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// The 16-bit file's constant header, field by field.
const std::vector<std::byte> kPcm16Header = concat({
    textBytes("RIFF"), bytesOf({0xAC, 0x58, 0x01, 0x00}),  // 88,236
    textBytes("WAVEfmt "), bytesOf({16, 0, 0, 0}),
    bytesOf({1, 0}),                                        // PCM
    bytesOf({1, 0}),                                        // mono
    bytesOf({0x44, 0xAC, 0x00, 0x00}),                      // 44,100 Hz
    bytesOf({0x88, 0x58, 0x01, 0x00}),                      // 88,200 bytes per second
    bytesOf({2, 0}), bytesOf({16, 0}),
    textBytes("data"), bytesOf({0x88, 0x58, 0x01, 0x00}),  // 88,200
});

// The float file: an 18-byte format chunk with cbSize 0, then the fact chunk with the frame count.
const std::vector<std::byte> kFloat32Header = concat({
    textBytes("RIFF"), bytesOf({0x42, 0xB1, 0x02, 0x00}),  // 176,450
    textBytes("WAVEfmt "), bytesOf({18, 0, 0, 0}),
    bytesOf({3, 0}),                                        // IEEE float
    bytesOf({1, 0}),
    bytesOf({0x44, 0xAC, 0x00, 0x00}),
    bytesOf({0x10, 0xB1, 0x02, 0x00}),                      // 176,400 bytes per second
    bytesOf({4, 0}), bytesOf({32, 0}),
    bytesOf({0, 0}),                                        // cbSize
    textBytes("fact"), bytesOf({4, 0, 0, 0}), bytesOf({0x44, 0xAC, 0x00, 0x00}),
    textBytes("data"), bytesOf({0x10, 0xB1, 0x02, 0x00}),
});

std::int16_t int16At(const std::vector<std::byte>& bytes, std::size_t offset) {
  const auto lo = std::to_integer<unsigned>(bytes[offset]);
  const auto hi = std::to_integer<unsigned>(bytes[offset + 1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::uint64_t uintAt(const std::vector<std::byte>& bytes, std::size_t offset, int size) {
  std::uint64_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | std::to_integer<unsigned>(bytes[offset + i]);
  return v;
}

class EncoderTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSampleBuffer(); }
  std::vector<std::byte> encode(SampleFormat format) {
    std::vector<std::byte> out;
    encodeSound(format, sampleBuffer, out);
    return out;
  }
};

TEST_F(EncoderTest, SilentSoundGivesThe16BitHeaderAndZeros) {
  const std::vector<std::byte> file = encode(SampleFormat::Pcm16);
  ASSERT_EQ(file.size(), 88244u);
  EXPECT_EQ(std::vector<std::byte>(file.begin(), file.begin() + 44), kPcm16Header);
  for (std::size_t i = 44; i < file.size(); ++i) ASSERT_EQ(file[i], std::byte{0}) << "byte " << i;
}

TEST_F(EncoderTest, SixteenBitSamplesFollowTheConstantHeaderInOrder) {
  for (int i = 0; i < kSampleCount; ++i) sampleBuffer[i] = std::sin(i * 0.01);
  sampleBuffer[0] = 1.0;
  sampleBuffer[1] = -0.5;
  sampleBuffer[kSampleCount - 1] = 0.25;
  const std::vector<std::byte> file = encode(SampleFormat::Pcm16);
  ASSERT_EQ(file.size(), 88244u);
  EXPECT_EQ(std::vector<std::byte>(file.begin(), file.begin() + 44), kPcm16Header);
  EXPECT_EQ(int16At(file, 44), 32765);
  EXPECT_EQ(int16At(file, 46), -16382);
  EXPECT_EQ(int16At(file, 48), static_cast<std::int16_t>(std::sin(0.02) * 32765.0));
  EXPECT_EQ(int16At(file, 44 + 2 * (kSampleCount - 1)), 8191);
}

TEST(Pcm16SampleTest, LimitsScalesBy32765AndTruncatesTowardZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double step = 1.0 / 32765.0;
  struct Case {
    double x;
    int expected;
  };
  const Case cases[] = {
      {0.0, 0},          {-0.0, 0},          {1.0, 32765},     {-1.0, -32765},
      {1.5, 32765},      {-7.0, -32765},     {0.99999, 32764}, {-0.99999, -32764},
      {0.5, 16382},      {-0.5, -16382},     {std::nextafter(step, 0.0), 0},
      {-std::nextafter(step, 0.0), 0},       {std::nextafter(1.0, 2.0), 32765},
      {inf, 32765},      {-inf, -32765},     {nan, 0},         {-nan, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pcm16Sample(c.x), c.expected) << "x = " << c.x;
  }
}

TEST_F(EncoderTest, FloatFileCarriesTheFactChunkAndTheNearestFloats) {
  sampleBuffer[0] = 0.1;
  sampleBuffer[1] = -1.5;  // beyond full scale: kept, a float file has the headroom
  sampleBuffer[2] = std::numeric_limits<double>::quiet_NaN();
  sampleBuffer[3] = 1e300;
  sampleBuffer[kSampleCount - 1] = -1e300;
  const std::vector<std::byte> file = encode(SampleFormat::Float32);
  ASSERT_EQ(file.size(), 176458u);
  ASSERT_EQ(std::vector<std::byte>(file.begin(), file.begin() + 58), kFloat32Header);
  auto floatAt = [&](int index) { return std::bit_cast<float>(static_cast<std::uint32_t>(uintAt(file, 58 + 4 * index, 4))); };
  EXPECT_EQ(std::bit_cast<std::uint32_t>(floatAt(0)), std::bit_cast<std::uint32_t>(0.1f));
  EXPECT_EQ(floatAt(1), -1.5f);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(floatAt(2)), 0u);
  EXPECT_EQ(floatAt(3), std::numeric_limits<float>::infinity());
  EXPECT_EQ(floatAt(4), 0.0f);
  EXPECT_EQ(floatAt(kSampleCount - 1), -std::numeric_limits<float>::infinity());
}

TEST_F(EncoderTest, RawDoublesKeepEveryBitInLittleEndianOrder) {
  const double payloadNan = std::bit_cast<double>(std::uint64_t{0x7FF80000DEADBEEFu});
  sampleBuffer[0] = 1.0;
  sampleBuffer[1] = -0.0;
  sampleBuffer[2] = payloadNan;
  sampleBuffer[3] = std::numeric_limits<double>::denorm_min();
  sampleBuffer[kSampleCount - 1] = -0.75;
  const std::vector<std::byte> file = encode(SampleFormat::F64);
  ASSERT_EQ(file.size(), 352800u);
  EXPECT_EQ(std::vector<std::byte>(file.begin(), file.begin() + 8), bytesOf({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  EXPECT_EQ(uintAt(file, 8, 8), 0x8000000000000000u);
  EXPECT_EQ(uintAt(file, 16, 8), 0x7FF80000DEADBEEFu);
  EXPECT_EQ(uintAt(file, 24, 8), 1u);
  EXPECT_EQ(uintAt(file, 8 * (kSampleCount - 1), 8), std::bit_cast<std::uint64_t>(-0.75));
}

}  // namespace
}  // namespace corvane::testing
