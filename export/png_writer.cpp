// PNG encoding in memory through libpng's simplified interface; the file is written by writeFileSafely.
#include "export/png_writer.h"

#include <png.h>

namespace corvane {

std::error_code encodePng(int width, int height, std::span<const std::uint8_t> rgb, std::vector<std::byte>& png) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;

  // The first call only measures; the second encodes into a buffer of that size.
  png_alloc_size_t size = 0;
  const png_int_32 stride = width * 3;
  if (png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), stride, nullptr) == 0) {
    png_image_free(&image);
    return std::make_error_code(std::errc::not_enough_memory);
  }
  png.resize(size);
  if (png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), stride, nullptr) == 0) {
    png_image_free(&image);
    png.clear();
    return std::make_error_code(std::errc::not_enough_memory);
  }
  png.resize(size);
  return {};
}

std::error_code writePng(const std::filesystem::path& path, int width, int height, std::span<const std::uint8_t> rgb,
                         ExistingFile existing) {
  std::vector<std::byte> png;
  if (const std::error_code error = encodePng(width, height, rgb, png)) return error;
  return writeFileSafely(path, png, existing);
}

}  // namespace corvane
