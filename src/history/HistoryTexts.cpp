#include "history/HistoryTexts.h"

#include <QJsonArray>

#include "platform/NumberText.h"
#include "platform/ShownDate.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kIntact{"history", QT_TRANSLATE_NOOP("history", "%1 Ereignisse, Kette intakt")};
constexpr Text kBroken{
    "history", QT_TRANSLATE_NOOP("history", "%1 Ereignisse; die Kette bricht bei Ereignis %2 (%3, %4, %5): %6")};
constexpr Text kHashMismatch{"history",
                             QT_TRANSLATE_NOOP("history", "sein Inhalt wurde geändert, der Hash passt nicht dazu")};
constexpr Text kMissing{"history", QT_TRANSLATE_NOOP("history", "sein Vorgänger fehlt oder wurde geändert")};
constexpr Text kMoved{"history",
                      QT_TRANSLATE_NOOP("history", "es steht nicht an seinem Platz (sein Vorgänger ist Ereignis %1)")};
constexpr Text kInserted{
    "history", QT_TRANSLATE_NOOP("history", "es gehört nicht in die Kette: sie geht an ihm vorbei zu Ereignis %1")};
constexpr Text kDamage{
    "history", QT_TRANSLATE_NOOP("history", "%1 Ereignisse; die Datei ist beschädigt (Prüfung von SQLite: %2)")};
constexpr Text kRolledBack{"history",
                           QT_TRANSLATE_NOOP("history", "Der Verlauf wurde zurückgesetzt oder neu geschrieben: ")};
// %2: the sentence about the lost head, its first letter in lower case.
constexpr Text kEventsPrefix{"history", QT_TRANSLATE_NOOP("history", "%1 Ereignisse; %2")};
constexpr Text kHeadMissing{
    "history",
    QT_TRANSLATE_NOOP("history", "Ereignis %1 (%2), das %3 am %4 sah (vermerkt in %5), ist nicht mehr darin")};
constexpr Text kHeadDiffers{
    "history",
    QT_TRANSLATE_NOOP("history", "sein Ereignis %1 hat den Hash %2, nicht %3, den %4 am %5 sah (vermerkt in %6)")};
constexpr Text kGivenMissing{"history",
                             QT_TRANSLATE_NOOP("history", "Ereignis %1 (%2), angegeben mit %3, ist nicht darin")};
constexpr Text kGivenDiffers{
    "history", QT_TRANSLATE_NOOP("history", "sein Ereignis %1 hat den Hash %2, nicht %3 wie angegeben mit %4")};

constexpr Text kNotRecorded{"history", QT_TRANSLATE_NOOP("history", "Nicht in die Historie aufgenommen: %1.")};
constexpr Text kOfModule{"history", QT_TRANSLATE_NOOP("history", "%1 (Modul %2, Adresse %3)")};
constexpr Text kLocked{"history",
                       QT_TRANSLATE_NOOP("history", "Die Historie %1 ist von einem anderen Programm gesperrt.")};
constexpr Text kDamaged{
    "history", QT_TRANSLATE_NOOP("history", "%1 ist keine Historie oder ist beschädigt; sie bleibt, wie sie ist.")};
constexpr Text kNewer{
    "history",
    QT_TRANSLATE_NOOP("history", "%1 stammt von einer neueren Version des Programms; sie bleibt, wie sie ist.")};
constexpr Text kCannotOpen{"history", QT_TRANSLATE_NOOP("history", "Die Historie %1 kann nicht geöffnet werden: %2")};
constexpr Text kCannotWrite{"history",
                            QT_TRANSLATE_NOOP("history", "Die Historie %1 kann nicht geschrieben werden: %2")};
constexpr Text kTryAgain{"history", QT_TRANSLATE_NOOP("history", "Der nächste Vorgang versucht es wieder.")};

