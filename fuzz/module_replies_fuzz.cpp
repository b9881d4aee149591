// Whatever a module or display unit replies: the parameter report keeps its lines (one
// per value, nothing in them that breaks a line or steers a terminal), and the display
// unit's configuration is saved only as a display file that loads again to the same
// file. The input: a type byte, then replies of six bytes each (group, parameter, four
// data bytes) as the link hands them to the module object.
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/DisplayFile.h"
#include "display/DisplayTransfer.h"
#include "fuzz_check.h"
#include "link/ReplyRules.h"
#include "parametrization/ParameterReport.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  link::ModuleState m;
  const int typeIndex = data[0] % 31;
  for (std::size_t at = 1; at + 6 <= size; at += 6) {
    const link::Frame reply =
        link::BuildFrame(0, data[at] % 4, 4, data[at + 1], {data[at + 2], data[at + 3], data[at + 4], data[at + 5]});
    link::DispatchReply(reply, m);
  }

  // The report: the date line and one line per parameter (two for the identity).
  const std::string report = parametrization::BuildParameterReport(m, typeIndex, {2026, 3, 9, 14, 5, 0});
  std::size_t lines = 0;
  for (std::size_t at = 0; at < report.size(); ++lines) {
    const std::size_t end = report.find("\n\r", at);
    FUZZ_CHECK(end != std::string::npos);  // every line ends in LF CR
    for (std::size_t i = at; i < end; ++i) FUZZ_CHECK(static_cast<unsigned char>(report[i]) >= 0x20);
    at = end + 2;
  }
  FUZZ_CHECK(lines == parametrization::ReportParameters(typeIndex).size() + 2);

  // The display unit: what display-read would save loads again to the same file, or
  // it is refused (and then not saved).
  display::DisplaySettings s;
  display::ConfigurationFromReplies(m, s);
  display::OutputsFromReplies(m, s.outputs);
  const std::string text = display::BuildDisplayText(s);
  display::DisplaySettings loaded;
  if (display::ParseDisplayText(text, loaded, korvane::Language::kEnglish)) return 0;
  FUZZ_CHECK(display::BuildDisplayText(loaded) == text);
  return 0;
}
