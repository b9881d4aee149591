// The setup file reader with the dialog's rules: a file the program saves from what it
// read passes its own checksum on reload and gives the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "configuration/ConfigSettings.h"
#include "configuration/DialogExchange.h"
#include "configuration/SetupFile.h"
#include "fuzz_check.h"

using namespace korvane::configuration;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ConfigSettings s;
  const int result = SetupFile::ParseSetupText(text, s, true);
  FUZZ_CHECK(result == SetupFile::kOk || result == SetupFile::kDataError);
  {
    // The key conversions of a module transfer take whatever the file held.
    ConfigSettings keys = s;
    KeyIndicesFromValues(keys, keys.AbsoluteType());
    KeyValuesFromIndices(keys, keys.AbsoluteType());
  }
  // "Öffnen" in the dialog: shown and taken back; "Speichern" writes what it holds.
  OpenDialogData(s);

  const std::string saved = SetupFile::BuildSetupText(s);
  // A value holding "==" reads back as another key's value (the first "KEY==" in the
  // file counts, the checksum key's too): the format cannot carry it, so such inputs
  // are not judged here.
  std::size_t separators = 0, lines = 0;
  for (std::size_t at = saved.find("=="); at != std::string::npos; at = saved.find("==", at + 1)) ++separators;
  for (std::size_t at = saved.find("\n\r"); at != std::string::npos; at = saved.find("\n\r", at + 2)) ++lines;
  if (separators != lines) return 0;
  // The checksum key inside a value is refused on entry and by the save.
  if (saved.find("CECKSUMM") != saved.rfind("CECKSUMM")) return 0;

  // Opened in the dialog again, the file gives the same settings (a list index -1 reads
  // back as 255, which the dialog shows as no selection again).
  ConfigSettings reloaded;
  const int reloadResult = SetupFile::ParseSetupText(saved, reloaded, true);
  if (reloadResult != SetupFile::kOk) std::fwrite(saved.data(), 1, saved.size(), stderr);  // the reproducer's file
  FUZZ_CHECK(reloadResult == SetupFile::kOk);
  OpenDialogData(reloaded);
  const std::string again = SetupFile::BuildSetupText(reloaded);
  if (again != saved) std::fprintf(stderr, "saved:\n%s\nreloaded:\n%s\n", saved.c_str(), again.c_str());
  FUZZ_CHECK(again == saved);
  return 0;
}
