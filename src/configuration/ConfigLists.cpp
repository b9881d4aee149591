#include "configuration/ConfigLists.h"

namespace korvane::configuration {
namespace {

constexpr types::TextPair kTypeNames[types::kTypeCount] = {
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
    {"frei", "free"},
    {"frei", "free"},
    {"frei", "free"},
    {"frei", "free"},
    {"frei", "free"},
    {"frei", "free"},
    {"frei", "free"},
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
    {"frei", "free"},
    {"OPX Sauerstoff", "OPX oxygen"},
    {"20µS ZK=0.1", "20µS ck=0.1"},
};

}  // namespace

std::string PhBufferText(int index) {
  if (index < 0 || index >= static_cast<int>(kPhBuffers.size())) return {};
  return kPhBuffers[static_cast<std::size_t>(index)];
}

std::string KclSolutionText(int index) {
  if (index < 0 || index >= static_cast<int>(kKclSolutions.size())) return {};
  return kKclSolutions[static_cast<std::size_t>(index)];
}

std::string MeasurementTypeName(int type, int language) {
  if (type < 0 || type >= types::kTypeCount) return {};
  return kTypeNames[type](language);
}

bool SameTypeFamily(int a, int b) {
  if (a == b) return true;
  if (IsTwoElectrodeConductivity(a) && IsTwoElectrodeConductivity(b)) return true;
  return IsFourElectrodeConductivity(a) && IsFourElectrodeConductivity(b);
}

TypeList TypeListFor(int t) {
  for (const types::TypeRange r : {types::kTwoElectrodeRanges, types::kFourElectrodeRanges})
    if (t >= r.first && t <= r.last) return {r.first, r.first, r.last, true};
  return {0, 0, types::kTypeCount - 1, false};
}

std::vector<std::string> TypeListEntries(const TypeList& list, int language) {
  std::vector<std::string> out;
  for (int t = list.first; t <= list.last; ++t) out.push_back(MeasurementTypeName(t, language));
  return out;
}

}  // namespace korvane::configuration
