#include "types/Catalogue.h"

#include <iterator>

#include "platform/Texts.h"

namespace korvane::types {
namespace {

// A label a type does not have is the empty text.
using platform::Text;

struct Record {
  Text name;
  Text label[6];  // value channels 1..5, temperature
  const char* unit[5] = {"", "", "", "", ""};
  Text calLabel[5];
  const char* calUnit[5] = {"", "", "", "", ""};
  int decimals[5] = {0, 0, 0, 0, 0};
  int calDecimals[6] = {0, 0, 0, 0, 0, 0};  // parameters 32, 33, 34, 37, 35, 36
};

constexpr Text kNone{};
constexpr Text kTemp{"types", QT_TRANSLATE_NOOP("types", "Temperatur")};
constexpr Text kCond{"types", QT_TRANSLATE_NOOP("types", "LF Wert")};
constexpr Text kResist{"types", QT_TRANSLATE_NOOP("types", "Widerstand")};
constexpr Text kSalinity{"types", QT_TRANSLATE_NOOP("types", "Salinität")};
constexpr Text kTds{"types", QT_TRANSLATE_NOOP("types", "TDS")};
constexpr Text kCellConst{"types", QT_TRANSLATE_NOOP("types", "Zellkonstante")};
constexpr Text kTempCoef{"types", QT_TRANSLATE_NOOP("types", "Temperaturkoef.")};
constexpr Text kCableOffset{"types", QT_TRANSLATE_NOOP("types", "Kabeloffset")};
constexpr Text kTdsFactor{"types", QT_TRANSLATE_NOOP("types", "TDS Faktor")};

// Two- and three-channel conductivity ranges.
constexpr Record Conductivity(Text name, const char* condUnit, int condDecimals, const char* resistUnit,
                              int resistDecimals) {
  return Record{name,
                {kCond, kResist, kSalinity, kNone, kNone, kTemp},
                {condUnit, resistUnit, "g/kg", "", ""},
                {kCellConst, kTempCoef, kCableOffset, kNone, kNone},
                {"1/cm", "%%/K", "Ohm", "", ""},
                {condDecimals, resistDecimals, 1, 0, 0},
                {3, 2, 2, 0, 2, 2}};
}

// Four-channel conductivity ranges (with TDS).
constexpr Record Conductivity4(Text name, const char* condUnit, int condDecimals, const char* resistUnit,
                               const char* tdsUnit, int tdsDecimals) {
  return Record{name,
                {kCond, kResist, kSalinity, kTds, kNone, kTemp},
                {condUnit, resistUnit, "g/kg", tdsUnit, ""},
                {kCellConst, kTempCoef, kCableOffset, kNone, kTdsFactor},
                {"1/cm", "%%/K", "Ohm", "", ""},
                {condDecimals, 1, 1, tdsDecimals, 0},
                {3, 2, 2, 0, 2, 2}};
}

const Record kEmpty{};

const Record kRecords[kTypeCount] = {
    // 0
    Record{{"types", QT_TRANSLATE_NOOP("types", "pH")},
           {{"types", QT_TRANSLATE_NOOP("types", "pH Wert")},
            {"types", QT_TRANSLATE_NOOP("types", "Kettenspannung")},
            kNone,
            kNone,
            kNone,
            kTemp},
           {"pH", "mV", "", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Asymmetrie")},
            {"types", QT_TRANSLATE_NOOP("types", "Steilheit")},
            kNone,
            kNone,
            kNone},
           {"mV", "mV/pH", "", "", ""},
           {2, 0, 0, 0, 0},
           {1, 1, 0, 0, 2, 2}},
    // 1
    Record{{"types", QT_TRANSLATE_NOOP("types", "Redox")},
           {{"types", QT_TRANSLATE_NOOP("types", "Redox Wert")},
            {"types", QT_TRANSLATE_NOOP("types", "Redoxwert H")},
            kNone,
            kNone,
            kNone,
            kTemp},
           {"mV", "mV H", "", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Offset")}, kNone, kNone, kNone, kNone},
           {"mV", "", "", "", ""},
           {0, 0, 0, 0, 0},
           {1, 0, 0, 0, 0, 0}},
    // 2..5
    Conductivity({"types", QT_TRANSLATE_NOOP("types", "200µS/cm")}, "µS/cm", 1, "kOhm", 1),
    Conductivity({"types", QT_TRANSLATE_NOOP("types", "2000µS/cm")}, "µS/cm", 0, "kOhm", 1),
    Conductivity({"types", QT_TRANSLATE_NOOP("types", "20mS/cm")}, "mS/cm", 2, "Ohm", 1),
    Conductivity({"types", QT_TRANSLATE_NOOP("types", "100mS/cm")}, "mS/cm", 1, "Ohm", 1),
    // 6
    Record{{"types", QT_TRANSLATE_NOOP("types", "Trübung")},
           {{"types", QT_TRANSLATE_NOOP("types", "Trübung")},
            {"types", QT_TRANSLATE_NOOP("types", "Spannung")},
            kNone,
            kNone,
            kNone,
            kTemp},
           {"NTU", "mV", "", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Basis")},
            {"types", QT_TRANSLATE_NOOP("types", "Faktor")},
            kNone,
            kNone,
            kNone},
           {"", "", "", "", ""},
           {1, 0, 0, 0, 0},
           {0, 4, 0, 0, 2, 2}},
    // 7
    Record{{"types", QT_TRANSLATE_NOOP("types", "Sauerstoff")},
           {{"types", QT_TRANSLATE_NOOP("types", "Sättigung")},
            {"types", QT_TRANSLATE_NOOP("types", "Konzentration")},
            {"types", QT_TRANSLATE_NOOP("types", "Sensorstrom")},
            {"types", QT_TRANSLATE_NOOP("types", "Partialdruck")},
            //: English keeps "air pressur" byte for byte: printouts and files carry it so.
            {"types", QT_TRANSLATE_NOOP("types", "Luftdruck")},
            kTemp},
           {"%", "mg/l", "nA", "hPa", "hPa"},
           {{"types", QT_TRANSLATE_NOOP("types", "Anstieg")},
            {"types", QT_TRANSLATE_NOOP("types", "B < 20°C")},
            {"types", QT_TRANSLATE_NOOP("types", "B > 20°C")},
            kNone,
            kNone},
           {"nA/100%", "", "", "", ""},
           {1, 2, 0, 0, 0},
           {1, 0, 0, 0, 1, 1}},
    // 8
    Record{{"types", QT_TRANSLATE_NOOP("types", "linear")},
           {{"types", QT_TRANSLATE_NOOP("types", "linear")}, kNone, kNone, kNone, kNone, kTemp},
           {" ", "", "", "", ""},
           {kNone,
            {"types", QT_TRANSLATE_NOOP("types", "1V/4mA Wert")},
            {"types", QT_TRANSLATE_NOOP("types", "5V/20mA Wert")},
            kNone,
            kNone},
           {"", "", "", "", ""},
           {2, 0, 0, 0, 0},
           {2, 1, 1, 2, 2, 2}},
    // 9
    Record{{"types", QT_TRANSLATE_NOOP("types", "ISE")},
           {{"types", QT_TRANSLATE_NOOP("types", "Kettenspannung")},
            {"types", QT_TRANSLATE_NOOP("types", "ISE Wert")},
            kNone,
            kNone,
            kNone,
            kTemp},
           {"mV", "ppm", "", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Steilheit")},
            {"types", QT_TRANSLATE_NOOP("types", "Messpunkt 1")},
            {"types", QT_TRANSLATE_NOOP("types", "Eingabewert 1")},
            kNone,
            kNone},
           {"mV/ppm", "mV", "ppm/l", "", ""},
           {0, 2, 0, 0, 0},
           {1, 1, 0, 0, 2, 2}},
    // 10
    Record{{"types", QT_TRANSLATE_NOOP("types", "freies Chlor")},
           {{"types", QT_TRANSLATE_NOOP("types", "freies Chlor")},
            {"types", QT_TRANSLATE_NOOP("types", "Strom")},
            kNone,
            kNone,
            kNone,
            kTemp},
           {"mg/l", "mA", "", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Anstieg")}, kNone, kNone, kNone, kNone},
           {"mg/l/mA", "", "", "", ""},
           {2, 2, 0, 0, 0},
           {2, 0, 0, 0, 0, 0}},
    // 11..17
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    // 18
    Record{{"types", QT_TRANSLATE_NOOP("types", "freies Chlor")},
           {{"types", QT_TRANSLATE_NOOP("types", "freies Chlor")},
            {"types", QT_TRANSLATE_NOOP("types", "pH Wert")},
            {"types", QT_TRANSLATE_NOOP("types", "Strom")},
            kNone,
            kNone,
            kTemp},
           {"mg/l", "pH", "nA", "", ""},
           {{"types", QT_TRANSLATE_NOOP("types", "Anstieg")},
            {"types", QT_TRANSLATE_NOOP("types", "pH Kompensation")},
            {"types", QT_TRANSLATE_NOOP("types", "Offset Co")},
            {"types", QT_TRANSLATE_NOOP("types", "K Wert")},
            kNone},
           {"nA/mg/l", "pH", "mg/l", "pH", ""},
           {2, 2, 2, 0, 0},
           {2, 2, 2, 2, 2, 2}},
    // 19
    kEmpty,
    // 20..23
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "200µS/cm (4)")}, "µS/cm", 1, "kOhm", "g/l", 1),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "2000µS/cm (4)")}, "µS/cm", 0, "kOhm", "g/l", 0),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "20mS/cm (4)")}, "mS/cm", 2, "Ohm", "g/l", 2),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "500mS/cm (4)")}, "mS/cm", 1, "Ohm", "g/l", 1),
    // 24..27
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "200µS/cm (4)")}, "µS/cm", 1, "kOhm", "mg/l", 1),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "2000µS/cm (4)")}, "µS/cm", 0, "kOhm", "mg/l", 0),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "20mS/cm (4)")}, "mS/cm", 2, "Ohm", "g/l", 2),
    Conductivity4({"types", QT_TRANSLATE_NOOP("types", "500mS/cm (4)")}, "mS/cm", 1, "Ohm", "g/l", 1),
    // 28
    kEmpty,
    // 29
    Record{{"types", QT_TRANSLATE_NOOP("types", "Sauerstoff")},
           {{"types", QT_TRANSLATE_NOOP("types", "Sättigung")},
            {"types", QT_TRANSLATE_NOOP("types", "Konzentration")},
            kNone,
            {"types", QT_TRANSLATE_NOOP("types", "Partialdruck")},
            //: English keeps "air pressur" byte for byte: printouts and files carry it so.
            {"types", QT_TRANSLATE_NOOP("types", "Luftdruck")},
            kTemp},
           {"%", "mg/l", "", "hPa", "hPa"},
           {{"types", QT_TRANSLATE_NOOP("types", "Anstieg")}, kNone, kNone, kNone, kNone},
           {"%", "", "", "", ""},
           {1, 2, 0, 1, 0},
           {2, 0, 0, 0, 1, 1}},
    // 30
    Record{{"types", QT_TRANSLATE_NOOP("types", "20µS/cm ZK=0.1")},
           {kCond, kResist, kSalinity, kNone, kNone, kTemp},
           {"µS/cm", "kOhm", "g/kg", "", ""},
           {kCellConst, kTempCoef, kCableOffset, kNone, kNone},
           {"1/cm", "%%/K", "Ohm", "", ""},
           {2, 0, 1, 0, 0},
           {3, 2, 2, 0, 2, 2}},
};

