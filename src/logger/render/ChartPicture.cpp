#include "logger/render/ChartPicture.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "logger/ChartNames.h"
#include "logger/ChartPoints.h"
#include "logger/LoggerTexts.h"
#include "platform/AxisTicks.h"
#include "platform/Texts.h"

namespace korvane::logger {
namespace {

// The colours Qt Charts gives a chart's first two series, so the file looks as the dialog.
const QColor kValueColour(0x20, 0x9f, 0xdf);
const QColor kTemperatureColour(0x99, 0xca, 0x53);
constexpr int kTimeTicks = 5;  // as a date-time axis of Qt Charts

struct Range {
  double low = 0;
  double high = 1;
};

platform::ValueTicks Ticks(const Range& r, int decimals) {
  return platform::NiceTicks(r.low, r.high > r.low ? r.high : r.low + 1, decimals);
}

QString Label(double v, int decimals) { return QString::number(v, 'f', decimals); }

void PaintSeries(QPainter& p, const QRectF& plot, const std::vector<ChartPoint>& points, double span,
                 const platform::ValueTicks& t, float ChartPoint::*value, const QColor& colour) {
  if (points.empty()) return;
  QPainterPath path;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double x = plot.left() + plot.width() * (span > 0 ? points[i].seconds / span : 0.0);
    const double y = plot.bottom() - plot.height() * (points[i].*value - t.min) / (t.max - t.min);
    if (i == 0)
      path.moveTo(x, y);
    else
      path.lineTo(x, y);
  }
  p.setPen(QPen(colour, 2));
  p.drawPath(path);
}

void PaintValueAxis(QPainter& p, const QRectF& plot, const platform::ValueTicks& t, bool left, const QString& title) {
  const QFontMetrics fm(p.font());
  for (int i = 0; i < t.tickCount; ++i) {
    const double v = t.min + (t.max - t.min) * i / std::max(1, t.tickCount - 1);
    const double y = plot.bottom() - plot.height() * i / std::max(1, t.tickCount - 1);
    if (left) {
      p.setPen(QColor(0xe0, 0xe0, 0xe0));
      p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(Qt::black);
    const QString text = Label(v, t.decimals);
    const double x = left ? plot.left() - 8 - fm.horizontalAdvance(text) : plot.right() + 8;
    p.drawText(QPointF(x, y + fm.ascent() / 2.0 - 2), text);
  }
  if (!title.isEmpty())
    p.drawText(QPointF(left ? plot.left() - fm.horizontalAdvance(title) / 2.0 : plot.right() + 8, plot.top() - 12),
               title);
}

}  // namespace

void PaintLoggerChart(QPainter& p, const QRect& area, const std::vector<LongRecord>& table,
                      const std::string& valueName, const std::string& identity, Language language, int valueDecimals) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  QFont font = p.font();
  font.setPixelSize(18);
  p.setFont(font);
  const QFontMetrics fm(font);
  const QRectF plot = QRectF(area).adjusted(110, 90, -110, -90);

  const std::vector<ChartPoint> points = ChartPoints(table);
  Range value, temperature;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ChartPoint& c = points[i];
    value = i ? Range{std::min<double>(value.low, c.value1), std::max<double>(value.high, c.value1)}
              : Range{c.value1, c.value1};
    temperature =
        i ? Range{std::min<double>(temperature.low, c.temperature), std::max<double>(temperature.high, c.temperature)}
          : Range{c.temperature, c.temperature};
  }
  const platform::ValueTicks valueTicks = Ticks(value, valueDecimals);
  const platform::ValueTicks temperatureTicks = Ticks(temperature, 1);

  PaintValueAxis(p, plot, valueTicks, true, {});
  PaintValueAxis(p, plot, temperatureTicks, false, QStringLiteral("°C"));

  // The time axis: from the first record to the last (a second at least).
  QDateTime base;
  if (const LongRecord* first = ChartBase(table))
    base = QDateTime(QDate(2000 + first->year, first->month, first->day),
                     QTime(first->hour, first->minute, first->second));
  const double span = points.empty() ? 1.0 : std::max(1.0, points.back().seconds);
  const bool days = base.isValid() && span >= 86400;
  const QString format = days ? QStringLiteral("dd.MM. HH:mm:ss") : QStringLiteral("HH:mm:ss");
  p.setPen(Qt::black);
  for (int i = 0; i < kTimeTicks && base.isValid(); ++i) {
    const double x = plot.left() + plot.width() * i / (kTimeTicks - 1);
    const QString text = base.addMSecs(static_cast<qint64>(span * 1000.0 * i / (kTimeTicks - 1))).toString(format);
    p.drawText(QPointF(x - fm.horizontalAdvance(text) / 2.0, plot.bottom() + 8 + fm.ascent()), text);
  }
  const QString timeTitle = platform::QTr(language, texts::kTimeAxis);
  p.drawText(QPointF(plot.center().x() - fm.horizontalAdvance(timeTitle) / 2.0, plot.bottom() + 16 + 2 * fm.height()),
             timeTitle);
  p.drawRect(plot);

  PaintSeries(p, plot, points, span, valueTicks, &ChartPoint::value1, kValueColour);
  PaintSeries(p, plot, points, span, temperatureTicks, &ChartPoint::temperature, kTemperatureColour);

  // The legend above the plot, centred: a line of each series' colour and its name.
  const QString names[] = {QString::fromStdString(ValueSeriesName(valueName)),
                           QString::fromStdString(TemperatureSeriesName(identity, language))};
  const QColor colours[] = {kValueColour, kTemperatureColour};
  double width = 0;
  for (const QString& n : names) width += 40 + fm.horizontalAdvance(n) + 30;
  double x = plot.center().x() - width / 2;
  const double y = area.top() + 40;
  for (int i = 0; i < 2; ++i) {
    p.setPen(QPen(colours[i], 4));
    p.drawLine(QPointF(x, y), QPointF(x + 30, y));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 40, y + fm.ascent() / 2.0 - 2), names[i]);
    x += 40 + fm.horizontalAdvance(names[i]) + 30;
  }
  p.restore();
}

}  // namespace korvane::logger
