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

std::string RecordingLine(const platform::LocalTime& t, int typeIndex, const std::array<float, 6>& values,
                          const std::array<bool, 6>& answered) {
  std::string line = RecordingLine(t, typeIndex, values);
  // The cells follow the date and time: blank out the unanswered ones, back to front.
  std::size_t cellStart[6];
  std::size_t at = line.find('\t', line.find('\t') + 1) + 1;
  for (std::size_t c = 0; c < 6; ++c) {
    cellStart[c] = at;
    at = line.find_first_of("\t\r", at) + 1;
  }
  for (std::size_t c = 6; c-- > 0;) {
    if (answered[c]) continue;
    const std::size_t end = line.find_first_of("\t\r", cellStart[c]);
    line.erase(cellStart[c], end - cellStart[c]);
  }
  return line;
}

}  // namespace korvane::measurement
