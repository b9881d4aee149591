#include "history/CalibrationDetails.h"

#include <QFileInfo>
#include <QJsonArray>

#include "history/HistoryStore.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/BufferSetNames.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kFiguresDrift{"history", QT_TRANSLATE_NOOP("history", "Drift %1 %2, Rauschen %3 %4")};
constexpr Text kFiguresStableAfter{"history", QT_TRANSLATE_NOOP("history", "stabil nach %1 s")};
constexpr Text kFiguresNotStable{"history", QT_TRANSLATE_NOOP("history", "nicht stabil (nach %1 s)")};
constexpr Text kFiguresAuto{"history", QT_TRANSLATE_NOOP("history", "automatisch übernommen")};
constexpr Text kFiguresByHand{"history", QT_TRANSLATE_NOOP("history", "von Hand übernommen")};
constexpr Text kFiguresBuffer{"history", QT_TRANSLATE_NOOP("history", "Puffer %1 (%2)")};
constexpr Text kFiguresBufferSet{"history", QT_TRANSLATE_NOOP("history", "Puffersatz %1")};
constexpr Text kFiguresLot{"history", QT_TRANSLATE_NOOP("history", "Charge %1")};
constexpr Text kFiguresExpiry{"history", QT_TRANSLATE_NOOP("history", "verwendbar bis %1")};

std::string JsonString(const QJsonValue& v) { return v.toString().toStdString(); }

// The record keeps the set's key; the reader gets its name.
std::string SetName(const QJsonObject& p, Language l) {
  return types::BufferSetName(JsonString(p.value("buffer_set")), l);
}

}  // namespace

std::string PointFiguresText(const QJsonObject& p, Language l) {
  if (!p.contains("drift")) return {};
  std::string text =
      platform::Fill(Tr(l, kFiguresDrift), p.value("drift").toDouble(), JsonString(p.value("drift_unit")),
                     p.value("noise").toDouble(), JsonString(p.value("noise_unit")));
  if (p.value("stable").toBool() && p.value("seconds_to_stable").isDouble())
    text += ", " + platform::Fill(Tr(l, kFiguresStableAfter), p.value("seconds_to_stable").toDouble());
  else
    text += ", " + platform::Fill(Tr(l, kFiguresNotStable), p.value("seconds").toDouble());
  text += ", " + std::string(p.value("taken").toString() == QLatin1String("auto") ? Tr(l, kFiguresAuto)
                                                                                  : Tr(l, kFiguresByHand));
  std::vector<std::string> more;
  if (p.contains("buffer"))
    more.push_back(platform::Fill(Tr(l, kFiguresBuffer), JsonString(p.value("buffer")), SetName(p, l)));
  else if (p.contains("buffer_set"))
    more.push_back(platform::Fill(Tr(l, kFiguresBufferSet), SetName(p, l)));
  if (p.contains("lot")) more.push_back(platform::Fill(Tr(l, kFiguresLot), JsonString(p.value("lot"))));
  if (p.contains("expiry")) more.push_back(platform::Fill(Tr(l, kFiguresExpiry), JsonString(p.value("expiry"))));
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
