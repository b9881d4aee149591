#include "history/HistoryTexts.h"

#include <QJsonArray>

#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/TextPair.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kIntact{"%lld Ereignisse, Kette intakt", "%lld events, chain intact"};
constexpr TextPair kBroken{"%lld Ereignisse; die Kette bricht bei Ereignis %lld (%s, %s, %s): %s",
                           "%lld events; the chain breaks at event %lld (%s, %s, %s): %s"};
constexpr TextPair kHashMismatch{"sein Inhalt wurde geändert, der Hash passt nicht dazu",
                                 "its content was changed: the hash does not match it"};
constexpr TextPair kMissing{"sein Vorgänger fehlt oder wurde geändert", "its predecessor is missing or was changed"};
constexpr TextPair kMoved{"es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %lld)",
                          "it is out of order (its predecessor is event %lld)"};
constexpr TextPair kInserted{"es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %lld",
                             "it does not belong: the chain goes on past it to event %lld"};
constexpr TextPair kDamage{"%lld Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %s)",
                           "%lld events; the file is damaged (SQLite's check: %s)"};
constexpr TextPair kRolledBack{"Der Verlauf wurde zurückgesetzt oder neu geschrieben: ",
                               "The history was rolled back or rewritten: "};
constexpr TextPair kEventsPrefix{"%lld Ereignisse; d", "%lld events; t"};
constexpr TextPair kHeadMissing{"Ereignis %lld (%s), das %s am %s sah (vermerkt in %s), ist nicht mehr darin",
                                "it no longer holds event %lld (%s) that %s saw on %s (kept in %s)"};
constexpr TextPair kHeadDiffers{"sein Ereignis %lld hat den Hash %s, nicht %s, den %s am %s sah (vermerkt in %s)",
                                "its event %lld has the hash %s, not %s that %s saw on %s (kept in %s)"};
constexpr TextPair kGivenMissing{"Ereignis %lld (%s), angegeben mit %s, ist nicht darin",
                                 "it does not hold event %lld (%s) given with %s"};
constexpr TextPair kGivenDiffers{"sein Ereignis %lld hat den Hash %s, nicht %s wie angegeben mit %s",
                                 "its event %lld has the hash %s, not %s as given with %s"};

constexpr TextPair kNotRecorded{"Nicht in die Historie aufgenommen: %s.", "Not recorded in the history: %s."};
constexpr TextPair kOfModule{"%s (Modul %s, Adresse %d)", "%s (module %s, address %d)"};
constexpr TextPair kLocked{"Die Historie %s ist von einem anderen Programm gesperrt.",
                           "The history %s is locked by another program."};
constexpr TextPair kDamaged{"%s ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.",
                            "%s is no history or is damaged; it is left as it is."};
constexpr TextPair kNewer{"%s stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.",
                          "%s was written by a newer version of the program; it is left as it is."};
constexpr TextPair kCannotOpen{"Die Historie %s kann nicht geöffnet werden: %s", "The history %s cannot be opened: %s"};
constexpr TextPair kCannotWrite{"Die Historie %s kann nicht geschrieben werden: %s",
                                "The history %s cannot be written: %s"};
constexpr TextPair kTryAgain{"Der nächste Vorgang versucht es wieder.", "The next action tries again."};

constexpr TextPair kNewModule{"neues Modul: Typ %d %s, Geräteart %s, Firmware %s",
                              "new module: type %d %s, kind %s, firmware %s"};
constexpr TextPair kChangedModule{"Modul geändert: %s", "module changed: %s"};
constexpr TextPair kTypeWord{"Typ", "type"};
constexpr TextPair kKindWord{"Geräteart", "kind"};
constexpr TextPair kCalibration{"Kalibrierung %s: %s", "calibration %s: %s"};
constexpr TextPair kSaved{"gespeichert", "saved"};
constexpr TextPair kDiscarded{"verworfen", "discarded"};
constexpr TextPair kRefused{"abgelehnt", "refused"};
// The assistant's calibration given up at a point or a reference.
constexpr TextPair kCancelledCalibration{"abgebrochen", "cancelled"};
constexpr TextPair kLineLost{"Verbindung verloren", "line lost"};
constexpr TextPair kPassed{"bestanden", "passed"};
constexpr TextPair kNotPlausible{"nicht plausibel", "not plausible"};
constexpr TextPair kConfigRead{"Konfiguration gelesen (%d Felder)", "configuration read (%d fields)"};
constexpr TextPair kConfigWritten{"Konfiguration geschrieben (%s): %s; %s", "configuration written (%s): %s; %s"};
constexpr TextPair kDisplayRead{"Anzeigeeinheit gelesen (%d Felder)", "display unit read (%d fields)"};
constexpr TextPair kDisplayWritten{"Anzeigeeinheit geschrieben (%s): %s; %s", "display unit written (%s): %s; %s"};
constexpr TextPair kDialog{"Dialog", "dialog"};
constexpr TextPair kFile{"Datei %s", "file %s"};
constexpr TextPair kNothingChanged{"keine Änderung", "nothing changed"};
constexpr TextPair kMore{" und %d weitere", " and %d more"};
constexpr TextPair kComplete{"vollständig", "complete"};
constexpr TextPair kIncomplete{"unvollständig, %d ohne Antwort", "incomplete, %d unanswered"};
constexpr TextPair kLoggerRead{"Datenlogger ausgelesen: %d von %d Datensätzen in %s",
                               "logger read: %d of %d records into %s"};
