#pragma once
// The measurement type catalogue: for each type index (module parameter 28 minus 1,
// 0..30) the names, channel labels, units and decimals the program shows. Constant;
// an index outside 0..30 behaves as an empty record. Texts are UTF-8.
#include <string>

#include "platform/Language.h"

namespace korvane::types {

constexpr int kTypeCount = 31;

// What a type is, as the flows tell types apart.
enum class Family {
  kOther,             // free places, and indices no module reports
  kPh,                // pH
  kRedox,             // redox
  kConductivity2,     // two-electrode conductivity ranges
  kTurbidity,         // NTU
  kOxygen,            // oxygen with its air pressure
  kLinear,            // linear input
  kIse,               // ion selective electrode
  kChlorine,          // free chlorine
  kChlorineWithPh,    // chlorine with a fixed or measured pH
  kDisplayModule,     // a display module, no measurement of its own
  kConductivity4,     // four-electrode conductivity ranges
  kConductivity4Tds,  // four-electrode ranges that show TDS
  kOpxOxygen,         // OPX oxygen
  kConductivityLow,   // 20 µS with cell constant 0.1
};

// The calibration procedure the button runs for a type.
enum class Procedure {
  kNone,  // only the status line is refreshed
  kTwoPointPh,
  kRedox,
  kCellConstant2,        // cell constant, two-electrode
  kCellConstant4,        // cell constant, four-electrode
  kOxygenOrAirPressure,  // slope, or the air pressure, as the user chooses
  kIse,
  kLinearChlorine,
  kChlorineOrPh,             // chlorine slope, or the pH compensation
  kSaturationOrAirPressure,  // saturation, or the air pressure
};

// How the configuration dialog offers the two calibration key values.
enum class KeyEntry {
  kUnchanged,      // the dialog leaves the key controls as they were
  kBufferLists,    // pH buffer lists
  kSolutionLists,  // KCl solution lists
  kFixedEdits,     // edits that show the values but do not take input
  kEdits,          // edits
  kFixedPh,        // the "pH Fix" check and the fixed pH value
};

// How the printout gives the key values.
enum class KeyPrint { kValues, kBuffers, kSolutions, kNone, kSigns, kFixedPh };

struct TypeTraits {
  Family family = Family::kOther;
  Procedure procedure = Procedure::kNone;
  KeyEntry keyEntry = KeyEntry::kUnchanged;
  KeyPrint keyPrint = KeyPrint::kValues;
  // The channel behind the second source on the current series (device kinds 4 and 5).
  int secondSourceKind4 = 2;
  int secondSourceKind5 = 2;
};

// The index of a type in the catalogue (module parameter 28 minus 1). Any int may be
// held: an index the catalogue has no row for has the traits of a free place.
class MeasurementType {
 public:
  constexpr explicit MeasurementType(int index) : index_(index) {}
  constexpr int index() const { return index_; }
  const TypeTraits& traits() const;
  Family family() const { return traits().family; }
  bool IsConductivityRange() const { return family() == Family::kConductivity2 || family() == Family::kConductivity4; }
  // Key value 1 is a TDS factor on device kind 4.
  bool HasTdsFactor() const { return family() == Family::kConductivity4 || family() == Family::kConductivity4Tds; }

 private:
  int index_;
};

// The ranges a conductivity module may switch between: first and last index.
struct TypeRange {
  int first;
  int last;
};
inline constexpr TypeRange kTwoElectrodeRanges{2, 5};
inline constexpr TypeRange kFourElectrodeRanges{20, 23};

std::string TypeName(int typeIndex, Language language);
// The short name in the type lists of the configuration and the parametrization
// ("" outside 0..30).
std::string TypeListName(int typeIndex, Language language);
std::string ChannelLabel(int typeIndex, int channel /*1..6*/, Language language);
std::string ChannelUnit(int typeIndex, int channel /*1..5*/);
int ChannelDecimals(int typeIndex, int channel /*1..5*/);
std::string CalibrationLabel(int typeIndex, int n /*1..5*/, Language language);
std::string CalibrationUnit(int typeIndex, int n /*1..5*/);
// Decimals of the calibration value held in parameter 32, 33, 34, 35, 36 or 37.
int CalibrationDecimals(int typeIndex, int parameter);

}  // namespace korvane::types
