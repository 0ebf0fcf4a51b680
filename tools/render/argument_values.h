// Reading the numbers given on the command line: whole, non-negative, decimal or 0x hexadecimal.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

enum class NumberStatus { Ok, NotANumber, TooLarge };

struct ParsedNumber {
  NumberStatus status = NumberStatus::NotANumber;
  std::uint64_t value = 0;
};

// Digits only ("0x" or "0X" before hex digits): no sign, blank, fraction or trailing text.
// A value above max is TooLarge.
ParsedNumber parseWholeNumber(std::string_view text, std::uint64_t max);

}  // namespace corvane
