#include "app/widgets/PortSetupDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cctype>

#include "platform/Ui.h"

namespace korvane::app {

namespace {
constexpr int kMinCom = 1;
constexpr int kMaxCom = 255;
const char kNoInteger[] = "Geben Sie eine ganze Zahl ein.";
const char kOutOfRange[] = "Geben Sie eine ganze Zahl zwischen 1 und 255 ein.";
}  // namespace

std::optional<std::string> ValidateComNumber(const std::string& text, int* value) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) return std::string(kNoInteger);
  // Count in a wide type and stop growing once far out of range, so long digit runs
  // cannot overflow.
  long long n = 0;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::string(kNoInteger);
    if (n <= 1000000) n = n * 10 + (c - '0');
  }
  if (negative) n = -n;
  if (n < kMinCom || n > kMaxCom) return std::string(kOutOfRange);
  if (value) *value = static_cast<int>(n);
  return std::nullopt;
}

QString FreePortListText(const std::vector<platform::FreePort>& ports, Language language) {
  if (ports.empty())
    return language == Language::kEnglish ? QStringLiteral("No free port found.")
                                          : QStringLiteral("Kein freier Port gefunden.");
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
  german_ = new QRadioButton(QStringLiteral("Deutsch"), this);
  english_ = new QRadioButton(QStringLiteral("English"), this);
  languageGroup_ = new QButtonGroup(this);
  languageGroup_->addButton(german_, 0);
  languageGroup_->addButton(english_, 1);
  freePorts_ = new QPushButton(this);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("COM Port"), this), 0, 0);
  grid->addWidget(comEdit_, 0, 1);
  grid->addWidget(deviceLabel_, 0, 2);
  grid->addWidget(languageLabel_, 1, 0);
  auto* radios = new QHBoxLayout;
  radios->addWidget(german_);
  radios->addWidget(english_);
  radios->addStretch();
  grid->addLayout(radios, 1, 1, 1, 2);
  grid->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(freePorts_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &PortSetupDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &PortSetupDialog::reject);
  connect(freePorts_, &QPushButton::clicked, this, &PortSetupDialog::OnFreePorts);
  connect(comEdit_, &QLineEdit::textChanged, this, &PortSetupDialog::UpdateDeviceLabel);

  setComNumber(0);
  setLanguage(Language::kGerman);
  comEdit_->setFocus();
}

void PortSetupDialog::setComNumber(int com) {
  comNumber_ = com;
  comEdit_->setText(QString::number(com));
}

void PortSetupDialog::setLanguage(Language language) {
  language_ = language;
  // Any index other than 1 shows as German, as the rest of the program treats it.
  (language == Language::kEnglish ? english_ : german_)->setChecked(true);
  freePorts_->setText(language == Language::kEnglish ? QStringLiteral("Free Ports") : QStringLiteral("Freie Ports"));
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
  UpdateDeviceLabel();
}

void PortSetupDialog::UpdateDeviceLabel() {
  int com = 0;
  if (ValidateComNumber(comEdit_->text().toStdString(), &com)) {
    deviceLabel_->clear();
    return;
  }
  const std::string device = platform::DeviceForPort(settingsFolder_, com);
  deviceLabel_->setText(device.empty() ? QStringLiteral("-") : QString::fromStdString(device));
}

void PortSetupDialog::accept() {
  int com = 0;
  if (const auto error = ValidateComNumber(comEdit_->text().toStdString(), &com)) {
    if (showMessage) showMessage(QString::fromStdString(*error));
    comEdit_->setFocus();
    comEdit_->selectAll();
    return;
  }
  comNumber_ = com;
  language_ = english_->isChecked() ? Language::kEnglish : Language::kGerman;
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
