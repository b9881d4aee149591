#include "configuration/ConfigTransfer.h"

#include "configuration/ConfigLists.h"
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
  if (!link_.OpenPort(context_.language)) return false;
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
  const int t = s.AbsoluteType();
  const bool kind5 = (s.deviceKind == 5);
  KeyValuesFromIndices(s, t);

  Command(link::kDacAdjustOn);
  // The caption of the second progress window is the resource's, in both languages.
  ui_.ProgressOpen(types::kTransferCaption(0), types::kTransferText(s.language), 0, kind5 ? 29 : 25);
  progress_ = 0;

  Write(link::kOutput0Lower, FloatWriteData(s.IDC_UNTERER_WERT0));
  Write(link::kOutput1Lower, FloatWriteData(s.IDC_UNTERER_WERT1));
  Write(link::kOutput0Upper, FloatWriteData(s.IDC_OBERER_WERT0));
  Write(link::kOutput1Upper, FloatWriteData(s.IDC_OBERER_WERT1));
  Write(link::kOutput0Source, ByteWriteData(s.IDC_RADIO1));
  Write(link::kOutput1Source, ByteWriteData(s.IDC_RADIO7));
  Write(link::kCalibration1, FloatWriteData(s.IDC_KAL0));
  Write(link::kCalibration2, FloatWriteData(s.IDC_KAL1));
  Write(link::kCalibration3, FloatWriteData(s.IDC_KAL2));
  Write(link::kCalibrationKey1, t == 18 ? link::FloatData(s.phFix != 0 ? 1.0f : 0.0f) : FloatWriteData(s.IDC_KAL_C1));
  Write(link::kCalibrationKey2, FloatWriteData(s.IDC_KAL_C2));
  if (t == 18) Write(link::kCalibration4, FloatWriteData(s.IDC_KAL3));
  Write(link::kAddress, ByteWriteData(s.IDC_GERAETE_ADR));
  context_.address = s.IDC_GERAETE_ADR;  // the module answers at its new address from now on
  Write(link::kOutputKind, ByteWriteData(s.IDC_STROM_SPANNUNG));
  Write(link::kCurrentRange, ByteWriteData(s.IDC_4TO20MA));
  Write(link::kRelay1Limit, FloatWriteData(s.IDC_GRENZWERT));
  Write(link::kRelay1Hysteresis, FloatWriteData(s.IDC_HYSTERESE));
  Write(link::kRelay1LimitType, ByteWriteData(s.IDC_MINIMUM));
  Write(link::kRelay1Source, ByteWriteData(s.IDC_RADIO_RELAY));
  if (kind5) {
    Write(link::kRelay2Limit, FloatWriteData(s.IDC_GRENZWERT3));
    Write(link::kRelay2Hysteresis, FloatWriteData(s.IDC_HYSTERESE3));
    Write(link::kRelay2LimitType, ByteWriteData(s.IDC_MINIMUM3));
    Write(link::kRelay2Source, ByteWriteData(s.IDC_RADIO_RELAY2));
  }
  Write(link::kFixedTemperature, FloatWriteData(s.IDC_EDIT1));
  const link::Data4 offset = FloatWriteData(s.IDC_OFFSET);
  Write(link::kTemperatureOffset, offset);
  if (IsConductivityFamily(t)) Write(link::kType, ByteWriteData(t + 1));
  Write(link::kFixedTemperatureOn, ByteWriteData(s.IDC_CHECK1));
  const link::Data4 hold = ByteWriteData(s.IDC_KAL_HOLD);
  Write(link::kCalibrationHold, hold);

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
  return WriteConfigurationSequence(s).ok();
}

}  // namespace korvane::configuration
