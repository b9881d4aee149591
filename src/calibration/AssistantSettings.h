#pragma once
// What the calibration assistant keeps in the program's own settings (korvane.conf):
// the mode (assistant or the classic message boxes), automatic acceptance, the buffer
// set, the time a point may take and each family's stability criterion. An entry that
// is not understood is named and its default used. Pure C++.
#include <map>
#include <string>
#include <vector>

#include "calibration/Stability.h"
#include "platform/Language.h"

namespace korvane::calibration {

// The families whose points share a criterion, by the key of their entries.
enum class CriterionGroup { kPh, kRedox, kIse, kConductivity, kOxygen, kChlorine };
const std::vector<CriterionGroup>& CriterionGroups();
std::string GroupKey(CriterionGroup group);  // "ph", "redox", ...
StabilityCriterion DefaultCriterion(CriterionGroup group);

struct AssistantSettings {
  bool assistant = true;                // calibration.mode: assistant | classic
  bool autoAccept = true;               // calibration.auto: yes | no
  std::string bufferSet = "technical";  // calibration.buffers
  double timeLimitSeconds = 300;        // calibration.time-limit
  std::map<CriterionGroup, StabilityCriterion> criteria;

  const StabilityCriterion& For(CriterionGroup group) const;
};

// The keys, as korvane.conf spells them.
inline constexpr const char* kModeKey = "calibration.mode";
inline constexpr const char* kAutoKey = "calibration.auto";
inline constexpr const char* kBuffersKey = "calibration.buffers";
inline constexpr const char* kTimeLimitKey = "calibration.time-limit";
// calibration.<group>.drift (per minute), .noise, .window (seconds).
std::string CriterionKey(CriterionGroup group, const char* figure);

// The settings from korvane.conf's entries; each entry that is malformed or out of range
// adds a sentence naming it and the default used instead to *problems.
AssistantSettings ParseAssistantSettings(const std::map<std::string, std::string>& values,
                                         std::vector<std::string>* problems, Language language);
// The entries of the settings, to be written back into korvane.conf.
std::map<std::string, std::string> AssistantSettingsValues(const AssistantSettings& settings);

// The bounds the entries (and the window's fields) keep.
inline constexpr double kMinLimit = 0.001, kMaxLimit = 1000;
inline constexpr double kMinWindow = 4, kMaxWindow = 600;
inline constexpr double kMinTimeLimit = 10, kMaxTimeLimit = 3600;

}  // namespace korvane::calibration
