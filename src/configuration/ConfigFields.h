#pragma once
// The configuration's fields, one row each: reading from a module, the write
// sequence, setup files and the dialog's controls all walk this one table. Pure C++.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "configuration/ConfigControls.h"
#include "configuration/ConfigSettings.h"
#include "link/Protocol.h"

namespace korvane::configuration {

enum class FieldKind {
  kNumber,   // a number the user edits, kept as its text; a float on the wire
  kText,     // a text only the module sets (firmware, identity); never written
  kChoice,   // an index into a radio group or a list (-1: none); a byte on the wire
  kCheck,    // a check box, 0 or 1; a byte on the wire
  kAddress,  // the module address
  kType,     // the measurement type: list index in the dialog, absolute elsewhere
};

// When a field takes part in the write sequence.
enum class WriteWhen {
  kNever,
  kAlways,
  kFixedPhType,   // only for the type with a fixed pH (calibration value 4)
  kRelay2Series,  // only on the series with a second relay
  kConductivity,  // only for the conductivity family (its range is chosen here)
  kKeyValue,      // the fixed-pH type sends its "pH Fix" check in this place
};

// Decimals of a float read from the module that depend on the module's type.
inline constexpr int kTypeDecimals = -1;

struct ConfigField {
  const char* role;  // English name; the member is called so
  const char* key;   // key in setup files (stored files use this spelling); nullptr: not saved
  std::optional<link::Parameter> parameter;
  FieldKind kind;
  int decimals = 0;                              // kNumber: digits of the text of a float read from the module
  std::string ConfigSettings::*text = nullptr;   // kNumber, kText
  int ConfigSettings::*number = nullptr;         // kChoice, kCheck, kType
  std::uint8_t ConfigSettings::*byte = nullptr;  // kAddress
  ctl::Control control = ctl::kControlCount;     // the edit, box, list or a group's first button
  int choices = 0;                               // kChoice: buttons or list entries
  bool calibration = false;  // a setup file brings it only when the user asks for the calibration too
  WriteWhen write = WriteWhen::kNever;
  int writeOrder = 0;  // place in the write sequence (1 = first)
};

// Every field, in the order of the setup file's lines.
std::span<const ConfigField> ConfigFields();
// The fields of the write sequence, in its order.
std::span<const ConfigField* const> WriteOrder();
// The field a module parameter fills; nullptr for parameters without one.
const ConfigField* FieldOfParameter(std::uint8_t parameter);

}  // namespace korvane::configuration
