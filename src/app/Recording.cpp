#include "app/Recording.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/RecordingLine.h"
#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::app {
namespace {

constexpr types::TextPair kFileLabel{"Aufzeichnungsdatei", "Logging file"};
constexpr types::TextPair kCannotCreate{"Die Aufzeichnungsdatei kann nicht angelegt werden:",
                                        "The logging file cannot be created:"};
constexpr types::TextPair kCannotReopen{"Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:",
                                        "The logging file cannot be opened again:"};
constexpr types::TextPair kNoFile{"Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.",
                                  "No logging file open - values are not being recorded."};
constexpr types::TextPair kWriteFailed{"Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:",
                                       "Logging failed - values are not being recorded:"};
constexpr types::TextPair kFileGone{"die Datei wurde gelöscht oder ersetzt", "the file was deleted or replaced"};

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// O_NONBLOCK: whatever sits at the path, the open itself never waits (a FIFO without
// a reader would); only regular files are kept open.
int OpenFile(const std::string& path, int flags, std::string* error, int language) {
  if (const std::string problem = platform::WriteTargetProblem(path, language); !problem.empty()) {
    *error = path + ": " + problem;
    return -1;
  }
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    *error = path + ": " + platform::SystemErrorText(errno, language);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    *error = path + ": " + platform::NotRegularReason(st.st_mode, language);
    return -1;
  }
  return fd;
}

}  // namespace

Recording::Recording(platform::Ui& ui, platform::Clock clock) : ui_(ui), clock_(std::move(clock)) {}

Recording::~Recording() { Close(); }

std::string Recording::NoFileNotice(int language) { return kNoFile(language); }

std::string Recording::WriteFailedNotice(int language, const std::string& reason) {
  return std::string(kWriteFailed(language)) + " " + reason;
}

void Recording::Close() {
  if (fd_ >= 0 && created_) {
    // Nothing was recorded into the file this recording made: it goes again, unless
    // something else took its place meanwhile.
    struct stat open {};
    struct stat named {};
    if (::fstat(fd_, &open) == 0 && open.st_size == 0 && ::stat(path_.c_str(), &named) == 0 &&
        named.st_ino == open.st_ino && named.st_dev == open.st_dev)
      ::unlink(path_.c_str());
  }
  created_ = false;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void Recording::Release() {
  Close();
  path_.clear();
  statusText_.clear();
}

bool Recording::OpenForAppend(const std::string& path, std::string* error, int language) {
  struct stat st {};
  const bool existed = ::stat(path.c_str(), &st) == 0;
  if (!Open(path, O_CREAT | O_APPEND, error, language)) return false;
  created_ = !existed;
  return true;
}

bool Recording::Create(const std::string& path, std::string* error, int language) {
  // O_APPEND: every line lands at the end even if something else wrote meanwhile.
  return Open(path, O_CREAT | O_TRUNC | O_APPEND, error, language);
}

bool Recording::Open(const std::string& path, int flags, std::string* error, int language) {
  Close();
  std::string reason;
  fd_ = OpenFile(path, flags, &reason, language);
  if (fd_ < 0) {
    if (error) *error = reason;
    return false;
  }
  path_ = path;
  noticeGiven_ = false;
  failed_ = false;
  return true;
}

Recording::SetupResult Recording::Setup(int language, Interval& interval, IntervalPicker& picker) {
  std::string remembered;
  if (isOpen() && path_.size() > 1) remembered = path_;
  Close();

  platform::FileDialogSpec dialog;
  dialog.defaultExtension = "txt";
  dialog.initialName = "*.txt";
  dialog.filter = "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||";
  dialog.overwritePrompt = true;
  const std::optional<std::string> chosen = ui_.SaveFile(dialog);
  if (!chosen) {
    // Recording goes on in the file it had.
    if (!remembered.empty()) {
      std::string error;
      if (!OpenForAppend(remembered, &error, language))
        ui_.Message(std::string(kCannotReopen(language)) + "\n" + error);
    }
    return SetupResult::kFileCancelled;
  }

  const TimeOfDay preset = interval.Fields();
  const std::optional<TimeOfDay> picked = picker.PickInterval(preset);
  if (!picked) return SetupResult::kIntervalCancelled;

  std::string error;
  if (!Create(*chosen, &error, language)) {
    ui_.Message(std::string(kCannotCreate(language)) + "\n" + error);
    return SetupResult::kCreateFailed;
  }
  statusText_ = std::string(kFileLabel(language)) + ": " + BaseName(*chosen);
  interval = Interval::FromFields(picked->hour, picked->minute, picked->second);
  return SetupResult::kDone;
}

bool Recording::WriteLine(int typeIndex, const std::array<float, 6>& values, int language, std::string* notice) {
  return WriteText(RecordingLine(clock_(), typeIndex, values), language, notice);
}

bool Recording::WriteText(const std::string& line, int language, std::string* notice) {
  if (notice) notice->clear();
  if (fd_ < 0) {
    if (!noticeGiven_ && notice) *notice = NoFileNotice(language);
    noticeGiven_ = true;
    return false;
  }
  std::string reason;
  if (AppendWholeLine(line, language, &reason)) {
    created_ = false;
    return true;
  }
  if (!noticeGiven_ && notice) *notice = WriteFailedNotice(language, reason);
  noticeGiven_ = true;
  failed_ = true;
  // Lines are skipped from here on until a file is set up again.
  Close();
  return false;
}

bool Recording::AppendWholeLine(const std::string& line, int language, std::string* reason) {
  // The open file must still be the one at the path: a file deleted or replaced under
  // the recording would take the lines where nobody finds them.
  struct stat open {};
  struct stat named {};
  if (::fstat(fd_, &open) != 0 || open.st_nlink == 0 || ::stat(path_.c_str(), &named) != 0 ||
      named.st_ino != open.st_ino || named.st_dev != open.st_dev) {
    *reason = kFileGone(language);
    return false;
  }
  ssize_t n;
  do {
    n = ::write(fd_, line.data(), line.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(line.size())) return true;
  *reason = n < 0 ? platform::SystemErrorText(errno, language) : platform::reasons::kNothingWritten(language);
  // A part of a line (full disk, file size limit) is taken back: the file ends with
  // the last whole line.
  if (n > 0 && ::ftruncate(fd_, open.st_size) != 0) *reason += ", " + platform::SystemErrorText(errno, language);
  return false;
}

}  // namespace korvane::app
