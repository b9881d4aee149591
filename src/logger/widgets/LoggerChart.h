#pragma once
// The module logger's chart: value 1 and the temperature (on its own axis) against the
// time since the first record. Zoom with the mouse wheel or a rubber band; a double
// click shows everything again.
#include <QChartView>

#include <array>
#include <string>
#include <vector>

#include "logger/LoggerRecords.h"

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace korvane::logger {

class LoggerChart : public QChartView {
  Q_OBJECT

 public:
  explicit LoggerChart(QWidget* parent = nullptr);

  // Replaces the data: the series are named by the readout's first column name and
  // "°C device:...". Records the chart cannot place are left out.
  void Fill(const std::vector<LongRecord>& table, const std::string& valueName, const std::string& identity);
  int pointCount() const;
  QString timeFormat() const;

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
