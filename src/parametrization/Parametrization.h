#pragma once
// One opening of the parametrization dialog: its initialization, the parameter report
// and its printout, and the adjustment actions of its buttons and DAC edits, over the
// Link and the Ui. German only. QtCore only.
#include <QJsonArray>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/FlowContext.h"
#include "link/Protocol.h"
#include "parametrization/ParamFields.h"
#include "parametrization/ParametrizationDialogs.h"
#include "platform/Clock.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::parametrization {

class RawValueView;

// Which reply of a raw request the raw value window shows.
enum class RawPick { kValue60, kFirstOf61, kSecondOf61, kValue62 };

// A button that measures a raw value and stores it as an adjustment parameter.
struct MeasureButton {
  Control control;
  const char* caption;
  RawPick pick;
  link::Parameter target;
  bool takesControls;  // "Ubat PD,PF,PB" takes the fields over first
};
const std::array<MeasureButton, 14>& MeasureButtons();

// The range buttons "200µ", "2000µ", "20m", "100m".
inline constexpr std::array<const char*, 4> kRangeCaptions{"200µ", "2000µ", "20m", "100m"};

class Parametrization : public ParametrizationActions {
 public:
  Parametrization(link::Link& link, platform::Ui& ui, const link::FlowContext& context, RawValueView& rawView,
                  ParamFields& fields, platform::Clock clock = platform::SystemClock());

  ParamFields& fields() override { return fields_; }
  link::Link& link() override { return link_; }
  const ControlEnabling& enabling() const override { return enabling_; }
  int typeIndex() const;
  void SetControlHooks(std::function<void()> takeControls, std::function<void()> showFields) override {
    onTakeControls_ = std::move(takeControls);
    onShowFields_ = std::move(showFields);
  }

  // Opening: the report (which fills the module's copies), the type's enabling, the
  // module's device data taken into the fields.
  void Initialize();
  // Closing: DAC adjust mode is left.
  void Close() override;

  // "Aktualisieren": reads the report into the fields.
  ReportStatus ReadParameterReport() override;
  // "Drucken": prints the report; false when cancelled or the job failed (told).
  bool PrintParameterReport() override;

  // A measure-and-store button.
  void Measure(Control control) override;
  // "Messen": the air-pressure adjustment.
  void MeasureAirPressure() override;
  // A range button, 0..3.
  void SwitchRange(int button) override;
  // DAC edit i (0..7) changed: the module's output follows it.
  void SetDacOutput(int i) override;
  // "Werte Programmieren".
  void ProgramDacLimits() override;
  // The "PROG" buttons.
  void WriteDeviceNumber() override;
  void WriteCalibrationDelay() override;
  void WriteScreenSaver() override;

  void SetDacAdjustMode(bool on);

  // What this opening wrote to the module, for the flow's record: each adjustment with
  // its parameter, name and value, and whether the DAC adjust mode was used.
  const QJsonArray& adjustments() const { return adjustments_; }
  bool usedAdjustMode() const { return usedAdjustMode_; }

 private:
  std::optional<ParamValues> TakeControls();
  void ShowFields();
  // Runs a raw measurement until the user closes the waiting box: the window's value,
  // or nullopt when the line went away meanwhile (told; nothing is to be stored).
  std::optional<std::uint32_t> MeasureRaw(RawPick pick);
  bool Open();
  // Writes an adjustment parameter and keeps it for the record.
  bool WriteAdjustment(const char* name, link::Parameter p, const link::Data4& data, QJsonValue value);

  link::Link& link_;
  platform::Ui& ui_;
  const link::FlowContext& context_;
  RawValueView& raw_;
  ParamFields& fields_;
  platform::Clock clock_;
  ControlEnabling enabling_;
  // The dialog's: its controls copied into the fields before an action takes them
  // over, the fields shown again when an action changed them.
  std::function<void()> onTakeControls_;
  std::function<void()> onShowFields_;
  QJsonArray adjustments_;
  bool usedAdjustMode_ = false;
};

}  // namespace korvane::parametrization
