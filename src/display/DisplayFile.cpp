#include "display/DisplayFile.h"

#include <charconv>
#include <set>
#include <vector>

#include "display/DisplayTexts.h"
#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Checksum.h"
#include "types/Cp1252.h"

namespace korvane::display {
namespace {

constexpr const char* kLineEnd = "\n\r";
constexpr const char* kChecksumKey = "CECKSUMM";

// One line of the file: a whole number within its range, a flag or a number text.
struct Field {
  std::string key;
  int* number = nullptr;
  int min = 0, max = 0;
  bool* flag = nullptr;
  std::string* text = nullptr;
};

// The fields of s in file order.
std::vector<Field> Fields(DisplaySettings& s) {
  std::vector<Field> f;
  auto number = [&](std::string key, int& v, int min, int max) { f.push_back({std::move(key), &v, min, max}); };
  auto flag = [&](std::string key, bool& v) { f.push_back({std::move(key), nullptr, 0, 1, &v}); };
  auto text = [&](std::string key, std::string& v) { f.push_back({std::move(key), nullptr, 0, 0, nullptr, &v}); };
  number("CONTRAST", s.contrast, link::kContrastLowest, link::kContrastHighest);
  for (std::size_t i = 0; i < s.positions.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    number("POSITION" + n + "_ADDRESS", s.positions[i].address, 0, 31);
    number("POSITION" + n + "_VALUE", s.positions[i].choice, 0, kPositionChoices - 1);
  }
  for (std::size_t j = 0; j < s.virtuals.size(); ++j) {
    const std::string n = "VIRTUAL" + std::to_string(j + 1);
    VirtualChannel& v = s.virtuals[j];
    number(n + "_ADDRESS1", v.address1, 0, 31);
    number(n + "_VALUE1", v.operand1, 0, kOperandChoices - 1);
    number(n + "_ADDRESS2", v.address2, 0, 31);
    number(n + "_VALUE2", v.operand2, 0, kOperandChoices - 1);
    number(n + "_OPERATION", v.operation, 0, kOperationChoices - 1);
  }
  number("DAC0_POSITION", s.dac0Position, 0, kOutputChoices - 1);
  number("DAC1_POSITION", s.dac1Position, 0, kOutputChoices - 1);
  number("RELAY0_POSITION", s.relay0Position, 0, kOutputChoices - 1);
  number("RELAY1_POSITION", s.relay1Position, 0, kOutputChoices - 1);
  flag("LOGGER_ENABLED", s.loggerEnabled);
  flag("SERIAL_ENABLED", s.serialEnabled);
  number("SERIAL_INTERVAL", s.serialInterval, 10, 300);
  number("LOGGER_INTERVAL", s.loggerInterval, 1, 999);
  DisplayOutputs& o = s.outputs;
  text("DAC0_LOWER", o.dac0Lower);
  text("DAC0_UPPER", o.dac0Upper);
  text("DAC1_LOWER", o.dac1Lower);
  text("DAC1_UPPER", o.dac1Upper);
  number("OUTPUT_KIND", o.outputKind, 0, 1);
  number("CURRENT_RANGE", o.currentRange, 0, 1);
  number("RELAY0_MAXIMUM", o.relay0Maximum, 0, 1);
  number("RELAY1_MAXIMUM", o.relay1Maximum, 0, 1);
  text("RELAY0_LIMIT", o.relay0Limit);
  text("RELAY0_HYSTERESIS", o.relay0Hysteresis);
  text("RELAY1_LIMIT", o.relay1Limit);
  text("RELAY1_HYSTERESIS", o.relay1Hysteresis);
  return f;
}

// A key or value of the file as a message shows it.
std::string Shown(const std::string& bytes) { return platform::ShownText(types::FromWindows1252(bytes)); }

}  // namespace

std::optional<int> WholeNumber(const std::string& text, int min, int max) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(" \t");
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  int value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || value < min || value > max) return std::nullopt;
  return value;
}

namespace {

// A field's value as the file writes it. Number texts go out with "." whatever the user
// typed; text that is no number is refused before a save, and kept as it stands here.
std::string ValueText(const Field& f) {
  std::string value;
  if (f.number) value = std::to_string(*f.number);
  if (f.flag) value = *f.flag ? "1" : "0";
  if (f.text) value = platform::NumberEntryText(*f.text).value_or(*f.text);
  return types::ToWindows1252(value);
}

// Whether a field belongs to the outputs dialog's part.
bool IsOutputsField(const DisplaySettings& s, const Field& f) {
  const void* member = f.text     ? static_cast<const void*>(f.text)
                       : f.number ? static_cast<const void*>(f.number)
                                  : static_cast<const void*>(f.flag);
  const auto* p = static_cast<const char*>(member);
  const auto* first = reinterpret_cast<const char*>(&s.outputs);
  return p >= first && p < first + sizeof s.outputs;
}

}  // namespace

std::string BuildDisplayText(const DisplaySettings& settings) {
  DisplaySettings s = settings;
  std::string t;
  for (const Field& f : Fields(s)) t += f.key + "==" + ValueText(f) + kLineEnd;
  t += std::string(kChecksumKey) + "==" + std::to_string(types::SignedByteSum(t)) + kLineEnd;
  return t;
}

types::KeyValues DisplayValues(const DisplaySettings& settings, bool configuration, bool outputs) {
  DisplaySettings s = settings;
  types::KeyValues lines;
  for (const Field& f : Fields(s))
    if (IsOutputsField(s, f) ? outputs : configuration) lines.emplace_back(f.key, ValueText(f));
  return lines;
}

