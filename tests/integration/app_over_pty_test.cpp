// The main window's measurement and korvane-cli against simulated modules over a real
// pseudo-terminal (the serial worker, the port mapping and the binary itself).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "app/MainController.h"
#include "cli_runner.h"
#include "pty_fixture.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;

class AppOverPty : public LinkOverPty {
 protected:
  using Result = CliResult;
  QString Settings() const { return dir.path(); }
};

TEST_F(AppOverPty, CliInfoThroughTheComMappingAndThroughDevice) {
  ASSERT_TRUE(QFileInfo::exists(CliBinary())) << CliBinary().toStdString();
  const std::string expected = "type: 1 pH\nfirmware: Firmware V1.20\nidentity: A123\ndevice kind: 4\n";
  Result mapped = RunCli({"--settings", Settings(), "--port", "1", "info"});
  EXPECT_EQ(mapped.exitCode, 0) << mapped.err;
  EXPECT_EQ(mapped.out, expected);
  Result direct = RunCli({"--device", QString::fromStdString(server.slavePath()), "info"});
  EXPECT_EQ(direct.exitCode, 0) << direct.err;
  EXPECT_EQ(direct.out, expected);
  // A path relative to the working folder, with a folder but without "./".
  ASSERT_TRUE(QDir(dir.path()).mkpath("p2"));
  ASSERT_TRUE(QFile::link(QString::fromStdString(server.slavePath()), dir.filePath("p2/ttyB")));
  Result relative =
      RunCli({"--device", "p2/ttyB", "info"}, QProcessEnvironment::systemEnvironment(), 20000, dir.path());
  EXPECT_EQ(relative.exitCode, 0) << relative.err;
  EXPECT_EQ(relative.out, expected);
}

