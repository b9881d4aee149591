#pragma once
// The live trend of the main window: two channels of the running measurement against
// time (left and right value axis), over a chosen span. The window hands it each chain's
// values; the panel keeps them in a bounded ring and draws the span.
#include <QWidget>

#include <array>
#include <string>

#include "platform/Language.h"
#include "trend/TrendAxis.h"
#include "trend/TrendBuffer.h"

class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace korvane::trend {

class TrendPanel : public QWidget {
  Q_OBJECT

 public:
  // An eight-hour span at the two-second poll, and a little room.
  static constexpr std::size_t kCapacity = 8 * 3600 / 2 + 60;

  explicit TrendPanel(QWidget* parent = nullptr);

  // The six channel names (the catalogue's, the temperature last), their units and
  // decimals.
  void SetChannels(const std::array<std::string, kChannels>& labels, const std::array<std::string, kChannels>& units,
                   const std::array<int, kChannels>& decimals, Language language);
  void AddSample(const TrendSample& sample);
  void Clear();

  const TrendBuffer& buffer() const { return buffer_; }
  // Channel (0..5) on the left / right axis; -1: none.
  int leftChannel() const;
  int rightChannel() const;
  void setChannels(int left, int right);
  void setSpan(TrendSpan span);
  TrendSpan span() const;
  QChart* chart() const { return chart_; }

 private:
  void Rebuild();
  void UpdateAxes();

  TrendBuffer buffer_{kCapacity};
  std::array<std::string, kChannels> labels_;
  std::array<std::string, kChannels> units_;
  std::array<int, kChannels> decimals_{};
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QLineSeries* left_ = nullptr;
  QLineSeries* right_ = nullptr;
  QDateTimeAxis* time_ = nullptr;
  QValueAxis* leftAxis_ = nullptr;
  QValueAxis* rightAxis_ = nullptr;
  QComboBox* leftChannel_ = nullptr;
  QComboBox* rightChannel_ = nullptr;
  QComboBox* span_ = nullptr;
  QLabel* leftLabel_ = nullptr;
  QLabel* rightLabel_ = nullptr;
  QLabel* spanLabel_ = nullptr;
  Language language_ = Language::kGerman;
};

}  // namespace korvane::trend
