#include "types/ProcedureNames.h"

#include "platform/Texts.h"

namespace korvane::types {
namespace {

struct Named {
  const char* key;
  platform::Text name;
};

constexpr Named kNames[] = {
    {"ph-two-point", {"types", QT_TRANSLATE_NOOP("types", "pH, zwei Punkte")}},
    {"redox", {"types", QT_TRANSLATE_NOOP("types", "Redox-Offset")}},
    {"cell-constant", {"types", QT_TRANSLATE_NOOP3("types", "Zellkonstante", "cell constant")}},
    {"cell-constant-4", {"types", QT_TRANSLATE_NOOP("types", "Zellkonstante (4 Elektroden)")}},
    {"oxygen-slope", {"types", QT_TRANSLATE_NOOP("types", "Sauerstoff-Steilheit")}},
    {"air-pressure", {"types", QT_TRANSLATE_NOOP3("types", "Luftdruck", "air pressure")}},
    {"ise-two-point", {"types", QT_TRANSLATE_NOOP("types", "ISE, zwei Punkte")}},
    {"chlorine-linear", {"types", QT_TRANSLATE_NOOP("types", "Chlor, linear")}},
    {"chlorine-slope", {"types", QT_TRANSLATE_NOOP("types", "Chlor-Steilheit")}},
    {"ph-compensation", {"types", QT_TRANSLATE_NOOP("types", "pH-Kompensation")}},
    {"saturation", {"types", QT_TRANSLATE_NOOP("types", "Sättigungsfaktor")}},
};

}  // namespace

std::string ProcedureName(const std::string& key, Language language) {
  for (const Named& n : kNames)
    if (key == n.key) return Tr(language, n.name);
  return key;
}

}  // namespace korvane::types
