#pragma once
// The assistant's page for a point's reference value: what the point captured, the
// buffer set (pH points) with the buffer recognised and its value at the measured
// temperature, a warning when it looks like the first point's solution, the entry
// pre-filled (or empty, and why), and optional lot and expiry of the solution.
#include <QWidget>

#include <optional>

#include "calibration/AssistantUi.h"
#include "platform/Language.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::calibration {

class AssistantReferencePage : public QWidget {
  Q_OBJECT

 public:
  explicit AssistantReferencePage(QWidget* parent = nullptr);

  // captured: what the point took, as a line ("171.3 mV, 21.4 °C, stabil").
  void Show(const ReferenceRequest& request, const std::string& captured, Language language);
  // The entry's number, when it holds one.
  std::optional<float> value() const;
  ReferenceAnswer answer() const;

  QComboBox* setBox() const { return set_; }
  QLabel* recognition() const { return recognition_; }
  QLabel* warning() const { return warning_; }
  QLineEdit* edit() const { return edit_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 signals:
  void accepted();
  void cancelled();

 private:
  void OnSet();
  void OnEdit();

  ReferenceRequest request_;
  Language language_ = Language::kGerman;
  QLabel* captured_;
  QLabel* setLabel_;
  QComboBox* set_;
  QLabel* recognition_;
  QLabel* warning_;
  QLabel* prompt_;
  QLineEdit* edit_;
  QLabel* unit_;
  QLabel* lotLabel_;
  QLineEdit* lot_;
  QLabel* expiryLabel_;
  QLineEdit* expiry_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace korvane::calibration
