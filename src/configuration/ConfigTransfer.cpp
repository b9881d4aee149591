#include "configuration/ConfigTransfer.h"

#include "configuration/ConfigLists.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
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
  ui_.ProgressOpen(types::kTransferCaption(s.language), types::kTransferText(s.language), 0, 30);
  for (int n = 1; n <= 31; ++n) {
    const link::Parameter p = kReadOrder[n - 1];
    ui_.ProgressSet(n);
    if (!link_.Read(context_.address, p)) {
      ui_.ProgressClose();
      ui_.Message(types::kCommError(s.language));
      return false;
    }
    ApplyReadReply(s, link_.module(), p.number);
  }
  if (pauseBeforeDialog_) link_.WaitSeconds(1);
  ui_.ProgressClose();
  return true;
}

TypeCheck ConfigTransfer::CheckTypeOnOk(ConfigSettings& s) {
  const link::LineLease line = link_.TakeLine();
  if (!line) return TypeCheck::kNoReply;
  if (!link_.Read(context_.address, link::kType)) {
    ui_.Message(types::kCommError(s.language));
    return TypeCheck::kNoReply;
  }
  s.moduleType = link_.module().typeIndex;
  if (!SameTypeFamily(s.moduleType, s.AbsoluteType())) {
    ui_.Message(texts::kTypeMismatch(s.language));
    return TypeCheck::kTypeMismatch;
  }
  return TypeCheck::kAccepted;
}

link::WriteReport ConfigTransfer::WriteConfigurationSequence(ConfigSettings& s) {
  report_ = {};
  refused_ = false;
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
  if (!writes) {
    refused_ = true;
    const std::string value = platform::ShownText(types::FromWindows1252(refused.text));
    ui_.Message(platform::StringPrintf(texts::kUnsendable(s.language), refused.key.c_str(), value.c_str()));
    return report_;
  }

  Command(link::kDacAdjustOn);
  // The caption of the second progress window is the German one in both languages.
  ui_.ProgressOpen(types::kTransferCaption(Language::kGerman), types::kTransferText(s.language), 0, kind5 ? 29 : 25);
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
  if (!ReadConfigurationSequence(s)) return false;
  KeyIndicesFromValues(s, s.AbsoluteType());
  if (editor.Edit(s, *this) != ConfigurationEditor::Result::kAccepted) return false;
  const link::WriteReport report = WriteConfigurationSequence(s);
  return !refused_ && report.ok();
}

}  // namespace korvane::configuration
