#include "app/widgets/MainWindow.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MainController.h"
#include "app/widgets/PortSetupDialog.h"
#include "app/widgets/QtUi.h"
#include "calibration/Calibrate.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "platform/PortNames.h"

namespace korvane::app {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The program's icon, drawn: a measuring dial in the colours of water.
QIcon MakeIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 110, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QPen(Qt::white, std::max(1.0, size / 12.0)));
    p.drawLine(QPointF(size / 2.0, size / 2.0), QPointF(size * 0.78, size * 0.28));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(6, size / 3));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, size / 2.0, size, size / 2.0), Qt::AlignCenter, QStringLiteral("K"));
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace

// --- value field ----------------------------------------------------------------------

ValueField::ValueField(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setMinimumSize(160, 48);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMargin(2);
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setWeight(QFont::Medium);  // 500
  setFont(f);
}

void ValueField::resizeEvent(QResizeEvent* e) {
  QLabel::resizeEvent(e);
  // The characters are as tall as the field; in a narrow field they shrink until a
  // wide reading still fits, so no digit is cut off.
  const QRect r = contentsRect();
  const int room = std::max(8, r.height());
  QFont f = font();
  f.setPixelSize(room);
  const QFontMetrics fm(f);
  int size = room;
  if (fm.height() > room) size = room * room / fm.height();
  const int wide = fm.horizontalAdvance(QStringLiteral("-8888.88 "));
  if (wide > 0 && wide * size / room > r.width()) size = std::max(6, r.width() * room / wide);
  f.setPixelSize(std::max(6, size));
  setFont(f);
}

// --- calibration host ----------------------------------------------------------------

struct MainWindow::CalibrationBridge : calibration::CalibrationHost {
  explicit CalibrationBridge(MainController& c) : c_(c) {}
  void SetChannelCaptions(int typeIndex) override { c_.live().SetChannelCaptions(typeIndex, c_.language()); }
  void StartPolling() override { c_.live().StartPolling(); }
  void StopPolling() override { c_.live().StopPolling(); }
  void ClearValueDisplay() override { c_.live().ClearValueDisplay(); }
  void SetStatusLine(const std::string& text) override { c_.live().SetStatusLine(text); }
  MainController& c_;
};

// --- main window ----------------------------------------------------------------------

MainWindow::MainWindow(QWidget* parent) : MainWindow(Options{}, parent) {}

MainWindow::MainWindow(Options options, QWidget* parent) : QDialog(parent) {
  const std::string folder = options.settingsFolder.empty() ? platform::SettingsFolder() : options.settingsFolder;
  if (options.ui) {
    ui_ = options.ui;
  } else {
    ownUi_ = std::make_unique<QtUi>(this);
    ui_ = ownUi_.get();
  }
  if (options.link) {
    link_ = options.link;
  } else {
    ownLink_ = std::make_unique<link::Link>(
        *ui_, [folder](int com) { return platform::DeviceForPort(folder, com); }, options.timings, options.clock);
    link_ = ownLink_.get();
  }
  controller_ = std::make_unique<MainController>(*link_, *ui_, folder, options.clock);
  calibrationHost_ = std::make_unique<CalibrationBridge>(*controller_);
  controller_->calibrateFlow = [this] { calibration::Calibrate(*link_, *ui_, *calibrationHost_); };
  controller_->configureFlow = [this, clock = options.clock] {
    configuration::ConfigTransfer transfer(*link_, *ui_);
    transfer.ReadConfiguration(configSettings_, configuration::ConfigurationDialogRunner(this, *ui_, transfer, clock));
  };

  Build();

  MainController* c = controller_.get();
  connect(c, &MainController::stateChanged, this, &MainWindow::RefreshState);
  connect(&c->live(), &LiveMeasurement::fieldTextsChanged, this, &MainWindow::RefreshFields);
  connect(&c->live(), &LiveMeasurement::captionsChanged, this, &MainWindow::RefreshCaptions);
  connect(&c->live(), &LiveMeasurement::statusLineChanged, this, &MainWindow::RefreshState);
  connect(&c->live(), &LiveMeasurement::runningChanged, this, &MainWindow::RefreshState);

  c->Initialize();
  RefreshState();
  RefreshFields();
  RefreshCaptions();
}

