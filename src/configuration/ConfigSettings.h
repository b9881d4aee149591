#pragma once
// The configuration of a measuring amplifier as the configuration dialog holds it:
// one member per setting, named after its control (the same name is its key in
// setup files). Text settings hold exactly the text shown; numbers are converted
// only when written to a module. Pure C++.
//
// Invariant kept by every function here: AbsoluteType() == IDC_TYPAUSWAHL +
// typeListOffset. Outside the dialog the offset is 0 and IDC_TYPAUSWAHL is the
// absolute type; SetupDialogControls turns it into a list index of the shown list.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/ModuleState.h"
#include "link/Frame.h"
#include "link/Protocol.h"

namespace korvane::configuration {

struct ConfigSettings {
  // --- settings (initial values before the first read) -------------------------------
  int IDC_TYPAUSWAHL = 0;  // list index while the dialog shows; absolute = + typeListOffset
  std::string IDC_UNTERER_WERT0, IDC_OBERER_WERT0, IDC_UNTERER_WERT1, IDC_OBERER_WERT1;
  int IDC_RADIO1 = -1;          // DAC 0 source: 0..4 = value 1..5, 5 = temperature, -1 none
  int IDC_RADIO7 = -1;          // DAC 1 source
  int IDC_STROM_SPANNUNG = -1;  // 0 voltage, 1 current
  int IDC_4TO20MA = -1;         // 0 = 0..20 mA, 1 = 4..20 mA
  int IDC_RADIO_RELAY = -1;     // relay 1 source
  std::string IDC_GRENZWERT, IDC_HYSTERESE;
  int IDC_MINIMUM = -1;       // relay 1 limit type: 0 minimum, 1 maximum
  int IDC_RADIO_RELAY2 = -1;  // relay 2 source
  std::string IDC_GRENZWERT3, IDC_HYSTERESE3;
  int IDC_MINIMUM3 = -1;
  std::string IDC_KAL0, IDC_KAL1, IDC_KAL2, IDC_KAL3;  // calibration values 1..4 (32, 33, 34, 37)
  std::string IDC_KAL_C1, IDC_KAL_C2;                  // calibration key values (35, 36)
  int IDC_KAL_T1_PH = -1, IDC_KAL_T2_PH = -1;          // key values as pH buffer list indices
  int IDC_KAL_T1_LF = -1, IDC_KAL_T2_LF = -1;          // key values as KCl list indices
  std::string IDC_EDIT1;                               // fixed temperature
  int IDC_CHECK1 = 0;                                  // fixed temperature in use
  std::string IDC_OFFSET;                              // temperature offset
  int IDC_KAL_HOLD = 0;                                // outputs held during calibration
  std::uint8_t IDC_GERAETE_ADR = 0;
  std::string IDC_VERSION;         // "Firmware V%.2f", read only
  std::string IDC_HERSTELLER_NUM;  // device identity, read only
  int phFix = 0;                   // check box "pH Fix" (type 18); not saved

  // --- state kept beside the settings --------------------------------------------------
  int language = 0;        // 0 German, 1 English
  int typeListOffset = 0;  // 0, 2 or 20
  int deviceKind = 2;      // module parameter 29; 4 and 5 are the current series
  int moduleType = 1;      // type the module last reported (parameter 28 - 1)

