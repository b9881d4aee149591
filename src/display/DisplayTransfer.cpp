#include "display/DisplayTransfer.h"

#include <algorithm>

#include "display/DisplayFile.h"
#include "display/DisplayTexts.h"
#include "display/StoredByte.h"
#include "logger/DeviceClock.h"
#include "logger/ModuleLogger.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::display {
namespace {

constexpr int kReadProgress = 43;
constexpr int kWriteProgress = 42;
constexpr int kOutputsProgress = 12;

link::Data4 ByteOf(int value) { return link::ByteData(static_cast<std::uint8_t>(value)); }

// The outputs' float fields with their names, in the order the outputs dialog writes.
struct FloatField {
  link::Parameter parameter;
  std::string DisplayOutputs::*text;
  const types::Text* name;
  int number;
};
const FloatField kOutputFloats[] = {
    {link::kOutput0Lower, &DisplayOutputs::dac0Lower, &texts::kLowerField, 0},
    {link::kOutput1Lower, &DisplayOutputs::dac1Lower, &texts::kLowerField, 1},
    {link::kOutput0Upper, &DisplayOutputs::dac0Upper, &texts::kUpperField, 0},
    {link::kOutput1Upper, &DisplayOutputs::dac1Upper, &texts::kUpperField, 1},
    {link::kRelay1Limit, &DisplayOutputs::relay0Limit, &texts::kLimitField, 0},
    {link::kRelay2Limit, &DisplayOutputs::relay1Limit, &texts::kLimitField, 1},
    {link::kRelay1Hysteresis, &DisplayOutputs::relay0Hysteresis, &texts::kHysteresisField, 0},
    {link::kRelay2Hysteresis, &DisplayOutputs::relay1Hysteresis, &texts::kHysteresisField, 1},
};

}  // namespace

std::string OutputsProblem(const DisplayOutputs& o, Language language) {
  // Field order of the dialog: DAC 0, DAC 1, relay 0, relay 1.
  const std::pair<const std::string*, std::string> fields[] = {
      {&o.dac0Lower, platform::Fill(Tr(language, texts::kLowerField), 0)},
      {&o.dac0Upper, platform::Fill(Tr(language, texts::kUpperField), 0)},
      {&o.dac1Lower, platform::Fill(Tr(language, texts::kLowerField), 1)},
      {&o.dac1Upper, platform::Fill(Tr(language, texts::kUpperField), 1)},
      {&o.relay0Limit, platform::Fill(Tr(language, texts::kLimitField), 0)},
      {&o.relay0Hysteresis, platform::Fill(Tr(language, texts::kHysteresisField), 0)},
      {&o.relay1Limit, platform::Fill(Tr(language, texts::kLimitField), 1)},
      {&o.relay1Hysteresis, platform::Fill(Tr(language, texts::kHysteresisField), 1)},
  };
  for (const auto& [text, name] : fields)
    if (!platform::NumberEntryText(*text)) return platform::Fill(Tr(language, texts::kNumber), name);
  return {};
}

