// The assistant's window under offscreen Qt, led through a two-point pH calibration on
// the simulator with a settling sensor by a robot that looks at the page every few
// milliseconds and presses what a technician would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "calibration/Calibrate.h"
#include "calibration/PointSession.h"
#include "calibration/widgets/AssistantPointPage.h"
#include "calibration/widgets/AssistantReferencePage.h"
#include "calibration/widgets/AssistantResultPage.h"
#include "calibration/widgets/CalibrationAssistant.h"
#include "calibration/widgets/LimitBar.h"
#include "calibration/widgets/QtAssistantUi.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::calibration {
namespace {

class WindowPoller : public CalibrationHost {
 public:
  explicit WindowPoller(link::Link& link) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [&link] { link.Send(0, link::kMeasuredValue1); });
  }
  void SetChannelCaptions(int) override {}
  void StartPolling() override { timer_.start(); }
  void StopPolling() override { timer_.stop(); }
  void ClearValueDisplay() override {}
  void SetStatusLine(const std::string&) override {}

 private:
  QTimer timer_;
};

struct Seen {
  std::vector<QString> stability;  // the stability line as it changed
  std::vector<QString> recognition, presets, warnings;
  QString verdict, nernst;
  int bars = 0;
  QString ending;
};

TEST(AssistantWindowTest, APhCalibrationFromTheSettlingPointToTheSavedResult) {
  for (Language language : {Language::kGerman, Language::kEnglish}) {
    SCOPED_TRACE(static_cast<int>(language));
    test::ScriptedUi ui;
    test::SimLink sim{ui};
    auto amp = sim.AddAmplifier(1);
    amp->SetSettle(8, 0.02);
    amp->SetMeasured(6, 12.0f);
    double now = 0;
    int points = 0;
    QObject::connect(&sim.link, &link::Link::chainEnded, [&] {
      now += 2;
      sim.bus.Advance(2);
    });
    QtAssistantUi assistant(nullptr, language);
    std::vector<std::string> told;
    assistant.tell = [&](const std::string& t) { told.push_back(t); };
    AssistantParts parts;
    parts.ui = &assistant;
    parts.seconds = [&] { return now; };
    link::FlowContext context;
    context.language = language;
    WindowPoller host(sim.link);

    CalibrationAssistant* w = assistant.window();
    Seen seen;
    QWidget* lastPage = nullptr;
    QTimer robot;
    QObject::connect(&robot, &QTimer::timeout, [&] {
      QWidget* page = w->currentPage();
      if (page == w->pointPage()) {
        const QString s = w->pointPage()->stability()->text();
        if (seen.stability.empty() || seen.stability.back() != s) seen.stability.push_back(s);
        if (page != lastPage) amp->SetSolution(points++ == 0 ? 7.052 : 4.00);  // into the next buffer
      } else if (page == w->referencePage() && page != lastPage) {
        seen.recognition.push_back(w->referencePage()->recognition()->text());
        seen.presets.push_back(w->referencePage()->edit()->text());
        seen.warnings.push_back(w->referencePage()->warning()->isVisible() ? w->referencePage()->warning()->text()
                                                                           : "");
        w->referencePage()->okButton()->click();
      } else if (page == w->resultPage() && w->resultPage()->saveButton()->isVisible()) {
        seen.verdict = w->resultPage()->verdict()->text();
        seen.nernst = w->resultPage()->nernst()->text();
        seen.bars = static_cast<int>(w->resultPage()->bars().size());
        w->resultPage()->saveButton()->click();
      } else if (page == w->resultPage()) {
        seen.ending = w->findChild<QLabel*>(QStringLiteral("ending"))->text();
        for (QPushButton* b : w->resultPage()->findChildren<QPushButton*>())
          if (b->isVisible() && b != w->resultPage()->certificateButton()) b->click();
      }
      lastPage = page;
    });
    robot.start(3);
    const CalibrationRun run = Calibrate(sim.link, context, ui, ui, host, &parts);
    robot.stop();

    EXPECT_EQ(run.outcome, "saved");
    EXPECT_TRUE(told.empty());
    const bool de = language == Language::kGerman;
    // The stability line said how far from stable, then "stabil" when the point was taken.
    EXPECT_GT(seen.stability.size(), 2u);
    EXPECT_EQ(w->pointPage()->stability()->text(), de ? "stabil" : "stable");
    ASSERT_EQ(seen.presets.size(), 2u);
    EXPECT_EQ(seen.presets[0], "7.052");
    EXPECT_EQ(seen.presets[1], "4");
    EXPECT_TRUE(seen.recognition[1].startsWith(de ? "Puffer 4.01" : "Buffer 4.01"))
        << seen.recognition[1].toStdString();
    EXPECT_EQ(seen.warnings, (std::vector<QString>{"", ""}));
    EXPECT_EQ(seen.verdict, de ? "Ergebnis plausibel" : "Result plausible");
    EXPECT_TRUE(seen.nernst.startsWith(de ? "Steilheit 97." : "Slope 97.")) << seen.nernst.toStdString();
    EXPECT_EQ(seen.bars, 2);
    EXPECT_EQ(seen.ending, de ? "Gespeichert." : "Saved.");
    EXPECT_FALSE(w->isVisible());
  }
}

TEST(AssistantWindowTest, TheCloseBoxDuringAPointGivesTheCalibrationUp) {
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  sim.AddAmplifier(2);
  QtAssistantUi assistant(nullptr, Language::kGerman);
  AssistantParts parts;
  parts.ui = &assistant;
  WindowPoller host(sim.link);
  link::FlowContext context;
  CalibrationAssistant* w = assistant.window();
  QTimer robot;
  QObject::connect(&robot, &QTimer::timeout, [&] {
    if (w->currentPage() == w->pointPage() && w->isVisible()) {
      // The criterion's fields act on the running point.
      w->pointPage()->driftLimit()->setValue(0.2);
      w->reject();
    } else if (w->currentPage() == w->resultPage()) {
      w->reject();
    }
  });
  robot.start(3);
  const CalibrationRun run = Calibrate(sim.link, context, ui, ui, host, &parts);
  robot.stop();
  EXPECT_EQ(run.outcome, "cancelled");
  EXPECT_TRUE(sim.bus.received().size() >= 5u);
  for (const link::Frame& f : sim.bus.received()) EXPECT_NE(link::FrameGroup(f), link::kWrite);
}

}  // namespace
}  // namespace korvane::calibration
