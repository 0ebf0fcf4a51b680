// Reading the reference sounds and their manifest.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::testing {

struct GoldenEntry {
  std::string file;
  std::uint32_t state = 0;
  std::string voice;
  long long draws = -1;
  std::uint32_t endState = 0;
  std::string postFilter;
};

std::filesystem::path goldenDir();
bool haveGolden();
// The entries of one manifest section: "generate", "voice", "wav" or "frames".
std::vector<GoldenEntry> goldenEntries(const std::string& section);
std::vector<unsigned char> readBytes(const std::filesystem::path& path);
std::vector<double> readDoubles(const std::filesystem::path& path);

}  // namespace corvane::testing
