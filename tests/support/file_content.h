// Reading a whole file back, byte for byte, to compare with what should have been written.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::testing {

// The file's bytes; empty when it cannot be read.
inline std::string fileContent(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace corvane::testing