void ConfigurationFromReplies(const link::ModuleState& m, DisplaySettings& s) {
  s.firmwareText = m.firmwareText;
  s.contrast = m.ParameterByte(link::kDisplayContrast.number) - link::kContrastOffset;
  for (int i = 0; i < 8; ++i) {
    const link::DisplayPositionParameters p = link::DisplayPosition(i);
    Position& pos = s.positions[static_cast<std::size_t>(i)];
    pos.address = m.ParameterByte(p.address.number);
    pos.choice = PositionChoice(m.ParameterByte(p.value.number), m.ParameterByte(p.mode.number));
  }
  for (int j = 0; j < 2; ++j) {
    const link::VirtualChannelParameters p = link::VirtualChannel(j);
    VirtualChannel& v = s.virtuals[static_cast<std::size_t>(j)];
    v.address1 = m.ParameterByte(p.address1.number);
    v.operand1 = m.ParameterByte(p.operand1.number);
    v.address2 = m.ParameterByte(p.address2.number);
    v.operand2 = m.ParameterByte(p.operand2.number);
    v.operation = m.ParameterByte(p.operation.number) - 1;
  }
  s.dac0Position = m.ParameterByte(link::kOutput0Source.number);
  s.dac1Position = m.ParameterByte(link::kOutput1Source.number);
  s.relay0Position = m.ParameterByte(link::kRelay1Source.number);
  s.relay1Position = m.ParameterByte(link::kRelay2Source.number);
  s.loggerEnabled = m.ParameterByte(link::kLoggerEnabled.number) != 0;
  s.serialEnabled = m.ParameterByte(link::kSerialOutputOn.number) != 0;
  s.serialInterval = m.ParameterByte(link::kSerialMinutes.number) * 60 + m.ParameterByte(link::kSerialSeconds.number);
  s.loggerInterval = m.ParameterU16(link::kLoggerInterval.number);
}

void OutputsFromReplies(const link::ModuleState& m, DisplayOutputs& o) {
  for (const FloatField& f : kOutputFloats)
    o.*f.text = platform::StringPrintf("%.2f", static_cast<double>(m.ParameterFloat(f.parameter.number)));
  o.currentRange = m.ParameterByte(link::kCurrentRange.number);
  o.outputKind = m.ParameterByte(link::kOutputKind.number);
  o.relay0Maximum = m.ParameterByte(link::kRelay1LimitType.number);
  o.relay1Maximum = m.ParameterByte(link::kRelay2LimitType.number);
  o.known = true;
  o.pending = false;
}

DisplayTransfer::DisplayTransfer(link::Link& link, platform::Ui& ui, Language language, platform::Clock clock,
                                 logger::ExportGuard* guard, link::FlowLog* log)
    : link_(link),
      ui_(ui),
      context_{link::kDisplayAddress, language, log},
      clock_(std::move(clock)),
      guard_(guard),
      readout_(link, ui, context_) {}

bool DisplayTransfer::Configure(DisplaySettings& s, DisplayEditor& editor) {
  s.language = context_.language;
  found_.clear();
  sent_ = {};
  outputsSent_ = contrastSent_ = false;
  std::optional<link::WriteReport> report;
  link::LineLease line = link_.TakeLine();
  if (!line) return false;
  const bool read = UseDisplayRate() && ReadConfiguration(s);
  // While the dialog is open its own buttons take the line, one at a time.
  line.Release();
  const bool accepted = read && editor.Edit(s, *this) == DisplayEditor::Result::kAccepted;
  line = link_.TakeLine();
  if (!line) return false;
  const bool outputs = s.outputs.pending || outputsSent_;
  if (accepted) report = WriteConfiguration(s);
  // The record is made while the unit still listens at its rate.
  if (report) {
    sent_.acknowledged += report->acknowledged;
    sent_.unanswered += report->unanswered;
    sent_.lineLost = sent_.lineLost || report->lineLost;
    RecordWrite(s, sent_, outputs, "");
  } else if (outputsSent_ || contrastSent_) {
    RecordWrite(s, sent_, outputsSent_, "");
  } else if (read) {
    RecordRead();
  }
  RestoreRate();
  return report && report->ok();
}

void DisplayTransfer::Found(const types::KeyValues& lines) {
  for (const auto& line : lines) {
    const auto it = std::find_if(found_.begin(), found_.end(), [&](const auto& f) { return f.first == line.first; });
    if (it == found_.end())
      found_.push_back(line);
    else
      it->second = line.second;
  }
}

void DisplayTransfer::RecordContrast(int contrast) {
  link::FlowRecord r{"display-write", unit_, {}, false};
  r.details["source"] = "contrast";
  r.details["changed"] = link::FlowChanges({{"CONTRAST", "", std::to_string(contrast)}});
  r.details["acknowledged"] = 1;
  r.details["unanswered"] = 0;
  r.details["complete"] = true;
  link::RecordFlow(link_, context_, std::move(r));
}

