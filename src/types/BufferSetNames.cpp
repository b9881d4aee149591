#include "types/BufferSetNames.h"

#include <algorithm>

#include "platform/TextPair.h"

namespace korvane::types {
namespace {

struct NamedSet {
  const char* key;
  platform::TextPair name;
};

constexpr NamedSet kSetNames[] = {
    {kDin19266Set, {"DIN 19266 / NIST", "DIN 19266 / NIST"}},
    {kTechnicalSet, {"Technisch 4.01 / 7.00 / 10.01 (9.21)", "Technical 4.01 / 7.00 / 10.01 (9.21)"}},
    {kDin19267Set, {"DIN 19267 (technisch)", "DIN 19267 (technical)"}},
    {kOwnSet, {"eigene Werte", "own values"}},
};

}  // namespace

const std::vector<std::string>& BufferSetKeys() {
  static const std::vector<std::string> keys{kDin19266Set, kTechnicalSet, kDin19267Set, kOwnSet};
  return keys;
}

bool IsBufferSetKey(const std::string& key) {
  const std::vector<std::string>& keys = BufferSetKeys();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::string BufferSetName(const std::string& key, Language language) {
  for (const NamedSet& n : kSetNames)
    if (key == n.key) return n.name(language);
  return key;
}

}  // namespace korvane::types