constexpr TextPair kLoggerSpan{" (%s bis %s)", " (%s to %s)"};
constexpr TextPair kLoggerCleared{"Datenlogger gelöscht", "logger cleared"};
constexpr TextPair kLoggerNotCleared{"Datenlogger löschen ohne Antwort", "logger clear not acknowledged"};
constexpr TextPair kClockSet{"Uhr gestellt auf %s", "clock set to %s"};
constexpr TextPair kClockWas{" (vorher %s)", " (was %s)"};
constexpr TextPair kClockNoAnswer{" ohne Antwort", " not acknowledged"};
constexpr TextPair kParametrization{"Parametrierung: %d Abgleichwerte geschrieben",
                                    "parametrization: %d adjustments written"};
constexpr TextPair kDisplayUnit{" (Anzeigeeinheit)", " (display unit)"};
constexpr TextPair kLive{"Messung: %d Messzyklen", "measurement: %d cycles"};
constexpr TextPair kContrast{"Anzeigeeinheit: Kontrast auf %s gestellt; %s", "display unit: contrast set to %s; %s"};

struct ProcedureEntry {
  const char* code;
  TextPair name;
};
constexpr ProcedureEntry kProcedures[] = {
    {"ph-two-point", {"Zweipunkt pH", "pH two-point"}},
    {"redox", {"Redox-Offset", "redox offset"}},
    {"cell-constant", {"Zellkonstante", "cell constant"}},
    {"cell-constant-4", {"Zellkonstante (4 Elektroden)", "cell constant (4 electrodes)"}},
    {"oxygen-slope", {"Sauerstoff-Steilheit", "oxygen slope"}},
    {"air-pressure", {"Luftdruck", "air pressure"}},
    {"ise-two-point", {"Zweipunkt ISE", "ISE two-point"}},
    {"chlorine-linear", {"Chlor linear", "chlorine linear"}},
    {"chlorine-slope", {"Chlor-Steilheit", "chlorine slope"}},
    {"ph-compensation", {"pH-Kompensation", "pH compensation"}},
    {"saturation", {"Sättigung", "saturation"}},
};

std::string Text(const QJsonValue& v) {
  if (v.isString()) return v.toString().toStdString();
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isBool()) return v.toBool() ? "1" : "0";
  return "-";
}

std::string KindText(int kind) { return kind < 0 ? std::string("-") : std::to_string(kind); }

std::string ModuleSummary(const Event& e, Language l) {
  const QJsonObject previous = e.details.value("previous").toObject();
  if (previous.isEmpty())
    return StringPrintf(kNewModule(l), e.type, e.type > 0 ? types::TypeName(e.type - 1, l).c_str() : "-",
                        KindText(e.deviceKind).c_str(), e.firmware.empty() ? "-" : e.firmware.c_str());
  std::string changes;
  const auto change = [&](const char* what, const std::string& before, const std::string& after) {
    if (before == after) return;
    if (!changes.empty()) changes += ", ";
    changes += std::string(what) + " " + before + " → " + after;
  };
  change(kTypeWord(l), std::to_string(previous.value("type").toInt()), std::to_string(e.type));
  change(kKindWord(l), KindText(previous.value("device_kind").toInt(-1)), KindText(e.deviceKind));
  change("Firmware", previous.value("firmware").toString().toStdString(), e.firmware);
  return StringPrintf(kChangedModule(l), changes.c_str());
}

