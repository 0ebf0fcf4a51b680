// A fresh, empty directory for one test, removed with everything in it when the test ends.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>

namespace corvane::testing {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::system_category()));
    }
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // The names directly inside the directory, hidden ones (temporary files) included.
  std::set<std::string> names() const { return namesIn(path_); }

  static std::set<std::string> namesIn(const std::filesystem::path& dir) {
    std::set<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) result.insert(entry.path().filename().string());
    return result;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace corvane::testing
