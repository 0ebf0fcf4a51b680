// Reads a PNG file back as 8-bit RGB with libpng, for checking what was written.
#pragma once

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace corvane::testing {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

inline bool readPng(const std::filesystem::path& path, RgbPicture& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
  image.format = PNG_FORMAT_RGB;
  out.rgb.assign(PNG_IMAGE_SIZE(image), 0);
  if (png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) == 0) {
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  return true;
}

}  // namespace corvane::testing