std::string CalibrationSummary(const Event& e, Language l) {
  const QJsonObject& d = e.details;
  const std::string outcome = d.value("outcome").toString().toStdString();
  std::string text = outcome == "saved"       ? kSaved(l)
                     : outcome == "discarded" ? kDiscarded(l)
                     : outcome == "line-lost" ? kLineLost(l)
                     : outcome == "cancelled" ? kCancelledCalibration(l)
                                              : kRefused(l);
  text += ", ";
  text += d.value("plausible").toBool() ? kPassed(l) : kNotPlausible(l);
  const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
  for (int n = 0; n < 4 && n < before.size() && n < after.size(); ++n) {
    if (before[n].toDouble() == after[n].toDouble()) continue;
    std::string label = e.type > 0 ? types::CalibrationLabel(e.type - 1, n + 1, l) : std::string();
    if (label.empty()) label = "K" + std::to_string(n + 1);
    text += "; " + label + " " + Text(before[n]) + " → " + Text(after[n]);
  }
  return StringPrintf(kCalibration(l), ProcedureName(d.value("procedure").toString().toStdString(), l).c_str(),
                      text.c_str());
}

std::string Changes(const QJsonObject& d, Language l, const FieldName& name) {
  const QJsonArray changed = d.value("changed").toArray();
  if (changed.isEmpty()) return kNothingChanged(l);
  std::string text;
  constexpr int kShown = 3;
  for (int i = 0; i < changed.size() && i < kShown; ++i) {
    const QJsonObject c = changed[i].toObject();
    if (i > 0) text += ", ";
    const std::string key = Text(c.value("key"));
    const std::string label = name ? name(key) : std::string();
    text += (label.empty() ? key : label) + " " + Text(c.value("before")) + " → " + Text(c.value("after"));
  }
  if (changed.size() > kShown) text += StringPrintf(kMore(l), static_cast<int>(changed.size()) - kShown);
  return text;
}

std::string WriteSummary(const TextPair& format, const Event& e, Language l, const FieldName& name = {}) {
  const QJsonObject& d = e.details;
  const std::string source = d.value("source").toString() == "file"
                                 ? StringPrintf(kFile(l), d.value("file").toString().toStdString().c_str())
                                 : std::string(kDialog(l));
  const std::string complete = d.value("complete").toBool()
                                   ? std::string(kComplete(l))
                                   : StringPrintf(kIncomplete(l), d.value("unanswered").toInt());
  if (d.value("source").toString() == "contrast") {
    const QJsonArray changed = d.value("changed").toArray();
    return StringPrintf(kContrast(l), changed.isEmpty() ? "-" : Text(changed[0].toObject().value("after")).c_str(),
                        complete.c_str());
  }
  return StringPrintf(format(l), source.c_str(), Changes(d, l, name).c_str(), complete.c_str());
}

std::string OfDisplay(const QJsonObject& d, Language l) {
  return d.value("source").toString() == "display" ? kDisplayUnit(l) : "";
}

}  // namespace

std::string ShownIdentity(const std::string& identity) {
  if (identity.empty()) return "-";
  // Byte by byte as the module sent them: what no one can read, and the backslash that
  // starts an escape, as \xNN.
  std::string shown;
  for (const char c : types::ToWindows1252(identity)) {
    const auto b = static_cast<unsigned char>(c);
    const bool unreadable =
        b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == '\\';
    shown += unreadable ? platform::StringPrintf("\\x%02X", b) : types::FromWindows1252(std::string(1, c));
  }
  return shown;
}

std::string ProcedureName(const std::string& code, Language l) {
  for (const ProcedureEntry& p : kProcedures)
    if (code == p.code) return p.name(l);
  return code;
}

std::string Summary(const Event& e, Language l) { return Summary(e, l, {}); }

std::string Summary(const Event& e, Language l, const FieldName& fieldName) {
  const QJsonObject& d = e.details;
  const std::string& k = e.kind;
  if (k == kModuleKind) return ModuleSummary(e, l);
  if (k == kCalibrationKind) return CalibrationSummary(e, l);
  if (k == kConfigReadKind) return StringPrintf(kConfigRead(l), static_cast<int>(d.value("fields").toObject().size()));
  if (k == kConfigWriteKind) return WriteSummary(kConfigWritten, e, l, fieldName);
  if (k == kDisplayReadKind)
    return StringPrintf(kDisplayRead(l), static_cast<int>(d.value("fields").toObject().size()));
  if (k == kDisplayWriteKind) return WriteSummary(kDisplayWritten, e, l);
  if (k == kLoggerReadKind)
    return StringPrintf(kLoggerRead(l), d.value("records").toInt(), d.value("announced").toInt(),
                        d.value("file").toString().toStdString().c_str()) +
           (d.contains("first") ? StringPrintf(kLoggerSpan(l), d.value("first").toString().toStdString().c_str(),
                                               d.value("last").toString().toStdString().c_str())
                                : std::string()) +
           OfDisplay(d, l);
  if (k == kLoggerClearKind)
    return std::string(d.value("cleared").toBool() ? kLoggerCleared(l) : kLoggerNotCleared(l)) + OfDisplay(d, l);
  if (k == kClockSetKind) {
    std::string text = StringPrintf(kClockSet(l), d.value("set").toString().toStdString().c_str());
    if (d.contains("before")) text += StringPrintf(kClockWas(l), d.value("before").toString().toStdString().c_str());
    if (!d.value("acknowledged").toBool()) text += kClockNoAnswer(l);
    return text + OfDisplay(d, l);
  }
  if (k == kParametrizationKind)
    return StringPrintf(kParametrization(l), static_cast<int>(d.value("adjustments").toArray().size()));
  if (k == kLiveKind) return StringPrintf(kLive(l), d.value("chains").toInt());
  // A kind of a newer program: shown as what it is.
  return k;
}

