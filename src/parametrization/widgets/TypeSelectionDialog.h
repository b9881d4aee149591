#pragma once
// "Typ auswählen": the type a module is to be parametrized as.
#include <QDialog>

#include <optional>

#include "platform/Language.h"

class QComboBox;

namespace korvane::parametrization {

class TypeSelectionDialog : public QDialog {
  Q_OBJECT

 public:
  // language selects the name list; the parametrization always shows the German one.
  explicit TypeSelectionDialog(Language language = Language::kGerman, QWidget* parent = nullptr);
  int selection() const;
  QComboBox* typeList() const { return list_; }

  // Runs the dialog; the chosen type index after OK, nullopt otherwise.
  static std::optional<int> Ask(QWidget* parent);

 private:
  QComboBox* list_;
};

}  // namespace korvane::parametrization
