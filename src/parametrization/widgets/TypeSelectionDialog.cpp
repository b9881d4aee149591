#include "parametrization/widgets/TypeSelectionDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "parametrization/TypeNames.h"
#include "types/Catalogue.h"

namespace korvane::parametrization {

TypeSelectionDialog::TypeSelectionDialog(Language language, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Typ auswählen"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8("Bitte den zu parametrierenden Typ auswählen."), this));
  list_ = new QComboBox(this);
  list_->setObjectName(QStringLiteral("typeList"));
  for (int type = 0; type < kTypeCount; ++type)
    list_->addItem(QString::fromStdString(types::TypeListName(type, language)));
  list_->setCurrentIndex(0);
  list_->setMaxVisibleItems(kTypeCount);
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

int TypeSelectionDialog::selection() const { return list_->currentIndex(); }

std::optional<int> TypeSelectionDialog::Ask(QWidget* parent) {
  TypeSelectionDialog dialog(Language::kGerman, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selection();
}

}  // namespace korvane::parametrization
