#include "types/BufferSetNames.h"

#include <algorithm>

#include "platform/Texts.h"

namespace korvane::types {
namespace {

struct NamedSet {
  const char* key;
  platform::Text name;
};

constexpr NamedSet kSetNames[] = {
    {kDin19266Set, {"types", QT_TRANSLATE_NOOP("types", "DIN 19266 / NIST")}},
    {kTechnicalSet, {"types", QT_TRANSLATE_NOOP("types", "Technisch 4.01 / 7.00 / 10.01 (9.21)")}},
    {kDin19267Set, {"types", QT_TRANSLATE_NOOP("types", "DIN 19267 (technisch)")}},
    {kOwnSet, {"types", QT_TRANSLATE_NOOP("types", "eigene Werte")}},
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
    if (key == n.key) return Tr(language, n.name);
  return key;
}

}  // namespace korvane::types
