#include "app/OwnSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include "platform/Account.h"
#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace korvane::app {
namespace {

// An exclusive lock on the settings folder for as long as it lives; given up after two
// seconds (a program that holds it longer is stuck, and the settings are not worth a
// hang).
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    for (int i = 0; fd_ >= 0 && i < 200; ++i) {
      if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

std::string Trimmed(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<std::string> OwnSettings::Get(const std::string& key) const {
  const auto it = values.find(key);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::string OwnSettingsPath(const std::string& settingsFolder) { return settingsFolder + "/korvane.conf"; }

OwnSettings ParseOwnSettings(const std::string& text) {
  OwnSettings s;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || Trimmed(line).rfind('#', 0) == 0) continue;
    const std::string key = Trimmed(line.substr(0, eq));
    if (!key.empty()) s.values[key] = line.substr(eq + 1);
  }
  return s;
}

std::string FormatOwnSettings(const OwnSettings& s) {
  std::string text;
  for (const auto& [key, value] : s.values) text += key + "=" + value + "\n";
  return text;
}

OwnSettings LoadOwnSettings(const std::string& settingsFolder, std::string* problem) {
  const std::string path = OwnSettingsPath(settingsFolder);
  if (!QFileInfo::exists(QString::fromStdString(path)) && !QFileInfo(QString::fromStdString(path)).isSymLink())
    return {};
  if (const std::optional<std::string> text = platform::ReadWholeFile(path)) return ParseOwnSettings(*text);
  if (problem) *problem = path + ": " + platform::ReadProblem(path, Language::kEnglish);
  return {};
}

namespace {

bool SaveLocked(const std::string& settingsFolder, const OwnSettings& s, std::string* error, Language language) {
  std::string reason;
  const std::string path = OwnSettingsPath(settingsFolder);
  if (platform::SaveFileReplacing(path, FormatOwnSettings(s), &reason, language)) return true;
  if (error) *error = path + ": " + reason;
  return false;
}

bool MakeFolder(const std::string& settingsFolder, std::string* error) {
  if (QDir().mkpath(QString::fromStdString(settingsFolder))) return true;
  if (error) *error = settingsFolder;
  return false;
}

}  // namespace

bool SaveOwnSettings(const std::string& settingsFolder, const OwnSettings& s, std::string* error, Language language) {
  if (!MakeFolder(settingsFolder, error)) return false;
  const FolderLock lock(settingsFolder);
  return SaveLocked(settingsFolder, s, error, language);
}

bool UpdateOwnSettings(const std::string& settingsFolder, const std::function<bool(OwnSettings&)>& change,
                       std::string* error, Language language) {
  if (!MakeFolder(settingsFolder, error)) return false;
  const FolderLock lock(settingsFolder);
  std::string problem;
  OwnSettings s = LoadOwnSettings(settingsFolder, &problem);
  // A file that cannot be read is not replaced by one that lost its lines.
  if (!problem.empty()) {
    if (error) *error = problem;
    return false;
  }
  return !change(s) || SaveLocked(settingsFolder, s, error, language);
}

std::optional<std::string> TechnicianName(const std::string& typed) {
  const std::string name = Trimmed(typed);
  if (name.empty()) return std::nullopt;
  for (const unsigned char c : name)
    if (c < 0x20 || c == 0x7F) return std::nullopt;
  return name;
}

std::string TechnicianOf(const OwnSettings& s) {
  if (const std::optional<std::string> kept = s.Get(kTechnicianKey)) {
    if (const std::optional<std::string> name = TechnicianName(*kept)) return *name;
  }
  return platform::AccountName();
}

}  // namespace korvane::app
