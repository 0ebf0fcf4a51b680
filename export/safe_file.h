// Writes a whole file so that it appears under its name complete or not at all.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <system_error>

namespace corvane {

enum class ExistingFile {
  Replace,  // an existing file of that name is replaced in one step
  Keep,     // an existing file (or anything else of that name) is left alone and the write fails
};

// Writes bytes to a new temporary file in the target's directory, flushes it to the disk, closes it
// and renames it to target, checking every step. Returns an empty error code on success. On failure
// the target is as it was and the temporary file is removed; with ExistingFile::Keep an existing
// target gives std::errc::file_exists.
// Replacing keeps the old file's permission bits and, through a symbolic link, updates the file the
// link points to. Where the folder refuses a new file but the existing target is writable, the
// target is rewritten in place instead; a failure then leaves it empty, never cut short.
std::error_code writeFileSafely(const std::filesystem::path& target, std::span<const std::byte> bytes,
                                ExistingFile existing);

}  // namespace corvane