MainWindow::~MainWindow() {
  calibrationHost_.reset();
  controller_.reset();
}

void MainWindow::Build() {
  setWindowTitle(QStringLiteral("Korvane"));
  setWindowIcon(MakeIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  auto* values = new QGridLayout;
  values->setHorizontalSpacing(6);
  for (int i = 0; i < 6; ++i) {
    const int row = (i / 3) * 2;
    const int col = (i % 3) * 2;
    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("label%1").arg(1123 + i));
    labels_[1123 + i] = caption;
    auto* field = new ValueField(this);
    field->setObjectName(QStringLiteral("value%1").arg(1009 + i));
    labels_[1009 + i] = field;
    auto* unit = new QLabel(this);
    unit->setMinimumWidth(60);
    if (i < 5) {
      unit->setObjectName(QStringLiteral("unit%1").arg(1129 + i));
      labels_[1129 + i] = unit;
    } else {
      unit->setText(QStringLiteral("°C"));
    }
    values->addWidget(caption, row, col, 1, 2);
    values->addWidget(field, row + 1, col);
    values->addWidget(unit, row + 1, col + 1);
    values->setRowStretch(row + 1, 1);
    values->setColumnStretch(col, 1);
  }

  auto* status1016 = new QLabel(this);
  auto* status1099 = new QLabel(this);
  labels_[1016] = status1016;
  labels_[1099] = status1099;
  statusBox_ = new QGroupBox(QStringLiteral("Status Info"), this);
  auto* info = new QLabel(statusBox_);
  info->setWordWrap(true);
  labels_[1100] = info;
  auto* boxLayout = new QVBoxLayout(statusBox_);
  boxLayout->addWidget(info);

  auto* left = new QVBoxLayout;
  left->addLayout(values, 1);
  left->addWidget(status1016);
  left->addWidget(status1099);
  left->addWidget(statusBox_);

  auto makeButton = [this](int id) {
    auto* b = new QPushButton(this);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    b->setAutoDefault(false);
    buttons_[id] = b;
    return b;
  };
  auto* right = new QVBoxLayout;
  help_ = new QToolButton(this);
  help_->setText(QStringLiteral("?"));
  help_->setToolTip(QStringLiteral("Info über Korvane"));
  connect(help_, &QToolButton::clicked, this, &MainWindow::ShowAbout);
  right->addWidget(help_, 0, Qt::AlignRight);
  for (int id : {4, 1020, 1015, 1021, 1022, 5, 3}) right->addWidget(makeButton(id));
  buttons_[3]->setText(QStringLiteral("Setup"));
  right->addStretch(1);
  auto* addressLabel = new QLabel(this);
  labels_[1134] = addressLabel;
  address_ = new QSpinBox(this);
  address_->setRange(0, 255);
  address_->setObjectName(QStringLiteral("address1121"));
  auto* addressRow = new QHBoxLayout;
  addressRow->addWidget(addressLabel);
  addressRow->addWidget(address_);
  right->addLayout(addressRow);
  right->addWidget(makeButton(2));
  auto* version = new QLabel(QString::fromUtf8(kVersionText), this);
  version->setAlignment(Qt::AlignRight);
  right->addWidget(version);

  auto* top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addLayout(right);

  MainController* c = controller_.get();
  connect(buttons_[4], &QPushButton::clicked, this, [c] { c->OnStartStop(); });
  connect(buttons_[1020], &QPushButton::clicked, this, [c] { c->OnSetupMeasurement(); });
  connect(buttons_[1015], &QPushButton::clicked, this, [c] { c->OnCalibrate(); });
  connect(buttons_[1021], &QPushButton::clicked, this, [c] { c->OnConfigure(); });
  connect(buttons_[1022], &QPushButton::clicked, this, [c] { c->OnParametrize(); });
  connect(buttons_[5], &QPushButton::clicked, this, [c] { c->OnDisplayConfig(); });
  connect(buttons_[3], &QPushButton::clicked, this, &MainWindow::OnSetup);
  connect(buttons_[2], &QPushButton::clicked, this, &MainWindow::reject);
  connect(address_, &QSpinBox::valueChanged, this, &MainWindow::OnAddressChanged);

  // The about box sits in the window's context menu, behind the "?" button and on F1.
  auto* about = new QAction(QStringLiteral("Inf&o über Korvane..."), this);
  about->setShortcut(QKeySequence::HelpContents);
  connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  resize(980, 420);
}

