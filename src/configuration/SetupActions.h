#pragma once
// The configuration dialog's actions that need no module: setup files, the printout
// and the module logger of the series. ConfigTransfer adds the module's type check;
// the tests add their own. QtCore only.
#include "configuration/ConfigurationEditor.h"
#include "logger/LoggerLauncher.h"
#include "platform/Clock.h"
#include "platform/Ui.h"

namespace korvane::configuration {

class SetupActions : public ConfigurationActions {
 public:
  // logger: opened by the series button (nullptr: the user is told it is not available).
  explicit SetupActions(platform::Ui& ui, platform::Clock clock = platform::SystemClock(),
                        logger::LoggerLauncher* logger = nullptr)
      : setupUi_(ui), clock_(std::move(clock)), logger_(logger) {}

  LoadResult Load(ConfigSettings& s) override;
  void Save(const ConfigSettings& s) override;
  void Print(const ConfigSettings& s, const std::array<std::string, 6>& sourceNames) override;
  void OpenLogger(const ConfigSettings& s) override;
  std::optional<ChosenSetup> ChooseSetupFile(Language language) override;

 private:
  platform::Ui& setupUi_;
  platform::Clock clock_;
  logger::LoggerLauncher* logger_;
};

}  // namespace korvane::configuration
