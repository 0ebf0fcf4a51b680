// Writes 8-bit RGB images as PNG files (libpng), through the safe file writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

#include "export/safe_file.h"

namespace corvane {

// Encodes width x height pixels given as top-down rows of red, green, blue (rgb.size() must be
// width * height * 3) into a complete PNG file. Fails with std::errc::invalid_argument for a size that
// does not match and std::errc::not_enough_memory when libpng cannot encode.
std::error_code encodePng(int width, int height, std::span<const std::uint8_t> rgb, std::vector<std::byte>& png);

// Encodes the image and writes it with writeFileSafely: the file appears complete or not at all.
std::error_code writePng(const std::filesystem::path& path, int width, int height, std::span<const std::uint8_t> rgb,
                         ExistingFile existing = ExistingFile::Replace);

}  // namespace corvane
