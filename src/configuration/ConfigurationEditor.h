#pragma once
// Where the user edits a configuration read from the module before it is written
// back: the configuration dialog on the desktop, a setup file on the command line, a
// script in the tests.
#include <string>

#include "configuration/ConfigSettings.h"

namespace korvane::configuration {

// How the module answered the type check of the dialog's OK.
enum class TypeCheck { kAccepted, kNoReply, kTypeMismatch };

// What the dialog's OK asks before it closes: whether the module accepts the chosen
// type. It tells the user itself why not (communication error, type error).
class TypeConfirmation {
 public:
  virtual ~TypeConfirmation() = default;
  virtual TypeCheck CheckTypeOnOk(ConfigSettings& s) = 0;
};

class ConfigurationEditor {
 public:
  enum class Result { kAccepted, kCancelled };
  virtual ~ConfigurationEditor() = default;
  // Shows the settings for editing; kAccepted after an OK whose type check passed. The
  // settings then hold the edited values, with measurementType as list index beside
  // typeListOffset.
  virtual Result Edit(ConfigSettings& s, TypeConfirmation& confirm) = 0;
};

}  // namespace korvane::configuration
