#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::app {

namespace {

constexpr platform::Text kNoFolder{
    "app", QT_TRANSLATE_NOOP("app", "Der Ordner für die Einstellungen kann nicht angelegt werden:")};

std::string JoinLinesUpToEmptyLine(const std::string& bytes) {
  // Lines end at LF. The program's own files end lines with LF CR, so every line after
  // the first starts with a CR: a line counts as empty when nothing but CRs is left.
  std::string joined;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line;
    for (std::size_t i = start; i < end; ++i)
      if (bytes[i] != '\r') line += bytes[i];
    if (line.empty()) break;
    joined += line;
    start = end + 1;
  }
  return joined;
}

// The `count` characters (fewer at the end of the text) after the key's first occurrence.
bool ValueAfter(const std::string& text, const char* key, std::size_t count, std::string* value) {
  const std::size_t pos = text.find(key);
  if (pos == std::string::npos) return false;
  *value = text.substr(pos + std::char_traits<char>::length(key), count);
  return true;
}

int ReadInt(const std::string& text) { return platform::ToInt(text); }

}  // namespace

AppSettings ParseSettingsText(const std::string& fileBytes) {
  AppSettings s;
  const std::string text = JoinLinesUpToEmptyLine(fileBytes);
  std::string v;
  if (ValueAfter(text, "PORT=", 3, &v)) s.portIndex = ReadInt(v);
  if (ValueAfter(text, "BAUD=", 5, &v)) s.baud = ReadInt(v);
  if (ValueAfter(text, "INTERVALL=", 8, &v)) {
    auto field = [&v](std::size_t at) { return at < v.size() ? ReadInt(v.substr(at, 2)) : 0; };
    s.interval = measurement::Interval::FromFields(field(0), field(3), field(6));
  }
  if (ValueAfter(text, "SPRACHE=", 1, &v)) s.language = LanguageFromSetting(ReadInt(v));
  if (ValueAfter(text, "PARAMETRIEREN=", 1, &v)) s.parametrize = ReadInt(v);
  return s;
}

std::string FormatSettingsText(const AppSettings& s) {
  // A negative interval (only a hand-edited file has one) counts as none; written as such
  // it reads back the same, where "-12:-3:-5" would not.
  const measurement::TimeOfDay t = s.interval.days < 0 ? measurement::TimeOfDay{} : s.interval.Fields();
  return platform::StringPrintf(
      "[RS232]\n\rPORT=%d\n\rBAUD=%d\n\r[SETUP]\n\rINTERVALL=%02d:%02d:%02d\n\rSPRACHE=%d\n\rPARAMETRIEREN=%d\n\r",
      s.portIndex, s.baud, t.hour, t.minute, t.second, SettingOf(s.language), s.parametrize);
}

std::string SettingsFilePath(const std::string& settingsFolder) { return settingsFolder + "/config.ini"; }

AppSettings LoadSettingsFile(const std::string& settingsFolder) {
  try {
    const QString path = QString::fromStdString(SettingsFilePath(settingsFolder));
    const QFileInfo info(path);
    // Only a regular file (or a link to one) of input size is read: opening a pipe or a
    // device that somebody put there could block the start for ever.
    if (const std::optional<std::string> bytes = platform::ReadWholeFile(path.toStdString()))
      return ParseSettingsText(*bytes);
    // First start: leave an empty file behind. An existing file that cannot be read is
    // left as it is.
    if (!info.exists() && !info.isSymLink() && QDir().mkpath(QString::fromStdString(settingsFolder))) {
      QFile empty(path);
      if (empty.open(QIODevice::WriteOnly | QIODevice::NewOnly)) empty.close();
    }
  } catch (...) {
  }
  return AppSettings{};
}

bool SaveSettingsFile(const std::string& settingsFolder, const AppSettings& s, std::string* error) {
  const QString folder = QString::fromStdString(settingsFolder);
  if (!QDir().mkpath(folder)) {
    if (error) *error = std::string(Tr(s.language, kNoFolder)) + " " + settingsFolder;
    return false;
  }
  const std::string path = SettingsFilePath(settingsFolder);
  std::string reason;
  if (!platform::SaveFileReplacing(path, FormatSettingsText(s), &reason, s.language)) {
    if (error) *error = path + ": " + reason;
    return false;
  }
  return true;
}

}  // namespace korvane::app
