#include "golden.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

namespace corvane::testing {

std::filesystem::path goldenDir() { return CORVANE_GOLDEN_DIR; }

bool haveGolden() { return std::filesystem::exists(goldenDir() / "manifest.json"); }

std::vector<GoldenEntry> goldenEntries(const std::string& section) {
  std::ifstream in(goldenDir() / "manifest.json");
  const nlohmann::json manifest = nlohmann::json::parse(in);
  std::vector<GoldenEntry> entries;
  for (const auto& item : manifest.at(section)) {
    GoldenEntry e;
    e.file = item.at("file").get<std::string>();
    e.state = item.at("state").get<std::uint32_t>();
    e.voice = item.at("voice").get<std::string>();
    if (item.contains("draws")) e.draws = item.at("draws").get<long long>();
    if (item.contains("end_state")) e.endState = item.at("end_state").get<std::uint32_t>();
    if (item.contains("post_filter")) e.postFilter = item.at("post_filter").get<std::string>();
    entries.push_back(e);
  }
  return entries;
}

std::vector<unsigned char> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<double> readDoubles(const std::filesystem::path& path) {
  const std::vector<unsigned char> bytes = readBytes(path);
  std::vector<double> values(bytes.size() / sizeof(double));
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::uint64_t bits = 0;
    for (int b = 7; b >= 0; --b) bits = (bits << 8) | bytes[i * 8 + b];
    std::memcpy(&values[i], &bits, sizeof bits);
  }
  return values;
}

}  // namespace corvane::testing
