// Writes 8-bit RGB images as PNG files (libpng), replacing the target only once the file is complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace corvane {

struct PngWriteResult {
  bool ok = false;
  std::string error;  // what went wrong, naming the path; empty on success
};

// Writes width x height pixels of top-down rows of red, green, blue (rgb.size() must be
// width * height * 3). The image goes to a temporary file beside `path` that is renamed over it when
// complete, so a failure never leaves a partial or damaged file behind. An existing file is replaced.
PngWriteResult writePng(const std::filesystem::path& path, int width, int height,
                        std::span<const std::uint8_t> rgb);

}  // namespace corvane
