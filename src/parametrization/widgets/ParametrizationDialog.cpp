#include "parametrization/widgets/ParametrizationDialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "link/Link.h"
#include "link/widgets/LineGate.h"
#include "parametrization/Parametrization.h"
#include "parametrization/widgets/RawValueWindow.h"
#include "parametrization/widgets/TypeSelectionDialog.h"

namespace korvane::parametrization {
namespace {

QString U(const std::string& s) { return QString::fromStdString(s); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

// The DAC edits with their up-downs: DAC 0 lower, DAC 0 upper, ... DAC 3 upper.
constexpr Control kDacEdits[8] = {Control::kDac0Lower, Control::kDac0Upper, Control::kDac1Lower, Control::kDac1Upper,
                                  Control::kDac2Lower, Control::kDac2Upper, Control::kDac3Lower, Control::kDac3Upper};
constexpr Control kRangeButtons[4] = {Control::kRangeSwitch1, Control::kRangeSwitch2, Control::kRangeSwitch3,
                                      Control::kRangeSwitch4};
constexpr Control kParaButtons[8] = {Control::kRange00, Control::kRange01, Control::kRange10, Control::kRange11,
                                     Control::kRange20, Control::kRange21, Control::kRange30, Control::kRange31};

}  // namespace

ParametrizationDialog::ParametrizationDialog(ParametrizationActions& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(QStringLiteral("Parametrieren"));
  Build();
  ApplyEnabling();
  FieldsToControls();
  session_.SetControlHooks([this] { ControlsToFields(); }, [this] { FieldsToControls(); });
  // Every button and DAC edit talks to the module: one at a time.
  auto* gate = new link::LineGate(&session_.link(), this);
  for (const auto& [id, w] : controls_)
    if (qobject_cast<QPushButton*>(w) || qobject_cast<platform::SpinEdit*>(w)) gate->Add(w);
  connect(&session_.link(), &link::Link::lineHeldChanged, this, [this](bool held) {
    if (!held && closeWanted_) QTimer::singleShot(0, this, &ParametrizationDialog::reject);
  });
}

ParametrizationDialog::~ParametrizationDialog() { session_.SetControlHooks({}, {}); }

QWidget* ParametrizationDialog::control(Control id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void ParametrizationDialog::Register(Control id, QWidget* w) {
  controls_[id] = w;
  w->setObjectName(QString::fromUtf8(ControlName(id)));
}

QPushButton* ParametrizationDialog::NewButton(Control id, const char* caption, QWidget* parent,
                                              std::function<void()> action) {
  auto* b = new QPushButton(U(caption), parent);
  // Enter in an edit finishes the entry; it never starts a measurement or a write.
  b->setAutoDefault(false);
  Register(id, b);
  connect(b, &QPushButton::clicked, this, std::move(action));
  return b;
}

QPushButton* ParametrizationDialog::NewMeasureButton(Control id, QWidget* parent) {
  const auto& all = MeasureButtons();
  const auto* m = std::find_if(all.begin(), all.end(), [&](const MeasureButton& b) { return b.control == id; });
  return NewButton(id, m->caption, parent, [this, id] { session_.Measure(id); });
}

void ParametrizationDialog::Build() {
  auto* top = new QGridLayout(this);
  BuildAdjustments(top);
  BuildOutputs(top);
  BuildDeviceData(top);
  BuildReport(top);
}

void ParametrizationDialog::BuildAdjustments(QGridLayout* top) {
  // Left column: temperature, air pressure, range values.
  auto* left = new QVBoxLayout;
  auto* temperature = new QGroupBox(U("Temperatur"), this);
  auto* tl = new QHBoxLayout(temperature);
  tl->addWidget(NewMeasureButton(Control::kTemperature0, temperature));
  tl->addWidget(NewMeasureButton(Control::kTemperature100, temperature));
  left->addWidget(temperature);

  auto* pressure = new QGroupBox(U("Luftdruck"), this);
  auto* pl = new QHBoxLayout(pressure);
  airPressure_ = new QLineEdit(pressure);
  Register(Control::kAirPressure, airPressure_);
  pl->addWidget(airPressure_);
  pl->addWidget(NewButton(Control::kMeasureAirPressure, "Messen", pressure, [this] { session_.MeasureAirPressure(); }));
  left->addWidget(pressure);

  auto* para = new QGroupBox(U("Parawerte"), this);
  auto* grid = new QGridLayout(para);
  for (int i = 0; i < 8; ++i) grid->addWidget(NewMeasureButton(kParaButtons[i], para), i / 2, i % 2);
  for (int i = 0; i < 4; ++i)
    grid->addWidget(NewButton(kRangeButtons[i], kRangeCaptions[static_cast<std::size_t>(i)], para,
                              [this, i] { session_.SwitchRange(i); }),
                    i, 2);
  left->addWidget(para);
  for (Control id : {Control::kRange10Second, Control::kRange11Second, Control::kRange20Second})
    left->addWidget(NewMeasureButton(id, this));
  left->addWidget(NewMeasureButton(Control::kBattery, this));
  left->addStretch(1);
  top->addLayout(left, 0, 0, 2, 1);
}

void ParametrizationDialog::BuildOutputs(QGridLayout* top) {
  // Middle: the outputs.
  auto* outputs = new QGroupBox(U("Ausgänge"), this);
  auto* ol = new QGridLayout(outputs);
  for (int d = 0; d < 4; ++d) {
    auto* box = new QGroupBox(QStringLiteral("DAC %1").arg(d), outputs);
    auto* bl = new QGridLayout(box);
    for (int k = 0; k < 2; ++k) {
      const int i = 2 * d + k;
      bl->addWidget(new QLabel(U(k == 0 ? "unterer Wert" : "oberer Wert"), box), k, 0);
      // Takes any 16-bit value typed (what the module holds may lie outside the
      // adjustment range), while its arrows step only within the range.
      auto* spin = new platform::SpinEdit(k == 0 ? 0 : 810, k == 0 ? 800 : 4096, box);
      spin->setRange(0, 65535);
      // Typing sends the value when it is finished, not every keystroke on the way.
      spin->setKeyboardTracking(false);
      Register(kDacEdits[i], spin);
      dac_[i] = spin;
      connect(spin, &QSpinBox::valueChanged, this, [this, i] { session_.SetDacOutput(i); });
      bl->addWidget(spin, k, 1);
    }
    ol->addWidget(box, d / 2, d % 2);
  }
  ol->addWidget(
      NewButton(Control::kProgramDacLimits, "Werte Programmieren", outputs, [this] { session_.ProgramDacLimits(); }), 2,
      0, 1, 2);
  top->addWidget(outputs, 0, 1);
}

void ParametrizationDialog::BuildDeviceData(QGridLayout* top) {
  // Device data.
  auto* device = new QVBoxLayout;
  auto* delayBox = new QGroupBox(U("Kalibrierverzögerung"), this);
  auto* dl = new QHBoxLayout(delayBox);
  delay_ = new QLineEdit(delayBox);
  Register(Control::kCalibrationDelay, delay_);
  dl->addWidget(delay_);
  dl->addWidget(new QLabel(QStringLiteral("Sec"), delayBox));
  dl->addWidget(
      NewButton(Control::kWriteCalibrationDelay, "PROG", delayBox, [this] { session_.WriteCalibrationDelay(); }));
  device->addWidget(delayBox);

  auto* numberBox = new QGroupBox(U("Gerätenummer"), this);
  auto* nl = new QHBoxLayout(numberBox);
  deviceNumber_ = new QLineEdit(numberBox);
  deviceNumber_->setMaxLength(4);
  Register(Control::kDeviceNumber, deviceNumber_);
  nl->addWidget(deviceNumber_);
  nl->addWidget(NewButton(Control::kWriteDeviceNumber, "PROG", numberBox, [this] { session_.WriteDeviceNumber(); }));
  device->addWidget(numberBox);

  auto* saverBox = new QGroupBox(U("Bildschirmschoner"), this);
  auto* sl = new QHBoxLayout(saverBox);
  screenSaver_ = new QCheckBox(U("OLED Dauerhaft AN"), saverBox);
  Register(Control::kScreenSaverOff, screenSaver_);
  sl->addWidget(screenSaver_);
  sl->addWidget(NewButton(Control::kWriteScreenSaver, "PROG", saverBox, [this] { session_.WriteScreenSaver(); }));
  device->addWidget(saverBox);
  device->addStretch(1);
  top->addLayout(device, 1, 1);
}

void ParametrizationDialog::BuildReport(QGridLayout* top) {
  // Right: the report.
  auto* current = new QGroupBox(U("aktuelle Werte"), this);
  auto* cl = new QVBoxLayout(current);
  report_ = new QLabel(current);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  report_->setMinimumWidth(report_->fontMetrics().horizontalAdvance(QStringLiteral("DAC0_PARA_O_I     65535XX")));
  Register(Control::kReport, report_);
  cl->addWidget(report_, 1);
  auto* rl = new QHBoxLayout;
  rl->addWidget(NewButton(Control::kReadReport, "Aktualisieren", current, [this] { session_.ReadParameterReport(); }));
  rl->addWidget(NewButton(Control::kPrintReport, "Drucken", current, [this] { session_.PrintParameterReport(); }));
  cl->addLayout(rl);
  top->addWidget(current, 0, 2, 2, 1);

  auto* exit = new QPushButton(U("Beenden"), this);
  exit->setAutoDefault(false);
  Register(Control::kExit, exit);
  connect(exit, &QPushButton::clicked, this, &ParametrizationDialog::reject);
  top->addWidget(exit, 2, 2, Qt::AlignRight);
}

void ParametrizationDialog::ApplyEnabling() {
  const ControlEnabling& e = session_.enabling();
  for (Control id : kRangeButtons) control(id)->setEnabled(e.rangeButtons);
  control(Control::kMeasureAirPressure)->setEnabled(e.measureAirPressure);
  airPressure_->setEnabled(e.airPressureEdit);
  control(Control::kTemperature0)->setEnabled(e.temperatureButtons);
  control(Control::kTemperature100)->setEnabled(e.temperatureButtons);
  for (Control id : kParaButtons) control(id)->setEnabled(e.paraButtons);
}

void ParametrizationDialog::FieldsToControls() {
  // Showing the fields is no edit of the user: the module's outputs do not follow it.
  const ParamFields& f = session_.fields();
  airPressure_->setText(Q(f.airPressure));
  deviceNumber_->setText(Q(f.deviceNumber));
  delay_->setText(Q(f.delay));
  screenSaver_->setChecked(f.screenSaverOff);
  for (int i = 0; i < 8; ++i) {
    const QSignalBlocker block(dac_[i]);
    dac_[i]->setValue(QString::fromStdString(f.dac[static_cast<std::size_t>(i)]).toInt());
  }
  report_->setText(Q(f.report).remove(QLatin1Char('\r')));
}

void ParametrizationDialog::ControlsToFields() {
  ParamFields& f = session_.fields();
  f.airPressure = airPressure_->text().toStdString();
  f.deviceNumber = deviceNumber_->text().toStdString();
  f.delay = delay_->text().toStdString();
  f.screenSaverOff = screenSaver_->isChecked();
  for (int i = 0; i < 8; ++i) f.dac[static_cast<std::size_t>(i)] = dac_[i]->cleanText().toStdString();
}

void ParametrizationDialog::reject() {
  closeWanted_ = session_.link().lineHeld();
  if (closeWanted_) return;
  session_.Close();
  QDialog::reject();
}

QtParametrizationDialogs::QtParametrizationDialogs(QWidget* parent)
    : parent_(parent), raw_(new RawValueWindow(parent)) {}

QtParametrizationDialogs::~QtParametrizationDialogs() {
  // Owned by the parent window when there is one.
  if (!parent_) delete raw_;
}

std::optional<int> QtParametrizationDialogs::SelectType() { return TypeSelectionDialog::Ask(parent_); }

void QtParametrizationDialogs::Run(ParametrizationActions& session) {
  ParametrizationDialog dialog(session, parent_);
  dialog.exec();
}

RawValueView& QtParametrizationDialogs::rawValueView() { return *raw_; }

}  // namespace korvane::parametrization