std::optional<DisplayFileError> ParseDisplayText(const std::string& text, DisplaySettings& target, Language language) {
  DisplaySettings s = target;
  std::vector<Field> fields = Fields(s);
  std::set<std::string> seen;
  auto bad = [&](int line, std::string reason) { return DisplayFileError{line, std::move(reason)}; };
  std::size_t at = 0;
  int line = 0;
  bool checksumSeen = false;
  while (at < text.size()) {
    ++line;
    std::size_t end = text.find(kLineEnd, at);
    if (end == std::string::npos) end = text.size();
    const std::string content = text.substr(at, end - at);
    const std::size_t lineStart = at;
    at = end == text.size() ? end : end + 2;
    if (checksumSeen) return bad(line, Tr(language, texts::kAfterChecksum));
    const std::size_t sep = content.find("==");
    if (sep == std::string::npos) return bad(line, Tr(language, texts::kNotKeyValue));
    const std::string key = content.substr(0, sep);
    const std::string value = content.substr(sep + 2);
    if (key == kChecksumKey) {
      for (const Field& f : fields)
        if (!seen.count(f.key)) return bad(line, platform::Fill(Tr(language, texts::kMissingKey), f.key));
      // The sum as the setup files carry it: an unsigned decimal of the bytes before.
      const std::uint32_t expected = types::SignedByteSum(std::string_view(text).substr(0, lineStart));
      std::uint32_t stored = 0;
      const char* vEnd = value.data() + value.size();
      const auto [ptr, ec] = std::from_chars(value.data(), vEnd, stored);
      if (ec != std::errc() || ptr != vEnd || stored != expected) return bad(line, Tr(language, texts::kChecksum));
      checksumSeen = true;
      continue;
    }
    const Field* field = nullptr;
    for (const Field& f : fields)
      if (f.key == key) field = &f;
    if (!field) return bad(line, platform::Fill(Tr(language, texts::kUnknownKey), Shown(key)));
    if (!seen.insert(key).second) return bad(line, platform::Fill(Tr(language, texts::kRepeatedKey), key));
    if (field->text) {
      const std::optional<std::string> number = platform::NumberEntryText(value);
      if (!number) return bad(line, platform::Fill(Tr(language, texts::kNotNumber), key, Shown(value)));
      *field->text = *number;
      continue;
    }
    const std::optional<int> n = WholeNumber(value, field->min, field->max);
    if (!n)
      return bad(line, platform::Fill(Tr(language, texts::kNotInRange), key, Shown(value), field->min, field->max));
    if (field->flag)
      *field->flag = *n != 0;
    else
      *field->number = *n;
  }
  if (!checksumSeen) return bad(line + 1, Tr(language, texts::kNoChecksum));
  s.outputs.known = true;
  s.outputs.pending = true;
  target = s;
  return std::nullopt;
}

platform::FileDialogSpec DisplayFileDialogSpec() {
  return {"rw8", "*.rw8", "Anzeige (*.rw8) | *.rw8 | Alle Dateien (*.*)|*.*||", true, "display"};
}

bool WriteDisplayFile(const std::string& path, const DisplaySettings& s, std::string* error) {
  std::string reason;
  const std::string text = BuildDisplayText(s);
  // Only a file that loads again is written: a unit that reports a value outside the
  // file's ranges (or no number) gets it named instead.
  DisplaySettings reloaded = s;
  if (const std::optional<DisplayFileError> bad = ParseDisplayText(text, reloaded, s.language))
    reason = platform::Fill(Tr(s.language, texts::kLine), bad->line, bad->reason);
  else if (platform::SaveFileReplacing(path, text, &reason, s.language))
    return true;
  *error = std::string(Tr(s.language, texts::kCannotSave)) + "\n" + path + "\n" + reason + "\n" +
           Tr(s.language, types::kNothingSaved);
  return false;
}

FileRead ReadDisplayFile(const std::string& path, DisplaySettings& s, std::string* message) {
  const std::optional<std::string> text = platform::ReadWholeFile(path);
  if (!text) {
    *message =
        std::string(Tr(s.language, texts::kCannotRead)) + "\n" + path + "\n" + platform::ReadProblem(path, s.language);
    return FileRead::kUnreadable;
  }
  if (const auto e = ParseDisplayText(*text, s, s.language)) {
    *message = std::string(Tr(s.language, texts::kCannotLoad)) + "\n" + path + "\n" +
               platform::Fill(Tr(s.language, texts::kLine), e->line, e->reason) + "\n" +
               Tr(s.language, texts::kNothingApplied);
    return FileRead::kBad;
  }
  return FileRead::kOk;
}

bool SaveDisplayFile(platform::Ui& ui, const DisplaySettings& s) {
  const std::optional<std::string> path = ui.SaveFile(DisplayFileDialogSpec());
  if (!path) return false;
  std::string error;
  if (WriteDisplayFile(*path, s, &error)) return true;
  ui.Message(error);
  return false;
}

bool LoadDisplayFile(platform::Ui& ui, DisplaySettings& s) {
  const std::optional<std::string> path = ui.OpenFile(DisplayFileDialogSpec());
  if (!path) return false;
  std::string message;
  if (ReadDisplayFile(*path, s, &message) == FileRead::kOk) return true;
  ui.Message(message);
  return false;
}

}  // namespace korvane::display
