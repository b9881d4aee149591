#pragma once
// pH buffer sets: each buffer's pH as a function of temperature from its published
// table, interpolated between the table's points, and the recognition of the buffer a
// pH sensor stands in from its voltage. Pure C++.
#include <optional>
#include <string>
#include <vector>

#include "platform/Language.h"
#include "platform/Text.h"
#include "types/BufferSetNames.h"
#include "types/CalibrationLimits.h"

namespace korvane::calibration {

struct BufferPoint {
  double celsius;
  double ph;
};

struct Buffer {
  std::string name;                // as printed on the bottle: "4.01"
  std::vector<BufferPoint> table;  // ascending temperatures
};

// The sets the user chooses from, by the key korvane.conf and the command line use.
using types::kDin19266Set;
using types::kDin19267Set;
using types::kOwnSet;
using types::kTechnicalSet;

struct BufferSet {
  std::string key;
  std::vector<Buffer> buffers;
  std::string name(Language language) const { return types::BufferSetName(key, language); }
};

// The four sets in the order the choice lists them: DIN 19266 / NIST, the technical
// 4.01 / 7.00 / 10.01 (9.21), DIN 19267 and own values. The last two have no built-in
// tables: they come from the buffer file (BufferFile.h).
std::vector<BufferSet> BuiltInBufferSets();
// The set of a key among sets; nullptr for another key.
const BufferSet* FindBufferSet(const std::vector<BufferSet>& sets, const std::string& key);

// Why a buffer has no value at a temperature.
enum class BufferGap { kNone, kBelowTable, kAboveTable, kNoTable };

struct BufferValue {
  std::optional<double> ph;
  BufferGap gap = BufferGap::kNone;
  double low = 0, high = 0;  // the table's temperature range
};

// The buffer's pH at a temperature, linear between the table's neighbouring points;
// none outside the table (a table is never extrapolated).
BufferValue BufferPh(const Buffer& buffer, double celsius);

// The electrode line a voltage is read with: the cell voltage at pH 7 and the slope
// referred to 25 °C, as the module's calibration values hold them.
struct ElectrodeLine {
  double zeroMv = 0;
  double slopeMv = -59.16;  // mV/pH at 25 °C
};
using types::kNernstSlope25;
// The module's line when its values are plausible calibration values, else the ideal
// electrode (0 mV, Nernst's slope): a module with an erased or absurd calibration still
// lets the buffers be told apart.
ElectrodeLine UsableLine(double zeroMv, double slopeMv);
// The pH a voltage means on a line at a temperature.
double PhFromVoltage(const ElectrodeLine& line, double millivolts, double celsius);

struct Recognition {
  int index = -1;         // the buffer of the set, -1 none within reach
  double measuredPh = 0;  // what the voltage says
  BufferValue value;      // the buffer's value at the temperature
};
// The buffer of the set nearest to the pH the voltage means, when it lies within one
// pH unit of the buffer's value (its value at 25 °C where the temperature is outside
// its table).
Recognition Recognise(const BufferSet& set, const ElectrodeLine& line, double millivolts, double celsius);

// Two voltages that are less than half a pH unit apart on the line: the same buffer.
bool SameSolution(const ElectrodeLine& line, double firstMv, double secondMv, double celsius);

}  // namespace korvane::calibration
