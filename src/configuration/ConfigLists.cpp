#include "configuration/ConfigLists.h"

namespace korvane::configuration {
std::string PhBufferText(int index) {
  if (index < 0 || index >= static_cast<int>(kPhBuffers.size())) return {};
  return kPhBuffers[static_cast<std::size_t>(index)];
}

std::string KclSolutionText(int index) {
  if (index < 0 || index >= static_cast<int>(kKclSolutions.size())) return {};
  return kKclSolutions[static_cast<std::size_t>(index)];
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

std::vector<std::string> TypeListEntries(const TypeList& list, Language language) {
  std::vector<std::string> out;
  for (int t = list.first; t <= list.last; ++t) out.push_back(types::TypeListName(t, language));
  return out;
}

}  // namespace korvane::configuration
