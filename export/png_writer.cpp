// PNG output through libpng's simplified writing interface, via a temporary file and a rename.
#include "export/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace corvane {
namespace {

PngWriteResult failure(const std::filesystem::path& path, const std::string& why) {
  return {false, "cannot write " + path.string() + ": " + why};
}

// A name beside the target that no other writer picks: hidden, with a random suffix.
std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
  static std::mt19937_64 names{std::random_device{}()};
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(names()));
  return path.parent_path() / ("." + path.filename().string() + suffix);
}

}  // namespace

PngWriteResult writePng(const std::filesystem::path& path, int width, int height,
                        std::span<const std::uint8_t> rgb) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3) {
    return failure(path, "image size does not match its pixels");
  }
  if (path.filename().empty()) return failure(path, "not a file name");

  std::filesystem::path temporary;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < 8 && file == nullptr; ++attempt) {
    temporary = temporaryBeside(path);
    errno = 0;
    file = std::fopen(temporary.c_str(), "wbx");  // x: never reuse an existing file
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) return failure(path, std::strerror(errno));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const bool encoded = png_image_write_to_stdio(&image, file, 0, rgb.data(), width * 3, nullptr) != 0;
  const std::string encodeError = encoded ? "" : image.message;
  png_image_free(&image);
  int ioError = 0;
  errno = 0;
  if (std::fflush(file) != 0 || std::ferror(file)) ioError = errno != 0 ? errno : EIO;
  if (std::fclose(file) != 0 && ioError == 0) ioError = errno != 0 ? errno : EIO;

  std::error_code ec;
  if (!encoded || ioError != 0) {
    std::filesystem::remove(temporary, ec);
    return failure(path, !encoded ? encodeError : std::strerror(ioError));
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return failure(path, ec.message());
  }
  return {true, {}};
}

}  // namespace corvane
