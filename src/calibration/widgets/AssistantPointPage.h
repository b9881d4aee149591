#pragma once
// The assistant's page while a point settles: the step's instruction, the live value
// and temperature, the trend of the last minutes, drift and noise against the criterion
// ("stabil" or how far from it), the criterion's fields, "Automatisch übernehmen", and
// the buttons that take the point by hand or give the calibration up.
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/Language.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace korvane::calibration {

class PointSession;
class TrendSparkline;

class AssistantPointPage : public QWidget {
  Q_OBJECT

 public:
  explicit AssistantPointPage(QWidget* parent = nullptr);

  // Shows the session until it ends; its buttons and fields act on it.
  void Show(PointSession& session, Language language);

  QLabel* instruction() const { return instruction_; }
  QLabel* value() const { return value_; }
  QLabel* stability() const { return stability_; }
  QLabel* limit() const { return limit_; }
  QCheckBox* automatic() const { return auto_; }
  QPushButton* takeButton() const { return take_; }
  QPushButton* cancelButton() const { return cancel_; }
  QDoubleSpinBox* driftLimit() const { return drift_; }

 private:
  void Refresh();
  void ApplyCriterion();

  QPointer<PointSession> session_;
  Language language_ = Language::kGerman;
  QLabel* instruction_;
  QLabel* hint_;
  QLabel* value_;
  QLabel* temperature_;
  TrendSparkline* trend_;
  QLabel* stability_;
  QLabel* figures_;
  QLabel* limit_;
  QLabel* criterionLabel_;
  QLabel* driftLabel_;
  QDoubleSpinBox* drift_;
  QDoubleSpinBox* noise_;
  QSpinBox* window_;
  QLabel* driftUnit_;
  QLabel* noiseUnit_;
  QCheckBox* auto_;
  QPushButton* take_;
  QPushButton* cancel_;
  QTimer clock_;  // the elapsed time and the limit move without new values too
};

}  // namespace korvane::calibration
