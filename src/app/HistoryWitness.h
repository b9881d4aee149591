#pragma once
// The heads of the histories the desktop program and korvane-cli saw, kept in
// korvane.conf, one line per history: "witness.<history>=<seq>:<hash> <UTC time> <program>"
// (the history's file path or PostgreSQL database; "=", "%" and control characters in it
// written %XX). A head is only ever replaced by a later one.
#include <optional>
#include <string>

#include "history/Witness.h"

namespace korvane::app {

std::string WitnessSettingsKey(const std::string& history);
std::string WitnessValue(const history::SeenHead& seen);
std::optional<history::SeenHead> ParseWitnessValue(const std::string& value);

class OwnSettingsWitness : public history::WitnessBook {
 public:
  explicit OwnSettingsWitness(std::string settingsFolder) : folder_(std::move(settingsFolder)) {}

  std::optional<history::SeenHead> Remembered(const std::string& history) const override;
  bool Remember(const std::string& history, const history::SeenHead& seen, std::string* error) override;
  std::string Where() const override;

 private:
  std::string folder_;
};

}  // namespace korvane::app
