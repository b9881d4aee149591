#pragma once
// The calibration assistant's window: one per calibration, from the first point to the
// end, with a page for the settling point, one for its reference value and one for the
// result. It only shows; QtAssistantUi leads it through the run.
#include <QDialog>

#include "calibration/AssistantUi.h"
#include "platform/Language.h"

class QLabel;
class QStackedWidget;

namespace korvane::calibration {

class AssistantPointPage;
class AssistantReferencePage;
class AssistantResultPage;

class CalibrationAssistant : public QDialog {
  Q_OBJECT

 public:
  explicit CalibrationAssistant(Language language, QWidget* parent = nullptr);

  Language language() const { return language_; }
  void Begin(const AssistantStart& start);
  void ShowPoint(PointSession& session);
  void ShowReference(const ReferenceRequest& request, const std::string& captured);
  void ShowResult(const ResultView& view);
  void ShowEnd(const std::string& text, std::function<void()> printCertificate);

  AssistantPointPage* pointPage() const { return point_; }
  AssistantReferencePage* referencePage() const { return reference_; }
  AssistantResultPage* resultPage() const { return result_; }
  QLabel* problems() const { return problems_; }
  QWidget* currentPage() const;

  // The close box and Escape: the page that is showing decides what they mean.
  void reject() override;

 signals:
  void closeRequested();

 private:
  Language language_;
  QLabel* step_;
  QLabel* problems_;
  QStackedWidget* pages_;
  AssistantPointPage* point_;
  AssistantReferencePage* reference_;
  AssistantResultPage* result_;
  int points_ = 1;
};

}  // namespace korvane::calibration
