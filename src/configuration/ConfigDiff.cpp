#include "configuration/ConfigDiff.h"

#include <map>

#include "configuration/SetupFile.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/Catalogue.h"

namespace korvane::configuration {
namespace {

using platform::TextPair;

// The labels of the fields a setup file holds, by role.
const std::map<std::string, TextPair>& Labels() {
  static const std::map<std::string, TextPair> labels = {
      {"identity", {"Kennung", "Identity"}},
      {"output0Source", {"DAC 0 Quelle", "DAC 0 source"}},
      {"output1Source", {"DAC 1 Quelle", "DAC 1 source"}},
      {"output0Upper", {"DAC 0 oberer Wert", "DAC 0 upper value"}},
      {"output1Upper", {"DAC 1 oberer Wert", "DAC 1 upper value"}},
      {"output0Lower", {"DAC 0 unterer Wert", "DAC 0 lower value"}},
      {"output1Lower", {"DAC 1 unterer Wert", "DAC 1 lower value"}},
      {"outputKind", {"Ausgang Spannung/Strom", "Output voltage/current"}},
      {"currentRange", {"Strombereich", "Current range"}},
      {"relay1Limit", {"Relais 1 Grenzwert", "Relay 1 limit"}},
      {"relay1Hysteresis", {"Relais 1 Hysterese", "Relay 1 hysteresis"}},
      {"relay1LimitType", {"Relais 1 Grenzwerttyp", "Relay 1 limit type"}},
      {"relay1Source", {"Relais 1 Quelle", "Relay 1 source"}},
      {"relay2Limit", {"Relais 2 Grenzwert", "Relay 2 limit"}},
      {"relay2Hysteresis", {"Relais 2 Hysterese", "Relay 2 hysteresis"}},
      {"relay2LimitType", {"Relais 2 Grenzwerttyp", "Relay 2 limit type"}},
      {"relay2Source", {"Relais 2 Quelle", "Relay 2 source"}},
      {"calibrationKey1", {"Kalibrierkennwert 1", "Calibration key value 1"}},
      {"calibrationKey2", {"Kalibrierkennwert 2", "Calibration key value 2"}},
      {"fixedTemperature", {"Feste Temperatur", "Fixed temperature"}},
      {"fixedTemperatureOn", {"Feste Temperatur ein", "Fixed temperature on"}},
      {"firmware", {"Firmware", "Firmware"}},
      {"address", {"Geräteadresse", "Device address"}},
      {"calibrationHold", {"Ausgänge halten beim Kalibrieren", "Hold outputs during calibration"}},
      {"key1Buffer", {"Puffer 1", "Buffer 1"}},
      {"key2Buffer", {"Puffer 2", "Buffer 2"}},
      {"key1Solution", {"KCl-Lösung 1", "KCl solution 1"}},
      {"key2Solution", {"KCl-Lösung 2", "KCl solution 2"}},
      {"measurementType", {"Messwert Typ", "Measurement type"}},
      {"calibration1", {"Kalibrierwert 1", "Calibration value 1"}},
      {"calibration2", {"Kalibrierwert 2", "Calibration value 2"}},
      {"calibration3", {"Kalibrierwert 3", "Calibration value 3"}},
      {"calibration4", {"Kalibrierwert 4", "Calibration value 4"}},
      {"temperatureOffset", {"Temperatur-Offset", "Temperature offset"}},
  };
  return labels;
}

// Two values of a field are the same when they are the same text, the same number for a
// number field, or the same byte for a field loading keeps the low 8 bits of (-1 and 255).
bool Same(const ConfigField& f, const std::string& a, const std::string& b) {
  if (a == b) return true;
  switch (f.kind) {
    case FieldKind::kText: return false;
    case FieldKind::kNumber: {
      const auto x = platform::NumberEntryText(a), y = platform::NumberEntryText(b);
      return x && y && platform::ToDouble(*x) == platform::ToDouble(*y);
    }
    case FieldKind::kChoice:
    case FieldKind::kCheck:
    case FieldKind::kAddress:
    case FieldKind::kType:
      return !a.empty() && !b.empty() && (platform::ToInt(a) & 0xFF) == (platform::ToInt(b) & 0xFF);
  }
  return false;
}

}  // namespace

types::KeyValues SetupValues(const ConfigSettings& s) { return types::KeyValueLines(SetupFile::BuildSetupText(s)); }

std::vector<types::ValueChange> WrittenChanges(const ConfigSettings& found, const std::vector<ConfigWrite>& writes) {
  // The settings as the module will report them: each write read back.
  ConfigSettings after = found;
  link::ModuleState m;
  for (const ConfigWrite& w : writes) {
    m.parameter[w.parameter.number] = w.data;
    ApplyReadReply(after, m, w.parameter.number);
  }
  return types::ChangedValues(SetupValues(found), SetupValues(after));
}

std::string KeyLabel(const std::string& key, int absoluteType, Language language) {
  for (const ConfigField& f : ConfigFields())
    if (f.key && key == f.key) return FieldLabel(f, absoluteType, language);
  return {};
}

int KeyRank(const std::string& key) {
  int rank = 0;
  for (const ConfigField& f : ConfigFields()) {
    if (f.key && key == f.key) return rank;
    ++rank;
  }
  return rank;
}

std::array<std::string, 4> CalibrationKeys() {
  std::array<std::string, 4> keys;
  for (const ConfigField& f : ConfigFields()) {
    const std::string role = f.role;
    for (std::size_t n = 0; n < keys.size(); ++n)
      if (f.key && role == "calibration" + std::to_string(n + 1)) keys[n] = f.key;
  }
  return keys;
}

std::string FieldLabel(const ConfigField& f, int absoluteType, Language language) {
  const std::string role = f.role;
  static const char* const kCalibration[] = {"calibration1", "calibration2", "calibration3", "calibration4"};
  for (int n = 0; n < 4; ++n) {
    if (role != kCalibration[n] || absoluteType < 0 || absoluteType >= types::kTypeCount) continue;
    const std::string own = types::CalibrationLabel(absoluteType, n + 1, language);
    if (!own.empty()) return own;
  }
  const auto it = Labels().find(role);
  return it == Labels().end() ? role : std::string(it->second(language));
}

std::vector<FieldDifference> CompareSetupTexts(const std::string& first, const std::string& second, Language language) {
  const int type = platform::ToInt(SetupFile::GetValue(first, "IDC_TYPAUSWAHL"));
  std::vector<FieldDifference> d;
  for (const ConfigField& f : ConfigFields()) {
    if (!f.key) continue;
    const std::string a = SetupFile::GetValue(first, f.key), b = SetupFile::GetValue(second, f.key);
    if (!Same(f, a, b)) d.push_back({f.key, FieldLabel(f, type, language), a, b});
  }
  return d;
}

}  // namespace korvane::configuration
