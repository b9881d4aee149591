#pragma once
// A regular file that takes whole pieces at its end, each in one unbuffered write, so a
// killed program leaves only whole pieces. Anything but a regular file (or a link to
// one) is refused without waiting; a piece is written only while the open file is still
// the one at the path, and a part of a piece that reached the file is taken back.
// Reasons are short texts in the language.
#include <string>
#include <string_view>

#include "platform/Language.h"

namespace korvane::platform {

class AppendFile {
 public:
  AppendFile() = default;
  ~AppendFile() { Close(false); }
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  // Opens path for appending, creating it when needed and emptying it first with
  // truncate; false with "path: reason" in *error.
  bool Open(const std::string& path, bool truncate, std::string* error, Language language);
  // One piece at the end: true when all of it is in the file; false with the reason.
  bool Append(std::string_view piece, Language language, std::string* reason);
  // Closes the file; with removeIfEmpty an empty file still at the path goes too.
  void Close(bool removeIfEmpty);
  bool isOpen() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace korvane::platform