std::string VerificationText(const Verification& v, Language l) {
  const auto events = static_cast<long long>(v.events);
  if (v.intact()) return StringPrintf(kIntact(l), events);
  std::vector<std::string> lines;
  for (const Rollback& r : v.rollbacks) {
    // "N events; the history was ..." with the sentence's first letter in lower case.
    const std::string text = RollbackText(r, l);
    lines.push_back(StringPrintf(kEventsPrefix(l), events) + text.substr(1));
  }
  if (v.broken) {
    const ChainBreak& b = *v.broken;
    std::string why;
    switch (b.problem) {
      case ChainBreak::Problem::kHashMismatch: why = kHashMismatch(l); break;
      case ChainBreak::Problem::kMissingPredecessor: why = kMissing(l); break;
      case ChainBreak::Problem::kOutOfOrder:
        why = StringPrintf(kMoved(l), static_cast<long long>(b.predecessorSeq));
        break;
      case ChainBreak::Problem::kInserted:
        why = StringPrintf(kInserted(l), static_cast<long long>(b.predecessorSeq));
        break;
    }
    lines.push_back(StringPrintf(kBroken(l), events, static_cast<long long>(b.event.seq),
                                 LocalText(b.event.timeMs).c_str(), ShownIdentity(b.event.identity).c_str(),
                                 platform::ShownText(b.event.kind).c_str(), why.c_str()));
  }
  if (!v.damage.empty()) lines.push_back(StringPrintf(kDamage(l), events, v.damage.c_str()));
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

std::string RollbackText(const Rollback& r, Language l) {
  const auto seq = static_cast<long long>(r.expected.head.seq);
  const std::string hash = ShortHash(r.expected.head.hash);
  const char* where = r.where.c_str();
  std::string text;
  if (r.expected.program.empty()) {
    text = r.found ? StringPrintf(kGivenDiffers(l), seq, ShortHash(*r.found).c_str(), hash.c_str(), where)
                   : StringPrintf(kGivenMissing(l), seq, hash.c_str(), where);
  } else {
    const std::string seen = LocalText(r.expected.seenMs);
    const char* program = r.expected.program.c_str();
    text = r.found ? StringPrintf(kHeadDiffers(l), seq, ShortHash(*r.found).c_str(), hash.c_str(), program,
                                  seen.c_str(), where)
                   : StringPrintf(kHeadMissing(l), seq, hash.c_str(), program, seen.c_str(), where);
  }
  return kRolledBack(l) + text;
}

std::string NotRecordedText(const std::vector<NotRecorded>& failures, Language l) {
  if (failures.empty()) return {};
  std::string what;
  for (const NotRecorded& f : failures) {
    if (!what.empty()) what += ", ";
    what += f.identity.empty() && f.address < 0
                ? f.kind
                : StringPrintf(kOfModule(l), f.kind.c_str(), ShownIdentity(f.identity).c_str(), f.address);
  }
  const NotRecorded& last = failures.back();
  const char* store = last.store.c_str();
  std::string why;
  switch (last.failure) {
    case store::OpenFailure::kLocked: why = StringPrintf(kLocked(l), store); break;
    case store::OpenFailure::kNotDatabase: why = StringPrintf(kDamaged(l), store); break;
    case store::OpenFailure::kNewerSchema: why = StringPrintf(kNewer(l), store); break;
    case store::OpenFailure::kUnreachable: why = StringPrintf(kCannotOpen(l), store, last.reason.c_str()); break;
    case store::OpenFailure::kNone:
    case store::OpenFailure::kFailed: why = StringPrintf(kCannotWrite(l), store, last.reason.c_str()); break;
  }
  return StringPrintf(kNotRecorded(l), what.c_str()) + "\n" + why + "\n" + kTryAgain(l);
}

}  // namespace korvane::history
