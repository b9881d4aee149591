#include "display/widgets/DisplayUnitDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "display/DisplayTexts.h"
#include "display/widgets/DialogCaptions.h"
#include "display/widgets/DisplayOutputsDialog.h"
#include "link/Protocol.h"
#include "link/widgets/LineGate.h"
#include "logger/widgets/ClockDialog.h"
#include "platform/CommonTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "platform/widgets/SpinEdit.h"

namespace korvane::display {
namespace {

using types::Text;

// The contrast's check at OK lets one step more through than its arrows reach.
constexpr int kContrastCheckedHighest = link::kContrastHighest + 1;

// Typing may go beyond the arrows' range, so OK can name the field and what it takes.
SpinEdit* NumberField(int stepMin, int stepMax, QWidget* parent) {
  auto* field = new SpinEdit(stepMin, stepMax, parent);
  field->setRange(-9999, 9999);
  field->setAccelerated(true);
  return field;
}

constexpr Text kUnitTitle{"display", QT_TRANSLATE_NOOP("display", "Anzeige konfigurieren")};
constexpr Text kInformation{"display", QT_TRANSLATE_NOOP("display", "Information")};
constexpr Text kRead{"display", QT_TRANSLATE_NOOP("display", "Auslesen")};
constexpr Text kClock{"display", QT_TRANSLATE_NOOP("display", "Uhr stellen")};
constexpr Text kDelete{"display", QT_TRANSLATE_NOOP("display", "Löschen")};
constexpr Text kConfigure{"display", QT_TRANSLATE_NOOP("display", "Konfigurieren")};
constexpr Text kOutputs{"display", QT_TRANSLATE_NOOP("display", "Ausgänge")};
constexpr Text kContrast{"display", QT_TRANSLATE_NOOP("display", "Kontrast")};
constexpr Text kLogger{"display", QT_TRANSLATE_NOOP("display", "Datenlogger")};
constexpr Text kLoggerEnable{"display", QT_TRANSLATE_NOOP("display", "Datenlogger freigeben")};
constexpr Text kSerialEnable{"display", QT_TRANSLATE_NOOP("display", "serielle Ausgabe freigeben")};
constexpr Text kLoggerInterval{"display", QT_TRANSLATE_NOOP("display", "Datenloggerintervall\nin Minuten (1...999)")};
// The check takes 10 s at least; the caption says so in both languages.
constexpr Text kSerialInterval{"display", QT_TRANSLATE_NOOP("display", "serielles Intervall in\nSekunden (10...300)")};
constexpr Text kVirtual[2] = {{"display", QT_TRANSLATE_NOOP("display", "virtuell 1")},
                              {"display", QT_TRANSLATE_NOOP("display", "virtuell 2")}};
constexpr Text kDisplay{"display", QT_TRANSLATE_NOOP("display", "Anzeige")};
constexpr Text kAddress{"display", QT_TRANSLATE_NOOP("display", "Adresse")};
constexpr Text kValueType{"display", QT_TRANSLATE_NOOP("display", "Messwert Typ")};
using platform::kOpen;
using platform::kSave;

constexpr Text kOperations[kOperationChoices] = {{"display", QT_TRANSLATE_NOOP("display", "Addition")},
                                                 {"display", QT_TRANSLATE_NOOP("display", "Subtraktion")},
                                                 {"display", QT_TRANSLATE_NOOP("display", "freies Chlor")},
                                                 {"display", QT_TRANSLATE_NOOP("display", "abs. Differenz")}};
constexpr Text kOperands[kOperandChoices] = {
    {"display", QT_TRANSLATE_NOOP("display", "Messwert 1")}, {"display", QT_TRANSLATE_NOOP("display", "Messwert 2")},
    {"display", QT_TRANSLATE_NOOP("display", "Messwert 3")}, {"display", QT_TRANSLATE_NOOP("display", "Messwert 4")},
    {"display", QT_TRANSLATE_NOOP("display", "Messwert 5")}, {"display", QT_TRANSLATE_NOOP("display", "Temperatur")}};
constexpr Text kNoDisplayText{"display", QT_TRANSLATE_NOOP("display", "keine Anzeige")};
constexpr Text kOutputPosition{"display", QT_TRANSLATE_NOOP("display", "Position %1")};

QComboBox* Combo(QWidget* parent, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->addItems(items);
  return c;
}

QStringList Operands(Language lang) {
  QStringList l;
  for (const Text& t : kOperands) l << Caption(t, lang);
  return l;
}

QStringList PositionChoices(Language lang) {
  QStringList l{Caption(kNoDisplayText, lang)};
  l << Operands(lang) << Caption(kVirtual[0], lang) << Caption(kVirtual[1], lang);
  return l;
}

QStringList OutputPositions(Language lang) {
  QStringList l;
  for (int i = 1; i <= kOutputChoices; ++i) l << Caption(kOutputPosition, lang).arg(i);
  return l;
}

// A list index the unit reported outside the list shows as no selection and keeps
// its value.
void TakeIndex(const QComboBox* c, int& value) {
  if (c->currentIndex() >= 0) value = c->currentIndex();
}

}  // namespace

DisplayUnitDialog::DisplayUnitDialog(platform::Ui& ui, DisplaySettings& settings, DisplayActions& actions,
                                     OutputsEditor* outputs, QWidget* parent, link::Link* line)
    : QDialog(parent),
      ui_(ui),
      settings_(settings),
      actions_(actions),
      ownOutputsEditor_(outputs ? nullptr : std::make_unique<QtOutputsEditor>(ui, this)),
      outputsEditor_(outputs ? outputs : ownOutputsEditor_.get()),
      language_(settings.language) {
  const Language lang = language_;
  setWindowTitle(Caption(kUnitTitle, lang));

  auto* display = new QGroupBox(this);
  auto* dgrid = new QGridLayout(display);
  dgrid->addWidget(new QLabel(Caption(kDisplay, lang), display), 0, 0);
  dgrid->addWidget(new QLabel(Caption(kAddress, lang), display), 0, 1);
  dgrid->addWidget(new QLabel(Caption(kValueType, lang), display), 0, 2);
  for (int i = 0; i < 8; ++i) {
    PositionRow& row = positions_[static_cast<std::size_t>(i)];
    row.address = NumberField(0, 31, display);
    row.choice = Combo(display, PositionChoices(lang));
    dgrid->addWidget(new QLabel(QString::number(i + 1), display), i + 1, 0);
    dgrid->addWidget(row.address, i + 1, 1);
    dgrid->addWidget(row.choice, i + 1, 2);
  }
  dgrid->setRowStretch(9, 1);

  QStringList operations;
  for (const Text& t : kOperations) operations << Caption(t, lang);
  auto* virtualsBox = new QWidget(this);
  auto* vlayout = new QVBoxLayout(virtualsBox);
  vlayout->setContentsMargins(0, 0, 0, 0);
  for (int j = 0; j < 2; ++j) {
    VirtualRow& row = virtuals_[static_cast<std::size_t>(j)];
    auto* box = new QGroupBox(Caption(kVirtual[j], lang), virtualsBox);
    auto* grid = new QGridLayout(box);
    row.address1 = NumberField(0, 31, box);
    row.operand1 = Combo(box, Operands(lang));
    row.address2 = NumberField(0, 31, box);
    row.operand2 = Combo(box, Operands(lang));
    row.operation = Combo(box, operations);
    grid->addWidget(new QLabel(Caption(kAddress, lang), box), 0, 0);
    grid->addWidget(row.address1, 0, 1);
    grid->addWidget(row.operand1, 0, 2);
    grid->addWidget(new QLabel(Caption(kAddress, lang), box), 1, 0);
    grid->addWidget(row.address2, 1, 1);
    grid->addWidget(row.operand2, 1, 2);
    grid->addWidget(row.operation, 2, 1, 1, 2);
    vlayout->addWidget(box);
  }

  auto* outputsBox = new QGroupBox(Caption(kOutputs, lang), this);
  auto* ogrid = new QGridLayout(outputsBox);
  dac0_ = Combo(outputsBox, OutputPositions(lang));
  dac1_ = Combo(outputsBox, OutputPositions(lang));
  relay0_ = Combo(outputsBox, OutputPositions(lang));
  relay1_ = Combo(outputsBox, OutputPositions(lang));
  ogrid->addWidget(new QLabel(QStringLiteral("DAC0"), outputsBox), 0, 0);
  ogrid->addWidget(dac0_, 0, 1);
  ogrid->addWidget(new QLabel(QStringLiteral("DAC1"), outputsBox), 1, 0);
  ogrid->addWidget(dac1_, 1, 1);
  ogrid->addWidget(new QLabel(Caption(kRelay0, lang), outputsBox), 2, 0);
  ogrid->addWidget(relay0_, 2, 1);
  ogrid->addWidget(new QLabel(Caption(kRelay1, lang), outputsBox), 3, 0);
  ogrid->addWidget(relay1_, 3, 1);
  auto* configure = new QPushButton(Caption(kConfigure, lang), outputsBox);
  ogrid->addWidget(configure, 4, 0, 1, 2);

  auto* loggerBox = new QGroupBox(Caption(kLogger, lang), this);
  auto* lgrid = new QGridLayout(loggerBox);
  loggerEnabled_ = new QCheckBox(Caption(kLoggerEnable, lang), loggerBox);
  loggerInterval_ = NumberField(1, 999, loggerBox);
  auto* information = new QPushButton(Caption(kInformation, lang), loggerBox);
  auto* read = new QPushButton(Caption(kRead, lang), loggerBox);
  auto* clock = new QPushButton(Caption(kClock, lang), loggerBox);
  auto* clear = new QPushButton(Caption(kDelete, lang), loggerBox);
  information_ = new QLabel(loggerBox);
  information_->setMinimumWidth(300);
  information_->setMinimumHeight(fontMetrics().height() * 4);
  information_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  information_->setFrameShape(QFrame::StyledPanel);
  information_->setWordWrap(true);
  lgrid->addWidget(loggerEnabled_, 0, 0, 1, 2);
  lgrid->addWidget(new QLabel(Caption(kLoggerInterval, lang), loggerBox), 1, 0);
  lgrid->addWidget(loggerInterval_, 1, 1);
  auto* lbuttons = new QHBoxLayout;
  for (QPushButton* b : {information, read, clock, clear}) lbuttons->addWidget(b);
  lgrid->addLayout(lbuttons, 2, 0, 1, 2);
  lgrid->addWidget(information_, 3, 0, 1, 2);

  auto* serialBox = new QGroupBox(this);
  auto* sgrid = new QGridLayout(serialBox);
  serialEnabled_ = new QCheckBox(Caption(kSerialEnable, lang), serialBox);
  serialCaption_ = new QLabel(Caption(kSerialInterval, lang), serialBox);
  serialInterval_ = NumberField(10, 300, serialBox);
  contrast_ = NumberField(link::kContrastLowest, link::kContrastHighest, serialBox);
  firmware_ = new QLabel(serialBox);
  sgrid->addWidget(serialEnabled_, 0, 0, 1, 2);
  sgrid->addWidget(serialCaption_, 1, 0);
  sgrid->addWidget(serialInterval_, 1, 1);
  sgrid->addWidget(new QLabel(Caption(kContrast, lang), serialBox), 2, 0);
  sgrid->addWidget(contrast_, 2, 1);
  sgrid->addWidget(firmware_, 3, 0, 1, 2);

  auto* save = new QPushButton(Caption(kSave, lang), this);
  auto* open = new QPushButton(Caption(kOpen, lang), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(Caption(types::kCancel, lang), this);
  ok->setDefault(true);
  for (QPushButton* b : {configure, information, read, clock, clear, save, open, cancel}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(open);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QGridLayout(this);
  layout->addWidget(display, 0, 0, 2, 1);
  layout->addWidget(virtualsBox, 0, 1);
  layout->addWidget(outputsBox, 1, 1);
  layout->addWidget(loggerBox, 0, 2);
  layout->addWidget(serialBox, 1, 2);
  layout->addLayout(buttons, 2, 0, 1, 3);

  connect(configure, &QPushButton::clicked, this, &DisplayUnitDialog::OnOutputs);
  connect(information, &QPushButton::clicked, this, &DisplayUnitDialog::OnInformation);
  connect(read, &QPushButton::clicked, this, &DisplayUnitDialog::OnReadLogger);
  connect(clock, &QPushButton::clicked, this, &DisplayUnitDialog::OnClock);
  connect(clear, &QPushButton::clicked, this, &DisplayUnitDialog::OnClearLogger);
  connect(save, &QPushButton::clicked, this, &DisplayUnitDialog::OnSave);
  connect(open, &QPushButton::clicked, this, &DisplayUnitDialog::OnOpen);
  connect(ok, &QPushButton::clicked, this, &DisplayUnitDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(contrast_, &QSpinBox::valueChanged, this, &DisplayUnitDialog::OnContrastChanged);
  ShowSettings();
  // Every button talks to the unit (or ends the dialog's flow), and so does the
  // contrast: one transfer at a time.
  auto* gate = new link::LineGate(line, this);
  gate->Add({configure, information, read, clock, clear, save, open, ok, cancel, contrast_});
}

DisplayUnitDialog::~DisplayUnitDialog() = default;

void DisplayUnitDialog::ShowSettings() {
  filling_ = true;
  const DisplaySettings& s = settings_;
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    positions_[i].address->setValue(s.positions[i].address);
    positions_[i].choice->setCurrentIndex(s.positions[i].choice);
  }
  for (std::size_t j = 0; j < virtuals_.size(); ++j) {
    const VirtualChannel& v = s.virtuals[j];
    virtuals_[j].address1->setValue(v.address1);
    virtuals_[j].operand1->setCurrentIndex(v.operand1);
    virtuals_[j].address2->setValue(v.address2);
    virtuals_[j].operand2->setCurrentIndex(v.operand2);
    virtuals_[j].operation->setCurrentIndex(v.operation);
  }
  dac0_->setCurrentIndex(s.dac0Position);
  dac1_->setCurrentIndex(s.dac1Position);
  relay0_->setCurrentIndex(s.relay0Position);
  relay1_->setCurrentIndex(s.relay1Position);
  loggerEnabled_->setChecked(s.loggerEnabled);
  serialEnabled_->setChecked(s.serialEnabled);
  loggerInterval_->setValue(s.loggerInterval);
  serialInterval_->setValue(s.serialInterval);
  contrast_->setValue(s.contrast);
  firmware_->setText(QString::fromStdString(s.firmwareText));
  filling_ = false;
}

bool DisplayUnitDialog::TakeControls(DisplaySettings& s, bool check) {
  const Language lang = language_;
  // Each whole-number field with its name and the range OK accepts.
  auto take = [&](const SpinEdit* edit, int& value, const std::string& name, int min, int max) {
    const int v = edit->value();
    if (check && (v < min || v > max)) {
      ui_.Message(platform::Fill(Tr(lang, texts::kWholeNumber), name, min, max));
      return false;
    }
    value = v;
    return true;
  };
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    const std::string name = platform::Fill(Tr(lang, texts::kPositionAddress), static_cast<int>(i + 1));
    if (!take(positions_[i].address, s.positions[i].address, name, 0, 31)) return false;
    TakeIndex(positions_[i].choice, s.positions[i].choice);
  }
  for (std::size_t j = 0; j < virtuals_.size(); ++j) {
    VirtualChannel& v = s.virtuals[j];
    const int n = static_cast<int>(j + 1);
    if (!take(virtuals_[j].address1, v.address1, platform::Fill(Tr(lang, texts::kVirtualAddress), 1, n), 0, 31) ||
        !take(virtuals_[j].address2, v.address2, platform::Fill(Tr(lang, texts::kVirtualAddress), 2, n), 0, 31))
      return false;
    TakeIndex(virtuals_[j].operand1, v.operand1);
    TakeIndex(virtuals_[j].operand2, v.operand2);
    TakeIndex(virtuals_[j].operation, v.operation);
  }
  if (!take(loggerInterval_, s.loggerInterval, Tr(lang, texts::kLoggerIntervalField), 1, 999) ||
      !take(contrast_, s.contrast, Tr(lang, texts::kContrastField), link::kContrastLowest, kContrastCheckedHighest) ||
      !take(serialInterval_, s.serialInterval, Tr(lang, texts::kSerialIntervalField), 10, 300))
    return false;
  TakeIndex(dac0_, s.dac0Position);
  TakeIndex(dac1_, s.dac1Position);
  TakeIndex(relay0_, s.relay0Position);
  TakeIndex(relay1_, s.relay1Position);
  s.loggerEnabled = loggerEnabled_->isChecked();
  s.serialEnabled = serialEnabled_->isChecked();
  return true;
}

void DisplayUnitDialog::accept() {
  DisplaySettings s = settings_;
  if (!TakeControls(s, true)) return;
  settings_ = s;
  QDialog::accept();
}

void DisplayUnitDialog::OnContrastChanged(int value) {
  if (filling_ || !isVisible()) return;
  if (value > 20) {
    // Beyond what the unit takes: shown as 20, nothing sent.
    const QSignalBlocker block(contrast_);
    contrast_->setValue(20);
    return;
  }
  if (value >= 0) actions_.SetContrast(value);
}

void DisplayUnitDialog::OnInformation() {
  if (const std::optional<std::string> text = actions_.LoggerInformation())
    information_->setText(QString::fromStdString(*text).remove(QLatin1Char('\r')));
}

void DisplayUnitDialog::OnReadLogger() { actions_.ReadLogger(); }

void DisplayUnitDialog::OnClock() {
  if (const auto t = logger::ClockDialog::Ask(
          this, [this] { return actions_.Now(); }, std::nullopt, language_))
    actions_.SetClock(*t);
}

void DisplayUnitDialog::OnClearLogger() { actions_.ClearLogger(); }

void DisplayUnitDialog::OnOutputs() { actions_.ConfigureOutputs(settings_.outputs, *outputsEditor_); }

void DisplayUnitDialog::OnSave() {
  DisplaySettings s = settings_;
  if (!TakeControls(s, true)) return;
  actions_.Save(s);
  settings_.outputs = s.outputs;  // read for the file: kept for the next save
}

void DisplayUnitDialog::OnOpen() {
  DisplaySettings s = settings_;
  TakeControls(s, false);
  if (!actions_.Load(s)) return;
  settings_ = s;
  ShowSettings();
  // The contrast edit changed: the unit gets it as from the edit.
  actions_.SetContrast(s.contrast);
}

DisplayEditor::Result QtDisplayEditor::Edit(DisplaySettings& s, DisplayActions& actions) {
  DisplayUnitDialog dialog(ui_, s, actions, nullptr, parent_, line_);
  return dialog.exec() == QDialog::Accepted ? Result::kAccepted : Result::kCancelled;
}

}  // namespace korvane::display
