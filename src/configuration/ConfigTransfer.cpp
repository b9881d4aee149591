#include "configuration/ConfigTransfer.h"

#include "configuration/ConfigDiff.h"
#include "configuration/ConfigLists.h"
#include "configuration/DialogExchange.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Cp1252.h"
#include "types/Texts.h"

namespace korvane::configuration {
void ConfigTransfer::Write(link::Parameter p, const link::Data4& data) {
  if (report_.lineLost) return;
  ui_.ProgressSet(++progress_);
  link_.Count(report_, link_.Write(context_.address, p, data), link::kWrite, p.number);
}

void ConfigTransfer::Command(link::Command c, const link::Data4& data) {
  if (report_.lineLost) return;
  link_.Count(report_, link_.Request(context_.address, c, data), c.group, c.number);
}

bool ConfigTransfer::ReadConfigurationSequence(ConfigSettings& s) {
  const link::LineLease line = link_.TakeLine();
  if (!line) return false;
  if (!link_.OpenPort(context_.language)) {
    ui_.Message(link_.openMessage());
    return false;
  }
  s.language = context_.language;
  s.typeListOffset = 0;
  ui_.ProgressOpen(Tr(s.language, types::kTransferCaption), Tr(s.language, types::kTransferText), 0, 30);
  for (int n = 1; n <= 31; ++n) {
    const link::Parameter p = kReadOrder[n - 1];
    ui_.ProgressSet(n);
    if (!link_.Read(context_.address, p)) {
      ui_.ProgressClose();
      ui_.Message(link_.commErrorMessage(s.language));
      return false;
    }
    ApplyReadReply(s, link_.module(), p.number);
  }
  found_ = s;
  foundModule_ = link::IdentityFromModule(link_, context_.address);
  if (pauseBeforeDialog_) link_.WaitSeconds(1);
  ui_.ProgressClose();
  return true;
}

TypeCheck ConfigTransfer::CheckTypeOnOk(ConfigSettings& s) {
  const link::LineLease line = link_.TakeLine();
  if (!line) return TypeCheck::kNoReply;
  if (!link_.Read(context_.address, link::kType)) {
    ui_.Message(link_.commErrorMessage(s.language));
    return TypeCheck::kNoReply;
  }
  s.moduleType = link_.module().typeIndex;
  if (!SameTypeFamily(s.moduleType, s.AbsoluteType())) {
    ui_.Message(Tr(s.language, texts::kTypeMismatch));
    return TypeCheck::kTypeMismatch;
  }
  return TypeCheck::kAccepted;
}

link::WriteReport ConfigTransfer::WriteConfigurationSequence(ConfigSettings& s) {
  report_ = {};
  refused_ = false;
  writes_.clear();
  const link::LineLease line = link_.TakeLine();
  if (!line) {
    report_.lineLost = true;  // nothing was written
    return report_;
  }
  const bool kind5 = link::IsKind(s.deviceKind, link::DeviceKind::kController);
  KeyValuesFromIndices(s, s.AbsoluteType());
  // Every value is made before the first frame goes out: one the module must not get
  // stops the sequence before it starts.
  RefusedSetting refused;
  const std::optional<std::vector<ConfigWrite>> writes = ConfigurationWrites(s, &refused);
  writes_ = writes.value_or(std::vector<ConfigWrite>{});
  if (!writes) {
    refused_ = true;
    const std::string value = platform::ShownText(types::FromWindows1252(refused.text));
    ui_.Message(platform::Fill(Tr(s.language, texts::kUnsendable), refused.key, value));
    return report_;
  }

  Command(link::kDacAdjustOn);
  // The caption of the second progress window is the German one in both languages.
  ui_.ProgressOpen(Tr(Language::kGerman, types::kTransferCaption), Tr(s.language, types::kTransferText), 0,
                   kind5 ? 29 : 25);
  progress_ = 0;
  link::Data4 offset{}, hold{};
  for (const ConfigWrite& w : *writes) {
    Write(w.parameter, w.data);
    // The module answers at its new address from the next frame on.
    if (w.parameter.number == link::kAddress.number) context_.address = s.address;
    if (w.parameter.number == link::kTemperatureOffset.number) offset = w.data;
    if (w.parameter.number == link::kCalibrationHold.number) hold = w.data;
  }

  // Store and leave the adjust mode. These commands carry the bytes left over from
  // the writes before them: the hold byte over the temperature offset float.
  const link::Data4 leftover{hold[0], offset[1], offset[2], offset[3]};
  if (!report_.lineLost) ui_.ProgressSet(++progress_);
  Command(link::kStoreSettings, leftover);
  if (!report_.lineLost) ui_.ProgressSet(++progress_);
  Command(link::kDacAdjustOff, leftover);
  ui_.ProgressClose();
  if (!report_.ok()) ui_.Message(link::WriteReportText(report_, s.language));
  return report_;
}

bool ConfigTransfer::ReadConfiguration(ConfigSettings& s, ConfigurationEditor& editor) {
  loaded_.reset();
  if (!ReadConfigurationSequence(s)) return false;
  KeyIndicesFromValues(s, s.AbsoluteType());
  if (editor.Edit(s, *this) != ConfigurationEditor::Result::kAccepted) {
    RecordRead();
    return false;
  }
  const link::WriteReport report = WriteConfigurationSequence(s);
  // A sequence that sent nothing leaves the module as it was read.
  if (refused_) {
    RecordRead();
    return false;
  }
  const ConfigSettings& found = found_;
  link::FlowRecord r{"config-write", foundModule_, {}};
  QJsonObject& d = r.details;
  d["source"] = loaded_ ? "file" : "dialog";
  if (loaded_) {
    d["file"] = link::FlowPath(loaded_->path);
    d["checksum"] = link::FlowText(SetupFile::GetValue(loaded_->text, "CECKSUMM"));
  }
  d["changed"] = link::FlowChanges(WrittenChanges(found, writes_));
  d["writes"] = static_cast<int>(writes_.size());
  d["acknowledged"] = report.acknowledged;
  d["unanswered"] = report.unanswered;
  d["complete"] = report.ok();
  d["found"] = link::FlowFields(SetupValues(OpenedOnRead(found)));
  link::RecordFlow(link_, context_, std::move(r));
  return report.ok();
}

void ConfigTransfer::RecordRead() {
  link::FlowRecord r{"config-read", foundModule_, {}};
  // What the setup file of this read holds, not the raw replies: a report compares it
  // with the files and the dialog's records.
  r.details["fields"] = link::FlowFields(SetupValues(OpenedOnRead(found_)));
  link::RecordFlow(link_, context_, std::move(r));
}

LoadResult ConfigTransfer::Load(ConfigSettings& s) {
  ChosenSetup file;
  const LoadResult result = LoadSetupFile(ui_, s, &file);
  if (result == LoadResult::kLoaded || result == LoadResult::kDataError) loaded_ = std::move(file);
  return result;
}

bool ConfigTransfer::ReadModule(ConfigSettings& into) {
  // The dialog's read stays the one the write's record compares with.
  const ConfigSettings found = found_;
  const link::ModuleIdentity module = foundModule_;
  const bool pause = pauseBeforeDialog_;
  pauseBeforeDialog_ = false;
  const bool read = ReadConfigurationSequence(into);
  pauseBeforeDialog_ = pause;
  found_ = found;
  foundModule_ = module;
  return read;
}

}  // namespace korvane::configuration
