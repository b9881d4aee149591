#include "history/CalibrationCertificate.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <vector>

#include "history/CalibrationDetails.h"
#include "history/HistoryTexts.h"
#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/CalibrationLimits.h"
#include "types/Catalogue.h"
#include "types/ProcedureNames.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kCertModule{"history",
                           QT_TRANSLATE_NOOP("history", "Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5")};
constexpr Text kCertProcedure{"history", QT_TRANSLATE_NOOP("history", "Kalibrierung: %1 (%2)")};
constexpr Text kCertAssistant{"history", QT_TRANSLATE_NOOP("history", "mit Assistent")};
constexpr Text kCertClassic{"history", QT_TRANSLATE_NOOP("history", "klassisch")};
constexpr Text kCertWhen{"history", QT_TRANSLATE_NOOP("history", "Datum: %1   Techniker: %2")};
constexpr Text kCertProgram{"history", QT_TRANSLATE_NOOP("history", "Programm: %1   Rechner: %2")};
constexpr Text kCertEntry{"history", QT_TRANSLATE_NOOP("history", "Verlaufseintrag %1, SHA-256 %2")};
constexpr Text kCertPoints{"history", QT_TRANSLATE_NOOP("history", "Messpunkte")};
constexpr Text kCertPointHeader[] = {
    {"history", QT_TRANSLATE_NOOP("history", "Nr.")},      {"history", QT_TRANSLATE_NOOP("history", "gemessen")},
    {"history", QT_TRANSLATE_NOOP("history", "Referenz")}, {"history", QT_TRANSLATE_NOOP("history", "°C")},
    {"history", QT_TRANSLATE_NOOP("history", "Drift")},    {"history", QT_TRANSLATE_NOOP("history", "Rauschen")},
    {"history", QT_TRANSLATE_NOOP("history", "stabil")}};
constexpr Text kCertAfterSeconds{"history", QT_TRANSLATE_NOOP("history", "nach %1 s")};
constexpr Text kCertNo{"history", QT_TRANSLATE_NOOP("history", "nein")};
constexpr Text kCertResults{"history", QT_TRANSLATE_NOOP("history", "Ergebnis")};
constexpr Text kCertResultHeader[] = {{"history", QT_TRANSLATE_NOOP("history", "Wert")},
                                      {"history", QT_TRANSLATE_NOOP("history", "vorher")},
                                      {"history", QT_TRANSLATE_NOOP("history", "nachher")},
                                      {"history", QT_TRANSLATE_NOOP("history", "Grenzen")},
                                      {"history", ""}};
constexpr Text kCertWithin{"history", QT_TRANSLATE_NOOP("history", "eingehalten")};
constexpr Text kCertBroken{"history", QT_TRANSLATE_NOOP("history", "verletzt")};
constexpr Text kCertSlope{"history", QT_TRANSLATE_NOOP("history", "Steilheit")};
constexpr Text kCertNernst{"history",
                           QT_TRANSLATE_NOOP("history", "Steilheit %1 % der Nernst-Steilheit, Nullpunkt %2 mV")};
constexpr Text kCertVerdict{"history", QT_TRANSLATE_NOOP("history", "Urteil: %1, %2")};
constexpr Text kCertPlausible{"history", QT_TRANSLATE_NOOP("history", "plausibel")};
constexpr Text kCertImplausible{"history", QT_TRANSLATE_NOOP("history", "nicht plausibel")};
constexpr Text kCertNoResult{"history", QT_TRANSLATE_NOOP("history", "ohne Ergebnis")};
constexpr Text kCertSaved{"history", QT_TRANSLATE_NOOP("history", "im Modul gespeichert")};
constexpr Text kCertNotSaved{"history", QT_TRANSLATE_NOOP("history", "nicht gespeichert")};
constexpr Text kCertTechnician{"history", QT_TRANSLATE_NOOP("history", "Techniker: %1")};
constexpr Text kCertSignature{"history", QT_TRANSLATE_NOOP("history", "Datum, Unterschrift")};

constexpr int kCertParameters[4] = {32, 33, 34, 37};

std::string CertTime(std::int64_t ms, Language l) {
  return platform::ShownDateTime(QDateTime::fromMSecsSinceEpoch(ms), l).toStdString();
}

std::string CertText(const QJsonValue& v) {
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isString()) return v.toString().toStdString();
  return "-";
}

