#include "parametrization/TypeNames.h"

namespace korvane::parametrization {

const std::array<platform::TextPair, kTypeCount>& TypeNames() {
  static constexpr platform::TextPair kFree{"frei", "free"};
  static constexpr std::array<platform::TextPair, kTypeCount> kNames{{
      {"pH", "pH"},
      {"Redox", "redox"},
      {"200µS", "200µS"},
      {"2000µS", "2000µS"},
      {"20mS", "20mS"},
      {"100mS", "100mS"},
      {"NTU", "NTU"},
      {"Sauerstoff", "oxygen"},
      {"Linear", "linear"},
      {"ISE", "ISE"},
      {"freies Chlor", "free chlorine"},
      kFree,
      kFree,
      kFree,
      kFree,
      kFree,
      kFree,
      kFree,
      {"Chlor", "chlorine"},
      {"Anzeigemodul", "display module"},
      {"200µS (4)", "200µS (4)"},
      {"2000µS (4)", "2000µS (4)"},
      {"20mS (4)", "20mS (4)"},
      {"500mS (4)", "500mS (4)"},
      {"200µS a(4)", "200µS a(4)"},
      {"2000µS a(4)", "2000µS a(4)"},
      {"20mS a(4)", "20mS a(4)"},
      {"500mS a(4)", "500mS a(4)"},
      kFree,
      {"OPX Sauerstoff", "OPX oxygen"},
      {"20µS ZK=0.1", "20µS ck=0.1"},
  }};
  return kNames;
}

}  // namespace korvane::parametrization
