#include "calibration/AssistedSteps.h"

#include <cmath>

#include "calibration/CalibrationTexts.h"
#include "calibration/PointSession.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"
#include "types/ProcedureNames.h"
#include "types/Texts.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kAssistantTitle{"calibration", QT_TRANSLATE_NOOP("calibration", "Kalibrierung: %1 – %2")};
constexpr Text kRecognised{"calibration", QT_TRANSLATE_NOOP("calibration", "Puffer %1 (%2) erkannt: pH %3 bei %4 °C.")};
constexpr Text kOutsideTable{
    "calibration",
    QT_TRANSLATE_NOOP(
        "calibration",
        "Puffer %1 erkannt, doch seine Tabelle reicht nur von %2 bis %3 °C, nicht bis %4 °C: bitte den Wert von der "
        "Flasche eingeben.")};
constexpr Text kNoTable{
    "calibration",
    QT_TRANSLATE_NOOP("calibration",
                      "Puffer %1 erkannt, doch für ihn ist keine Tabelle hinterlegt: bitte den Wert eingeben.")};
constexpr Text kNoBuffer{
    "calibration",
    QT_TRANSLATE_NOOP("calibration",
                      "Kein Puffer des Satzes „%1“ passt zu %2 mV (etwa pH %3): bitte den Wert eingeben.")};
constexpr Text kEmptySet{
    "calibration",
    QT_TRANSLATE_NOOP("calibration",
                      "Der Satz „%1“ hat keine Puffer (korvane-buffers.conf): bitte den Wert eingeben.")};
constexpr Text kLastUsed{"calibration", QT_TRANSLATE_NOOP("calibration", "Zuletzt bei diesem Modul verwendet.")};
constexpr Text kCaptured{"calibration", QT_TRANSLATE_NOOP("calibration", "Vom Modul gemessen.")};
constexpr Text kSameBuffer{"calibration", QT_TRANSLATE_NOOP("calibration", "Gleicher Puffer (%1) wie beim 1. Punkt!")};
constexpr Text kSameSolution{
    "calibration",
    QT_TRANSLATE_NOOP("calibration", "Gleiche Lösung wie beim 1. Punkt? Der Messwert hat sich kaum geändert.")};
constexpr Text kSaveImplausible{
    "calibration", QT_TRANSLATE_NOOP("calibration", "Das Ergebnis ist nicht plausibel. Trotzdem im Modul speichern?")};
constexpr Text kEqualPoints{"calibration",
                            QT_TRANSLATE_NOOP("calibration", "Beide Punkte sind gleich (Messwert oder Referenz).")};
constexpr Text kRefusedPressure{
    "calibration", QT_TRANSLATE_NOOP("calibration", "Der Luftdruck muss zwischen 800 und 1200 hPa liegen.")};
constexpr Text kUnusableValues{
    "calibration", QT_TRANSLATE_NOOP("calibration", "Die Werte ergeben keine Zahl; nichts kann gespeichert werden.")};
constexpr Text kEndSaved{"calibration", QT_TRANSLATE_NOOP("calibration", "Gespeichert.")};
constexpr Text kEndDiscarded{"calibration",
                             QT_TRANSLATE_NOOP("calibration", "Nicht gespeichert: das Modul behält seine Werte.")};
constexpr Text kEndNoResult{"calibration",
                            QT_TRANSLATE_NOOP("calibration", "Kein Ergebnis: das Modul behält seine Werte.")};
constexpr Text kEndCancelled{"calibration", QT_TRANSLATE_NOOP("calibration", "Abgebrochen: nichts wurde geschrieben.")};
constexpr Text kEndLineLost{"calibration",
                            QT_TRANSLATE_NOOP("calibration", "Verbindung verloren: nichts wurde geschrieben.")};

float Thousandths(double v) { return static_cast<float>(std::round(v * 1000.0) / 1000.0); }

}  // namespace

AssistedSteps::AssistedSteps(link::Link& link, const link::FlowContext& context, AssistantParts& parts)
    : link_(link), context_(context), parts_(parts), lang_(context.language) {}

void AssistedSteps::Begin(const std::string& procedure, int typeIndex, int points) {
  procedure_ = procedure;
  type_ = typeIndex;
  AssistantStart s;
  s.title = platform::Fill(Tr(lang_, kAssistantTitle), types::TypeName(typeIndex, lang_),
                           types::ProcedureName(procedure, lang_));
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
    g.text = platform::Fill(Tr(lang_, kEmptySet), setName);
    return g;
  }
  const Recognition rec = Recognise(*set, r.line, mv, t);
  if (rec.index < 0) {
    g.text = platform::Fill(Tr(lang_, kNoBuffer), setName, platform::StringPrintf("%.1f", mv),
                            platform::StringPrintf("%.2f", rec.measuredPh));
    return g;
  }
  g.buffer = set->buffers[static_cast<std::size_t>(rec.index)].name;
  if (rec.value.ph) {
    g.value = Thousandths(*rec.value.ph);
    g.text = platform::Fill(Tr(lang_, kRecognised), g.buffer, setName,
                            platform::StringPrintf("%.3f", static_cast<double>(*g.value)),
                            platform::StringPrintf("%.1f", t));
  } else if (rec.value.gap == BufferGap::kNoTable) {
    g.text = platform::Fill(Tr(lang_, kNoTable), g.buffer);
  } else {
    g.text = platform::Fill(Tr(lang_, kOutsideTable), g.buffer, rec.value.low, rec.value.high,
                            platform::StringPrintf("%.1f", t));
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
        return platform::Fill(Tr(lang_, kSameBuffer), set->buffers[static_cast<std::size_t>(now.index)].name);
    }
    return SameSolution(r.line, first_->watched, watched, values_[5]) ? Tr(lang_, kSameSolution) : "";
  }
  return std::fabs(watched - first_->watched) < LeaveBy(r, first_->watched) ? Tr(lang_, kSameSolution) : "";
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
  s.instruction = r.text ? Tr(lang_, *r.text) : Tr(lang_, kWaitStable);
  if (r.text) s.hint = Tr(lang_, kWaitStable);
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
      Tell(Tr(lang_, types::kModuleSilent));
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
    q.presetText = Tr(lang_, kCaptured);
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
    if (last) q.presetText = Tr(lang_, kLastUsed);
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
  const Text& why = v == Verdict::kEqual ? kEqualPoints : v == Verdict::kRefused ? kRefusedPressure : kUnusableValues;
  Tell(std::string(Tr(lang_, kCalibrationError)) + "\n" + Tr(lang_, why));
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
    v.verdict = Tr(lang_, kCalibrationError);
    for (const std::string& b : v.judgement.breaches) v.verdict += "\n" + b;
  }
  v.printCertificate = Printer();
  while (true) {
    if (parts_.ui->ShowResult(v) == ResultChoice::kExit) return false;
    if (o.verdict == Verdict::kPlausible || parts_.ui->ConfirmImplausibleSave(Tr(lang_, kSaveImplausible))) return true;
  }
}

void AssistedSteps::Tell(const std::string& text) { parts_.ui->Tell(text); }

void AssistedSteps::End(const std::string& outcome) {
  const Text& text = outcome == "saved"       ? kEndSaved
                     : outcome == "discarded" ? kEndDiscarded
                     : outcome == "cancelled" ? kEndCancelled
                     : outcome == "line-lost" ? kEndLineLost
                                              : kEndNoResult;
  parts_.ui->End(Tr(lang_, text), Printer());
}

}  // namespace korvane::calibration
