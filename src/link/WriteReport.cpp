#include "link/WriteReport.h"

#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::link {

std::string WriteReportText(const WriteReport& report, Language language) {
  if (report.lineLost) return Tr(language, types::kLineLostWhileWriting);
  if (report.unanswered > 0) return platform::Fill(Tr(language, types::kUnansweredWrites), report.unanswered);
  return {};
}

}  // namespace korvane::link
