#include "platform/Reasons.h"

#include <cerrno>
#include <string_view>

namespace korvane::platform {
namespace {

struct SystemText {
  int error;
  TextPair text;
};
constexpr SystemText kSystemTexts[] = {
    {EACCES, {"Zugriff verweigert", "Permission denied"}},
    {EPERM, {"Vorgang nicht erlaubt", "Operation not permitted"}},
    {ENOENT, {"Datei oder Ordner nicht vorhanden", "No such file or directory"}},
    {ENOTDIR, {"Kein Ordner", "Not a directory"}},
    {EISDIR, {"Ist ein Ordner", "Is a directory"}},
    {ENOSPC, {"Kein Platz mehr auf dem Gerät", "No space left on device"}},
    {EDQUOT, {"Speicherkontingent überschritten", "Disk quota exceeded"}},
    {EROFS, {"Nur-Lese-Dateisystem", "Read-only file system"}},
    {EIO, {"Ein-/Ausgabefehler", "Input/output error"}},
    {EBUSY, {"Gerät oder Ressource belegt", "Device or resource busy"}},
    {ENXIO, {"Gerät oder Adresse nicht vorhanden", "No such device or address"}},
    {ENODEV, {"Gerät nicht vorhanden", "No such device"}},
    {ENAMETOOLONG, {"Dateiname zu lang", "File name too long"}},
    {ELOOP, {"Zu viele Ebenen symbolischer Links", "Too many levels of symbolic links"}},
    {EFBIG, {"Datei zu groß", "File too large"}},
    {EMFILE, {"Zu viele offene Dateien", "Too many open files"}},
    {ENFILE, {"Zu viele offene Dateien im System", "Too many open files in system"}},
    {ETXTBSY, {"Programmdatei in Benutzung", "Text file busy"}},
    {EXDEV, {"Ungültiger Link über Gerätegrenzen", "Invalid cross-device link"}},
    {EINVAL, {"Ungültiges Argument", "Invalid argument"}},
};

std::string Replace(std::string_view pattern, std::string_view marker, const std::string& value) {
  std::string out;
  for (std::size_t at = 0;;) {
    const std::size_t next = pattern.find(marker, at);
    out.append(pattern.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
    if (next == std::string_view::npos) return out;
    out += value;
    at = next + marker.size();
  }
}

}  // namespace

std::string FormatReason(const TextPair& text, Language language, const std::string& subject) {
  return Replace(text(language), "%s", subject);
}

std::string FormatReason(const TextPair& text, Language language, int number) {
  return Replace(text(language), "%d", std::to_string(number));
}

std::string SystemErrorText(int error, Language language) {
  for (const SystemText& t : kSystemTexts)
    if (t.error == error) return t.text(language);
  return FormatReason(reasons::kSystemError, language, error);
}

}  // namespace korvane::platform