constexpr Text kNewModule{"history", QT_TRANSLATE_NOOP("history", "neues Modul: Typ %1 %2, Geräteart %3, Firmware %4")};
constexpr Text kChangedModule{"history", QT_TRANSLATE_NOOP("history", "Modul geändert: %1")};
constexpr Text kTypeWord{"history", QT_TRANSLATE_NOOP("history", "Typ")};
constexpr Text kKindWord{"history", QT_TRANSLATE_NOOP("history", "Geräteart")};
constexpr Text kFirmwareWord{"history", QT_TRANSLATE_NOOP("history", "Firmware")};
constexpr Text kCalibration{"history", QT_TRANSLATE_NOOP("history", "Kalibrierung %1: %2")};
constexpr Text kSaved{"history", QT_TRANSLATE_NOOP("history", "gespeichert")};
constexpr Text kDiscarded{"history", QT_TRANSLATE_NOOP("history", "verworfen")};
constexpr Text kRefused{"history", QT_TRANSLATE_NOOP("history", "abgelehnt")};
// The assistant's calibration given up at a point or a reference.
constexpr Text kCancelledCalibration{"history", QT_TRANSLATE_NOOP("history", "abgebrochen")};
constexpr Text kLineLost{"history", QT_TRANSLATE_NOOP("history", "Verbindung verloren")};
constexpr Text kPassed{"history", QT_TRANSLATE_NOOP("history", "bestanden")};
constexpr Text kNotPlausible{"history", QT_TRANSLATE_NOOP("history", "nicht plausibel")};
constexpr Text kConfigRead{"history", QT_TRANSLATE_NOOP("history", "Konfiguration gelesen (%1 Felder)")};
constexpr Text kConfigWritten{"history", QT_TRANSLATE_NOOP("history", "Konfiguration geschrieben (%1): %2; %3")};
constexpr Text kDisplayRead{"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit gelesen (%1 Felder)")};
constexpr Text kDisplayWritten{"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit geschrieben (%1): %2; %3")};
constexpr Text kDialog{"history", QT_TRANSLATE_NOOP("history", "Dialog")};
constexpr Text kFile{"history", QT_TRANSLATE_NOOP("history", "Datei %1")};
constexpr Text kNothingChanged{"history", QT_TRANSLATE_NOOP("history", "keine Änderung")};
constexpr Text kMore{"history", QT_TRANSLATE_NOOP("history", " und %1 weitere")};
constexpr Text kComplete{"history", QT_TRANSLATE_NOOP("history", "vollständig")};
constexpr Text kIncomplete{"history", QT_TRANSLATE_NOOP("history", "unvollständig, %1 ohne Antwort")};
constexpr Text kLoggerRead{"history",
                           QT_TRANSLATE_NOOP("history", "Datenlogger ausgelesen: %1 von %2 Datensätzen in %3")};
constexpr Text kLoggerSpan{"history", QT_TRANSLATE_NOOP("history", " (%1 bis %2)")};
constexpr Text kLoggerCleared{"history", QT_TRANSLATE_NOOP("history", "Datenlogger gelöscht")};
constexpr Text kLoggerNotCleared{"history", QT_TRANSLATE_NOOP("history", "Datenlogger löschen ohne Antwort")};
constexpr Text kClockSet{"history", QT_TRANSLATE_NOOP("history", "Uhr gestellt auf %1")};
constexpr Text kClockWas{"history", QT_TRANSLATE_NOOP("history", " (vorher %1)")};
constexpr Text kClockNoAnswer{"history", QT_TRANSLATE_NOOP("history", " ohne Antwort")};
constexpr Text kParametrization{"history",
                                QT_TRANSLATE_NOOP("history", "Parametrierung: %1 Abgleichwerte geschrieben")};
constexpr Text kDisplayUnit{"history", QT_TRANSLATE_NOOP("history", " (Anzeigeeinheit)")};
constexpr Text kLive{"history", QT_TRANSLATE_NOOP("history", "Messung: %1 Messzyklen")};
constexpr Text kContrast{"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit: Kontrast auf %1 gestellt; %2")};

