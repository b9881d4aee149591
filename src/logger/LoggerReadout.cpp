#include "logger/LoggerReadout.h"

#include "link/FlowLog.h"
#include "link/Link.h"
#include "logger/LoggerInfo.h"
#include "logger/LoggerStream.h"
#include "logger/LoggerTexts.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/StagedFile.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::logger {
namespace {

using Status = ReadoutResult::Status;

}  // namespace

LoggerReadout::LoggerReadout(link::Link& link, platform::Ui& ui, const link::FlowContext& context, QObject* parent)
    : QObject(parent), link_(link), ui_(ui), context_(context) {}

ReadoutResult LoggerReadout::Read(const std::string& path, const ReadoutSource& source) {
  ReadoutResult result;
  const Language lang = context_.language;
  const std::uint8_t address = context_.address;
  const bool longRecords = !source.displayUnit && HasLongRecords(source.deviceKind);
  if (!source.displayUnit) table_.clear();

  const link::LineLease line = link_.TakeLine();
  if (!line) return result;
  // An export that could not be kept asks the device nothing.
  if (const std::string problem = platform::OutputTargetProblem(path, lang); !problem.empty()) {
    ui_.Message(std::string(Tr(lang, texts::kCannotWrite)) + " " + path + ": " + problem);
    result.status = Status::kFileError;
    return result;
  }
  // The module's stream comes at its fast rate, which a line fixed at its server cannot follow.
  if (!source.displayUnit && link_.rateFixed()) {
    ui_.Message(link_.rateFixedMessage(lang));
    return result;
  }
  if (!OpenPort()) return result;
  if (!link_.Request(address, link::kLoggerFill)) {
    ui_.Message(link_.commErrorMessage(lang));
    return result;
  }
  const int bytes = Announced(source, longRecords, result);
  if (LoggerEmpty(bytes)) {
    ui_.Message(Tr(lang, texts::kEmpty));
    result.status = Status::kEmpty;
    RecordReadout(result, path, source);
    return result;
  }

  ui_.ProgressOpen(Tr(lang, types::kTransferCaption), Tr(lang, types::kTransferText), 0, bytes / 2);
  ui_.ProgressAllowCancel();
  const int channels = source.displayUnit ? 8 : 2;
  const std::string header = ReadHeader(channels, source);
  // Nothing the user has is replaced before the device answered: the header goes to a
  // file beside the target in one write and takes the target's place once it is whole.
  // The records follow one write each, so the file ends with the last whole one.
  platform::StagedFile file(lang);
  const bool opened = file.Open(path) && file.Write(header) && file.Commit();
  bool fast = false;
  if (opened && !source.displayUnit) {
    link_.ChangeBaudRate(address, link::StreamSelector(source.deviceKind), TellUser());
    fast = true;
    link_.WaitSeconds(2);
  }

  LoggerStream stream(link_, longRecords, source.typeIndex, opened,
                      {[this] { return ui_.ProgressCancelled(); }, [this](int position) { ui_.ProgressSet(position); },
                       [&file](const std::string& line) { return file.Write(line); }},
                      table_, kTableSize);
  // A module's stream is followed by seconds without progress: a notice covers them.
  bool converting = false;
  auto showConverting = [&] {
    converting = true;
    ui_.ProgressClose();
    ui_.NoticeOpen(Tr(lang, texts::kConverting));
  };
  // A cancel during the pauses before the stream asks for no stream at all.
  if (opened && ui_.ProgressCancelled()) {
    stream.Cancel();
    result.status = Status::kCancelled;
  }
  if (opened && !stream.cancelled()) {
    const bool answered =
        link_.Request(address, link::kLoggerRecord, link::ByteData(static_cast<std::uint8_t>(channels - 1)));
    if (source.displayUnit) {
      stream.Advance();
    } else if (!answered && !link_.isLineLost()) {
      ui_.Message(link_.commErrorMessage(lang));
    }
    // The end of the data: a gap of three seconds without a frame.
    const link::Link::QuietEnd end = link_.WaitUntilQuiet(
        3 * link_.timings().second, [&stream] { return stream.counter(); },
        [&] {
          // Every announced frame is in: the rest (the end gap, command 72, the way back
          // to 4800 baud) is waiting, and the window says so at once.
          if (fast && !converting && stream.counter() - 1 >= bytes / 2) showConverting();
          return stream.cancelled() || ui_.ProgressCancelled();
        });
    result.status = end == link::Link::QuietEnd::kStopped    ? Status::kCancelled
                    : end == link::Link::QuietEnd::kLineLost ? Status::kLineLost
                                                             : Status::kDone;
  }
  stream.Finish();
  result.records = stream.records();
  result.outOfStep = stream.outOfStep();
  result.firstBadPointer = stream.firstBadPointer();
  const bool written = file.Close() && stream.writing();
  if (!written) result.status = Status::kFileError;
  ui_.ProgressClose();
  if (fast && !link_.isLineLost()) {
    if (!converting) showConverting();
    ReturnToSlowRate(address, source.deviceKind);
  }
  if (converting) ui_.NoticeClose();
  Report(result, path, file.error());
  RecordReadout(result, path, source);
  return result;
}

