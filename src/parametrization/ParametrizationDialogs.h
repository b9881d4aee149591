#pragma once
// The parametrization's own windows, as the flows see them: the type selection, the
// parametrization dialog and the raw value window. Qt widgets on the desktop, doubles
// in the tests.
#include <cstdint>
#include <functional>
#include <optional>

#include "parametrization/ParamControls.h"
#include "parametrization/ParamFields.h"

namespace korvane::link {
class Link;
}

namespace korvane::parametrization {

// The small window that shows the raw converter value during a measurement.
class RawValueView {
 public:
  virtual ~RawValueView() = default;
  virtual void Open(std::uint32_t value) = 0;
  virtual void Show(std::uint32_t value) = 0;
  virtual void Close() = 0;
};

// What the parametrization dialog's buttons and DAC edits do on the module while it
// is open.
class ParametrizationActions {
 public:
  enum class ReportStatus { kDone, kNoAnswer, kLineLost };

  virtual ~ParametrizationActions() = default;
  virtual ParamFields& fields() = 0;
  virtual const ControlEnabling& enabling() const = 0;
  // The line the actions use: the dialog's controls wait while a flow holds it.
  virtual link::Link& link() = 0;
  // The dialog copies its controls into the fields before an action takes them over
  // (takeControls), and shows the fields again when an action changed them
  // (showFields); empty functions when the dialog closes.
  virtual void SetControlHooks(std::function<void()> takeControls, std::function<void()> showFields) = 0;

  // Closing: DAC adjust mode is left.
  virtual void Close() = 0;
  // "Aktualisieren": reads the report into the fields.
  virtual ReportStatus ReadParameterReport() = 0;
  // "Drucken": prints the report; false when cancelled or the job failed (told).
  virtual bool PrintParameterReport() = 0;
  // A measure-and-store button.
  virtual void Measure(Control control) = 0;
  // "Messen": the air-pressure adjustment.
  virtual void MeasureAirPressure() = 0;
  // A range button, 0..3.
  virtual void SwitchRange(int button) = 0;
  // DAC edit i (0..7) changed: the module's output follows it.
  virtual void SetDacOutput(int i) = 0;
  // "Werte Programmieren".
  virtual void ProgramDacLimits() = 0;
  // The "PROG" buttons.
  virtual void WriteDeviceNumber() = 0;
  virtual void WriteCalibrationDelay() = 0;
  virtual void WriteScreenSaver() = 0;
};

class ParametrizationDialogs {
 public:
  virtual ~ParametrizationDialogs() = default;
  // The type to parametrize (catalogue index 0..30); nullopt when cancelled.
  virtual std::optional<int> SelectType() = 0;
  // Shows the initialized parametrization modally; its buttons call the actions.
  virtual void Run(ParametrizationActions& session) = 0;
  virtual RawValueView& rawValueView() = 0;
};

}  // namespace korvane::parametrization
