#include "configuration/ConfigSettings.h"
#include "link/Protocol.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cerrno>
#include <cstdlib>
#include <ostream>

#include "configuration/ConfigFields.h"
#include "configuration/ConfigLists.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::configuration {

std::string FixedText(float value, int decimals) {
  return platform::StringPrintf("%.*f", decimals, static_cast<double>(value));
}

void ApplyReadReply(ConfigSettings& s, const link::ModuleState& m, std::uint8_t p) {
  const float f = m.ParameterFloat(p);
  const int b = m.ParameterByte(p);
  switch (p) {
    case link::kType.number:
      s.moduleType = b - 1;
      s.measurementType = s.moduleType;
      s.typeListOffset = 0;
      return;
    case link::kDeviceKind.number: s.deviceKind = b; return;
    case link::kIdentity.number: s.identity = link::IdentityText(m.parameter[link::kIdentity.number]); return;
    case link::kFirmware.number: s.firmware = link::FirmwareText(f); return;
    case link::kCalibrationKey1.number: s.phFix = f > 0.0f ? 1 : 0; break;  // and the key value below
    default: break;
  }
  const ConfigField* field = FieldOfParameter(p);
  if (!field) return;
  switch (field->kind) {
    case FieldKind::kNumber: {
      const int decimals =
          field->decimals == kTypeDecimals ? types::CalibrationDecimals(s.moduleType, p) : field->decimals;
      s.*field->text = FixedText(f, decimals);
      break;
    }
    case FieldKind::kChoice:
    case FieldKind::kCheck: s.*field->number = b; break;
    case FieldKind::kAddress: s.*field->byte = static_cast<std::uint8_t>(b); break;
    case FieldKind::kText:
    case FieldKind::kType: break;  // taken above
  }
}

link::Data4 FloatWriteData(const std::string& text) {
  return link::FloatData(static_cast<float>(platform::ToDouble(text)));
}

