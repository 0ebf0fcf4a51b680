// A lower file-size limit for this process while it lives, so that writes fail as on a full disk.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace corvane::testing {

// Lowers this process's file-size limit for the scope, with SIGXFSZ ignored so that a write beyond
// the limit fails with EFBIG, as on a disk that fills up midway. Affects every thread of the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

}  // namespace corvane::testing
