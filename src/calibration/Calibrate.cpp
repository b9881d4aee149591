#include "calibration/Calibrate.h"

#include "calibration/CalibrationStore.h"
#include "calibration/CalibrationTexts.h"
#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"
#include "types/CalibrationStatus.h"
#include "types/Catalogue.h"

namespace korvane::calibration {
namespace {

class Procedure {
 public:
  Procedure(link::Link& link, const link::FlowContext& context, platform::Ui& ui, CalibrationUi& dialogs,
            CalibrationHost& host)
      : link_(link), context_(context), ui_(ui), dialogs_(dialogs), host_(host), lang_(context.language) {}

  void Run() {
    // The entry keeps its value from one prompt to the next for the whole run.
    entry_ = ValueEntry{};
    // The whole procedure holds the line: its polls and writes are its own.
    const link::LineLease line = link_.TakeLine();
    if (!line) return;
    if (!link_.OpenPort(lang_)) {
      ui_.Message(link_.openMessage());
      return;
    }
    if (!link_.Read(context_.address, link::kType)) {
      ui_.Message(link_.commErrorMessage(lang_));
      return;
    }
    for (link::Parameter p : link::kCalibrationValues)
      link_.Read(context_.address, p);  // a missing value keeps what it held
    if (LineLost()) return;
    type_ = link_.module().typeIndex;
    before_ = K();
    host_.SetChannelCaptions(type_);
    host_.StartPolling();
    Branch();
    Finish();
    Record();
  }

 private:
  void Branch() {
    switch (types::MeasurementType(type_).traits().procedure) {
      case types::Procedure::kTwoPointPh: return RunBranch("ph-two-point", &Procedure::TwoPointPhBranch);
      case types::Procedure::kRedox: return RunBranch("redox", &Procedure::RedoxBranch);
      case types::Procedure::kCellConstant2: return RunBranch("cell-constant", &Procedure::CellConstant2Branch);
      case types::Procedure::kCellConstant4: return RunBranch("cell-constant-4", &Procedure::CellConstant4Branch);
      case types::Procedure::kOxygenOrAirPressure:
        if (dialogs_.Choose(kOxygen(lang_), kAirPressure(lang_)) == Choice::kSecond)
          return RunBranch("air-pressure", &Procedure::AirPressureBranch);
        return RunBranch("oxygen-slope", &Procedure::OxygenSlopeBranch);
      case types::Procedure::kIse: return RunBranch("ise-two-point", &Procedure::IseBranch);
      case types::Procedure::kLinearChlorine: return RunBranch("chlorine-linear", &Procedure::LinearChlorineBranch);
      case types::Procedure::kChlorineOrPh:
        if (dialogs_.Choose(kChlorine(lang_), kPh) == Choice::kSecond)
          return RunBranch("ph-compensation", &Procedure::PhCompensationBranch);
        return RunBranch("chlorine-slope", &Procedure::ChlorineSlopeBranch);
      case types::Procedure::kSaturationOrAirPressure:
        if (dialogs_.Choose(kOxygen(lang_), kAirPressure(lang_)) == Choice::kSecond)
          return RunBranch("air-pressure", &Procedure::AirPressureBranch);
        return RunBranch("saturation", &Procedure::SaturationBranch);
      case types::Procedure::kNone: return;  // only the status line is refreshed
    }
  }

  void RunBranch(const char* procedure, void (Procedure::*branch)()) {
    procedure_ = procedure;
    (this->*branch)();
  }
  void CellConstant2Branch() { CellConstantBranch(false); }
  void CellConstant4Branch() { CellConstantBranch(true); }

  // --- measuring points --------------------------------------------------------------
  float Measured(int channel) const { return link_.module().measured[channel - 1]; }
  KValues K() const { return link_.module().calibration; }
  std::string Label(int n) const { return types::CalibrationLabel(type_, n, lang_); }
  void Box(const TextPair& text) { ui_.Message(text(lang_)); }

  float Entry(const std::string& prompt, const std::string& unit) {
    entry_.prompt = prompt;
    entry_.unit = unit;
    dialogs_.EnterValue(entry_);  // closed without OK: the value it showed counts
    return entry_.value;
  }
  float BufferEntry(int unitChannel) { return Entry(kBufferPrompt(lang_), types::ChannelUnit(type_, unitChannel)); }

  // Point text, wait for a stable value, capture it (channel 0: nothing), entry.
  float Point(const TextPair& text, int captureChannel, float* captured, int unitChannel) {
    Box(text);
    Box(kWaitStable);
    if (captureChannel) *captured = Measured(captureChannel);
    const float temperature = Measured(6);
    const float reference = BufferEntry(unitChannel);
    KeepPoint(captureChannel ? std::optional<float>(*captured) : std::nullopt, reference, temperature);
    return reference;
  }
  void KeepPoint(std::optional<float> captured, float reference, float temperature) {
    points_.append(QJsonObject{{"captured", captured ? QJsonValue(link::FlowNumber(*captured)) : QJsonValue()},
                               {"reference", link::FlowNumber(reference)},
                               {"temperature", link::FlowNumber(temperature)}});
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
      case Verdict::kImplausible: Box(kCalibrationError); return true;
      case Verdict::kEqual:
      case Verdict::kRefused:
      case Verdict::kUnusable: Box(kCalibrationError); return false;
    }
    return false;
  }

  void Offer(std::array<std::string, 3> labels, std::array<std::string, 3> values) {
    ResultRows rows;
    rows.saveCaption = kSave(lang_);
    rows.exitCaption = kExit(lang_);
    rows.labels = std::move(labels);
    rows.values = std::move(values);
    outcome_ = "discarded";
    if (dialogs_.ShowResult(rows) != ResultAction::kSave) return;
    const link::WriteReport report = WriteCalibrationSet(link_, ui_, context_);
    outcome_ = "saved";
    write_ = report;
    if (LineLost()) return;
    if (!report.ok()) ui_.Message(link::WriteReportText(report, lang_));
  }

