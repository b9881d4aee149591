#include "measurement/Recording.h"

#include <sys/stat.h>

#include "measurement/RecordingLine.h"
#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::measurement {
namespace {

constexpr types::Text kFileLabel{"measurement", QT_TRANSLATE_NOOP("measurement", "Aufzeichnungsdatei")};
constexpr types::Text kCannotCreate{
    "measurement", QT_TRANSLATE_NOOP("measurement", "Die Aufzeichnungsdatei kann nicht angelegt werden:")};
constexpr types::Text kCannotReopen{
    "measurement", QT_TRANSLATE_NOOP("measurement", "Die Aufzeichnungsdatei kann nicht wieder geöffnet werden:")};
constexpr types::Text kNoFile{
    "measurement",
    QT_TRANSLATE_NOOP("measurement", "Keine Aufzeichnungsdatei offen - Werte werden nicht aufgezeichnet.")};
constexpr types::Text kWriteFailed{
    "measurement", QT_TRANSLATE_NOOP("measurement", "Aufzeichnung fehlgeschlagen - Werte werden nicht aufgezeichnet:")};

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Recording::Recording(platform::Ui& ui, platform::Clock clock) : ui_(ui), clock_(std::move(clock)) {}

Recording::~Recording() { Close(); }

std::string Recording::NoFileNotice(Language language) { return Tr(language, kNoFile); }

std::string Recording::WriteFailedNotice(Language language, const std::string& reason) {
  return std::string(Tr(language, kWriteFailed)) + " " + reason;
}

void Recording::Close() {
  // Nothing was recorded into the file this recording made: it goes again, unless
  // something else took its place meanwhile.
  file_.Close(created_);
  created_ = false;
}

void Recording::Release() {
  Close();
  path_.clear();
  statusText_.clear();
}

bool Recording::OpenForAppend(const std::string& path, std::string* error, Language language) {
  struct stat st {};
  const bool existed = ::stat(path.c_str(), &st) == 0;
  if (!Open(path, false, error, language)) return false;
  created_ = !existed;
  return true;
}

bool Recording::Create(const std::string& path, std::string* error, Language language) {
  return Open(path, true, error, language);
}

bool Recording::Open(const std::string& path, bool truncate, std::string* error, Language language) {
  Close();
  std::string reason;
  if (!file_.Open(path, truncate, &reason, language)) {
    if (error) *error = reason;
    return false;
  }
  path_ = path;
  noticeGiven_ = false;
  failed_ = false;
  return true;
}

Recording::SetupResult Recording::Setup(Language language, Interval& interval, IntervalPicker& picker) {
  std::string remembered;
  if (isOpen() && path_.size() > 1) remembered = path_;
  Close();

  platform::FileDialogSpec dialog;
  dialog.defaultExtension = "txt";
  dialog.initialName = "*.txt";
  dialog.filter = "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||";
  dialog.overwritePrompt = true;
  dialog.kind = "recording";
  const std::optional<std::string> chosen = ui_.SaveFile(dialog);
  if (!chosen) {
    // Recording goes on in the file it had.
    if (!remembered.empty()) {
      std::string error;
      if (!OpenForAppend(remembered, &error, language))
        ui_.Message(std::string(Tr(language, kCannotReopen)) + "\n" + error);
    }
    return SetupResult::kFileCancelled;
  }

  const TimeOfDay preset = interval.Fields();
  const std::optional<TimeOfDay> picked = picker.PickInterval(preset);
  if (!picked) return SetupResult::kIntervalCancelled;

  std::string error;
  if (!Create(*chosen, &error, language)) {
    ui_.Message(std::string(Tr(language, kCannotCreate)) + "\n" + error);
    return SetupResult::kCreateFailed;
  }
  statusText_ = std::string(Tr(language, kFileLabel)) + ": " + BaseName(*chosen);
  interval = Interval::FromFields(picked->hour, picked->minute, picked->second);
  return SetupResult::kDone;
}

bool Recording::WriteLine(int typeIndex, const std::array<float, 6>& values, Language language, std::string* notice) {
  return WriteText(RecordingLine(clock_(), typeIndex, values), language, notice);
}

bool Recording::WriteLine(int typeIndex, const std::array<float, 6>& values, const std::array<bool, 6>& answered,
                          Language language, std::string* notice) {
  return WriteText(RecordingLine(clock_(), typeIndex, values, answered), language, notice);
}

bool Recording::WriteText(const std::string& line, Language language, std::string* notice) {
  if (notice) notice->clear();
  if (!file_.isOpen()) {
    if (!noticeGiven_ && notice) *notice = NoFileNotice(language);
    noticeGiven_ = true;
    return false;
  }
  std::string reason;
  if (file_.Append(line, language, &reason)) {
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

}  // namespace korvane::measurement
