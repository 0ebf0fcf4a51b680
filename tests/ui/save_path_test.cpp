// The save dialog's decisions: the default extension and which files count as read-only.
#include "platform/linux/window/save_path.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corvane::platform {
namespace {

TEST(DefaultExtension, AddedOnlyToANameWithoutOne) {
  struct Case {
    const char* chosen;
    const char* expected;
  };
  const Case cases[] = {
      {"/tmp/take", "/tmp/take.wav"},
      {"/tmp/take.wav", "/tmp/take.wav"},
      {"/tmp/take.WAV", "/tmp/take.WAV"},
      {"/tmp/take.aiff", "/tmp/take.aiff"},        // a typed extension is respected
      {"/tmp/snare.v2/take", "/tmp/snare.v2/take.wav"},  // dots in folders do not count
      {"/tmp/.hidden", "/tmp/.hidden.wav"},        // a leading dot is no extension
  };
  for (const Case& c : cases) {
    EXPECT_EQ(withDefaultExtension(c.chosen, "wav"), std::filesystem::path(c.expected)) << c.chosen;
  }
}

class ReadOnlyFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("corvane-save-path-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path makeFile(const char* name, std::filesystem::perms perms) {
    const auto path = folder_ / name;
    std::ofstream(path) << "x";
    std::filesystem::permissions(path, perms);
    return path;
  }
  std::filesystem::path folder_;
};

TEST_F(ReadOnlyFile, WritableFileIsNot) {
  EXPECT_FALSE(isReadOnlyFile(makeFile("a.wav", std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write)));
}

TEST_F(ReadOnlyFile, FileWithoutWritePermissionIs) {
  // Counts for root too, who could still write it.
  EXPECT_TRUE(isReadOnlyFile(makeFile("b.wav", std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::group_read)));
}

TEST_F(ReadOnlyFile, MissingFileAndFolderAreNot) {
  EXPECT_FALSE(isReadOnlyFile(folder_ / "missing.wav"));
  EXPECT_FALSE(isReadOnlyFile(folder_));
}

}  // namespace
}  // namespace corvane::platform
