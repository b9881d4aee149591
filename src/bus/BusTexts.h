#pragma once
// Texts of the whole-bus measurement: the bus view, its rows' states and the command
// line's notices.
#include <chrono>
#include <string>

#include "platform/Text.h"

namespace korvane::bus {

using platform::Text;

inline constexpr Text kBusButton{"bus", QT_TRANSLATE_NOOP("bus", "Bus…")};
inline constexpr Text kBusCaption{"bus", QT_TRANSLATE_NOOP("bus", "Bus: alle Module")};
inline constexpr Text kStart{"bus", QT_TRANSLATE_NOOP("bus", "Messung starten")};
inline constexpr Text kStop{"bus", QT_TRANSLATE_NOOP("bus", "Messung beenden")};
inline constexpr Text kRecordFile{"bus", QT_TRANSLATE_NOOP("bus", "Aufzeichnungsdatei…")};
inline constexpr Text kNoRecording{"bus", QT_TRANSLATE_NOOP("bus", "Keine Aufzeichnung")};
inline constexpr Text kAddressesLabel{"bus", QT_TRANSLATE_NOOP("bus", "Adressen")};
inline constexpr Text kColumnAddress{"bus", QT_TRANSLATE_NOOP("bus", "Adresse")};
inline constexpr Text kColumnType{"bus", QT_TRANSLATE_NOOP("bus", "Messart")};
inline constexpr Text kColumnCalibration{"bus", QT_TRANSLATE_NOOP("bus", "Kalibrierung")};
inline constexpr Text kColumnState{"bus", QT_TRANSLATE_NOOP("bus", "Zustand")};
inline constexpr Text kRowHistory{"bus", QT_TRANSLATE_NOOP("bus", "Historie…")};
inline constexpr Text kLive{"bus", QT_TRANSLATE_NOOP("bus", "live")};
inline constexpr Text kWaiting{"bus", QT_TRANSLATE_NOOP("bus", "wartet")};
// After the measurement ended: the values shown are the last ones, no longer live.
inline constexpr Text kStoppedState{"bus", QT_TRANSLATE_NOOP("bus", "beendet")};
// %1: hh:mm:ss of the first cycle without an answer.
inline constexpr Text kMissingSince{"bus", QT_TRANSLATE_NOOP("bus", "fehlt seit %1")};
// %1: the type name the module at this address had before.
inline constexpr Text kTypeChanged{"bus", QT_TRANSLATE_NOOP("bus", "Messart gewechselt (vorher %1)")};
inline constexpr Text kNoModuleAnswers{"bus", QT_TRANSLATE_NOOP("bus", "Kein Modul antwortet mehr.")};
// Command line: %1 address, %2 hh:mm:ss.
inline constexpr Text kModuleMissing{"bus", QT_TRANSLATE_NOOP("bus", "Adresse %1 antwortet nicht (seit %2).")};
inline constexpr Text kModuleBack{"bus", QT_TRANSLATE_NOOP("bus", "Adresse %1 antwortet wieder.")};
inline constexpr Text kLineHeld{"bus", QT_TRANSLATE_NOOP("bus", "Ein anderer Ablauf benutzt die Leitung.")};
inline constexpr Text kPortClosed{"bus", QT_TRANSLATE_NOOP("bus", "Die Schnittstelle ist nicht geöffnet.")};
inline constexpr Text kEnded{"bus", QT_TRANSLATE_NOOP("bus", "Die Messung wurde beendet:")};

// "hh:mm:ss" of a time point in local time.
std::string ClockText(std::chrono::system_clock::time_point t);

}  // namespace korvane::bus
