#pragma once
// The measurement type catalogue: for each type index (module parameter 28 minus 1,
// 0..30) the names, channel labels, units and decimals the program shows. Constant;
// an index outside 0..30 behaves as an empty record. Texts are UTF-8.
#include <string>

namespace korvane::types {

constexpr int kTypeCount = 31;

// language: 0 = German, 1 = English.
std::string TypeName(int typeIndex, int language);
std::string ChannelLabel(int typeIndex, int channel /*1..6*/, int language);
std::string ChannelUnit(int typeIndex, int channel /*1..5*/);
int ChannelDecimals(int typeIndex, int channel /*1..5*/);
std::string CalibrationLabel(int typeIndex, int n /*1..5*/, int language);
std::string CalibrationUnit(int typeIndex, int n /*1..5*/);
// Decimals of the calibration value held in parameter 32, 33, 34, 35, 36 or 37.
int CalibrationDecimals(int typeIndex, int parameter);

}  // namespace korvane::types
