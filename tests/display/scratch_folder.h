// A fresh folder under the system's temporary folder, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace corvane::testing {

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder = std::filesystem::temp_directory_path() / ("corvane-display-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
  }

  std::filesystem::path folder;
};

}  // namespace corvane::testing
