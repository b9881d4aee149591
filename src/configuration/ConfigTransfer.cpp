#include "configuration/ConfigTransfer.h"

#include "configuration/ConfigLists.h"
#include "types/Texts.h"

namespace korvane::configuration {
namespace {

// Byte parameters of the read sequence; the others carry four bytes.
bool IsByteParameter(std::uint8_t p) {
  switch (p) {
    case 28: case 29: case 30: case 47: case 48: case 51: case 52: case 63: case 64: case 67: case 68:
    case 73: case 81:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool ConfigTransfer::Read(std::uint8_t parameter, std::uint8_t length) {
  link_.SendFrame(link_.address(), link::kRead, length, parameter);
  return link_.WaitForReply();
}

void ConfigTransfer::Write(std::uint8_t parameter, std::uint8_t length, const link::Data4& data) {
  ui_.ProgressSet(++progress_);
  link_.SendFrame(link_.address(), link::kWrite, length, parameter, data);
  link_.WaitForReply();  // a missing acknowledgement is not reported
}

void ConfigTransfer::Command(std::uint8_t command, const link::Data4& data) {
  link_.SendFrame(link_.address(), link::kValues, 4, command, data);
  link_.WaitForReply();
}

bool ConfigTransfer::ReadConfigurationSequence(ConfigSettings& s) {
  if (!link_.OpenPort()) return false;
  s.language = link_.language();
  s.typeListOffset = 0;
  ui_.ProgressOpen(types::kTransferCaption(s.language), types::kTransferText(s.language), 0, 30);
  for (int n = 1; n <= 31; ++n) {
    const std::uint8_t p = kReadOrder[n - 1];
    ui_.ProgressSet(n);
    if (!Read(p, IsByteParameter(p) ? 1 : 4)) {
      ui_.ProgressClose();
      ui_.Message(types::kCommError(s.language));
      return false;
    }
    ApplyReadReply(s, link_.module(), p);
  }
  link_.WaitSeconds(1);
  ui_.ProgressClose();
  return true;
}

ConfigTransfer::OkCheck ConfigTransfer::CheckTypeOnOk(ConfigSettings& s) {
  if (!Read(28, 1)) {
    ui_.Message(types::kCommError(s.language));
    return OkCheck::kNoReply;
  }
  s.moduleType = link_.module().typeIndex;
  if (!SameTypeFamily(s.moduleType, s.AbsoluteType())) {
    ui_.Message(texts::kTypeMismatch(s.language));
    return OkCheck::kTypeMismatch;
  }
  return OkCheck::kAccepted;
}

void ConfigTransfer::WriteConfigurationSequence(ConfigSettings& s) {
  const int t = s.AbsoluteType();
  const bool kind5 = (s.deviceKind == 5);
  KeyValuesFromIndices(s, t);

  Command(67, {});
  // The caption of the second progress window is the resource's, in both languages.
  ui_.ProgressOpen(types::kTransferCaption(0), types::kTransferText(s.language), 0, kind5 ? 29 : 25);
  progress_ = 0;

  Write(39, 4, FloatWriteData(s.IDC_UNTERER_WERT0));
  Write(41, 4, FloatWriteData(s.IDC_UNTERER_WERT1));
  Write(40, 4, FloatWriteData(s.IDC_OBERER_WERT0));
  Write(42, 4, FloatWriteData(s.IDC_OBERER_WERT1));
  Write(51, 1, ByteWriteData(s.IDC_RADIO1));
  Write(52, 1, ByteWriteData(s.IDC_RADIO7));
  Write(32, 4, FloatWriteData(s.IDC_KAL0));
  Write(33, 4, FloatWriteData(s.IDC_KAL1));
  Write(34, 4, FloatWriteData(s.IDC_KAL2));
  Write(35, 4, t == 18 ? link::FloatData(s.phFix != 0 ? 1.0f : 0.0f) : FloatWriteData(s.IDC_KAL_C1));
  Write(36, 4, FloatWriteData(s.IDC_KAL_C2));
  if (t == 18) Write(37, 4, FloatWriteData(s.IDC_KAL3));
  Write(30, 1, ByteWriteData(s.IDC_GERAETE_ADR));
  link_.setAddress(s.IDC_GERAETE_ADR);  // the module answers at its new address from now on
  Write(48, 1, ByteWriteData(s.IDC_STROM_SPANNUNG));
  Write(47, 1, ByteWriteData(s.IDC_4TO20MA));
  Write(55, 4, FloatWriteData(s.IDC_GRENZWERT));
  Write(56, 4, FloatWriteData(s.IDC_HYSTERESE));
  Write(63, 1, ByteWriteData(s.IDC_MINIMUM));
  Write(67, 1, ByteWriteData(s.IDC_RADIO_RELAY));
  if (kind5) {
    Write(57, 4, FloatWriteData(s.IDC_GRENZWERT3));
    Write(58, 4, FloatWriteData(s.IDC_HYSTERESE3));
    Write(64, 1, ByteWriteData(s.IDC_MINIMUM3));
    Write(68, 1, ByteWriteData(s.IDC_RADIO_RELAY2));
  }
  Write(72, 4, FloatWriteData(s.IDC_EDIT1));
  const link::Data4 offset = FloatWriteData(s.IDC_OFFSET);
  Write(38, 4, offset);
  if (IsConductivityFamily(t)) Write(28, 1, ByteWriteData(t + 1));
  Write(73, 1, ByteWriteData(s.IDC_CHECK1));
  const link::Data4 hold = ByteWriteData(s.IDC_KAL_HOLD);
  Write(81, 1, hold);

  // Store and leave the adjust mode. These commands carry the bytes left over from
  // the writes before them: the hold byte over the temperature offset float.
  const link::Data4 leftover{hold[0], offset[1], offset[2], offset[3]};
  ui_.ProgressSet(++progress_);
  Command(65, leftover);
  ui_.ProgressSet(++progress_);
  Command(68, leftover);
  ui_.ProgressClose();
}

bool ConfigTransfer::ReadConfiguration(ConfigSettings& s, const std::function<bool(ConfigSettings&)>& runDialog) {
  if (!ReadConfigurationSequence(s)) return false;
  KeyIndicesFromValues(s, s.AbsoluteType());
  if (!runDialog || !runDialog(s)) return false;
  WriteConfigurationSequence(s);
  return true;
}

}  // namespace korvane::configuration
