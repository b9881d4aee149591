#pragma once
// A file written in whole pieces that takes the place of its target only once it holds
// enough: the pieces go to a temporary file beside the target until Commit() renames it
// over the target; later pieces are appended to the target itself. A piece that cannot
// be written whole (full disk) is taken back, so the file always ends with the last
// whole piece, and nothing is written after it. A temporary never committed is removed,
// so an earlier file stays as it was and a new one is not left behind empty.
//
// Only a regular file (or a link to one, which keeps pointing at it) is replaced; an
// existing file keeps its permissions. Reasons are short texts in the language.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Language.h"

namespace korvane::platform {

class StagedFile {
 public:
  explicit StagedFile(Language language) : language_(language) {}
  ~StagedFile() { Close(); }
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Creates the temporary beside path; false (error() says why) when path may not be
  // replaced or nothing can be created there.
  bool Open(const std::string& path);
  // One piece, in one write: true when all of it is in the file.
  bool Write(std::string_view piece);
  // Flushes what was written to disk and renames the temporary over the target.
  bool Commit();
  // Ends the file: a committed file is flushed to disk, a temporary removed. False when
  // the flush failed.
  bool Close();

  bool isOpen() const { return fd_ >= 0; }
  bool committed() const { return committed_; }
  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  // Bytes of the whole pieces in the file.
  std::int64_t size() const { return size_; }

 private:
  bool Fail(const std::string& why);

  Language language_;
  int fd_ = -1;
  std::string target_;     // the file replaced (a link's file)
  std::string temporary_;  // until committed
  std::int64_t size_ = 0;
  bool committed_ = false;
  std::string error_;
};

}  // namespace korvane::platform
