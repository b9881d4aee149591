#pragma once
// The logger's texts, German and English.
#include "platform/CommonTexts.h"
#include "types/Texts.h"

namespace korvane::logger::texts {

using types::Text;

// Shown from the last record of a module's stream until the line is back at 4800 baud.
inline constexpr Text kConverting{"logger", QT_TRANSLATE_NOOP("logger", "Bitte warten, Daten werden konvertiert!")};
// The chart of a readout that ended before every announced record arrived: records
// shown, records announced.
inline constexpr Text kPartialChart{"logger",
                                    QT_TRANSLATE_NOOP("logger", "Unvollständig ausgelesen: %1 von %2 Datensätzen")};
inline constexpr Text kNoRecords{"logger", QT_TRANSLATE_NOOP("logger", "Keine Datensätze")};
inline constexpr Text kEmpty{"logger", QT_TRANSLATE_NOOP("logger", "Datenlogger ist leer.")};
//: Shown in English in German too (as users know it); German keeps the English, other
//: languages translate it.
inline constexpr Text kDataSets{"logger", QT_TRANSLATE_NOOP("logger", "Data sets: %1")};
//: The chart's time axis: English "time" in German too (as users know it); other
//: languages translate it.
inline constexpr Text kTimeAxis{"logger", QT_TRANSLATE_NOOP("logger", "time")};
//: English keeps "realy" byte for byte: users and tests know the question so.
inline constexpr Text kClearQuestion{"logger", QT_TRANSLATE_NOOP("logger", "Datenlogger wirklich löschen?")};
using platform::kNo;
using platform::kYes;
inline constexpr char kQuestionTitle[] = "INFO";
inline constexpr Text kCannotWrite{"logger",
                                   QT_TRANSLATE_NOOP("logger", "Die Exportdatei kann nicht geschrieben werden:")};
// A stream that ended early: whole records that arrived, records announced.
inline constexpr Text kShort{
    "logger", QT_TRANSLATE_NOOP("logger", "Es kamen nur %1 von %2 Datensätzen an; die Datei enthält diese.")};
// Records whose memory pointer was out of step: their count and the first pointer.
inline constexpr Text kOutOfStep{"logger",
                                 QT_TRANSLATE_NOOP("logger", "%1 Datensätze kamen außer Tritt an (erster Zeiger=%2).")};

// The chart's temperature series, and the module it comes from (ChartNames.h).
inline constexpr Text kTemperatureSeries{"logger", QT_TRANSLATE_NOOP("logger", "Temperatur (°C)")};
inline constexpr Text kTemperatureOfModule{"logger", QT_TRANSLATE_NOOP("logger", "Temperatur (°C), Modul %1")};

// The return to 4800 baud after a module's stream went unanswered: the module's fast rate.
inline constexpr Text kStillFast{
    "logger", QT_TRANSLATE_NOOP(
                  "logger", "Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %1 Baud.")};

}  // namespace korvane::logger::texts
