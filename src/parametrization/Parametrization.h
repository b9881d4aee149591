#pragma once
// One opening of the parametrization dialog: its initialization, the parameter report
// and its printout, and the adjustment actions of its buttons and DAC edits, over the
// Link and the Ui. German only. QtCore only.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/FlowContext.h"
#include "link/Protocol.h"
#include "parametrization/ParamFields.h"
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

// The controls of the parametrization dialog, by role.
enum class Control {
  kTemperature0,    // "1,000k"
  kTemperature100,  // "1,385k"
  kAirPressure,
  kMeasureAirPressure,
  kRange00, kRange01, kRange10, kRange11, kRange20, kRange21, kRange30, kRange31,  // "Para00".."Para31"
  kRange10Second, kRange11Second, kRange20Second,  // the second value of a double reply
  kBattery,                                        // "Ubat PD,PF,PB"
  kRangeSwitch1, kRangeSwitch2, kRangeSwitch3, kRangeSwitch4,
  kDac0Lower, kDac0Upper, kDac1Lower, kDac1Upper, kDac2Lower, kDac2Upper, kDac3Lower, kDac3Upper,
  kProgramDacLimits,
  kCalibrationDelay,
  kWriteCalibrationDelay,
  kDeviceNumber,
  kWriteDeviceNumber,
  kScreenSaverOff,
  kWriteScreenSaver,
  kReport,
  kReadReport,
  kPrintReport,
  kExit,
  kCount
};
// The role's name ("dac1Upper"): the control's object name.
const char* ControlName(Control c);

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

class Parametrization {
 public:
  enum class ReportStatus { kDone, kNoAnswer, kLineLost };

  Parametrization(link::Link& link, platform::Ui& ui, const link::FlowContext& context, RawValueView& rawView,
                  ParamFields& fields, platform::Clock clock = platform::SystemClock());

  ParamFields& fields() { return fields_; }
  link::Link& link() { return link_; }
  const ControlEnabling& enabling() const { return enabling_; }
  int typeIndex() const;

  // The dialog copies its controls into the fields before an action takes them over,
  // and shows the fields again when an action changed them.
  std::function<void()> onTakeControls;
  std::function<void()> onShowFields;

  // Opening: the report (which fills the module's copies), the type's enabling, the
  // module's device data taken into the fields.
  void Initialize();
  // Closing: DAC adjust mode is left.
  void Close();

  // "Aktualisieren": reads the report into the fields.
  ReportStatus ReadParameterReport();
  // "Drucken": prints the report; false when cancelled or the job failed (told).
  bool PrintParameterReport();

  // A measure-and-store button.
  void Measure(Control control);
  // "Messen": the air-pressure adjustment.
  void MeasureAirPressure();
  // A range button, 0..3.
  void SwitchRange(int button);
  // DAC edit i (0..7) changed: the module's output follows it.
  void SetDacOutput(int i);
  // "Werte Programmieren".
  void ProgramDacLimits();
  // The "PROG" buttons.
  void WriteDeviceNumber();
  void WriteCalibrationDelay();
  void WriteScreenSaver();

  void SetDacAdjustMode(bool on);

 private:
  std::optional<ParamValues> TakeControls();
  void ShowFields();
  // Runs a raw measurement until the user closes the waiting box: the window's value,
  // or nullopt when the line went away meanwhile (told; nothing is to be stored).
  std::optional<std::uint32_t> MeasureRaw(RawPick pick);
  bool Open();

  link::Link& link_;
  platform::Ui& ui_;
  const link::FlowContext& context_;
  RawValueView& raw_;
  ParamFields& fields_;
  platform::Clock clock_;
  ControlEnabling enabling_;
};

}  // namespace korvane::parametrization
