#include "history/CalibrationCertificate.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <vector>

#include "history/CalibrationDetails.h"
#include "history/HistoryTexts.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/CalibrationLimits.h"
#include "types/Catalogue.h"
#include "types/ProcedureNames.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kHeading{"Kalibrierzertifikat", "Calibration certificate"};
constexpr TextPair kModule{"Modul %s: %s, Adresse %d, Geräteart %s, Firmware %s",
                           "Module %s: %s, address %d, kind %s, firmware %s"};
constexpr TextPair kProcedure{"Kalibrierung: %s (%s)", "Calibration: %s (%s)"};
constexpr TextPair kAssistant{"mit Assistent", "with the assistant"};
constexpr TextPair kClassic{"klassisch", "classic"};
constexpr TextPair kWhen{"Datum: %s   Techniker: %s", "Date: %s   Technician: %s"};
constexpr TextPair kProgram{"Programm: %s   Rechner: %s", "Program: %s   Computer: %s"};
constexpr TextPair kEntry{"Verlaufseintrag %lld, SHA-256 %s", "History entry %lld, SHA-256 %s"};
constexpr TextPair kPoints{"Messpunkte", "Measuring points"};
constexpr TextPair kPointHeader[] = {{"Nr.", "no."},        {"gemessen", "captured"}, {"Referenz", "reference"},
                                     {"°C", "°C"},          {"Drift", "drift"},       {"Rauschen", "noise"},
                                     {"stabil", "stable"}};
constexpr TextPair kAfterSeconds{"nach %g s", "after %g s"};
constexpr TextPair kNo{"nein", "no"};
constexpr TextPair kResults{"Ergebnis", "Result"};
constexpr TextPair kResultHeader[] = {{"Wert", "value"}, {"vorher", "before"}, {"nachher", "after"},
                                      {"Grenzen", "limits"}, {"", ""}};
constexpr TextPair kWithin{"eingehalten", "met"};
constexpr TextPair kBroken{"verletzt", "broken"};
constexpr TextPair kSlopeLabel{"Steilheit", "slope"};
constexpr TextPair kPh{"Steilheit %.1f %% der Nernst-Steilheit, Nullpunkt %.1f mV",
                       "slope %.1f %% of Nernst's slope, zero point %.1f mV"};
constexpr TextPair kVerdict{"Urteil: %s, %s", "Verdict: %s, %s"};
constexpr TextPair kPlausible{"plausibel", "plausible"};
constexpr TextPair kImplausible{"nicht plausibel", "not plausible"};
constexpr TextPair kNoResult{"ohne Ergebnis", "no result"};
constexpr TextPair kSaved{"im Modul gespeichert", "saved in the module"};
constexpr TextPair kNotSaved{"nicht gespeichert", "not saved"};
constexpr TextPair kTechnicianSignature{"Techniker: %s", "Technician: %s"};
constexpr TextPair kSignature{"Datum, Unterschrift", "Date, signature"};

std::string Time(std::int64_t ms, Language l) {
  return QDateTime::fromMSecsSinceEpoch(ms)
      .toString(l == Language::kEnglish ? QStringLiteral("yyyy-MM-dd hh:mm") : QStringLiteral("dd.MM.yyyy hh:mm"))
      .toStdString();
}

std::string Text(const QJsonValue& v) {
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isString()) return v.toString().toStdString();
  return "-";
}

// Lines and columns on the page, top down.
class Sheet {
 public:
  explicit Sheet(platform::PageTarget& page)
      : page_(page),
        left_(page.Width() * 8 / 100),
        width_(page.Width() * 84 / 100),
        y_(page.Height() * 5 / 100),
        line_(std::max(1, page.Height() / 60)) {}
  void Line(const std::string& text) { Row({0}, {text}); }
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
  platform::PageTarget& page_;
  int left_, width_, y_, line_;
};

std::string Unit(int typeIndex, const QJsonObject& p) {
  const int channel = p.value("channel").toInt(0);
  if (channel < 1 || channel > 5) return {};
  const std::string u = types::ChannelUnit(typeIndex, channel);
  return u.empty() || u == " " ? std::string() : " " + u;
}

