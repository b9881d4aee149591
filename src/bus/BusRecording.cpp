#include "bus/BusRecording.h"

#include <algorithm>

#include "measurement/Recording.h"
#include "measurement/RecordingLine.h"

namespace korvane::bus {

std::string BusRecordingLine(const platform::LocalTime& t, const BusSample& sample) {
  std::array<float, 6> values{};
  std::array<bool, 6> answered{};
  // A value the module left unanswered leaves its cell empty, as in the single recording.
  for (std::size_t c = 0; c < values.size(); ++c) {
    values[c] = static_cast<float>(sample.channels[c].value.value_or(0.0));
    answered[c] = sample.channels[c].value.has_value();
  }
  return std::to_string(sample.address) + "\t" +
         measurement::RecordingLine(t, CatalogueIndex(sample.type), values, answered);
}

BusRecording::BusRecording(measurement::Recording& recording, std::chrono::milliseconds interval, Language language,
                           platform::Clock clock, QObject* parent)
    : QObject(parent),
      recording_(recording),
      interval_(std::max(interval, measurement::kMinimumRecordingPeriod)),
      language_(language),
      clock_(std::move(clock)) {
  connect(&timer_, &QTimer::timeout, this, &BusRecording::WriteLines);
}

void BusRecording::Start() { timer_.start(interval_); }

void BusRecording::Stop() {
  timer_.stop();
  live_.clear();
}

void BusRecording::Take(const BusSample& sample) {
  if (sample.state == ModuleState::kLive)
    live_[sample.address] = sample;
  else
    live_.erase(sample.address);
}

bool BusRecording::WriteLines() {
  const platform::LocalTime now = clock_();
  for (const auto& [address, sample] : live_) {
    std::string notice;
    if (recording_.WriteText(BusRecordingLine(now, sample), language_, &notice)) {
      ++lines_;
      continue;
    }
    timer_.stop();
    if (!notice.empty()) emit failed(QString::fromStdString(notice));
    return false;
  }
  return true;
}

}  // namespace korvane::bus
