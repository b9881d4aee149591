#include "app/widgets/PortSetupDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cctype>

#include "link/DeviceName.h"
#include "link/Protocol.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::app {

namespace {
constexpr int kLineRates[] = {link::kSlowBaud, link::kMediumBaud, link::kFastBaud};
constexpr int kDefaultNetworkPort = 4001;
constexpr int kMinCom = 1;
constexpr int kMaxCom = 255;
constexpr platform::Text kNoInteger{"app", QT_TRANSLATE_NOOP("app", "Geben Sie eine ganze Zahl ein.")};
constexpr platform::Text kOutOfRange{"app",
                                     QT_TRANSLATE_NOOP("app", "Geben Sie eine ganze Zahl zwischen 1 und 255 ein.")};
constexpr platform::Text kNoFreePort{"app", QT_TRANSLATE_NOOP("app", "Kein freier Port gefunden.")};
constexpr platform::Text kFreePorts{"app", QT_TRANSLATE_NOOP("app", "Freie Ports")};
constexpr platform::Text kNetwork{"app", QT_TRANSLATE_NOOP("app", "Netzwerk")};
constexpr platform::Text kNetworkOff{"app", QT_TRANSLATE_NOOP("app", "Aus: das Gerät der COM-Nummer")};
constexpr platform::Text kProtocol{"app", QT_TRANSLATE_NOOP("app", "Protokoll")};
constexpr platform::Text kHost{"app", QT_TRANSLATE_NOOP("app", "Rechner")};
constexpr platform::Text kRate{"app", QT_TRANSLATE_NOOP("app", "Baudrate")};
constexpr platform::Text kTechnician{"app", QT_TRANSLATE_NOOP("app", "Techniker")};
}  // namespace

std::optional<std::string> ValidateComNumber(const std::string& text, int* value, Language language) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) return Tr(language, kNoInteger);
  // Count in a wide type and stop growing once far out of range, so long digit runs
  // cannot overflow.
  long long n = 0;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return Tr(language, kNoInteger);
    if (n <= 1000000) n = n * 10 + (c - '0');
  }
  if (negative) n = -n;
  if (n < kMinCom || n > kMaxCom) return Tr(language, kOutOfRange);
  if (value) *value = static_cast<int>(n);
  return std::nullopt;
}

QString FreePortListText(const std::vector<platform::FreePort>& ports, Language language) {
  if (ports.empty()) return QTr(language, kNoFreePort);
  QString text;
  for (const platform::FreePort& p : ports) {
    QString line = QStringLiteral("COM %1  %2").arg(p.comNumber).arg(QString::fromStdString(p.device));
    if (!p.description.empty()) line += QStringLiteral("  ") + QString::fromStdString(p.description);
    text += line + QLatin1Char('\n');
  }
  return text;
}

PortSetupDialog::PortSetupDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Setup"));
  showMessage = [this](const QString& text) {
    QMessageBox::information(this, QString::fromUtf8(platform::kAppTitle), text);
  };
  scanFreePorts = &platform::ScanFreePorts;

  comEdit_ = new QLineEdit(this);
  comEdit_->setMaxLength(16);
  deviceLabel_ = new QLabel(this);
  deviceLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  languageLabel_ = new QLabel(this);
  // Each language by its own name, in the settings file's order.
  languages_ = new QComboBox(this);
  for (const LanguageInfo& info : kLanguages) languages_->addItem(QString::fromUtf8(info.name));
  freePorts_ = new QPushButton(this);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  network_ = new QGroupBox(this);
  network_->setCheckable(true);
  network_->setChecked(false);
  protocolLabel_ = new QLabel(network_);
  protocol_ = new QComboBox(network_);
  protocol_->addItem(QStringLiteral("rfc2217://"));
  protocol_->addItem(QStringLiteral("socket://"));
  hostLabel_ = new QLabel(network_);
  host_ = new QLineEdit(network_);
  host_->setMaxLength(253);
  networkPort_ = new QSpinBox(network_);
  networkPort_->setRange(1, 65535);
  networkPort_->setValue(kDefaultNetworkPort);
  auto* net = new QGridLayout(network_);
  net->addWidget(protocolLabel_, 0, 0);
  net->addWidget(protocol_, 0, 1, 1, 3);
  net->addWidget(hostLabel_, 1, 0);
  net->addWidget(host_, 1, 1);
  net->addWidget(new QLabel(QStringLiteral("Port"), network_), 1, 2);
  net->addWidget(networkPort_, 1, 3);
  net->setColumnStretch(1, 1);

  rateLabel_ = new QLabel(this);
  rate_ = new QComboBox(this);
  for (int rate : kLineRates) rate_->addItem(QString::number(rate), rate);
  technicianLabel_ = new QLabel(this);
  technician_ = new QLineEdit(this);
  technician_->setMaxLength(80);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("COM Port"), this), 0, 0);
  grid->addWidget(comEdit_, 0, 1);
  grid->addWidget(deviceLabel_, 0, 2);
  grid->addWidget(rateLabel_, 1, 0);
  grid->addWidget(rate_, 1, 1);
  grid->addWidget(languageLabel_, 2, 0);
  grid->addWidget(languages_, 2, 1);
  grid->addWidget(technicianLabel_, 3, 0);
  grid->addWidget(technician_, 3, 1, 1, 2);
  grid->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(freePorts_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addWidget(network_);
  outer->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &PortSetupDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &PortSetupDialog::reject);
  connect(freePorts_, &QPushButton::clicked, this, &PortSetupDialog::OnFreePorts);
  connect(comEdit_, &QLineEdit::textChanged, this, &PortSetupDialog::OnComTextChanged);
  // The label shows where OK puts the number: the box's line, or its device.
  connect(network_, &QGroupBox::toggled, this, &PortSetupDialog::UpdateDeviceLabel);
  connect(protocol_, &QComboBox::currentIndexChanged, this, &PortSetupDialog::UpdateDeviceLabel);
  connect(host_, &QLineEdit::textChanged, this, &PortSetupDialog::UpdateDeviceLabel);
  connect(networkPort_, &QSpinBox::valueChanged, this, &PortSetupDialog::UpdateDeviceLabel);

  setComNumber(0);
  setLanguage(Language::kGerman);
  comEdit_->setFocus();
}