struct ProcedureEntry {
  const char* code;
  Text name;
};
constexpr ProcedureEntry kProcedures[] = {
    {"ph-two-point", {"history", QT_TRANSLATE_NOOP("history", "Zweipunkt pH")}},
    {"redox", {"history", QT_TRANSLATE_NOOP("history", "Redox-Offset")}},
    {"cell-constant", {"history", QT_TRANSLATE_NOOP("history", "Zellkonstante")}},
    {"cell-constant-4", {"history", QT_TRANSLATE_NOOP("history", "Zellkonstante (4 Elektroden)")}},
    {"oxygen-slope", {"history", QT_TRANSLATE_NOOP("history", "Sauerstoff-Steilheit")}},
    {"air-pressure", {"history", QT_TRANSLATE_NOOP("history", "Luftdruck")}},
    {"ise-two-point", {"history", QT_TRANSLATE_NOOP("history", "Zweipunkt ISE")}},
    {"chlorine-linear", {"history", QT_TRANSLATE_NOOP("history", "Chlor linear")}},
    {"chlorine-slope", {"history", QT_TRANSLATE_NOOP("history", "Chlor-Steilheit")}},
    {"ph-compensation", {"history", QT_TRANSLATE_NOOP("history", "pH-Kompensation")}},
    {"saturation", {"history", QT_TRANSLATE_NOOP("history", "Sättigung")}},
};

std::string JsonText(const QJsonValue& v) {
  if (v.isString()) return v.toString().toStdString();
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isBool()) return v.toBool() ? "1" : "0";
  return "-";
}

std::string KindText(int kind) { return kind < 0 ? std::string("-") : std::to_string(kind); }

std::string ModuleSummary(const Event& e, Language l) {
  const QJsonObject previous = e.details.value("previous").toObject();
  if (previous.isEmpty())
    return platform::Fill(Tr(l, kNewModule), e.type, e.type > 0 ? types::TypeName(e.type - 1, l).c_str() : "-",
                          KindText(e.deviceKind), e.firmware.empty() ? "-" : e.firmware);
  std::string changes;
  const auto change = [&](const std::string& what, const std::string& before, const std::string& after) {
    if (before == after) return;
    if (!changes.empty()) changes += ", ";
    changes += what + " " + before + " → " + after;
  };
  change(Tr(l, kTypeWord), std::to_string(previous.value("type").toInt()), std::to_string(e.type));
  change(Tr(l, kKindWord), KindText(previous.value("device_kind").toInt(-1)), KindText(e.deviceKind));
  change(Tr(l, kFirmwareWord), previous.value("firmware").toString().toStdString(), e.firmware);
  return platform::Fill(Tr(l, kChangedModule), changes);
}

std::string CalibrationSummary(const Event& e, Language l) {
  const QJsonObject& d = e.details;
  const std::string outcome = d.value("outcome").toString().toStdString();
  std::string text = outcome == "saved"       ? Tr(l, kSaved)
                     : outcome == "discarded" ? Tr(l, kDiscarded)
                     : outcome == "line-lost" ? Tr(l, kLineLost)
                     : outcome == "cancelled" ? Tr(l, kCancelledCalibration)
                                              : Tr(l, kRefused);
  text += ", ";
  text += d.value("plausible").toBool() ? Tr(l, kPassed) : Tr(l, kNotPlausible);
  const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
  for (int n = 0; n < 4 && n < before.size() && n < after.size(); ++n) {
    if (before[n].toDouble() == after[n].toDouble()) continue;
    std::string label = e.type > 0 ? types::CalibrationLabel(e.type - 1, n + 1, l) : std::string();
    if (label.empty()) label = "K" + std::to_string(n + 1);
    text += "; " + label + " " + JsonText(before[n]) + " → " + JsonText(after[n]);
  }
  return platform::Fill(Tr(l, kCalibration), ProcedureName(d.value("procedure").toString().toStdString(), l), text);
}

