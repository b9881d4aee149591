#include "app/widgets/MainWindow.h"

#include <QAction>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/HistorySettings.h"
#include "app/HistoryWitness.h"
#include "app/MainController.h"
#include "app/OwnSettings.h"
#include "app/widgets/IntervalDialog.h"
#include "app/widgets/PortSetupDialog.h"
#include "bus/BusTexts.h"
#include "bus/widgets/BusView.h"
#include "configuration/ConfigDiff.h"
#include "history/HistoryLocation.h"
#include "history/HistoryTexts.h"
#include "history/Recorder.h"
#include "history/widgets/HistoryWindow.h"
#include "platform/PortNames.h"
#include "platform/Texts.h"
#include "platform/Version.h"
#include "platform/widgets/QtUi.h"
#include "scan/ScanTexts.h"
#include "trace/TraceTexts.h"
#include "trace/widgets/TraceWindow.h"
#include "trend/TrendTexts.h"
#include "trend/widgets/TrendPanel.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"
#include "types/Texts.h"

namespace korvane::app {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The box around the status info and the about box's names; German and English show the
// German ones, as they always did.
constexpr platform::Text kStatusInfoBox{"app", QT_TRANSLATE_NOOP("app", "Status Info")};
constexpr platform::Text kAboutTitle{"app", QT_TRANSLATE_NOOP("app", "Info über Korvane")};
constexpr platform::Text kAboutItem{"app", QT_TRANSLATE_NOOP("app", "Inf&o über Korvane...")};

// Under the buttons and in the about box: the one version of the build.
QString VersionText() { return QStringLiteral("Korvane Version ") + QString::fromLatin1(platform::kVersion); }

// The flow buttons in the window's order, with their names, captions and enabled states.
struct FlowButtonSpec {
  Flow flow;
  const char* name;
  std::string MainCaptions::*caption;
  bool ButtonStates::*enabled;
};
constexpr FlowButtonSpec kFlowButtons[] = {
    {Flow::kCalibrate, "calibrate", &MainCaptions::calibrate, &ButtonStates::calibrate},
    {Flow::kConfigure, "configure", &MainCaptions::configure, &ButtonStates::configure},
    {Flow::kParametrize, "parametrize", &MainCaptions::parametrize, &ButtonStates::parametrize},
    {Flow::kDisplayConfig, "displayConfig", &MainCaptions::displayConfig, &ButtonStates::displayConfig},
};
static_assert(std::size(kFlowButtons) == kFlows.size());

// The program's icon (data/korvane.svg, rendered at build time into the resources),
// the same the launcher shows.
QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/korvane/icons/%1/korvane.png").arg(size), QSize(size, size));
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

// --- main window ----------------------------------------------------------------------

MainWindow::MainWindow(QWidget* parent) : MainWindow(Options{}, parent) {}

MainWindow::MainWindow(Options options, QWidget* parent) : QDialog(parent) {
  const std::string folder = options.settingsFolder.empty() ? platform::SettingsFolder() : options.settingsFolder;
  if (options.ui) {
    ui_ = options.ui;
  } else {
    auto own = std::make_unique<platform::QtUi>(this);
    // Each kind of file's dialog starts where that kind was last saved or opened.
    own->setFolderMemory({[folder](const std::string& kind) {
                            return LoadOwnSettings(folder).Get(std::string(kFolderKeyPrefix) + kind).value_or("");
                          },
                          [folder](const std::string& kind, const std::string& chosen) {
                            if (chosen.find_first_of("\r\n") != std::string::npos) return;  // no line of its own
                            std::string ignored;  // a folder not kept costs only the next dialog's start
                            UpdateOwnSettings(
                                folder,
                                [&](OwnSettings& own) {
                                  if (own.Get(std::string(kFolderKeyPrefix) + kind) == chosen) return false;
                                  own.Set(std::string(kFolderKeyPrefix) + kind, chosen);
                                  return true;
                                },
                                &ignored, Language::kGerman);
                          }});
    qtUi_ = own.get();
    ownUi_ = std::move(own);
    ui_ = ownUi_.get();
  }
  measurement::IntervalPicker* intervals = options.intervals;
  if (!intervals) {
    ownIntervals_ = std::make_unique<QtIntervalPicker>(this);
    intervals = ownIntervals_.get();
  }
  intervals_ = intervals;
  clock_ = options.clock;
  if (options.link) {
    link_ = options.link;
  } else {
    ownLink_ = std::make_unique<link::Link>([folder](int com) { return platform::DeviceForPort(folder, com); },
                                            options.timings, options.clock);
    link_ = ownLink_.get();
  }
  controller_ = std::make_unique<MainController>(*link_, *ui_, *intervals, folder, options.clock);
  flows_ = std::make_unique<MainFlows>(*controller_, *link_, *ui_, this, options.clock, options.flowDialogs);

  Build();

  MainController* c = controller_.get();
  connect(c, &MainController::stateChanged, this, &MainWindow::RefreshState);
  connect(&c->live(), &LiveMeasurement::fieldTextsChanged, this, &MainWindow::RefreshFields);
  connect(&c->live(), &LiveMeasurement::captionsChanged, this, &MainWindow::RefreshCaptions);
  connect(&c->live(), &LiveMeasurement::statusLineChanged, this, &MainWindow::RefreshState);
  connect(&c->live(), &LiveMeasurement::runningChanged, this, &MainWindow::RefreshState);
  connect(&c->live(), &LiveMeasurement::staleChanged, this, &MainWindow::RefreshFields);

  connect(&c->live(), &LiveMeasurement::chainCompleted, this, &MainWindow::OnChainForTrend);
  connect(&c->live(), &LiveMeasurement::runningChanged, this, [this](bool running) {
    if (running) trendPanel_->Clear();
  });

  c->Initialize();
  settingsFolder_ = folder;
  witness_ = std::make_shared<OwnSettingsWitness>(folder);
  history::HistoryChoice history;
  if (history::ParseHistoryOption(options.history, &history, nullptr) && history.location) {
    history::Recorder::Options o;
    o.location = *history.location;
    o.createFolder = options.history.empty();
    o.technician = TechnicianOf(LoadOwnSettings(folder));
    o.host = history::HostName();
    o.program = std::string("korvane ") + platform::kVersion;
    o.witness = witness_;
    c->UseHistory(std::make_unique<history::Recorder>(std::move(o)));
  }
  RefreshState();
  RefreshFields();
  RefreshCaptions();
}

void MainWindow::SetTechnician(const std::string& typed) {
  const std::optional<std::string> name = TechnicianName(typed);
  OwnSettings own;
  std::string error;
  // Only this line changes: what another program (or the history's thread) wrote meanwhile stays.
  const bool kept = UpdateOwnSettings(
      settingsFolder_,
      [&](OwnSettings& s) {
        const std::optional<std::string> before = s.Get(kTechnicianKey);
        // Blank (or a name that is no line): the account's name again.
        if (name)
          s.Set(kTechnicianKey, *name);
        else
          s.values.erase(kTechnicianKey);
        own = s;
        return s.Get(kTechnicianKey) != before;
      },
      &error, controller_->language());
  if (!kept) {
    ui_->Message(error);
    if (name) own.Set(kTechnicianKey, *name);
  }
  const std::string technician = TechnicianOf(own);
  if (history::Recorder* r = controller_->history()) r->setTechnician(technician);
  if (historyWindow_) historyWindow_->setTechnician(technician);
}

MainWindow::~MainWindow() {
  flows_.reset();
  controller_.reset();
}

void MainWindow::Build() {
  setWindowTitle(QStringLiteral("Korvane"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  auto* values = new QGridLayout;
  values->setHorizontalSpacing(6);
  for (int i = 0; i < 6; ++i) {
    const int row = (i / 3) * 2;
    const int col = (i % 3) * 2;
    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("channel%1").arg(i + 1));
    channels_[i] = caption;
    auto* field = new ValueField(this);
    field->setObjectName(QStringLiteral("value%1").arg(i + 1));
    values_[i] = field;
    auto* unit = new QLabel(this);
    unit->setMinimumWidth(60);
    if (i < 5) {
      unit->setObjectName(QStringLiteral("unit%1").arg(i + 1));
      units_[i] = unit;
    } else {
      unit->setText(QStringLiteral("°C"));
    }
    values->addWidget(caption, row, col, 1, 2);
    values->addWidget(field, row + 1, col);
    values->addWidget(unit, row + 1, col + 1);
    values->setRowStretch(row + 1, 1);
    values->setColumnStretch(col, 1);
  }

  auto makeLabel = [](const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
  };
  calibrationStatus_ = makeLabel("calibrationStatus", this);
  recordingStatus_ = makeLabel("recordingStatus", this);
  statusBox_ = new QGroupBox(this);
  statusInfo_ = makeLabel("statusInfo", statusBox_);
  statusInfo_->setWordWrap(true);
  auto* boxLayout = new QVBoxLayout(statusBox_);
  boxLayout->addWidget(statusInfo_);

  auto* left = new QVBoxLayout;
  left->addLayout(values, 1);
  left->addWidget(calibrationStatus_);
  left->addWidget(recordingStatus_);
  left->addWidget(statusBox_);

  auto makeButton = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
  };
  auto* right = new QVBoxLayout;
  help_ = new QToolButton(this);
  help_->setText(QStringLiteral("?"));
  connect(help_, &QToolButton::clicked, this, &MainWindow::ShowAbout);
  right->addWidget(help_, 0, Qt::AlignRight);
  start_ = makeButton("start");
  setupMeasurement_ = makeButton("setupMeasurement");
  right->addWidget(start_);
  right->addWidget(setupMeasurement_);
  MainController* c = controller_.get();
  for (std::size_t i = 0; i < std::size(kFlowButtons); ++i) {
    flowButtons_[i] = makeButton(kFlowButtons[i].name);
    right->addWidget(flowButtons_[i]);
    connect(flowButtons_[i], &QPushButton::clicked, this, [c, flow = kFlowButtons[i].flow] { c->OnFlow(flow); });
  }
  setup_ = makeButton("setup");
  setup_->setText(QStringLiteral("Setup"));
  right->addWidget(setup_);
  right->addStretch(1);
  addressLabel_ = makeLabel("addressLabel", this);
  address_ = new QSpinBox(this);
  address_->setRange(0, 255);
  address_->setObjectName(QStringLiteral("address"));
  auto* addressRow = new QHBoxLayout;
  addressRow->addWidget(addressLabel_);
  addressRow->addWidget(address_);
  right->addLayout(addressRow);
  exit_ = makeButton("exit");
  right->addWidget(exit_);
  auto* version = new QLabel(VersionText(), this);
  version->setAlignment(Qt::AlignRight);
  right->addWidget(version);

  BuildBench(left, right, addressRow);

  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right);
  // The bottom line: which port, where it leads, at what rate, to which module.
  statusBar_ = new QStatusBar(this);
  statusBar_->setSizeGripEnabled(false);
  lineStatus_ = makeLabel("lineStatus", statusBar_);
  lineStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar_->addWidget(lineStatus_, 1);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top, 1);
  outer->addWidget(statusBar_);

  connect(start_, &QPushButton::clicked, this, [c] { c->OnStartStop(); });
  connect(setupMeasurement_, &QPushButton::clicked, this, [c] { c->OnSetupMeasurement(); });
  connect(setup_, &QPushButton::clicked, this, &MainWindow::OnSetup);
  connect(exit_, &QPushButton::clicked, this, &MainWindow::reject);
  connect(address_, &QSpinBox::valueChanged, this, &MainWindow::OnAddressChanged);

  // The about box sits in the window's context menu, behind the "?" button and on F1.
  aboutAction_ = new QAction(this);
  aboutAction_->setShortcut(QKeySequence::HelpContents);
  connect(aboutAction_, &QAction::triggered, this, &MainWindow::ShowAbout);
  addAction(aboutAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  resize(980, 420);
}

