#include "calibration/AssistantSettings.h"

#include <charconv>
#include <cmath>

#include "calibration/BufferTables.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kEntryNotNumber{
    "calibration",
    QT_TRANSLATE_NOOP("calibration", "korvane.conf: \"%1=%2\" ist keine Zahl von %3 bis %4; es gilt %5.")};
constexpr Text kEntryNotChoice{"calibration",
                               QT_TRANSLATE_NOOP("calibration", "korvane.conf: \"%1=%2\" ist nicht %3; es gilt %4.")};

std::string TrimmedEntry(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// A number within [low, high], written with "." whatever the locale.
bool EntryNumber(const std::string& text, double low, double high, double* out) {
  const std::string t = TrimmedEntry(text);
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v) || v < low || v > high)
    return false;
  *out = v;
  return true;
}

std::string ShownEntry(double v) { return StringPrintf("%g", v); }

class EntryReader {
 public:
  EntryReader(const std::map<std::string, std::string>& values, std::vector<std::string>* problems, Language l)
      : values_(values), problems_(problems), l_(l) {}

  void Number(const std::string& key, double low, double high, double* value) {
    const auto it = values_.find(key);
    if (it == values_.end()) return;
    if (EntryNumber(it->second, low, high, value)) return;
    Say(platform::Fill(Tr(l_, kEntryNotNumber), key, it->second, low, high, *value));
  }
  // One of the words; the index of the word taken, or the default's.
  void Choice(const std::string& key, const std::vector<std::string>& words, std::size_t* index) {
    const auto it = values_.find(key);
    if (it == values_.end()) return;
    const std::string v = TrimmedEntry(it->second);
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (v == words[i]) {
        *index = i;
        return;
      }
    }
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) list += (i ? " | " : "") + words[i];
    Say(platform::Fill(Tr(l_, kEntryNotChoice), key, it->second, list, words[*index]));
  }

 private:
  void Say(const std::string& text) {
    if (problems_) problems_->push_back(text);
  }
  const std::map<std::string, std::string>& values_;
  std::vector<std::string>* problems_;
  Language l_;
};

}  // namespace

const std::vector<CriterionGroup>& CriterionGroups() {
  static const std::vector<CriterionGroup> groups{CriterionGroup::kPh,     CriterionGroup::kRedox,
                                                  CriterionGroup::kIse,    CriterionGroup::kConductivity,
                                                  CriterionGroup::kOxygen, CriterionGroup::kChlorine};
  return groups;
}

std::string GroupKey(CriterionGroup g) {
  switch (g) {
    case CriterionGroup::kPh: return "ph";
    case CriterionGroup::kRedox: return "redox";
    case CriterionGroup::kIse: return "ise";
    case CriterionGroup::kConductivity: return "conductivity";
    case CriterionGroup::kOxygen: return "oxygen";
    case CriterionGroup::kChlorine: return "chlorine";
  }
  return "ph";
}

StabilityCriterion DefaultCriterion(CriterionGroup g) {
  // The electrode families are judged on their voltage, the others relative to the value.
  switch (g) {
    case CriterionGroup::kPh:
    case CriterionGroup::kRedox:
    case CriterionGroup::kIse: return {0.5, 0.3, 30, LimitKind::kAbsolute};
    case CriterionGroup::kConductivity:
    case CriterionGroup::kOxygen:
    case CriterionGroup::kChlorine: return {0.5, 0.3, 30, LimitKind::kPercent};
  }
  return {};
}

const StabilityCriterion& AssistantSettings::For(CriterionGroup g) const {
  static const std::map<CriterionGroup, StabilityCriterion> defaults = [] {
    std::map<CriterionGroup, StabilityCriterion> m;
    for (CriterionGroup x : CriterionGroups()) m[x] = DefaultCriterion(x);
    return m;
  }();
  const auto it = criteria.find(g);
  return it != criteria.end() ? it->second : defaults.at(g);
}

std::string CriterionKey(CriterionGroup g, const char* figure) { return "calibration." + GroupKey(g) + "." + figure; }

AssistantSettings ParseAssistantSettings(const std::map<std::string, std::string>& values,
                                         std::vector<std::string>* problems, Language language) {
  AssistantSettings s;
  EntryReader r(values, problems, language);
  std::size_t mode = 0, automatic = 0, buffers = 1;
  r.Choice(kModeKey, {"assistant", "classic"}, &mode);
  r.Choice(kAutoKey, {"yes", "no"}, &automatic);
  r.Choice(kBuffersKey, types::BufferSetKeys(), &buffers);
  s.assistant = mode == 0;
  s.autoAccept = automatic == 0;
  s.bufferSet = types::BufferSetKeys()[static_cast<std::size_t>(buffers)];
  r.Number(kTimeLimitKey, kMinTimeLimit, kMaxTimeLimit, &s.timeLimitSeconds);
  for (CriterionGroup g : CriterionGroups()) {
    StabilityCriterion c = DefaultCriterion(g);
    r.Number(CriterionKey(g, "drift"), kMinLimit, kMaxLimit, &c.maxDrift);
    r.Number(CriterionKey(g, "noise"), kMinLimit, kMaxLimit, &c.maxNoise);
    r.Number(CriterionKey(g, "window"), kMinWindow, kMaxWindow, &c.windowSeconds);
    s.criteria[g] = c;
  }
  return s;
}

std::map<std::string, std::string> AssistantSettingsValues(const AssistantSettings& s) {
  std::map<std::string, std::string> v;
  v[kModeKey] = s.assistant ? "assistant" : "classic";
  v[kAutoKey] = s.autoAccept ? "yes" : "no";
  v[kBuffersKey] = s.bufferSet;
  v[kTimeLimitKey] = ShownEntry(s.timeLimitSeconds);
  for (CriterionGroup g : CriterionGroups()) {
    const StabilityCriterion& c = s.For(g);
    v[CriterionKey(g, "drift")] = ShownEntry(c.maxDrift);
    v[CriterionKey(g, "noise")] = ShownEntry(c.maxNoise);
    v[CriterionKey(g, "window")] = ShownEntry(c.windowSeconds);
  }
  return v;
}

}  // namespace korvane::calibration
