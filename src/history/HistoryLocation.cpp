#include "history/HistoryLocation.h"

#include <QDir>
#include <QSysInfo>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::history {

std::string DataFolder() {
  if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata) return std::string(appdata) + "/Korvane";
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/Korvane";
  return QDir::homePath().toStdString() + "/.local/share/Korvane";
}

std::string DefaultHistoryPath() { return DataFolder() + "/history.sqlite"; }

bool ParseHistoryOption(const std::string& text, HistoryChoice* choice, std::string* error) {
  choice->location.reset();
  if (text == "none") return true;
  const std::string name = text.empty() ? DefaultHistoryPath() : text;
  std::string why;
  std::optional<store::Location> l = store::Location::Parse(name, &why);
  if (!l) {
    if (error) *error = "--history: " + why;
    return false;
  }
  struct stat st {};
  if (l->backend == store::Location::Backend::kSqlite && ::stat(l->path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    if (error) *error = "--history names a folder, not a file: " + l->path;
    return false;
  }
  choice->location = std::move(l);
  return true;
}

std::string LoginName() {
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  if (const char* user = std::getenv("USER"); user && *user) return user;
  return std::to_string(::geteuid());
}

std::string HostName() { return QSysInfo::machineHostName().toStdString(); }

}  // namespace korvane::history
