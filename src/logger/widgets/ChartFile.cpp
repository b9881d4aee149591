#include "logger/widgets/ChartFile.h"

#include "logger/widgets/LoggerChart.h"
#include "platform/widgets/PictureFile.h"

namespace korvane::logger {

bool IsChartFileName(const std::string& path) { return platform::IsPictureFileName(path); }

bool SaveChartFile(const std::string& path, const std::vector<LongRecord>& table, const std::string& valueName,
                   const std::string& identity, std::string* error, Language language) {
  LoggerChart chart;
  chart.resize(1600, 900);
  chart.Fill(table, valueName, identity);
  return platform::SaveWidgetPicture(chart, path, QStringLiteral("Datenlogger"), error, language);
}

}  // namespace korvane::logger
