// Replacing an existing file: links, permissions, and folders that refuse a new file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "export/safe_file.h"
#include "file_content.h"
#include "scratch_directory.h"

namespace corvane::testing {
namespace {

std::vector<std::byte> bytesOf(const std::string& text) {
  std::vector<std::byte> bytes(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i] = static_cast<std::byte>(text[i]);
  return bytes;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(SafeFileReplaceTest, ThroughASymbolicLinkUpdatesTheLinkedFile) {
  ScratchDirectory work;
  std::filesystem::create_directory(work.path() / "library");
  const auto real = work.path() / "library" / "kick.wav";
  const auto link = work.path() / "kick.wav";
  writeText(real, "old");
  std::filesystem::create_symlink(real, link);

  ASSERT_FALSE(writeFileSafely(link, bytesOf("new sound"), ExistingFile::Replace));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(fileContent(real), "new sound");
}

TEST(SafeFileReplaceTest, KeepsThePermissionBitsOfTheReplacedFile) {
  ScratchDirectory work;
  const auto target = work.path() / "shared.wav";
  writeText(target, "old");
  ::chmod(target.c_str(), 0640);
  const mode_t previous = ::umask(022);  // would give 0644 to a new file
  const std::error_code error = writeFileSafely(target, bytesOf("new"), ExistingFile::Replace);
  ::umask(previous);
  ASSERT_FALSE(error) << error.message();
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(fileContent(target), "new");
}

// A folder the writer may not add files to, holding a file it may write: the file is rewritten in
// place. As root folder permissions do not apply, so the write runs as an unprivileged user then.
TEST(SafeFileReplaceTest, AFolderThatRefusesNewFilesStillLetsAWritableFileBeReplaced) {
  ScratchDirectory work;
  const auto folder = work.path() / "locked";
  std::filesystem::create_directory(folder);
  const auto target = folder / "take.wav";
  writeText(target, "an older, longer sound");
  constexpr uid_t kNobody = 65534;
  const bool asRoot = ::geteuid() == 0;
  if (asRoot) {
    ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(work.path().c_str(), 0755), 0);
  }
  ::chmod(folder.c_str(), 0555);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (asRoot && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
    const std::error_code error = writeFileSafely(target, bytesOf("new"), ExistingFile::Replace);
    ::_exit(error ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::chmod(folder.c_str(), 0755);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(fileContent(target), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace corvane::testing
