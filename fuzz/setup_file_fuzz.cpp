// The setup file reader with the dialog's rules: a file the program saves from what it
// read passes its own checksum on reload and gives the same settings.
#include <cstddef>
#include <cstdint>
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
  // What the dialog does with it: shown, taken back, key values from the lists.
  OpenDialogData(s);
  KeyValuesFromIndices(s, s.AbsoluteType());
  KeyIndicesFromValues(s, s.AbsoluteType());

  const std::string saved = SetupFile::BuildSetupText(s);
  // A value holding "==" reads back as another key's value (the first "KEY==" in the
  // file counts, the checksum key's too): the format cannot carry it, so such inputs
  // are not judged here.
  std::size_t separators = 0, lines = 0;
  for (std::size_t at = saved.find("=="); at != std::string::npos; at = saved.find("==", at + 1)) ++separators;
  for (std::size_t at = saved.find("\n\r"); at != std::string::npos; at = saved.find("\n\r", at + 2)) ++lines;
  if (separators != lines) return 0;

  ConfigSettings reloaded;
  FUZZ_CHECK(SetupFile::ParseSetupText(saved, reloaded, true) == SetupFile::kOk);
  FUZZ_CHECK(SetupFile::BuildSetupText(reloaded) == saved);
  return 0;
}
