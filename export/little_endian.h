// Writes integers and floating-point values into a byte span in little-endian order, whatever the host.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::span<std::byte> out) : out_(out) {}

  void u16(std::uint16_t v) { unsigned_(v, 2); }
  void i16(std::int16_t v) { unsigned_(static_cast<std::uint16_t>(v), 2); }
  void u32(std::uint32_t v) { unsigned_(v, 4); }
  void f32(float v) { unsigned_(std::bit_cast<std::uint32_t>(v), 4); }
  void f64(double v) { unsigned_(std::bit_cast<std::uint64_t>(v), 8); }
  // Chunk ids and other fixed ASCII text, without a terminator.
  void text(std::string_view s) {
    for (const char c : s) out_[pos_++] = static_cast<std::byte>(c);
  }

  std::size_t position() const { return pos_; }

 private:
  void unsigned_(std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out_[pos_++] = static_cast<std::byte>((v >> (8 * i)) & 0xFFu);
  }

  std::span<std::byte> out_;
  std::size_t pos_ = 0;
};

}  // namespace corvane