QLabel* MainWindow::label(const QString& name) const { return name.isEmpty() ? nullptr : findChild<QLabel*>(name); }

QPushButton* MainWindow::button(const QString& name) const {
  return name.isEmpty() ? nullptr : findChild<QPushButton*>(name);
}

void MainWindow::RefreshState() {
  const MainController& c = *controller_;
  const MainCaptions cap = c.captions();
  const ButtonStates& b = c.buttons();
  // Qt's own dialogs and the Ui's own texts speak the language chosen in Setup.
  qtTexts_.Apply(c.language());
  if (qtUi_) qtUi_->setLanguage(c.language());
  for (std::size_t i = 0; i < std::size(kFlowButtons); ++i) {
    flowButtons_[i]->setText(Q(cap.*kFlowButtons[i].caption));
    flowButtons_[i]->setEnabled(b.*kFlowButtons[i].enabled);
  }
  exit_->setText(Q(cap.exit));
  setupMeasurement_->setText(Q(cap.setupMeasurement));
  start_->setText(Q(cap.start));
  addressLabel_->setText(Q(cap.addressLabel));

  // A flow may have moved the module to another address (configuration write).
  if (address_->value() != c.address()) {
    QSignalBlocker block(address_);
    address_->setValue(c.address());
  }

  start_->setEnabled(b.start);
  exit_->setEnabled(b.exit);
  // The module of a running flow stays the one at this address.
  address_->setEnabled(b.address);
  setup_->setEnabled(b.setup);
  setupMeasurement_->setEnabled(b.setupMeasurement);

  RefreshBench();

  calibrationStatus_->setText(Q(controller_->live().statusLine()));
  recordingStatus_->setText(Q(c.recordingStatus()));
  // The watchdog line ends in LF CR; a label shows it without the break.
  statusInfo_->setText(Q(c.statusInfo()).trimmed().replace(QLatin1Char('\t'), QStringLiteral("  ")));
  RefreshLineStatus();
}

