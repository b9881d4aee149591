// The module logger dialog against a simulated module: the readout fills the chart.
#include <gtest/gtest.h>

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
  ModuleLoggerDialog dialog(parts, {false, 5, 0, "A123"}, QStringLiteral("QX7100"));
  EXPECT_EQ(dialog.readButton()->text(), "Auslesen");

  dialog.OnRead();  // the file dialog is cancelled
  EXPECT_TRUE(sim.bus.received().empty());

  ui.saveFiles.push_back(QDir(dir.path()).filePath("qx.txt").toStdString());
  dialog.OnRead();
  EXPECT_EQ(dialog.chart()->pointCount(), 24);
  EXPECT_EQ(dialog.chart()->timeFormat(), "HH:mm:ss");  // the records span four hours
  EXPECT_TRUE(dialog.isEnabled());
}

}  // namespace
}  // namespace korvane::logger
