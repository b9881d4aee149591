// The Modbus register map: a module's block and the station block as registers, and
// the requests cut out of a connection's bytes (the refusals a client sees end to end
// are in tests/integration).
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "station/modbus/RegisterMap.h"
#include "station/modbus/RegisterStore.h"
#include "station/modbus/RequestFrame.h"
#include "support/PhSample.h"

namespace korvane::station {
namespace {

using namespace std::chrono_literals;

const auto kTime = std::chrono::system_clock::time_point(1767225600s);

bus::BusSample Missing(const bus::BusSample& live) {
  bus::BusSample s = live;
  s.state = bus::ModuleState::kMissing;
  for (auto& c : s.channels) c.text.clear();
  s.time = kTime + 10s;
  return s;
}

struct BlockRow {
  const char* name;
  ModuleImage image;
  FloatOrder order;
  std::map<int, std::uint16_t> expected;  // offset in the block -> register
};

TEST(ModbusMap, ModuleBlockHoldsTheSampleAsItsFieldsShowIt) {
  bus::BusSample ph = test::PhSample(3, kTime);
  ph.firmwareVersion = 1.2f;
  ph.calibrationValues = {-3.5f, -59.2f, 0.0f, 0.0f};
  bus::BusSample over = ph;
  over.channels[0].text = ">>>>";
  over.channels[5].value = 21.43721;  // the field shows 21.4: that is the value
  const BlockRow rows[] = {
      {"live, high word first",
       ImageOf(ph, std::nullopt),
       FloatOrder::kAbcd,
       {{0, 0x40E0},  {1, 0xA3D7},                          // 7.02
        {2, 0xBF80},  {3, 0x0000},                          // -1
        {4, 0x7FC0},  {5, 0x0000},                          // a field without a number: NaN
        {10, 0x41AB}, {11, 0x3333},                         // 21.4
        {12, 1},      {13, 1},      {14, 0},      {15, 3},  // live, pH, 3 s old
        {16, 0x4131}, {17, 0x3233},                         // "A123"
        {18, 0x3F99}, {19, 0x999A},                         // firmware 1.20
        {20, 0xC060}, {22, 0xC26C}, {23, 0xCCCD}, {24, 0x0000}, {28, 0}, {99, 0}}},
      {"live, low word first",
       ImageOf(ph, std::nullopt),
       FloatOrder::kCdab,
       {{0, 0xA3D7}, {1, 0x40E0}, {4, 0x0000}, {5, 0x7FC0}, {14, 0}, {15, 3}, {16, 0x4131}, {18, 0x999A}}},
      {"no number shown, or more decimals",
       ImageOf(over, std::nullopt),
       FloatOrder::kAbcd,
       {{0, 0x7FC0}, {1, 0}, {10, 0x41AB}, {11, 0x3333}}},
      {"missing after a live sample",
       ImageOf(Missing(ph), kTime),
       FloatOrder::kAbcd,
       {{0, 0x7FC0}, {10, 0x7FC0}, {12, 2}, {13, 1}, {14, 0}, {15, 3}, {16, 0x4131}}},
      {"missing since the start",
       ImageOf(Missing(ph), std::nullopt),
       FloatOrder::kAbcd,
       {{12, 2}, {14, 0xFFFF}, {15, 0xFFFF}}},
      {"the line lost after a live sample: no values, the module and its age stay",
       LineLostImage(ImageOf(ph, std::nullopt)),
       FloatOrder::kAbcd,
       {{0, 0x7FC0}, {1, 0}, {10, 0x7FC0}, {12, 3}, {13, 1}, {15, 3}, {16, 0x4131}, {18, 0x3F99}, {20, 0xC060}}},
      {"the line lost before the address was seen", LineLostImage(ModuleImage()), FloatOrder::kAbcd, {{12, 0}}},
      {"never seen",
       ModuleImage(),
       FloatOrder::kAbcd,
       {{0, 0x7FC0}, {1, 0}, {12, 0}, {13, 0}, {14, 0xFFFF}, {15, 0xFFFF}, {16, 0}, {18, 0x7FC0}, {26, 0x7FC0}}},
  };
  for (const BlockRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ModuleBlock block = EncodeModuleBlock(row.image, kTime + 3900ms, row.order);
    for (const auto& [offset, value] : row.expected) EXPECT_EQ(block[offset], value) << "+" << offset;
  }
}

TEST(ModbusMap, StationBlockSaysLineModulesQueueAndTimeSinceTheStart) {
  EXPECT_EQ(EncodeStationBlock({true, 3, 0x12345}, 70000s), (StationBlock{1, 3, 0x0001, 0x2345, 0x0001, 0x1170}));
  EXPECT_EQ(EncodeStationBlock({false, 0, 1ull << 40}, 0s), (StationBlock{2, 0, 0xFFFF, 0xFFFF, 0, 0}));
  // A service client holding the line alone: polling paused, a state of its own.
  EXPECT_EQ(EncodeStationBlock({true, 3, 0, true}, 0s)[0], 3);
  EXPECT_EQ(EncodeStationBlock({false, 0, 0, true}, 0s)[0], 2);
}

TEST(ModbusMap, StoreMarksTheModulesInServiceInTheirBlocks) {
  RegisterStore store;
  std::bitset<kModuleBlocks> modules;
  modules.set(3);
  store.SetService(modules, false);
  std::uint16_t r[2 * kBlockRegisters];
  store.Read(200, 2 * kBlockRegisters, FloatOrder::kAbcd, r);
  EXPECT_EQ(r[28], 0);                    // module 2
  EXPECT_EQ(r[kBlockRegisters + 28], 1);  // module 3
  EXPECT_EQ(r[kBlockRegisters + 12], 0);  // its state stays its own
}

TEST(ModbusMap, RequestsAreCutWhereTheirLengthSaysOrRefused) {
  using Kind = FrameCut::Kind;
  const std::vector<std::uint8_t> read = {0, 1, 0, 0, 0, 6, 1, 0x04, 0x01, 0x2C, 0, 2};
  struct Row {
    const char* name;
    std::vector<std::uint8_t> bytes;
    Kind kind;
    std::size_t size;
  };
  std::vector<std::uint8_t> two = read;
  two.insert(two.end(), read.begin(), read.end());
  const Row rows[] = {
      {"a read", read, Kind::kRequest, 12},
      {"two at once: the first", two, Kind::kRequest, 12},
      {"half a header", {0, 1, 0, 0, 0}, Kind::kIncomplete, 0},
      {"half a request", {read.begin(), read.end() - 2}, Kind::kIncomplete, 0},
      {"write of two registers", {0, 1, 0, 0, 0, 11, 1, 0x10, 0, 0, 0, 2, 4, 1, 2, 3, 4}, Kind::kRequest, 17},
      {"unknown function: its length field", {0, 1, 0, 0, 0, 3, 1, 0x2B, 0x0E}, Kind::kRequest, 9},
      {"byte count and length field differ", {0, 1, 0, 0, 0, 11, 1, 0x10, 0, 0, 0, 2, 6}, Kind::kRefused, 0},
      {"longer than 260 bytes", {0, 1, 0, 0, 0x01, 0x00, 1, 0x2B}, Kind::kRefused, 0},
      {"no room for a function", {0, 1, 0, 0, 0, 1, 1, 0x03}, Kind::kRefused, 0},
      {"a reply's function code", {0, 1, 0, 0, 0, 3, 1, 0x83, 2}, Kind::kRefused, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const FrameCut cut = CutRequest(row.bytes);
    EXPECT_EQ(cut.kind, row.kind) << cut.reason;
    EXPECT_EQ(cut.size, row.size);
    EXPECT_EQ(cut.reason.empty(), row.kind != Kind::kRefused);
  }
}

}  // namespace
}  // namespace korvane::station
