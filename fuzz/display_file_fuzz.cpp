// The display file reader: a bad file changes nothing, and a file it accepts is saved
// so that it loads again to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "display/DisplayFile.h"
#include "fuzz_check.h"

using namespace korvane::display;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  DisplaySettings s;
  const std::string before = BuildDisplayText(s);
  if (const auto error =
          ParseDisplayText(text, s, size % 2 ? korvane::Language::kEnglish : korvane::Language::kGerman)) {
    FUZZ_CHECK(error->line >= 1);
    FUZZ_CHECK(!error->reason.empty());
    FUZZ_CHECK(BuildDisplayText(s) == before);  // nothing applied from a bad file
    return 0;
  }
  const std::string saved = BuildDisplayText(s);
  DisplaySettings reloaded;
  const auto reloadError = ParseDisplayText(saved, reloaded, korvane::Language::kGerman);
  if (reloadError)
    std::fprintf(stderr, "line %d: %s\n%s\n", reloadError->line, reloadError->reason.c_str(), saved.c_str());
  FUZZ_CHECK(!reloadError);
  const std::string again = BuildDisplayText(reloaded);
  if (again != saved) std::fprintf(stderr, "saved:\n%s\nreloaded:\n%s\n", saved.c_str(), again.c_str());
  FUZZ_CHECK(again == saved);
  return 0;
}
