#pragma once
// The guided calibration of the attached module: reads its type and calibration
// values, leads the user through the measuring points of the type's procedure,
// computes and checks the new values and, on request, stores them in the module.
#include <array>
#include <optional>
#include <string>

#include "calibration/CalibrationMath.h"
#include "calibration/CalibrationUi.h"
#include "link/FlowContext.h"
#include "platform/Language.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::calibration {

// What the procedure needs from the main window.
class CalibrationHost {
 public:
  virtual ~CalibrationHost() = default;
  // Channel labels and unit captions of the main window from the catalogue entry.
  virtual void SetChannelCaptions(int typeIndex) = 0;
  // The live polling of the measured values (every 2000 ms) while the user works.
  virtual void StartPolling() = 0;
  virtual void StopPolling() = 0;
  // Waits one second (link.WaitSeconds(1)) and empties the six value texts.
  virtual void ClearValueDisplay() = 0;
  // Sets the calibration status line and refreshes the window.
  virtual void SetStatusLine(const std::string& text) = 0;
};

// The status line after a calibration: "label: value  " for calibration values 1..3
// (value 1 always, 2 and 3 only where the type names them), with the type's decimals.
std::string CalibrationStatusText(int typeIndex, Language language, const KValues& k);

// printf in the C locale for one number; a value that rounds to zero shows no minus sign.
std::string FormatNumber(const char* format, double value);

struct AssistantParts;

// What a run did, for the window that started it.
struct CalibrationRun {
  std::string procedure;  // "" when no procedure ran
  // "saved", "discarded", "refused", "cancelled", "line-lost".
  std::string outcome;
  int typeIndex = 0;
  KValues before{};  // as read from the module at the start
  std::array<float, 2> keyBefore{};
  std::optional<Verdict> verdict;  // of the formula, when one ran
  bool answered = false;           // the module told its type
  bool saved() const { return outcome == "saved"; }
};

// Runs one calibration of the module at the context's address in its language: the
// messages go through ui, the calibration's own dialogs through dialogs; with an
// assistant, its points, references and result go through the assistant instead.
CalibrationRun Calibrate(link::Link& link, const link::FlowContext& context, platform::Ui& ui, CalibrationUi& dialogs,
                         CalibrationHost& host, AssistantParts* assistant = nullptr);

}  // namespace korvane::calibration
