#include "calibration/Calibrate.h"

#include <memory>

#include "calibration/AssistedSteps.h"
#include "calibration/CalibrationStore.h"
#include "calibration/CalibrationTexts.h"
#include "calibration/ClassicSteps.h"
#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/CalibrationLimits.h"
#include "types/CalibrationStatus.h"
#include "types/Catalogue.h"

namespace korvane::calibration {
namespace {

class Procedure {
 public:
  Procedure(link::Link& link, const link::FlowContext& context, platform::Ui& ui, CalibrationUi& dialogs,
            CalibrationHost& host, AssistantParts* assistant)
      : link_(link),
        context_(context),
        ui_(ui),
        host_(host),
        lang_(context.language),
        dialogs_(dialogs),
        classic_(link, ui, dialogs, lang_) {
    if (assistant && assistant->ui) {
      assisted_ = std::make_unique<AssistedSteps>(link, context, *assistant);
      assisted_->setRecord([this] { return BuildRecord(); });
      steps_ = assisted_.get();
    } else {
      steps_ = &classic_;
    }
  }

  CalibrationRun Run() {
    CalibrationRun run;
    // The whole procedure holds the line: its polls and writes are its own.
    const link::LineLease line = link_.TakeLine();
    if (!line) return run;
    if (!link_.OpenPort(lang_)) {
      ui_.Message(link_.openMessage());
      return run;
    }
    if (!link_.Read(context_.address, link::kType)) {
      ui_.Message(link_.commErrorMessage(lang_));
      return run;
    }
    run.answered = true;
    for (link::Parameter p : link::kCalibrationValues)
      link_.Read(context_.address, p);  // a missing value keeps what it held
    if (LineLost()) return run;
    type_ = link_.module().typeIndex;
    before_ = K();
    keyBefore_ = link_.module().calibrationKey;
    host_.SetChannelCaptions(type_);
    host_.StartPolling();
    Branch();
    Finish();
    Record();
    if (procedure_) steps_->End(outcome_);
    run.procedure = procedure_ ? procedure_ : "";
    run.outcome = outcome_;
    run.typeIndex = type_;
    run.before = before_;
    run.keyBefore = keyBefore_;
    run.verdict = verdict_;
    return run;
  }

 private:
  void Branch() {
    switch (types::MeasurementType(type_).traits().procedure) {
      case types::Procedure::kTwoPointPh: return RunBranch("ph-two-point", 2, &Procedure::TwoPointPhBranch);
      case types::Procedure::kRedox: return RunBranch("redox", 1, &Procedure::RedoxBranch);
      case types::Procedure::kCellConstant2: return RunBranch("cell-constant", 1, &Procedure::CellConstant2Branch);
      case types::Procedure::kCellConstant4: return RunBranch("cell-constant-4", 1, &Procedure::CellConstant4Branch);
      case types::Procedure::kOxygenOrAirPressure:
        if (dialogs().Choose(Tr(lang_, kOxygen), Tr(lang_, kAirPressure)) == Choice::kSecond)
          return RunBranch("air-pressure", 1, &Procedure::AirPressureBranch);
        return RunBranch("oxygen-slope", 1, &Procedure::OxygenSlopeBranch);
      case types::Procedure::kIse: return RunBranch("ise-two-point", 2, &Procedure::IseBranch);
      case types::Procedure::kLinearChlorine: return RunBranch("chlorine-linear", 1, &Procedure::LinearChlorineBranch);
      case types::Procedure::kChlorineOrPh:
        if (dialogs().Choose(Tr(lang_, kChlorine), kPh) == Choice::kSecond)
          return RunBranch("ph-compensation", 2, &Procedure::PhCompensationBranch);
        return RunBranch("chlorine-slope", 1, &Procedure::ChlorineSlopeBranch);
      case types::Procedure::kSaturationOrAirPressure:
        if (dialogs().Choose(Tr(lang_, kOxygen), Tr(lang_, kAirPressure)) == Choice::kSecond)
          return RunBranch("air-pressure", 1, &Procedure::AirPressureBranch);
        return RunBranch("saturation", 1, &Procedure::SaturationBranch);
      case types::Procedure::kNone: return;  // only the status line is refreshed
    }
  }

