#include "measurement/LiveFormat.h"

#include "platform/NumberText.h"
#include "types/Catalogue.h"

namespace korvane::measurement {

namespace {
constexpr int kSalinityOverflowType = 23;
}

bool ShowsChannel(int typeIndex, int channel) {
  // The temperature has its field (and its "°C") for every type.
  return channel == 6 ||
         (channel >= 1 && channel <= 5 && !types::ChannelLabel(typeIndex, channel, Language::kGerman).empty());
}

std::string FieldText(int typeIndex, int channel, float value) {
  const double v = value;
  if (!ShowsChannel(typeIndex, channel)) return {};
  if (channel == 6) return platform::StringPrintf("%.1f", v);
  if (typeIndex == kSalinityOverflowType && channel == 3) {
    // The comparison also sends a value that is not a number to ">>>>".
    if (v < 100.0) return platform::StringPrintf("%.1f", v);
    return ">>>>";
  }
  return platform::StringPrintf("%.*f", types::ChannelDecimals(typeIndex, channel), v);
}

}  // namespace korvane::measurement