namespace {

const char* StatusName(Status s) {
  switch (s) {
    case Status::kDone: return "done";
    case Status::kNoAnswer: return "no-answer";
    case Status::kEmpty: return "empty";
    case Status::kFileError: return "file-error";
    case Status::kCancelled: return "cancelled";
    case Status::kLineLost: return "line-lost";
  }
  return "";
}

// The record of a flow on a logger: the display unit's has no identity to ask for.
link::FlowRecord LoggerRecord(const char* kind, bool displayUnit) {
  link::FlowRecord r;
  r.kind = kind;
  r.identify = !displayUnit;
  r.details["source"] = displayUnit ? "display" : "module";
  return r;
}

}  // namespace

void LoggerReadout::RecordReadout(const ReadoutResult& result, const std::string& path, const ReadoutSource& source) {
  link::FlowRecord r = LoggerRecord("logger-read", source.displayUnit);
  if (!source.displayUnit) {
    r.module.identity = source.identity;
    r.module.type = source.typeIndex + 1;
    r.module.deviceKind = source.deviceKind;
  }
  QJsonObject& d = r.details;
  d["status"] = StatusName(result.status);
  d["records"] = result.records;
  d["announced"] = result.announced;
  d["out_of_step"] = result.outOfStep;
  d["file"] = link::FlowPath(path);
  // The span the records cover, where they carry their time (the module's long records).
  std::string first, last;
  for (const LongRecord& rec : table_) {
    if (rec.month < 1 || rec.month > 12 || rec.day < 1 || rec.day > 31) continue;
    const std::string at = platform::StringPrintf("%04d-%02d-%02d %02d:%02d:%02d", 2000 + rec.year, rec.month, rec.day,
                                                  rec.hour, rec.minute, rec.second);
    if (first.empty() || at < first) first = at;
    if (last.empty() || at > last) last = at;
  }
  if (!source.displayUnit && !first.empty()) {
    d["first"] = QString::fromStdString(first);
    d["last"] = QString::fromStdString(last);
  }
  link::RecordFlow(link_, context_, std::move(r));
}

int LoggerReadout::Announced(const ReadoutSource& source, bool longRecords, ReadoutResult& result) {
  const std::uint16_t size = link_.module().loggerFill;
  const int bytes = source.displayUnit ? size : ModuleDataBytes(size);
  const int recordSize = static_cast<int>(longRecords ? kLongRecordBytes : kDisplayRecordBytes);
  result.announced = bytes / recordSize;
  if (!source.displayUnit)
    ui_.Message(platform::Fill(Tr(context_.language, texts::kDataSets), bytes / static_cast<int>(kLongRecordBytes)));
  return bytes;
}

