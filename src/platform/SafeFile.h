#pragma once
// Files the program writes for the user: only regular files (or links to one) are
// written, and a save that replaces a file either completes or leaves the old file
// as it was. Reasons are short texts in the caller's language (0 = German, 1 = English),
// which callers put under their own headline.
#include <optional>
#include <string>
#include <string_view>

namespace korvane::platform {

// Empty when path may be written as a regular file: it does not exist yet, or it is a
// regular file or a symbolic link to one. Otherwise why not, e.g. "not a regular file
// (FIFO)". Never opens the path, so a FIFO or a device cannot block or be touched.
std::string WriteTargetProblem(const std::string& path, int language);

// The whole content of path, or nothing when it cannot be opened or read through
// (ReadProblem then says why).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Why path cannot be read, asked after an open or read failed: missing, a folder, no
// permission, or (for a file that looks readable) an input/output error.
std::string ReadProblem(const std::string& path, int language);

// "not a regular file (FIFO)" for the file type bits of mode.
std::string NotRegularReason(unsigned mode, int language);

// True when a and b name the same file: the same file on disk (through links, relative
// names, "..") or, while it does not exist yet, the same place.
bool SameFile(const std::string& a, const std::string& b);

// Replaces (or creates) path with bytes: a temporary file in the same folder, every
// write checked, flushed to disk, then renamed over the target. A symbolic link keeps
// pointing at its file, which is replaced; an existing file keeps its permissions. On
// any failure the old file stays untouched, no temporary is left and *error says why.
bool SaveFileReplacing(const std::string& path, std::string_view bytes, std::string* error, int language);

}  // namespace korvane::platform
