#pragma once
// korvane-sim's command line: the modules, the display unit, the faults and where the
// line is linked. Parsing and checking only; main() builds the bus from it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Bus.h"
#include "link/Protocol.h"
#include "platform/ProgramLine.h"

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

// The settle curve of one module, or of all (address -1).
struct SettleSpec {
  double tau = 0;       // seconds
  double noise = 0.02;  // of each channel's usual wander
  int address = -1;
};

struct SimOptions {
  std::vector<DeviceSpec> devices;  // at least one after ParseSimOptions
  std::vector<FaultSpec> faults;
  std::vector<SettleSpec> settle;
  // The solutions the sensors are put into, in order (pH for the pH types, else
  // channel 1's value): the first at the start, the next on SIGUSR1 or every
  // solutionEvery seconds.
  std::vector<double> solutions;
  double solutionEvery = 0;
  std::optional<double> temperature;  // °C the modules' temperature settles at
  bool display = false, pace = false, verbose = false, quiet = false;
  int lateMs = -1;
  int baud = 0;          // the rate the modules listen at when the simulator starts; 0: their own
  std::string linkPath;  // "" when the line is not linked
};

// The options with their help texts, for --help and the manual's check.
extern const platform::ProgramLineSpec kSimLine;

// args without the program name. Nothing with *error for a bad command line; nothing with
// *request kHelp or kVersion when the line asked for one of them instead.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, platform::LineRequest* request,
                                          std::string* error);

// The modules, the display unit and the faults of the options on a bus; the amplifiers
// it made, in the options' order.
std::vector<std::shared_ptr<Amplifier>> BuildBus(const SimOptions& options, Bus& bus);

// Puts the amplifiers into the next of the options' solutions (the first at the first
// call); nothing without solutions.
class Solutions {
 public:
  Solutions(const SimOptions& options, std::vector<std::shared_ptr<Amplifier>> amplifiers)
      : values_(options.solutions), amplifiers_(std::move(amplifiers)) {}
  // The value now applied, or nothing.
  std::optional<double> Next();

 private:
  std::vector<double> values_;
  std::vector<std::shared_ptr<Amplifier>> amplifiers_;
  std::size_t next_ = 0;
};

}  // namespace korvane::sim
