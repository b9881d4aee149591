#pragma once
// The configuration of a measuring amplifier as the configuration dialog holds it:
// one member per setting, named after its role (ConfigFields.h lists them with
// their parameters, setup file keys and controls). Text settings hold exactly the
// text shown; numbers are converted only when written to a module. Pure C++.
//
// Invariant kept by every function here: AbsoluteType() == measurementType +
// typeListOffset. Outside the dialog the offset is 0 and measurementType is the
// absolute type; SetupDialogControls turns it into a list index of the shown list.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "configuration/ConfigControls.h"
#include "link/ModuleState.h"
#include "link/Frame.h"
#include "link/Protocol.h"
#include "platform/Language.h"

namespace korvane::configuration {

struct ConfigSettings {
  // --- settings (initial values before the first read) -------------------------------
  int measurementType = 0;  // list index while the dialog shows; absolute = + typeListOffset
  std::string output0Lower, output0Upper, output1Lower, output1Upper;
  int output0Source = -1;  // DAC 0 source: 0..4 = value 1..5, 5 = temperature, -1 none
  int output1Source = -1;  // DAC 1 source
  int outputKind = -1;     // 0 voltage, 1 current
  int currentRange = -1;   // 0 = 0..20 mA, 1 = 4..20 mA
  int relay1Source = -1;   // relay 1 source
  std::string relay1Limit, relay1Hysteresis;
  int relay1LimitType = -1;  // relay 1 limit type: 0 minimum, 1 maximum
  int relay2Source = -1;     // relay 2 source
  std::string relay2Limit, relay2Hysteresis;
  int relay2LimitType = -1;
  std::string calibration1, calibration2, calibration3, calibration4;  // calibration values 1..4
  std::string calibrationKey1, calibrationKey2;                        // calibration key values
  int key1Buffer = -1, key2Buffer = -1;                                // key values as pH buffer list indices
  int key1Solution = -1, key2Solution = -1;                            // key values as KCl list indices
  std::string fixedTemperature;
  int fixedTemperatureOn = 0;
  std::string temperatureOffset;
  int calibrationHold = 0;  // outputs held during calibration
  std::uint8_t address = 0;
  std::string firmware;  // "Firmware V%.2f", read only
  std::string identity;  // device identity, read only
  int phFix = 0;         // check box "pH Fix" (type 18); not saved

  // --- state kept beside the settings --------------------------------------------------
  Language language = Language::kGerman;
  int typeListOffset = 0;  // 0, 2 or 20
  int deviceKind = 2;      // module parameter 29; 4 and 5 are the current series
  int moduleType = 1;      // type the module last reported (parameter 28 - 1)

  int AbsoluteType() const { return measurementType + typeListOffset; }
  // Makes measurementType the absolute type again (offset 0).
  void UseAbsoluteType() {
    measurementType = AbsoluteType();
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
// 38), bytes the unsigned data byte 0, 28 the module type and measurementType (offset
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

struct ControlState {
  bool enabled = true;
  bool visible = true;
  std::optional<std::string> caption;  // nullopt: keep the caption the control was built with
};

// The state of every control that SetupDialogControls touches. Controls not in the
// map keep the state they were built with (enabled, visible, built caption).
struct DialogControlStates {
  std::map<ctl::Control, ControlState> controls;
  // Source names 1..6 on the radio buttons of every source group (name 6: temperature).
  std::array<std::string, 6> sourceNames;
  // The type list: its entries (type names of types offset.., current language).
  std::vector<std::string> typeListEntries;
  int typeListOffset = 0;

  ControlState& at(ctl::Control id) { return controls[id]; }
  // The state of a control (default state when the rules never touched it).
  ControlState get(ctl::Control id) const;
};

// Source names 1..6 of absolute type t on device kind s (names 3..5 are empty on the
// current series 4 and 5).
std::array<std::string, 6> SourceNames(int absoluteType, int deviceKind, Language language);

// The settings side of SetupDialogControls: empties relay2Limit/relay2Hysteresis when
// the device kind is not 5, calibration4 when type t has no fourth calibration label,
// calibrationKey1 on kinds 4/5 (except kind 4 with module type 20..27, the TDS factor),
// calibrationKey2 on kinds 4/5, and sets the type list offset with measurementType = t -
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
AddressCheck CheckAddressText(const std::string& text, Language language = Language::kGerman);

}  // namespace korvane::configuration
