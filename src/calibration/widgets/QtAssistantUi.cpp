#include "calibration/widgets/QtAssistantUi.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

#include "calibration/AssistantTexts.h"
#include "calibration/PointSession.h"
#include "calibration/widgets/AssistantReferencePage.h"
#include "calibration/widgets/AssistantResultPage.h"
#include "calibration/widgets/CalibrationAssistant.h"
#include "platform/CommonTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::calibration {

QtAssistantUi::QtAssistantUi(QWidget* parent, Language language)
    : window_(new CalibrationAssistant(language, parent)), language_(language) {
  tell = [this](const std::string& text) {
    QMessageBox::information(window_, QString::fromUtf8(platform::kAppTitle), QString::fromStdString(text));
  };
  confirm = [this](const std::string& question) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(platform::kAppTitle), QString::fromStdString(question),
                    QMessageBox::NoButton, window_);
    QPushButton* yes = box.addButton(QString::fromUtf8(Tr(language_, platform::kYes)), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromUtf8(Tr(language_, platform::kNo)), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
  };
}

QtAssistantUi::~QtAssistantUi() { delete window_; }

CalibrationAssistant* QtAssistantUi::window() const { return window_; }

void QtAssistantUi::Present() {
  if (!window_->isVisible()) window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtAssistantUi::Begin(const AssistantStart& start) {
  window_->Begin(start);
  Present();
}

void QtAssistantUi::RunPoint(PointSession& session) {
  window_->ShowPoint(session);
  Present();
  QEventLoop loop;
  QObject::connect(&session, &PointSession::ended, &loop, &QEventLoop::quit);
  QObject::connect(window_, &CalibrationAssistant::closeRequested, &loop, [&session] { session.Cancel(); });
  if (session.running()) loop.exec();
  const SessionSetup& s = session.setup();
  const std::string how = session.figures().stable && !session.waitingToLeave() ? Tr(language_, kTakenStable)
                                                                                : Tr(language_, kTakenUnstable);
  captured_ = platform::StringPrintf("%.2f %s, %.1f °C, %s", session.value(), s.unit.c_str(), session.temperature(),
                                     how.c_str());
}

std::optional<ReferenceAnswer> QtAssistantUi::EnterReference(const ReferenceRequest& request) {
  window_->ShowReference(request, captured_);
  Present();
  QEventLoop loop;
  bool accepted = false;
  AssistantReferencePage* page = window_->referencePage();
  QObject::connect(page, &AssistantReferencePage::accepted, &loop, [&] {
    accepted = true;
    loop.quit();
  });
  QObject::connect(page, &AssistantReferencePage::cancelled, &loop, &QEventLoop::quit);
  QObject::connect(window_, &CalibrationAssistant::closeRequested, &loop, &QEventLoop::quit);
  loop.exec();
  if (!accepted) return std::nullopt;
  return page->answer();
}

ResultChoice QtAssistantUi::ShowResult(const ResultView& view) {
  window_->ShowResult(view);
  Present();
  QEventLoop loop;
  ResultChoice choice = ResultChoice::kExit;
  AssistantResultPage* page = window_->resultPage();
  QObject::connect(page, &AssistantResultPage::save, &loop, [&] {
    choice = ResultChoice::kSave;
    loop.quit();
  });
  QObject::connect(page, &AssistantResultPage::exit, &loop, &QEventLoop::quit);
  QObject::connect(window_, &CalibrationAssistant::closeRequested, &loop, &QEventLoop::quit);
  loop.exec();
  return choice;
}

bool QtAssistantUi::ConfirmImplausibleSave(const std::string& question) { return confirm(question); }

void QtAssistantUi::Tell(const std::string& text) { tell(text); }

void QtAssistantUi::End(const std::string& text, const std::function<void()>& print) {
  window_->ShowEnd(text, print);
  Present();
  QEventLoop loop;
  QObject::connect(window_->resultPage(), &AssistantResultPage::closed, &loop, &QEventLoop::quit);
  QObject::connect(window_, &CalibrationAssistant::closeRequested, &loop, &QEventLoop::quit);
  loop.exec();
  window_->hide();
}

}  // namespace korvane::calibration
