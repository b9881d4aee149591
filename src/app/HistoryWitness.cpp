#include "app/HistoryWitness.h"

#include <QDateTime>
#include <QTimeZone>

#include "app/OwnSettings.h"
#include "platform/NumberText.h"

namespace korvane::app {

std::string WitnessSettingsKey(const std::string& history) {
  std::string key = "witness.";
  for (const char c : history) {
    const auto b = static_cast<unsigned char>(c);
    // korvane.conf splits its lines at the first "=" and ends them at a line break.
    if (b < 0x20 || b == 0x7F || c == '=' || c == '%')
      key += platform::StringPrintf("%%%02X", b);
    else
      key += c;
  }
  return key;
}

std::string WitnessValue(const history::SeenHead& seen) {
  return history::HeadText(seen.head) + " " + history::UtcText(seen.seenMs) + " " + seen.program;
}

std::optional<history::SeenHead> ParseWitnessValue(const std::string& value) {
  const std::size_t blank = value.find(' ');
  const std::optional<history::Head> head = history::ParseHead(value.substr(0, blank));
  if (!head || head->hash.size() != 64) return std::nullopt;
  history::SeenHead seen{*head, 0, {}};
  if (blank == std::string::npos) return seen;
  const std::size_t next = value.find(' ', blank + 1);
  const QDateTime when =
      QDateTime::fromString(QString::fromStdString(value.substr(blank + 1, next - blank - 1)), Qt::ISODateWithMs);
  if (when.isValid()) seen.seenMs = when.toMSecsSinceEpoch();
  if (next != std::string::npos) seen.program = value.substr(next + 1);
  return seen;
}

std::optional<history::SeenHead> OwnSettingsWitness::Remembered(const std::string& history) const {
  const std::optional<std::string> value = LoadOwnSettings(folder_).Get(WitnessSettingsKey(history));
  return value ? ParseWitnessValue(*value) : std::nullopt;
}

bool OwnSettingsWitness::Remember(const std::string& history, const history::SeenHead& seen, std::string* error) {
  const std::string key = WitnessSettingsKey(history);
  return UpdateOwnSettings(
      folder_,
      [&](OwnSettings& s) {
        // Another program of this user may have seen a later head meanwhile.
        const std::optional<std::string> kept = s.Get(key);
        const std::optional<history::SeenHead> before = kept ? ParseWitnessValue(*kept) : std::nullopt;
        if (before && before->head.seq > seen.head.seq) return false;
        if (before && before->head.seq == seen.head.seq && before->head.hash == seen.head.hash) return false;
        s.Set(key, WitnessValue(seen));
        return true;
      },
      error, Language::kEnglish);
}

std::string OwnSettingsWitness::Where() const { return OwnSettingsPath(folder_); }

}  // namespace korvane::app
