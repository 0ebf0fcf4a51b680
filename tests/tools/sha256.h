// SHA-256 of a byte string (nettle), as lower-case hex: how the reference manifest names its files' content.
#pragma once

#include <string>
#include <vector>

namespace corvane::testing {

std::string sha256Hex(const std::vector<unsigned char>& bytes);

}  // namespace corvane::testing
