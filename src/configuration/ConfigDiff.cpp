#include "configuration/ConfigDiff.h"

#include <map>

#include "configuration/SetupFile.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::configuration {
namespace {

using platform::Text;

// The labels of the fields a setup file holds, by role.
const std::map<std::string, Text>& Labels() {
  static const std::map<std::string, Text> labels = {
      {"identity", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kennung")}},
      {"output0Source", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 0 Quelle")}},
      {"output1Source", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 1 Quelle")}},
      {"output0Upper", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 0 oberer Wert")}},
      {"output1Upper", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 1 oberer Wert")}},
      {"output0Lower", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 0 unterer Wert")}},
      {"output1Lower", {"configuration", QT_TRANSLATE_NOOP("configuration", "DAC 1 unterer Wert")}},
      {"outputKind", {"configuration", QT_TRANSLATE_NOOP("configuration", "Ausgang Spannung/Strom")}},
      {"currentRange", {"configuration", QT_TRANSLATE_NOOP("configuration", "Strombereich")}},
      {"relay1Limit", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 1 Grenzwert")}},
      {"relay1Hysteresis", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 1 Hysterese")}},
      {"relay1LimitType", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 1 Grenzwerttyp")}},
      {"relay1Source", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 1 Quelle")}},
      {"relay2Limit", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 2 Grenzwert")}},
      {"relay2Hysteresis", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 2 Hysterese")}},
      {"relay2LimitType", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 2 Grenzwerttyp")}},
      {"relay2Source", {"configuration", QT_TRANSLATE_NOOP("configuration", "Relais 2 Quelle")}},
      {"calibrationKey1", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierkennwert 1")}},
      {"calibrationKey2", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierkennwert 2")}},
      {"fixedTemperature", {"configuration", QT_TRANSLATE_NOOP("configuration", "Feste Temperatur")}},
      {"fixedTemperatureOn", {"configuration", QT_TRANSLATE_NOOP("configuration", "Feste Temperatur ein")}},
      {"firmware", {"configuration", QT_TRANSLATE_NOOP("configuration", "Firmware")}},
      {"address", {"configuration", QT_TRANSLATE_NOOP("configuration", "Geräteadresse")}},
      {"calibrationHold", {"configuration", QT_TRANSLATE_NOOP("configuration", "Ausgänge halten beim Kalibrieren")}},
      {"key1Buffer", {"configuration", QT_TRANSLATE_NOOP("configuration", "Puffer 1")}},
      {"key2Buffer", {"configuration", QT_TRANSLATE_NOOP("configuration", "Puffer 2")}},
      {"key1Solution", {"configuration", QT_TRANSLATE_NOOP("configuration", "KCl-Lösung 1")}},
      {"key2Solution", {"configuration", QT_TRANSLATE_NOOP("configuration", "KCl-Lösung 2")}},
      {"measurementType", {"configuration", QT_TRANSLATE_NOOP("configuration", "Messwert Typ")}},
      {"calibration1", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierwert 1")}},
      {"calibration2", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierwert 2")}},
      {"calibration3", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierwert 3")}},
      {"calibration4", {"configuration", QT_TRANSLATE_NOOP("configuration", "Kalibrierwert 4")}},
      {"temperatureOffset", {"configuration", QT_TRANSLATE_NOOP("configuration", "Temperatur-Offset")}},
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
  return it == Labels().end() ? role : std::string(Tr(language, it->second));
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
