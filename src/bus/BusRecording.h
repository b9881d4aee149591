#pragma once
// Recording of the whole bus in one file: at each tick of the recording interval, one
// line per module whose latest sample is live, the single measurement's line with the
// module's address as an added first cell. A missing module writes no line. Each line
// goes out in one write; a failed write ends the recording with its notice.
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <map>
#include <string>

#include "bus/BusSample.h"
#include "platform/Clock.h"
#include "platform/Language.h"

namespace korvane::measurement {
class Recording;
}

namespace korvane::bus {

// "5<TAB>" followed by the recording line of the sample's type and values.
std::string BusRecordingLine(const platform::LocalTime& t, const BusSample& sample);

class BusRecording : public QObject {
  Q_OBJECT

 public:
  // The recording's file must be open; interval below a second is taken as one second,
  // as for the single measurement.
  BusRecording(measurement::Recording& recording, std::chrono::milliseconds interval, Language language,
               platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);

  void Start();
  void Stop();
  // The engine's samples (connect to BusPoll::sampleReady).
  void Take(const BusSample& sample);
  // One tick: the lines of the modules live now. False when a write failed.
  bool WriteLines();
  int linesWritten() const { return lines_; }

 signals:
  // A line could not be written: the recording stopped, the file ends with its last
  // whole line. The notice says why (in the recording's language).
  void failed(const QString& notice);

 private:
  measurement::Recording& recording_;
  std::chrono::milliseconds interval_;
  Language language_;
  platform::Clock clock_;
  QTimer timer_;
  std::map<std::uint8_t, BusSample> live_;  // latest live sample of each module
  int lines_ = 0;
};

}  // namespace korvane::bus