  void RunBranch(const char* procedure, int points, void (Procedure::*branch)()) {
    procedure_ = procedure;
    steps_->Begin(procedure, type_, points);
    (this->*branch)();
  }
  void CellConstant2Branch() { CellConstantBranch(false); }
  void CellConstant4Branch() { CellConstantBranch(true); }

  // --- measuring points --------------------------------------------------------------
  CalibrationUi& dialogs() { return dialogs_; }
  float Measured(int channel) const { return steps_->Measured(channel); }
  KValues K() const { return link_.module().calibration; }
  std::string Label(int n) const { return types::CalibrationLabel(type_, n, lang_); }

  // A point: its text, a value the sensor settled at, and the entry of its reference;
  // nothing when the user gave up or the line went (the procedure ends).
  std::optional<float> Point(const platform::Text* text, int point, int capture, int watch, float* captured,
                             int unitChannel, CriterionGroup group, bool phBuffers = false, ElectrodeLine line = {}) {
    PointRequest r;
    r.text = text;
    r.point = point;
    r.captureChannel = capture;
    r.watchChannel = watch;
    r.prompt = Tr(lang_, kBufferPrompt);
    r.unit = types::ChannelUnit(type_, unitChannel);
    r.group = group;
    r.phBuffers = phBuffers;
    r.line = line;
    return Take(r, captured);
  }
  std::optional<float> Take(const PointRequest& r, float* captured) {
    const PointResult p = steps_->Point(r);
    if (!p.taken) {
      outcome_ = assisted_ && assisted_->stopped() == "line-lost" ? "line-lost" : "cancelled";
      return std::nullopt;
    }
    if (captured) *captured = p.captured;
    points_.append(p.record);
    return p.reference;
  }

  // The device went away (adapter pulled, simulator closed): the measured values are
  // stale and nothing could be stored, so the user is told instead.
  bool LineLost() {
    if (link_.portOpen()) return false;
    ui_.Message(link_.commErrorMessage(lang_));
    return true;
  }

  // Stores what a formula produced and tells the user about a doubtful result; false
  // when the procedure ends without result dialog.
  bool Accept(const Outcome& o) {
    if (LineLost()) {
      outcome_ = "line-lost";
      return false;
    }
    verdict_ = o.verdict;
    after_ = o.k;
    outcome_ = "refused";
    link_.module().calibration = o.k;
    switch (o.verdict) {
      case Verdict::kPlausible: return true;
      case Verdict::kImplausible: steps_->CalibrationError(o.verdict); return true;
      case Verdict::kEqual:
      case Verdict::kRefused:
      case Verdict::kUnusable: steps_->CalibrationError(o.verdict); return false;
    }
    return false;
  }

  void Offer(std::array<std::string, 3> labels, std::array<std::string, 3> values) {
    ResultOffer offer;
    offer.rows.saveCaption = Tr(lang_, kSave);
    offer.rows.exitCaption = Tr(lang_, kExit);
    offer.rows.labels = std::move(labels);
    offer.rows.values = std::move(values);
    offer.procedure = procedure_;
    offer.typeIndex = type_;
    offer.before = before_;
    offer.after = K();
    offer.slope = slope_;
    offer.verdict = verdict_.value_or(Verdict::kPlausible);
    outcome_ = "discarded";
    if (!steps_->Offer(offer)) return;
    const link::WriteReport report = WriteCalibrationSet(link_, ui_, context_);
    outcome_ = "saved";
    write_ = report;
    if (LineLost()) return;
    if (!report.ok()) steps_->Tell(link::WriteReportText(report, lang_));
  }

  // --- procedures ----------------------------------------------------------------------
  ElectrodeLine ModuleLine(int offset, float slope) const {
    return UsableLine(K()[static_cast<std::size_t>(offset)], slope);
  }

  void TwoPointPhBranch() {
    float u1 = 0, u2 = 0;
    const ElectrodeLine line = ModuleLine(0, K()[1]);
    const auto b1 = Point(&kFirstPoint, 1, 2, 2, &u1, 1, CriterionGroup::kPh, true, line);
    if (!b1) return;
    const auto b2 = Point(&kSecondPoint, 2, 2, 2, &u2, 1, CriterionGroup::kPh, true, line);
    if (!b2) return;
    host_.StopPolling();
    if (!Accept(TwoPointPh(K(), u1, u2, *b1, *b2, Measured(6)))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), ""}, {FormatNumber("%.1f mV", k[0]), FormatNumber("%.1f mV/pH", k[1]), ""});
  }

