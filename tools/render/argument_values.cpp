#include "tools/render/argument_values.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace corvane {

ParsedNumber parseWholeNumber(std::string_view text, std::uint64_t max) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  // from_chars would accept a leading '-' for signed types only, but check every character anyway.
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (base == 10 ? !std::isdigit(u) : !std::isxdigit(u)) return {};
  }
  if (text.empty()) return {};

  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error == std::errc::result_out_of_range) return {NumberStatus::TooLarge, 0};
  if (error != std::errc{} || end != text.data() + text.size()) return {};
  if (value > max) return {NumberStatus::TooLarge, value};
  return {NumberStatus::Ok, value};
}

}  // namespace corvane
