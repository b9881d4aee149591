#include "configuration/ConfigSettings.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cerrno>
#include <cstdlib>

#include "configuration/ConfigLists.h"
#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "types/Catalogue.h"

namespace korvane::configuration {

std::string FixedText(float value, int decimals) {
  return platform::StringPrintf("%.*f", decimals, static_cast<double>(value));
}

void ApplyReadReply(ConfigSettings& s, const link::ModuleState& m, std::uint8_t p) {
  const float f = m.ParameterFloat(p);
  const int b = m.ParameterByte(p);
  auto cal = [&](std::string& setting) { setting = FixedText(f, types::CalibrationDecimals(s.moduleType, p)); };
  switch (p) {
    case 28:
      s.moduleType = b - 1;
      s.IDC_TYPAUSWAHL = s.moduleType;
      s.typeListOffset = 0;
      break;
    case 29: s.deviceKind = b; break;
    case 26: s.IDC_HERSTELLER_NUM = link::IdentityText(m.parameter[26]); break;
    case 31: s.IDC_VERSION = link::FirmwareText(f); break;
    case 30: s.IDC_GERAETE_ADR = static_cast<std::uint8_t>(b); break;
    case 39: s.IDC_UNTERER_WERT0 = FixedText(f, 2); break;
    case 40: s.IDC_OBERER_WERT0 = FixedText(f, 2); break;
    case 41: s.IDC_UNTERER_WERT1 = FixedText(f, 2); break;
    case 42: s.IDC_OBERER_WERT1 = FixedText(f, 2); break;
    case 55: s.IDC_GRENZWERT = FixedText(f, 2); break;
    case 56: s.IDC_HYSTERESE = FixedText(f, 2); break;
    case 57: s.IDC_GRENZWERT3 = FixedText(f, 2); break;
    case 58: s.IDC_HYSTERESE3 = FixedText(f, 2); break;
    case 32: cal(s.IDC_KAL0); break;
    case 33: cal(s.IDC_KAL1); break;
    case 34: cal(s.IDC_KAL2); break;
    case 37: cal(s.IDC_KAL3); break;
    case 35:
      cal(s.IDC_KAL_C1);
      s.phFix = f > 0.0f ? 1 : 0;
      break;
    case 36: cal(s.IDC_KAL_C2); break;
    case 72: s.IDC_EDIT1 = FixedText(f, 1); break;
    case 38: s.IDC_OFFSET = FixedText(f, 1); break;
    case 51: s.IDC_RADIO1 = b; break;
    case 52: s.IDC_RADIO7 = b; break;
    case 47: s.IDC_4TO20MA = b; break;
    case 48: s.IDC_STROM_SPANNUNG = b; break;
    case 63: s.IDC_MINIMUM = b; break;
    case 64: s.IDC_MINIMUM3 = b; break;
    case 67: s.IDC_RADIO_RELAY = b; break;
    case 68: s.IDC_RADIO_RELAY2 = b; break;
    case 73: s.IDC_CHECK1 = b; break;
    case 81: s.IDC_KAL_HOLD = b; break;
    default: break;
  }
}

link::Data4 FloatWriteData(const std::string& text) {
  return link::FloatData(static_cast<float>(platform::ToDouble(text)));
}

bool FloatSendable(const std::string& text) {
  const double value = platform::ToDouble(text);
  return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

std::optional<std::vector<ConfigWrite>> ConfigurationWrites(const ConfigSettings& s, RefusedSetting* refused) {
  const int t = s.AbsoluteType();
  std::vector<ConfigWrite> w;
  std::optional<RefusedSetting> first;
  auto number = [&](link::Parameter p, const char* key, const std::string& text) {
    if (!FloatSendable(text) && !first) first = RefusedSetting{key, text};
    w.push_back({p, FloatWriteData(text), key});
  };
  auto byte = [&](link::Parameter p, const char* key, int value) { w.push_back({p, ByteWriteData(value), key}); };
  number(link::kOutput0Lower, "IDC_UNTERER_WERT0", s.IDC_UNTERER_WERT0);
  number(link::kOutput1Lower, "IDC_UNTERER_WERT1", s.IDC_UNTERER_WERT1);
  number(link::kOutput0Upper, "IDC_OBERER_WERT0", s.IDC_OBERER_WERT0);
  number(link::kOutput1Upper, "IDC_OBERER_WERT1", s.IDC_OBERER_WERT1);
  byte(link::kOutput0Source, "IDC_RADIO1", s.IDC_RADIO1);
  byte(link::kOutput1Source, "IDC_RADIO7", s.IDC_RADIO7);
  number(link::kCalibration1, "IDC_KAL0", s.IDC_KAL0);
  number(link::kCalibration2, "IDC_KAL1", s.IDC_KAL1);
  number(link::kCalibration3, "IDC_KAL2", s.IDC_KAL2);
  if (t == 18)
    w.push_back({link::kCalibrationKey1, link::FloatData(s.phFix != 0 ? 1.0f : 0.0f), nullptr});
  else
    number(link::kCalibrationKey1, "IDC_KAL_C1", s.IDC_KAL_C1);
  number(link::kCalibrationKey2, "IDC_KAL_C2", s.IDC_KAL_C2);
  if (t == 18) number(link::kCalibration4, "IDC_KAL3", s.IDC_KAL3);
  byte(link::kAddress, "IDC_GERAETE_ADR", s.IDC_GERAETE_ADR);
  byte(link::kOutputKind, "IDC_STROM_SPANNUNG", s.IDC_STROM_SPANNUNG);
  byte(link::kCurrentRange, "IDC_4TO20MA", s.IDC_4TO20MA);
  number(link::kRelay1Limit, "IDC_GRENZWERT", s.IDC_GRENZWERT);
  number(link::kRelay1Hysteresis, "IDC_HYSTERESE", s.IDC_HYSTERESE);
  byte(link::kRelay1LimitType, "IDC_MINIMUM", s.IDC_MINIMUM);
  byte(link::kRelay1Source, "IDC_RADIO_RELAY", s.IDC_RADIO_RELAY);
  if (link::IsController(s.deviceKind)) {
    number(link::kRelay2Limit, "IDC_GRENZWERT3", s.IDC_GRENZWERT3);
    number(link::kRelay2Hysteresis, "IDC_HYSTERESE3", s.IDC_HYSTERESE3);
    byte(link::kRelay2LimitType, "IDC_MINIMUM3", s.IDC_MINIMUM3);
    byte(link::kRelay2Source, "IDC_RADIO_RELAY2", s.IDC_RADIO_RELAY2);
  }
  number(link::kFixedTemperature, "IDC_EDIT1", s.IDC_EDIT1);
  number(link::kTemperatureOffset, "IDC_OFFSET", s.IDC_OFFSET);
  if (IsConductivityFamily(t)) byte(link::kType, "IDC_TYPAUSWAHL", t + 1);
  byte(link::kFixedTemperatureOn, "IDC_CHECK1", s.IDC_CHECK1);
  byte(link::kCalibrationHold, "IDC_KAL_HOLD", s.IDC_KAL_HOLD);
  if (first) {
    if (refused) *refused = *first;
    return std::nullopt;
  }
  return w;
}

link::Data4 ByteWriteData(int value) { return link::ByteData(static_cast<std::uint8_t>(value & 0xFF)); }

bool KeyValuesAreListChoices(int t, int deviceKind) {
  if (link::IsCurrentSeries(deviceKind) && IsTdsFactorType(t)) return false;
  return t == 0 || IsConductivityFamily(t);
}

namespace {
// Whole part of the number, as a conversion to int truncates it; a value an int cannot
// hold (NaN, infinities, 1e30 from a file) selects nothing.
int KeyIndex(const std::string& value) {
  const double v = std::trunc(platform::ToDouble(value));
  if (!(v >= static_cast<double>(INT_MIN) && v <= static_cast<double>(INT_MAX))) return -1;
  return static_cast<int>(v);
}
}  // namespace

void KeyIndicesFromValues(ConfigSettings& s, int t) {
  if (!KeyValuesAreListChoices(t, s.deviceKind)) return;
  const int k1 = KeyIndex(s.IDC_KAL_C1);
  const int k2 = KeyIndex(s.IDC_KAL_C2);
  if (t == 0) {
    s.IDC_KAL_T1_PH = k1;
    s.IDC_KAL_T2_PH = k2;
  } else {
    s.IDC_KAL_T1_LF = k1;
    s.IDC_KAL_T2_LF = k2;
  }
}

void KeyValuesFromIndices(ConfigSettings& s, int t) {
  if (!KeyValuesAreListChoices(t, s.deviceKind)) return;
  const bool ph = (t == 0);
  const int listSize = ph ? static_cast<int>(kPhBuffers.size()) : static_cast<int>(kKclSolutions.size());
  auto take = [&](std::string& value, int index) {
    // No selection: keep what the key value was rather than invent one.
    if (index >= 0 && index < listSize) value = platform::StringPrintf("%d", index);
  };
  take(s.IDC_KAL_C1, ph ? s.IDC_KAL_T1_PH : s.IDC_KAL_T1_LF);
  take(s.IDC_KAL_C2, ph ? s.IDC_KAL_T2_PH : s.IDC_KAL_T2_LF);
}

// ---------------------------------------------------------------------------------------

ControlState DialogControlStates::get(int id) const {
  auto it = controls.find(id);
  return it == controls.end() ? ControlState{} : it->second;
}

std::array<std::string, 6> SourceNames(int t, int kind, int lang) {
  std::array<std::string, 6> n;
  auto label = [&](int channel) { return types::ChannelLabel(t, channel, lang); };
  if (link::IsController(kind)) {
    n[0] = label(1);
    n[1] = (t >= 21 && t <= 24) ? label(3) : label(2);
  } else if (link::IsAmplifier(kind)) {
    n[0] = label(1);
    n[1] = (t >= 21 && t <= 28) ? label(3) : label(2);
  } else {
    for (int i = 0; i < 5; ++i) n[static_cast<std::size_t>(i)] = label(i + 1);
  }
  n[5] = label(6);
  return n;
}

void ApplySetupDialogRules(ConfigSettings& s) {
  const int t = s.AbsoluteType();
  const int kind = s.deviceKind;
  if (!link::IsController(kind)) {
    s.IDC_GRENZWERT3.clear();
    s.IDC_HYSTERESE3.clear();
  }
  if (types::CalibrationLabel(t, 4, s.language).empty()) s.IDC_KAL3.clear();
  if (link::IsCurrentSeries(kind)) {
    const bool tdsFactor = (link::IsAmplifier(kind) && IsTdsFactorType(s.moduleType));
    if (!tdsFactor) s.IDC_KAL_C1.clear();
    s.IDC_KAL_C2.clear();
  }
  const TypeList list = TypeListFor(t);
  s.typeListOffset = list.offset;
  s.IDC_TYPAUSWAHL = t - list.offset;
}

DialogControlStates FreshDialogControls() { return {}; }

DialogControlStates DescribeDialogControls(const ConfigSettings& s, const DialogControlStates& previous) {
  DialogControlStates d = previous;
  const int t = s.AbsoluteType();
  const int kind = s.deviceKind;
  const int lang = s.language;
  auto enable = [&](int id, bool on = true) { d.at(id).enabled = on; };
  auto show = [&](int id, bool on = true) { d.at(id).visible = on; };
  auto caption = [&](int id, const std::string& text) { d.at(id).caption = text; };
  auto enableRange = [&](int from, int to, bool on) {
    for (int id = from; id <= to; ++id) enable(id, on);
  };

  // Buttons carry the language texts at every exchange.
  caption(ctl::kOk, texts::kOk(lang));
  caption(ctl::kCancel, texts::kCancel(lang));
  caption(ctl::kOpen, texts::kOpen(lang));
  caption(ctl::kSave, texts::kSave(lang));
  caption(ctl::kPrint, texts::kPrint(lang));

  // 1. Series-specific start.
  d.sourceNames = SourceNames(t, kind, lang);
  const auto& names = d.sourceNames;
  if (link::IsController(kind)) {
    enable(ctl::kSeriesButton);
  } else if (link::IsAmplifier(kind)) {
    caption(ctl::kSeriesButton, texts::kSeriesButtonKind4);
    enable(ctl::kSeriesButton);
  } else {
    enable(ctl::kSeriesButton, false);
  }

  // 2. Undo what an earlier run (for another type) disabled or hid.
  for (int id : {ctl::kKal0, ctl::kKal1, ctl::kKal2, ctl::kKal3}) enable(id);
  for (int id : {ctl::kKalC1, ctl::kKalC2, ctl::kKeyPh1, ctl::kKeyPh2, ctl::kKeyLf1, ctl::kKeyLf2}) {
    show(id);
    enable(id);
  }
  enableRange(1001, 1012, true);
  enableRange(1014, 1018, true);
  enable(ctl::kCurrent);
  enable(ctl::k4To20);

  // 3. Source groups DAC0, DAC1, relay 1.
  caption(ctl::kGroupDac0, texts::kDac0(lang));
  caption(ctl::kGroupDac1, texts::kDac1(lang));
  caption(ctl::kGroupRelay1, texts::kRelayOutput(lang));
  caption(ctl::kLabelLower0, texts::kLowerLimit(lang));
  caption(ctl::kLabelLower1, texts::kLowerLimit(lang));
  caption(ctl::kLabelUpper0, texts::kUpperLimit(lang));
  caption(ctl::kLabelUpper1, texts::kUpperLimit(lang));
  caption(ctl::kLabelLimit, texts::kLimitValue(lang));
  caption(ctl::kLabelHysteresis, texts::kHysteresis(lang));
  for (int first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First}) {
    for (int i = 0; i < 5; ++i)
      if (names[static_cast<std::size_t>(i)].empty()) enable(first + i, false);
    for (int i = 0; i < 6; ++i) caption(first + i, names[static_cast<std::size_t>(i)]);
  }

  // 4. Relay 2 exists on device kind 5 only.
  caption(ctl::kGroupRelay2, texts::kRelayOutput(lang));
  if (link::IsController(kind)) {
    for (int i = 0; i < 5; ++i)
      if (names[static_cast<std::size_t>(i)].empty()) enable(ctl::kRelay2First + i, false);
    enable(ctl::kRelay2First + 5);
    enable(ctl::kLimit3);
    enable(ctl::kHysteresis3);
  } else {
    enableRange(1019, 1024, false);
    for (int id : {ctl::kMinimum3, ctl::kMaximum3, ctl::kLimit3, ctl::kHysteresis3}) enable(id, false);
  }
  for (int i = 0; i < 6; ++i) caption(ctl::kRelay2First + i, names[static_cast<std::size_t>(i)]);
  caption(ctl::kLabelLimit3, texts::kLimitValue(lang));
  caption(ctl::kLabelHysteresis3, texts::kHysteresis(lang));

  // 5. Device kind 4 has no outputs or relays to configure here.
  if (link::IsAmplifier(kind)) {
    enableRange(1075, 1078, false);
    enableRange(1001, 1012, false);
    enableRange(1101, 1106, false);
    enableRange(1013, 1018, false);
    enable(ctl::kLimit, false);
    enable(ctl::kHysteresis, false);
    enableRange(1019, 1024, false);
    for (int id : {ctl::kMinimum3, ctl::kMaximum3, ctl::kLimit3, ctl::kHysteresis3}) enable(id, false);
  }

  // 6. Output groups and calibration values.
  caption(ctl::kGroupLimitType, texts::kLimitType(lang));
  caption(ctl::kGroupCurrentType, texts::kCurrentType(lang));
  caption(ctl::kGroupOutput, texts::kOutput(lang));
  caption(ctl::kVoltage, texts::kVoltage(lang));
  caption(ctl::kCurrent, texts::kCurrent(lang));
  caption(ctl::kGroupCal, texts::kCalValues(lang));
  static constexpr int kCalLabels[4] = {ctl::kLabelKal0, ctl::kLabelKal1, ctl::kLabelKal2, ctl::kLabelKal3};
  static constexpr int kCalEdits[4] = {ctl::kKal0, ctl::kKal1, ctl::kKal2, ctl::kKal3};
  for (int i = 0; i < 4; ++i) {
    const std::string label = types::CalibrationLabel(t, i + 1, lang);
    caption(kCalLabels[i], label);
    if (label.empty()) enable(kCalEdits[i], false);
  }

  // 7. Calibration key controls.
  if (link::IsCurrentSeries(kind)) {
    show(ctl::kPhFix, false);
    if (link::IsAmplifier(kind) && IsTdsFactorType(s.moduleType)) {
      enable(ctl::kKalC1);
      show(ctl::kLabelKalC1);
      caption(ctl::kLabelKalC1, types::CalibrationLabel(t, 5, lang));
    } else {
      enable(ctl::kKalC1, false);
      show(ctl::kLabelKalC1, false);
    }
    enable(ctl::kKalC2, false);
    for (int id : {ctl::kKeyPh1, ctl::kKeyPh2, ctl::kKeyLf1, ctl::kKeyLf2, ctl::kLabelKalC2}) show(id, false);
  } else {
    caption(ctl::kLabelKalC1, texts::kCalKey1(lang));
    caption(ctl::kLabelKalC2, texts::kCalKey2(lang));
    auto keys = [&](bool edits, bool phLists, bool lfLists) {
      show(ctl::kPhFix, false);
      show(ctl::kKalC1, edits);
      show(ctl::kKalC2, edits);
      show(ctl::kKeyPh1, phLists);
      show(ctl::kKeyPh2, phLists);
      show(ctl::kKeyLf1, lfLists);
      show(ctl::kKeyLf2, lfLists);
    };
    if (t == 0) {
      keys(false, true, false);
    } else if (t == 1 || t == 6 || t == 7 || t == 8 || t == 10 || t == 29) {
      keys(true, false, false);
      enable(ctl::kKalC1, false);
      enable(ctl::kKalC2, false);
    } else if (t == 9) {
      keys(true, false, false);
    } else if ((t >= 2 && t <= 5) || (t >= 20 && t <= 27) || t == 31) {
      keys(false, false, true);
    } else if (t == 18) {
      keys(false, false, false);
      show(ctl::kPhFix);
      caption(ctl::kPhFix, texts::kEnableFixedPh(lang));
      show(ctl::kLabelKalC1, false);
      show(ctl::kKalC2);
      caption(ctl::kLabelKalC2, texts::kFixedPh(lang));
    }
  }

  // 8. General group.
  caption(ctl::kGroupBasic, texts::kBasic(lang));
  caption(ctl::kLabelFixTemp, types::ChannelLabel(t, 6, lang));
  caption(ctl::kFixTemp, texts::kFixTemperature(lang));
  caption(ctl::kLabelAddress, texts::kAddress(lang));
  caption(ctl::kLabelType, texts::kMeasurementType(lang));
  caption(ctl::kKalHold, texts::kHoldDuringCal(lang));

  // 9. Type list: a conductivity module may switch range within its own family only.
  const TypeList list = TypeListFor(t);
  enable(ctl::kTypeList, list.enabled);
  d.typeListEntries = TypeListEntries(list, lang);
  d.typeListOffset = list.offset;
  return d;
}

DialogControlStates SetupDialogControls(ConfigSettings& s, const DialogControlStates& previous) {
  DialogControlStates d = DescribeDialogControls(s, previous);
  ApplySetupDialogRules(s);
  return d;
}

AddressCheck CheckAddressText(const std::string& text, int language) {
  AddressCheck r;
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  char* end = nullptr;
  errno = 0;
  const long v = (*p >= '0' && *p <= '9') ? std::strtol(p, &end, 10) : -1;
  bool whole = end != nullptr && errno == 0;
  if (whole)
    while (*end == ' ' || *end == '\t') ++end;
  whole = whole && *end == '\0';
  if (!whole || v < 0 || v > 255) {
    r.message = texts::kByteRange(language);
  } else if (v > 31) {
    r.message = texts::kAddressRange(language);
  } else {
    r.ok = true;
    r.value = static_cast<std::uint8_t>(v);
  }
  return r;
}

}  // namespace korvane::configuration