void DisplayTransfer::RecordRead() {
  link::FlowRecord r{"display-read", unit_, {}, false};
  r.details["fields"] = link::FlowFields(found_);
  link::RecordFlow(link_, context_, std::move(r));
}

void DisplayTransfer::RecordWrite(const DisplaySettings& s, const link::WriteReport& report, bool outputs,
                                  const std::string& file) {
  const types::KeyValues after = DisplayValues(s, true, outputs);
  // What was not read counts as unknown before: its key stands with an empty value.
  types::KeyValues before;
  for (const auto& line : after) {
    const auto it = std::find_if(found_.begin(), found_.end(), [&](const auto& f) { return f.first == line.first; });
    before.emplace_back(line.first, it == found_.end() ? std::string() : it->second);
  }
  link::FlowRecord r{"display-write", unit_, {}, false};
  QJsonObject& d = r.details;
  d["source"] = file.empty() ? "dialog" : "file";
  if (!file.empty()) d["file"] = link::FlowPath(file);
  d["changed"] = link::FlowChanges(types::ChangedValues(before, after));
  d["acknowledged"] = report.acknowledged;
  d["unanswered"] = report.unanswered;
  d["complete"] = report.ok();
  link::RecordFlow(link_, context_, std::move(r));
}

bool DisplayTransfer::UseDisplayRate() {
  // The unit listens at 19200 baud, which a line fixed at its server cannot change to.
  if (link_.rateFixed()) {
    ui_.Message(link_.rateFixedMessage(context_.language));
    return false;
  }
  link_.ClosePort();
  link_.setBaudRate(link::kMediumBaud);
  link_.WaitSeconds(2);
  return OpenPort();
}

bool DisplayTransfer::OpenPort() {
  if (link_.OpenPort(context_.language)) return true;
  ui_.Message(link_.openMessage());
  return false;
}

void DisplayTransfer::RestoreRate() {
  link_.WaitSeconds(1);
  link_.ClosePort();
  link_.setBaudRate(link::kSlowBaud);
}

bool DisplayTransfer::ReadStep(link::Parameter p, int& progress, int max) {
  if (!link_.Read(context_.address, p)) return false;
  ui_.ProgressSet(std::min(++progress, max));
  return true;
}

bool DisplayTransfer::ReadConfiguration(DisplaySettings& s) {
  const Language lang = context_.language;
  s.outputs.known = s.outputs.pending = false;
  ui_.ProgressOpen(Tr(lang, types::kTransferCaption), Tr(lang, types::kTransferText), 0, kReadProgress);
  int progress = 1;
  ui_.ProgressSet(progress);
  auto read = [&](link::Parameter p) { return ReadStep(p, progress, kReadProgress); };
  // Every reply counts: a position or channel left unread would be shown and written
  // back as if the unit held it.
  bool ok = read(link::kType) && read(link::kFirmware) && read(link::kDisplayContrast);
  for (int i = 0; ok && i < 8; ++i) {
    const link::DisplayPositionParameters p = link::DisplayPosition(i);
    ok = read(p.address) && read(p.value) && read(p.mode);
  }
  for (int j = 0; ok && j < 2; ++j) {
    const link::VirtualChannelParameters p = link::VirtualChannel(j);
    ok = read(p.address1) && read(p.address2) && read(p.operand1) && read(p.operand2) && read(p.operation);
  }
  for (link::Parameter p :
       {link::kOutput0Source, link::kOutput1Source, link::kRelay1Source, link::kRelay2Source, link::kLoggerEnabled,
        link::kSerialOutputOn, link::kSerialSeconds, link::kSerialMinutes, link::kLoggerInterval})
    ok = ok && read(p);
  ui_.ProgressClose();
  if (!ok) {
    ui_.Message(link_.commErrorMessage(lang));
    return false;
  }
  ConfigurationFromReplies(link_.module(), s);
  unit_ = link::IdentityFromModule(link_, context_.address);
  unit_.identity.clear();  // the unit has none
  unit_.deviceKind = -1;
  Found(DisplayValues(s, true, false));
  return true;
}

