#include "configuration/SetupFile.h"

#include <QString>

#include <cstdlib>

#include "configuration/ConfigLists.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"

namespace korvane::configuration {
namespace {

constexpr const char* kLineEnd = "\n\r";
constexpr const char* kChecksumKey = "CECKSUMM";

void Line(std::string& out, const char* key, const std::string& value) {
  out += key;
  out += "==";
  out += value;
  out += kLineEnd;
}

void Line(std::string& out, const char* key, int value) { Line(out, key, platform::StringPrintf("%d", value)); }

// Integer settings take atoi of the value and keep its low 8 bits.
int LowByte(const std::string& value) { return platform::ToInt(value) & 0xFF; }

}  // namespace

std::uint32_t SetupFile::Checksum(std::string_view bytes) {
  std::uint32_t sum = 0;
  for (char c : bytes) sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
  return sum;
}

std::string SetupFile::BuildSetupText(const ConfigSettings& s) {
  std::string t;
  Line(t, "IDC_HERSTELLER_NUM", s.IDC_HERSTELLER_NUM);
  Line(t, "IDC_RADIO1", s.IDC_RADIO1);
  Line(t, "IDC_RADIO7", s.IDC_RADIO7);
  Line(t, "IDC_OBERER_WERT0", s.IDC_OBERER_WERT0);
  Line(t, "IDC_OBERER_WERT1", s.IDC_OBERER_WERT1);
  Line(t, "IDC_UNTERER_WERT0", s.IDC_UNTERER_WERT0);
  Line(t, "IDC_UNTERER_WERT1", s.IDC_UNTERER_WERT1);
  Line(t, "IDC_STROM_SPANNUNG", s.IDC_STROM_SPANNUNG);
  Line(t, "IDC_4TO20MA", s.IDC_4TO20MA);
  Line(t, "IDC_GRENZWERT", s.IDC_GRENZWERT);
  Line(t, "IDC_HYSTERESE", s.IDC_HYSTERESE);
  Line(t, "IDC_MINIMUM", s.IDC_MINIMUM);
  Line(t, "IDC_RADIO_RELAY", s.IDC_RADIO_RELAY);
  Line(t, "IDC_GRENZWERT3", s.IDC_GRENZWERT3);
  Line(t, "IDC_HYSTERESE3", s.IDC_HYSTERESE3);
  Line(t, "IDC_MINIMUM3", s.IDC_MINIMUM3);
  Line(t, "IDC_RADIO_RELAY2", s.IDC_RADIO_RELAY2);
  Line(t, "IDC_KAL_C1", s.IDC_KAL_C1);
  Line(t, "IDC_KAL_C2", s.IDC_KAL_C2);
  Line(t, "IDC_EDIT1", s.IDC_EDIT1);
  Line(t, "IDC_CHECK1", s.IDC_CHECK1);
  Line(t, "IDC_VERSION", s.IDC_VERSION);
  Line(t, "IDC_GERAETE_ADR", platform::StringPrintf("%u", static_cast<unsigned>(s.IDC_GERAETE_ADR)));
  Line(t, "IDC_KAL_HOLD", s.IDC_KAL_HOLD);
  Line(t, "IDC_KAL_T1_PH", s.IDC_KAL_T1_PH);
  Line(t, "IDC_KAL_T2_PH", s.IDC_KAL_T2_PH);
  Line(t, "IDC_KAL_T1_LF", s.IDC_KAL_T1_LF);
  Line(t, "IDC_KAL_T2_LF", s.IDC_KAL_T2_LF);
  Line(t, "IDC_TYPAUSWAHL", s.AbsoluteType());
  Line(t, "IDC_KAL1", s.IDC_KAL1);
  Line(t, "IDC_KAL3", s.IDC_KAL3);
  Line(t, "IDC_KAL2", s.IDC_KAL2);
  Line(t, "IDC_KAL0", s.IDC_KAL0);
  Line(t, "IDC_OFFSET", s.IDC_OFFSET);
  Line(t, kChecksumKey, platform::StringPrintf("%u", Checksum(t)));
  return t;
}

std::string SetupFile::GetValue(const std::string& text, const std::string& key) {
  const std::string needle = key + "==";
  const std::size_t at = text.find(needle);
  if (at == std::string::npos) return {};
  const std::size_t end = text.find(kLineEnd, at);
  if (end == std::string::npos) return {};
  const std::size_t from = at + needle.size();
  return from <= end ? text.substr(from, end - from) : std::string();
}

int SetupFile::ParseSetupText(const std::string& text, ConfigSettings& s, bool withCalibration) {
  auto textSetting = [&](const char* key, std::string& setting) {
    std::string v = GetValue(text, key);
    if (!v.empty()) setting = std::move(v);
  };
  auto intSetting = [&](const char* key, int& setting) {
    const std::string v = GetValue(text, key);
    if (!v.empty()) setting = LowByte(v);
  };
  textSetting("IDC_HERSTELLER_NUM", s.IDC_HERSTELLER_NUM);
  intSetting("IDC_RADIO1", s.IDC_RADIO1);
  intSetting("IDC_RADIO7", s.IDC_RADIO7);
  textSetting("IDC_OBERER_WERT0", s.IDC_OBERER_WERT0);
  textSetting("IDC_OBERER_WERT1", s.IDC_OBERER_WERT1);
  textSetting("IDC_UNTERER_WERT0", s.IDC_UNTERER_WERT0);
  textSetting("IDC_UNTERER_WERT1", s.IDC_UNTERER_WERT1);
  intSetting("IDC_STROM_SPANNUNG", s.IDC_STROM_SPANNUNG);
  intSetting("IDC_4TO20MA", s.IDC_4TO20MA);
  textSetting("IDC_GRENZWERT", s.IDC_GRENZWERT);
  textSetting("IDC_HYSTERESE", s.IDC_HYSTERESE);
  intSetting("IDC_MINIMUM", s.IDC_MINIMUM);
  intSetting("IDC_RADIO_RELAY", s.IDC_RADIO_RELAY);
  textSetting("IDC_GRENZWERT3", s.IDC_GRENZWERT3);
  textSetting("IDC_HYSTERESE3", s.IDC_HYSTERESE3);
  intSetting("IDC_MINIMUM3", s.IDC_MINIMUM3);
  intSetting("IDC_RADIO_RELAY2", s.IDC_RADIO_RELAY2);
  textSetting("IDC_KAL_C1", s.IDC_KAL_C1);
  textSetting("IDC_KAL_C2", s.IDC_KAL_C2);
  textSetting("IDC_EDIT1", s.IDC_EDIT1);
  intSetting("IDC_CHECK1", s.IDC_CHECK1);
  textSetting("IDC_VERSION", s.IDC_VERSION);
  {
    const std::string v = GetValue(text, "IDC_GERAETE_ADR");
    if (!v.empty()) s.IDC_GERAETE_ADR = static_cast<std::uint8_t>(LowByte(v));
  }
  intSetting("IDC_KAL_HOLD", s.IDC_KAL_HOLD);
  intSetting("IDC_KAL_T1_PH", s.IDC_KAL_T1_PH);
  intSetting("IDC_KAL_T2_PH", s.IDC_KAL_T2_PH);
  intSetting("IDC_KAL_T1_LF", s.IDC_KAL_T1_LF);
  intSetting("IDC_KAL_T2_LF", s.IDC_KAL_T2_LF);
  {
    // The file holds the absolute type; the dialog derives offset and list index.
    const std::string v = GetValue(text, "IDC_TYPAUSWAHL");
    if (!v.empty()) {
      s.IDC_TYPAUSWAHL = LowByte(v);
      s.typeListOffset = 0;
    }
  }
  if (withCalibration) {
    textSetting("IDC_KAL1", s.IDC_KAL1);
    textSetting("IDC_KAL3", s.IDC_KAL3);
    textSetting("IDC_KAL2", s.IDC_KAL2);
    textSetting("IDC_KAL0", s.IDC_KAL0);
    textSetting("IDC_OFFSET", s.IDC_OFFSET);
  }

  const std::size_t at = text.find(kChecksumKey);
  if (at == std::string::npos || at == 0) return kDataError;
  const std::string stored = GetValue(text, kChecksumKey);
  if (stored.empty()) return kDataError;
  // Compared as 32-bit numbers: the line carries the sum as an unsigned decimal.
  const auto value = static_cast<std::uint32_t>(std::strtoll(stored.c_str(), nullptr, 10));
  return value == Checksum(std::string_view(text).substr(0, at)) ? kOk : kDataError;
}

platform::FileDialogSpec SetupFileDialogSpec() {
  platform::FileDialogSpec dialog;
  dialog.defaultExtension = "qx4";
  dialog.initialName = "*.qx4";
  dialog.filter = "Setup (*.qx4) | *.qx4 | Alle Dateien (*.*)|*.*||";
  dialog.overwritePrompt = true;
  return dialog;
}

std::string SetupFilePath(const std::string& chosen) {
  static const std::string kExt = ".qx4";
  // Only the file name is looked at and changed; folders keep their names.
  const std::size_t slash = chosen.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string name = chosen.substr(nameStart);
  const std::size_t lastDot = name.find_last_of('.');
  if (name.substr(0, lastDot == std::string::npos ? name.size() : lastDot).find(kExt) == std::string::npos)
    return chosen;
  for (std::size_t at; (at = name.find(kExt)) != std::string::npos;) name.erase(at, kExt.size());
  return chosen.substr(0, nameStart) + name + kExt;
}

bool SetupFile::HoldsChecksumKey(const std::string& value) { return value.find(kChecksumKey) != std::string::npos; }

bool SaveSetupFile(platform::Ui& ui, const ConfigSettings& s) {
  const std::optional<std::string> chosen = ui.SaveFile(SetupFileDialogSpec());
  if (!chosen) return false;
  const std::string path = SetupFilePath(*chosen);
  const std::string text = SetupFile::BuildSetupText(s);
  // A value holding the checksum key would make the file fail its own check on loading.
  if (text.find(kChecksumKey) != text.rfind(kChecksumKey)) {
    ui.Message(std::string(texts::kCannotWrite(s.language)) + "\n" + path + "\n" +
               texts::kChecksumKeyInValue(s.language) + "\n" + types::kNothingSaved(s.language));
    return false;
  }
  std::string reason;
  if (!platform::SaveFileReplacing(path, text, &reason, s.language)) {
    ui.Message(std::string(texts::kCannotWrite(s.language)) + "\n" + path + "\n" + reason + "\n" +
               types::kNothingSaved(s.language));
    return false;
  }
  return true;
}

LoadResult LoadSetupFile(platform::Ui& ui, ConfigSettings& s) {
  const std::optional<std::string> chosen = ui.OpenFile(SetupFileDialogSpec());
  if (!chosen) return LoadResult::kCancelled;
  const std::optional<std::string> text = platform::ReadWholeFile(*chosen);
  if (!text) {
    ui.Message(std::string(texts::kCannotRead(s.language)) + "\n" + *chosen + "\n" +
               platform::ReadProblem(*chosen, s.language));
    return LoadResult::kUnreadable;
  }
  const bool withCalibration = ui.YesNo(texts::kYesNoTitle, texts::kReadCalibrationToo(s.language),
                                        texts::kYes(s.language), texts::kNo(s.language));
  // A file without IDC_TYPAUSWAHL keeps the current type: hold it as absolute type.
  s.UseAbsoluteType();
  if (SetupFile::ParseSetupText(*text, s, withCalibration) == SetupFile::kDataError) {
    ui.Message(texts::kDataFileError(s.language));
    return LoadResult::kDataError;
  }
  return LoadResult::kLoaded;
}

}  // namespace korvane::configuration
