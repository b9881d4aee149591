#include "logger/LoggerStream.h"

#include "link/Link.h"

namespace korvane::logger {

LoggerStream::LoggerStream(link::Link& link, bool longRecords, int typeIndex, bool writing, Hooks hooks,
                           std::vector<LongRecord>& table, std::size_t tableSize)
    : assembler_(longRecords),
      typeIndex_(typeIndex),
      writing_(writing),
      hooks_(std::move(hooks)),
      table_(table),
      tableSize_(tableSize) {
  connection_ = connect(&link, &link::Link::replyReceived, this, &LoggerStream::OnFrame);
}

LoggerStream::~LoggerStream() { Finish(); }

void LoggerStream::Finish() { disconnect(connection_); }

void LoggerStream::OnFrame(const link::Frame& f) {
  if (link::FrameGroup(f) != link::kValues || link::FrameParameter(f) != link::kLoggerRecord.number) return;
  if (cancelled_ || (cancelled_ = hooks_.cancelRequested())) return;
  if (!opened_) {
    opened_ = true;
    return;
  }
  hooks_.progress(counter_++);
  if (writing_) Take(assembler_.Feed(link::FrameData(f)));
}

void LoggerStream::Take(RecordAssembler::Event event) {
  switch (event) {
    case RecordAssembler::Event::kNone: return;
    case RecordAssembler::Event::kDisplayRecord:
      writing_ = hooks_.write(DisplayRecordLine(assembler_.displayRecord()));
      break;
    case RecordAssembler::Event::kOutOfStep:
      if (outOfStep_++ == 0) firstBadPointer_ = assembler_.pointer();
      return;
    case RecordAssembler::Event::kLongRecord: {
      const LongRecord r = DecodeLongRecord(assembler_.longRecord());
      writing_ = hooks_.write(LongRecordLine(r, typeIndex_));
      if (writing_ && table_.size() < tableSize_) table_.push_back(r);
      break;
    }
  }
  if (writing_) ++records_;
}

}  // namespace korvane::logger