bool DisplayTransfer::ReadOutputs(DisplayOutputs& o) {
  const Language lang = context_.language;
  ui_.ProgressOpen(Tr(lang, types::kTransferCaption), Tr(lang, types::kTransferText), 0, kOutputsProgress);
  int progress = 0;
  bool ok = true;
  for (link::Parameter p : {link::kOutput0Lower, link::kOutput1Lower, link::kOutput0Upper, link::kOutput1Upper,
                            link::kCurrentRange, link::kOutputKind, link::kRelay1LimitType, link::kRelay2LimitType,
                            link::kRelay1Limit, link::kRelay2Limit, link::kRelay1Hysteresis, link::kRelay2Hysteresis})
    ok = ok && ReadStep(p, progress, kOutputsProgress);
  ui_.ProgressClose();
  if (!ok) {
    ui_.Message(link_.commErrorMessage(lang));
    return false;
  }
  OutputsFromReplies(link_.module(), o);
  DisplaySettings s;
  s.outputs = o;
  Found(DisplayValues(s, false, true));
  return true;
}

void DisplayTransfer::WriteStep(link::WriteReport& report, link::Parameter p, const link::Data4& data, int& progress,
                                int max) {
  if (report.lineLost) return;
  link_.Count(report, link_.Write(context_.address, p, data), link::kWrite, p.number);
  ui_.ProgressSet(std::min(++progress, max));
}

void DisplayTransfer::ShowReport(const link::WriteReport& report) {
  if (!report.ok()) ui_.Message(link::WriteReportText(report, context_.language));
}

std::optional<link::WriteReport> DisplayTransfer::WriteOutputs(DisplayOutputs& o) {
  const std::optional<link::WriteReport> report = WriteOutputFrames(o);
  if (report) {
    outputsSent_ = true;
    sent_.acknowledged += report->acknowledged;
    sent_.unanswered += report->unanswered;
    sent_.lineLost = sent_.lineLost || report->lineLost;
  }
  return report;
}

std::optional<link::WriteReport> DisplayTransfer::WriteOutputFrames(DisplayOutputs& o) {
  // A field that is no number is never sent as a made-up value.
  if (const std::string problem = OutputsProblem(o, context_.language); !problem.empty()) {
    ui_.Message(problem);
    return std::nullopt;
  }
  link::WriteReport report;
  const Language lang = context_.language;
  ui_.ProgressOpen(Tr(lang, types::kTransferCaption), Tr(lang, types::kTransferText), 0, kOutputsProgress);
  int progress = 0;
  auto write = [&](link::Parameter p, const link::Data4& d) { WriteStep(report, p, d, progress, kOutputsProgress); };
  write(link::kCurrentRange, ByteOf(o.currentRange));
  write(link::kOutputKind, ByteOf(o.outputKind));
  write(link::kRelay1LimitType, ByteOf(o.relay0Maximum));
  write(link::kRelay2LimitType, ByteOf(o.relay1Maximum));
  for (const FloatField& f : kOutputFloats)
    write(f.parameter, link::FloatData(static_cast<float>(platform::ToDouble(*platform::NumberEntryText(o.*f.text)))));
  ui_.ProgressClose();
  if (!report.lineLost) o.pending = false;
  ShowReport(report);
  return report;
}

