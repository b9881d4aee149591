#include "scan/BusScan.h"

#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "scan/ScanTexts.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::scan {
namespace {

// Type, then kind and identity of an address; false when the type read went unanswered.
bool Probe(link::Link& link, std::uint8_t address, ScanHit& hit) {
  const auto timeout = link.timings().scanTimeout;
  // A late reply of an earlier address would end this wait too: only this address's
  // type counts.
  if (!link.Read(address, link::kType, timeout)) return false;
  const link::Frame& r = link.lastReply();
  if (link::FrameAddress(r) != address || link::FrameGroup(r) != link::kRead ||
      link::FrameParameter(r) != link::kType.number)
    return false;
  const link::ModuleState& m = link.module();
  hit.address = address;
  hit.wireType = m.ParameterByte(link::kType.number);
  if (link.Read(address, link::kDeviceKind, timeout)) hit.deviceKind = m.ParameterByte(link::kDeviceKind.number);
  if (link.Read(address, link::kIdentity, timeout))
    hit.identity = link::IdentityText(m.parameter[link::kIdentity.number]);
  return true;
}

}  // namespace

ScanResult ScanBus(link::Link& link, platform::Ui& ui, Language language, bool display) {
  ScanResult result;
  const link::LineLease line = link.TakeLine();
  if (!line) return result;
  const link::ModuleState saved = link.module();
  const int steps = kLastModuleAddress + 1 + (display ? 1 : 0);
  ui.ProgressOpen(Tr(language, kScanCaption), Tr(language, kScanProgress), 0, steps);
  ui.ProgressAllowCancel();
  for (int a = 0; a <= kLastModuleAddress; ++a) {
    if ((result.cancelled = ui.ProgressCancelled())) break;
    ScanHit hit;
    if (Probe(link, static_cast<std::uint8_t>(a), hit)) result.found.push_back(hit);
    if ((result.lineLost = link.isLineLost())) break;
    ui.ProgressSet(a + 1);
  }
  // The display unit listens at 19200 baud: not asked over a line fixed at its server.
  if (display && !link.rateFixed() && !result.cancelled && !result.lineLost &&
      !(result.cancelled = ui.ProgressCancelled())) {
    // The display unit listens at 19200 baud; the line returns to the rate it had.
    const int baud = link.baudRate();
    link.ClosePort();
    link.setBaudRate(link::kMediumBaud);
    ScanHit hit;
    if (!link.OpenPort(language))
      ui.Message(link.openMessage());
    else if (Probe(link, link::kDisplayAddress, hit))
      result.found.push_back(hit);
    result.lineLost = link.isLineLost();
    link.ClosePort();
    link.setBaudRate(baud);
    ui.ProgressSet(steps);
  }
  ui.ProgressClose();
  link.module() = saved;
  return result;
}

std::string ScanLine(const ScanHit& hit, Language language) {
  const std::string kind = hit.deviceKind < 0 ? "-" : std::to_string(hit.deviceKind);
  return platform::StringPrintf("address: %u  type: %d %s  kind: %s  identity: %s", hit.address, hit.wireType,
                                types::TypeName(hit.wireType - 1, language).c_str(), kind.c_str(),
                                platform::ShownText(types::FromWindows1252(hit.identity)).c_str());
}

}  // namespace korvane::scan
