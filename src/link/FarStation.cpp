#include "link/FarStation.h"

#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::link {
namespace {

constexpr std::string_view kTag = "korvane-station ";
constexpr platform::Text kThroughStation{"link", QT_TRANSLATE_NOOP("link", "über Station %1")};

bool Printable(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace

std::optional<FarStation> ParseStationSignature(std::string_view s) {
  if (!s.starts_with(kTag) || !Printable(s)) return std::nullopt;
  s.remove_prefix(kTag.size());
  const auto blank = s.find(' ');
  FarStation station{std::string(s.substr(0, blank)),
                     blank == std::string_view::npos ? "" : std::string(s.substr(blank + 1))};
  if (station.name.empty()) return std::nullopt;
  return station;
}

std::string StationSignature(const FarStation& station) {
  return std::string(kTag) + station.name + (station.prefix.empty() ? "" : " " + station.prefix);
}

std::string ThroughStationText(const FarStation& station, Language language) {
  return platform::Fill(Tr(language, kThroughStation), station.name);
}

}  // namespace korvane::link
