#pragma once
// One event of the module history: who did what to which module, when, and the hash
// that chains it to the event before. The hash is SHA-256 over the event's canonical
// text (EventText); it covers the previous event's hash, so an event changed, removed
// or moved behind the program's back breaks the chain.
#include <QJsonObject>

#include <cstdint>
#include <string>

namespace korvane::history {

// The kinds of event the program records.
inline constexpr const char* kModuleKind = "module";
inline constexpr const char* kCalibrationKind = "calibration";
inline constexpr const char* kConfigReadKind = "config-read";
inline constexpr const char* kConfigWriteKind = "config-write";
inline constexpr const char* kLoggerReadKind = "logger-read";
inline constexpr const char* kLoggerClearKind = "logger-clear";
inline constexpr const char* kClockSetKind = "clock-set";
inline constexpr const char* kDisplayReadKind = "display-read";
inline constexpr const char* kDisplayWriteKind = "display-write";
inline constexpr const char* kParametrizationKind = "parametrization";
// A live measurement: the first and the last values it showed.
inline constexpr const char* kLiveKind = "live";

// The previous hash of the first event.
inline const std::string kNoPredecessor(64, '0');

struct Event {
  std::int64_t seq = 0;     // place in the chain, from 1; given by the store
  std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
  std::string identity;     // UTF-8 of the Windows-1252 bytes the module sent (one character each)
  int address = -1;
  int type = 0;          // wire type 1..31; 0 unknown
  int deviceKind = -1;   // -1 unknown
  std::string firmware;  // "1.20"; "" unknown
  std::string technician;
  std::string host;
  std::string program;  // "korvane-cli 1.0.0"
  std::string kind;
  QJsonObject details;
  std::string previous;  // hex SHA-256 of the event before (kNoPredecessor for the first)
  std::string hash;      // hex SHA-256 of EventText
};

// The canonical text of everything the hash covers (all but seq and hash): a JSON object
// with the keys address, details, device_kind, firmware, host, identity, kind, previous,
// program, technician, time, type, written by CanonicalJson. Unknown type, kind and
// firmware are 0, -1 and "".
std::string EventText(const Event& e);
// The same with the details already in their canonical text (as the store keeps them).
std::string EventText(const Event& e, const std::string& canonicalDetails);
// Lowercase hex SHA-256 of EventText.
std::string EventHash(const Event& e);
std::string TextHash(const std::string& eventText);

// "2026-03-09T13:05:33.123Z".
std::string UtcText(std::int64_t timeMs);
// "2026-03-09 14:05:33" in the PC's local time zone; on a day whose clock is put forward
// or back, with the offset from UTC ("2026-10-25 02:30:00 +01:00"), since the same
// local time may then stand for two instants.
std::string LocalText(std::int64_t timeMs);
// " +01:00" on such a day, "" on any other.
std::string ChangeDayOffset(std::int64_t timeMs);

}  // namespace korvane::history
