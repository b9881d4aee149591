#pragma once
// A logger's record stream off the link: the first data frame only opens it, every
// further one carries two bytes toward the records; whole records become lines of the
// export file and, for a module, rows of its table. QtCore only.
#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/Frame.h"
#include "logger/LoggerRecords.h"
#include "logger/RecordAssembler.h"

namespace korvane::link {
class Link;
}

namespace korvane::logger {

class LoggerStream : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<bool()> cancelRequested;          // asked before each frame is read
    std::function<void(int position)> progress;     // the position of the frame just read
    std::function<bool(const std::string&)> write;  // one record's line; false when it failed
  };
  // Reads the link's frames from now until Finish (or destruction). With writing false (the file
  // could not be opened) frames only move the progress. Long records also go to table,
  // up to tableSize rows.
  LoggerStream(link::Link& link, bool longRecords, int typeIndex, bool writing, Hooks hooks,
               std::vector<LongRecord>& table, std::size_t tableSize);
  ~LoggerStream() override;
  LoggerStream(const LoggerStream&) = delete;
  LoggerStream& operator=(const LoggerStream&) = delete;

  // After a cancel the rest of the stream is let through unread: the file ends with the
  // last whole record.
  void Cancel() { cancelled_ = true; }
  // Reads no more frames.
  void Finish();
  bool cancelled() const { return cancelled_; }
  // Moves the progress by one frame without one (the display unit's request).
  void Advance() { hooks_.progress(counter_++); }
  // One more than the data frames read so far.
  int counter() const { return counter_; }
  bool writing() const { return writing_; }
  int records() const { return records_; }
  int outOfStep() const { return outOfStep_; }
  std::uint16_t firstBadPointer() const { return firstBadPointer_; }

 private:
  void OnFrame(const link::Frame& f);
  void Take(RecordAssembler::Event event);

  RecordAssembler assembler_;
  int typeIndex_;
  bool writing_;
  Hooks hooks_;
  std::vector<LongRecord>& table_;
  std::size_t tableSize_;
  QMetaObject::Connection connection_;
  int counter_ = 1;
  bool opened_ = false;
  bool cancelled_ = false;
  int records_ = 0;
  int outOfStep_ = 0;
  std::uint16_t firstBadPointer_ = 0;
};

}  // namespace korvane::logger
