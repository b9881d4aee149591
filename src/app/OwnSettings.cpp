#include "app/OwnSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include "platform/Account.h"
#include "platform/SafeFile.h"

namespace korvane::app {
namespace {

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

bool SaveOwnSettings(const std::string& settingsFolder, const OwnSettings& s, std::string* error, Language language) {
  if (!QDir().mkpath(QString::fromStdString(settingsFolder))) {
    if (error) *error = settingsFolder;
    return false;
  }
  std::string reason;
  const std::string path = OwnSettingsPath(settingsFolder);
  if (platform::SaveFileReplacing(path, FormatOwnSettings(s), &reason, language)) return true;
  if (error) *error = path + ": " + reason;
  return false;
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
