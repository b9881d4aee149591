// korvane-cli's command lines: any words after any command either stop with a usage
// error (status 2, with a message) or give options within the ranges the README
// documents, every word taken; an address list ("0,3,5-7") is refused with a message or
// gives distinct addresses 0..31 that read back the same. The input: a command index
// byte (one past the commands: the first word as an address list), a rate byte, then
// the words, separated by zero bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "bus/AddressList.h"
#include "fuzz_check.h"
#include "logger/DeviceClock.h"
#include "logger/render/ChartFile.h"

using namespace korvane::cli;

namespace {

bool Is(const Command& c, const char* name) { return std::string(c.name) == name; }

void CheckCommon(const CommonOptions& o) {
  FUZZ_CHECK(!o.port || (*o.port >= 1 && *o.port <= 255));
  FUZZ_CHECK(o.address >= 0 && o.address <= 255);
  // An --address list: modules 0..31, the first of them the single address.
  for (std::uint8_t a : o.addresses) FUZZ_CHECK(a <= 31);
  FUZZ_CHECK(o.addresses.empty() || o.address == o.addresses.front());
  FUZZ_CHECK(!o.baud || *o.baud == 4800 || *o.baud == 19200 || *o.baud == 38400);
  FUZZ_CHECK(!o.language || *o.language == korvane::Language::kGerman || *o.language == korvane::Language::kEnglish);
  FUZZ_CHECK(!(o.port && !o.device.empty()));
  // A technician's name is one line.
  if (o.technician)
    for (const unsigned char c : *o.technician) FUZZ_CHECK(c >= 0x20 && c != 0x7F);
}

void CheckCommand(const Command& c, const CommandOptions& o, int baud) {
  FUZZ_CHECK(o.count >= 0 && o.count <= kMaxCount);
  FUZZ_CHECK(o.pollMs >= ShortestPollMs(baud) && o.pollMs <= kMaxPollMs);
  FUZZ_CHECK(o.interval.hour >= 0 && o.interval.hour <= 23);
  FUZZ_CHECK(o.interval.minute >= 0 && o.interval.minute <= 59);
  FUZZ_CHECK(o.interval.second >= 0 && o.interval.second <= 59);
  FUZZ_CHECK(!o.time || korvane::logger::IsDeviceTime(*o.time));
  FUZZ_CHECK(o.contrast >= 0 && o.contrast <= 20);
  FUZZ_CHECK(o.chart.empty() || (korvane::logger::IsChartFileName(o.chart) && !o.display));
  for (const char* needsOutput : {"config-read", "config-print", "logger-read", "display-read", "report"})
    if (Is(c, needsOutput)) FUZZ_CHECK(!o.output.empty());
  for (const char* needsInput : {"config-write", "config-diff", "display-write"})
    if (Is(c, needsInput)) FUZZ_CHECK(!o.input.empty());
  if (Is(c, "history") && o.verify) FUZZ_CHECK(!o.json && !o.module && !o.kind && !o.sinceMs && !o.untilMs);
  if (Is(c, "logger-clear")) FUZZ_CHECK(o.yes);
  // A report's span is never empty the wrong way round.
  if (Is(c, "report") && o.sinceMs && o.untilMs) FUZZ_CHECK(*o.untilMs > *o.sinceMs);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::vector<Command>& commands = Commands();
  const std::size_t pick = data[0] % (commands.size() + 1);
  static constexpr int kRates[] = {4800, 19200, 38400};
  const int baud = kRates[data[1] % 3];
  Args args;
  std::string word;
  for (std::size_t i = 2; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (size > 2) args.push_back(word);

  if (pick == commands.size()) {
    std::string error;
    const auto list = korvane::bus::ParseAddressList(args.empty() ? "" : args.front(), &error);
    if (!list) {
      FUZZ_CHECK(!error.empty());
      return 0;
    }
    FUZZ_CHECK(!list->empty());
    bool seen[32] = {};
    for (std::uint8_t a : *list) {
      FUZZ_CHECK(a <= 31 && !seen[a]);
      seen[a] = true;
    }
    FUZZ_CHECK(korvane::bus::ParseAddressList(korvane::bus::AddressListText(*list), &error) == list);
    return 0;
  }
  const Command& command = commands[pick];
  // The common options first, wherever they stand; then the command's own.
  CommonOptions common;
  std::string error;
  if (!ParseCommonOptions(args, common, &error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  CheckCommon(common);
  CommandOptions options;
  error = command.parse(args, baud, options);
  if (!error.empty()) return 0;  // a usage error, status 2
  FUZZ_CHECK(args.empty());      // nothing left unread
  CheckCommand(command, options, baud);
  return 0;
}
