#pragma once
// Stand-ins for the display unit dialogs in tests: functions take the place of the
// dialog and the outputs dialog; a recorder takes the place of the dialog's partner.
#include <functional>
#include <vector>

#include "display/DisplayEditor.h"

namespace korvane::test {

class ScriptedDisplayEditor : public display::DisplayEditor {
 public:
  using Edit_ = std::function<bool(display::DisplaySettings&, display::DisplayActions&)>;
  explicit ScriptedDisplayEditor(Edit_ edit) : edit_(std::move(edit)) {}
  Result Edit(display::DisplaySettings& s, display::DisplayActions& actions) override {
    ++runs;
    return edit_(s, actions) ? Result::kAccepted : Result::kCancelled;
  }
  int runs = 0;

 private:
  Edit_ edit_;
};

class ScriptedOutputsEditor : public display::OutputsEditor {
 public:
  explicit ScriptedOutputsEditor(std::function<bool(display::DisplayOutputs&)> edit) : edit_(std::move(edit)) {}
  bool Edit(display::DisplayOutputs& outputs, Language) override {
    ++runs;
    return edit_(outputs);
  }
  int runs = 0;

 private:
  std::function<bool(display::DisplayOutputs&)> edit_;
};

// What the display dialog asked of the unit, by button.
struct RecordingDisplayActions : display::DisplayActions {
  std::optional<std::string> LoggerInformation() override {
    calls.push_back("information");
    return information;
  }
  void ReadLogger() override { calls.push_back("read"); }
  void ClearLogger() override { calls.push_back("clear"); }
  void SetClock(const platform::LocalTime&) override { calls.push_back("clock"); }
  platform::LocalTime Now() override { return {2026, 5, 6, 7, 8, 0}; }
  void SetContrast(int contrast) override { contrasts.push_back(contrast); }
  void ConfigureOutputs(display::DisplayOutputs&, display::OutputsEditor&) override { calls.push_back("outputs"); }
  void Save(display::DisplaySettings&) override { calls.push_back("save"); }
  bool Load(display::DisplaySettings&) override {
    calls.push_back("load");
    return false;
  }
  std::optional<std::string> information;
  std::vector<std::string> calls;
  std::vector<int> contrasts;
};

}  // namespace korvane::test
