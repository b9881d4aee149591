#pragma once
// Configurations side by side: what a write sequence changes on the module, and two
// setup texts (a file, the module read, the dialog's values) compared field by field,
// each field by its setup-file key and its label in the language. Pure C++.
#include <array>
#include <string>
#include <vector>

#include "configuration/ConfigFields.h"
#include "configuration/ConfigSettings.h"
#include "platform/Language.h"
#include "types/KeyValueText.h"

namespace korvane::configuration {

// The settings' setup-file lines (key, value), as a setup file holds them.
types::KeyValues SetupValues(const ConfigSettings& s);

// The fields the writes change, with their values before (as read into found) and after
// (as the module will report them when read back), by setup-file key in file order.
std::vector<types::ValueChange> WrittenChanges(const ConfigSettings& found, const std::vector<ConfigWrite>& writes);

// The field's label: the type's own name for a calibration value where the type has one.
std::string FieldLabel(const ConfigField& field, int absoluteType, Language language);

// The label of the field a setup-file key names; "" for a key no field has.
std::string KeyLabel(const std::string& key, int absoluteType, Language language);
// The key's place among the setup file's lines; after all of them for a key no field has.
int KeyRank(const std::string& key);
// The setup-file keys of calibration values 1..4.
std::array<std::string, 4> CalibrationKeys();

struct FieldDifference {
  std::string key;
  std::string label;  // UTF-8
  std::string first;  // as the setup text holds it (Windows-1252)
  std::string second;
};
// Every field whose values differ, in file order. Numbers count as equal when they are
// the same number ("7.5" and "7.50"). Labels follow the first text's type.
std::vector<FieldDifference> CompareSetupTexts(const std::string& first, const std::string& second, Language language);

}  // namespace korvane::configuration
