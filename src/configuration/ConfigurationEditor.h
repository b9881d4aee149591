#pragma once
// The configuration's shape: what the dialog's buttons do while it is open
// (ConfigurationActions, done by the configuration flows), and where the user edits a
// configuration read from the module before it is written back (ConfigurationEditor:
// the configuration dialog on the desktop, a setup file on the command line, a script
// in the tests).
#include <array>
#include <optional>
#include <string>

#include "configuration/ConfigSettings.h"
#include "configuration/SetupFile.h"

namespace korvane::configuration {

// How the module answered the type check of the dialog's OK.
enum class TypeCheck { kAccepted, kNoReply, kTypeMismatch };

class ConfigurationActions {
 public:
  virtual ~ConfigurationActions() = default;
  // OK: whether the module accepts the chosen type. Tells the user itself why not
  // (communication error, type error).
  virtual TypeCheck CheckTypeOnOk(ConfigSettings& s) = 0;
  // "Öffnen": a setup file into the settings.
  virtual LoadResult Load(ConfigSettings& s) = 0;
  // "Speichern": the settings into a setup file.
  virtual void Save(const ConfigSettings& s) = 0;
  // "Drucken": the printout, with the source names the dialog shows.
  virtual void Print(const ConfigSettings& s, const std::array<std::string, 6>& sourceNames) = 0;
  // The series button: the module logger of the settings' series.
  virtual void OpenLogger(const ConfigSettings& s) = 0;

  // "Vergleichen": the module's configuration read afresh into `into` (nothing is
  // written); false when there is no module or it did not answer (the user was told).
  virtual bool ReadModule(ConfigSettings& /*into*/) { return false; }
  // "Vergleichen" with a file: the setup file the user chooses, read whole.
  virtual std::optional<ChosenSetup> ChooseSetupFile(Language /*language*/) { return std::nullopt; }
};

class ConfigurationEditor {
 public:
  enum class Result { kAccepted, kCancelled };
  virtual ~ConfigurationEditor() = default;
  // Shows the settings for editing; kAccepted after an OK whose type check passed. The
  // settings then hold the edited values, with measurementType as list index beside
  // typeListOffset.
  virtual Result Edit(ConfigSettings& s, ConfigurationActions& actions) = 0;
};

}  // namespace korvane::configuration
