// PNG decoding through libpng's simplified reading interface.
#include "ui/display/icon_image.h"

#include <png.h>

#include "resources/embedded.h"

namespace corvane {

bool decodePngRgba(std::span<const std::uint8_t> file, RgbaImage& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (file.empty() || png_image_begin_read_from_memory(&image, file.data(), file.size()) == 0) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) {
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgba = std::move(pixels);
  return true;
}

bool loadIconImage(int size, RgbaImage& out) {
  const std::span<const std::uint8_t> file = embeddedIconPng(size);
  return !file.empty() && decodePngRgba(file, out);
}

}  // namespace corvane
