// korvane-cli param-report in-process against the simulator: the report on stdout, the
// PDF, and nothing but reads on the line.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

#include "Commands.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

platform::LocalTime ReportTime() { return {2026, 12, 9, 1, 2, 3}; }

struct ParamReport : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  std::ostringstream out, err;

  int Run(std::vector<std::string> args) {
    cli::CommonOptions o;
    o.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    cli::CliContext ctx(o, out, err, &sim.link, &ReportTime);
    return cli::RunCommand(ctx, "param-report", std::move(args));
  }
  QString File(const char* name) const { return QDir(dir.path()).filePath(name); }
};

TEST_F(ParamReport, PrintsTheReportWithLfAndOnlyReads) {
  auto amp = sim.AddAmplifier(8);
  amp->SetParameter(26, {'P', '7', '0', '1'});
  const QString pdf = File("report.pdf");
  ASSERT_EQ(Run({"-o", pdf.toStdString()}), 0) << err.str();
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, 18), "09.12.2026  01:02\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_NE(text.find("MESS_TYP          8\nHERSTELLER        P701\nScreenSaverOff    0\n"), std::string::npos);
  EXPECT_NE(text.find("KALWERT5       1.00\n"), std::string::npos);
  for (const link::Frame& f : sim.bus.received()) EXPECT_EQ(link::FrameGroup(f), link::kRead) << link::HexText(f);
  EXPECT_TRUE(amp->commands().empty());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST_F(ParamReport, UnwritablePdfAndUsageAskNothing) {
  sim.AddAmplifier(1);
  // A PDF that cannot be written is refused before the module is asked (the faults of
  // the line are the fault matrix's).
  EXPECT_EQ(Run({"-o", File("missing/a.pdf").toStdString()}), 6);
  EXPECT_TRUE(sim.bus.received().empty());
  EXPECT_EQ(Run({"-o"}), 2);
  EXPECT_EQ(Run({"--pdf", "x"}), 2);
}

}  // namespace
}  // namespace korvane::test