bool FloatSendable(const std::string& text) {
  const double value = platform::ToDouble(text);
  return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

namespace {

bool HasFixedPh(int t) { return types::MeasurementType(t).family() == types::Family::kChlorineWithPh; }
bool IsPh(int t) { return types::MeasurementType(t).family() == types::Family::kPh; }

bool Writes(const ConfigField& f, const ConfigSettings& s, int t) {
  switch (f.write) {
    case WriteWhen::kNever: return false;
    case WriteWhen::kFixedPhType: return HasFixedPh(t);
    case WriteWhen::kRelay2Series: return link::IsController(s.deviceKind);
    case WriteWhen::kConductivity: return IsConductivityFamily(t);
    case WriteWhen::kAlways:
    case WriteWhen::kKeyValue: return true;
  }
  return false;
}

}  // namespace

std::optional<std::vector<ConfigWrite>> ConfigurationWrites(const ConfigSettings& s, RefusedSetting* refused) {
  const int t = s.AbsoluteType();
  std::vector<ConfigWrite> w;
  std::optional<RefusedSetting> first;
  for (const ConfigField* f : WriteOrder()) {
    if (!Writes(*f, s, t)) continue;
    if (f->write == WriteWhen::kKeyValue && HasFixedPh(t)) {
      // The fixed-pH type has no first key value: its "pH Fix" check goes in its place.
      w.push_back({*f->parameter, link::FloatData(s.phFix != 0 ? 1.0f : 0.0f), nullptr});
      continue;
    }
    switch (f->kind) {
      case FieldKind::kNumber: {
        const std::string& text = s.*f->text;
        if (!FloatSendable(text) && !first) first = RefusedSetting{f->key, text};
        w.push_back({*f->parameter, FloatWriteData(text), f->key});
        break;
      }
      case FieldKind::kChoice:
      case FieldKind::kCheck: w.push_back({*f->parameter, ByteWriteData(s.*f->number), f->key}); break;
      case FieldKind::kAddress: w.push_back({*f->parameter, ByteWriteData(s.*f->byte), f->key}); break;
      case FieldKind::kType: w.push_back({*f->parameter, ByteWriteData(t + 1), f->key}); break;  // 1-based
      case FieldKind::kText: break;
    }
  }
  if (first) {
    if (refused) *refused = *first;
    return std::nullopt;
  }
  return w;
}

link::Data4 ByteWriteData(int value) { return link::ByteData(static_cast<std::uint8_t>(value & 0xFF)); }

bool KeyValuesAreListChoices(int t, int deviceKind) {
  if (link::IsCurrentSeries(deviceKind) && IsTdsFactorType(t)) return false;
  return IsPh(t) || IsConductivityFamily(t);
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
  const int k1 = KeyIndex(s.calibrationKey1);
  const int k2 = KeyIndex(s.calibrationKey2);
  if (IsPh(t)) {
    s.key1Buffer = k1;
    s.key2Buffer = k2;
  } else {
    s.key1Solution = k1;
    s.key2Solution = k2;
  }
}

void KeyValuesFromIndices(ConfigSettings& s, int t) {
  if (!KeyValuesAreListChoices(t, s.deviceKind)) return;
  const bool ph = IsPh(t);
  const int listSize = ph ? static_cast<int>(kPhBuffers.size()) : static_cast<int>(kKclSolutions.size());
  auto take = [&](std::string& value, int index) {
    // No selection: keep what the key value was rather than invent one.
    if (index >= 0 && index < listSize) value = platform::StringPrintf("%d", index);
  };
  take(s.calibrationKey1, ph ? s.key1Buffer : s.key1Solution);
  take(s.calibrationKey2, ph ? s.key2Buffer : s.key2Solution);
}

// ---------------------------------------------------------------------------------------

std::ostream& ctl::operator<<(std::ostream& out, Control c) { return out << "control " << static_cast<int>(c); }

ControlState DialogControlStates::get(ctl::Control id) const {
  auto it = controls.find(id);
  return it == controls.end() ? ControlState{} : it->second;
}

std::array<std::string, 6> SourceNames(int t, int kind, Language lang) {
  std::array<std::string, 6> n;
  auto label = [&](int channel) { return types::ChannelLabel(t, channel, lang); };
  const types::TypeTraits& traits = types::MeasurementType(t).traits();
  if (link::IsController(kind)) {
    n[0] = label(1);
    n[1] = label(traits.secondSourceKind5);
  } else if (link::IsAmplifier(kind)) {
    n[0] = label(1);
    n[1] = label(traits.secondSourceKind4);
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
    s.relay2Limit.clear();
    s.relay2Hysteresis.clear();
  }
  if (types::CalibrationLabel(t, 4, s.language).empty()) s.calibration4.clear();
  if (link::IsCurrentSeries(kind)) {
    const bool tdsFactor = (link::IsAmplifier(kind) && IsTdsFactorType(s.moduleType));
    if (!tdsFactor) s.calibrationKey1.clear();
    s.calibrationKey2.clear();
  }
  const TypeList list = TypeListFor(t);
  s.typeListOffset = list.offset;
  s.measurementType = t - list.offset;
}

DialogControlStates FreshDialogControls() { return {}; }

namespace {

// The steps of DescribeDialogControls, each on the states the steps before it left.
class ControlRules {
 public:
  ControlRules(DialogControlStates& d, const ConfigSettings& s)
      : d_(d), s_(s), t_(s.AbsoluteType()), kind_(s.deviceKind), lang_(s.language) {}

  void Buttons();
  void Series();
  void UndoEarlierRun();
  void SourceGroups();
  void Relay2();
  void Kind4WithoutOutputs();
  void OutputsAndCalibration();
  void CalibrationKeys();
  void General();
  void TypeList();

 private:
  void Enable(ctl::Control id, bool on = true) { d_.at(id).enabled = on; }
  void Show(ctl::Control id, bool on = true) { d_.at(id).visible = on; }
  void Caption(ctl::Control id, const std::string& text) { d_.at(id).caption = text; }
  void EnableRange(ctl::Control from, ctl::Control to, bool on) {
    for (ctl::Control id = from; id <= to; id = id + 1) Enable(id, on);
  }
  // A source group's buttons 1..5 go off where the type has no such value.
  void DisableUnnamedSources(ctl::Control first) {
    for (int i = 0; i < 5; ++i)
      if (Name(i).empty()) Enable(first + i, false);
  }
  void NameSources(ctl::Control first) {
    for (int i = 0; i < 6; ++i) Caption(first + i, Name(i));
  }
  void Relay2Off() {
    EnableRange(ctl::kRelay2First, ctl::kRelay2Temperature, false);
    for (ctl::Control id : {ctl::kRelay2Minimum, ctl::kRelay2Maximum, ctl::kRelay2Limit, ctl::kRelay2Hysteresis})
      Enable(id, false);
  }
  void Keys(bool edits, bool bufferLists, bool solutionLists);
  const std::string& Name(int i) const { return d_.sourceNames[static_cast<std::size_t>(i)]; }

  DialogControlStates& d_;
  const ConfigSettings& s_;
  const int t_;
  const int kind_;
  const Language lang_;
};

// Buttons carry the language texts at every exchange.
void ControlRules::Buttons() {
  Caption(ctl::kOk, Tr(lang_, texts::kOk));
  Caption(ctl::kCancel, Tr(lang_, texts::kCancel));
  Caption(ctl::kOpen, Tr(lang_, texts::kOpen));
  Caption(ctl::kSave, Tr(lang_, texts::kSave));
  Caption(ctl::kPrint, Tr(lang_, texts::kPrint));
}

void ControlRules::Series() {
  d_.sourceNames = SourceNames(t_, kind_, lang_);
  if (link::IsController(kind_)) {
    Enable(ctl::kSeriesButton);
  } else if (link::IsAmplifier(kind_)) {
    Caption(ctl::kSeriesButton, texts::kSeriesButtonKind4);
    Enable(ctl::kSeriesButton);
  } else {
    Enable(ctl::kSeriesButton, false);
  }
}

// Undo what an earlier run (for another type) disabled or hid.
void ControlRules::UndoEarlierRun() {
  for (ctl::Control id : {ctl::kCalibration1, ctl::kCalibration2, ctl::kCalibration3, ctl::kCalibration4}) Enable(id);
  for (ctl::Control id : {ctl::kCalibrationKey1, ctl::kCalibrationKey2, ctl::kKey1Buffer, ctl::kKey2Buffer,
                          ctl::kKey1Solution, ctl::kKey2Solution}) {
    Show(id);
    Enable(id);
  }
  EnableRange(ctl::kDac0First, ctl::kDac1Temperature, true);
  // Relay 1's first value is left as an earlier run set it.
  EnableRange(ctl::kRelay1First + 1, ctl::kRelay1Temperature, true);
  Enable(ctl::kCurrent);
  Enable(ctl::k4To20);
}

void ControlRules::SourceGroups() {
  Caption(ctl::kGroupDac0, Tr(lang_, texts::kDac0));
  Caption(ctl::kGroupDac1, Tr(lang_, texts::kDac1));
  Caption(ctl::kGroupRelay1, Tr(lang_, texts::kRelayOutput));
  Caption(ctl::kLabelOutput0Lower, Tr(lang_, texts::kLowerLimit));
  Caption(ctl::kLabelOutput1Lower, Tr(lang_, texts::kLowerLimit));
  Caption(ctl::kLabelOutput0Upper, Tr(lang_, texts::kUpperLimit));
  Caption(ctl::kLabelOutput1Upper, Tr(lang_, texts::kUpperLimit));
  Caption(ctl::kLabelRelay1Limit, Tr(lang_, texts::kLimitValue));
  Caption(ctl::kLabelRelay1Hysteresis, Tr(lang_, texts::kHysteresis));
  for (ctl::Control first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First}) {
    DisableUnnamedSources(first);
    NameSources(first);
  }
}

// Relay 2 exists on device kind 5 only.
void ControlRules::Relay2() {
  Caption(ctl::kGroupRelay2, Tr(lang_, texts::kRelayOutput));
  if (link::IsController(kind_)) {
    DisableUnnamedSources(ctl::kRelay2First);
    Enable(ctl::kRelay2Temperature);
    Enable(ctl::kRelay2Limit);
    Enable(ctl::kRelay2Hysteresis);
  } else {
    Relay2Off();
  }
  NameSources(ctl::kRelay2First);
  Caption(ctl::kLabelRelay2Limit, Tr(lang_, texts::kLimitValue));
  Caption(ctl::kLabelRelay2Hysteresis, Tr(lang_, texts::kHysteresis));
}

// Device kind 4 has no outputs or relays to configure here.
void ControlRules::Kind4WithoutOutputs() {
  if (!link::IsAmplifier(kind_)) return;
  EnableRange(ctl::kOutput0Lower, ctl::kOutput1Upper, false);
  EnableRange(ctl::kDac0First, ctl::kDac1Temperature, false);
  EnableRange(ctl::kVoltage, ctl::kRelay1Maximum, false);
  EnableRange(ctl::kRelay1First, ctl::kRelay1Temperature, false);
  Enable(ctl::kRelay1Limit, false);
  Enable(ctl::kRelay1Hysteresis, false);
  Relay2Off();
}

void ControlRules::OutputsAndCalibration() {
  Caption(ctl::kGroupRelay1LimitType, Tr(lang_, texts::kLimitType));
  Caption(ctl::kGroupCurrentType, Tr(lang_, texts::kCurrentType));
  Caption(ctl::kGroupOutput, Tr(lang_, texts::kOutput));
  Caption(ctl::kVoltage, Tr(lang_, texts::kVoltage));
  Caption(ctl::kCurrent, Tr(lang_, texts::kCurrent));
  Caption(ctl::kGroupCalibration, Tr(lang_, texts::kCalValues));
  for (int i = 0; i < 4; ++i) {
    const std::string label = types::CalibrationLabel(t_, i + 1, lang_);
    Caption(ctl::kLabelCalibration1 + i, label);
    if (label.empty()) Enable(ctl::kCalibration1 + i, false);
  }
}

void ControlRules::Keys(bool edits, bool bufferLists, bool solutionLists) {
  Show(ctl::kPhFix, false);
  Show(ctl::kCalibrationKey1, edits);
  Show(ctl::kCalibrationKey2, edits);
  Show(ctl::kKey1Buffer, bufferLists);
  Show(ctl::kKey2Buffer, bufferLists);
  Show(ctl::kKey1Solution, solutionLists);
  Show(ctl::kKey2Solution, solutionLists);
}

void ControlRules::CalibrationKeys() {
  if (link::IsCurrentSeries(kind_)) {
    Show(ctl::kPhFix, false);
    if (link::IsAmplifier(kind_) && IsTdsFactorType(s_.moduleType)) {
      Enable(ctl::kCalibrationKey1);
      Show(ctl::kLabelCalibrationKey1);
      Caption(ctl::kLabelCalibrationKey1, types::CalibrationLabel(t_, 5, lang_));
    } else {
      Enable(ctl::kCalibrationKey1, false);
      Show(ctl::kLabelCalibrationKey1, false);
    }
    Enable(ctl::kCalibrationKey2, false);
    for (ctl::Control id :
         {ctl::kKey1Buffer, ctl::kKey2Buffer, ctl::kKey1Solution, ctl::kKey2Solution, ctl::kLabelCalibrationKey2})
      Show(id, false);
    return;
  }
  Caption(ctl::kLabelCalibrationKey1, Tr(lang_, texts::kCalKey1));
  Caption(ctl::kLabelCalibrationKey2, Tr(lang_, texts::kCalKey2));
  switch (types::MeasurementType(t_).traits().keyEntry) {
    case types::KeyEntry::kBufferLists: Keys(false, true, false); break;
    case types::KeyEntry::kFixedEdits:
      Keys(true, false, false);
      Enable(ctl::kCalibrationKey1, false);
      Enable(ctl::kCalibrationKey2, false);
      break;
    case types::KeyEntry::kEdits: Keys(true, false, false); break;
    case types::KeyEntry::kSolutionLists: Keys(false, false, true); break;
    case types::KeyEntry::kFixedPh:
      Keys(false, false, false);
      Show(ctl::kPhFix);
      Caption(ctl::kPhFix, Tr(lang_, texts::kEnableFixedPh));
      Show(ctl::kLabelCalibrationKey1, false);
      Show(ctl::kCalibrationKey2);
      Caption(ctl::kLabelCalibrationKey2, Tr(lang_, texts::kFixedPh));
      break;
    case types::KeyEntry::kUnchanged: break;
  }
}

void ControlRules::General() {
  Caption(ctl::kGroupGeneral, Tr(lang_, texts::kBasic));
  Caption(ctl::kLabelFixedTemperature, types::ChannelLabel(t_, 6, lang_));
  Caption(ctl::kFixedTemperatureOn, Tr(lang_, texts::kFixTemperature));
  Caption(ctl::kLabelAddress, Tr(lang_, texts::kAddress));
  Caption(ctl::kLabelMeasurementType, Tr(lang_, texts::kMeasurementType));
  Caption(ctl::kCalibrationHold, Tr(lang_, texts::kHoldDuringCal));
}

// A conductivity module may switch range within its own family only.
void ControlRules::TypeList() {
  const configuration::TypeList list = TypeListFor(t_);
  Enable(ctl::kMeasurementType, list.enabled);
  d_.typeListEntries = TypeListEntries(list, lang_);
  d_.typeListOffset = list.offset;
}

}  // namespace

DialogControlStates DescribeDialogControls(const ConfigSettings& s, const DialogControlStates& previous) {
  DialogControlStates d = previous;
  ControlRules rules(d, s);
  rules.Buttons();
  rules.Series();
  rules.UndoEarlierRun();
  rules.SourceGroups();
  rules.Relay2();
  rules.Kind4WithoutOutputs();
  rules.OutputsAndCalibration();
  rules.CalibrationKeys();
  rules.General();
  rules.TypeList();
  return d;
}

DialogControlStates SetupDialogControls(ConfigSettings& s, const DialogControlStates& previous) {
  DialogControlStates d = DescribeDialogControls(s, previous);
  ApplySetupDialogRules(s);
  return d;
}

AddressCheck CheckAddressText(const std::string& text, Language language) {
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
    r.message = Tr(language, texts::kByteRange);
  } else if (v > 31) {
    r.message = Tr(language, texts::kAddressRange);
  } else {
    r.ok = true;
    r.value = static_cast<std::uint8_t>(v);
  }
  return r;
}

}  // namespace korvane::configuration
