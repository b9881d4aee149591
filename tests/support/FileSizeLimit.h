#pragma once
// Lets a test run into a full disk: files of this process cannot grow beyond `bytes`
// while the guard lives (writes fail with EFBIG instead of raising SIGXFSZ). The old
// limit and signal disposition come back afterwards.
#include <csignal>
#include <sys/resource.h>

namespace korvane::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  void (*oldSignal_)(int) = SIG_DFL;
  bool ok_ = false;
};

}  // namespace korvane::test
