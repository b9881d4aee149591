#pragma once
// The logger's texts, German and English.
#include "types/Texts.h"

namespace korvane::logger::texts {

using types::TextPair;

// Shown from the last record of a module's stream until the line is back at 4800 baud.
inline constexpr TextPair kConverting{"Bitte warten, Daten werden konvertiert!", "Please wait data are read!"};
// The chart of a readout that ended before every announced record arrived: records
// shown, records announced.
inline constexpr TextPair kPartialChart{"Unvollständig ausgelesen: %d von %d Datensätzen",
                                        "Read out in part: %d of %d data sets"};
inline constexpr TextPair kNoRecords{"Keine Datensätze", "No data sets"};
inline constexpr TextPair kEmpty{"Datenlogger ist leer.", "Data logger is empty."};
inline constexpr char kDataSets[] = "Data sets: %u";  // both languages
inline constexpr TextPair kClearQuestion{"Datenlogger wirklich löschen?", "Data logger realy clear?"};
inline constexpr TextPair kYes{"Ja", "Yes"};
inline constexpr TextPair kNo{"Nein", "No"};
inline constexpr char kQuestionTitle[] = "INFO";
inline constexpr TextPair kCannotWrite{"Die Exportdatei kann nicht geschrieben werden:",
                                       "The export file cannot be written:"};
// A stream that ended early: whole records that arrived, records announced.
inline constexpr TextPair kShort{"Es kamen nur %d von %d Datensätzen an; die Datei enthält diese.",
                                 "Only %d of %d data sets arrived; the file holds them."};
// Records whose memory pointer was out of step: their count and the first pointer.
inline constexpr TextPair kOutOfStep{"%d Datensätze kamen außer Tritt an (erster Zeiger=%u).",
                                     "%d data sets arrived out of step (first pointer=%u)."};

// The chart's temperature series, and the module it comes from (ChartNames.h).
inline constexpr TextPair kTemperatureSeries{"Temperatur (°C)", "Temperature (°C)"};
inline constexpr TextPair kTemperatureOfModule{"Temperatur (°C), Modul %s", "Temperature (°C), module %s"};

// The return to 4800 baud after a module's stream went unanswered: the module's fast rate.
inline constexpr TextPair kStillFast{
    "Keine Antwort auf die Rückkehr zu 4800 Baud: das Modul ist womöglich noch auf %d Baud.",
    "No answer to the return to 4800 baud: the module may still be at %d baud."};

}  // namespace korvane::logger::texts
