#include "app/LineStatus.h"

#include <QDateTime>

#include "history/Drift.h"
#include "history/HistoryView.h"
#include "link/FarStation.h"
#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::app {
namespace {

using platform::Text;

constexpr Text kRate{"app", QT_TRANSLATE_NOOP("app", "%1 Baud")};
constexpr Text kModule{"app", QT_TRANSLATE_NOOP("app", "Modul %1 (%2, Adresse %3)")};
constexpr Text kDueSince{"app", QT_TRANSLATE_NOOP("app", "Kalibrierung fällig seit %1")};
constexpr Text kNeverCalibrated{"app", QT_TRANSLATE_NOOP("app", "Kalibrierung fällig (keine in der Historie)")};

}  // namespace

std::vector<std::string> LineStatus::Parts(Language language) const {
  std::vector<std::string> parts;
  parts.push_back("COM" + std::to_string(comNumber) + " → " + (device.empty() ? std::string("-") : device));
  if (!station.empty()) parts.push_back(link::ThroughStationText({station, {}}, language));
  if (baud > 0) parts.push_back(platform::Fill(Tr(language, kRate), baud));
  if (module) {
    const std::string identity =
        module->identity.empty() ? "-" : platform::ShownText(types::FromWindows1252(module->identity));
    const std::string type = module->typeIndex >= 0 ? types::TypeName(module->typeIndex, language) : "-";
    parts.push_back(platform::Fill(Tr(language, kModule), identity, type, module->address));
  }
  if (!calibrationDue.empty()) parts.push_back(calibrationDue);
  return parts;
}

std::string CalibrationDueText(const history::KnownModule& module, const history::CalibrationIntervals& intervals,
                               std::int64_t nowMs, Language language) {
  const history::ModuleRow row = history::RowOf(module, intervals, nowMs, language);
  if (!row.due) return {};
  if (module.lastSavedCalibrationMs <= 0) return Tr(language, kNeverCalibrated);
  const auto due = module.lastSavedCalibrationMs + static_cast<std::int64_t>(row.intervalDays * history::kDayMs);
  const QString date = platform::ShownDate(QDateTime::fromMSecsSinceEpoch(due).date(), language);
  return platform::Fill(Tr(language, kDueSince), date.toStdString());
}

}  // namespace korvane::app
