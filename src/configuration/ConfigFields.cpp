#include "configuration/ConfigFields.h"

#include <algorithm>
#include <array>
#include <vector>

#include "configuration/ConfigLists.h"

namespace korvane::configuration {
namespace {

using S = ConfigSettings;
using K = FieldKind;
using W = WriteWhen;
constexpr int kBuffers = static_cast<int>(kPhBuffers.size());
constexpr int kSolutions = static_cast<int>(kKclSolutions.size());

ConfigField NumberField(const char* role, const char* key, link::Parameter p, int decimals, std::string S::*member,
                        ctl::Control control, W write, int order, bool calibration = false) {
  return {role, key, p, K::kNumber, decimals, member, nullptr, nullptr, control, 0, calibration, write, order};
}
ConfigField TextField(const char* role, const char* key, link::Parameter p, std::string S::*member,
                      ctl::Control control) {
  return {role, key, p, K::kText, 0, member, nullptr, nullptr, control, 0, false, W::kNever, 0};
}
ConfigField ChoiceField(const char* role, const char* key, std::optional<link::Parameter> p, int S::*member,
                        ctl::Control control, int choices, W write = W::kNever, int order = 0) {
  return {role, key, p, K::kChoice, 0, nullptr, member, nullptr, control, choices, false, write, order};
}
ConfigField CheckField(const char* role, const char* key, std::optional<link::Parameter> p, int S::*member,
                       ctl::Control control, W write = W::kNever, int order = 0) {
  return {role, key, p, K::kCheck, 0, nullptr, member, nullptr, control, 0, false, write, order};
}

const std::vector<ConfigField>& Table() {
  static const std::vector<ConfigField> fields = {
      TextField("identity", "IDC_HERSTELLER_NUM", link::kIdentity, &S::identity, ctl::kIdentity),
      ChoiceField("output0Source", "IDC_RADIO1", link::kOutput0Source, &S::output0Source, ctl::kDac0First, 6,
                  W::kAlways, 5),
      ChoiceField("output1Source", "IDC_RADIO7", link::kOutput1Source, &S::output1Source, ctl::kDac1First, 6,
                  W::kAlways, 6),
      NumberField("output0Upper", "IDC_OBERER_WERT0", link::kOutput0Upper, 2, &S::output0Upper, ctl::kOutput0Upper,
                  W::kAlways, 3),
      NumberField("output1Upper", "IDC_OBERER_WERT1", link::kOutput1Upper, 2, &S::output1Upper, ctl::kOutput1Upper,
                  W::kAlways, 4),
      NumberField("output0Lower", "IDC_UNTERER_WERT0", link::kOutput0Lower, 2, &S::output0Lower, ctl::kOutput0Lower,
                  W::kAlways, 1),
      NumberField("output1Lower", "IDC_UNTERER_WERT1", link::kOutput1Lower, 2, &S::output1Lower, ctl::kOutput1Lower,
                  W::kAlways, 2),
      ChoiceField("outputKind", "IDC_STROM_SPANNUNG", link::kOutputKind, &S::outputKind, ctl::kVoltage, 2, W::kAlways,
                  14),
      ChoiceField("currentRange", "IDC_4TO20MA", link::kCurrentRange, &S::currentRange, ctl::k0To20, 2, W::kAlways, 15),
      NumberField("relay1Limit", "IDC_GRENZWERT", link::kRelay1Limit, 2, &S::relay1Limit, ctl::kRelay1Limit, W::kAlways,
                  16),
      NumberField("relay1Hysteresis", "IDC_HYSTERESE", link::kRelay1Hysteresis, 2, &S::relay1Hysteresis,
                  ctl::kRelay1Hysteresis, W::kAlways, 17),
      ChoiceField("relay1LimitType", "IDC_MINIMUM", link::kRelay1LimitType, &S::relay1LimitType, ctl::kRelay1Minimum, 2,
                  W::kAlways, 18),
      ChoiceField("relay1Source", "IDC_RADIO_RELAY", link::kRelay1Source, &S::relay1Source, ctl::kRelay1First, 6,
                  W::kAlways, 19),
      NumberField("relay2Limit", "IDC_GRENZWERT3", link::kRelay2Limit, 2, &S::relay2Limit, ctl::kRelay2Limit,
                  W::kRelay2Series, 20),
      NumberField("relay2Hysteresis", "IDC_HYSTERESE3", link::kRelay2Hysteresis, 2, &S::relay2Hysteresis,
                  ctl::kRelay2Hysteresis, W::kRelay2Series, 21),
      ChoiceField("relay2LimitType", "IDC_MINIMUM3", link::kRelay2LimitType, &S::relay2LimitType, ctl::kRelay2Minimum,
                  2, W::kRelay2Series, 22),
      ChoiceField("relay2Source", "IDC_RADIO_RELAY2", link::kRelay2Source, &S::relay2Source, ctl::kRelay2First, 6,
                  W::kRelay2Series, 23),
      NumberField("calibrationKey1", "IDC_KAL_C1", link::kCalibrationKey1, kTypeDecimals, &S::calibrationKey1,
                  ctl::kCalibrationKey1, W::kKeyValue, 10),
      NumberField("calibrationKey2", "IDC_KAL_C2", link::kCalibrationKey2, kTypeDecimals, &S::calibrationKey2,
                  ctl::kCalibrationKey2, W::kAlways, 11),
      NumberField("fixedTemperature", "IDC_EDIT1", link::kFixedTemperature, 1, &S::fixedTemperature,
                  ctl::kFixedTemperature, W::kAlways, 24),
      CheckField("fixedTemperatureOn", "IDC_CHECK1", link::kFixedTemperatureOn, &S::fixedTemperatureOn,
                 ctl::kFixedTemperatureOn, W::kAlways, 27),
      TextField("firmware", "IDC_VERSION", link::kFirmware, &S::firmware, ctl::kFirmware),
      {"address", "IDC_GERAETE_ADR", link::kAddress, K::kAddress, 0, nullptr, nullptr, &S::address, ctl::kAddress, 0,
       false, W::kAlways, 13},
      CheckField("calibrationHold", "IDC_KAL_HOLD", link::kCalibrationHold, &S::calibrationHold, ctl::kCalibrationHold,
                 W::kAlways, 28),
      ChoiceField("key1Buffer", "IDC_KAL_T1_PH", std::nullopt, &S::key1Buffer, ctl::kKey1Buffer, kBuffers),
      ChoiceField("key2Buffer", "IDC_KAL_T2_PH", std::nullopt, &S::key2Buffer, ctl::kKey2Buffer, kBuffers),
      ChoiceField("key1Solution", "IDC_KAL_T1_LF", std::nullopt, &S::key1Solution, ctl::kKey1Solution, kSolutions),
      ChoiceField("key2Solution", "IDC_KAL_T2_LF", std::nullopt, &S::key2Solution, ctl::kKey2Solution, kSolutions),
      {"measurementType", "IDC_TYPAUSWAHL", link::kType, K::kType, 0, nullptr, &S::measurementType, nullptr,
       ctl::kMeasurementType, 0, false, W::kConductivity, 26},
      NumberField("calibration2", "IDC_KAL1", link::kCalibration2, kTypeDecimals, &S::calibration2, ctl::kCalibration2,
                  W::kAlways, 8, true),
      NumberField("calibration4", "IDC_KAL3", link::kCalibration4, kTypeDecimals, &S::calibration4, ctl::kCalibration4,
                  W::kFixedPhType, 12, true),
      NumberField("calibration3", "IDC_KAL2", link::kCalibration3, kTypeDecimals, &S::calibration3, ctl::kCalibration3,
                  W::kAlways, 9, true),
      NumberField("calibration1", "IDC_KAL0", link::kCalibration1, kTypeDecimals, &S::calibration1, ctl::kCalibration1,
                  W::kAlways, 7, true),
      NumberField("temperatureOffset", "IDC_OFFSET", link::kTemperatureOffset, 1, &S::temperatureOffset,
                  ctl::kTemperatureOffset, W::kAlways, 25, true),
      // Shown and sent, never saved: the module reports it with the first key value.
      CheckField("phFix", nullptr, std::nullopt, &S::phFix, ctl::kPhFix),
  };
  return fields;
}

}  // namespace

std::span<const ConfigField> ConfigFields() { return Table(); }

std::span<const ConfigField* const> WriteOrder() {
  static const std::vector<const ConfigField*> order = [] {
    std::vector<const ConfigField*> o;
    for (const ConfigField& f : Table())
      if (f.write != WriteWhen::kNever) o.push_back(&f);
    std::sort(o.begin(), o.end(),
              [](const ConfigField* a, const ConfigField* b) { return a->writeOrder < b->writeOrder; });
    return o;
  }();
  return order;
}

const ConfigField* FieldOfParameter(std::uint8_t parameter) {
  for (const ConfigField& f : Table())
    if (f.parameter && f.parameter->number == parameter) return &f;
  return nullptr;
}

}  // namespace korvane::configuration
