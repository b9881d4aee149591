// The history window on a history the simulated module's flows wrote: the module with its
// events, the filters, the details of a write and the drift chart of the calibration.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calibration/Calibrate.h"
#include "configuration/ConfigTransfer.h"
#include "history/Recorder.h"
#include "history/widgets/DriftChart.h"
#include "history/widgets/HistoryWindow.h"
#include "logger/LoggerReadout.h"
#include "support/ConfigurationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::history {
namespace {

struct WindowQuietHost : calibration::CalibrationHost {
  void SetChannelCaptions(int) override {}
  void StartPolling() override {}
  void StopPolling() override {}
  void ClearValueDisplay() override {}
  void SetStatusLine(const std::string&) override {}
};

TEST(HistoryWindow, ShowsTheVisitOfASimulatedModule) {
  QTemporaryDir dir;
  store::Location location;
  location.path = dir.filePath("history.sqlite").toStdString();
  test::ScriptedUi ui;
  {
    test::SimLink sim{ui, link::LinkTimings::Fast()};
    auto amp = sim.AddAmplifier(1, 0, 4);
    amp->SetParameterByte(link::kType.number, 2);  // redox: a one-point calibration
    Recorder::Options o;
    o.location = location;
    o.technician = "Anna Berger";
    Recorder recorder(o);
    sim.context.log = &recorder;
    configuration::ConfigTransfer t(sim.link, ui, sim.context);
    t.setPauseBeforeDialog(false);
    test::ScriptedEditor edit([](configuration::ConfigSettings& s) {
      s.relay1Limit = "8.5";
      return true;
    });
    configuration::ConfigSettings s;
    t.ReadConfiguration(s, edit);
    ui.entries = {25.0f};
    ui.results = {1};
    WindowQuietHost host;
    calibration::Calibrate(sim.link, sim.context, ui, ui, host);
    logger::LoggerReadout(sim.link, ui, sim.context).Read(dir.filePath("log.txt").toStdString(), {false, 4, 1, "A123"});
    ASSERT_TRUE(recorder.Flush(std::chrono::seconds(10)));
    ASSERT_EQ(recorder.written(), 4);  // the module's first event, the write, the calibration, the readout
  }

  HistoryWindow::Options o;
  o.location = location;
  o.ui = &ui;
  HistoryWindow w(o, Language::kEnglish);
  ASSERT_EQ(w.rows().size(), 1u);
  EXPECT_EQ(w.rows()[0].module.identity, "A123");
  EXPECT_FALSE(w.rows()[0].due);  // calibrated and saved just now
  EXPECT_EQ(w.modulesTable()->item(0, 0)->text(), "A123");
  EXPECT_TRUE(w.problemLabel()->isHidden());

  ASSERT_EQ(w.shownEvents().size(), 4u);
  EXPECT_EQ(w.shownEvents().front().kind, kLoggerReadKind);  // newest first
  EXPECT_EQ(w.chart()->pointCount(), 1);

  w.kindFilter()->setCurrentIndex(w.kindFilter()->findData(QString::fromLatin1(kConfigWriteKind)));
  ASSERT_EQ(w.shownEvents().size(), 1u);
  ASSERT_EQ(w.detailsTable()->rowCount(), 1);
  EXPECT_EQ(w.detailsTable()->item(0, 1)->text(), "11.20");
  EXPECT_EQ(w.detailsTable()->item(0, 2)->text(), "8.50");
}

TEST(HistoryWindow, AHistoryThatCannotBeOpenedSaysWhy) {
  QTemporaryDir dir;
  store::Location location;
  location.path = dir.path().toStdString();  // a folder, no database
  HistoryWindow::Options o;
  o.location = location;
  HistoryWindow w(o, Language::kGerman);
  EXPECT_FALSE(w.problemLabel()->isHidden());
  EXPECT_TRUE(w.problemLabel()->text().startsWith("Die Historie kann nicht geöffnet werden"));
  EXPECT_TRUE(w.rows().empty());
}

}  // namespace
}  // namespace korvane::history
