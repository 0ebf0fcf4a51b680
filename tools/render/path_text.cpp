#include "tools/render/path_text.h"

namespace corvane {

#ifdef _WIN32
// The arguments arrive as UTF-8 (see main); the path then holds UTF-16 for the wide file calls.
std::filesystem::path pathFromArgument(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
#else
// File names are byte strings here: pass them through unchanged.
std::filesystem::path pathFromArgument(std::string_view text) { return std::filesystem::path(std::string(text)); }

std::string pathText(const std::filesystem::path& path) { return path.string(); }
#endif

std::string inQuotes(std::string_view text) {
  // Appended rather than "'" + text: GCC 12 warns falsely (-Wrestrict) about that form at -O3.
  std::string result(1, '\'');
  result += text;
  result += '\'';
  return result;
}

}  // namespace corvane
