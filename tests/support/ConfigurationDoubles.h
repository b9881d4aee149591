#pragma once
// Stand-ins for the configuration dialog's partners in tests: functions take the
// place of the editor, the type check and the logger.
#include <functional>

#include "configuration/ConfigurationEditor.h"
#include "configuration/SetupActions.h"
#include "logger/LoggerLauncher.h"
#include "platform/Language.h"

namespace korvane::test {

class ScriptedEditor : public configuration::ConfigurationEditor {
 public:
  using Edit_ = std::function<bool(configuration::ConfigSettings&, configuration::ConfigurationActions&)>;
  explicit ScriptedEditor(Edit_ edit) : edit_(std::move(edit)) {}
  // An editor that ignores the type check.
  explicit ScriptedEditor(std::function<bool(configuration::ConfigSettings&)> edit)
      : edit_([edit = std::move(edit)](configuration::ConfigSettings& s, configuration::ConfigurationActions&) {
          return edit(s);
        }) {}

  Result Edit(configuration::ConfigSettings& s, configuration::ConfigurationActions& confirm) override {
    ++runs;
    return edit_(s, confirm) ? Result::kAccepted : Result::kCancelled;
  }

  int runs = 0;

 private:
  Edit_ edit_;
};

// The OK check as a yes/no function of the settings (none: OK always closes); the
// other buttons do what they do on the desktop.
class FunctionConfirmation : public configuration::SetupActions {
 public:
  explicit FunctionConfirmation(platform::Ui& ui, std::function<bool(configuration::ConfigSettings&)> accept = {},
                                platform::Clock clock = platform::SystemClock(),
                                logger::LoggerLauncher* logger = nullptr)
      : SetupActions(ui, std::move(clock), logger), accept_(std::move(accept)) {}
  configuration::TypeCheck CheckTypeOnOk(configuration::ConfigSettings& s) override {
    if (!accept_) return configuration::TypeCheck::kAccepted;
    return accept_(s) ? configuration::TypeCheck::kAccepted : configuration::TypeCheck::kTypeMismatch;
  }

 private:
  std::function<bool(configuration::ConfigSettings&)> accept_;
};

class FunctionLogger : public logger::LoggerLauncher {
 public:
  explicit FunctionLogger(std::function<void(const std::string&, Language)> open) : open_(std::move(open)) {}
  void OpenLogger(const std::string& series, Language language) override { open_(series, language); }

 private:
  std::function<void(const std::string&, Language)> open_;
};

}  // namespace korvane::test
