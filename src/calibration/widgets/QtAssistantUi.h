#pragma once
// The desktop program's assistant: one CalibrationAssistant window for the run, led from
// page to page; each step waits in the window's own event loop (the live poll goes on)
// until the user or the point's session ends it.
#include <QPointer>
#include <QWidget>

#include <functional>

#include "calibration/AssistantUi.h"
#include "platform/Language.h"

namespace korvane::calibration {

class CalibrationAssistant;

class QtAssistantUi : public AssistantUi {
 public:
  QtAssistantUi(QWidget* parent, Language language);
  ~QtAssistantUi() override;

  CalibrationAssistant* window() const;
  // Messages and the second question before an implausible result is saved; message
  // boxes on the window unless replaced (tests).
  std::function<void(const std::string& text)> tell;
  std::function<bool(const std::string& question)> confirm;

  void Begin(const AssistantStart& start) override;
  void RunPoint(PointSession& session) override;
  std::optional<ReferenceAnswer> EnterReference(const ReferenceRequest& request) override;
  ResultChoice ShowResult(const ResultView& view) override;
  bool ConfirmImplausibleSave(const std::string& question) override;
  void Tell(const std::string& text) override;
  void End(const std::string& text, const std::function<void()>& printCertificate) override;

 private:
  void Present();

  QPointer<CalibrationAssistant> window_;
  Language language_;
  std::string captured_;  // the last point as its reference page heads it
};

}  // namespace korvane::calibration
