#include "parametrization/Parametrization.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

#include "link/FlowLog.h"
#include "link/Link.h"
#include "parametrization/ParamTexts.h"
#include "parametrization/ParameterReport.h"
#include "parametrization/ParametrizationDialogs.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"
#include "types/Catalogue.h"

namespace korvane::parametrization {
namespace {

constexpr int kReportProgressMax = 22;

link::Command RequestOf(RawPick pick) {
  switch (pick) {
    case RawPick::kValue60: return link::kRawValue;
    case RawPick::kFirstOf61:
    case RawPick::kSecondOf61: return link::kRawValuePair;
    case RawPick::kValue62: break;
  }
  return link::kRawValueBattery;
}

std::uint16_t Picked(const link::ModuleState& m, RawPick pick) {
  switch (pick) {
    case RawPick::kValue60: return m.raw60;
    case RawPick::kFirstOf61: return m.raw61a;
    case RawPick::kSecondOf61: return m.raw61b;
    case RawPick::kValue62: break;
  }
  return m.raw62;
}

std::string Number(int v) { return std::to_string(v); }

}  // namespace

const std::array<MeasureButton, 14>& MeasureButtons() {
  using link::kRangeAdjustments;
  static const std::array<MeasureButton, 14> kButtons{{
      {Control::kTemperature0, "1,000k", RawPick::kFirstOf61, link::kTemperature0Raw, false},
      {Control::kTemperature100, "1,385k", RawPick::kFirstOf61, link::kTemperature100Raw, false},
      {Control::kRange00, "Para00", RawPick::kValue60, kRangeAdjustments[0], false},
      {Control::kRange01, "Para01", RawPick::kValue60, kRangeAdjustments[1], false},
      {Control::kRange10, "Para10", RawPick::kValue60, kRangeAdjustments[2], false},
      {Control::kRange11, "Para11", RawPick::kValue60, kRangeAdjustments[3], false},
      {Control::kRange20, "Para20", RawPick::kValue60, kRangeAdjustments[4], false},
      {Control::kRange21, "Para21", RawPick::kValue60, kRangeAdjustments[5], false},
      {Control::kRange30, "Para30", RawPick::kValue60, kRangeAdjustments[6], false},
      {Control::kRange31, "Para31", RawPick::kValue60, kRangeAdjustments[7], false},
      {Control::kRange10Second, "Para10-QXXX83", RawPick::kSecondOf61, kRangeAdjustments[2], false},
      {Control::kRange11Second, "Para11-QXXX83", RawPick::kSecondOf61, kRangeAdjustments[3], false},
      {Control::kRange20Second, "Para20-QXXX83", RawPick::kSecondOf61, kRangeAdjustments[4], false},
      {Control::kBattery, "Ubat PD,PF,PB", RawPick::kValue62, link::kAirPressureAdjustment, true},
  }};
  return kButtons;
}

Parametrization::Parametrization(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                                 RawValueView& rawView, ParamFields& fields, platform::Clock clock)
    : link_(link), ui_(ui), context_(context), raw_(rawView), fields_(fields), clock_(std::move(clock)) {}

int Parametrization::typeIndex() const { return link_.module().typeIndex; }

bool Parametrization::Open() {
  if (link_.OpenPort(Language::kGerman)) return true;  // the port messages of this German-only function
  ui_.Message(link_.openMessage());
  return false;
}

std::optional<ParamValues> Parametrization::TakeControls() {
  if (onTakeControls_) onTakeControls_();
  std::string message;
  std::optional<ParamValues> v = TakeOver(fields_, &message);
  if (!v) ui_.Message(message);
  return v;
}

void Parametrization::ShowFields() {
  if (onShowFields_) onShowFields_();
}

void Parametrization::Initialize() {
  ReadParameterReport();
  const int t = typeIndex();
  enabling_ = EnablingForType(t);
  const link::ModuleState& m = link_.module();
  if (types::MeasurementType(t).family() == types::Family::kOxygen) {
    // Measured value 4 without decimals; a value the module garbled shows as 0.
    const float hPa = m.measured[3];
    fields_.airPressure = Number(std::isfinite(hPa) && std::fabs(hPa) < 1e9f ? static_cast<int>(hPa) : 0);
  }
  fields_.deviceNumber = DeviceNumberText(m.parameter[link::kIdentity.number]);
  fields_.delay = Number(m.ParameterByte(link::kCalibrationDelay.number));
  for (std::size_t i = 0; i < link::kDacLimits.size(); ++i)
    fields_.dac[i] = Number(m.ParameterU16(link::kDacLimits[i].number));
  fields_.screenSaverOff = m.ParameterByte(link::kScreenSaverOff.number) != 0;
  fields_.initialized = true;
  ShowFields();
}

void Parametrization::Close() {
  const link::LineLease line = link_.TakeLine();
  if (line && fields_.dacAdjustMode) SetDacAdjustMode(false);
}

bool Parametrization::WriteAdjustment(const char* name, link::Parameter p, const link::Data4& data, QJsonValue value) {
  const bool acknowledged = link_.Write(context_.address, p, data);
  adjustments_.append(QJsonObject{
      {"parameter", p.number}, {"name", name}, {"value", std::move(value)}, {"acknowledged", acknowledged}});
  return acknowledged;
}

void Parametrization::SetDacAdjustMode(bool on) {
  usedAdjustMode_ = usedAdjustMode_ || on;
  if (!link_.Request(context_.address, on ? link::kDacAdjustOn : link::kDacAdjustOff))
    ui_.Message(link_.commErrorMessage(Language::kGerman));
  fields_.dacAdjustMode = on;
}

Parametrization::ReportStatus Parametrization::ReadParameterReport() {
  const link::LineLease line = link_.TakeLine();
  if (!line) return ReportStatus::kNoAnswer;
  const int t = typeIndex();
  const platform::LocalTime now = clock_();
  const std::vector<link::Parameter> rows = ReportParameters(t);
  ReportStatus status = ReportStatus::kDone;
  ui_.ProgressOpen(texts::kTransferCaption, texts::kTransferText, 0, kReportProgressMax);
  ui_.ProgressSet(1);
  fields_.report.clear();
  if (!Open()) {
    status = ReportStatus::kNoAnswer;  // the port's own message said why
  } else if (!link_.Read(context_.address, rows.front())) {
    ui_.Message(link_.commErrorMessage(Language::kGerman));
    status = ReportStatus::kNoAnswer;
  } else {
    // Position 21 belongs to calibration value 4, which only oxygen reads.
    const bool oxygen = types::MeasurementType(t).family() == types::Family::kOxygen;
    int position = 2;
    for (std::size_t i = 1; i < rows.size(); ++i, ++position) {
      if (rows[i].number == link::kIdentity.number && !oxygen) ++position;
      ui_.ProgressSet(std::min(position, kReportProgressMax));
      link_.Read(context_.address, rows[i]);
      if (link_.isLineLost()) break;
    }
    ui_.ProgressSet(kReportProgressMax);
    if (link_.isLineLost()) {
      // Values of a vanished module are not shown as if they were read.
      ui_.Message(link_.commErrorMessage(Language::kGerman));
      status = ReportStatus::kLineLost;
    } else {
      fields_.report = BuildParameterReport(link_.module(), t, now);
    }
  }
  ui_.ProgressClose();
  ShowFields();
  return status;
}

bool Parametrization::PrintParameterReport() {
  std::unique_ptr<platform::PageTarget> page = ui_.BeginPrint(texts::kDocumentName);
  if (!page) return false;
  if (LayoutParameterReport(*page, fields_.report)) return true;
  std::string text = texts::kPrintFailed;
  if (const std::string why = page->failure(); !why.empty()) text += "\n" + why;
  ui_.Message(text);
  return false;
}

std::optional<std::uint32_t> Parametrization::MeasureRaw(RawPick pick) {
  const link::Command request = RequestOf(pick);
  raw_.Open(0);
  if (!Open()) {
    raw_.Close();
    return std::nullopt;
  }
  link_.Send(context_.address, request);
  bool lost = false;
  std::uint32_t shown = 0;
  QTimer timer;
  QObject guard;
  // Each tick asks for the next value and shows the one the last request brought.
  QObject::connect(&timer, &QTimer::timeout, &guard, [&] {
    link_.Send(context_.address, request);
    shown = Picked(link_.module(), pick);
    raw_.Show(shown);
  });
  // A line that goes away ends the refresh at once; the waiting box still needs closing.
  QObject::connect(&link_, &link::Link::lineLost, &guard, [&] {
    lost = true;
    timer.stop();
    raw_.Close();
  });
  timer.start(static_cast<int>(link_.timings().second.count() * 2));
  ui_.Message(texts::kWaitStable);
  timer.stop();
  if (lost || link_.isLineLost()) {
    if (!lost) raw_.Close();
    ui_.Message(texts::kMeasurementLost);
    return std::nullopt;
  }
  raw_.Close();
  // The window shows what the last tick copied: 0 before the first.
  return shown;
}

void Parametrization::Measure(Control control) {
  const auto& buttons = MeasureButtons();
  const auto b =
      std::find_if(buttons.begin(), buttons.end(), [&](const MeasureButton& m) { return m.control == control; });
  if (b == buttons.end()) return;
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  if (fields_.dacAdjustMode) SetDacAdjustMode(false);
  if (b->takesControls && !TakeControls()) return;
  const std::optional<std::uint32_t> value = MeasureRaw(b->pick);
  if (!value) return;
  // Range adjustments are not acknowledged: the wait ends by time-out and says nothing.
  const auto raw = static_cast<std::uint16_t>(*value & 0xFFFF);
  WriteAdjustment(b->caption, b->target, link::U16Data(raw), raw);
}

void Parametrization::MeasureAirPressure() {
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  if (fields_.dacAdjustMode) SetDacAdjustMode(false);
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  const int hPa = v->airPressure;
  if (!AirPressureAccepted(hPa)) {
    ui_.Message(texts::kEnterAirPressure);
    return;
  }
  std::uint16_t adjustment = 0;
  if (hPa != 800) {
    const std::optional<std::uint32_t> raw = MeasureRaw(RawPick::kValue62);
    if (!raw) return;
    std::uint32_t computed = 0;
    const std::optional<std::uint16_t> fits = AirPressureAdjustment(*raw, hPa, &computed);
    if (!fits) {
      // Sent as 16 bits it would wrap to a small number and be stored as the adjustment.
      ui_.Message(platform::StringPrintf(texts::kAirPressureTooLarge, computed));
      return;
    }
    adjustment = *fits;
  }
  WriteAdjustment("Luftdruck", link::kAirPressureAdjustment, link::U16Data(adjustment), adjustment);
  WriteAdjustment("K4", link::kCalibration4, link::FloatData(1.0f), 1.0);
}

void Parametrization::SwitchRange(int button) {
  const std::uint8_t code = RangeCode(button, typeIndex());
  const link::LineLease line = link_.TakeLine();
  if (!line || !Open()) return;
  if (WriteAdjustment(kRangeCaptions[static_cast<std::size_t>(std::clamp(button, 0, 3))], link::kType,
                      link::ByteData(code), code)) {
    link_.Request(context_.address, link::kStoreSettings, link::ByteData(code));
    ui_.Message(texts::kRangeSwitched);
  } else {
    ui_.Message(link_.commErrorMessage(Language::kGerman));
  }
}

void Parametrization::SetDacOutput(int i) {
  if (!fields_.initialized || i < 0 || i >= static_cast<int>(fields_.dac.size())) return;
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  if (!fields_.dacAdjustMode) SetDacAdjustMode(true);
  if (!Open()) return;
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  const int value = v->dac[static_cast<std::size_t>(i)];
  if (const std::string problem = DacRangeProblem(i, value); !problem.empty()) {
    ui_.Message(problem);
    return;
  }
  const link::Data4 raw = link::U16Data(static_cast<std::uint16_t>(value));
  link_.Request(context_.address, link::kSetOutputRaw, {raw[0], raw[1], static_cast<std::uint8_t>(i / 2), 0});
}

void Parametrization::ProgramDacLimits() {
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  for (std::size_t i = 0; i < v->dac.size(); ++i) {
    if (const std::string problem = DacRangeProblem(static_cast<int>(i), v->dac[i]); !problem.empty()) {
      ui_.Message(problem);
      return;
    }
  }
  ui_.ProgressOpen(texts::kTransferCaption, texts::kTransferText, 0, 8);
  ui_.ProgressSet(1);
  if (Open()) {
    auto write = [&](std::size_t i) {
      static const char* const kNames[] = {"DAC 0", "DAC 1", "DAC 2", "DAC 3", "DAC 4", "DAC 5", "DAC 6", "DAC 7"};
      const auto value = static_cast<std::uint16_t>(v->dac[i]);
      return WriteAdjustment(kNames[i], link::kDacLimits[i], link::U16Data(value), value);
    };
    if (!write(0)) {
      ui_.Message(link_.commErrorMessage(Language::kGerman));
    } else {
      for (std::size_t i = 1; i < v->dac.size(); ++i) {
        write(i);
        ui_.ProgressSet(static_cast<int>(i) + 1);
      }
    }
  }
  ui_.ProgressClose();
  ShowFields();
}

void Parametrization::WriteDeviceNumber() {
  const link::LineLease line = link_.TakeLine();
  if (!line || !Open()) return;
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  std::string message;
  const std::optional<link::Data4> data = DeviceNumberData(v->deviceNumber, &message);
  if (!data) {
    ui_.Message(message);
    return;
  }
  WriteAdjustment("Gerätenummer", link::kIdentity, *data, link::FlowText(link::IdentityText(*data)));
}

void Parametrization::WriteCalibrationDelay() {
  const link::LineLease line = link_.TakeLine();
  if (!line || !Open()) return;
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  const auto delay = static_cast<std::uint8_t>(v->delay);
  WriteAdjustment("Kalibrierverzögerung", link::kCalibrationDelay, link::ByteData(delay), delay);
}

void Parametrization::WriteScreenSaver() {
  const link::LineLease line = link_.TakeLine();
  if (!line || !Open()) return;
  const std::optional<ParamValues> v = TakeControls();
  if (!v) return;
  WriteAdjustment("Bildschirmschoner aus", link::kScreenSaverOff, link::ByteData(v->screenSaverOff ? 1 : 0),
                  v->screenSaverOff);
}

}  // namespace korvane::parametrization
