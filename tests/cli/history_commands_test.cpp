// korvane-cli config-diff and history as rows of one table: each a command line, its
// exit status and what it printed; the module is simulated in the process.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

#include "Commands.h"
#include "configuration/SetupFile.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane {
namespace {

struct HistoryCli : ::testing::Test {
  QTemporaryDir dir;
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1, 0, 4);
  std::ostringstream out, err;

  int Run(std::vector<std::string> line) {
    out.str("");
    err.str("");
    cli::CommonOptions o;
    std::string error;
    if (!cli::ParseCommonOptions(line, o, &error)) {
      err << error;
      return cli::kExitUsage;
    }
    o.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    o.language = Language::kEnglish;
    if (o.history.empty()) o.history = Path("h.sqlite");
    const std::string command = line.front();
    line.erase(line.begin());
    cli::CliContext ctx(o, out, err, &sim.link);
    return cli::RunCommand(ctx, command, std::move(line));
  }
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  // A copy of the setup file with the first relay's limit changed.
  void Changed(const char* from, const char* to, const std::string& limit) {
    QFile f(QString::fromStdString(Path(from))), o(QString::fromStdString(Path(to)));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly) && o.open(QIODevice::WriteOnly));
    configuration::ConfigSettings s;
    configuration::SetupFile::ParseSetupText(f.readAll().toStdString(), s, true);
    s.relay1Limit = limit;
    o.write(QByteArray::fromStdString(configuration::SetupFile::BuildSetupText(s)));
  }
};

TEST_F(HistoryCli, ConfigDiffAndHistoryRows) {
  ASSERT_EQ(Run({"config-read", "-o", Path("a.qx4")}), 0) << err.str();
  Changed("a.qx4", "b.qx4", "8.00");
  Changed("a.qx4", "c.qx4", "11.2");  // the same number (and -1 read back as 255: the same byte)
  QFile bad(QString::fromStdString(Path("bad.qx4")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("IDC_GRENZWERT==1\n\rCECKSUMM==7\n\r");
  bad.close();
  const std::string diff = "IDC_GRENZWERT\tRelay 1 limit\t11.20\t8.00\n";
  const struct {
    std::vector<std::string> line;
    int status;
    std::string out;  // "*": not looked at
  } rows[] = {
      {{"config-diff", Path("a.qx4"), Path("b.qx4")}, 5, diff},
      {{"config-diff", Path("a.qx4"), Path("c.qx4")}, 0, ""},
      {{"config-diff", Path("a.qx4")}, 0, ""},
      {{"config-diff", Path("b.qx4")}, 5, diff},
      {{"config-diff", Path("bad.qx4")}, 4, ""},
      {{"config-diff", Path("none.qx4"), Path("a.qx4")}, 6, ""},
      {{"config-diff"}, 2, ""},
      {{"history", "--kind", "config-read", "--address", "0"}, 0, "*"},
      {{"history", "--module", "B999"}, 0, ""},
      {{"history", "--since", "2026-02-30"}, 2, ""},
      {{"history", "verify"}, 0, "4 events, chain intact\n"},
      {{"history", "verify", "--json"}, 2, ""},
      {{"--history", "none", "history"}, 2, ""},
      {{"--history", dir.path().toStdString(), "history"}, 2, ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.line.front() + " " + (r.line.size() > 1 ? r.line[1] : ""));
    EXPECT_EQ(Run(r.line), r.status) << err.str();
    if (r.out != "*") {
      EXPECT_EQ(out.str(), r.out);
    }
  }
  // The three reads of the module: config-read and the two comparisons with it.
  ASSERT_EQ(Run({"history", "--kind", "config-read"}), 0);
  const std::string listing = out.str();
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 3);
  EXPECT_NE(listing.find("\tA123\t0\tconfig-read\tconfiguration read (34 fields)\n"), std::string::npos);
}

TEST_F(HistoryCli, ReportOfAVisit) {
  ASSERT_EQ(Run({"config-read", "-o", Path("a.qx4")}), 0) << err.str();
  Changed("a.qx4", "b.qx4", "8.00");
  ASSERT_EQ(Run({"config-write", Path("b.qx4")}), 0) << err.str();
  ASSERT_EQ(Run({"logger-read", "-o", Path("log.txt")}), 0) << err.str();
  const struct {
    std::vector<std::string> line;
    int status;
    const char* made;  // the file that must exist afterwards, or must not ("!name")
  } rows[] = {
      {{"report", "--site", "Wasserwerk Nord", "-o", Path("visit.pdf")}, 0, "visit.pdf"},
      {{"report", "--module", "B999", "-o", Path("none.pdf")}, 0, "none.pdf"},  // its one page says so
      {{"report", "-o", Path("missing/visit.pdf")}, 6, "!missing"},
      {{"report", "-o", dir.path().toStdString()}, 6, ""},
      {{"report", "--since", "2026-03-10", "--until", "2026-03-09", "-o", Path("x.pdf")}, 2, "!x.pdf"},
      {{"report"}, 2, ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.line.back());
    EXPECT_EQ(Run(r.line), r.status) << err.str();
    if (!*r.made) continue;
    const bool absent = r.made[0] == '!';
    QFile f(dir.filePath(QString::fromLatin1(r.made + (absent ? 1 : 0))));
    EXPECT_EQ(f.exists(), !absent);
    if (!absent) {
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      EXPECT_TRUE(f.read(5) == "%PDF-");
    }
  }
  EXPECT_EQ(Run({"report", "-o", Path("again.pdf")}), 0);
  EXPECT_EQ(out.str(), "service report written: " + Path("again.pdf") + " (modules: 1)\n");

  // A new site is kept beside the head the report saw, not over it.
  const QString own = QDir(dir.path()).filePath("Korvane/korvane.conf");
  ASSERT_TRUE(QFile::remove(own));
  ASSERT_EQ(Run({"report", "--site", "Wasserwerk Süd", "-o", Path("site.pdf")}), 0) << err.str();
  QFile conf(own);
  ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
  const QByteArray kept = conf.readAll();
  EXPECT_TRUE(kept.contains("site=Wasserwerk Süd\n") && kept.contains("witness.")) << kept.toStdString();
}

TEST_F(HistoryCli, AHistoryThisProgramSawThatIsGoneIsSaidToBe) {
  ASSERT_EQ(Run({"config-read", "-o", Path("a.qx4")}), 0) << err.str();
  ASSERT_TRUE(QFile::remove(QString::fromStdString(Path("h.sqlite"))));
  for (const std::vector<std::string>& line :
       {std::vector<std::string>{"history"}, {"report", "-o", Path("gone.pdf")}}) {
    SCOPED_TRACE(line.front());
    EXPECT_EQ(Run(line), 0);
    EXPECT_NE(err.str().find("rolled back or rewritten: it no longer holds event 2 ("), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace korvane
