// Paths to and from command-line text: bytes as they are on POSIX, UTF-8 on Windows.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

std::filesystem::path pathFromArgument(std::string_view text);
std::string pathText(const std::filesystem::path& path);

// 'text', for naming a value or path in a message.
std::string inQuotes(std::string_view text);

}  // namespace corvane
