#include "calibration/ClassicSteps.h"

#include "calibration/CalibrationTexts.h"
#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::calibration {

float ClassicSteps::Measured(int channel) const { return link_.module().measured[channel - 1]; }

PointResult ClassicSteps::Point(const PointRequest& r) {
  PointResult p;
  if (r.text) Tell(Tr(lang_, *r.text));
  Tell(Tr(lang_, kWaitStable));
  if (r.captureChannel) p.captured = Measured(r.captureChannel);
  if (r.presetFromCapture) entry_.value = p.captured;
  p.temperature = Measured(6);
  entry_.prompt = r.prompt;
  entry_.unit = r.unit;
  entry_.language = lang_;
  dialogs_.EnterValue(entry_);  // closed without OK: the value it showed counts
  p.reference = entry_.value;
  p.taken = true;
  p.record = QJsonObject{{"captured", r.captureChannel ? QJsonValue(link::FlowNumber(p.captured)) : QJsonValue()},
                         {"reference", link::FlowNumber(p.reference)},
                         {"temperature", link::FlowNumber(p.temperature)}};
  return p;
}

void ClassicSteps::CalibrationError(Verdict) { Tell(Tr(lang_, kCalibrationError)); }

bool ClassicSteps::Offer(const ResultOffer& offer) { return dialogs_.ShowResult(offer.rows) == ResultAction::kSave; }

void ClassicSteps::Tell(const std::string& text) { ui_.Message(text); }

}  // namespace korvane::calibration
