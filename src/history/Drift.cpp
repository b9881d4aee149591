#include "history/Drift.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/CalibrationLimits.h"
#include "types/Catalogue.h"

namespace korvane::history {
namespace {

// The oxygen types' K4, which the catalogue leaves unnamed.
constexpr platform::Text kAirPressureFactor{"history", QT_TRANSLATE_NOOP("history", "Luftdruckfaktor")};
constexpr platform::Text kReaches{"history",
                                  QT_TRANSLATE_NOOP("history", "%1 erreicht die Grenze voraussichtlich am %2")};

}  // namespace

std::vector<DriftSeries> DriftOf(const std::vector<Event>& events, Language language) {
  std::map<int, DriftSeries> byValue;
  for (const Event& e : events) {
    if (e.kind != kCalibrationKind) continue;
    const QJsonArray before = e.details.value("before").toArray(), after = e.details.value("after").toArray();
    const bool saved = e.details.value("outcome").toString() == QLatin1String("saved");
    const std::vector<types::PlausibleRange> ranges =
        types::PlausibleRanges(e.details.value("procedure").toString().toStdString());
    for (int n = 1; n <= 4 && n <= after.size(); ++n) {
      const bool limited = std::any_of(ranges.begin(), ranges.end(), [n](const auto& r) { return r.value == n; });
      // A value the procedure neither limits nor changed is not what it calibrates.
      const double value = after[n - 1].toDouble();
      if (!limited && (n > before.size() || before[n - 1].toDouble() == value)) continue;
      if (!std::isfinite(value)) continue;
      DriftSeries& s = byValue[n];
      if (s.points.empty()) {
        s.value = n;
        const int typeIndex = e.type - 1;
        s.label = types::CalibrationLabel(typeIndex, n, language);
        // The oxygen types keep their air pressure factor in K4, which the catalogue leaves unnamed.
        const types::Family family = types::MeasurementType(typeIndex).family();
        if (s.label.empty() && n == 4 && (family == types::Family::kOxygen || family == types::Family::kOpxOxygen))
          s.label = Tr(language, kAirPressureFactor);
        if (s.label.empty()) s.label = "K" + std::to_string(n);
        s.unit = types::CalibrationUnit(typeIndex, n);
        if (s.unit == "%%/K") s.unit = "%/K";
      }
      for (const auto& r : ranges) {
        if (r.value != n) continue;
        s.low = s.low ? std::min(*s.low, r.low) : r.low;
        s.high = s.high ? std::max(*s.high, r.high) : r.high;
      }
      s.points.push_back({e.timeMs, value, saved, e.technician});
    }
  }
  std::vector<DriftSeries> series;
  for (auto& [n, s] : byValue) series.push_back(std::move(s));
  return series;
}

std::optional<Trend> TrendOf(const DriftSeries& s, std::int64_t nowMs) {
  std::vector<std::pair<double, double>> xy;  // days relative to now, value
  for (const DriftPoint& p : s.points)
    if (p.saved && p.timeMs <= nowMs && nowMs - p.timeMs <= kTrendWindowMs)
      xy.emplace_back((p.timeMs - nowMs) / kDayMs, p.value);
  const auto n = static_cast<double>(xy.size());
  if (xy.size() < static_cast<std::size_t>(kTrendMinPoints)) return std::nullopt;
  double mx = 0, my = 0;
  for (const auto& [x, y] : xy) mx += x, my += y;
  mx /= n;
  my /= n;
  double sxx = 0, sxy = 0, syy = 0;
  for (const auto& [x, y] : xy) {
    sxx += (x - mx) * (x - mx);
    sxy += (x - mx) * (y - my);
    syy += (y - my) * (y - my);
  }
  if (sxx <= 0) return std::nullopt;  // all on one day: no direction
  Trend t;
  t.points = static_cast<int>(xy.size());
  t.perDay = sxy / sxx;
  t.interceptAtNow = my - t.perDay * mx;
  // Values that do not move at all are explained perfectly by a flat line.
  t.r2 = syy <= 0 ? 1.0 : (sxy * sxy) / (sxx * syy);
  if (t.r2 < kTrendMinR2) return std::nullopt;
  std::optional<double> limit;
  if (t.perDay > 0 && s.high) limit = s.high, t.towardsHigh = true;
  if (t.perDay < 0 && s.low) limit = s.low;
  if (limit) {
    const double days = (*limit - t.interceptAtNow) / t.perDay;
    if (days <= kTrendHorizonDays) t.reachesMs = nowMs + static_cast<std::int64_t>(std::max(0.0, days) * kDayMs);
  }
  return t;
}

std::string TrendText(const DriftSeries& s, const std::optional<Trend>& t, Language language) {
  if (!t || !t->reachesMs) return {};
  const QDate date = QDateTime::fromMSecsSinceEpoch(*t->reachesMs).date();
  const QString shown = platform::ShownDate(date, language);
  return platform::Fill(Tr(language, kReaches), s.label, shown.toStdString());
}

std::string HeadingFor(const std::vector<Event>& events, std::int64_t nowMs, Language language) {
  std::string first;
  std::int64_t firstMs = 0;
  for (const DriftSeries& s : DriftOf(events, language)) {
    const std::optional<Trend> t = TrendOf(s, nowMs);
    if (!t || !t->reachesMs || (!first.empty() && *t->reachesMs >= firstMs)) continue;
    first = TrendText(s, t, language);
    firstMs = *t->reachesMs;
  }
  return first;
}

}  // namespace korvane::history
