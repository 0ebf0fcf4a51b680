// writeFileSafely on Windows: the C runtime's wide-character calls, so any path reaches the file
// system as UTF-16. _wrename refuses an existing target; std::filesystem::rename replaces it.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "export/safe_file.h"
#include "export/temporary_name.h"

namespace corvane {

namespace {

constexpr int kNameAttempts = 100;

std::error_code errnoCode(int err) { return std::make_error_code(static_cast<std::errc>(err)); }

std::error_code createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary, int& fd) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = temporarySibling(target);
    const int err = ::_wsopen_s(&fd, temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                _SH_DENYRW, _S_IREAD | _S_IWRITE);
    if (err == 0) return {};
    fd = -1;
    if (err != EEXIST) return errnoCode(err);
  }
  return errnoCode(EEXIST);
}

std::error_code writeAll(int fd, std::span<const std::byte> bytes) {
  while (!bytes.empty()) {
    const unsigned chunk = bytes.size() > INT_MAX ? INT_MAX : static_cast<unsigned>(bytes.size());
    const int n = ::_write(fd, bytes.data(), chunk);
    if (n < 0) return errnoCode(errno);
    if (n == 0) return errnoCode(EIO);
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

}  // namespace

std::error_code writeFileSafely(const std::filesystem::path& target, std::span<const std::byte> bytes,
                                ExistingFile existing) {
  std::error_code probe;
  if (existing == ExistingFile::Keep && std::filesystem::exists(std::filesystem::symlink_status(target, probe))) {
    return std::make_error_code(std::errc::file_exists);  // fail early; the final rename checks again
  }

  std::filesystem::path temporary;
  int fd = -1;
  if (const std::error_code error = createTemporary(target, temporary, fd)) return error;

  std::error_code error = writeAll(fd, bytes);
  if (!error && ::_commit(fd) != 0) error = errnoCode(errno);
  if (::_close(fd) != 0 && !error) error = errnoCode(errno);
  if (!error) {
    if (existing == ExistingFile::Replace) {
      std::filesystem::rename(temporary, target, error);
    } else if (::_wrename(temporary.c_str(), target.c_str()) != 0) {
      // The runtime reports an existing target as EEXIST or EACCES.
      const int err = errno;
      error = std::filesystem::exists(std::filesystem::symlink_status(target, probe))
                  ? std::make_error_code(std::errc::file_exists)
                  : errnoCode(err);
    }
  }
  if (error) {
    ::_wunlink(temporary.c_str());
    return error;
  }
  return {};
}

}  // namespace corvane
