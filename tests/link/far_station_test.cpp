// A station's service port names itself in the Telnet negotiation; any other far end
// is no station.
#include <gtest/gtest.h>

#include "link/FarStation.h"

namespace korvane::link {
namespace {

TEST(FarStation, OnlyAStationsSignatureNamesAStation) {
  const struct {
    const char* signature;
    std::optional<FarStation> station;
  } rows[] = {
      {"korvane-station werk-2 korvane/werk-2", FarStation{"werk-2", "korvane/werk-2"}},
      {"korvane-station werk-2 plant/basin a", FarStation{"werk-2", "plant/basin a"}},
      {"korvane-station werk-2", FarStation{"werk-2", ""}},
      {"korvane-station ", std::nullopt},
      {"ser2net 4.3", std::nullopt},
      {"", std::nullopt},
      {"korvane-station werk\n2 x", std::nullopt},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ParseStationSignature(r.signature), r.station) << r.signature;
    if (r.station) {
      EXPECT_EQ(ParseStationSignature(StationSignature(*r.station)), r.station);
    }
  }
  EXPECT_EQ(ThroughStationText({"werk-2", ""}, Language::kEnglish), "through station werk-2");
}

}  // namespace
}  // namespace korvane::link
