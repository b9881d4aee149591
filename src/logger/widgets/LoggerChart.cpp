#include "logger/widgets/LoggerChart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <tuple>

#include "logger/ChartNames.h"
#include "logger/ChartPoints.h"
#include "logger/LoggerTexts.h"
#include "platform/AxisTicks.h"
#include "platform/Texts.h"

namespace korvane::logger {

LoggerChart::LoggerChart(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  value_ = new QLineSeries(chart);
  temperature_ = new QLineSeries(chart);
  chart->addSeries(value_);
  chart->addSeries(temperature_);
  time_ = new QDateTimeAxis(chart);
  setLanguage(Language::kGerman);
  time_->setFormat(QStringLiteral("HH:mm:ss"));
  valueAxis_ = new QValueAxis(chart);
  temperatureAxis_ = new QValueAxis(chart);
  temperatureAxis_->setTitleText(QStringLiteral("°C"));
  chart->addAxis(time_, Qt::AlignBottom);
  chart->addAxis(valueAxis_, Qt::AlignLeft);
  chart->addAxis(temperatureAxis_, Qt::AlignRight);
  value_->attachAxis(time_);
  value_->attachAxis(valueAxis_);
  temperature_->attachAxis(time_);
  temperature_->attachAxis(temperatureAxis_);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
}

void LoggerChart::Fill(const std::vector<LongRecord>& table, const std::string& valueName, const std::string& identity,
                       Language language, int valueDecimals) {
  setLanguage(language);
  const std::vector<ChartPoint> points = ChartPoints(table);
  QList<QPointF> values, temperatures;
  values.reserve(static_cast<qsizetype>(points.size()));
  temperatures.reserve(static_cast<qsizetype>(points.size()));
  QDateTime base;
  if (const LongRecord* first = ChartBase(table))
    base = QDateTime(QDate(2000 + first->year, first->month, first->day),
                     QTime(first->hour, first->minute, first->second));
  float low = 0, high = 1, tLow = 0, tHigh = 1;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ChartPoint& p = points[i];
    const double x = static_cast<double>(base.toMSecsSinceEpoch()) + p.seconds * 1000.0;
    values.append({x, p.value1});
    temperatures.append({x, p.temperature});
    low = i ? std::min(low, p.value1) : p.value1;
    high = i ? std::max(high, p.value1) : p.value1;
    tLow = i ? std::min(tLow, p.temperature) : p.temperature;
    tHigh = i ? std::max(tHigh, p.temperature) : p.temperature;
  }
  // One replace per series: the chart draws once, not once per point.
  value_->replace(values);
  temperature_->replace(temperatures);
  value_->setName(QString::fromStdString(ValueSeriesName(valueName)));
  temperature_->setName(QString::fromStdString(TemperatureSeriesName(identity, language)));
  if (!points.empty()) {
    const QDateTime last = base.addSecs(static_cast<qint64>(points.back().seconds));
    time_->setRange(base, last > base ? last : base.addSecs(1));
    // Data over more than a day carry the date on the axis.
    time_->setFormat(base.daysTo(last) >= 1 ? QStringLiteral("dd.MM. HH:mm:ss") : QStringLiteral("HH:mm:ss"));
    // Ticks at round numbers, labelled with the decimals the values have.
    for (auto [axis, lo, hi, decimals] :
         {std::tuple{valueAxis_, low, high, valueDecimals}, std::tuple{temperatureAxis_, tLow, tHigh, 1}}) {
      const platform::ValueTicks t = platform::NiceTicks(lo, hi > lo ? hi : lo + 1, decimals);
      axis->setRange(t.min, t.max);
      axis->setTickCount(t.tickCount);
      axis->setLabelFormat(QStringLiteral("%.") + QString::number(t.decimals) + QStringLiteral("f"));
    }
  }
}

void LoggerChart::setLanguage(Language language) { time_->setTitleText(platform::QTr(language, texts::kTimeAxis)); }

int LoggerChart::pointCount() const { return static_cast<int>(value_->count()); }

QStringList LoggerChart::seriesNames() const { return {value_->name(), temperature_->name()}; }

QString LoggerChart::timeFormat() const { return time_->format(); }

void LoggerChart::SetNote(const QString& note) { chart()->setTitle(note); }

QString LoggerChart::note() const { return chart()->title(); }

void LoggerChart::wheelEvent(QWheelEvent* e) {
  chart()->zoom(e->angleDelta().y() > 0 ? 1.25 : 0.8);
  e->accept();
}

void LoggerChart::mouseDoubleClickEvent(QMouseEvent* e) {
  chart()->zoomReset();
  QChartView::mouseDoubleClickEvent(e);
}

}  // namespace korvane::logger
