// writeFileSafely on POSIX systems: open(O_EXCL), write, fsync, close, then rename or a no-replace rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "export/safe_file.h"
#include "export/temporary_name.h"

namespace corvane {

namespace {

constexpr int kNameAttempts = 100;

std::error_code errnoCode(int err) { return {err, std::system_category()}; }

// Creates a new temporary file beside target; fd is -1 on failure.
std::error_code createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary, int& fd) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = temporarySibling(target);
    // 0666 lets the umask decide the permissions, as for any newly created file.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return {};
    if (errno != EEXIST) return errnoCode(errno);
  }
  return errnoCode(EEXIST);
}

std::error_code writeAll(int fd, std::span<const std::byte> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errnoCode(errno);
    }
    if (n == 0) return errnoCode(EIO);
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

// Renames without replacing: the kernel refuses atomically if target exists. Where the file system
// lacks that rename, a hard link does the same; link() also refuses an existing name.
std::error_code publishWithoutReplacing(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
  const int renameError = errno;
  if (renameError != EINVAL && renameError != ENOSYS && renameError != EOPNOTSUPP) {
    return errnoCode(renameError);
  }
  if (::link(temporary.c_str(), target.c_str()) != 0) return errnoCode(errno);
  ::unlink(temporary.c_str());
  return {};
}

// Replacing through a symbolic link updates the file it points to, as writing to the link would.
std::filesystem::path followLinks(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::is_symlink(target, error)) return target;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
  return error ? target : resolved;
}

// A replaced file keeps its permission bits rather than taking the umask's defaults.
void keepPermissions(int fd, const struct stat& old) { ::fchmod(fd, old.st_mode & 07777); }

// Where no new file can be made beside the target (a folder the user cannot write) but the target
// itself is writable, it is rewritten in place. Should that fail, the file is left empty rather than
// holding a sound cut short.
std::error_code writeInPlace(const std::filesystem::path& target, std::span<const std::byte> bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return errnoCode(errno);
  std::error_code error = writeAll(fd, bytes);
  if (!error && ::fsync(fd) != 0) error = errnoCode(errno);
  if (error) {
    if (::ftruncate(fd, 0) != 0) { /* the write error is what gets reported */ }
    ::close(fd);
    return error;
  }
  if (::close(fd) != 0) {
    const std::error_code closeError = errnoCode(errno);
    if (::truncate(target.c_str(), 0) != 0) { /* the close error is what gets reported */ }
    return closeError;
  }
  return {};
}

// Makes the rename itself durable. Some file systems cannot sync a directory; the file is in place
// by now either way, so a failure here is not reported.
void syncDirectoryOf(const std::filesystem::path& target) {
  const std::filesystem::path parent = target.parent_path();
  const int dir = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

std::error_code writeFileSafely(const std::filesystem::path& requested, std::span<const std::byte> bytes,
                                ExistingFile existing) {
  struct stat info;
  if (existing == ExistingFile::Keep && ::lstat(requested.c_str(), &info) == 0) {
    return std::make_error_code(std::errc::file_exists);  // fail early; the final rename checks again
  }
  const std::filesystem::path target = existing == ExistingFile::Replace ? followLinks(requested) : requested;
  const bool replacingFile =
      existing == ExistingFile::Replace && ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode);

  std::filesystem::path temporary;
  int fd = -1;
  if (const std::error_code error = createTemporary(target, temporary, fd)) {
    const bool folderRefused = error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
    if (replacingFile && folderRefused && ::access(target.c_str(), W_OK) == 0) return writeInPlace(target, bytes);
    return error;
  }
  if (replacingFile) keepPermissions(fd, info);

  std::error_code error = writeAll(fd, bytes);
  if (!error && ::fsync(fd) != 0) error = errnoCode(errno);
  // close() reports delayed write errors (network file systems); its failure counts as well.
  if (::close(fd) != 0 && !error) error = errnoCode(errno);
  if (!error) {
    if (existing == ExistingFile::Replace) {
      if (::rename(temporary.c_str(), target.c_str()) != 0) error = errnoCode(errno);
    } else {
      error = publishWithoutReplacing(temporary, target);
    }
  }
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  syncDirectoryOf(target);
  return {};
}

}  // namespace corvane
