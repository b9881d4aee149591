#include "calibration/AssistedSteps.h"

#include <cmath>

#include "calibration/CalibrationTexts.h"
#include "calibration/PointSession.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "types/Catalogue.h"
#include "types/ProcedureNames.h"
#include "types/Texts.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kAssistantTitle{"Kalibrierung: %s – %s", "Calibration: %s – %s"};
constexpr TextPair kRecognised{"Puffer %s (%s) erkannt: pH %.3f bei %.1f °C.",
                               "Buffer %s (%s) recognised: pH %.3f at %.1f °C."};
constexpr TextPair kOutsideTable{
    "Puffer %s erkannt, doch seine Tabelle reicht nur von %g bis %g °C, nicht bis %.1f °C: bitte den Wert von der "
    "Flasche eingeben.",
    "Buffer %s recognised, but its table only covers %g to %g °C, not %.1f °C: please type the value from the "
    "bottle."};
constexpr TextPair kNoTable{"Puffer %s erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.",
                            "Buffer %s recognised, but it has no table: please type the value."};
constexpr TextPair kNoBuffer{"Kein Puffer des Satzes „%s“ passt zu %.1f mV (etwa pH %.2f): bitte den Wert eingeben.",
                             "No buffer of the set \"%s\" fits %.1f mV (about pH %.2f): please type the value."};
constexpr TextPair kEmptySet{"Der Satz „%s“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.",
                             "The set \"%s\" has no buffers (korvane-buffers.conf): please type the value."};
constexpr TextPair kLastUsed{"Zuletzt bei diesem Modul verwendet.", "Last used on this module."};
constexpr TextPair kCaptured{"Vom Modul gemessen.", "Measured by the module."};
constexpr TextPair kSameBuffer{"Gleicher Puffer (%s) wie beim 1. Punkt!", "Same buffer (%s) as at the 1st point!"};
constexpr TextPair kSameSolution{"Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.",
                                 "Same solution as at the 1st point? The reading has hardly changed."};
constexpr TextPair kSaveImplausible{"Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?",
                                    "The result is not plausible. Save it in the module all the same?"};
constexpr TextPair kEqualPoints{"Beide Punkte sind gleich (Messwert oder Referenz).",
                                "Both points are the same (reading or reference)."};
constexpr TextPair kRefusedPressure{"Der Luftdruck muss zwischen 800 und 1200 hPa liegen.",
                                    "The air pressure must lie between 800 and 1200 hPa."};
constexpr TextPair kUnusableValues{"Die Werte ergeben keine Zahl; nichts kann gespeichert werden.",
                                   "The values give no number; nothing can be saved."};
constexpr TextPair kEndSaved{"Gespeichert.", "Saved."};
constexpr TextPair kEndDiscarded{"Nicht gespeichert: das Modul behält seine Werte.",
                                 "Not saved: the module keeps its values."};
constexpr TextPair kEndNoResult{"Kein Ergebnis: das Modul behält seine Werte.",
                                "No result: the module keeps its values."};
constexpr TextPair kEndCancelled{"Abgebrochen: nichts wurde geschrieben.", "Cancelled: nothing was written."};
constexpr TextPair kEndLineLost{"Verbindung verloren: nichts wurde geschrieben.",
                                "Connection lost: nothing was written."};

float Thousandths(double v) { return static_cast<float>(std::round(v * 1000.0) / 1000.0); }

}  // namespace

AssistedSteps::AssistedSteps(link::Link& link, const link::FlowContext& context, AssistantParts& parts)
    : link_(link), context_(context), parts_(parts), lang_(context.language) {}

void AssistedSteps::Begin(const std::string& procedure, int typeIndex, int points) {
  procedure_ = procedure;
  type_ = typeIndex;
  AssistantStart s;
  s.title = StringPrintf(kAssistantTitle(lang_), types::TypeName(typeIndex, lang_).c_str(),
                         types::ProcedureName(procedure, lang_).c_str());
  s.typeIndex = typeIndex;
  s.procedure = procedure;
  s.points = points;
  s.problems = parts_.problems;
  parts_.ui->Begin(s);
}

BufferGuess AssistedSteps::Guess(const PointRequest& r, const std::string& key, double mv, double t) const {
  BufferGuess g;
  const BufferSet* set = FindBufferSet(parts_.bufferSets, key);
  const std::string setName = set ? set->name(lang_) : key;
  if (!set || set->buffers.empty()) {
    g.text = StringPrintf(kEmptySet(lang_), setName.c_str());
    return g;
  }
  const Recognition rec = Recognise(*set, r.line, mv, t);
  if (rec.index < 0) {
    g.text = StringPrintf(kNoBuffer(lang_), setName.c_str(), mv, rec.measuredPh);
    return g;
  }
  g.buffer = set->buffers[static_cast<std::size_t>(rec.index)].name;
  if (rec.value.ph) {
    g.value = Thousandths(*rec.value.ph);
    g.text = StringPrintf(kRecognised(lang_), g.buffer.c_str(), setName.c_str(), static_cast<double>(*g.value), t);
  } else if (rec.value.gap == BufferGap::kNoTable) {
    g.text = StringPrintf(kNoTable(lang_), g.buffer.c_str());
  } else {
    g.text = StringPrintf(kOutsideTable(lang_), g.buffer.c_str(), rec.value.low, rec.value.high, t);
  }
  return g;
}