const Record& At(int typeIndex) {
  if (typeIndex < 0 || typeIndex >= kTypeCount) return kEmpty;
  return kRecords[typeIndex];
}

std::string Select(const Text& p, Language language) {
  return p.source.text == nullptr ? std::string() : Tr(language, p);
}

}  // namespace

namespace {

constexpr TypeTraits Traits(Family f, Procedure p, KeyEntry entry, KeyPrint print, int kind4 = 2, int kind5 = 2) {
  return TypeTraits{f, p, entry, print, kind4, kind5};
}

using F = Family;
using P = Procedure;
using E = KeyEntry;
using KP = KeyPrint;
constexpr TypeTraits kFree = Traits(F::kOther, P::kNone, E::kUnchanged, KP::kValues);
constexpr TypeTraits kCond2 = Traits(F::kConductivity2, P::kCellConstant2, E::kSolutionLists, KP::kSolutions);

// One row per index 0..31. Index 31 names no type, yet the dialog and the printout
// have always treated its key values as KCl solutions.
constexpr TypeTraits kTraits[] = {
    Traits(F::kPh, P::kTwoPointPh, E::kBufferLists, KP::kBuffers),
    Traits(F::kRedox, P::kRedox, E::kFixedEdits, KP::kValues),
    kCond2,
    kCond2,
    kCond2,
    kCond2,
    Traits(F::kTurbidity, P::kNone, E::kFixedEdits, KP::kNone),
    Traits(F::kOxygen, P::kOxygenOrAirPressure, E::kFixedEdits, KP::kValues),
    Traits(F::kLinear, P::kNone, E::kFixedEdits, KP::kValues),
    Traits(F::kIse, P::kIse, E::kEdits, KP::kValues),
    Traits(F::kChlorine, P::kLinearChlorine, E::kFixedEdits, KP::kSigns),
    kFree,
    kFree,
    kFree,
    kFree,
    kFree,
    kFree,
    kFree,
    Traits(F::kChlorineWithPh, P::kChlorineOrPh, E::kFixedPh, KP::kFixedPh),
    Traits(F::kDisplayModule, P::kNone, E::kUnchanged, KP::kValues),
    Traits(F::kConductivity4, P::kCellConstant4, E::kSolutionLists, KP::kSolutions),
    Traits(F::kConductivity4, P::kCellConstant4, E::kSolutionLists, KP::kSolutions, 3, 3),
    Traits(F::kConductivity4, P::kCellConstant4, E::kSolutionLists, KP::kSolutions, 3, 3),
    Traits(F::kConductivity4, P::kCellConstant4, E::kSolutionLists, KP::kSolutions, 3, 3),
    Traits(F::kConductivity4Tds, P::kNone, E::kSolutionLists, KP::kValues, 3, 3),
    Traits(F::kConductivity4Tds, P::kNone, E::kSolutionLists, KP::kValues, 3, 2),
    Traits(F::kConductivity4Tds, P::kNone, E::kSolutionLists, KP::kValues, 3, 2),
    Traits(F::kConductivity4Tds, P::kNone, E::kSolutionLists, KP::kValues, 3, 2),
    Traits(F::kOther, P::kNone, E::kUnchanged, KP::kValues, 3, 2),
    Traits(F::kOpxOxygen, P::kSaturationOrAirPressure, E::kFixedEdits, KP::kValues),
    Traits(F::kConductivityLow, P::kNone, E::kUnchanged, KP::kValues),
    Traits(F::kOther, P::kNone, E::kSolutionLists, KP::kSolutions),
};
static_assert(std::size(kTraits) == kTypeCount + 1);

// The short names of the type lists (configuration, parametrization).
constexpr platform::Text kListNames[kTypeCount] = {
    {"types", QT_TRANSLATE_NOOP("types", "pH")},           {"types", QT_TRANSLATE_NOOP3("types", "Redox", "redox")},
    {"types", QT_TRANSLATE_NOOP("types", "200µS")},        {"types", QT_TRANSLATE_NOOP("types", "2000µS")},
    {"types", QT_TRANSLATE_NOOP("types", "20mS")},         {"types", QT_TRANSLATE_NOOP("types", "100mS")},
    {"types", QT_TRANSLATE_NOOP("types", "NTU")},          {"types", QT_TRANSLATE_NOOP("types", "Sauerstoff")},
    {"types", QT_TRANSLATE_NOOP("types", "Linear")},       {"types", QT_TRANSLATE_NOOP("types", "ISE")},
    {"types", QT_TRANSLATE_NOOP("types", "freies Chlor")}, {"types", QT_TRANSLATE_NOOP("types", "frei")},
    {"types", QT_TRANSLATE_NOOP("types", "frei")},         {"types", QT_TRANSLATE_NOOP("types", "frei")},
    {"types", QT_TRANSLATE_NOOP("types", "frei")},         {"types", QT_TRANSLATE_NOOP("types", "frei")},
    {"types", QT_TRANSLATE_NOOP("types", "frei")},         {"types", QT_TRANSLATE_NOOP("types", "frei")},
    {"types", QT_TRANSLATE_NOOP("types", "Chlor")},        {"types", QT_TRANSLATE_NOOP("types", "Anzeigemodul")},
    {"types", QT_TRANSLATE_NOOP("types", "200µS (4)")},    {"types", QT_TRANSLATE_NOOP("types", "2000µS (4)")},
    {"types", QT_TRANSLATE_NOOP("types", "20mS (4)")},     {"types", QT_TRANSLATE_NOOP("types", "500mS (4)")},
    {"types", QT_TRANSLATE_NOOP("types", "200µS a(4)")},   {"types", QT_TRANSLATE_NOOP("types", "2000µS a(4)")},
    {"types", QT_TRANSLATE_NOOP("types", "20mS a(4)")},    {"types", QT_TRANSLATE_NOOP("types", "500mS a(4)")},
    {"types", QT_TRANSLATE_NOOP("types", "frei")},         {"types", QT_TRANSLATE_NOOP("types", "OPX Sauerstoff")},
    {"types", QT_TRANSLATE_NOOP("types", "20µS ZK=0.1")},
};

}  // namespace