bool LoggerReadout::OpenPort() {
  if (link_.OpenPort(context_.language)) return true;
  ui_.Message(link_.openMessage());
  return false;
}

std::function<void(const std::string&)> LoggerReadout::TellUser() {
  return [this](const std::string& text) { ui_.Message(text); };
}

std::string LoggerReadout::ReadHeader(int channels, const ReadoutSource& source) {
  std::string header = kExportHeader;
  for (int i = 0; i < channels; ++i) {
    std::optional<link::Data4> name;
    if (link_.Request(context_.address, link::kChannelName, link::ByteData(static_cast<std::uint8_t>(i))))
      name = link::FrameData(link_.lastReply());
    const std::string cell = ChannelNameCell(name);
    if (!source.displayUnit && i < 2 && name) columns_[static_cast<std::size_t>(i)] = cell.substr(0, 4);
    header += cell;
  }
  if (!source.displayUnit) header += DeviceCell(source.identity);
  return header;
}

void LoggerReadout::ReturnToSlowRate(std::uint8_t address, int deviceKind) {
  // The module ends its stream on command 72; then back to the rate every other flow
  // expects, whatever ended the transfer. A module that did not take the change (it
  // stalled, or its line is gone at the far end) still listens at its fast rate.
  link_.Send(address, link::kCommand72, link::ByteData(0));
  link_.WaitSeconds(1);
  bool back = false;
  const QMetaObject::Connection ack = connect(&link_, &link::Link::replyReceived, this, [&](const link::Frame& f) {
    back =
        back || (link::FrameGroup(f) == link::kBaudChange.group && link::FrameParameter(f) == link::kBaudChange.number);
  });
  link_.ChangeBaudRate(address, link::kSelectSlow, TellUser());
  disconnect(ack);
  if (!back && !link_.isLineLost())
    ui_.Message(platform::Fill(Tr(context_.language, texts::kStillFast), link::StreamRate(deviceKind)));
}

void LoggerReadout::Report(const ReadoutResult& result, const std::string& path, const std::string& fileError) {
  const Language lang = context_.language;
  if (result.status == Status::kFileError)
    ui_.Message(std::string(Tr(lang, texts::kCannotWrite)) + " " + path + ": " + fileError);
  else if (result.status == Status::kLineLost)
    ui_.Message(link_.commErrorMessage(lang));
  if (result.outOfStep > 0)
    ui_.Message(platform::Fill(Tr(lang, texts::kOutOfStep), result.outOfStep, result.firstBadPointer));
  if (result.status == Status::kDone && result.records < result.announced)
    ui_.Message(platform::Fill(Tr(lang, texts::kShort), result.records, result.announced));
}

std::optional<std::string> LoggerReadout::InformationText() {
  const Language lang = context_.language;
  const std::uint8_t address = context_.address;
  const link::LineLease line = link_.TakeLine();
  if (!line || !OpenPort()) return std::nullopt;
  if (!link_.Request(address, link::kLoggerFill)) {
    ui_.Message(link_.commErrorMessage(lang));
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
  const Language lang = context_.language;
  if (!confirmed &&
      !ui_.YesNo(texts::kQuestionTitle, Tr(lang, texts::kClearQuestion), Tr(lang, texts::kYes), Tr(lang, texts::kNo)))
    return false;
  const link::LineLease line = link_.TakeLine();
  if (!line || !OpenPort()) return false;
  if (!link_.Request(context_.address, link::kLoggerClear, link::ByteData(displayUnit ? 2 : 0))) {
    ui_.Message(link_.commErrorMessage(lang));
    return false;
  }
  link::FlowRecord r = LoggerRecord("logger-clear", displayUnit);
  r.details["cleared"] = true;
  link::RecordFlow(link_, context_, std::move(r));
  return true;
}

}  // namespace korvane::logger