double AssistedSteps::LeaveBy(const PointRequest& r, double previous) const {
  // Half a pH unit, a third of a decade, or a twentieth of the value: clearly another solution.
  if (parts_.settings.For(r.group).kind == LimitKind::kPercent) return std::fabs(previous) * 0.05;
  return r.group == CriterionGroup::kPh ? 30.0 : 20.0;
}

std::string AssistedSteps::SameSolutionWarning(const PointRequest& r, double watched) const {
  if (!first_ || r.point != 2) return {};
  if (r.phBuffers) {
    const BufferSet* set = FindBufferSet(parts_.bufferSets, parts_.settings.bufferSet);
    if (set && first_->buffer >= 0) {
      const Recognition now = Recognise(*set, r.line, watched, values_[5]);
      if (now.index == first_->buffer)
        return StringPrintf(kSameBuffer(lang_), set->buffers[static_cast<std::size_t>(now.index)].name.c_str());
    }
    return SameSolution(r.line, first_->watched, watched, values_[5]) ? kSameSolution(lang_) : "";
  }
  return std::fabs(watched - first_->watched) < LeaveBy(r, first_->watched) ? kSameSolution(lang_) : "";
}

PointResult AssistedSteps::Point(const PointRequest& r) {
  PointResult p;
  SessionSetup s;
  s.channel = r.watchChannel;
  s.label = types::ChannelLabel(type_, r.watchChannel, lang_);
  s.unit = types::ChannelUnit(type_, r.watchChannel);
  // The pH compensation watches the cell voltage on a channel the catalogue leaves
  // unnamed; its criterion is in mV as the two-point pH's.
  if (s.unit.empty() && r.group == CriterionGroup::kPh) s.unit = "mV";
  s.instruction = r.text ? (*r.text)(lang_) : kWaitStable(lang_);
  if (r.text) s.hint = kWaitStable(lang_);
  s.criterion = parts_.settings.For(r.group);
  s.timeLimitSeconds = parts_.settings.timeLimitSeconds;
  s.autoAccept = parts_.settings.autoAccept;
  if (first_ && r.point == 2) {
    s.leaveFrom = first_->watched;
    s.leaveBy = LeaveBy(r, first_->watched);
  }
  PointSession session(link_, s, parts_.seconds);
  parts_.ui->RunPoint(session);
  switch (session.end()) {
    case PointSession::End::kLineLost:
      stopped_ = "line-lost";
      Tell(link_.commErrorMessage(lang_));
      return p;
    case PointSession::End::kSilent:
      // The connection to the module is gone as surely as with the line.
      stopped_ = "line-lost";
      Tell(types::kModuleSilent(lang_));
      return p;
    case PointSession::End::kCancelled: stopped_ = "cancelled"; return p;
    default: break;
  }
  // What the window changed while the point ran holds for the next points too.
  if (session.setup().autoAccept != parts_.settings.autoAccept ||
      session.setup().criterion.maxDrift != s.criterion.maxDrift ||
      session.setup().criterion.maxNoise != s.criterion.maxNoise ||
      session.setup().criterion.windowSeconds != s.criterion.windowSeconds) {
    parts_.settings.autoAccept = session.setup().autoAccept;
    parts_.settings.criteria[r.group] = session.setup().criterion;
    if (parts_.keepSettings) parts_.keepSettings(parts_.settings);
  }
  values_ = session.values();
  const double watched = session.value();
  p.captured = r.captureChannel ? values_[static_cast<std::size_t>(r.captureChannel - 1)] : 0.0f;
  p.temperature = values_[5];

  ReferenceRequest q;
  q.point = r.point;
  q.prompt = r.prompt;
  q.unit = r.unit;
  q.warning = SameSolutionWarning(r, watched);
  int buffer = -1;
  if (r.presetFromCapture) {
    q.preset = p.captured;
    q.presetText = kCaptured(lang_);
  } else if (r.phBuffers) {
    q.sets = parts_.bufferSets;
    q.set = parts_.settings.bufferSet;
    q.guess = [this, r, watched](const std::string& key) { return Guess(r, key, watched, values_[5]); };
    const BufferGuess g = q.guess(q.set);
    q.preset = g.value;
    q.presetText = g.text;
    if (const BufferSet* set = FindBufferSet(parts_.bufferSets, q.set))
      for (std::size_t i = 0; i < set->buffers.size(); ++i)
        if (set->buffers[i].name == g.buffer) buffer = static_cast<int>(i);
  } else {
    std::optional<float> last;
    if (parts_.lastReference) {
      ReferenceQuery rq;
      rq.identity = link_.module().identity;
      rq.address = context_.address;
      rq.wireType = type_ + 1;
      rq.procedure = procedure_;
      rq.point = r.point > 0 ? r.point - 1 : 0;
      last = parts_.lastReference(rq);
    }
    if (last) q.presetText = kLastUsed(lang_);
    // Nothing known: the entry shows what the previous one did, as the classic entry.
    q.preset = last ? *last : lastEntry_;
  }
  const std::optional<ReferenceAnswer> answer = parts_.ui->EnterReference(q);
  if (!answer) {
    stopped_ = "cancelled";
    return p;
  }
  p.reference = answer->value;
  lastEntry_ = answer->value;
  if (r.phBuffers && !answer->set.empty() && answer->set != parts_.settings.bufferSet) {
    parts_.settings.bufferSet = answer->set;
    if (parts_.keepSettings) parts_.keepSettings(parts_.settings);
    const BufferGuess g = Guess(r, answer->set, watched, values_[5]);
    buffer = -1;
    if (const BufferSet* set = FindBufferSet(parts_.bufferSets, answer->set))
      for (std::size_t i = 0; i < set->buffers.size(); ++i)
        if (set->buffers[i].name == g.buffer) buffer = static_cast<int>(i);
  }
  p.taken = true;
  p.record = session.Record();
  if (r.captureChannel == 0) p.record.insert("captured", QJsonValue());  // the formula reads after the entry
  p.record.insert("watched", link::FlowNumber(static_cast<float>(watched)));
  p.record.insert("reference", link::FlowNumber(p.reference));
  if (r.phBuffers) {
    p.record.insert("buffer_set", QString::fromStdString(parts_.settings.bufferSet));
    const BufferSet* set = FindBufferSet(parts_.bufferSets, parts_.settings.bufferSet);
    if (set && buffer >= 0)
      p.record.insert("buffer", QString::fromStdString(set->buffers[static_cast<std::size_t>(buffer)].name));
  }
  if (!answer->lot.empty()) p.record.insert("lot", QString::fromStdString(answer->lot));
  if (!answer->expiry.empty()) p.record.insert("expiry", QString::fromStdString(answer->expiry));
  if (r.point <= 1) first_ = Taken{watched, p.reference, buffer};
  return p;
}