void MainWindow::RefreshLineStatus() {
  QStringList parts;
  for (const std::string& part : controller_->lineStatus().Parts(controller_->language())) parts << Q(part);
  lineStatus_->setText(parts.join(QStringLiteral("    ")));
}

void MainWindow::RefreshFields() {
  const LiveMeasurement& live = controller_->live();
  const auto& t = live.fieldTexts();
  // Values the module no longer confirms are shown grey until it answers again, and so
  // is a value it left unanswered while the others came.
  for (std::size_t i = 0; i < values_.size(); ++i) {
    values_[i]->setText(Q(t[i]));
    values_[i]->setEnabled(!live.stale() && (live.answered()[i] || t[i].empty()));
  }
}

void MainWindow::RefreshCaptions() {
  const LiveMeasurement& live = controller_->live();
  for (std::size_t i = 0; i < channels_.size(); ++i) channels_[i]->setText(Q(live.labels()[i]));
  for (std::size_t i = 0; i < units_.size(); ++i) units_[i]->setText(Q(live.units()[i]));
  std::array<std::string, 6> units{};
  std::copy(live.units().begin(), live.units().end(), units.begin());
  units[5] = "°C";
  // The axes read with the decimals the fields show.
  std::array<int, 6> decimals{};
  for (int c = 1; c <= 5; ++c) decimals[c - 1] = types::ChannelDecimals(live.captionType(), c);
  decimals[5] = 1;
  trendPanel_->SetChannels(live.labels(), units, decimals, controller_->language());
}

