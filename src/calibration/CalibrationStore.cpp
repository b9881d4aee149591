#include "calibration/CalibrationStore.h"

#include "link/Link.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::calibration {

link::WriteReport WriteCalibrationSet(link::Link& link, platform::Ui& ui, const link::FlowContext& context) {
  link::WriteReport report;
  ui.ProgressOpen(Tr(Language::kGerman, types::kTransferCaption), Tr(context.language, types::kTransferText), 0, 5);
  for (std::size_t i = 0; i < link::kCalibrationValues.size(); ++i) {
    const link::Parameter p = link::kCalibrationValues[i];
    const bool answered = link.Write(context.address, p, link::FloatData(link.module().calibration[i]));
    if (!link.Count(report, answered, link::kWrite, p.number)) break;
    ui.ProgressSet(static_cast<int>(i) + 1);
  }
  // The store command carries the previous frame's bytes; the module ignores them.
  if (!report.lineLost) {
    link.Count(report, link.Request(context.address, link::kStoreSettings, link::FrameData(link.lastSent())),
               link::kStoreSettings.group, link::kStoreSettings.number);
    ui.ProgressSet(5);
  }
  ui.ProgressClose();
  return report;
}

}  // namespace korvane::calibration