std::string Changes(const QJsonObject& d, Language l, const FieldName& name) {
  const QJsonArray changed = d.value("changed").toArray();
  if (changed.isEmpty()) return Tr(l, kNothingChanged);
  std::string text;
  constexpr int kShown = 3;
  for (int i = 0; i < changed.size() && i < kShown; ++i) {
    const QJsonObject c = changed[i].toObject();
    if (i > 0) text += ", ";
    const std::string key = JsonText(c.value("key"));
    const std::string label = name ? name(key) : std::string();
    text += (label.empty() ? key : label) + " " + JsonText(c.value("before")) + " → " + JsonText(c.value("after"));
  }
  if (changed.size() > kShown) text += platform::Fill(Tr(l, kMore), static_cast<int>(changed.size()) - kShown);
  return text;
}

std::string WriteSummary(const Text& format, const Event& e, Language l, const FieldName& name = {}) {
  const QJsonObject& d = e.details;
  const std::string source = d.value("source").toString() == "file"
                                 ? platform::Fill(Tr(l, kFile), d.value("file").toString().toStdString())
                                 : std::string(Tr(l, kDialog));
  const std::string complete = d.value("complete").toBool()
                                   ? std::string(Tr(l, kComplete))
                                   : platform::Fill(Tr(l, kIncomplete), d.value("unanswered").toInt());
  if (d.value("source").toString() == "contrast") {
    const QJsonArray changed = d.value("changed").toArray();
    return platform::Fill(Tr(l, kContrast), changed.isEmpty() ? "-" : JsonText(changed[0].toObject().value("after")),
                          complete);
  }
  return platform::Fill(Tr(l, format), source, Changes(d, l, name), complete);
}

std::string OfDisplay(const QJsonObject& d, Language l) {
  return d.value("source").toString() == "display" ? Tr(l, kDisplayUnit) : "";
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
    if (code == p.code) return Tr(l, p.name);
  return code;
}

std::string Summary(const Event& e, Language l) { return Summary(e, l, {}); }

std::string Summary(const Event& e, Language l, const FieldName& fieldName) {
  const QJsonObject& d = e.details;
  const std::string& k = e.kind;
  if (k == kModuleKind) return ModuleSummary(e, l);
  if (k == kCalibrationKind) return CalibrationSummary(e, l);
  if (k == kConfigReadKind)
    return platform::Fill(Tr(l, kConfigRead), static_cast<int>(d.value("fields").toObject().size()));
  if (k == kConfigWriteKind) return WriteSummary(kConfigWritten, e, l, fieldName);
  if (k == kDisplayReadKind)
    return platform::Fill(Tr(l, kDisplayRead), static_cast<int>(d.value("fields").toObject().size()));
  if (k == kDisplayWriteKind) return WriteSummary(kDisplayWritten, e, l);
  if (k == kLoggerReadKind)
    return platform::Fill(Tr(l, kLoggerRead), d.value("records").toInt(), d.value("announced").toInt(),
                          d.value("file").toString().toStdString()) +
           (d.contains("first")
                ? platform::Fill(Tr(l, kLoggerSpan), platform::ShownRecordTime(d.value("first").toString(), l),
                                 platform::ShownRecordTime(d.value("last").toString(), l))
                : std::string()) +
           OfDisplay(d, l);
  if (k == kLoggerClearKind)
    return std::string(d.value("cleared").toBool() ? Tr(l, kLoggerCleared) : Tr(l, kLoggerNotCleared)) +
           OfDisplay(d, l);
  if (k == kClockSetKind) {
    std::string text = platform::Fill(Tr(l, kClockSet), platform::ShownRecordTime(d.value("set").toString(), l));
    if (d.contains("before"))
      text += platform::Fill(Tr(l, kClockWas), platform::ShownRecordTime(d.value("before").toString(), l));
    if (!d.value("acknowledged").toBool()) text += Tr(l, kClockNoAnswer);
    return text + OfDisplay(d, l);
  }
  if (k == kParametrizationKind)
    return platform::Fill(Tr(l, kParametrization), static_cast<int>(d.value("adjustments").toArray().size()));
  if (k == kLiveKind) return platform::Fill(Tr(l, kLive), d.value("chains").toInt());
  // A kind of a newer program: shown as what it is.
  return k;
}

