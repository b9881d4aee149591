#include "calibration/widgets/CalibrationAssistant.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "calibration/PointSession.h"
#include "calibration/widgets/AssistantPointPage.h"
#include "calibration/widgets/AssistantReferencePage.h"
#include "calibration/widgets/AssistantResultPage.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace korvane::calibration {

CalibrationAssistant::CalibrationAssistant(Language language, QWidget* parent)
    : QDialog(parent),
      language_(language),
      step_(new QLabel(this)),
      problems_(new QLabel(this)),
      pages_(new QStackedWidget(this)),
      point_(new AssistantPointPage(this)),
      reference_(new AssistantReferencePage(this)),
      result_(new AssistantResultPage(this)) {
  setObjectName(QStringLiteral("calibrationAssistant"));
  setWindowModality(Qt::ApplicationModal);
  problems_->setWordWrap(true);
  problems_->setStyleSheet(QStringLiteral("color: #a05000"));
  problems_->hide();
  QFont small = step_->font();
  small.setBold(true);
  step_->setFont(small);
  pages_->addWidget(point_);
  pages_->addWidget(reference_);
  pages_->addWidget(result_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(step_);
  layout->addWidget(problems_);
  layout->addWidget(pages_, 1);
  resize(560, 520);
}

void CalibrationAssistant::Begin(const AssistantStart& s) {
  setWindowTitle(QString::fromUtf8(platform::kAppTitle) + QStringLiteral(" – ") + QString::fromStdString(s.title));
  step_->setText(QString::fromStdString(s.title));
  points_ = s.points;
  QString problems;
  for (const std::string& p : s.problems) problems += QString::fromStdString(p) + QStringLiteral("\n");
  problems_->setText(problems.trimmed());
  problems_->setVisible(!problems.isEmpty());
}

void CalibrationAssistant::ShowPoint(PointSession& session) {
  point_->Show(session, language_);
  pages_->setCurrentWidget(point_);
}

void CalibrationAssistant::ShowReference(const ReferenceRequest& request, const std::string& captured) {
  reference_->Show(request, captured, language_);
  pages_->setCurrentWidget(reference_);
}

void CalibrationAssistant::ShowResult(const ResultView& view) {
  result_->Show(view, language_);
  pages_->setCurrentWidget(result_);
}

void CalibrationAssistant::ShowEnd(const std::string& text, std::function<void()> print) {
  result_->ShowEnd(text, std::move(print), language_);
  pages_->setCurrentWidget(result_);
}

void CalibrationAssistant::reject() { emit closeRequested(); }

QWidget* CalibrationAssistant::currentPage() const { return pages_->currentWidget(); }

}  // namespace korvane::calibration