void AssistedSteps::CalibrationError(Verdict v) {
  // The result view says what an implausible result broke.
  if (v == Verdict::kImplausible || v == Verdict::kPlausible) return;
  const TextPair& why = v == Verdict::kEqual     ? kEqualPoints
                        : v == Verdict::kRefused ? kRefusedPressure
                                                 : kUnusableValues;
  Tell(std::string(kCalibrationError(lang_)) + "\n" + why(lang_));
}

std::function<void()> AssistedSteps::Printer() {
  if (!parts_.printCertificate || !record_) return {};
  return [this] {
    link::FlowRecord r = record_();
    link::IdentifyRecord(link_, context_, r);
    parts_.printCertificate(r);
  };
}

bool AssistedSteps::Offer(const ResultOffer& o) {
  ResultView v;
  v.procedure = o.procedure;
  v.typeIndex = o.typeIndex;
  v.rows = o.rows;
  v.judgement = JudgeResult(o.procedure, o.typeIndex, o.before, o.after, o.slope, lang_);
  if (o.verdict != Verdict::kPlausible) {
    v.verdict = kCalibrationError(lang_);
    for (const std::string& b : v.judgement.breaches) v.verdict += "\n" + b;
  }
  v.printCertificate = Printer();
  while (true) {
    if (parts_.ui->ShowResult(v) == ResultChoice::kExit) return false;
    if (o.verdict == Verdict::kPlausible || parts_.ui->ConfirmImplausibleSave(kSaveImplausible(lang_))) return true;
  }
}

void AssistedSteps::Tell(const std::string& text) { parts_.ui->Tell(text); }

void AssistedSteps::End(const std::string& outcome) {
  const TextPair& text = outcome == "saved"       ? kEndSaved
                         : outcome == "discarded" ? kEndDiscarded
                         : outcome == "cancelled" ? kEndCancelled
                         : outcome == "line-lost" ? kEndLineLost
                                                  : kEndNoResult;
  parts_.ui->End(text(lang_), Printer());
}

}  // namespace korvane::calibration
