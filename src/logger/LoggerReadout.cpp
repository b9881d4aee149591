#include "logger/LoggerReadout.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "link/Link.h"
#include "logger/LoggerInfo.h"
#include "logger/LoggerTexts.h"
#include "logger/RecordAssembler.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/StagedFile.h"
#include "platform/Ui.h"

namespace korvane::logger {
namespace {

using Status = ReadoutResult::Status;

// The PC-side rate of a module's stream.
int FastRate(int deviceKind) { return deviceKind == 5 ? 38400 : 19200; }

}  // namespace

LoggerReadout::LoggerReadout(link::Link& link, platform::Ui& ui, const link::FlowContext& context, QObject* parent)
    : QObject(parent), link_(link), ui_(ui), context_(context) {}

ReadoutResult LoggerReadout::Read(const std::string& path, const ReadoutSource& source) {
  ReadoutResult result;
  const int lang = context_.language;
  const std::uint8_t address = context_.address;
  const bool longRecords = !source.displayUnit && HasLongRecords(source.deviceKind);
  if (!source.displayUnit) table_.clear();

  const link::LineLease line = link_.TakeLine();
  if (!line) return result;
  // An export that could not be kept asks the device nothing.
  if (const std::string problem = platform::OutputTargetProblem(path, lang); !problem.empty()) {
    ui_.Message(std::string(texts::kCannotWrite(lang)) + " " + path + ": " + problem);
    result.status = Status::kFileError;
    return result;
  }
  if (!link_.OpenPort(context_.language)) return result;
  if (!link_.Request(address, link::kLoggerFill)) {
    ui_.Message(types::kCommError(lang));
    return result;
  }
  const std::uint16_t size = link_.module().loggerFill;
  const int bytes = source.displayUnit ? size : ModuleDataBytes(size);
  const int recordSize = longRecords ? 16 : 26;
  result.announced = bytes / recordSize;
  if (!source.displayUnit) ui_.Message(platform::StringPrintf(texts::kDataSets, static_cast<unsigned>(bytes / 16)));
  if (LoggerEmpty(bytes)) {
    ui_.Message(texts::kEmpty(lang));
    result.status = Status::kEmpty;
    return result;
  }

  ui_.ProgressOpen(types::kTransferCaption(lang), types::kTransferText(lang), 0, bytes / 2);
  ui_.ProgressAllowCancel();
  std::string header = kExportHeader;
  const int channels = source.displayUnit ? 8 : 2;
  for (int i = 0; i < channels; ++i) {
    std::optional<link::Data4> name;
    if (link_.Request(address, link::kChannelName, link::ByteData(static_cast<std::uint8_t>(i))))
      name = link::FrameData(link_.lastReply());
    const std::string cell = ChannelNameCell(name);
    if (!source.displayUnit && i < 2 && name) columns_[static_cast<std::size_t>(i)] = cell.substr(0, 4);
    header += cell;
  }
  if (!source.displayUnit) header += DeviceCell(source.identity);
  // Nothing the user has is replaced before the device answered: the header goes to a
  // file beside the target in one write and takes the target's place once it is whole.
  // The records follow one write each, so the file ends with the last whole one.
  platform::StagedFile file(lang);
  bool writing = file.Open(path) && file.Write(header) && file.Commit();
  bool fast = false;
  if (writing && !source.displayUnit) {
    link_.ChangeBaudRate(address, source.deviceKind == 5 ? 1 : 2);
    fast = true;
    link_.WaitSeconds(2);
  }

  // The stream: the first data frame only opens it; every further one carries two bytes.
  RecordAssembler assembler(longRecords);
  int counter = 1;
  bool opened = false;
  bool cancelled = false;
  const QMetaObject::Connection stream = connect(&link_, &link::Link::replyReceived, this, [&](const link::Frame& f) {
    if (link::FrameGroup(f) != link::kValues || link::FrameParameter(f) != link::kLoggerRecord.number) return;
    // After a cancel the rest of the stream is let through unread: the file ends with
    // the last whole record.
    if (cancelled || (cancelled = ui_.ProgressCancelled())) return;
    if (!opened) {
      opened = true;
      return;
    }
    ui_.ProgressSet(counter++);
    if (!writing) return;
    switch (assembler.Feed(link::FrameData(f))) {
      case RecordAssembler::Event::kNone: return;
      case RecordAssembler::Event::kDisplayRecord:
        writing = file.Write(DisplayRecordLine(assembler.displayRecord()));
        break;
      case RecordAssembler::Event::kOutOfStep:
        if (result.outOfStep++ == 0) result.firstBadPointer = assembler.pointer();
        return;
      case RecordAssembler::Event::kLongRecord: {
        const LongRecord r = DecodeLongRecord(assembler.longRecord());
        writing = file.Write(LongRecordLine(r, source.typeIndex));
        if (writing && table_.size() < kTableSize) table_.push_back(r);
        break;
      }
    }
    if (writing) ++result.records;
  });

  // A module's stream is followed by seconds without progress: a notice covers them.
  bool converting = false;
  auto showConverting = [&] {
    converting = true;
    ui_.ProgressClose();
    ui_.NoticeOpen(texts::kConverting(lang));
  };
  // A cancel during the pauses before the stream asks for no stream at all.
  if (writing && ui_.ProgressCancelled()) {
    cancelled = true;
    result.status = Status::kCancelled;
  }
  if (writing && !cancelled) {
    const bool answered =
        link_.Request(address, link::kLoggerRecord, link::ByteData(static_cast<std::uint8_t>(channels - 1)));
    if (source.displayUnit) {
      ui_.ProgressSet(counter++);
    } else if (!answered && !link_.isLineLost()) {
      ui_.Message(types::kCommError(lang));
    }
    // The end of the data: a gap of three seconds without a frame.
    const auto gap = 3 * link_.timings().second;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(std::max<int>(
        1, static_cast<int>(std::min<std::chrono::milliseconds>(gap / 10, std::chrono::milliseconds(100)).count())));
    QElapsedTimer sinceFrame;
    sinceFrame.start();
    int seen = counter;
    result.status = Status::kDone;
    connect(&tick, &QTimer::timeout, &loop, [&] {
      // Every announced frame is in: the rest (the end gap, command 72, the way back to
      // 4800 baud) is waiting, and the window says so at once.
      if (fast && !converting && counter - 1 >= bytes / 2) showConverting();
      if (cancelled || ui_.ProgressCancelled()) {
        result.status = Status::kCancelled;
      } else if (link_.isLineLost()) {
        result.status = Status::kLineLost;
      } else if (counter != seen) {
        seen = counter;
        sinceFrame.restart();
        return;
      } else if (sinceFrame.elapsed() < gap.count()) {
        return;
      }
      loop.quit();
    });
    tick.start();
    link_.RunNested(loop);
  }
  disconnect(stream);
  if (!file.Close()) writing = false;
  if (!writing) result.status = Status::kFileError;
  ui_.ProgressClose();
  // The module ends its stream on command 72; then back to the rate every other flow
  // expects, whatever ended the transfer. A module that did not take the change (it
  // stalled, or its line is gone at the far end) still listens at its fast rate.
  if (fast && !link_.isLineLost()) {
    if (!converting) showConverting();
    link_.Send(address, link::kCommand72, link::ByteData(0));
    link_.WaitSeconds(1);
    bool back = false;
    const QMetaObject::Connection ack = connect(&link_, &link::Link::replyReceived, this, [&](const link::Frame& f) {
      back = back || (link::FrameGroup(f) == link::kBaudChange.group &&
                      link::FrameParameter(f) == link::kBaudChange.number);
    });
    link_.ChangeBaudRate(address, 0);
    disconnect(ack);
    if (!back && !link_.isLineLost())
      ui_.Message(platform::StringPrintf(texts::kStillFast(lang), FastRate(source.deviceKind)));
  }
  if (converting) ui_.NoticeClose();

  if (result.status == Status::kFileError)
    ui_.Message(std::string(texts::kCannotWrite(lang)) + " " + path + ": " + file.error());
  else if (result.status == Status::kLineLost)
    ui_.Message(std::string(types::kCommError(lang)) + "\n" + link_.openFailure());
  if (result.outOfStep > 0)
    ui_.Message(platform::StringPrintf(texts::kOutOfStep(lang), result.outOfStep, result.firstBadPointer));
  if (result.status == Status::kDone && result.records < result.announced)
    ui_.Message(platform::StringPrintf(texts::kShort(lang), result.records, result.announced));
  return result;
}

std::optional<std::string> LoggerReadout::InformationText() {
  const int lang = context_.language;
  const std::uint8_t address = context_.address;
  const link::LineLease line = link_.TakeLine();
  if (!line || !link_.OpenPort(context_.language)) return std::nullopt;
  if (!link_.Request(address, link::kLoggerFill)) {
    ui_.Message(types::kCommError(lang));
    return std::nullopt;
  }
  // A missing reply leaves the field as it was.
  link_.Request(address, link::kNextEntryTime);
  link_.Request(address, link::kModuleTime);
  link_.Request(address, link::kModuleDate);
  link_.Read(address, link::kLoggerInterval);
  // The unit is asked for its enabled byte with the length of the interval request.
  link_.SendFrame(address, link::kRead, 2, link::kLoggerEnabled.number);
  link_.WaitForReply();
  const link::ModuleState& m = link_.module();
  LoggerInfo info;
  info.date = m.moduleDate;
  info.time = m.moduleTime;
  info.nextStorage = m.nextEntryTime;
  info.intervalMinutes = m.ParameterU16(link::kLoggerInterval.number);
  info.sizeReply = m.loggerFill;
  info.enabled = m.ParameterByte(link::kLoggerEnabled.number) != 0;
  return LoggerInfoText(info, lang);
}

bool LoggerReadout::Clear(bool displayUnit, bool confirmed) {
  const int lang = context_.language;
  if (!confirmed && !ui_.YesNo(texts::kQuestionTitle, texts::kClearQuestion(lang), texts::kYes(lang), texts::kNo(lang)))
    return false;
  const link::LineLease line = link_.TakeLine();
  if (!line || !link_.OpenPort(context_.language)) return false;
  if (link_.Request(context_.address, link::kLoggerClear, link::ByteData(displayUnit ? 2 : 0))) return true;
  ui_.Message(types::kCommError(lang));
  return false;
}

}  // namespace korvane::logger