void MainWindow::OnSetup() {
  if (controller_->busy() || controller_->running()) return;
  const Language language = controller_->language();
  PortSetupDialog dlg(this);
  dlg.setSettingsFolder(controller_->settingsFolder());
  dlg.setComNumber(controller_->comNumber());
  dlg.setBaudRate(link_->baudRate());
  dlg.setLanguage(language);
  dlg.setCancelCaption(Q(SetupCancelCaption(language)));
  dlg.setLanguageCaption(Q(SetupLanguageCaption(language)));
  const std::string technician = TechnicianOf(LoadOwnSettings(settingsFolder_));
  dlg.setTechnician(Q(technician));
  if (dlg.exec() != QDialog::Accepted) return;
  if (dlg.technician().toStdString() != technician) SetTechnician(dlg.technician().toStdString());
  controller_->ApplySetup(dlg.comNumber(), dlg.language(), dlg.baudRate());
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
  box.setWindowTitle(QTr(controller_->language(), kAboutTitle));
  auto* layout = new QGridLayout(&box);
  auto* icon = new QLabel(&box);
  icon->setPixmap(windowIcon().pixmap(48, 48));
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(VersionText(), &box), 0, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons, 2, 0, 1, 2);
  box.exec();
}

// --- the technician's bench ---------------------------------------------------------

