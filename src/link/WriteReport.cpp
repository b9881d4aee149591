#include "link/WriteReport.h"

#include "platform/NumberText.h"
#include "types/Texts.h"

namespace korvane::link {

std::string WriteReportText(const WriteReport& report, Language language) {
  if (report.lineLost) return types::kLineLostWhileWriting(language);
  if (report.unanswered > 0) return platform::StringPrintf(types::kUnansweredWrites(language), report.unanswered);
  return {};
}

}  // namespace korvane::link
