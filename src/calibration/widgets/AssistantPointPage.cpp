#include "calibration/widgets/AssistantPointPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "calibration/AssistantSettings.h"
#include "calibration/AssistantTexts.h"
#include "calibration/PointSession.h"
#include "calibration/widgets/TrendSparkline.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

QString PointText(const std::string& s) { return QString::fromStdString(s); }

constexpr Text kPointCriterion{"calibration", QT_TRANSLATE_NOOP("calibration", "Stabil, wenn über das Fenster:")};
constexpr Text kPointElapsed{"calibration", QT_TRANSLATE_NOOP("calibration", "seit %1 s")};

}  // namespace

AssistantPointPage::AssistantPointPage(QWidget* parent)
    : QWidget(parent),
      instruction_(new QLabel(this)),
      hint_(new QLabel(this)),
      value_(new QLabel(this)),
      temperature_(new QLabel(this)),
      trend_(new TrendSparkline(this)),
      stability_(new QLabel(this)),
      figures_(new QLabel(this)),
      limit_(new QLabel(this)),
      criterionLabel_(new QLabel(this)),
      driftLabel_(new QLabel(this)),
      drift_(new QDoubleSpinBox(this)),
      noise_(new QDoubleSpinBox(this)),
      window_(new QSpinBox(this)),
      driftUnit_(new QLabel(this)),
      noiseUnit_(new QLabel(this)),
      auto_(new QCheckBox(this)),
      take_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
  instruction_->setObjectName(QStringLiteral("instruction"));
  value_->setObjectName(QStringLiteral("value"));
  stability_->setObjectName(QStringLiteral("stability"));
  limit_->setObjectName(QStringLiteral("timeLimit"));
  auto_->setObjectName(QStringLiteral("automatic"));
  take_->setObjectName(QStringLiteral("take"));
  cancel_->setObjectName(QStringLiteral("cancel"));
  QFont big = instruction_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  instruction_->setFont(big);
  instruction_->setWordWrap(true);
  hint_->setWordWrap(true);
  QFont huge = value_->font();
  huge.setPointSizeF(huge.pointSizeF() * 2.4);
  value_->setFont(huge);
  QFont bold = stability_->font();
  bold.setBold(true);
  stability_->setFont(bold);
  limit_->setWordWrap(true);
  limit_->setStyleSheet(QStringLiteral("color: #b00000"));
  // Numbers read with "." whatever the user's locale, as everywhere in the program.
  for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{drift_, noise_, window_})
    box->setLocale(QLocale::c());
  for (QDoubleSpinBox* box : {drift_, noise_}) {
    box->setRange(kMinLimit, kMaxLimit);
    box->setDecimals(3);
    box->setSingleStep(0.1);
  }
  window_->setRange(static_cast<int>(kMinWindow), static_cast<int>(kMaxWindow));
  window_->setSuffix(QStringLiteral(" s"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instruction_);
  layout->addWidget(hint_);
  auto* reading = new QHBoxLayout;
  reading->addWidget(value_, 1);
  reading->addWidget(temperature_, 0, Qt::AlignRight | Qt::AlignBottom);
  layout->addLayout(reading);
  layout->addWidget(trend_);
  layout->addWidget(stability_);
  layout->addWidget(figures_);
  layout->addWidget(limit_);
  auto* criterion = new QGridLayout;
  criterion->addWidget(criterionLabel_, 0, 0, 1, 6);
  criterion->addWidget(driftLabel_, 1, 0);
  criterion->addWidget(drift_, 1, 1);
  criterion->addWidget(driftUnit_, 1, 2);
  criterion->addWidget(new QLabel(QStringLiteral("σ ≤"), this), 1, 3);
  criterion->addWidget(noise_, 1, 4);
  criterion->addWidget(noiseUnit_, 1, 5);
  criterion->addWidget(window_, 1, 6);
  layout->addLayout(criterion);
  layout->addWidget(auto_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(take_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  take_->setDefault(true);

  connect(take_, &QPushButton::clicked, this, [this] {
    if (session_) session_->TakeByHand();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (session_) session_->Cancel();
  });
  connect(auto_, &QCheckBox::toggled, this, [this](bool on) {
    if (session_) session_->setAutoAccept(on);
  });
  for (QDoubleSpinBox* box : {drift_, noise_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &AssistantPointPage::ApplyCriterion);
  connect(window_, &QSpinBox::valueChanged, this, &AssistantPointPage::ApplyCriterion);
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, &AssistantPointPage::Refresh);
}

void AssistantPointPage::Show(PointSession& session, Language l) {
  if (session_) session_->disconnect(this);
  session_ = &session;
  language_ = l;
  const SessionSetup& s = session.setup();
  instruction_->setText(PointText(s.instruction));
  hint_->setText(PointText(s.hint));
  hint_->setVisible(!s.hint.empty());
  criterionLabel_->setText(QString::fromUtf8(Tr(l, kPointCriterion)));
  driftLabel_->setText(QString::fromUtf8(Tr(l, kDriftLabel)) + QStringLiteral(" ≤"));
  const std::string unit = s.criterion.kind == LimitKind::kPercent ? "%" : s.unit;
  driftUnit_->setText(PointText(unit + "/min"));
  noiseUnit_->setText(PointText(unit));
  for (QWidget* w : std::initializer_list<QWidget*>{drift_, noise_, window_}) w->blockSignals(true);
  drift_->setValue(s.criterion.maxDrift);
  noise_->setValue(s.criterion.maxNoise);
  window_->setValue(static_cast<int>(s.criterion.windowSeconds));
  for (QWidget* w : std::initializer_list<QWidget*>{drift_, noise_, window_}) w->blockSignals(false);
  auto_->blockSignals(true);
  auto_->setText(QString::fromUtf8(Tr(l, kAcceptAutomatically)));
  auto_->setChecked(s.autoAccept);
  auto_->blockSignals(false);
  take_->setText(QString::fromUtf8(Tr(l, kTakePoint)));
  cancel_->setText(QString::fromUtf8(Tr(l, platform::kCancel)));
  connect(&session, &PointSession::updated, this, &AssistantPointPage::Refresh);
  connect(&session, &PointSession::ended, this, [this] { clock_.stop(); });
  clock_.start();
  Refresh();
}

void AssistantPointPage::ApplyCriterion() {
  if (!session_) return;
  StabilityCriterion c = session_->setup().criterion;
  c.maxDrift = drift_->value();
  c.maxNoise = noise_->value();
  c.windowSeconds = window_->value();
  session_->setCriterion(c);
}

void AssistantPointPage::Refresh() {
  if (!session_) return;
  const PointSession& s = *session_;
  const SessionSetup& setup = s.setup();
  const Language l = language_;
  if (s.hasValue()) {
    value_->setText(PointText(platform::StringPrintf("%.2f", s.value()) + " " + setup.unit));
    temperature_->setText(PointText(platform::StringPrintf("%.1f °C", s.temperature())));
  } else {
    value_->setText(QStringLiteral("–"));
  }
  const bool stable = s.figures().stable && !s.waitingToLeave();
  trend_->setTrend(s.trend(), setup.criterion.windowSeconds, stable);
  stability_->setText(PointText(StabilityVerdict(s.figures(), setup.criterion, setup.unit, s.waitingToLeave(), l)));
  stability_->setStyleSheet(stable ? QStringLiteral("color: #007000") : QStringLiteral("color: #b06000"));
  figures_->setText(PointText(std::string(Tr(l, kDriftLabel)) + " " +
                              DriftText(s.figures(), setup.criterion, setup.unit) + "   " + Tr(l, kNoiseLabel) + " " +
                              NoiseText(s.figures(), setup.criterion, setup.unit) + "   " +
                              platform::Fill(Tr(l, kPointElapsed), platform::StringPrintf("%.0f", s.elapsed()))));
  limit_->setText(PointText(TimeLimitText(setup.timeLimitSeconds, s.waitingToLeave(), l)));
  limit_->setVisible(s.timedOut());
  take_->setEnabled(s.hasValue() && s.running());
}

}  // namespace korvane::calibration
