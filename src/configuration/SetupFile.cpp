#include "configuration/SetupFile.h"

#include <QString>

#include <cstdlib>

#include "configuration/ConfigFields.h"
#include "configuration/ConfigLists.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "types/Checksum.h"

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

std::uint32_t SetupFile::Checksum(std::string_view bytes) { return types::SignedByteSum(bytes); }

std::string SetupFile::BuildSetupText(const ConfigSettings& s) {
  std::string t;
  for (const ConfigField& f : ConfigFields()) {
    if (!f.key) continue;
    switch (f.kind) {
      case FieldKind::kNumber:
      case FieldKind::kText: Line(t, f.key, s.*f.text); break;
      case FieldKind::kChoice:
      case FieldKind::kCheck: Line(t, f.key, s.*f.number); break;
      case FieldKind::kAddress: Line(t, f.key, platform::StringPrintf("%u", static_cast<unsigned>(s.*f.byte))); break;
      case FieldKind::kType: Line(t, f.key, s.AbsoluteType()); break;
    }
  }
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
  for (const ConfigField& f : ConfigFields()) {
    if (!f.key || (f.calibration && !withCalibration)) continue;
    std::string v = GetValue(text, f.key);
    // An empty value leaves the setting as it was.
    if (v.empty()) continue;
    switch (f.kind) {
      case FieldKind::kNumber:
      case FieldKind::kText: s.*f.text = std::move(v); break;
      case FieldKind::kChoice:
      case FieldKind::kCheck: s.*f.number = LowByte(v); break;
      case FieldKind::kAddress: s.*f.byte = static_cast<std::uint8_t>(LowByte(v)); break;
      case FieldKind::kType:
        // The file holds the absolute type; the dialog derives offset and list index.
        s.*f.number = LowByte(v);
        s.typeListOffset = 0;
        break;
    }
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
  dialog.kind = "setup";
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
    ui.Message(std::string(Tr(s.language, texts::kCannotWrite)) + "\n" + path + "\n" +
               Tr(s.language, texts::kChecksumKeyInValue) + "\n" + Tr(s.language, types::kNothingSaved));
    return false;
  }
  std::string reason;
  if (!platform::SaveFileReplacing(path, text, &reason, s.language)) {
    ui.Message(std::string(Tr(s.language, texts::kCannotWrite)) + "\n" + path + "\n" + reason + "\n" +
               Tr(s.language, types::kNothingSaved));
    return false;
  }
  return true;
}

std::optional<ChosenSetup> OpenSetupText(platform::Ui& ui, Language language, bool* unreadable) {
  if (unreadable) *unreadable = false;
  const std::optional<std::string> chosen = ui.OpenFile(SetupFileDialogSpec());
  if (!chosen) return std::nullopt;
  std::optional<std::string> text = platform::ReadWholeFile(*chosen);
  if (!text) {
    ui.Message(std::string(Tr(language, texts::kCannotRead)) + "\n" + *chosen + "\n" +
               platform::ReadProblem(*chosen, language));
    if (unreadable) *unreadable = true;
    return std::nullopt;
  }
  return ChosenSetup{*chosen, std::move(*text)};
}

LoadResult LoadSetupFile(platform::Ui& ui, ConfigSettings& s, ChosenSetup* loaded) {
  bool unreadable = false;
  const std::optional<ChosenSetup> file = OpenSetupText(ui, s.language, &unreadable);
  if (!file) return unreadable ? LoadResult::kUnreadable : LoadResult::kCancelled;
  if (loaded) *loaded = *file;
  const bool withCalibration = ui.YesNo(texts::kYesNoTitle, Tr(s.language, texts::kReadCalibrationToo),
                                        Tr(s.language, texts::kYes), Tr(s.language, texts::kNo));
  // A file without measurementType keeps the current type: hold it as absolute type.
  s.UseAbsoluteType();
  if (SetupFile::ParseSetupText(file->text, s, withCalibration) == SetupFile::kDataError) {
    ui.Message(Tr(s.language, texts::kDataFileError));
    return LoadResult::kDataError;
  }
  return LoadResult::kLoaded;
}

}  // namespace korvane::configuration
