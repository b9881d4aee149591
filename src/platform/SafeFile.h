#pragma once
// Files the program writes for the user: only regular files (or links to one) are
// written, and a save that replaces a file either completes or leaves the old file
// as it was. Reasons are short texts in the caller's language,
// which callers put under their own headline.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Language.h"

namespace korvane::platform {

// Empty when path may be written as a regular file: it does not exist yet, or it is a
// regular file or a symbolic link to one. Otherwise why not, e.g. "not a regular file
// (FIFO)". Never opens the path, so a FIFO or a device cannot block or be touched.
std::string WriteTargetProblem(const std::string& path, Language language);

// The largest file the program reads: its setup, display and settings files hold a
// few hundred bytes.
inline constexpr std::size_t kMaxInputBytes = 1 << 20;

// The whole content of path, read in one bounded read; nothing when it is not a regular
// file (or a link to one) of at most kMaxInputBytes or cannot be read through
// (ReadProblem then says why). Never waits: a FIFO or a device is refused at once.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Why path cannot be read, asked after ReadWholeFile failed: missing, a folder or other
// special file, too large, no permission, or (for a file that looks readable) an
// input/output error.
std::string ReadProblem(const std::string& path, Language language);

// "not a regular file (FIFO)" for the file type bits of mode.
std::string NotRegularReason(unsigned mode, Language language);

// Empty when path can take a file the program writes: WriteTargetProblem, and the file
// can be opened for writing or its folder can take a new one (tried, not guessed from
// permission bits). Changes nothing at path.
std::string OutputTargetProblem(const std::string& path, Language language);

// The first of a command's output files that cannot take its output, with the reason:
// OutputTargetProblem, or the same file as another of them (through links, relative
// names, "..").
struct TargetProblem {
  std::string path;
  std::string reason;
};
std::optional<TargetProblem> OutputTargetsProblem(const std::vector<std::string>& paths, Language language);

// True when a and b name the same file: the same file on disk (through links, relative
// names, "..") or, while it does not exist yet, the same place.
bool SameFile(const std::string& a, const std::string& b);

// Replaces (or creates) path with bytes: a temporary file in the same folder, every
// write checked, flushed to disk, then renamed over the target. A symbolic link keeps
// pointing at its file, which is replaced; an existing file keeps its permissions. On
// any failure the old file stays untouched, no temporary is left and *error says why.
bool SaveFileReplacing(const std::string& path, std::string_view bytes, std::string* error, Language language);

}  // namespace korvane::platform
