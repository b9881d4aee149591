#pragma once
// The dialogs of a calibration: the value entry, the result display and the choice
// between two procedures. The desktop program shows them as Qt dialogs, the tests
// answer them from a script. Texts are UTF-8.
#include <array>
#include <string>

#include "platform/Language.h"

namespace korvane::calibration {

// The value entry (prompt above the edit, unit beside it).
struct ValueEntry {
  std::string prompt;
  std::string unit;
  float value = 0.0f;
  Language language = Language::kGerman;
};

// The result display: two button captions, three rows.
struct ResultRows {
  std::string saveCaption;
  std::string exitCaption;
  std::array<std::string, 3> labels;
  std::array<std::string, 3> values;
};

enum class EntryResult { kAccepted, kClosed };  // kClosed leaves the value unchanged
enum class ResultAction { kSave, kExit };       // the close box counts as exit
enum class Choice { kFirst, kSecond };          // the close box counts as the second

class CalibrationUi {
 public:
  virtual ~CalibrationUi() = default;
  virtual EntryResult EnterValue(ValueEntry& entry) = 0;
  virtual ResultAction ShowResult(const ResultRows& rows) = 0;
  virtual Choice Choose(const std::string& firstCaption, const std::string& secondCaption) = 0;
};

}  // namespace korvane::calibration
