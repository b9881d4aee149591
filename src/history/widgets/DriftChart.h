#pragma once
// The drift chart: a module's calibration values over time, each value on its own axis
// with its label and unit, the plausibility limits as a band, saved calibrations as
// filled points and the others hollow, the trend line of the saved ones; a point's tool
// tip gives its date, technician and value. Saved as PDF or PNG, or printed, with the
// trend lines' texts as its title.
#include <QChartView>

#include <cstdint>
#include <string>
#include <vector>

#include "history/Drift.h"
#include "platform/Language.h"

namespace korvane::history {

class DriftChart : public QChartView {
  Q_OBJECT

 public:
  explicit DriftChart(QWidget* parent = nullptr);

  void Fill(const std::vector<DriftSeries>& series, std::int64_t nowMs, Language language);
  int pointCount() const { return points_; }
  // The trend lines' texts of the last Fill, one per series that reaches a limit.
  const std::vector<std::string>& trendTexts() const { return trends_; }

  // A PDF page (A4 landscape) or a PNG picture by the name's extension; the old file is
  // replaced only by a complete one. False with *error.
  bool SaveTo(const std::string& path, std::string* error, Language language);
  // The print dialog, then the chart on one page; false when cancelled or failed.
  bool Print();

 private:
  int points_ = 0;
  std::vector<std::string> trends_;
};

}  // namespace korvane::history
