#include "history/widgets/DriftChart.h"

#include <QAreaSeries>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <memory>

#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/widgets/WidgetPicture.h"

namespace korvane::history {
namespace {

const QColor kColours[] = {QColor(0x1f, 0x5f, 0xb4), QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x8a, 0x3e),
                           QColor(0x8e, 0x44, 0xad)};
// Each value's axis fits its own band, so the bands of several values would cover the
// same rectangle: each is hatched its own way in its value's colour with its limits as
// dashed lines, and each axis leaves its own share of room below and above
// (kBandStagger of the axis's span) so the bands sit at different heights.
const Qt::BrushStyle kBandHatches[] = {Qt::BDiagPattern, Qt::FDiagPattern, Qt::HorPattern, Qt::VerPattern};
constexpr double kBandStagger = 0.3;

constexpr platform::Text kPlausible{"history", QT_TRANSLATE_NOOP("history", "%1: plausibel")};
constexpr platform::Text kTrendLine{"history", QT_TRANSLATE_NOOP("history", "%1: Trend")};

QString ChartQ(const std::string& s) { return QString::fromStdString(s); }

// In a file and on paper the trend lines' texts stand above the chart (the window shows
// them below it).
class PaperTitle {
 public:
  PaperTitle(QChart* chart, const std::vector<std::string>& trends) : chart_(chart), before_(chart->title()) {
    QStringList lines;
    for (const std::string& t : trends) lines << ChartQ(t).toHtmlEscaped();
    chart_->setTitle(lines.join(QStringLiteral("<br>")));
    chart_->layout()->activate();  // drawn right away, before any event is handled
  }
  ~PaperTitle() {
    chart_->setTitle(before_);
    chart_->layout()->activate();
  }
  PaperTitle(const PaperTitle&) = delete;
  PaperTitle& operator=(const PaperTitle&) = delete;

 private:
  QChart* chart_;
  QString before_;
};

QString Named(const platform::Text& text, const std::string& label, Language language) {
  return ChartQ(platform::Fill(platform::Tr(language, text), label));
}

}  // namespace

DriftChart::DriftChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(480, 260);
  // Beside the plot, one short entry a line; a row below it ran out of room. The trend
  // lines' full texts are below the chart in the window, and above it on paper.
  chart()->legend()->setAlignment(Qt::AlignRight);
  chart()->legend()->setShowToolTips(true);
}