  int AbsoluteType() const { return IDC_TYPAUSWAHL + typeListOffset; }
  // Makes IDC_TYPAUSWAHL the absolute type again (offset 0).
  void UseAbsoluteType() {
    IDC_TYPAUSWAHL = AbsoluteType();
    typeListOffset = 0;
  }
};

// ---------------------------------------------------------------------------------------
// Reading from a module

// Text of a float read from the module: "%.*f" with "." as separator.
std::string FixedText(float value, int decimals);

// Stores what the module object holds for one parameter of the read sequence into the
// settings (call after the reply arrived): floats become their texts ("%.2f" for the
// outputs and limits, the type's calibration decimals for 32..37, "%.1f" for 72 and
// 38), bytes the unsigned data byte 0, 28 the module type and IDC_TYPAUSWAHL (offset
// 0), 29 the device kind, 31 the firmware text, 26 the identity, 35 also the "pH Fix"
// check. The calibration decimals come from the module type already stored.
void ApplyReadReply(ConfigSettings& s, const link::ModuleState& module, std::uint8_t parameter);

// ---------------------------------------------------------------------------------------
// Writing to a module

// A float setting on the wire: atof of the text (C locale; no leading number = 0.0)
// as IEEE single, little-endian.
link::Data4 FloatWriteData(const std::string& text);
// True when a float setting's text may go to a module: atof of it is a finite number
// a single-precision float holds (the bounds the dialog's number fields keep).
bool FloatSendable(const std::string& text);

// One write of the configuration sequence: the parameter, its data and the setting's
// key (nullptr for a value the sequence makes itself).
struct ConfigWrite {
  link::Parameter parameter;
  link::Data4 data;
  const char* key = nullptr;
};
// The writes of the sequence for absolute type t, in their fixed order, made from the
// settings; nothing when a float setting is not FloatSendable (*refused then holds its
// key and text). Every value sent to a module in the configuration goes through here.
struct RefusedSetting {
  std::string key;
  std::string text;
};
std::optional<std::vector<ConfigWrite>> ConfigurationWrites(const ConfigSettings& s, RefusedSetting* refused);
// A byte setting on the wire: the low byte of the integer (-1 -> 255), bytes 1..3 zero.
link::Data4 ByteWriteData(int value);

// ---------------------------------------------------------------------------------------
// Calibration key values <-> list choices

// True when the key values of absolute type t are shown as list choices (pH buffers
// for type 0, KCl solutions for the conductivity families). Device kinds 4 and 5 hide
// the lists; for their types 20..27 key 1 is a TDS factor, which a conversion would
// cut to its whole part, so these are not converted.
bool KeyValuesAreListChoices(int absoluteType, int deviceKind);

// Before the dialog runs: list indices = whole part of the key values.
void KeyIndicesFromValues(ConfigSettings& s, int absoluteType);
// After OK: key value texts = decimal text of the list indices. An index without a
// list entry (no selection) leaves its key value text as it was.
void KeyValuesFromIndices(ConfigSettings& s, int absoluteType);

// ---------------------------------------------------------------------------------------
// What the configuration dialog shows (SetupDialogControls)

// Control identifiers of the dialog.
namespace ctl {
constexpr int kOk = 1, kCancel = 2;
constexpr int kOpen = 1241, kSave = 1165, kPrint = 1092, kSeriesButton = 1169;
// Radio buttons: DAC0 1001..1006, DAC1 1007..1012, relay 1 1013..1018, relay 2 1019..1024.
constexpr int kDac0First = 1001, kDac1First = 1007, kRelay1First = 1013, kRelay2First = 1019;
constexpr int kGroupDac0 = 1137, kGroupDac1 = 1138, kGroupRelay1 = 1139, kGroupRelay2 = 1159;
constexpr int kLower0 = 1075, kUpper0 = 1076, kLower1 = 1077, kUpper1 = 1078;  // edits
constexpr int kLabelLower0 = 1140, kLabelLower1 = 1141, kLabelUpper0 = 1142, kLabelUpper1 = 1143;
constexpr int kLimit = 1084, kHysteresis = 1085, kLabelLimit = 1144, kLabelHysteresis = 1145;
constexpr int kLimit3 = 1087, kHysteresis3 = 1088, kLabelLimit3 = 1160, kLabelHysteresis3 = 1161;
constexpr int kVoltage = 1101, kCurrent = 1102, k0To20 = 1103, k4To20 = 1104;
constexpr int kMinimum = 1105, kMaximum = 1106, kMinimum3 = 1108, kMaximum3 = 1118;
constexpr int kGroupLimitType = 1146, kGroupCurrentType = 1147, kGroupOutput = 1148;
constexpr int kGroupLimitType3 = 1162;
constexpr int kGroupCal = 1149;
constexpr int kKal0 = 1081, kKal1 = 1079, kKal2 = 1080, kKal3 = 1086;  // edits of values 1..4
constexpr int kLabelKal0 = 1150, kLabelKal1 = 1151, kLabelKal2 = 1152, kLabelKal3 = 1158;
constexpr int kKalC1 = 1082, kKalC2 = 1107, kLabelKalC1 = 1153, kLabelKalC2 = 1154;
constexpr int kKeyPh1 = 1111, kKeyPh2 = 1112, kKeyLf1 = 1114, kKeyLf2 = 1116;  // combo boxes
constexpr int kPhFix = 1242;
constexpr int kGroupBasic = 1155, kFixTemp = 1113, kLabelFixTemp = 1128, kFixTempEdit = 1110;
constexpr int kOffsetEdit = 1163, kLabelAddress = 1156, kAddress = 1083, kKalHold = 1174;
constexpr int kLabelType = 1157, kTypeList = 1109;
constexpr int kFirmwareText = 1115, kIdentityText = 1117;
}  // namespace ctl

struct ControlState {
  bool enabled = true;
  bool visible = true;
  std::optional<std::string> caption;  // nullopt: keep the resource caption
};

// The state of every control that SetupDialogControls touches. Controls not in the
// map keep their resource state (enabled, visible, resource caption).
struct DialogControlStates {
  std::map<int, ControlState> controls;
  // Source names 1..6 on the radio buttons of every source group (name 6: temperature).
  std::array<std::string, 6> sourceNames;
  // Type list 1109: its entries (type names of types offset.., current language).
  std::vector<std::string> typeListEntries;
  int typeListOffset = 0;

  ControlState& at(int id) { return controls[id]; }
  // The state of a control (default state when the rules never touched it).
  ControlState get(int id) const;
};

// Source names 1..6 of absolute type t on device kind s (names 3..5 are empty on the
// current series 4 and 5).
std::array<std::string, 6> SourceNames(int absoluteType, int deviceKind, int language);

// The settings side of SetupDialogControls: empties IDC_GRENZWERT3/IDC_HYSTERESE3 when
// the device kind is not 5, IDC_KAL3 when type t has no fourth calibration label,
// IDC_KAL_C1 on kinds 4/5 (except kind 4 with module type 20..27, the TDS factor),
// IDC_KAL_C2 on kinds 4/5, and sets the type list offset with IDC_TYPAUSWAHL = t -
// offset (t = AbsoluteType(), unchanged by this call).
void ApplySetupDialogRules(ConfigSettings& s);

// The control side of SetupDialogControls: the states the nine steps leave, starting
// from the states of the previous run (some controls keep what an earlier run did).
// Pure; AbsoluteType(), deviceKind, moduleType and language of s are its input.
DialogControlStates FreshDialogControls();
DialogControlStates DescribeDialogControls(const ConfigSettings& s,
                                           const DialogControlStates& previous = FreshDialogControls());

// Both: applies the settings side and returns the control states.
DialogControlStates SetupDialogControls(ConfigSettings& s, const DialogControlStates& previous = FreshDialogControls());

// The address field check of OK: ok with the value for an address 0..31; otherwise
// the message the dialog shows, and the dialog stays open. Not a whole number 0..255
// gives the byte-range message, 32..255 the address-range message.
struct AddressCheck {
  bool ok = false;
  std::uint8_t value = 0;
  std::string message;  // when not ok
};
AddressCheck CheckAddressText(const std::string& text, int language = 0);

}  // namespace korvane::configuration