void MainWindow::BuildBench(QVBoxLayout* left, QVBoxLayout* right, QHBoxLayout* addressRow) {
  // The trend sits under the value fields, hidden until "Verlauf" shows it.
  trendPanel_ = new trend::TrendPanel(this);
  trendPanel_->setObjectName(QStringLiteral("trendPanel"));
  trendPanel_->hide();
  left->insertWidget(1, trendPanel_, 2);
  trendButton_ = new QPushButton(this);
  trendButton_->setObjectName(QStringLiteral("trend"));
  trendButton_->setAutoDefault(false);
  trendButton_->setCheckable(true);
  right->insertWidget(right->indexOf(setup_) + 1, trendButton_);
  connect(trendButton_, &QPushButton::toggled, this, [this](bool on) {
    const int before = height();
    trendPanel_->setVisible(on);
    // The layout's minimum follows the panel now, not at the next event: a shrink
    // would otherwise stop at the height that still held the trend.
    layout()->activate();
    if (on && !isMaximized()) heightWithoutTrend_ = before;
    if (!isVisible() || isMaximized()) return;
    if (!on) {
      // Back to the height the window had without the trend, so the fields keep theirs.
      resize(width(), std::max(minimumSizeHint().height(), heightWithoutTrend_));
      return;
    }
    // The window grows by the trend's height, at most to the screen's height, and
    // upwards where the bottom would leave the screen: "Beenden" and the status must
    // stay in reach.
    const int h = trendPanel_->sizeHint().height() + 60;
    const QRect screenArea = screen()->availableGeometry();
    const int frame = frameGeometry().height() - height();
    resize(width(), std::min(std::max(minimumSizeHint().height(), before + h), screenArea.height() - frame));
    const int below = frameGeometry().bottom() - screenArea.bottom();
    if (below > 0) move(x(), std::max(screenArea.top(), y() - below));
  });

  scan_ = new QPushButton(this);
  scan_->setObjectName(QStringLiteral("scan"));
  scan_->setAutoDefault(false);
  addressRow->addWidget(scan_);
  connect(scan_, &QPushButton::clicked, this, &MainWindow::OnScan);

  bus_ = new QPushButton(this);
  bus_->setObjectName(QStringLiteral("bus"));
  bus_->setAutoDefault(false);
  right->insertWidget(right->indexOf(trendButton_) + 1, bus_);
  // Opening the view takes nothing from the line: its start waits for a free line.
  connect(bus_, &QPushButton::clicked, this, [this] { ShowBus(); });

  history_ = new QPushButton(this);
  history_->setObjectName(QStringLiteral("history"));
  history_->setAutoDefault(false);
  right->insertWidget(right->indexOf(bus_) + 1, history_);
  // Reading the history takes nothing from the line.
  connect(history_, &QPushButton::clicked, this, [this] { ShowHistory(); });

  traceAction_ = new QAction(this);
  traceAction_->setObjectName(QStringLiteral("traceAction"));
  connect(traceAction_, &QAction::triggered, this, &MainWindow::ShowTrace);
  addAction(traceAction_);
}

void MainWindow::RefreshBench() {
  const Language language = controller_->language();
  trendButton_->setText(QString::fromUtf8(Tr(language, trend::kTrendButton)));
  scan_->setText(QString::fromUtf8(Tr(language, scan::kScanButton)));
  scan_->setEnabled(controller_->buttons().address);
  bus_->setText(QString::fromUtf8(Tr(language, bus::kBusButton)));
  history_->setText(QTr(language, history::kHistoryButton));
  if (historyWindow_) historyWindow_->setLanguage(language);
  if (busView_ && !busView_->running()) busView_->setLanguage(language);
  traceAction_->setText(QString::fromUtf8(Tr(language, trace::kTraceMenu)));
  statusBox_->setTitle(QTr(language, kStatusInfoBox));
  help_->setToolTip(QTr(language, kAboutTitle));
  aboutAction_->setText(QTr(language, kAboutItem));
  if (traceWindow_) traceWindow_->setLanguage(language);
}