void DriftChart::Fill(const std::vector<DriftSeries>& all, std::int64_t nowMs, Language language) {
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* a : c->axes()) {
    c->removeAxis(a);
    delete a;
  }
  points_ = 0;
  trends_.clear();

  std::int64_t first = nowMs, last = nowMs;
  for (const DriftSeries& s : all)
    for (const DriftPoint& p : s.points) first = std::min(first, p.timeMs), last = std::max(last, p.timeMs);
  std::vector<std::optional<Trend>> trends;
  for (const DriftSeries& s : all) {
    trends.push_back(TrendOf(s, nowMs));
    if (trends.back() && trends.back()->reachesMs) last = std::max(last, *trends.back()->reachesMs);
  }
  const std::int64_t margin = std::max<std::int64_t>(static_cast<std::int64_t>(kDayMs), (last - first) / 20);
  first -= margin;
  last += margin;

  auto* time = new QDateTimeAxis;
  // A visit of a few days needs the hours to tell its points apart.
  const bool days = last - first > 4 * static_cast<std::int64_t>(kDayMs);
  time->setFormat(days ? platform::DateFormat(language)
                       : platform::DayMonthFormat(language) + QStringLiteral(" HH:mm"));
  time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
  c->addAxis(time, Qt::AlignBottom);

  const auto banded = static_cast<std::size_t>(
      std::count_if(all.begin(), all.end(), [](const DriftSeries& s) { return s.low && s.high; }));
  std::size_t band = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const DriftSeries& s = all[i];
    const QColor colour = kColours[i % std::size(kColours)];
    const QString name = ChartQ(s.label) + (s.unit.empty() ? QString() : QStringLiteral(" (%1)").arg(ChartQ(s.unit)));
    auto* axis = new QValueAxis;
    axis->setTitleText(name);
    axis->setLinePenColor(colour);
    axis->setLabelsColor(colour);
    c->addAxis(axis, i % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    double low = 0, high = 0;
    bool any = false;
    const auto widen = [&](double v) {
      low = any ? std::min(low, v) : v;
      high = any ? std::max(high, v) : v;
      any = true;
    };
    const auto attach = [&](QAbstractSeries* series) {
      c->addSeries(series);
      series->attachAxis(time);
      series->attachAxis(axis);
    };

    if (s.low && s.high) {
      auto* lower = new QLineSeries;
      auto* upper = new QLineSeries;
      lower->append(first, *s.low);
      lower->append(last, *s.low);
      upper->append(first, *s.high);
      upper->append(last, *s.high);
      auto* band = new QAreaSeries(upper, lower);
      QColor hatch = colour;
      hatch.setAlpha(90);
      band->setBrush(QBrush(hatch, kBandHatches[i % std::size(kBandHatches)]));
      band->setPen(QPen(colour, 1.2, Qt::DashLine));
      band->setName(Named(kPlausible, s.label, language));
      attach(band);
      for (QLegendMarker* m : c->legend()->markers(band)) m->setPen(QPen(colour, 1.2, Qt::DashLine));
      widen(*s.low);
      widen(*s.high);
    }

    auto* line = new QLineSeries;
    line->setPen(QPen(colour, 1.5));
    line->setName(name);
    auto* saved = new QScatterSeries;
    saved->setColor(colour);
    saved->setBorderColor(colour);
    saved->setMarkerSize(9);
    auto* other = new QScatterSeries;
    other->setBrush(Qt::NoBrush);
    other->setPen(QPen(colour, 1.5));
    other->setMarkerSize(9);
    QList<QPointF> linePoints, savedPoints, otherPoints;
    for (const DriftPoint& p : s.points) {
      const QPointF at(static_cast<double>(p.timeMs), p.value);
      (p.saved ? savedPoints : otherPoints).append(at);
      if (p.saved) linePoints.append(at);
      widen(p.value);
      ++points_;
    }
    line->replace(linePoints);
    saved->replace(savedPoints);
    other->replace(otherPoints);
    attach(line);
    attach(saved);
    attach(other);
    // A point's tool tip: when, who, what.
    const std::vector<DriftPoint> points = s.points;
    const std::string unit = s.unit;
    const auto tip = [points, unit, language](const QPointF& at, bool state) {
      if (!state) return QToolTip::hideText();
      for (const DriftPoint& p : points) {
        if (static_cast<double>(p.timeMs) != at.x() || p.value != at.y()) continue;
        const QString when = platform::ShownDateTime(QDateTime::fromMSecsSinceEpoch(p.timeMs), language);
        QToolTip::showText(
            QCursor::pos(),
            QStringLiteral("%1\n%2\n%3 %4").arg(when, ChartQ(p.technician)).arg(p.value).arg(ChartQ(unit)));
        return;
      }
    };
    connect(saved, &QScatterSeries::hovered, this, tip);
    connect(other, &QScatterSeries::hovered, this, tip);

    if (const std::optional<Trend>& t = trends[i]) {
      const std::int64_t from = std::max(first, nowMs - kTrendWindowMs);
      const std::int64_t to = t->reachesMs ? *t->reachesMs : nowMs;
      auto* trend = new QLineSeries;
      trend->setPen(QPen(colour, 1.2, Qt::DashLine));
      trend->append(static_cast<double>(from), t->interceptAtNow + t->perDay * (from - nowMs) / kDayMs);
      trend->append(static_cast<double>(to), t->interceptAtNow + t->perDay * (to - nowMs) / kDayMs);
      widen(trend->at(0).y());
      widen(trend->at(1).y());
      const std::string text = TrendText(s, t, language);
      trend->setName(Named(kTrendLine, s.label, language));
      if (!text.empty()) trends_.push_back(text);
      attach(trend);
    }
    const double span = std::max(high - low, 1e-3);
    const double pad = any ? span * 0.08 : 1;
    // The n-th of the banded values gets n shares of the stagger below, the rest above.
    const bool stagger = banded > 1 && s.low && s.high;
    const double below = stagger ? kBandStagger * static_cast<double>(band++) / static_cast<double>(banded - 1) : 0;
    const double above = stagger ? kBandStagger - below : 0;
    axis->setRange(low - pad - below * span, high + pad + above * span);
    // Only the lines and bands are named in the legend: the points are theirs.
    for (QLegendMarker* m : c->legend()->markers(saved)) m->setVisible(false);
    for (QLegendMarker* m : c->legend()->markers(other)) m->setVisible(false);
  }
}

bool DriftChart::SaveTo(const std::string& path, std::string* error, Language language) {
  // A page gets the chart at a size of its own; a picture is the chart as shown.
  const bool page = platform::IsPdfFileName(path);
  const QSize before = size();
  if (page) resize(1600, 900);
  const PaperTitle title(chart(), trends_);
  const bool saved = platform::SaveWidgetPicture(*this, path, QStringLiteral("Drift"), error, language);
  if (page) resize(before);
  return saved;
}

bool DriftChart::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const PaperTitle title(chart(), trends_);
  const QRect page = painter.viewport();
  const double scale = std::min(page.width() / double(width()), page.height() / double(height()));
  painter.scale(scale, scale);
  QWidget::render(&painter);
  return painter.end();
}

}  // namespace korvane::history
