#pragma once
// The module logger's chart painted for a file: value 1 (left axis) and the temperature
// (right axis, "°C") over the time of the records (axis "time", "HH:mm:ss", with the date
// when the records span a day), each axis on round ticks, a legend above. What the
// logger dialog shows with Qt Charts, drawn with Qt GUI alone so the command line needs
// no widgets.
#include <QRect>

#include <string>
#include <vector>

#include "logger/LoggerRecords.h"
#include "platform/Language.h"

class QPainter;

namespace korvane::logger {

inline constexpr int kChartPictureWidth = 1600;
inline constexpr int kChartPictureHeight = 900;

void PaintLoggerChart(QPainter& painter, const QRect& area, const std::vector<LongRecord>& table,
                      const std::string& valueName, const std::string& identity, Language language,
                      int valueDecimals = 2);

}  // namespace korvane::logger
