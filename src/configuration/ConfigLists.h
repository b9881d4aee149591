#pragma once
// Fixed texts of the amplifier configuration: the pH buffer and KCl solution lists
// of the calibration key combo boxes, the measurement type names of the type list,
// which types the type list offers, and the language texts of the configuration
// dialog (also used as labels of the printout). Pure C++; texts are UTF-8.
#include <array>
#include <string>
#include <vector>

#include "platform/Language.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::configuration {

// pH buffer list (the key buffer lists), index 0..18; the same in both languages.
inline constexpr std::array<const char*, 19> kPhBuffers = {
    "NBS 1,68",   "NBS 4,01",   "NBS 6,86",   "NBS 9,18",    "NBS 12,45",   "Tech. 1,09",  "Tech. 3,06",
    "Tech. 4,65", "Tech. 6,79", "Tech. 9,23", "Ingold 2,00", "Ingold 4,01", "Ingold 7,00", "Ingold 9,21",
    "Lab. 2,00",  "Lab. 4,00",  "Lab. 7,00",  "Lab. 9,00",   "Lab. 12,00"};

// KCl solution list (the key solution lists), index 0..2.
inline constexpr std::array<const char*, 3> kKclSolutions = {"0,1N KCL", "0,01N KCL", "0,001N KCL"};

// List texts by index; "" for an index without entry (no selection).
std::string PhBufferText(int index);
std::string KclSolutionText(int index);

// Conductivity families: the type list of a module of one of these types offers only
// the ranges of its own family.
inline bool IsTwoElectrodeConductivity(int t) {
  return types::MeasurementType(t).family() == types::Family::kConductivity2;
}
inline bool IsFourElectrodeConductivity(int t) {
  return types::MeasurementType(t).family() == types::Family::kConductivity4;
}
inline bool IsConductivityFamily(int t) { return types::MeasurementType(t).IsConductivityRange(); }
// Types whose first calibration key value is the TDS factor on device kind 4.
inline bool IsTdsFactorType(int t) { return types::MeasurementType(t).HasTdsFactor(); }
// True when a module of type a accepts a configuration of type b (the OK check).
bool SameTypeFamily(int a, int b);

// The entries of the type list for absolute type t: offset 2 (types 2..5), 20
// (types 20..23) or 0 (all 31 types).
struct TypeList {
  int offset = 0;
  int first = 0;
  int last = 30;
  bool enabled = false;  // only the conductivity families may switch range
};
TypeList TypeListFor(int absoluteType);
std::vector<std::string> TypeListEntries(const TypeList& list, Language language);

