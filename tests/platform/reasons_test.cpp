#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/PortNames.h"
#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

// Words that give a language away; a reason in one language must hold none of the other's.
const std::vector<std::string> kEnglishWords = {" not ", " is ",  "does",   "there",   "permission", "device",
                                                "file",  "error", "in use", "written", "group",      "folder"};
const std::vector<std::string> kGermanWords = {"nicht",   " ist ",  "Gerät",  "Datei",       "Berechtigung", "Ordner",
                                               "benutzt", "Gruppe", "Fehler", "geschrieben", "vorhanden"};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

void ExpectSpeaks(const std::string& text, Language language) {
  const auto& foreign = language == Language::kGerman ? kEnglishWords : kGermanWords;
  for (const std::string& word : foreign)
    EXPECT_EQ(Lower(text).find(Lower(word)), std::string::npos) << "\"" << word << "\" in: " << text;
}

TEST(Reasons, EveryReasonOfPortsAndFilesSpeaksOneLanguage) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string dangling = folder + "/ttyGone";
  ASSERT_EQ(::symlink("/dev/nonexistent-tty", dangling.c_str()), 0);
  const std::string fifo = folder + "/fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string danglingFile = folder + "/missing.ini";
  ASSERT_EQ(::symlink("nowhere", danglingFile.c_str()), 0);

  const struct Case {
    const char* what;
    std::function<std::string(Language)> reason;
    const char* de;  // a part of the German text
    const char* en;  // and of the English one
  } cases[] = {
      {"missing device", [&](Language l) { return OpenFailureReason("/dev/ttyUSB7", ENOENT, l); },
       "/dev/ttyUSB7 existiert nicht.", "/dev/ttyUSB7 does not exist."},
      {"link to a missing device", [&](Language l) { return OpenFailureReason(dangling, ENOENT, l); },
       "auf ein Gerät, das nicht vorhanden ist", "points to a device that is not there"},
      {"no permission", [&](Language l) { return PermissionReason("/dev/ttyS0", "dialout", 20, S_IFCHR | 0660, l); },
       "sudo usermod -aG dialout $USER", "sudo usermod -aG dialout $USER"},
      {"no permission, no group",
       [&](Language l) { return PermissionReason("/dev/ttyS0", "root", 0, S_IFCHR | 0660, l); },
       "Keine Berechtigung, /dev/ttyS0 zu öffnen.", "No permission to open /dev/ttyS0."},
      {"busy", [&](Language l) { return OpenFailureReason("/dev/ttyS1", EBUSY, l); },
       "von einem anderen Programm benutzt", "in use by another program"},
      {"not a terminal", [&](Language l) { return NotSerialReason("/dev/null", l); }, "keine serielle Schnittstelle",
       "not a serial device"},
      {"a folder", [&](Language l) { return OpenFailureReason("/tmp", EISDIR, l); }, "keine serielle Schnittstelle",
       "not a serial device"},
      {"other system error", [&](Language l) { return OpenFailureReason("/dev/ttyS2", EIO, l); }, "Ein-/Ausgabefehler",
       "Input/output error"},
      {"unknown system error", [&](Language l) { return SystemErrorText(9999, l); }, "Systemfehler 9999",
       "system error 9999"},
      {"gone", [&](Language l) { return FormatReason(reasons::kGone, l, "/dev/ttyUSB0"); }, "nicht mehr vorhanden",
       "has gone away"},
      {"COM without device", [&](Language l) { return FormatReason(reasons::kNoDeviceForCom, l, 200); },
       "COM 200 hat auf diesem Rechner kein Gerät", "COM 200 has no device on this computer"},
      {"baud rate", [&](Language l) { return FormatReason(reasons::kBadBaud, l, 12345); }, "12345 Baud ist keine",
       "12345 baud is not"},
      {"FIFO", [&](Language l) { return WriteTargetProblem(fifo, l); }, "keine gewöhnliche Datei (FIFO)",
       "not a regular file (FIFO)"},
      {"folder as file", [&](Language l) { return WriteTargetProblem(folder, l); }, "(Ordner)", "(directory)"},
      {"character device", [&](Language l) { return WriteTargetProblem("/dev/null", l); },
       "(zeichenorientiertes Gerät)", "(character device)"},
      {"dangling file link", [&](Language l) { return WriteTargetProblem(danglingFile, l); }, "fehlende Datei",
       "missing file"},
      {"save refused",
       [&](Language l) {
         std::string error;
         SaveFileReplacing(fifo, "x", &error, l);
         return error;
       },
       "keine gewöhnliche Datei", "not a regular file"},
      {"unreadable file", [&](Language l) { return ReadProblem(folder + "/none.qx4", l); }, "nicht vorhanden",
       "No such file"},
      {"disk full", [&](Language l) { return SystemErrorText(ENOSPC, l); }, "Kein Platz mehr", "No space left"},
      {"read-only", [&](Language l) { return SystemErrorText(EROFS, l); }, "Nur-Lese-Dateisystem",
       "Read-only file system"},
      {"PDF", [&](Language l) { return std::string(Tr(l, reasons::kPdfNotDrawn)); }, "PDF konnte nicht",
       "PDF could not"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string de = c.reason(Language::kGerman);
    const std::string en = c.reason(Language::kEnglish);
    EXPECT_NE(de.find(c.de), std::string::npos) << de;
    EXPECT_NE(en.find(c.en), std::string::npos) << en;
    ExpectSpeaks(de, Language::kGerman);
    ExpectSpeaks(en, Language::kEnglish);
  }
}

TEST(Reasons, EverySystemErrorTheProgramMeetsHasBothTexts) {
  for (int error : {EACCES, EPERM,  ENOENT,       ENOTDIR, EISDIR, ENOSPC, EDQUOT, EROFS,   EIO,   EBUSY,
                    ENXIO,  ENODEV, ENAMETOOLONG, ELOOP,   EFBIG,  EMFILE, ENFILE, ETXTBSY, EXDEV, EINVAL}) {
    SCOPED_TRACE(error);
    EXPECT_EQ(SystemErrorText(error, Language::kGerman).find("Systemfehler"), std::string::npos);
    EXPECT_NE(SystemErrorText(error, Language::kGerman), SystemErrorText(error, Language::kEnglish));
    ExpectSpeaks(SystemErrorText(error, Language::kGerman), Language::kGerman);
    ExpectSpeaks(SystemErrorText(error, Language::kEnglish), Language::kEnglish);
  }
}

}  // namespace
}  // namespace korvane::platform
