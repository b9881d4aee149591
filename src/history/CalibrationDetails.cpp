#include "history/CalibrationDetails.h"

#include <QFileInfo>
#include <QJsonArray>

#include "history/HistoryStore.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/BufferSetNames.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kFiguresDrift{"Drift %g %s, Rauschen %g %s", "drift %g %s, noise %g %s"};
constexpr TextPair kFiguresStableAfter{"stabil nach %g s", "stable after %g s"};
constexpr TextPair kFiguresNotStable{"nicht stabil (nach %g s)", "not stable (after %g s)"};
constexpr TextPair kFiguresAuto{"automatisch übernommen", "accepted automatically"};
constexpr TextPair kFiguresByHand{"von Hand übernommen", "taken by hand"};
constexpr TextPair kFiguresBuffer{"Puffer %s (%s)", "buffer %s (%s)"};
constexpr TextPair kFiguresBufferSet{"Puffersatz %s", "buffer set %s"};
constexpr TextPair kFiguresLot{"Charge %s", "lot %s"};
constexpr TextPair kFiguresExpiry{"verwendbar bis %s", "use by %s"};

std::string JsonString(const QJsonValue& v) { return v.toString().toStdString(); }

// The record keeps the set's key; the reader gets its name.
std::string SetName(const QJsonObject& p, Language l) {
  return types::BufferSetName(JsonString(p.value("buffer_set")), l);
}

}  // namespace

std::string PointFiguresText(const QJsonObject& p, Language l) {
  if (!p.contains("drift")) return {};
  std::string text =
      StringPrintf(kFiguresDrift(l), p.value("drift").toDouble(), JsonString(p.value("drift_unit")).c_str(),
                   p.value("noise").toDouble(), JsonString(p.value("noise_unit")).c_str());
  if (p.value("stable").toBool() && p.value("seconds_to_stable").isDouble())
    text += ", " + StringPrintf(kFiguresStableAfter(l), p.value("seconds_to_stable").toDouble());
  else
    text += ", " + StringPrintf(kFiguresNotStable(l), p.value("seconds").toDouble());
  text +=
      ", " + std::string(p.value("taken").toString() == QLatin1String("auto") ? kFiguresAuto(l) : kFiguresByHand(l));
  std::vector<std::string> more;
  if (p.contains("buffer"))
    more.push_back(StringPrintf(kFiguresBuffer(l), JsonString(p.value("buffer")).c_str(), SetName(p, l).c_str()));
  else if (p.contains("buffer_set"))
    more.push_back(StringPrintf(kFiguresBufferSet(l), SetName(p, l).c_str()));
  if (p.contains("lot")) more.push_back(StringPrintf(kFiguresLot(l), JsonString(p.value("lot")).c_str()));
  if (p.contains("expiry")) more.push_back(StringPrintf(kFiguresExpiry(l), JsonString(p.value("expiry")).c_str()));
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
  if (location.backend == store::Location::Backend::kSqlite &&
      !QFileInfo::exists(QString::fromStdString(location.path)))
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
