// The display of the current sample as a PNG picture, for seeing a sound without the window.
#pragma once

#include <filesystem>
#include <system_error>

#include "export/safe_file.h"

namespace corvane {

// Composes the skin with one trace of sampleBuffer and writes the 400 x 273 skin area to `path` as PNG;
// the file appears complete or not at all (see writeFileSafely). The trace's draws come from a copy of
// randomSource, so writing a picture changes no later sound. Prepares the display if needed and leaves
// backBuffer untouched. Returns an empty error code on success.
std::error_code writeDisplayPicture(const std::filesystem::path& path, ExistingFile existing = ExistingFile::Replace);

}  // namespace corvane
