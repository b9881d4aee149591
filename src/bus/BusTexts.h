#pragma once
// Texts of the whole-bus measurement: the bus view, its rows' states and the command
// line's notices.
#include <chrono>
#include <string>

#include "platform/TextPair.h"

namespace korvane::bus {

using platform::TextPair;

inline constexpr TextPair kBusButton{"Bus…", "Bus…"};
inline constexpr TextPair kBusCaption{"Bus: alle Module", "Bus: all modules"};
inline constexpr TextPair kStart{"Messung starten", "Start Measurement"};
inline constexpr TextPair kStop{"Messung beenden", "End Measurement"};
inline constexpr TextPair kRecordFile{"Aufzeichnungsdatei…", "Logging file…"};
inline constexpr TextPair kNoRecording{"Keine Aufzeichnung", "Not recording"};
inline constexpr TextPair kAddressesLabel{"Adressen", "Addresses"};
inline constexpr TextPair kColumnAddress{"Adresse", "Address"};
inline constexpr TextPair kColumnType{"Messart", "Type"};
inline constexpr TextPair kColumnCalibration{"Kalibrierung", "Calibration"};
inline constexpr TextPair kColumnState{"Zustand", "State"};
inline constexpr TextPair kRowHistory{"Historie…", "History…"};
inline constexpr TextPair kLive{"live", "live"};
inline constexpr TextPair kWaiting{"wartet", "waiting"};
// After the measurement ended: the values shown are the last ones, no longer live.
inline constexpr TextPair kStoppedState{"beendet", "stopped"};
// %s: hh:mm:ss of the first cycle without an answer.
inline constexpr TextPair kMissingSince{"fehlt seit %s", "missing since %s"};
// %s: the type name the module at this address had before.
inline constexpr TextPair kTypeChanged{"Messart gewechselt (vorher %s)", "type changed (was %s)"};
inline constexpr TextPair kNoModuleAnswers{"Kein Modul antwortet mehr.", "No module answers any more."};
// Command line: %u address, %s hh:mm:ss.
inline constexpr TextPair kModuleMissing{"Adresse %u antwortet nicht (seit %s).",
                                         "Address %u does not answer (since %s)."};
inline constexpr TextPair kModuleBack{"Adresse %u antwortet wieder.", "Address %u answers again."};
inline constexpr TextPair kLineHeld{"Ein anderer Ablauf benutzt die Leitung.", "Another flow is using the line."};
inline constexpr TextPair kPortClosed{"Die Schnittstelle ist nicht geöffnet.", "The port is not open."};
inline constexpr TextPair kEnded{"Die Messung wurde beendet:", "The measurement ended:"};

// "hh:mm:ss" of a time point in local time.
std::string ClockText(std::chrono::system_clock::time_point t);

}  // namespace korvane::bus