std::string VerificationText(const Verification& v, Language l) {
  const auto events = static_cast<long long>(v.events);
  if (v.intact()) return platform::Fill(Tr(l, kIntact), events);
  std::vector<std::string> lines;
  for (const Rollback& r : v.rollbacks) {
    QString sentence = QString::fromStdString(RollbackText(r, l));
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toLower();
    lines.push_back(platform::Fill(Tr(l, kEventsPrefix), events, sentence));
  }
  if (v.broken) {
    const ChainBreak& b = *v.broken;
    std::string why;
    switch (b.problem) {
      case ChainBreak::Problem::kHashMismatch: why = Tr(l, kHashMismatch); break;
      case ChainBreak::Problem::kMissingPredecessor: why = Tr(l, kMissing); break;
      case ChainBreak::Problem::kOutOfOrder:
        why = platform::Fill(Tr(l, kMoved), static_cast<long long>(b.predecessorSeq));
        break;
      case ChainBreak::Problem::kInserted:
        why = platform::Fill(Tr(l, kInserted), static_cast<long long>(b.predecessorSeq));
        break;
    }
    lines.push_back(platform::Fill(Tr(l, kBroken), events, static_cast<long long>(b.event.seq),
                                   LocalText(b.event.timeMs), ShownIdentity(b.event.identity),
                                   platform::ShownText(b.event.kind), why));
  }
  if (!v.damage.empty()) lines.push_back(platform::Fill(Tr(l, kDamage), events, v.damage));
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
    text = r.found ? platform::Fill(Tr(l, kGivenDiffers), seq, ShortHash(*r.found), hash, where)
                   : platform::Fill(Tr(l, kGivenMissing), seq, hash, where);
  } else {
    const std::string seen = LocalText(r.expected.seenMs);
    const char* program = r.expected.program.c_str();
    text = r.found ? platform::Fill(Tr(l, kHeadDiffers), seq, ShortHash(*r.found), hash, program, seen, where)
                   : platform::Fill(Tr(l, kHeadMissing), seq, hash, program, seen, where);
  }
  return Tr(l, kRolledBack) + text;
}

std::string NotRecordedText(const std::vector<NotRecorded>& failures, Language l) {
  if (failures.empty()) return {};
  std::string what;
  for (const NotRecorded& f : failures) {
    if (!what.empty()) what += ", ";
    what += f.identity.empty() && f.address < 0
                ? f.kind
                : platform::Fill(Tr(l, kOfModule), f.kind, ShownIdentity(f.identity), f.address);
  }
  const NotRecorded& last = failures.back();
  const char* store = last.store.c_str();
  std::string why;
  switch (last.failure) {
    case store::OpenFailure::kLocked: why = platform::Fill(Tr(l, kLocked), store); break;
    case store::OpenFailure::kNotDatabase: why = platform::Fill(Tr(l, kDamaged), store); break;
    case store::OpenFailure::kNewerSchema: why = platform::Fill(Tr(l, kNewer), store); break;
    case store::OpenFailure::kUnreachable: why = platform::Fill(Tr(l, kCannotOpen), store, last.reason); break;
    case store::OpenFailure::kNone:
    case store::OpenFailure::kFailed: why = platform::Fill(Tr(l, kCannotWrite), store, last.reason); break;
  }
  return platform::Fill(Tr(l, kNotRecorded), what) + "\n" + why + "\n" + Tr(l, kTryAgain);
}

}  // namespace korvane::history
