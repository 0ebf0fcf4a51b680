// Decisions the save dialog takes about the path the user chose.
#pragma once

#include <filesystem>
#include <string_view>

namespace corvane::platform {

// The path with ".extension" added when its file name has no extension ("take" → "take.wav");
// otherwise unchanged.
std::filesystem::path withDefaultExtension(const std::filesystem::path& path,
                                           std::string_view extension);

// True when the path names an existing file that is set read-only (no write permission bit) or
// that this user may not write.
bool isReadOnlyFile(const std::filesystem::path& path);

}  // namespace corvane::platform