QLabel* MainWindow::label(int id) const {
  auto it = labels_.find(id);
  return it == labels_.end() ? nullptr : it->second;
}

QPushButton* MainWindow::button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::RefreshState() {
  const MainController& c = *controller_;
  const MainCaptions cap = c.captions();
  buttons_[1022]->setText(Q(cap.parametrize));
  buttons_[2]->setText(Q(cap.exit));
  buttons_[1015]->setText(Q(cap.calibrate));
  buttons_[1021]->setText(Q(cap.configure));
  buttons_[1020]->setText(Q(cap.setupMeasurement));
  buttons_[5]->setText(Q(cap.displayConfig));
  buttons_[4]->setText(Q(cap.start));
  labels_[1134]->setText(Q(cap.addressLabel));

  const ButtonStates& b = c.buttons();
  buttons_[4]->setEnabled(b.start);
  buttons_[2]->setEnabled(b.exit);
  buttons_[3]->setEnabled(b.setup);
  buttons_[1015]->setEnabled(b.calibrate);
  buttons_[1020]->setEnabled(b.setupMeasurement);
  buttons_[1021]->setEnabled(b.configure);
  buttons_[1022]->setEnabled(b.parametrize);
  buttons_[5]->setEnabled(b.displayConfig);

  labels_[1016]->setText(Q(controller_->live().statusLine()));
  labels_[1099]->setText(Q(c.recordingStatus()));
  // The watchdog line ends in LF CR; a label shows it without the break.
  labels_[1100]->setText(Q(c.statusInfo()).trimmed().replace(QLatin1Char('\t'), QStringLiteral("  ")));
}

void MainWindow::RefreshFields() {
  const auto& t = controller_->live().fieldTexts();
  for (int i = 0; i < 6; ++i) labels_[1009 + i]->setText(Q(t[static_cast<std::size_t>(i)]));
}

void MainWindow::RefreshCaptions() {
  const LiveMeasurement& live = controller_->live();
  for (int i = 0; i < 6; ++i) labels_[1123 + i]->setText(Q(live.labels()[static_cast<std::size_t>(i)]));
  for (int i = 0; i < 5; ++i) labels_[1129 + i]->setText(Q(live.units()[static_cast<std::size_t>(i)]));
}

void MainWindow::OnSetup() {
  if (controller_->busy() || controller_->running()) return;
  const int language = controller_->language();
  PortSetupDialog dlg(this);
  dlg.setSettingsFolder(controller_->settingsFolder());
  dlg.setComNumber(controller_->comNumber());
  dlg.setLanguage(language);
  dlg.setCancelCaption(Q(SetupCancelCaption(language)));
  dlg.setLanguageCaption(Q(SetupLanguageCaption(language)));
  if (dlg.exec() == QDialog::Accepted) controller_->ApplySetup(dlg.comNumber(), dlg.language());
}

void MainWindow::OnAddressChanged(int position) {
  const int folded = controller_->SetAddressPosition(position);
  if (folded != position) {
    QSignalBlocker block(address_);
    address_->setValue(folded);
  }
}

void MainWindow::ShowAbout() {
  QDialog box(this);
  box.setWindowTitle(QStringLiteral("Info über Korvane"));
  auto* layout = new QGridLayout(&box);
  auto* icon = new QLabel(&box);
  icon->setPixmap(windowIcon().pixmap(48, 48));
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(QString::fromUtf8(kVersionText), &box), 0, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons, 2, 0, 1, 2);
  box.exec();
}

void MainWindow::reject() {
  if (closing_) return;
  if (!controller_->Exit()) return;
  closing_ = true;
  QDialog::reject();
}

}  // namespace korvane::app
