#pragma once
// The calibration procedures by the names their records carry ("ph-two-point", ...), as
// the assistant, the certificate and the history show them.
#include <string>

#include "platform/Language.h"

namespace korvane::types {

// The procedure's name in the language; the key itself for a procedure of a newer program.
std::string ProcedureName(const std::string& key, Language language);

}  // namespace korvane::types