std::string TypeListName(int typeIndex, Language language) {
  if (typeIndex < 0 || typeIndex >= kTypeCount) return {};
  return Tr(language, kListNames[typeIndex]);
}

const TypeTraits& MeasurementType::traits() const {
  if (index_ < 0 || index_ >= static_cast<int>(std::size(kTraits))) return kFree;
  return kTraits[index_];
}

std::string TypeName(int typeIndex, Language language) { return Select(At(typeIndex).name, language); }

std::string ChannelLabel(int typeIndex, int channel, Language language) {
  if (channel < 1 || channel > 6) return {};
  return Select(At(typeIndex).label[channel - 1], language);
}

std::string ChannelUnit(int typeIndex, int channel) {
  if (channel < 1 || channel > 5) return {};
  return At(typeIndex).unit[channel - 1];
}

int ChannelDecimals(int typeIndex, int channel) {
  if (channel < 1 || channel > 5) return 0;
  return At(typeIndex).decimals[channel - 1];
}

std::string CalibrationLabel(int typeIndex, int n, Language language) {
  if (n < 1 || n > 5) return {};
  return Select(At(typeIndex).calLabel[n - 1], language);
}

std::string CalibrationUnit(int typeIndex, int n) {
  if (n < 1 || n > 5) return {};
  return At(typeIndex).calUnit[n - 1];
}

int CalibrationDecimals(int typeIndex, int parameter) {
  // Stored in the order 32, 33, 34, 37, 35, 36.
  int slot;
  switch (parameter) {
    case 32: slot = 0; break;
    case 33: slot = 1; break;
    case 34: slot = 2; break;
    case 37: slot = 3; break;
    case 35: slot = 4; break;
    case 36: slot = 5; break;
    default: return 0;
  }
  return At(typeIndex).calDecimals[slot];
}

}  // namespace korvane::types
