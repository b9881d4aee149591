#include "link/FlowLog.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>

#include "link/Link.h"
#include "platform/NumberText.h"
#include "types/Cp1252.h"

namespace korvane::link {

double FlowNumber(float value) {
  if (!std::isfinite(value)) return static_cast<double>(value);
  char buffer[32];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
  double d = 0;
  std::from_chars(buffer, r.ptr, d);
  return d;
}

QJsonValue FlowText(const std::string& windows1252) {
  return QString::fromStdString(types::FromWindows1252(windows1252));
}

QJsonValue FlowPath(const std::string& path) {
  if (path.empty()) return QString();
  return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()))).absoluteFilePath();
}

QJsonObject FlowFields(const types::KeyValues& lines) {
  QJsonObject o;
  for (const auto& [key, value] : lines) o.insert(QString::fromStdString(types::FromWindows1252(key)), FlowText(value));
  return o;
}

QJsonArray FlowChanges(const std::vector<types::ValueChange>& changes) {
  QJsonArray a;
  for (const types::ValueChange& c : changes)
    a.append(QJsonObject{{"key", FlowText(c.key)}, {"before", FlowText(c.before)}, {"after", FlowText(c.after)}});
  return a;
}

ModuleIdentity IdentityFromModule(const Link& link, int address) {
  const ModuleState& m = link.module();
  ModuleIdentity id;
  id.identity = m.identity;
  id.address = address;
  id.type = m.typeIndex + 1;
  id.deviceKind = m.deviceKind;
  id.firmware = platform::StringPrintf("%.2f", static_cast<double>(m.firmware));
  return id;
}

void IdentifyRecord(Link& link, const FlowContext& context, FlowRecord& record) {
  ModuleIdentity& id = record.module;
  if (id.address < 0) id.address = context.address;
  // Asked before the identity reads below take the line afresh.
  const bool answered = id.address > 255 || link.answeredInFlow(static_cast<std::uint8_t>(id.address));
  const bool complete = !id.identity.empty() && id.type > 0 && id.deviceKind >= 0 && !id.firmware.empty();
  if (record.identify && !complete && link.portOpen() && !link.isLineLost()) {
    // A nested lease when the flow still holds the line; none while another does.
    if (const LineLease line = link.TakeLine()) {
      const auto address = static_cast<std::uint8_t>(id.address);
      const auto ask = [&](Parameter p) { return link.Read(address, p, link.timings().scanTimeout); };
      const ModuleState& m = link.module();
      bool answering = true;
      if (answering && id.identity.empty() && (answering = ask(kIdentity))) id.identity = m.identity;
      if (answering && id.type <= 0 && (answering = ask(kType))) id.type = m.typeIndex + 1;
      if (answering && id.deviceKind < 0 && (answering = ask(kDeviceKind))) id.deviceKind = m.deviceKind;
      if (answering && id.firmware.empty() && ask(kFirmware))
        id.firmware = platform::StringPrintf("%.2f", static_cast<double>(m.firmware));
    }
  }
  // A module that never answered this flow is none the record can name: it says so, and
  // keeps no type or kind the flow only assumed.
  if (record.identify && id.identity.empty() && !answered) {
    id.type = 0;
    id.deviceKind = -1;
    id.firmware.clear();
    record.details["module_answered"] = false;
  }
}

void RecordFlow(Link& link, const FlowContext& context, FlowRecord record) {
  if (!context.log) return;
  IdentifyRecord(link, context, record);
  // Through a station's service port the event happened at the station.
  if (const auto station = link.farStation())
    record.details["station"] = QJsonObject{{"name", QString::fromStdString(station->name)},
                                            {"prefix", QString::fromStdString(station->prefix)}};
  context.log->Record(std::move(record));
}

}  // namespace korvane::link
