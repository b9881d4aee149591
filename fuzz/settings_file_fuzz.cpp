// The settings file reader: whatever a file holds, what the program writes back reads
// as the same settings.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/SettingsFile.h"
#include "fuzz_check.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const app::AppSettings first = app::ParseSettingsText(bytes);
  const std::string written = app::FormatSettingsText(first);
  const app::AppSettings again = app::ParseSettingsText(written);
  FUZZ_CHECK(app::FormatSettingsText(again) == written);
  FUZZ_CHECK(again.portIndex == first.portIndex && again.baud == first.baud && again.language == first.language &&
             again.parametrize == first.parametrize);
  return 0;
}