// Language texts of the configuration dialog (German, English).
namespace texts {
using types::TextPair;
inline constexpr TextPair kPrint{"Drucken", "Print"};
inline constexpr TextPair kCancel{"Abbrechen", "Cancel"};
inline constexpr TextPair kSave{"Speichern", "Save"};
inline constexpr TextPair kOpen{"Öffnen", "Open"};
inline constexpr TextPair kOk{"OK", "OK"};
inline constexpr TextPair kDac0{"DAC0 Kanal", "DAC0 channel"};            // kGroupDac0
inline constexpr TextPair kDac1{"DAC1 Kanal", "DAC1 channel"};            // kGroupDac1
inline constexpr TextPair kRelayOutput{"Relaisausgang", "relay output"};  // kGroupRelay1, kGroupRelay2
inline constexpr TextPair kUpperLimit{"obere Grenze", "upper limit"};     // kLabelOutput0Upper, kLabelOutput1Upper
inline constexpr TextPair kLowerLimit{"untere Grenze", "lower limit"};    // kLabelOutput0Lower, kLabelOutput1Lower
inline constexpr TextPair kLimitValue{"Grenzwert", "limit value"};        // kLabelRelay1Limit, kLabelRelay2Limit
inline constexpr TextPair kHysteresis{"Hysterese", "hysterese"};     // kLabelRelay1Hysteresis, kLabelRelay2Hysteresis
inline constexpr TextPair kLimitType{"Grenzwerttyp", "limit type"};  // kGroupRelay1LimitType
inline constexpr TextPair kCurrentType{"Stromtyp", "current type"};  // kGroupCurrentType
inline constexpr TextPair kCurrent{"Strom", "current"};
inline constexpr TextPair kVoltage{"Spannung", "voltage"};
inline constexpr TextPair kOutput{"Ausgabe", "output"};                 // kGroupOutput
inline constexpr TextPair kCalValues{"Kalibrierwerte", "cal. values"};  // kGroupCalibration
inline constexpr TextPair kCalKey1{"Kal. Taste1", "cal. key1"};         // kLabelCalibrationKey1
inline constexpr TextPair kCalKey2{"Kal. Taste2", "cal. key2"};         // kLabelCalibrationKey2
inline constexpr TextPair kFixedPh{"Festwert pH", "fixed pH value"};    // kLabelCalibrationKey2, type 18
inline constexpr TextPair kEnableFixedPh{"enable Festwert pH", "enable fixed pH value"};  // kPhFix, type 18
inline constexpr TextPair kBasic{"allgemein", "basic adj."};                              // kGroupGeneral
inline constexpr TextPair kMeasurementType{"Messwerttyp", "measurement typ"};             // kLabelMeasurementType
inline constexpr TextPair kFixTemperature{"Festtemperatur", "fix temperature"};           // kFixedTemperatureOn
inline constexpr TextPair kHoldDuringCal{"Hold beim Kal.", "Hold during cal."};           // kCalibrationHold
inline constexpr TextPair kAddress{"Adresse", "address"};                                 // kLabelAddress

inline constexpr const char* kWindowTitle = "Konfiguration";   // both languages
inline constexpr const char* kSeriesButtonKind4 = "PB,PD,PF";  // kSeriesButton, device kind 4

inline constexpr TextPair kTypeMismatch{"Fehler!\nDer Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!",
                                        "Error! The adjusted amplifier type dose not fit to the connected type!"};
inline constexpr TextPair kNotQx7100{"Fehler!\nDer angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!",
                                     "Error! The connected amplifier dose not fit to QX 7100 model type!"};
// Logger dialog series names opened by the series button.
inline constexpr const char* kLoggerSeriesKind5 = "QX7100";
inline constexpr const char* kLoggerSeriesKind4 = "PB70,PD70,PF70";

// Setup files.
inline constexpr TextPair kReadCalibrationToo{"Kalibrierdaten auch aktualisieren?", "Read also calibration data?"};
inline constexpr TextPair kYes{"Ja", "Yes"};
inline constexpr TextPair kNo{"Nein", "No"};
inline constexpr const char* kYesNoTitle = "INFO";
inline constexpr TextPair kDataFileError{"Fehler in der Datendatei!", "Error in data file!"};
inline constexpr TextPair kCannotRead{"Die Datei kann nicht gelesen werden:", "The file cannot be read:"};
inline constexpr TextPair kCannotWrite{"Die Datei kann nicht geschrieben werden:", "The file cannot be written:"};
inline constexpr TextPair kNotANumber{"Keine gültige Zahl im Feld", "Not a valid number in the field"};
inline constexpr TextPair kNoWindows1252{"Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld",
                                         "A character cannot be stored (not in Windows-1252) in the field"};
inline constexpr TextPair kChecksumKeyInValue{"Ein Wert enthält das Wort \"CECKSUMM\".",
                                              "A value contains the word \"CECKSUMM\"."};
inline constexpr TextPair kPrintFailed{"Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.",
                                       "Printing failed; nothing was printed or saved."};

// Address field check of the dialog.
inline constexpr TextPair kAddressRange{"Geben Sie eine ganze Zahl zwischen 0 und 31 ein.",
                                        "Enter a whole number between 0 and 31."};
inline constexpr TextPair kByteRange{"Geben Sie eine ganze Zahl zwischen 0 und 255 ein.",
                                     "Enter a whole number between 0 and 255."};
// A setting no module may get: its key and the value as a message shows it.
inline constexpr TextPair kUnsendable{
    "%s kann nicht gesendet werden: \"%s\" ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde "
    "nichts geschrieben.",
    "%s cannot be sent: \"%s\" is not a finite number within the range of a float. Nothing was written."};
}  // namespace texts

}  // namespace korvane::configuration
