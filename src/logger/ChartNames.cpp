#include "logger/ChartNames.h"

#include <QString>

#include <algorithm>

#include "logger/LoggerTexts.h"
#include "platform/Texts.h"

namespace korvane::logger {

std::string ValueSeriesName(const std::string& firstColumnName) {
  // The readout's cells are Windows-1252; Latin-1 is the same for the letters they use.
  return QString::fromLatin1(firstColumnName.c_str()).trimmed().toStdString();
}

std::string TemperatureSeriesName(const std::string& identity, Language language) {
  // The four identity bytes come from the module as they are: a blank or garbled one
  // names no module rather than print noise.
  const QString id = QString::fromLatin1(identity.c_str()).trimmed();
  const bool printable = std::all_of(id.begin(), id.end(), [](QChar c) { return c.isPrint(); });
  if (id.isEmpty() || !printable) return platform::Tr(language, texts::kTemperatureSeries);
  return platform::Fill(platform::Tr(language, texts::kTemperatureOfModule), id.toStdString());
}

}  // namespace korvane::logger