TEST_F(AppOverPty, CliLiveCountThree) {
  ASSERT_TRUE(QFileInfo::exists(CliBinary()));
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  amp->SetMeasured(6, 21.44f);
  Result r = RunCli({"--settings", Settings(), "--port", "1", "live", "--count", "3", "--poll", "300"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const QStringList lines = QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4) << r.out;
  EXPECT_EQ(lines[0], "Asymmetrie: -3.5  Steilheit: -59.2  ");
  for (int i = 1; i < 4; ++i) {
    const QStringList f = lines[i].split('\t');
    ASSERT_EQ(f.size(), 6) << lines[i].toStdString();
    EXPECT_EQ(f[0], "7.02");
    EXPECT_EQ(f[1], "-12");
    EXPECT_EQ(f[5], "21.4");
  }
}

// Three modules on the line, one of them unplugged after four cycles: its lines stop
// at once, the others go on, the recording holds every live module's lines with its
// address.
TEST_F(AppOverPty, CliLiveOverAnAddressList) {
  ASSERT_TRUE(QFileInfo::exists(CliBinary()));
  bus.Add(std::make_shared<sim::Amplifier>(3, 5, 4));
  bus.Add(std::make_shared<sim::Amplifier>(10, 7, 4));
  amp->SetMeasured(1, 7.02f);
  QTimer unplug;
  QObject::connect(&unplug, &QTimer::timeout, [&] {
    int chains = 0;
    // The last request of its fourth chain: that chain still gets its answers.
    for (const link::Frame& f : bus.received()) chains += f[1] == 5 && f[2] == 0 && f[4] == 6;
    if (chains == 4) bus.SetSilent(5, true);
  });
  unplug.start(1);
  const QString record = dir.filePath("bus.txt");
  Result r = RunCli({"--settings", Settings(), "--port", "1", "--lang", "en", "--address", "0,5,7", "live", "--count",
                     "6", "--poll", "400", "--record", record, "--interval", "00:00:01"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  QStringList addresses;
  for (const QString& line : QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts)) {
    const QStringList f = line.split('\t');
    ASSERT_EQ(f.size(), 7) << line.toStdString();
    addresses << f[0];
    if (f[0] == "0") {
      EXPECT_EQ(f[1], "7.02");
    }
  }
  EXPECT_EQ(addresses.join(' '), "0 5 7 0 5 7 0 5 7 0 5 7 0 7 0 7");
  EXPECT_NE(r.err.find("Address 5 does not answer (since "), std::string::npos) << r.err;
  QFile file(record);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString recorded = QString::fromLatin1(file.readAll());
  for (const char* head : {"0\t", "5\t", "7\t"})
    EXPECT_TRUE(recorded.startsWith(head) || recorded.contains(QString("\r\n") + head))
        << head << recorded.toStdString();
}

TEST_F(AppOverPty, CliExitStatusesForSilenceAndMissingPort) {
  ASSERT_TRUE(QFileInfo::exists(CliBinary()));
  Result silent = RunCli({"--settings", Settings(), "--port", "1", "--address", "9", "--lang", "en", "info"});
  EXPECT_EQ(silent.exitCode, 1);
  // Names the device the port maps to, so a wrong mapping shows at once.
  EXPECT_EQ(silent.err, "Error data communication!\nNo answer from the module over " + server.slavePath() + ".\n");
  Result missing = RunCli({"--settings", Settings(), "--port", "2", "info"});
  EXPECT_EQ(missing.exitCode, 3);
  EXPECT_NE(missing.err.find("COM 2 kann nicht geöffnet werden."), std::string::npos) << missing.err;
}

// config.ini's SPRACHE=2 speaks French without --lang: the messages and the history's
// summaries are French, the setup file the read saves is the one German saves.
TEST_F(AppOverPty, CliInFrenchFromTheSettingsFile) {
  ASSERT_TRUE(QFileInfo::exists(CliBinary()));
  QFile ini(dir.filePath("config.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:00:02\n\rSPRACHE=2\n\rPARAMETRIEREN=0\n\r");
  ini.close();
  const QString history = dir.filePath("history.sqlite");
  const QStringList common{"--settings", Settings(), "--port", "1"};
  Result french = RunCli(common + QStringList{"--history", history, "config-read", "-o", dir.filePath("fr.qx4")});
  ASSERT_EQ(french.exitCode, 0) << french.err;
  Result german =
      RunCli(common + QStringList{"--lang", "de", "--history", "none", "config-read", "-o", dir.filePath("de.qx4")});
  ASSERT_EQ(german.exitCode, 0) << german.err;
  QFile fr(dir.filePath("fr.qx4")), de(dir.filePath("de.qx4"));
  ASSERT_TRUE(fr.open(QIODevice::ReadOnly) && de.open(QIODevice::ReadOnly));
  const QByteArray setup = fr.readAll();
  EXPECT_TRUE(setup.startsWith("IDC_HERSTELLER_NUM==A123\n\r")) << setup.left(40).toStdString();
  EXPECT_EQ(setup, de.readAll());

  Result listing = RunCli(common + QStringList{"--history", history, "history"});
  ASSERT_EQ(listing.exitCode, 0) << listing.err;
  EXPECT_NE(listing.out.find("\tconfig-read\tconfiguration lue (34 champs)\n"), std::string::npos) << listing.out;
  Result silent = RunCli(common + QStringList{"--history", "none", "--address", "9", "info"});
  EXPECT_EQ(silent.exitCode, 1);
  EXPECT_EQ(silent.err, "Erreur dans la communication des données\u00a0!\nAucune réponse du module via " +
                            server.slavePath() + ".\n");
}

TEST_F(AppOverPty, MainWindowMeasurementOverTheLine) {
  amp->SetMeasured(1, 6.86f);
  amp->SetMeasured(2, 3.0f);
  amp->SetMeasured(6, 23.5f);
  app::MainController c(*link, ui, ui, dir.filePath("Korvane").toStdString(), [] { return PinnedTime(); });
  c.live().setPollPeriod(40ms);
  c.Initialize();
  ui.saveFiles.push_back(dir.filePath("rec.txt").toStdString());
  ui.intervals.push_back(measurement::TimeOfDay{0, 0, 1});
  c.OnSetupMeasurement();
  ASSERT_TRUE(c.buttons().start);
  c.OnStartStop();
  ASSERT_TRUE(c.running()) << (ui.Messages().empty() ? "" : ui.Messages().front());
  int chains = 0;
  QObject::connect(&c.live(), &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
  ASSERT_TRUE(WaitFor([&] { return chains >= 2; }));
  EXPECT_EQ(c.live().fieldTexts()[0], "6.86");
  EXPECT_EQ(c.live().fieldTexts()[1], "3");
  EXPECT_EQ(c.live().fieldTexts()[5], "23.5");
  c.OnStartStop();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.live().fieldTexts()[0], "");
  EXPECT_TRUE(c.Exit());
}

}  // namespace
}  // namespace korvane::test
