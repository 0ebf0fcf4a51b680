// Decisions the save dialog takes about the path the user chose.
#include "platform/linux/window/save_path.h"

#include <sys/stat.h>
#include <unistd.h>

namespace corvane::platform {

std::filesystem::path withDefaultExtension(const std::filesystem::path& path,
                                           std::string_view extension) {
  if (extension.empty() || !path.has_filename() || path.filename().has_extension()) return path;
  std::filesystem::path extended = path;
  extended += ".";
  extended += extension;
  return extended;
}

bool isReadOnlyFile(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) return false;
  // The permission bits count even for root, as a read-only attribute would.
  if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return access(path.c_str(), W_OK) != 0;
}

}  // namespace corvane::platform
