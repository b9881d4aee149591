#include "display/widgets/DisplayOutputsDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "display/DisplayTransfer.h"
#include "display/widgets/DialogCaptions.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::display {
namespace {

using types::Text;

constexpr Text kOutputsTitle{"display", QT_TRANSLATE_NOOP("display", "Konfiguration LCD Ausgänge")};
constexpr Text kDac0{"display", QT_TRANSLATE_NOOP("display", "DAC0 Kanal")};
constexpr Text kDac1{"display", QT_TRANSLATE_NOOP("display", "DAC1 Kanal")};
constexpr Text kLower{"display", QT_TRANSLATE_NOOP("display", "untere Grenze")};
constexpr Text kUpper{"display", QT_TRANSLATE_NOOP("display", "obere Grenze")};
constexpr Text kOutput{"display", QT_TRANSLATE_NOOP("display", "Ausgabe")};
constexpr Text kVoltage{"display", QT_TRANSLATE_NOOP("display", "Spannung")};
constexpr Text kCurrent{"display", QT_TRANSLATE_NOOP("display", "Strom")};
constexpr Text kCurrentType{"display", QT_TRANSLATE_NOOP("display", "Stromtyp")};
constexpr Text kLimit{"display", QT_TRANSLATE_NOOP("display", "Grenzwert")};
constexpr Text kHysteresis{"display", QT_TRANSLATE_NOOP("display", "Hysterese")};

}  // namespace

DisplayOutputsDialog::DisplayOutputsDialog(platform::Ui& ui, DisplayOutputs& outputs, Language language,
                                           QWidget* parent)
    : QDialog(parent), ui_(ui), outputs_(outputs), language_(language) {
  const Language lang = language;
  setWindowTitle(Caption(kOutputsTitle, lang));
  std::string* const texts[8] = {&outputs.dac0Lower,   &outputs.dac0Upper,       &outputs.dac1Lower,
                                 &outputs.dac1Upper,   &outputs.relay0Limit,     &outputs.relay0Hysteresis,
                                 &outputs.relay1Limit, &outputs.relay1Hysteresis};
  for (int i = 0; i < 8; ++i) fields_[i] = new QLineEdit(QString::fromStdString(*texts[i]), this);

  auto pairBox = [&](const Text& title, int first, const Text& a, const Text& b) {
    auto* box = new QGroupBox(Caption(title, lang), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(Caption(a, lang), box), 0, 0);
    grid->addWidget(fields_[first], 0, 1);
    grid->addWidget(new QLabel(Caption(b, lang), box), 1, 0);
    grid->addWidget(fields_[first + 1], 1, 1);
    return box;
  };
  auto radios = [&](QGroupBox* box, QRadioButton*& first, const std::string& a, QRadioButton*& second,
                    const std::string& b, int checked, int row) {
    auto* group = new QButtonGroup(box);
    first = new QRadioButton(QString::fromStdString(a), box);
    second = new QRadioButton(QString::fromStdString(b), box);
    group->addButton(first);
    group->addButton(second);
    (checked ? second : first)->setChecked(true);
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    grid->addWidget(first, row, 0);
    grid->addWidget(second, row, 1);
  };

  QGroupBox* dac0 = pairBox(kDac0, 0, kLower, kUpper);
  QGroupBox* dac1 = pairBox(kDac1, 2, kLower, kUpper);
  QGroupBox* relay0 = pairBox(kRelay0, 4, kLimit, kHysteresis);
  QGroupBox* relay1 = pairBox(kRelay1, 6, kLimit, kHysteresis);
  radios(relay0, min0_, "Minimum", max0_, "Maximum", outputs.relay0Maximum, 2);
  radios(relay1, min1_, "Minimum", max1_, "Maximum", outputs.relay1Maximum, 2);
  auto* output = new QGroupBox(Caption(kOutput, lang), this);
  new QGridLayout(output);
  radios(output, voltage_, Tr(lang, kVoltage), current_, Tr(lang, kCurrent), outputs.outputKind, 0);
  auto* range = new QGroupBox(Caption(kCurrentType, lang), this);
  new QGridLayout(range);
  radios(range, zeroTo20_, "0...20mA", fourTo20_, "4...20mA", outputs.currentRange, 0);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(Caption(types::kCancel, lang), this);
  connect(ok, &QPushButton::clicked, this, &DisplayOutputsDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QGridLayout(this);
  layout->addWidget(dac0, 0, 0);
  layout->addWidget(dac1, 0, 1);
  layout->addWidget(output, 1, 0);
  layout->addWidget(range, 1, 1);
  layout->addWidget(relay0, 2, 0);
  layout->addWidget(relay1, 2, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
}

void DisplayOutputsDialog::accept() {
  DisplayOutputs o = outputs_;
  std::string* const texts[8] = {&o.dac0Lower,   &o.dac0Upper,        &o.dac1Lower,   &o.dac1Upper,
                                 &o.relay0Limit, &o.relay0Hysteresis, &o.relay1Limit, &o.relay1Hysteresis};
  for (int i = 0; i < 8; ++i) *texts[i] = fields_[i]->text().toStdString();
  if (const std::string problem = OutputsProblem(o, language_); !problem.empty()) {
    ui_.Message(problem);
    return;
  }
  o.outputKind = current_->isChecked() ? 1 : 0;
  o.currentRange = fourTo20_->isChecked() ? 1 : 0;
  o.relay0Maximum = max0_->isChecked() ? 1 : 0;
  o.relay1Maximum = max1_->isChecked() ? 1 : 0;
  outputs_ = o;
  QDialog::accept();
}

bool QtOutputsEditor::Edit(DisplayOutputs& outputs, Language language) {
  DisplayOutputsDialog dialog(ui_, outputs, language, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace korvane::display