void MainWindow::OnChainForTrend() {
  // The calibration polls too; the trend follows the measurement only.
  if (!controller_->running()) return;
  trend::TrendSample s;
  s.ms = QDateTime::currentMSecsSinceEpoch();
  s.values = link_->module().measured;
  trendPanel_->AddSample(s);
}

void MainWindow::OnScan() {
  const scan::ScanChoice choice = flows_->Scan();
  if (choice.historyOf)
    ShowHistory(types::FromWindows1252(*choice.historyOf));
  else if (!choice.busModules.empty())
    ShowBus(choice.busModules);
  else if (choice.address)
    address_->setValue(*choice.address);
}

bus::BusView* MainWindow::ShowBus(const std::vector<std::uint8_t>& addresses) {
  if (!busView_) {
    busView_ = new bus::BusView({*link_, *ui_, *intervals_, clock_}, controller_->language(), this);
    busView_->setObjectName(QStringLiteral("busView"));
    connect(busView_, &bus::BusView::historyRequested, this,
            [this](int address) { ShowHistory()->ShowAddress(address); });
    const int a = controller_->address();
    busView_->setAddresses({static_cast<std::uint8_t>(a <= scan::kLastModuleAddress ? a : 0)});
  }
  if (!addresses.empty()) busView_->setAddresses(addresses);
  busView_->show();
  busView_->raise();
  busView_->activateWindow();
  return busView_;
}

history::HistoryWindow* MainWindow::ShowHistory(const std::string& identity) {
  if (!historyWindow_) {
    const OwnSettings own = LoadOwnSettings(settingsFolder_);
    history::HistoryWindow::Options o;
    if (history::Recorder* r = controller_->history()) o.location = r->location();
    o.ui = ui_;
    o.intervals = IntervalsFrom(own);
    o.saveIntervals = [this](const history::CalibrationIntervals& intervals) {
      std::string error;
      const auto keep = [&](OwnSettings& kept) {
        KeepIntervals(kept, intervals);
        return true;
      };
      if (!UpdateOwnSettings(settingsFolder_, keep, &error, controller_->language())) ui_->Message(error);
    };
    o.site = own.Get(kSiteKey).value_or("");
    o.saveSite = [this](const std::string& site) {
      std::string error;
      const auto keep = [&](OwnSettings& kept) {
        kept.Set(kSiteKey, site);
        return true;
      };
      if (!UpdateOwnSettings(settingsFolder_, keep, &error, controller_->language())) ui_->Message(error);
    };
    o.technician = TechnicianOf(own);
    o.saveTechnician = [this](const std::string& name) { SetTechnician(name); };
    o.program = std::string("korvane ") + platform::kVersion;
    o.fieldLabel = [this](const std::string& key, int type) {
      return configuration::KeyLabel(key, type - 1, controller_->language());
    };
    o.fieldRank = &configuration::KeyRank;
    o.calibrationKeys = configuration::CalibrationKeys();
    o.witness = witness_;
    historyWindow_ = new history::HistoryWindow(std::move(o), controller_->language(), this);
  } else {
    historyWindow_->Reload();
  }
  if (!identity.empty()) historyWindow_->ShowModule(identity);
  historyWindow_->show();
  historyWindow_->raise();
  historyWindow_->activateWindow();
  return historyWindow_;
}

trace::TraceWindow* MainWindow::ShowTrace() {
  if (!traceWindow_) {
    traceWindow_ = new trace::TraceWindow(*link_, *ui_, this);
    traceWindow_->setLanguage(controller_->language());
  }
  traceWindow_->show();
  traceWindow_->raise();
  return traceWindow_;
}

void MainWindow::reject() {
  if (closing_) return;
  if (!controller_->Exit()) return;
  closing_ = true;
  QDialog::reject();
}

}  // namespace korvane::app
