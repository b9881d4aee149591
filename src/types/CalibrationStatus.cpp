#include "types/CalibrationStatus.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "types/Catalogue.h"

namespace korvane::types {

std::string CalibrationStatusLine(int typeIndex, Language language, const std::array<float, 4>& cal, int lastLabel) {
  static constexpr int kParameters[4] = {32, 33, 34, 37};
  lastLabel = std::clamp(lastLabel, 1, 4);
  std::string line;
  for (int n = 1; n <= lastLabel; ++n) {
    const std::string label = CalibrationLabel(typeIndex, n, language);
    if (n > 1 && label.empty()) continue;
    line += label + ": " +
            platform::WithoutNegativeZero(platform::StringPrintf(
                "%.*f", CalibrationDecimals(typeIndex, kParameters[n - 1]), static_cast<double>(cal[n - 1]))) +
            "  ";
  }
  return line;
}

}  // namespace korvane::types
