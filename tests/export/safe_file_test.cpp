// The safe file writer: a file appears complete or not at all, and Keep never replaces anything.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "export/safe_file.h"
#include "file_content.h"
#include "scratch_directory.h"

namespace corvane::testing {
namespace {

std::vector<std::byte> bytesOf(const std::string& text) {
  std::vector<std::byte> out;
  for (const char c : text) out.push_back(static_cast<std::byte>(c));
  return out;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(SafeFileTest, ReplaceSwapsTheWholeFileAndLeavesNothingElse) {
  ScratchDirectory dir;
  writeText(dir / "sound.wav", "an older and longer file than the new one");
  EXPECT_FALSE(writeFileSafely(dir / "sound.wav", bytesOf("new"), ExistingFile::Replace));
  EXPECT_EQ(fileContent(dir / "sound.wav"), "new");
  EXPECT_EQ(dir.names(), std::set<std::string>{"sound.wav"});
}

TEST(SafeFileTest, KeepWritesANewFile) {
  ScratchDirectory dir;
  EXPECT_FALSE(writeFileSafely(dir / "sound.wav", bytesOf("new"), ExistingFile::Keep));
  EXPECT_EQ(fileContent(dir / "sound.wav"), "new");
  EXPECT_EQ(dir.names(), std::set<std::string>{"sound.wav"});
}

TEST(SafeFileTest, KeepRefusesAnythingAlreadyThere) {
  struct Case {
    const char* what;
    void (*make)(const std::filesystem::path&);
  };
  const Case cases[] = {
      {"a file", [](const std::filesystem::path& p) { writeText(p, "precious"); }},
      {"a directory", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
      {"a dangling link", [](const std::filesystem::path& p) { std::filesystem::create_symlink("nowhere", p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDirectory dir;
    c.make(dir / "sound.wav");
    const std::error_code error = writeFileSafely(dir / "sound.wav", bytesOf("new"), ExistingFile::Keep);
    EXPECT_EQ(error, std::errc::file_exists) << error.message();
    EXPECT_EQ(dir.names(), std::set<std::string>{"sound.wav"});
    if (std::filesystem::is_regular_file(dir / "sound.wav")) {
      EXPECT_EQ(fileContent(dir / "sound.wav"), "precious");
    }
  }
}

TEST(SafeFileTest, AFailureLeavesNoFileBehind) {
  ScratchDirectory dir;
  std::filesystem::create_directories(dir / "taken" / "inside");
  struct Case {
    const char* what;
    std::filesystem::path target;
  };
  const Case cases[] = {
      {"missing directory", dir / "missing" / "sound.wav"},
      {"directory that cannot be written", "/proc/corvane-safe-file-test.wav"},
      // The temporary file is written completely here; only the final rename fails.
      {"a non-empty directory in the way", dir / "taken"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const ExistingFile existing : {ExistingFile::Replace, ExistingFile::Keep}) {
      EXPECT_TRUE(writeFileSafely(c.target, bytesOf("new"), existing));
    }
    EXPECT_FALSE(std::filesystem::is_regular_file(c.target));
  }
  EXPECT_EQ(dir.names(), std::set<std::string>{"taken"});
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "inside"));
}

TEST(SafeFileTest, NewFilesGetThePermissionsTheUmaskAllows) {
  ScratchDirectory dir;
  const mode_t previous = ::umask(027);
  const std::error_code error = writeFileSafely(dir / "sound.wav", bytesOf("new"), ExistingFile::Keep);
  ::umask(previous);
  ASSERT_FALSE(error);
  struct stat info {};
  ASSERT_EQ(::stat((dir / "sound.wav").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace corvane::testing
