#include "app/LiveFormat.h"

#include <algorithm>

#include "platform/CFormat.h"
#include "types/Catalogue.h"

namespace korvane::app {

namespace {
constexpr int kSalinityOverflowType = 23;
}

std::string FieldText(int typeIndex, int channel, float value) {
  const double v = value;
  if (channel == 6) return platform::CFormat("%.1f", v);
  if (channel < 1 || channel > 6) return {};
  if (typeIndex == kSalinityOverflowType && channel == 3) {
    // The comparison also sends a value that is not a number to ">>>>".
    if (v < 100.0) return platform::CFormat("%.1f", v);
    return ">>>>";
  }
  return platform::CFormat("%.*f", types::ChannelDecimals(typeIndex, channel), v);
}

std::string CalibrationStatusLine(int typeIndex, int language, const std::array<float, 4>& cal, int lastLabel) {
  static constexpr int kParameters[4] = {32, 33, 34, 37};
  lastLabel = std::clamp(lastLabel, 1, 4);
  std::string line;
  for (int n = 1; n <= lastLabel; ++n) {
    const std::string label = types::CalibrationLabel(typeIndex, n, language);
    if (n > 1 && label.empty()) continue;
    line += platform::CFormat("%s: %.*f  ", label.c_str(), types::CalibrationDecimals(typeIndex, kParameters[n - 1]),
                              static_cast<double>(cal[n - 1]));
  }
  return line;
}

}  // namespace korvane::app