  // --- procedures ----------------------------------------------------------------------
  void TwoPointPhBranch() {
    float u1 = 0, u2 = 0;
    const float b1 = Point(kFirstPoint, 2, &u1, 1);
    const float b2 = Point(kSecondPoint, 2, &u2, 1);
    host_.StopPolling();
    if (!Accept(TwoPointPh(K(), u1, u2, b1, b2, Measured(6)))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), ""}, {FormatNumber("%.1f mV", k[0]), FormatNumber("%.1f mV/pH", k[1]), ""});
  }

  void RedoxBranch() {
    const float b1 = Point(kSinglePoint, 0, nullptr, 1);
    host_.StopPolling();
    if (!Accept(RedoxOffset(K(), Measured(1), b1))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f mV", K()[0]), "", ""});
  }

  void CellConstantBranch(bool fourChannel) {
    float u1 = 0;
    const float b1 = Point(kSinglePoint, 1, &u1, 1);
    host_.StopPolling();
    if (!Accept(CellConstant(K(), u1, b1, fourChannel))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), ""}, {FormatNumber("%.2f 1/cm", k[0]), FormatNumber("%.2f %%/K", k[1]), ""});
  }

  void OxygenSlopeBranch() {
    const float b1 = Point(kSinglePoint, 0, nullptr, 1);
    host_.StopPolling();
    if (!Accept(OxygenSlope(K(), b1, Measured(3), Measured(5), Measured(6)))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), Label(3)},
          {FormatNumber("%.1f nA/100%%", k[0]), FormatNumber("%.0f ", k[1]), FormatNumber("%.0f ", k[2])});
  }

  void AirPressureBranch() {
    Box(kWaitStable);
    const float u1 = Measured(5);
    entry_.value = Measured(5);
    const float temperature = Measured(6);
    const float p = Entry(kPressurePrompt(lang_), kPressureUnit);
    KeepPoint(u1, p, temperature);
    host_.StopPolling();
    if (!Accept(AirPressure(K(), u1, p))) return;
    Offer({"", kAirPressure(lang_), ""}, {"", FormatNumber("%.0f hPa", p), ""});
  }

  void IseBranch() {
    float u1 = 0, u2 = 0;
    const float b1 = Point(kFirstPoint, 1, &u1, 2);
    const float b2 = Point(kSecondPoint, 1, &u2, 2);
    host_.StopPolling();
    if (!Accept(TwoPointIse(K(), u1, u2, b1, b2))) return;
    const KValues k = K();
    Offer({Label(1), Label(2), Label(3)},
          {FormatNumber("%.1f mV/ppm", k[0]), FormatNumber("%.1f mV", k[1]), FormatNumber("%.1f mV", k[2])});
  }

  void LinearChlorineBranch() {
    const float b1 = Point(kSinglePoint, 0, nullptr, 1);
    host_.StopPolling();
    if (!Accept(LinearChlorine(K(), b1, Measured(2)))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f mg/l / mA", K()[0]), "", ""});
  }

  void ChlorineSlopeBranch() {
    float u1 = 0;
    const float b1 = Point(kSinglePoint, 1, &u1, 1);
    host_.StopPolling();
    if (!Accept(ChlorineSlope(K(), u1, b1))) return;
    Offer({Label(1), "", ""}, {FormatNumber("%.1f nA/mg", K()[0]), "", ""});
  }

  void PhCompensationBranch() {
    float u1 = 0, u2 = 0;
    const float b1 = Point(kFirstPoint, 4, &u1, 2);
    const float b2 = Point(kSecondPoint, 4, &u2, 2);
    host_.StopPolling();
    const Outcome o = PhCompensation(K(), u1, u2, b1, b2, Measured(6));
    if (!Accept(o)) return;
    // The slope has no calibration value of its own; it is kept with the module's
    // first key value and is not written by the save.
    link_.module().calibrationKey[0] = o.slope;
    slope_ = o.slope;
    Offer({Label(3), Label(4), ""}, {FormatNumber("%.1f mV", K()[2]), FormatNumber("%.1f mV/pH", o.slope), ""});
  }

  void SaturationBranch() {
    const float b1 = Point(kSinglePoint, 0, nullptr, 1);
    host_.StopPolling();
    if (!Accept(SaturationFactor(K(), b1, Measured(1)))) return;
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

  // What the calibration did, for the context's log: nothing when no procedure ran.
  void Record() {
    if (!procedure_) return;
    link::FlowRecord r;
    r.kind = "calibration";
    r.module.type = type_ + 1;
    QJsonObject& d = r.details;
    d["procedure"] = procedure_;
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
    link::RecordFlow(link_, context_, std::move(r));
  }

  void Finish() {
    host_.StopPolling();
    host_.ClearValueDisplay();
    host_.SetStatusLine(CalibrationStatusText(type_, lang_, K()));
  }

  link::Link& link_;
  const link::FlowContext& context_;
  platform::Ui& ui_;
  CalibrationUi& dialogs_;
  CalibrationHost& host_;
  const Language lang_;
  int type_ = 0;
  ValueEntry entry_;
  // The record of the run.
  const char* procedure_ = nullptr;
  KValues before_{};
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

void Calibrate(link::Link& link, const link::FlowContext& context, platform::Ui& ui, CalibrationUi& dialogs,
               CalibrationHost& host) {
  Procedure(link, context, ui, dialogs, host).Run();
}

}  // namespace korvane::calibration
