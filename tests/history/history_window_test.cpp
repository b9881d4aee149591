// The history window on a history the simulated module's flows wrote: the module with its
// events, the filters, the details of a write and the drift chart of the calibration.
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
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

// A pH calibration's result is longer than half the window: it wraps, and at the
// window's size every column of the details is in sight with room for its header.
TEST(HistoryWindow, EveryColumnOfTheDetailsIsInSight) {
  QTemporaryDir dir;
  store::Location location;
  location.path = dir.filePath("history.sqlite").toStdString();
  {
    HistoryStore store;
    std::string why;
    ASSERT_TRUE(store.Open(location, {}, &why, nullptr)) << why;
    Event e;
    e.timeMs = QDateTime::currentMSecsSinceEpoch();
    e.identity = "N001";
    e.type = 1;
    e.kind = kCalibrationKind;
    e.details = QJsonObject{{"procedure", "ph-two-point"},
                            {"before", QJsonArray{-3.5, -59.2, 0, 0}},
                            {"after", QJsonArray{-2.1, -58.9, 0, 0}},
                            {"plausible", true},
                            {"outcome", "saved"}};
    ASSERT_TRUE(store.Append(e, nullptr, &why, nullptr)) << why;
  }
  HistoryWindow::Options o;
  o.location = location;
  HistoryWindow w(o, Language::kGerman);
  w.show();
  QApplication::processEvents();
  const QTableWidget* details = w.detailsTable();
  ASSERT_GT(details->rowCount(), 2);
  const QHeaderView* header = details->horizontalHeader();
  for (int c = 0; c < details->columnCount(); ++c) {
    SCOPED_TRACE(c);
    EXPECT_GE(header->sectionViewportPosition(c), 0);
    EXPECT_LE(header->sectionViewportPosition(c) + header->sectionSize(c), details->viewport()->width());
    EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c));
  }
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
