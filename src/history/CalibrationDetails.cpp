#include "history/CalibrationDetails.h"

#include <QFileInfo>
#include <QJsonArray>

#include "history/HistoryStore.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kDrift{"Drift %g %s, Rauschen %g %s", "drift %g %s, noise %g %s"};
constexpr TextPair kStableAfter{"stabil nach %g s", "stable after %g s"};
constexpr TextPair kNotStable{"nicht stabil (nach %g s)", "not stable (after %g s)"};
constexpr TextPair kAuto{"automatisch übernommen", "accepted automatically"};
constexpr TextPair kByHand{"von Hand übernommen", "taken by hand"};
constexpr TextPair kBuffer{"Puffer %s (%s)", "buffer %s (%s)"};
constexpr TextPair kBufferSet{"Puffersatz %s", "buffer set %s"};
constexpr TextPair kLot{"Charge %s", "lot %s"};
constexpr TextPair kExpiry{"verwendbar bis %s", "use by %s"};

std::string Str(const QJsonValue& v) { return v.toString().toStdString(); }

}  // namespace

std::string PointFiguresText(const QJsonObject& p, Language l) {
  if (!p.contains("drift")) return {};
  std::string text = StringPrintf(kDrift(l), p.value("drift").toDouble(), Str(p.value("drift_unit")).c_str(),
                                  p.value("noise").toDouble(), Str(p.value("noise_unit")).c_str());
  if (p.value("stable").toBool() && p.value("seconds_to_stable").isDouble())
    text += ", " + StringPrintf(kStableAfter(l), p.value("seconds_to_stable").toDouble());
  else
    text += ", " + StringPrintf(kNotStable(l), p.value("seconds").toDouble());
  text += ", " + std::string(p.value("taken").toString() == QLatin1String("auto") ? kAuto(l) : kByHand(l));
  std::vector<std::string> more;
  if (p.contains("buffer"))
    more.push_back(StringPrintf(kBuffer(l), Str(p.value("buffer")).c_str(), Str(p.value("buffer_set")).c_str()));
  else if (p.contains("buffer_set"))
    more.push_back(StringPrintf(kBufferSet(l), Str(p.value("buffer_set")).c_str()));
  if (p.contains("lot")) more.push_back(StringPrintf(kLot(l), Str(p.value("lot")).c_str()));
  if (p.contains("expiry")) more.push_back(StringPrintf(kExpiry(l), Str(p.value("expiry")).c_str()));
  for (std::size_t i = 0; i < more.size(); ++i) text += (i == 0 ? "; " : ", ") + more[i];
  return text;
}

std::optional<double> LastReference(const std::vector<Event>& calibrations, const std::string& procedure, int point) {
  for (auto it = calibrations.rbegin(); it != calibrations.rend(); ++it) {
    if (it->kind != kCalibrationKind || it->details.value("procedure").toString().toStdString() != procedure) continue;
    const QJsonArray points = it->details.value("points").toArray();
    if (point < points.size() && points[point].toObject().value("reference").isDouble())
      return points[point].toObject().value("reference").toDouble();
  }
  return std::nullopt;
}

std::optional<double> LastReference(const store::Location& location, const std::string& identity, int address,
                                    int wireType, const std::string& procedure, int point) {
  if (location.backend == store::Location::Backend::kSqlite && !QFileInfo::exists(QString::fromStdString(location.path)))
    return std::nullopt;
  HistoryStore store;
  std::string error;
  store::OpenFailure failure{};
  if (!store.Open(location, store::OpenOptions{}, &error, &failure)) return std::nullopt;
  EventFilter f;
  f.kind = kCalibrationKind;
  if (!identity.empty())
    f.identity = types::FromWindows1252(identity);
  else
    f.address = address;
  std::vector<Event> events = store.Events(f, &error);
  store.Close();
  if (identity.empty()) std::erase_if(events, [&](const Event& e) { return e.type != wireType; });
  return LastReference(events, procedure, point);
}

}  // namespace korvane::history
