#pragma once
// What a calibration event's points carry beyond captured value, reference and
// temperature when the assistant took them (drift, noise, time to stable, how they were
// taken, buffer, lot and expiry), as the service report, the history window and the
// certificate show it; and the last reference value the history knows for a point.
#include <QJsonObject>

#include <optional>
#include <string>
#include <vector>

#include "history/Event.h"
#include "platform/Language.h"
#include "store/Database.h"

namespace korvane::history {

// "Drift 0.12 mV/min, Rauschen 0.04 mV, stabil nach 46 s, automatisch übernommen;
// Puffer 4.01 (technical); Charge L123, verwendbar bis 2027-03". "" for a point without
// the assistant's figures.
std::string PointFiguresText(const QJsonObject& point, Language language);

// The reference entered at a point (0-based) of a procedure in the newest of the
// events (calibrations, oldest first) that has one.
std::optional<double> LastReference(const std::vector<Event>& calibrations, const std::string& procedure, int point);

// The same from the history at location: the module's calibrations by its identity (as
// the module sent it), or where that is not known, those at its address with its type.
// Nothing when there is no history yet or it cannot be read; none is created.
std::optional<double> LastReference(const store::Location& location, const std::string& identity, int address,
                                    int wireType, const std::string& procedure, int point);

}  // namespace korvane::history
