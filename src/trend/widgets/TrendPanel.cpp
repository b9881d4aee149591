#include "trend/widgets/TrendPanel.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>

#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "trend/TrendTexts.h"

namespace korvane::trend {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TrendPanel::TrendPanel(QWidget* parent) : QWidget(parent) {
  chart_ = new QChart;
  chart_->legend()->hide();
  chart_->setMargins(QMargins(4, 4, 4, 4));
  left_ = new QLineSeries(chart_);
  right_ = new QLineSeries(chart_);
  chart_->addSeries(left_);
  chart_->addSeries(right_);
  time_ = new QDateTimeAxis(chart_);
  leftAxis_ = new QValueAxis(chart_);
  rightAxis_ = new QValueAxis(chart_);
  chart_->addAxis(time_, Qt::AlignBottom);
  chart_->addAxis(leftAxis_, Qt::AlignLeft);
  chart_->addAxis(rightAxis_, Qt::AlignRight);
  for (QLineSeries* s : {left_, right_}) s->attachAxis(time_);
  left_->attachAxis(leftAxis_);
  right_->attachAxis(rightAxis_);
  // Each axis in the colour of its line, so the two scales are not mixed up.
  for (auto [series, axis] : {std::pair{left_, leftAxis_}, std::pair{right_, rightAxis_}}) {
    axis->setLabelsColor(series->color());
    axis->setTitleBrush(series->color());
  }
  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing, false);
  view_->setMinimumHeight(220);

  leftChannel_ = new QComboBox(this);
  leftChannel_->setObjectName(QStringLiteral("trendLeft"));
  rightChannel_ = new QComboBox(this);
  rightChannel_->setObjectName(QStringLiteral("trendRight"));
  span_ = new QComboBox(this);
  span_->setObjectName(QStringLiteral("trendSpan"));
  for (TrendSpan s : kSpans) span_->addItem(QString::fromLatin1(SpanName(s)), static_cast<int>(s));
  span_->setCurrentIndex(span_->findData(static_cast<int>(kDefaultSpan)));
  leftLabel_ = new QLabel(this);
  rightLabel_ = new QLabel(this);
  spanLabel_ = new QLabel(this);

  auto* controls = new QHBoxLayout;
  controls->addWidget(leftLabel_);
  controls->addWidget(leftChannel_);
  controls->addSpacing(12);
  controls->addWidget(rightLabel_);
  controls->addWidget(rightChannel_);
  controls->addSpacing(12);
  controls->addWidget(spanLabel_);
  controls->addWidget(span_);
  controls->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(controls);
  layout->addWidget(view_, 1);

  // Value 1 on the left, the temperature on the right until the user picks others.
  std::array<std::string, kChannels> none{};
  SetChannels(none, none, {2, 2, 2, 2, 2, 1}, Language::kGerman);
  setChannels(0, kChannels - 1);
  for (QComboBox* box : {leftChannel_, rightChannel_, span_})
    connect(box, &QComboBox::currentIndexChanged, this, &TrendPanel::Rebuild);
  Rebuild();
}

void TrendPanel::SetChannels(const std::array<std::string, kChannels>& labels,
                             const std::array<std::string, kChannels>& units,
                             const std::array<int, kChannels>& decimals, Language language) {
  labels_ = labels;
  units_ = units;
  decimals_ = decimals;
  language_ = language;
  leftLabel_->setText(QString::fromUtf8(Tr(language, kLeftAxis)));
  rightLabel_->setText(QString::fromUtf8(Tr(language, kRightAxis)));
  spanLabel_->setText(QString::fromUtf8(Tr(language, kSpanLabel)));
  const int left = leftChannel(), right = rightChannel();
  for (QComboBox* box : {leftChannel_, rightChannel_}) {
    const QSignalBlocker block(box);
    box->clear();
    box->addItem(QString::fromUtf8(Tr(language, kNoChannel)), -1);
    for (int c = 0; c < kChannels; ++c) {
      const std::string& name = labels[static_cast<std::size_t>(c)];
      box->addItem(name.empty() ? Q(platform::Fill(Tr(language, kChannel), c + 1)) : Q(name), c);
    }
  }
  setChannels(left, right);
  UpdateAxes();
}

int TrendPanel::leftChannel() const { return leftChannel_->count() ? leftChannel_->currentData().toInt() : 0; }
int TrendPanel::rightChannel() const { return rightChannel_->count() ? rightChannel_->currentData().toInt() : -1; }

void TrendPanel::setChannels(int left, int right) {
  leftChannel_->setCurrentIndex(std::max(0, leftChannel_->findData(left)));
  rightChannel_->setCurrentIndex(std::max(0, rightChannel_->findData(right)));
}

TrendSpan TrendPanel::span() const { return static_cast<TrendSpan>(span_->currentData().toInt()); }
void TrendPanel::setSpan(TrendSpan s) { span_->setCurrentIndex(span_->findData(static_cast<int>(s))); }

void TrendPanel::AddSample(const TrendSample& sample) {
  buffer_.Add(sample);
  Rebuild();
}

void TrendPanel::Clear() {
  buffer_.Clear();
  Rebuild();
}

void TrendPanel::Rebuild() {
  const TimeAxis axis = TimeAxisFor(span(), buffer_, QDateTime::currentMSecsSinceEpoch());
  const std::size_t first = buffer_.FirstAtOrAfter(axis.fromMs);
  // About one bucket per pixel of the plot: a long span draws what the screen can show,
  // not every sample.
  const std::int64_t width = std::max<std::int64_t>(100, static_cast<std::int64_t>(chart_->plotArea().width()));
  const std::int64_t bucketMs = (axis.toMs - axis.fromMs) / width;
  for (auto [series, channel] : {std::pair{left_, leftChannel()}, std::pair{right_, rightChannel()}}) {
    QList<QPointF> points;
    if (channel >= 0)
      for (const auto& [ms, v] : ChartPoints(buffer_, first, channel, bucketMs))
        points.append(QPointF(static_cast<qreal>(ms), v));
    // One replace per series: the chart draws once, not once per point.
    series->replace(points);
  }
  UpdateAxes();
}

void TrendPanel::UpdateAxes() {
  const TimeAxis axis = TimeAxisFor(span(), buffer_, QDateTime::currentMSecsSinceEpoch());
  time_->setFormat(Q(axis.format));
  time_->setTickCount(axis.tickCount);
  time_->setRange(QDateTime::fromMSecsSinceEpoch(axis.fromMs), QDateTime::fromMSecsSinceEpoch(axis.toMs));
  const std::size_t first = buffer_.FirstAtOrAfter(axis.fromMs);
  for (auto [valueAxis, channel] : {std::pair{leftAxis_, leftChannel()}, std::pair{rightAxis_, rightChannel()}}) {
    valueAxis->setVisible(channel >= 0);
    if (channel < 0) continue;
    const std::size_t c = static_cast<std::size_t>(channel);
    const ValueRange r = ValueRangeOf(buffer_, first, channel);
    const platform::ValueTicks t = platform::NiceTicks(r.min, r.max, decimals_[c]);
    valueAxis->setRange(t.min, t.max);
    valueAxis->setTickCount(t.tickCount);
    valueAxis->setLabelFormat(QStringLiteral("%.") + QString::number(t.decimals) + QStringLiteral("f"));
    const std::string& unit = units_[c];
    std::string title = labels_[c].empty() ? platform::Fill(Tr(language_, kChannel), channel + 1) : labels_[c];
    if (!unit.empty() && unit != " ") title += " [" + unit + "]";
    valueAxis->setTitleText(Q(title));
  }
}

}  // namespace korvane::trend
