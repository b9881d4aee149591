// "Kalibrieren" in the main window: the assistant or the classic boxes as korvane.conf
// and the context menu say, and a calibration the module did not take never shown as
// the module's values.
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/MainController.h"
#include "app/OwnSettings.h"
#include "app/widgets/MainWindow.h"
#include "calibration/CalibrationTexts.h"
#include "platform/Texts.h"
#include "support/ScriptedAssistant.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;

struct ModeFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  ScriptedAssistant assistant;
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1);  // pH: -3.5 mV / -59.2 mV/pH
  std::unique_ptr<app::MainWindow> win;

  std::string Folder() const { return QDir(dir.path()).filePath("Korvane").toStdString(); }
  void Make(bool withAssistant) {
    app::MainWindow::Options o;
    o.settingsFolder = Folder();
    o.ui = &ui;
    o.intervals = &ui;
    o.flowDialogs.calibration = &ui;
    if (withAssistant) o.flowDialogs.assistant = &assistant;
    o.link = &sim.link;
    win = std::make_unique<app::MainWindow>(o);
    win->controller().live().setPollPeriod(10ms);
  }
  std::string Status() { return win->controller().live().statusLine(); }
  // The two buffers of the classic worked example, pinned while the boxes are open.
  void PinBuffers() {
    auto waits = std::make_shared<int>(0);
    ui.onEvent = [this, waits](const UiEvent& e) {
      if (e.kind != "message" || e.text != platform::Tr(Language::kGerman, calibration::kWaitStable)) return;
      amp->SetMeasured(2, (*waits)++ == 0 ? 0.0f : 120.0f);  // 40 mV/pH: implausible
      amp->SetMeasured(6, 25.0f);
      QElapsedTimer t;
      t.start();
      while (sim.link.module().measured[1] != amp->Measured(2) && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
  }
};

TEST_F(ModeFixture, ADiscardedCalibrationLeavesTheModulesValuesShown) {
  Make(false);
  PinBuffers();
  ui.entries = {7.0f, 4.0f};
  ui.results = {2};  // "Beenden" after "Kalibrierfehler!"
  win->button("calibrate")->click();
  EXPECT_NE(std::find(ui.Messages().begin(), ui.Messages().end(), "Kalibrierfehler!"), ui.Messages().end());
  EXPECT_EQ(Status(), "Asymmetrie: -3.5  Steilheit: -59.2  ");
  EXPECT_EQ(sim.link.module().calibration[1], -59.2f);
  EXPECT_EQ(amp->ParameterFloat(33), -59.2f);

  // Saved, the new values are the module's and are shown.
  ui.onEvent = nullptr;
  PinBuffers();
  ui.entries = {7.0f, 4.0f};
  ui.results = {1};
  win->button("calibrate")->click();
  EXPECT_EQ(Status(), "Asymmetrie: 0.0  Steilheit: -40.0  ");
  EXPECT_NEAR(amp->ParameterFloat(33), -40.0f, 1e-4);
}

TEST_F(ModeFixture, TheAssistantLeadsUnlessTheSettingsChooseTheClassicBoxes) {
  Make(true);
  amp->SetSettle(5, 0.02);
  assistant.points = {ScriptedAssistant::PointAction::kTakeNow, ScriptedAssistant::PointAction::kTakeNow};
  assistant.references = {7.0f, 4.0f};
  win->button("calibrate")->click();
  EXPECT_EQ(assistant.starts.size(), 1u);
  EXPECT_EQ(assistant.shownPoints.size(), 2u);
  EXPECT_TRUE(ui.Messages().empty());  // no classic box

  // The context menu's "Kalibrierassistent" unchecked: the classic boxes, kept in korvane.conf.
  QAction* mode = win->findChild<QAction*>(QStringLiteral("calibrationAssistantAction"));
  ASSERT_NE(mode, nullptr);
  EXPECT_TRUE(mode->isChecked());
  EXPECT_EQ(mode->text(), "Kalibrierassistent");
  mode->setChecked(false);
  EXPECT_EQ(app::LoadOwnSettings(Folder()).Get("calibration.mode"), "classic");
  ui.entries = {7.0f, 4.0f};
  win->button("calibrate")->click();
  EXPECT_EQ(assistant.starts.size(), 1u);  // not asked again
  EXPECT_EQ(ui.Messages().front(), platform::Tr(Language::kGerman, calibration::kFirstPoint));
}

}  // namespace
}  // namespace korvane::test