std::optional<link::WriteReport> DisplayTransfer::WriteConfiguration(DisplaySettings& s) {
  link::WriteReport report;
  if (s.outputs.pending) {
    const std::optional<link::WriteReport> outputs = WriteOutputFrames(s.outputs);
    if (!outputs) return std::nullopt;
    report = *outputs;
    if (report.lineLost) return report;
  }
  const Language lang = context_.language;
  ui_.ProgressOpen(Tr(lang, types::kTransferCaption), Tr(lang, types::kTransferText), 0, kWriteProgress);
  int progress = 0;
  link::WriteReport own;
  auto write = [&](link::Parameter p, int value) { WriteStep(own, p, ByteOf(value), progress, kWriteProgress); };
  for (int i = 0; i < 8; ++i) {
    const link::DisplayPositionParameters p = link::DisplayPosition(i);
    const Position& pos = s.positions[static_cast<std::size_t>(i)];
    const PositionWire wire = PositionToWire(pos.choice);
    write(p.address, pos.address);
    write(p.value, wire.value);
    write(p.mode, wire.mode);
  }
  for (int j = 0; j < 2; ++j) {
    const link::VirtualChannelParameters p = link::VirtualChannel(j);
    const VirtualChannel& v = s.virtuals[static_cast<std::size_t>(j)];
    write(p.address1, v.address1);
    write(p.address2, v.address2);
    write(p.operand1, v.operand1);
    write(p.operand2, v.operand2);
    write(p.operation, v.operation + 1);
  }
  write(link::kOutput0Source, s.dac0Position);
  write(link::kOutput1Source, s.dac1Position);
  write(link::kRelay1Source, s.relay0Position);
  write(link::kRelay2Source, s.relay1Position);
  write(link::kLoggerEnabled, s.loggerEnabled ? 1 : 0);
  write(link::kSerialOutputOn, s.serialEnabled ? 1 : 0);
  write(link::kSerialSeconds, s.serialInterval % 60);
  write(link::kSerialMinutes, s.serialInterval / 60);
  WriteStep(own, link::kLoggerInterval, link::U16Data(static_cast<std::uint16_t>(s.loggerInterval)), progress,
            kWriteProgress);
  // The unit stores what it got, whether or not every write was answered.
  if (!own.lineLost)
    link_.Count(own, link_.Request(context_.address, link::kStoreSettings), link::kStoreSettings.group,
                link::kStoreSettings.number);
  ui_.ProgressClose();
  ShowReport(own);
  report.unanswered += own.unanswered;
  report.acknowledged += own.acknowledged;
  report.lineLost = report.lineLost || own.lineLost;
  return report;
}

bool DisplayTransfer::SendContrast(int contrast) {
  const link::LineLease line = link_.TakeLine();
  if (!line || !OpenPort()) return false;
  contrastSent_ = true;
  return WriteByteAndStore(link_, ui_, context_, static_cast<std::uint8_t>(contrast + link::kContrastOffset));
}

std::optional<std::string> DisplayTransfer::LoggerInformation() { return readout_.InformationText(); }

void DisplayTransfer::ReadLogger() {
  logger::ReadoutSource source;
  source.displayUnit = true;
  logger::ReadIntoChosenFile(ui_, guard_, readout_, source);
}

void DisplayTransfer::ClearLogger() { readout_.Clear(true); }

void DisplayTransfer::SetClock(const platform::LocalTime& t) { logger::SetDeviceClock(link_, ui_, context_, t); }

void DisplayTransfer::ConfigureOutputs(DisplayOutputs& outputs, OutputsEditor& editor) {
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  // Outputs loaded from a file are shown as loaded, not read over.
  if (!outputs.pending && !ReadOutputs(outputs)) return;
  if (editor.Edit(outputs, context_.language)) WriteOutputs(outputs);
}

void DisplayTransfer::Save(DisplaySettings& s) {
  if (!s.outputs.known) {
    const link::LineLease line = link_.TakeLine();
    if (!line || !ReadOutputs(s.outputs)) return;
  }
  SaveDisplayFile(ui_, s);
}

bool DisplayTransfer::Load(DisplaySettings& s) { return LoadDisplayFile(ui_, s); }

}  // namespace korvane::display
