#include "types/ProcedureNames.h"

#include "platform/TextPair.h"

namespace korvane::types {
namespace {

struct Named {
  const char* key;
  platform::TextPair name;
};

constexpr Named kNames[] = {
    {"ph-two-point", {"pH, zwei Punkte", "pH, two points"}},
    {"redox", {"Redox-Offset", "redox offset"}},
    {"cell-constant", {"Zellkonstante", "cell constant"}},
    {"cell-constant-4", {"Zellkonstante (4 Elektroden)", "cell constant (4 electrodes)"}},
    {"oxygen-slope", {"Sauerstoff-Steilheit", "oxygen slope"}},
    {"air-pressure", {"Luftdruck", "air pressure"}},
    {"ise-two-point", {"ISE, zwei Punkte", "ISE, two points"}},
    {"chlorine-linear", {"Chlor, linear", "chlorine, linear"}},
    {"chlorine-slope", {"Chlor-Steilheit", "chlorine slope"}},
    {"ph-compensation", {"pH-Kompensation", "pH compensation"}},
    {"saturation", {"Sättigungsfaktor", "saturation factor"}},
};

}  // namespace

std::string ProcedureName(const std::string& key, Language language) {
  for (const Named& n : kNames)
    if (key == n.key) return n.name(language);
  return key;
}

}  // namespace korvane::types
