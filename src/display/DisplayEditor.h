#pragma once
// Where the user edits a display unit's configuration: the display unit dialog and its
// outputs dialog on the desktop, a file on the command line, a script in the tests. The
// dialog's buttons reach the unit through DisplayActions.
#include <optional>
#include <string>

#include "display/DisplaySettings.h"
#include "platform/Clock.h"
#include "platform/Language.h"

namespace korvane::display {

class OutputsEditor {
 public:
  virtual ~OutputsEditor() = default;
  // Shows the outputs; true after an OK whose fields were all numbers (then taken).
  virtual bool Edit(DisplayOutputs& outputs, Language language) = 0;
};

// What the display unit dialog's buttons do on the unit while the dialog is open.
class DisplayActions {
 public:
  virtual ~DisplayActions() = default;
  // "Information": the logger information text; nullopt when the unit did not answer.
  virtual std::optional<std::string> LoggerInformation() = 0;
  // "Auslesen": the logger into a file the user chooses.
  virtual void ReadLogger() = 0;
  // "Löschen": asks, then clears the logger.
  virtual void ClearLogger() = 0;
  // "Uhr stellen": the time the user chose.
  virtual void SetClock(const platform::LocalTime& t) = 0;
  virtual platform::LocalTime Now() = 0;
  // The contrast edit changed to a contrast 0..20: sent at once.
  virtual void SetContrast(int contrast) = 0;
  // "Konfigurieren": the outputs flow (reads, the editor, the writes).
  virtual void ConfigureOutputs(DisplayOutputs& outputs, OutputsEditor& editor) = 0;
  // "Speichern" (the outputs are read first when still unknown) and "Öffnen" (true when
  // a file was applied to s).
  virtual void Save(DisplaySettings& s) = 0;
  virtual bool Load(DisplaySettings& s) = 0;
};

class DisplayEditor {
 public:
  enum class Result { kAccepted, kCancelled };
  virtual ~DisplayEditor() = default;
  // Shows the settings; kAccepted after an OK whose fields passed the checks (then
  // taken into s).
  virtual Result Edit(DisplaySettings& s, DisplayActions& actions) = 0;
};

}  // namespace korvane::display
