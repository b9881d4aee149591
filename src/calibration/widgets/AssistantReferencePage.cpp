#include "calibration/widgets/AssistantReferencePage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calibration/AssistantTexts.h"
#include "calibration/widgets/CalibrationValueDialog.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

QString ReferenceText(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

AssistantReferencePage::AssistantReferencePage(QWidget* parent)
    : QWidget(parent),
      captured_(new QLabel(this)),
      setLabel_(new QLabel(this)),
      set_(new QComboBox(this)),
      recognition_(new QLabel(this)),
      warning_(new QLabel(this)),
      prompt_(new QLabel(this)),
      edit_(new QLineEdit(this)),
      unit_(new QLabel(this)),
      lotLabel_(new QLabel(this)),
      lot_(new QLineEdit(this)),
      expiryLabel_(new QLabel(this)),
      expiry_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(this)) {
  set_->setObjectName(QStringLiteral("bufferSet"));
  recognition_->setObjectName(QStringLiteral("recognition"));
  warning_->setObjectName(QStringLiteral("warning"));
  edit_->setObjectName(QStringLiteral("reference"));
  ok_->setObjectName(QStringLiteral("ok"));
  recognition_->setWordWrap(true);
  warning_->setWordWrap(true);
  warning_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
  QFont bold = captured_->font();
  bold.setBold(true);
  captured_->setFont(bold);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captured_);
  auto* sets = new QHBoxLayout;
  sets->addWidget(setLabel_);
  sets->addWidget(set_, 1);
  layout->addLayout(sets);
  layout->addWidget(recognition_);
  layout->addWidget(warning_);
  layout->addWidget(prompt_);
  auto* entry = new QHBoxLayout;
  entry->addWidget(edit_, 1);
  entry->addWidget(unit_);
  layout->addLayout(entry);
  auto* solution = new QGridLayout;
  solution->addWidget(lotLabel_, 0, 0);
  solution->addWidget(lot_, 0, 1);
  solution->addWidget(expiryLabel_, 0, 2);
  solution->addWidget(expiry_, 0, 3);
  layout->addLayout(solution);
  layout->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  ok_->setDefault(true);
  connect(set_, &QComboBox::currentIndexChanged, this, &AssistantReferencePage::OnSet);
  connect(edit_, &QLineEdit::textChanged, this, &AssistantReferencePage::OnEdit);
  connect(edit_, &QLineEdit::returnPressed, this, [this] {
    if (value()) emit accepted();
  });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (value()) emit accepted();
  });
  connect(cancel_, &QPushButton::clicked, this, &AssistantReferencePage::cancelled);
}

void AssistantReferencePage::Show(const ReferenceRequest& q, const std::string& captured, Language l) {
  request_ = q;
  language_ = l;
  captured_->setText(ReferenceText(captured));
  setLabel_->setText(QString::fromUtf8(Tr(l, kBufferSetLabel)));
  set_->blockSignals(true);
  set_->clear();
  for (const BufferSet& s : q.sets) set_->addItem(QString::fromStdString(s.name(l)), ReferenceText(s.key));
  set_->setCurrentIndex(set_->findData(ReferenceText(q.set)));
  set_->blockSignals(false);
  setLabel_->setVisible(!q.sets.empty());
  set_->setVisible(!q.sets.empty());
  recognition_->setText(ReferenceText(q.presetText));
  recognition_->setVisible(!q.presetText.empty());
  warning_->setText(ReferenceText(q.warning));
  warning_->setVisible(!q.warning.empty());
  prompt_->setText(ReferenceText(q.prompt));
  unit_->setText(ReferenceText(q.unit));
  edit_->setText(q.preset ? ReferenceText(CalibrationValueDialog::ShowNumber(*q.preset)) : QString());
  lotLabel_->setText(QString::fromUtf8(Tr(l, kLotLabel)));
  expiryLabel_->setText(QString::fromUtf8(Tr(l, kExpiryLabel)));
  lot_->clear();
  expiry_->clear();
  cancel_->setText(QString::fromUtf8(Tr(l, platform::kCancel)));
  OnEdit();
  edit_->setFocus();
  edit_->selectAll();
}

void AssistantReferencePage::OnSet() {
  if (!request_.guess) return;
  request_.set = set_->currentData().toString().toStdString();
  const BufferGuess g = request_.guess(request_.set);
  recognition_->setText(ReferenceText(g.text));
  recognition_->setVisible(!g.text.empty());
  edit_->setText(g.value ? ReferenceText(CalibrationValueDialog::ShowNumber(*g.value)) : QString());
}

void AssistantReferencePage::OnEdit() { ok_->setEnabled(value().has_value()); }

std::optional<float> AssistantReferencePage::value() const {
  return CalibrationValueDialog::ParseNumber(edit_->text().toStdString());
}

ReferenceAnswer AssistantReferencePage::answer() const {
  ReferenceAnswer a;
  a.value = value().value_or(0.0f);
  a.set = request_.sets.empty() ? std::string() : request_.set;
  a.lot = lot_->text().trimmed().toStdString();
  a.expiry = expiry_->text().trimmed().toStdString();
  return a;
}

}  // namespace korvane::calibration
