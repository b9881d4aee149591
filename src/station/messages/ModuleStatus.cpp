#include "station/messages/ModuleStatus.h"

namespace korvane::station {

const char* StatusWord(ModuleStatus status) {
  switch (status) {
    case ModuleStatus::kLive: return "live";
    case ModuleStatus::kMissing: return "missing";
    case ModuleStatus::kLineLost: return "line_lost";
    case ModuleStatus::kService: return "service";
    case ModuleStatus::kNeverSeen: break;
  }
  return "";
}

}  // namespace korvane::station
