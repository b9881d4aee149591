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
  const auto& foreign = language == 0 ? kEnglishWords : kGermanWords;
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
    std::function<std::string(int)> reason;
    const char* de;  // a part of the German text
    const char* en;  // and of the English one
  } cases[] = {
      {"missing device", [&](int l) { return OpenFailureReason("/dev/ttyUSB7", ENOENT, l); },
       "/dev/ttyUSB7 existiert nicht.", "/dev/ttyUSB7 does not exist."},
      {"link to a missing device", [&](int l) { return OpenFailureReason(dangling, ENOENT, l); },
       "auf ein Gerät, das nicht vorhanden ist", "points to a device that is not there"},
      {"no permission", [&](int l) { return PermissionReason("/dev/ttyS0", "dialout", 20, S_IFCHR | 0660, l); },
       "sudo usermod -aG dialout $USER", "sudo usermod -aG dialout $USER"},
      {"no permission, no group", [&](int l) { return PermissionReason("/dev/ttyS0", "root", 0, S_IFCHR | 0660, l); },
       "Keine Berechtigung, /dev/ttyS0 zu öffnen.", "No permission to open /dev/ttyS0."},
      {"busy", [&](int l) { return OpenFailureReason("/dev/ttyS1", EBUSY, l); }, "von einem anderen Programm benutzt",
       "in use by another program"},
      {"not a terminal", [&](int l) { return NotSerialReason("/dev/null", l); }, "keine serielle Schnittstelle",
       "not a serial device"},
      {"a folder", [&](int l) { return OpenFailureReason("/tmp", EISDIR, l); }, "keine serielle Schnittstelle",
       "not a serial device"},
      {"other system error", [&](int l) { return OpenFailureReason("/dev/ttyS2", EIO, l); }, "Ein-/Ausgabefehler",
       "Input/output error"},
      {"unknown system error", [&](int l) { return SystemErrorText(9999, l); }, "Systemfehler 9999",
       "system error 9999"},
      {"gone", [&](int l) { return FormatReason(reasons::kGone, l, "/dev/ttyUSB0"); }, "nicht mehr vorhanden",
       "has gone away"},
      {"COM without device", [&](int l) { return FormatReason(reasons::kNoDeviceForCom, l, 200); },
       "COM 200 hat auf diesem Rechner kein Gerät", "COM 200 has no device on this computer"},
      {"baud rate", [&](int l) { return FormatReason(reasons::kBadBaud, l, 12345); }, "12345 Baud ist keine",
       "12345 baud is not"},
      {"FIFO", [&](int l) { return WriteTargetProblem(fifo, l); }, "keine gewöhnliche Datei (FIFO)",
       "not a regular file (FIFO)"},
      {"folder as file", [&](int l) { return WriteTargetProblem(folder, l); }, "(Ordner)", "(directory)"},
      {"character device", [&](int l) { return WriteTargetProblem("/dev/null", l); }, "(zeichenorientiertes Gerät)",
       "(character device)"},
      {"dangling file link", [&](int l) { return WriteTargetProblem(danglingFile, l); }, "fehlende Datei",
       "missing file"},
      {"save refused",
       [&](int l) {
         std::string error;
         SaveFileReplacing(fifo, "x", &error, l);
         return error;
       },
       "keine gewöhnliche Datei", "not a regular file"},
      {"unreadable file", [&](int l) { return ReadProblem(folder + "/none.qx4", l); }, "nicht vorhanden",
       "No such file"},
      {"disk full", [&](int l) { return SystemErrorText(ENOSPC, l); }, "Kein Platz mehr", "No space left"},
      {"read-only", [&](int l) { return SystemErrorText(EROFS, l); }, "Nur-Lese-Dateisystem", "Read-only file system"},
      {"PDF", [&](int l) { return std::string(reasons::kPdfNotDrawn(l)); }, "PDF konnte nicht", "PDF could not"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string de = c.reason(0);
    const std::string en = c.reason(1);
    EXPECT_NE(de.find(c.de), std::string::npos) << de;
    EXPECT_NE(en.find(c.en), std::string::npos) << en;
    ExpectSpeaks(de, 0);
    ExpectSpeaks(en, 1);
  }
}

TEST(Reasons, EverySystemErrorTheProgramMeetsHasBothTexts) {
  for (int error : {EACCES, EPERM,  ENOENT,       ENOTDIR, EISDIR, ENOSPC, EDQUOT, EROFS,   EIO,   EBUSY,
                    ENXIO,  ENODEV, ENAMETOOLONG, ELOOP,   EFBIG,  EMFILE, ENFILE, ETXTBSY, EXDEV, EINVAL}) {
    SCOPED_TRACE(error);
    EXPECT_EQ(SystemErrorText(error, 0).find("Systemfehler"), std::string::npos);
    EXPECT_NE(SystemErrorText(error, 0), SystemErrorText(error, 1));
    ExpectSpeaks(SystemErrorText(error, 0), 0);
    ExpectSpeaks(SystemErrorText(error, 1), 1);
  }
}

}  // namespace
}  // namespace korvane::platform
