#pragma once
// The station's messages with their levels. They go to stderr, where the journal keeps
// them when the service runs under systemd; tests pass their own sink.
#include <functional>
#include <string>

#include "platform/Language.h"

namespace korvane::station {

// Log lines and the reasons in them are English, whatever the desktop program's setting.
inline constexpr Language kLogLanguage = Language::kEnglish;

enum class LogLevel { kError, kWarning, kInfo, kDebug };

class StationLog {
 public:
  using Sink = std::function<void(LogLevel, const std::string&)>;
  explicit StationLog(Sink sink, LogLevel threshold = LogLevel::kInfo)
      : sink_(std::move(sink)), threshold_(threshold) {}

  void Error(const std::string& text) { Write(LogLevel::kError, text); }
  void Warning(const std::string& text) { Write(LogLevel::kWarning, text); }
  void Info(const std::string& text) { Write(LogLevel::kInfo, text); }
  void Debug(const std::string& text) { Write(LogLevel::kDebug, text); }
  void Write(LogLevel level, const std::string& text) {
    if (level <= threshold_ && sink_) sink_(level, text);
  }

 private:
  Sink sink_;
  LogLevel threshold_;
};

// One line per message on stderr: "korvane-station: warning: ...", or with the syslog
// level prefix ("<4>...") the journal reads when stderr is connected to it.
StationLog::Sink StderrSink();

// The line StderrSink writes (without the newline); journal: with the "<N>" prefix.
std::string LogLine(LogLevel level, const std::string& text, bool journal);

}  // namespace korvane::station
