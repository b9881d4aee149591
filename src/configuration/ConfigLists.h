#pragma once
// Fixed texts of the amplifier configuration: the pH buffer and KCl solution lists
// of the calibration key combo boxes, the measurement type names of the type list,
// which types the type list offers, and the language texts of the configuration
// dialog (also used as labels of the printout). Pure C++; texts are UTF-8.
#include <array>
#include <string>
#include <vector>

#include "platform/CommonTexts.h"
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
using platform::kCancel;
using platform::kOpen;
using platform::kPrint;
using platform::kSave;
using types::Text;
inline constexpr Text kOk{"configuration", QT_TRANSLATE_NOOP("configuration", "OK")};
inline constexpr Text kDac0{"configuration", QT_TRANSLATE_NOOP("configuration", "DAC0 Kanal")};  // kGroupDac0
inline constexpr Text kDac1{"configuration", QT_TRANSLATE_NOOP("configuration", "DAC1 Kanal")};  // kGroupDac1
inline constexpr Text kRelayOutput{"configuration",
                                   QT_TRANSLATE_NOOP("configuration", "Relaisausgang")};  // kGroupRelay1, kGroupRelay2
inline constexpr Text kUpperLimit{
    "configuration", QT_TRANSLATE_NOOP("configuration", "obere Grenze")};  // kLabelOutput0Upper, kLabelOutput1Upper
inline constexpr Text kLowerLimit{
    "configuration", QT_TRANSLATE_NOOP("configuration", "untere Grenze")};  // kLabelOutput0Lower, kLabelOutput1Lower
inline constexpr Text kLimitValue{
    "configuration", QT_TRANSLATE_NOOP("configuration", "Grenzwert")};  // kLabelRelay1Limit, kLabelRelay2Limit
inline constexpr Text kHysteresis{
    "configuration",
    QT_TRANSLATE_NOOP("configuration", "Hysterese")};  // kLabelRelay1Hysteresis, kLabelRelay2Hysteresis
inline constexpr Text kLimitType{"configuration",
                                 QT_TRANSLATE_NOOP("configuration", "Grenzwerttyp")};  // kGroupRelay1LimitType
inline constexpr Text kCurrentType{"configuration",
                                   QT_TRANSLATE_NOOP("configuration", "Stromtyp")};  // kGroupCurrentType
inline constexpr Text kCurrent{"configuration", QT_TRANSLATE_NOOP("configuration", "Strom")};
inline constexpr Text kVoltage{"configuration", QT_TRANSLATE_NOOP("configuration", "Spannung")};
inline constexpr Text kOutput{"configuration", QT_TRANSLATE_NOOP("configuration", "Ausgabe")};  // kGroupOutput
inline constexpr Text kCalValues{"configuration",
                                 QT_TRANSLATE_NOOP("configuration", "Kalibrierwerte")};  // kGroupCalibration
inline constexpr Text kCalKey1{"configuration",
                               QT_TRANSLATE_NOOP("configuration", "Kal. Taste1")};  // kLabelCalibrationKey1
inline constexpr Text kCalKey2{"configuration",
                               QT_TRANSLATE_NOOP("configuration", "Kal. Taste2")};  // kLabelCalibrationKey2
inline constexpr Text kFixedPh{"configuration",
                               QT_TRANSLATE_NOOP("configuration", "Festwert pH")};  // kLabelCalibrationKey2, type 18
inline constexpr Text kEnableFixedPh{"configuration",
                                     QT_TRANSLATE_NOOP("configuration", "enable Festwert pH")};  // kPhFix, type 18
inline constexpr Text kBasic{"configuration", QT_TRANSLATE_NOOP("configuration", "allgemein")};  // kGroupGeneral
inline constexpr Text kMeasurementType{"configuration",
                                       QT_TRANSLATE_NOOP("configuration", "Messwerttyp")};  // kLabelMeasurementType
inline constexpr Text kFixTemperature{"configuration",
                                      QT_TRANSLATE_NOOP("configuration", "Festtemperatur")};  // kFixedTemperatureOn
inline constexpr Text kHoldDuringCal{"configuration",
                                     QT_TRANSLATE_NOOP("configuration", "Hold beim Kal.")};      // kCalibrationHold
inline constexpr Text kAddress{"configuration", QT_TRANSLATE_NOOP("configuration", "Adresse")};  // kLabelAddress

inline constexpr const char* kWindowTitle = "Konfiguration";   // both languages
inline constexpr const char* kSeriesButtonKind4 = "PB,PD,PF";  // kSeriesButton, device kind 4

inline constexpr Text kTypeMismatch{
    "configuration",
    QT_TRANSLATE_NOOP("configuration", "Fehler!\nDer Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!")};
inline constexpr Text kNotQx7100{
    "configuration",
    QT_TRANSLATE_NOOP("configuration", "Fehler!\nDer angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!")};
// Logger dialog series names opened by the series button.
inline constexpr const char* kLoggerSeriesKind5 = "QX7100";
inline constexpr const char* kLoggerSeriesKind4 = "PB70,PD70,PF70";

// Setup files.
inline constexpr Text kReadCalibrationToo{"configuration",
                                          QT_TRANSLATE_NOOP("configuration", "Kalibrierdaten auch aktualisieren?")};
using platform::kNo;
using platform::kYes;
inline constexpr const char* kYesNoTitle = "INFO";
inline constexpr Text kDataFileError{"configuration", QT_TRANSLATE_NOOP("configuration", "Fehler in der Datendatei!")};
inline constexpr Text kCannotRead{"configuration",
                                  QT_TRANSLATE_NOOP("configuration", "Die Datei kann nicht gelesen werden:")};
inline constexpr Text kCannotWrite{"configuration",
                                   QT_TRANSLATE_NOOP("configuration", "Die Datei kann nicht geschrieben werden:")};
inline constexpr Text kNotANumber{"configuration", QT_TRANSLATE_NOOP("configuration", "Keine gültige Zahl im Feld")};
inline constexpr Text kNoWindows1252{
    "configuration",
    QT_TRANSLATE_NOOP("configuration", "Ein Zeichen lässt sich nicht speichern (kein Windows-1252-Zeichen) im Feld")};
inline constexpr Text kChecksumKeyInValue{
    "configuration", QT_TRANSLATE_NOOP("configuration", "Ein Wert enthält das Wort \"CECKSUMM\".")};
inline constexpr Text kPrintFailed{
    "configuration",
    QT_TRANSLATE_NOOP("configuration", "Der Ausdruck ist fehlgeschlagen, es wurde nichts gedruckt oder gespeichert.")};

// Address field check of the dialog.
inline constexpr Text kAddressRange{
    "configuration", QT_TRANSLATE_NOOP("configuration", "Geben Sie eine ganze Zahl zwischen 0 und 31 ein.")};
inline constexpr Text kByteRange{
    "configuration", QT_TRANSLATE_NOOP("configuration", "Geben Sie eine ganze Zahl zwischen 0 und 255 ein.")};
// A setting no module may get: its key and the value as a message shows it.
inline constexpr Text kUnsendable{
    "configuration",
    QT_TRANSLATE_NOOP(
        "configuration",
        "%1 kann nicht gesendet werden: \"%2\" ist keine endliche Zahl im Bereich einer Gleitkommazahl. Es wurde "
        "nichts geschrieben.")};
}  // namespace texts

}  // namespace korvane::configuration
