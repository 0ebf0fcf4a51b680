// Save: the current sound as the 88,244-byte 16-bit mono WAV file.
#pragma once

#include <filesystem>
#include <system_error>

namespace corvane {

// Writes sampleBuffer to path, replacing any file there. Returns false when the file could not be
// written completely; the path then holds what it held before and no partial file is left behind.
bool writeWav(const std::filesystem::path& path);

// The same, with the reason for a failure in error (cleared on success), for a message to the user.
bool writeWav(const std::filesystem::path& path, std::error_code& error);

}  // namespace corvane
