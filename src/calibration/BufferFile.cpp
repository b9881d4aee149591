#include "calibration/BufferFile.h"

#include <charconv>
#include <cmath>

#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kBufferBadLine{"calibration",
                              QT_TRANSLATE_NOOP("calibration", "%1, Zeile %2: \"%3\" %4; die Zeile wird übergangen.")};
constexpr Text kUnknownSet{
    "calibration", QT_TRANSLATE_NOOP("calibration", "ist kein Puffersatz (din19266, technical, din19267, own)")};
constexpr Text kNoSet{"calibration", QT_TRANSLATE_NOOP("calibration", "steht vor dem ersten [Puffersatz]")};
constexpr Text kNotBuffer{"calibration", QT_TRANSLATE_NOOP("calibration", "ist nicht NAME: °C=pH ...")};
constexpr Text kNotAscending{
    "calibration",
    QT_TRANSLATE_NOOP("calibration", "hat keine steigenden Temperaturen von -10 bis 150 °C und pH-Werte von 0 bis 14")};

std::string TrimmedBufferLine(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

bool BufferNumber(const std::string& t, double* v) {
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), *v);
  return !t.empty() && ec == std::errc() && end == t.data() + t.size() && std::isfinite(*v);
}

// "0=4.67 10=4.66 ..." into points, or false.
bool BufferPoints(const std::string& text, std::vector<BufferPoint>* points, bool* ordered) {
  std::size_t at = 0;
  *ordered = true;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t", at);
    if (start == std::string::npos) break;
    std::size_t end = text.find_first_of(" \t", start);
    if (end == std::string::npos) end = text.size();
    const std::string pair = text.substr(start, end - start);
    at = end;
    const std::size_t eq = pair.find('=');
    BufferPoint p{};
    if (eq == std::string::npos || !BufferNumber(pair.substr(0, eq), &p.celsius) ||
        !BufferNumber(pair.substr(eq + 1), &p.ph))
      return false;
    if (p.celsius < -10 || p.celsius > 150 || p.ph < 0 || p.ph > 14 ||
        (!points->empty() && p.celsius <= points->back().celsius))
      *ordered = false;
    points->push_back(p);
  }
  return !points->empty();
}

}  // namespace

std::vector<BufferSet> BufferSetsWithFile(const std::string& text, std::vector<std::string>* problems, Language l) {
  std::vector<BufferSet> sets = BuiltInBufferSets();
  BufferSet* set = nullptr;
  bool setKnown = true;
  int number = 0;
  std::size_t at = 0;
  const auto bad = [&](const std::string& line, const Text& why) {
    if (problems) problems->push_back(platform::Fill(Tr(l, kBufferBadLine), kBufferFileName, number, line, Tr(l, why)));
  };
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string line = TrimmedBufferLine(text.substr(at, end - at));
    at = end + 1;
    ++number;
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string key = TrimmedBufferLine(line.substr(1, line.size() - 2));
      set = nullptr;
      for (BufferSet& s : sets)
        if (s.key == key) set = &s;
      setKnown = set != nullptr;
      if (!set) bad(line, kUnknownSet);
      continue;
    }
    if (!set) {
      // The lines of an unknown set were named with it.
      if (setKnown) bad(line, kNoSet);
      continue;
    }
    const std::size_t colon = line.find(':');
    Buffer b;
    bool ordered = true;
    if (colon == std::string::npos || (b.name = TrimmedBufferLine(line.substr(0, colon))).empty() ||
        !BufferPoints(line.substr(colon + 1), &b.table, &ordered)) {
      bad(line, kNotBuffer);
      continue;
    }
    if (!ordered) {
      bad(line, kNotAscending);
      continue;
    }
    bool replaced = false;
    for (Buffer& existing : set->buffers) {
      if (existing.name == b.name) {
        existing = b;
        replaced = true;
      }
    }
    if (!replaced) set->buffers.push_back(b);
  }
  return sets;
}

}  // namespace korvane::calibration
