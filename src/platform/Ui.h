#pragma once
// Every modal interaction of a flow goes through this interface: the desktop program
// answers it with Qt dialogs, the command-line program with its options and stdout,
// the tests with a script that records what was shown. Texts are UTF-8.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/Page.h"

namespace korvane::platform {

inline const char* kAppTitle = "Korvane";

struct FileDialogSpec {
  std::string defaultExtension;  // without the dot, e.g. "txt"
  std::string initialName;       // e.g. "*.txt"
  std::string filter;            // "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||"
  bool overwritePrompt = true;
};

// The value entry of a calibration (prompt above the edit, unit beside it).
struct ValueEntry {
  std::string prompt;
  std::string unit;
  float value = 0.0f;
};

// The result display of a calibration: two button captions, three rows.
struct ResultRows {
  std::string saveCaption;
  std::string exitCaption;
  std::array<std::string, 3> labels;
  std::array<std::string, 3> values;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Information box with an OK button.
  virtual void Message(const std::string& text, const std::string& title = kAppTitle) = 0;
  // Error box (error icon, no owner), e.g. "Application Error".
  virtual void ErrorBox(const std::string& text, const std::string& title) = 0;
  // Small yes/no dialog; true for the yes button, false for no or the close box.
  virtual bool YesNo(const std::string& title, const std::string& question, const std::string& yes,
                     const std::string& no) = 0;

  virtual std::optional<std::string> SaveFile(const FileDialogSpec& dialog) = 0;
  virtual std::optional<std::string> OpenFile(const FileDialogSpec& dialog) = 0;

  // Modeless progress window; at most one at a time.
  virtual void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) = 0;
  virtual void ProgressSet(int position) = 0;
  virtual void ProgressClose() = 0;

  // Calibration dialogs. Results: value entry 1 = OK, 2 = closed otherwise (value
  // unchanged); result display 1 = save, 2 = exit; choice 1 = first, 2 = second or closed.
  virtual int ValueEntryDialog(ValueEntry& entry) = 0;
  virtual int ResultDialog(const ResultRows& rows) = 0;
  virtual int ChoiceDialog(const std::string& firstCaption, const std::string& secondCaption) = 0;

  // The recording interval picker; nullopt on cancel.
  virtual std::optional<TimeOfDay> PickInterval(const TimeOfDay& preset) = 0;

  // The print dialog; nullptr when the user cancels.
  virtual std::unique_ptr<PageTarget> BeginPrint(const std::string& documentName) = 0;
};

}  // namespace korvane::platform
