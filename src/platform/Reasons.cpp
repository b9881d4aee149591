#include "platform/Reasons.h"

#include <cerrno>

#include "platform/Texts.h"

namespace korvane::platform {
namespace {

struct SystemText {
  int error;
  Text text;
};
constexpr SystemText kSystemTexts[] = {
    {EACCES, {"platform", QT_TRANSLATE_NOOP("platform", "Zugriff verweigert")}},
    {EPERM, {"platform", QT_TRANSLATE_NOOP("platform", "Vorgang nicht erlaubt")}},
    {ENOENT, {"platform", QT_TRANSLATE_NOOP("platform", "Datei oder Ordner nicht vorhanden")}},
    {ENOTDIR, {"platform", QT_TRANSLATE_NOOP("platform", "Kein Ordner")}},
    {EISDIR, {"platform", QT_TRANSLATE_NOOP("platform", "Ist ein Ordner")}},
    {ENOSPC, {"platform", QT_TRANSLATE_NOOP("platform", "Kein Platz mehr auf dem Gerät")}},
    {EDQUOT, {"platform", QT_TRANSLATE_NOOP("platform", "Speicherkontingent überschritten")}},
    {EROFS, {"platform", QT_TRANSLATE_NOOP("platform", "Nur-Lese-Dateisystem")}},
    {EIO, {"platform", QT_TRANSLATE_NOOP("platform", "Ein-/Ausgabefehler")}},
    {EBUSY, {"platform", QT_TRANSLATE_NOOP("platform", "Gerät oder Ressource belegt")}},
    {ENXIO, {"platform", QT_TRANSLATE_NOOP("platform", "Gerät oder Adresse nicht vorhanden")}},
    {ENODEV, {"platform", QT_TRANSLATE_NOOP("platform", "Gerät nicht vorhanden")}},
    {ENAMETOOLONG, {"platform", QT_TRANSLATE_NOOP("platform", "Dateiname zu lang")}},
    {ELOOP, {"platform", QT_TRANSLATE_NOOP("platform", "Zu viele Ebenen symbolischer Links")}},
    {EFBIG, {"platform", QT_TRANSLATE_NOOP("platform", "Datei zu groß")}},
    {EMFILE, {"platform", QT_TRANSLATE_NOOP("platform", "Zu viele offene Dateien")}},
    {ENFILE, {"platform", QT_TRANSLATE_NOOP("platform", "Zu viele offene Dateien im System")}},
    {ETXTBSY, {"platform", QT_TRANSLATE_NOOP("platform", "Programmdatei in Benutzung")}},
    {EXDEV, {"platform", QT_TRANSLATE_NOOP("platform", "Ungültiger Link über Gerätegrenzen")}},
    {EINVAL, {"platform", QT_TRANSLATE_NOOP("platform", "Ungültiges Argument")}},
};

}  // namespace

std::string FormatReason(const Text& text, Language language, const std::string& subject) {
  return Fill(Tr(language, text), subject);
}

std::string FormatReason(const Text& text, Language language, int number) { return Fill(Tr(language, text), number); }

std::string SystemErrorText(int error, Language language) {
  for (const SystemText& t : kSystemTexts)
    if (t.error == error) return Tr(language, t.text);
  return FormatReason(reasons::kSystemError, language, error);
}

}  // namespace korvane::platform
