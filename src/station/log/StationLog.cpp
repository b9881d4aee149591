#include "station/log/StationLog.h"

#include <cstdio>
#include <cstdlib>

namespace korvane::station {

std::string LogLine(LogLevel level, const std::string& text, bool journal) {
  static constexpr const char* kNames[] = {"error", "warning", "info", "debug"};
  static constexpr const char* kPrefixes[] = {"<3>", "<4>", "<6>", "<7>"};
  const auto i = static_cast<std::size_t>(level);
  if (journal) return std::string(kPrefixes[i]) + text;
  return std::string("korvane-station: ") + kNames[i] + ": " + text;
}

StationLog::Sink StderrSink() {
  // systemd sets JOURNAL_STREAM for a service whose stderr goes to the journal.
  const bool journal = std::getenv("JOURNAL_STREAM") != nullptr;
  return [journal](LogLevel level, const std::string& text) {
    const std::string line = LogLine(level, text, journal) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
  };
}

}  // namespace korvane::station
