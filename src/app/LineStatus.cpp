#include "app/LineStatus.h"

#include <QDateTime>

#include "history/Drift.h"
#include "link/FarStation.h"
#include "history/HistoryView.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/TextPair.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::app {
namespace {

using platform::TextPair;

constexpr TextPair kRate{"%d Baud", "%d baud"};
constexpr TextPair kModule{"Modul %s (%s, Adresse %d)", "Module %s (%s, address %d)"};
constexpr TextPair kDueSince{"Kalibrierung fällig seit %s", "calibration due since %s"};
constexpr TextPair kNeverCalibrated{"Kalibrierung fällig (keine in der Historie)",
                                    "calibration due (none in the history)"};

}  // namespace

std::vector<std::string> LineStatus::Parts(Language language) const {
  std::vector<std::string> parts;
  parts.push_back("COM" + std::to_string(comNumber) + " → " + (device.empty() ? std::string("-") : device));
  if (!station.empty()) parts.push_back(link::ThroughStationText({station, {}}, language));
  if (baud > 0) parts.push_back(platform::StringPrintf(kRate(language), baud));
  if (module) {
    const std::string identity =
        module->identity.empty() ? "-" : platform::ShownText(types::FromWindows1252(module->identity));
    const std::string type = module->typeIndex >= 0 ? types::TypeName(module->typeIndex, language) : "-";
    parts.push_back(platform::StringPrintf(kModule(language), identity.c_str(), type.c_str(), module->address));
  }
  if (!calibrationDue.empty()) parts.push_back(calibrationDue);
  return parts;
}

std::string CalibrationDueText(const history::KnownModule& module, const history::CalibrationIntervals& intervals,
                               std::int64_t nowMs, Language language) {
  const history::ModuleRow row = history::RowOf(module, intervals, nowMs, language);
  if (!row.due) return {};
  if (module.lastSavedCalibrationMs <= 0) return kNeverCalibrated(language);
  const auto due = module.lastSavedCalibrationMs + static_cast<std::int64_t>(row.intervalDays * history::kDayMs);
  const QString date = QDateTime::fromMSecsSinceEpoch(due).toString(
      language == Language::kEnglish ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("dd.MM.yyyy"));
  return platform::StringPrintf(kDueSince(language), date.toStdString().c_str());
}

}  // namespace korvane::app