void Points(Sheet& s, const Event& e, Language l) {
  const std::vector<int> at{0, 70, 260, 420, 520, 700, 850};
  std::vector<std::string> header;
  for (const TextPair& h : kPointHeader) header.push_back(h(l));
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
                   ? StringPrintf(kAfterSeconds(l), p.value("seconds_to_stable").toDouble())
                   : std::string(kNo(l));
    s.Row(at, {std::to_string(++n), Text(captured) + (captured.isDouble() ? Unit(e.type - 1, p) : ""),
               Text(p.value("reference")), Text(p.value("temperature")),
               figures ? Text(p.value("drift")) + " " + Text(p.value("drift_unit")) : "-",
               figures ? Text(p.value("noise")) + " " + Text(p.value("noise_unit")) : "-", stable});
    if (std::string more = PointFiguresText(p, l); !more.empty()) s.Row({70}, {more});
  }
}

void Results(Sheet& s, const Event& e, Language l) {
  const QJsonObject& d = e.details;
  const std::string procedure = d.value("procedure").toString().toStdString();
  const std::vector<int> at{0, 380, 530, 680, 860};
  std::vector<std::string> header;
  for (const TextPair& h : kResultHeader) header.push_back(h(l));
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
      judged = types::InRange(*range, static_cast<float>(after[k - 1].toDouble())) ? kWithin(l) : kBroken(l);
    }
    s.Row(at, {label, Text(before[k - 1]), Text(after[k - 1]), limits, judged});
  }
  if (d.value("slope").isDouble()) {
    const double slope = d.value("slope").toDouble();
    const types::PlausibleRange& r = types::kPhSlopeRange;
    s.Row(at, {std::string(kSlopeLabel(l)) + " (mV/pH)", "", Text(d.value("slope")),
               StringPrintf("%g … %g", r.low, r.high),
               types::InRange(r, static_cast<float>(slope)) ? kWithin(l) : kBroken(l)});
  }
  if (procedure == "ph-two-point" && after.size() >= 2)
    s.Line(StringPrintf(kPh(l), after[1].toDouble() / types::kNernstSlope25 * 100.0, after[0].toDouble()));
  if (procedure == "ph-compensation" && d.value("slope").isDouble() && after.size() >= 3)
    s.Line(StringPrintf(kPh(l), d.value("slope").toDouble() / types::kNernstSlope25 * 100.0, after[2].toDouble()));
}

}  // namespace

bool LayoutCertificate(platform::PageTarget& page, const Event& e, Language l) {
  const QJsonObject& d = e.details;
  Sheet s(page);
  s.Line(kHeading(l));
  s.Gap();
  s.Line(StringPrintf(kModule(l), ShownIdentity(e.identity).c_str(),
                      e.type > 0 ? types::TypeName(e.type - 1, l).c_str() : "-", e.address,
                      e.deviceKind >= 0 ? std::to_string(e.deviceKind).c_str() : "-",
                      e.firmware.empty() ? "-" : e.firmware.c_str()));
  s.Line(StringPrintf(kProcedure(l), types::ProcedureName(d.value("procedure").toString().toStdString(), l).c_str(),
                      d.value("mode").toString() == QLatin1String("assistant") ? kAssistant(l) : kClassic(l)));
  s.Line(StringPrintf(kWhen(l), Time(e.timeMs, l).c_str(), e.technician.empty() ? "-" : e.technician.c_str()));
  s.Line(StringPrintf(kProgram(l), e.program.c_str(), e.host.empty() ? "-" : e.host.c_str()));
  // The record this page was made from, so it can be found and checked in the history.
  if (e.seq > 0) s.Line(StringPrintf(kEntry(l), static_cast<long long>(e.seq), e.hash.substr(0, 16).c_str()));
  s.Gap();
  s.Line(kPoints(l));
  Points(s, e, l);
  s.Gap();
  s.Line(kResults(l));
  Results(s, e, l);
  s.Gap();
  const QString verdict = d.value("verdict").toString();
  const std::string judged = verdict == QLatin1String("plausible")     ? kPlausible(l)
                             : verdict == QLatin1String("implausible") ? kImplausible(l)
                                                                       : kNoResult(l);
  const bool saved = d.value("outcome").toString() == QLatin1String("saved");
  s.Line(StringPrintf(kVerdict(l), judged.c_str(), saved ? kSaved(l) : kNotSaved(l)));
  s.Skip(3);
  const std::vector<int> at{0, 550};
  s.Row(at, {std::string(32, '_'), std::string(32, '_')});
  s.Row(at, {StringPrintf(kTechnicianSignature(l), e.technician.empty() ? "" : e.technician.c_str()), kSignature(l)});
  return page.End();
}

}  // namespace korvane::history
