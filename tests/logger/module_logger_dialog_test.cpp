// The module logger dialog against a simulated module: the readout fills the chart.
#include <gtest/gtest.h>

#include <optional>

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include "logger/widgets/LoggerChart.h"
#include "logger/widgets/ModuleLoggerDialog.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::logger {
namespace {

TEST(ModuleLoggerDialog, ReadFillsTheChartAndACancelledFileDialogReadsNothing) {
  QTemporaryDir dir;
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  sim.AddAmplifier(1, 0, 5);
  LoggerParts parts{sim.link, ui, sim.context, platform::SystemClock(), nullptr};
  ModuleLogger flows(parts, {false, 5, 0, "A123"});
  ModuleLoggerDialog dialog(flows, QStringLiteral("QX7100"), &sim.link);
  EXPECT_EQ(dialog.readButton()->text(), "Auslesen");

  dialog.OnRead();  // the file dialog is cancelled
  EXPECT_TRUE(sim.bus.received().empty());

  ui.saveFiles.push_back(QDir(dir.path()).filePath("qx.txt").toStdString());
  dialog.OnRead();
  EXPECT_EQ(dialog.chart()->pointCount(), 24);
  EXPECT_EQ(dialog.chart()->timeFormat(), "HH:mm:ss");  // the records span four hours
  EXPECT_EQ(dialog.chart()->seriesNames().value(1), "Temperatur (°C), Modul A123");
  EXPECT_TRUE(dialog.isEnabled());
}

// The chart says what it shows: every record, part of them, or none.
TEST(ModuleLoggerDialog, TheChartSaysWhenItIsPartialOrEmpty) {
  const struct {
    const char* name;
    int records;  // in the logger
    std::optional<sim::Fault> fault;
    std::optional<int> cancelAt;  // progress position of a cancel
    int points;
    const char* note;
  } rows[] = {
      {"whole", 24, std::nullopt, std::nullopt, 24, ""},
      // Half the frames: eleven whole records and a broken twelfth.
      {"a stream that stopped early", 24, sim::Fault::kCutStream, std::nullopt, 11,
       "Unvollständig ausgelesen: 11 von 24 Datensätzen"},
      {"cancelled", 24, std::nullopt, 8 * 5 + 3, 5, "Unvollständig ausgelesen: 5 von 24 Datensätzen"},
      {"an empty logger", 0, std::nullopt, std::nullopt, 0, "Keine Datensätze"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    test::ScriptedUi ui;
    test::SimLink sim{ui};
    auto amp = sim.AddAmplifier(1, 0, 5);
    amp->FillLogger(row.records);
    if (row.fault) sim.bus.FaultWhen(link::kValues, link::kLoggerRecord.number, *row.fault);
    ui.cancelAtProgress = row.cancelAt;
    LoggerParts parts{sim.link, ui, sim.context, platform::SystemClock(), nullptr};
    ModuleLogger flows(parts, {false, 5, 0, "A123"});
    ModuleLoggerDialog dialog(flows, QStringLiteral("QX7100"), &sim.link);
    ui.saveFiles.push_back(QDir(dir.path()).filePath("qx.txt").toStdString());
    dialog.OnRead();
    EXPECT_EQ(dialog.chart()->pointCount(), row.points);
    EXPECT_EQ(dialog.chart()->note().toStdString(), row.note);
  }
}

}  // namespace
}  // namespace korvane::logger