  void RedoxBranch() {
    const auto b1 = Point(&kSinglePoint, 0, 0, 1, nullptr, 1, CriterionGroup::kRedox);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(RedoxOffset(K(), Measured(1), *b1))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f mV", K()[0]), "", ""});
  }

  void CellConstantBranch(bool fourChannel) {
    float u1 = 0;
    const auto b1 = Point(&kSinglePoint, 0, 1, 1, &u1, 1, CriterionGroup::kConductivity);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(CellConstant(K(), u1, *b1, fourChannel))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), ""}, {FormatNumber("%.2f 1/cm", k[0]), FormatNumber("%.2f %%/K", k[1]), ""});
  }

  void OxygenSlopeBranch() {
    const auto b1 = Point(&kSinglePoint, 0, 0, 3, nullptr, 1, CriterionGroup::kOxygen);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(OxygenSlope(K(), *b1, Measured(3), Measured(5), Measured(6)))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), Label(3)},
          {FormatNumber("%.1f nA/100%%", k[0]), FormatNumber("%.0f ", k[1]), FormatNumber("%.0f ", k[2])});
  }

  void AirPressureBranch() {
    PointRequest r;
    r.captureChannel = 5;
    r.watchChannel = 5;
    r.prompt = Tr(lang_, kPressurePrompt);
    r.unit = kPressureUnit;
    r.presetFromCapture = true;
    r.group = CriterionGroup::kOxygen;
    float u1 = 0;
    const auto p = Take(r, &u1);
    if (!p) return;
    host_.StopPolling();
    if (!Accept(AirPressure(K(), u1, *p))) return;
    Offer({"", Tr(lang_, kAirPressure), ""}, {"", FormatNumber("%.0f hPa", *p), ""});
  }

  void IseBranch() {
    float u1 = 0, u2 = 0;
    const auto b1 = Point(&kFirstPoint, 1, 1, 1, &u1, 2, CriterionGroup::kIse);
    if (!b1) return;
    const auto b2 = Point(&kSecondPoint, 2, 1, 1, &u2, 2, CriterionGroup::kIse);
    if (!b2) return;
    host_.StopPolling();
    if (!Accept(TwoPointIse(K(), u1, u2, *b1, *b2))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), Label(3)},
          {FormatNumber("%.1f mV/ppm", k[0]), FormatNumber("%.1f mV", k[1]), FormatNumber("%.1f mV", k[2])});
  }

  void LinearChlorineBranch() {
    const auto b1 = Point(&kSinglePoint, 0, 0, 2, nullptr, 1, CriterionGroup::kChlorine);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(LinearChlorine(K(), *b1, Measured(2)))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f mg/l / mA", K()[0]), "", ""});
  }

  void ChlorineSlopeBranch() {
    float u1 = 0;
    const auto b1 = Point(&kSinglePoint, 0, 1, 1, &u1, 1, CriterionGroup::kChlorine);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(ChlorineSlope(K(), u1, *b1))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f nA/mg", K()[0]), "", ""});
  }

  void PhCompensationBranch() {
    float u1 = 0, u2 = 0;
    // The slope of this type is not kept in the module: the buffers are told on the ideal slope.
    const ElectrodeLine line = ModuleLine(2, kNernstSlope25);
    const auto b1 = Point(&kFirstPoint, 1, 4, 4, &u1, 2, CriterionGroup::kPh, true, line);
    if (!b1) return;
    const auto b2 = Point(&kSecondPoint, 2, 4, 4, &u2, 2, CriterionGroup::kPh, true, line);
    if (!b2) return;
    host_.StopPolling();
    const Outcome o = PhCompensation(K(), u1, u2, *b1, *b2, Measured(6));
    slope_ = o.slope;
    if (!Accept(o)) {
      slope_.reset();
      return;
    }
    // The slope has no calibration value of its own; it is kept with the module's
    // first key value and is not written by the save.
    link_.module().calibrationKey[0] = o.slope;
    Offer({Label(3), Label(4), ""}, {FormatNumber("%.1f mV", K()[2]), FormatNumber("%.1f mV/pH", o.slope), ""});
  }

  void SaturationBranch() {
    const auto b1 = Point(&kSinglePoint, 0, 0, 1, nullptr, 1, CriterionGroup::kOxygen);
    if (!b1) return;
    host_.StopPolling();
    if (!Accept(SaturationFactor(K(), *b1, Measured(1)))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f %%", K()[0]), "", ""});
  }

  static const char* VerdictName(Verdict v) {
    switch (v) {
      case Verdict::kPlausible: return "plausible";
      case Verdict::kImplausible: return "implausible";
      case Verdict::kEqual: return "equal";
      case Verdict::kRefused: return "refused";
      case Verdict::kUnusable: return "unusable";
    }
    return "";
  }
  static QJsonArray Values(const KValues& k) {
    QJsonArray a;
    for (float v : k) a.append(link::FlowNumber(v));
    return a;
  }

  // What the calibration did, as its record says it.
  link::FlowRecord BuildRecord() const {
    link::FlowRecord r;
    r.kind = "calibration";
    r.module.type = type_ + 1;
    QJsonObject& d = r.details;
    d["procedure"] = procedure_ ? procedure_ : "";
    d["points"] = points_;
    d["before"] = Values(before_);
    d["after"] = Values(after_.value_or(before_));
    if (verdict_) d["verdict"] = VerdictName(*verdict_);
    d["plausible"] = verdict_ == Verdict::kPlausible;
    d["outcome"] = outcome_;
    if (slope_) d["slope"] = link::FlowNumber(*slope_);
    if (write_)
      d["write"] = QJsonObject{
          {"acknowledged", write_->acknowledged}, {"unanswered", write_->unanswered}, {"complete", write_->ok()}};
    if (assisted_) {
      d["mode"] = "assistant";
      d["limits"] = Limits();
    }
    return r;
  }
  // The plausibility ranges the result was judged against.
  QJsonArray Limits() const {
    QJsonArray a;
    for (const types::PlausibleRange& r : types::PlausibleRanges(procedure_ ? procedure_ : ""))
      a.append(QJsonObject{{"value", r.value}, {"low", r.low}, {"high", r.high}});
    if (procedure_ && std::string(procedure_) == "ph-compensation")
      a.append(QJsonObject{{"value", "slope"}, {"low", types::kPhSlopeRange.low}, {"high", types::kPhSlopeRange.high}});
    return a;
  }

  // What the calibration did, for the context's log: nothing when no procedure ran.
  void Record() {
    if (!procedure_) return;
    link::RecordFlow(link_, context_, BuildRecord());
  }

  void Finish() {
    host_.StopPolling();
    host_.ClearValueDisplay();
    host_.SetStatusLine(CalibrationStatusText(type_, lang_, K()));
  }

  link::Link& link_;
  const link::FlowContext& context_;
  platform::Ui& ui_;
  CalibrationHost& host_;
  const Language lang_;
  CalibrationUi& dialogs_;
  ClassicSteps classic_;
  std::unique_ptr<AssistedSteps> assisted_;
  CalibrationSteps* steps_ = nullptr;
  int type_ = 0;
  // The record of the run.
  const char* procedure_ = nullptr;
  KValues before_{};
  std::array<float, 2> keyBefore_{};
  std::optional<KValues> after_;
  std::optional<Verdict> verdict_;
  std::optional<float> slope_;
  std::optional<link::WriteReport> write_;
  QJsonArray points_;
  const char* outcome_ = "refused";
};

}  // namespace

std::string FormatNumber(const char* format, double value) {
  return platform::WithoutNegativeZero(platform::StringPrintf(format, value));
}

std::string CalibrationStatusText(int typeIndex, Language language, const KValues& k) {
  return types::CalibrationStatusLine(typeIndex, language, k, 3);
}

CalibrationRun Calibrate(link::Link& link, const link::FlowContext& context, platform::Ui& ui, CalibrationUi& dialogs,
                         CalibrationHost& host, AssistantParts* assistant) {
  return Procedure(link, context, ui, dialogs, host, assistant).Run();
}

}  // namespace korvane::calibration
