#include "measurement/RecordingLine.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "types/Catalogue.h"

namespace korvane::measurement {

std::string RecordingLine(const platform::LocalTime& t, int typeIndex, const std::array<float, 6>& values) {
  const std::string date =
      platform::StringPrintf("%02d.%02d.%02d\t%02d:%02d\t", t.day, t.month, t.year, t.hour, t.minute);
  auto d = [typeIndex](int channel) { return types::ChannelDecimals(typeIndex, channel); };
  std::string part = platform::StringPrintf("%.*f\t%.*f\t%.*f\t%.*f\t%.*f\t%.1f\r\n", d(1),
                                            static_cast<double>(values[0]), d(2), static_cast<double>(values[1]), d(3),
                                            static_cast<double>(values[2]), d(4), static_cast<double>(values[3]), d(5),
                                            static_cast<double>(values[4]), static_cast<double>(values[5]));
  std::replace(part.begin(), part.end(), '.', ',');
  return date + part;
}

}  // namespace korvane::measurement
