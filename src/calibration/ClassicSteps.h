#pragma once
// The classic steps: the point's text and "Warten, bis der Messwert stabil ist. Dann OK
// drücken." as message boxes, the value captured when the box closes, then the value
// entry; the result dialog. The one entry keeps its value from one prompt to the next.
#include "calibration/CalibrationSteps.h"
#include "platform/Language.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::calibration {

class ClassicSteps : public CalibrationSteps {
 public:
  ClassicSteps(link::Link& link, platform::Ui& ui, CalibrationUi& dialogs, Language language)
      : link_(link), ui_(ui), dialogs_(dialogs), lang_(language) {}

  void Begin(const std::string&, int, int) override {}
  PointResult Point(const PointRequest& request) override;
  float Measured(int channel) const override;
  void CalibrationError(Verdict verdict) override;
  bool Offer(const ResultOffer& offer) override;
  void Tell(const std::string& text) override;
  void End(const std::string&) override {}
  bool assisted() const override { return false; }

 private:
  link::Link& link_;
  platform::Ui& ui_;
  CalibrationUi& dialogs_;
  Language lang_;
  ValueEntry entry_;
};

}  // namespace korvane::calibration