// Lines and columns on the page, top down.
class CertSheet {
 public:
  explicit CertSheet(platform::PageTarget& page)
      : page_(page),
        left_(page.Width() * 8 / 100),
        width_(page.Width() * 84 / 100),
        y_(page.Height() * 5 / 100),
        line_(std::max(1, page.Height() / 60)) {}
  void Line(const std::string& text) { Row({0}, {text}); }
  // A text from a column on, broken at blanks where it would run off the page.
  void Wrapped(int at, const std::string& text) {
    // About two fifths of a line's height a character, as the service report reckons.
    const std::size_t room = static_cast<std::size_t>(std::max(20, width_ * (1000 - at) / 1000 * 5 / (line_ * 2) - 2));
    std::size_t from = 0;
    while (from < text.size()) {
      std::size_t end = text.size();
      if (Characters(text.substr(from)) > room) {
        end = from;
        for (std::size_t i = from; i < text.size(); ++i) {
          if (Characters(text.substr(from, i - from)) > room) break;
          if (text[i] == ' ') end = i;
        }
        if (end == from) end = text.size();
      }
      Row({at}, {text.substr(from, end - from)});
      from = end < text.size() ? end + 1 : end;
    }
  }
  void Gap() { y_ += line_ / 2; }
  // Cells at x positions in per mille of the text width.
  void Row(const std::vector<int>& at, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size() && i < at.size(); ++i)
      if (!cells[i].empty()) page_.DrawText(left_ + width_ * at[i] / 1000, y_, cells[i]);
    y_ += line_;
  }
  void Rule() {
    page_.DrawText(left_, y_, std::string(90, '-'));
    y_ += line_ / 2;
  }
  void Skip(int lines) { y_ += line_ * lines; }

 private:
  static std::size_t Characters(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  }
  platform::PageTarget& page_;
  int left_, width_, y_, line_;
};

// A number with the decimals the module's values are shown with.
std::string CertFixed(const QJsonValue& v, int decimals) {
  if (!v.isDouble()) return CertText(v);
  return platform::WithoutNegativeZero(StringPrintf("%.*f", decimals, v.toDouble()));
}

std::string CertUnit(int typeIndex, const QJsonObject& p) {
  const int channel = p.value("channel").toInt(0);
  if (channel < 1 || channel > 5) return {};
  std::string u = types::ChannelUnit(typeIndex, channel);
  // A channel the catalogue leaves unnamed (the pH compensation's cell voltage): the unit
  // the point's noise was judged in, unless that is relative.
  if (u.empty() || u == " ") {
    u = p.value("noise_unit").toString().toStdString();
    if (u == "%") u.clear();
  }
  return u.empty() ? std::string() : " " + u;
}

void CertPoints(CertSheet& s, const Event& e, Language l) {
  const std::vector<int> at{0, 70, 260, 420, 520, 700, 850};
  std::vector<std::string> header;
  for (const Text& h : kCertPointHeader) header.push_back(Tr(l, h));
  s.Row(at, header);
  s.Rule();
  int n = 0;
  for (const QJsonValue& v : e.details.value("points").toArray()) {
    const QJsonObject p = v.toObject();
    const QJsonValue captured = p.value("captured").isDouble() ? p.value("captured") : p.value("watched");
    const bool figures = p.contains("drift");
    std::string stable = "-";
    if (figures)
      stable = p.value("stable").toBool() && p.value("seconds_to_stable").isDouble()
                   ? platform::Fill(Tr(l, kCertAfterSeconds), p.value("seconds_to_stable").toDouble())
                   : std::string(Tr(l, kCertNo));
    const int channel = p.value("channel").toInt(0);
    const std::string shown = channel >= 1 && channel <= 5
                                  ? CertFixed(captured, std::max(1, types::ChannelDecimals(e.type - 1, channel)))
                                  : CertText(captured);
    s.Row(at, {std::to_string(++n), shown + (captured.isDouble() ? CertUnit(e.type - 1, p) : ""),
               CertText(p.value("reference")), CertFixed(p.value("temperature"), 1),
               figures ? CertText(p.value("drift")) + " " + CertText(p.value("drift_unit")) : "-",
               figures ? CertText(p.value("noise")) + " " + CertText(p.value("noise_unit")) : "-", stable});
    if (std::string more = PointFiguresText(p, l); !more.empty()) s.Wrapped(70, more);
  }
}

