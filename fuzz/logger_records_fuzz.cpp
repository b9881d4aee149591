// A logger stream of any bytes through the record assembler and the export lines: each
// record line is one line of the export file with its fixed cells.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "logger/LoggerRecords.h"
#include "logger/RecordAssembler.h"

using namespace korvane;
using logger::RecordAssembler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const bool longRecords = data[0] & 1;
  const int typeIndex = data[1] % 40 - 5;  // also types the catalogue does not know
  RecordAssembler assembler(longRecords);
  bool afterOutOfStep = false;
  for (std::size_t i = 2; i + 4 <= size; i += 4) {
    const auto e = assembler.Feed({data[i], data[i + 1], data[i + 2], data[i + 3]});
    // A record out of step is completed by the very next frame.
    if (afterOutOfStep) FUZZ_CHECK(e != RecordAssembler::Event::kNone);
    afterOutOfStep = e == RecordAssembler::Event::kOutOfStep;
    std::string line;
    std::size_t tabs = 0;
    if (e == RecordAssembler::Event::kDisplayRecord) {
      line = logger::DisplayRecordLine(assembler.displayRecord());
      tabs = 9;
    } else if (e == RecordAssembler::Event::kLongRecord) {
      FUZZ_CHECK(logger::PointerInStep(assembler.pointer()));
      line = logger::LongRecordLine(logger::DecodeLongRecord(assembler.longRecord()), typeIndex);
      tabs = 4;
    } else {
      continue;
    }
    FUZZ_CHECK(!line.empty() && line[0] == '\n');
    FUZZ_CHECK(std::count(line.begin(), line.end(), '\n') == 1);
    FUZZ_CHECK(static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) == tabs);
  }
  return 0;
}