void PortSetupDialog::setComNumber(int com) {
  comNumber_ = com;
  // The box follows the text; the same number again still shows its mapping afresh.
  comEdit_->setText(QString::number(com));
  LoadNetworkFields(com);
}

void PortSetupDialog::OnComTextChanged() {
  int com = 0;
  if (!ValidateComNumber(comEdit_->text().toStdString(), &com)) LoadNetworkFields(com);
  UpdateDeviceLabel();
}

int PortSetupDialog::baudRate() const { return rate_->currentData().toInt(); }

void PortSetupDialog::setBaudRate(int baud) {
  int index = rate_->findData(baud);
  if (index < 0) {
    // A rate the settings file holds but no line runs at: shown until another is chosen.
    rate_->addItem(QString::number(baud), baud);
    index = rate_->count() - 1;
  }
  rate_->setCurrentIndex(index);
}

QString PortSetupDialog::technician() const { return technician_->text().trimmed(); }

void PortSetupDialog::setTechnician(const QString& name) { technician_->setText(name); }

void PortSetupDialog::setLanguage(Language language) {
  language_ = language;
  // A digit no language has shows as German, as the rest of the program treats it.
  languages_->setCurrentIndex(SettingOf(KnownOrGerman(language)));
  freePorts_->setText(QTr(language, kFreePorts));
  network_->setTitle(QTr(language, kNetwork));
  protocolLabel_->setText(QTr(language, kProtocol));
  hostLabel_->setText(QTr(language, kHost));
  rateLabel_->setText(QTr(language, kRate));
  technicianLabel_->setText(QTr(language, kTechnician));
  network_->setToolTip(QTr(language, kNetworkOff));
}

std::string PortSetupDialog::networkLine() const {
  if (!network_->isChecked()) return {};
  return (protocol_->currentText() + host_->text().trimmed() + QLatin1Char(':') +
          QString::number(networkPort_->value()))
      .toStdString();
}

void PortSetupDialog::LoadNetworkFields(int com) {
  if (settingsFolder_.empty()) return;
  const std::string device = platform::DeviceForPort(settingsFolder_, com);
  const link::DeviceName name = link::ParseDeviceName(device, language_);
  const bool network = name.kind != link::LineKind::kSerial;
  // Another number's line never stays in the fields: OK would put it on this number.
  network_->setChecked(network);
  protocol_->setCurrentIndex(name.kind == link::LineKind::kRawTcp ? 1 : 0);
  host_->setText(network ? QString::fromStdString(name.host) : QString());
  networkPort_->setValue(network && name.port > 0 ? name.port : kDefaultNetworkPort);
}

void PortSetupDialog::setCancelCaption(const QString& caption) {
  cancelCaption_ = caption;
  cancel_->setText(caption);
}

void PortSetupDialog::setLanguageCaption(const QString& caption) {
  languageCaption_ = caption;
  languageLabel_->setText(caption);
}

void PortSetupDialog::setSettingsFolder(const std::string& folder) {
  settingsFolder_ = folder;
  OnComTextChanged();
}

void PortSetupDialog::UpdateDeviceLabel() {
  int com = 0;
  if (ValidateComNumber(comEdit_->text().toStdString(), &com)) {
    deviceLabel_->clear();
    return;
  }
  const std::string line = networkLine();
  std::string device = platform::DeviceForPort(settingsFolder_, com);
  if (!line.empty() && !host_->text().trimmed().isEmpty())
    device = line;
  else if (!network_->isChecked() && platform::IsNetworkLineName(device))
    device = platform::DefaultDeviceForPort(com);  // OK removes the line: the number's own device
  deviceLabel_->setText(device.empty() ? QStringLiteral("-") : QString::fromStdString(device));
}

void PortSetupDialog::accept() {
  int com = 0;
  if (const auto error = ValidateComNumber(comEdit_->text().toStdString(), &com, language_)) {
    if (showMessage) showMessage(QString::fromStdString(*error));
    comEdit_->setFocus();
    comEdit_->selectAll();
    return;
  }
  // A hand-edited digit no language has stays as it is unless another language is chosen.
  const Language language = languages_->currentIndex() == SettingOf(KnownOrGerman(language_))
                                ? language_
                                : static_cast<Language>(languages_->currentIndex());
  // The network line is kept as the COM number's mapping; one that names no line, or a
  // mapping that cannot be written, keeps the dialog open.
  const std::string line = networkLine();
  std::string problem = line.empty() ? std::string() : link::ParseDeviceName(line, language).error;
  if (problem.empty() && !settingsFolder_.empty())
    problem = platform::MapPortToNetwork(settingsFolder_, com, line, language);
  if (!problem.empty()) {
    if (showMessage) showMessage(QString::fromStdString(problem));
    host_->setFocus();
    return;
  }
  comNumber_ = com;
  language_ = language;
  QDialog::accept();
}

void PortSetupDialog::OnFreePorts() {
  std::vector<platform::FreePort> ports;
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (scanFreePorts) ports = scanFreePorts(settingsFolder_);
    QApplication::restoreOverrideCursor();
  }
  if (showMessage) showMessage(FreePortListText(ports, language_));
}

}  // namespace korvane::app
