#pragma once
// The pH buffer sets by the keys korvane.conf, the command line and the history's records
// carry ("technical", ...), and their names as the assistant, the certificate and the
// history show them.
#include <string>
#include <vector>

#include "platform/Language.h"

namespace korvane::types {

inline constexpr const char* kDin19266Set = "din19266";
inline constexpr const char* kTechnicalSet = "technical";
inline constexpr const char* kDin19267Set = "din19267";
inline constexpr const char* kOwnSet = "own";

// The keys in the order the choice lists them.
const std::vector<std::string>& BufferSetKeys();
bool IsBufferSetKey(const std::string& key);
// The set's name in the language; the key itself for a set of a newer program.
std::string BufferSetName(const std::string& key, Language language);

}  // namespace korvane::types