void CertResults(CertSheet& s, const Event& e, Language l) {
  const QJsonObject& d = e.details;
  const std::string procedure = d.value("procedure").toString().toStdString();
  const std::vector<int> at{0, 380, 530, 680, 860};
  std::vector<std::string> header;
  for (const Text& h : kCertResultHeader) header.push_back(Tr(l, h));
  s.Row(at, header);
  s.Rule();
  const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
  const std::vector<types::PlausibleRange> ranges = types::PlausibleRanges(procedure);
  const int typeIndex = e.type - 1;
  for (int k = 1; k <= 4 && k <= before.size() && k <= after.size(); ++k) {
    const bool changed = before[k - 1].toDouble() != after[k - 1].toDouble();
    const types::PlausibleRange* range = nullptr;
    for (const types::PlausibleRange& r : ranges)
      if (r.value == k) range = &r;
    if (!changed && !range) continue;
    std::string label = e.type > 0 ? types::CalibrationLabel(typeIndex, k, l) : std::string();
    if (label.empty()) label = "K" + std::to_string(k);
    std::string unit = e.type > 0 ? types::CalibrationUnit(typeIndex, k) : std::string();
    if (unit == "%%/K") unit = "%/K";
    if (!unit.empty()) label += " (" + unit + ")";
    std::string limits, judged;
    if (range) {
      limits = StringPrintf("%g … %g", range->low, range->high);
      judged =
          types::InRange(*range, static_cast<float>(after[k - 1].toDouble())) ? Tr(l, kCertWithin) : Tr(l, kCertBroken);
    }
    const int decimals = std::max(1, types::CalibrationDecimals(typeIndex, kCertParameters[k - 1]));
    s.Row(at, {label, CertFixed(before[k - 1], decimals), CertFixed(after[k - 1], decimals), limits, judged});
  }
  if (d.value("slope").isDouble()) {
    const double slope = d.value("slope").toDouble();
    const types::PlausibleRange& r = types::kPhSlopeRange;
    s.Row(at, {std::string(Tr(l, kCertSlope)) + " (mV/pH)", "", CertFixed(d.value("slope"), 1),
               StringPrintf("%g … %g", r.low, r.high),
               types::InRange(r, static_cast<float>(slope)) ? Tr(l, kCertWithin) : Tr(l, kCertBroken)});
  }
  if (procedure == "ph-two-point" && after.size() >= 2)
    s.Line(platform::Fill(Tr(l, kCertNernst),
                          platform::StringPrintf("%.1f", platform::WithoutNegativeZero(
                                                             after[1].toDouble() / types::kNernstSlope25 * 100.0, 1)),
                          platform::StringPrintf("%.1f", platform::WithoutNegativeZero(after[0].toDouble(), 1))));
  if (procedure == "ph-compensation" && d.value("slope").isDouble() && after.size() >= 3)
    s.Line(platform::Fill(
        Tr(l, kCertNernst),
        platform::StringPrintf(
            "%.1f", platform::WithoutNegativeZero(d.value("slope").toDouble() / types::kNernstSlope25 * 100.0, 1)),
        platform::StringPrintf("%.1f", platform::WithoutNegativeZero(after[2].toDouble(), 1))));
}

}  // namespace

bool LayoutCertificate(platform::PageTarget& page, const Event& e, Language l) {
  const QJsonObject& d = e.details;
  CertSheet s(page);
  s.Line(Tr(l, kCertificateTitle));
  s.Gap();
  s.Line(platform::Fill(Tr(l, kCertModule), ShownIdentity(e.identity),
                        e.type > 0 ? types::TypeName(e.type - 1, l).c_str() : "-", e.address,
                        e.deviceKind >= 0 ? std::to_string(e.deviceKind).c_str() : "-",
                        e.firmware.empty() ? "-" : e.firmware));
  s.Line(platform::Fill(
      Tr(l, kCertProcedure), types::ProcedureName(d.value("procedure").toString().toStdString(), l),
      d.value("mode").toString() == QLatin1String("assistant") ? Tr(l, kCertAssistant) : Tr(l, kCertClassic)));
  s.Line(platform::Fill(Tr(l, kCertWhen), CertTime(e.timeMs, l), e.technician.empty() ? "-" : e.technician));
  s.Line(platform::Fill(Tr(l, kCertProgram), e.program, e.host.empty() ? "-" : e.host));
  // The record this page was made from, so it can be found and checked in the history.
  if (e.seq > 0) s.Line(platform::Fill(Tr(l, kCertEntry), static_cast<long long>(e.seq), e.hash.substr(0, 16)));
  s.Gap();
  s.Line(Tr(l, kCertPoints));
  CertPoints(s, e, l);
  s.Gap();
  s.Line(Tr(l, kCertResults));
  CertResults(s, e, l);
  s.Gap();
  const QString verdict = d.value("verdict").toString();
  const std::string judged = verdict == QLatin1String("plausible")     ? Tr(l, kCertPlausible)
                             : verdict == QLatin1String("implausible") ? Tr(l, kCertImplausible)
                                                                       : Tr(l, kCertNoResult);
  const bool saved = d.value("outcome").toString() == QLatin1String("saved");
  s.Line(platform::Fill(Tr(l, kCertVerdict), judged, saved ? Tr(l, kCertSaved) : Tr(l, kCertNotSaved)));
  s.Skip(3);
  const std::vector<int> at{0, 550};
  s.Row(at, {std::string(32, '_'), std::string(32, '_')});
  s.Row(at, {platform::Fill(Tr(l, kCertTechnician), e.technician.empty() ? "" : e.technician), Tr(l, kCertSignature)});
  return page.End();
}

}  // namespace korvane::history
