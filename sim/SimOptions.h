#pragma once
// korvane-sim's command line: the modules, the display unit, the faults and where the
// line is linked. Parsing and checking only; main() builds the bus from it.
#include <optional>
#include <string>
#include <vector>

#include "Bus.h"
#include "link/Protocol.h"

namespace korvane::sim {

struct DeviceSpec {
  int type = 1;
  int address = 0;
  int kind = static_cast<int>(link::DeviceKind::kAmplifier);
  std::string identity;  // "" : "A123" for a single module, "S" and the address on a bus
};

// The identity a module of the options answers with: the one given, "A123" when the
// simulator runs one module, else "S" and its address in three digits ("S005").
std::string IdentityOf(const DeviceSpec& device, std::size_t modules);

struct FaultSpec {
  Fault fault = Fault::kNone;
  enum { kEvery, kOnce, kWhen } mode = kEvery;
  int group = 0;
  int parameter = 0;
};

struct SimOptions {
  std::vector<DeviceSpec> devices;  // at least one after ParseSimOptions
  std::vector<FaultSpec> faults;
  bool display = false, pace = false, verbose = false, quiet = false;
  int lateMs = -1;
  int baud = 0;  // the rate the modules listen at when the simulator starts; 0: their own
  std::string linkPath;  // "" when the line is not linked
};

// The usage text of --help.
extern const char* const kSimUsage;

// args without the program name. Nothing with *error for a bad command line; *help when
// --help asked for the usage text instead.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, bool* help, std::string* error);

// The modules, the display unit and the faults of the options on a bus.
void BuildBus(const SimOptions& options, Bus& bus);

}  // namespace korvane::sim
