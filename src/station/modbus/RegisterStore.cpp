#include "station/modbus/RegisterStore.h"

#include <algorithm>

namespace korvane::station {

void RegisterStore::Take(const bus::BusSample& sample) {
  if (sample.address >= kModuleBlocks) return;
  std::lock_guard lock(mutex_);
  ModuleImage& m = modules_[sample.address];
  m = ImageOf(sample, m.lastLive);
}

void RegisterStore::SetLine(bool up, int modules) {
  std::lock_guard lock(mutex_);
  station_.lineUp = up;
  station_.modules = modules;
  // A module's block shows its state until its next sample after the line is back.
  if (!up)
    for (ModuleImage& m : modules_) m = LineLostImage(m);
}

void RegisterStore::SetPending(std::uint64_t pending) {
  std::lock_guard lock(mutex_);
  station_.pending = pending;
}

void RegisterStore::SetService(const std::bitset<kModuleBlocks>& modules, bool held) {
  std::lock_guard lock(mutex_);
  inService_ = modules;
  station_.serviceHeld = held;
}

void RegisterStore::Read(int start, int count, FloatOrder order, std::uint16_t* out) const {
  const int end = start + count;
  const int firstBlock = std::min(start / kBlockRegisters, kModuleBlocks);
  const int endBlock = std::min((end + kBlockRegisters - 1) / kBlockRegisters, kModuleBlocks);
  // 125 registers touch at most three module blocks.
  std::array<ModuleImage, 3> images;
  StationImage station;
  {
    std::lock_guard lock(mutex_);
    std::copy(modules_.begin() + firstBlock, modules_.begin() + endBlock, images.begin());
    for (int b = firstBlock; b < endBlock; ++b)
      images[static_cast<std::size_t>(b - firstBlock)].inService = inService_.test(static_cast<std::size_t>(b));
    station = station_;
  }
  const auto now = std::chrono::system_clock::now();
  for (int b = firstBlock; b < endBlock; ++b) {
    const ModuleBlock block = EncodeModuleBlock(images[static_cast<std::size_t>(b - firstBlock)], now, order);
    const int from = std::max(start, b * kBlockRegisters), to = std::min(end, (b + 1) * kBlockRegisters);
    std::copy(block.begin() + (from - b * kBlockRegisters), block.begin() + (to - b * kBlockRegisters),
              out + (from - start));
  }
  if (end > kStationBlock) {
    const auto up = std::chrono::floor<std::chrono::seconds>(std::chrono::steady_clock::now() - start_);
    const StationBlock block = EncodeStationBlock(station, up);
    const int from = std::max(start, kStationBlock);
    std::copy(block.begin() + (from - kStationBlock), block.begin() + (end - kStationBlock), out + (from - start));
  }
}

}  // namespace korvane::station
