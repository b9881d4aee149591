#pragma once
// The module logger's chart: value 1 and the temperature (on its own axis) against the
// time since the first record. Zoom with the mouse wheel or a rubber band; a double
// click shows everything again.
#include <QChartView>

#include <array>
#include <string>
#include <vector>

#include "logger/LoggerRecords.h"
#include "platform/Language.h"

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace korvane::logger {

class LoggerChart : public QChartView {
  Q_OBJECT

 public:
  explicit LoggerChart(QWidget* parent = nullptr);

  // Replaces the data: the series are named as ChartNames.h says, value 1 labelled with
  // its channel's decimals. Records the chart cannot place are left out.
  void Fill(const std::vector<LongRecord>& table, const std::string& valueName, const std::string& identity,
            Language language, int valueDecimals = 2);
  // The time axis's title in the language.
  void setLanguage(Language language);
  int pointCount() const;
  // The legend's names: value 1, the temperature.
  QStringList seriesNames() const;
  QString timeFormat() const;
  // A line above the plot about the data (a readout that stopped early, none at all);
  // empty: none.
  void SetNote(const QString& note);
  QString note() const;

 protected:
  void wheelEvent(QWheelEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QLineSeries* value_;
  QLineSeries* temperature_;
  QDateTimeAxis* time_;
  QValueAxis* valueAxis_;
  QValueAxis* temperatureAxis_;
};

}  // namespace korvane::logger
