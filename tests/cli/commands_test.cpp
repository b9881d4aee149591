// korvane-cli in-process: option parsing, and the info and live commands against the
// simulator.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "Commands.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using cli::CommonOptions;

TEST(CliOptions, CommonOptionsAnywhereOnTheLine) {
  std::vector<std::string> args{"--port",    "3",         "live", "--count", "2",
                                "--lang=en", "--address", "7",    "--baud",  "19200"};
  CommonOptions o;
  std::string error;
  ASSERT_TRUE(cli::ParseCommonOptions(args, o, &error)) << error;
  EXPECT_EQ(o.port, 3);
  EXPECT_EQ(o.address, 7);
  EXPECT_EQ(o.baud, 19200);
  EXPECT_EQ(o.language, Language::kEnglish);
  EXPECT_EQ(args, (std::vector<std::string>{"live", "--count", "2"}));
}

// The options --help lists are the ones the parser reads: each, given without its value,
// is the parser's error, not left over for a command.
TEST(CliOptions, EveryOptionOfTheHelpTableIsRead) {
  for (const platform::ProgramOption& option : cli::kCliLine.options) {
    const std::string name = std::string("--") + option.name;
    cli::Args args{name};
    cli::CommonOptions o;
    std::string error;
    EXPECT_FALSE(cli::ParseCommonOptions(args, o, &error)) << name;
    EXPECT_EQ(error.rfind(name + " ", 0), 0u) << name << ": " << error;
  }
}

TEST(CliOptions, BadCommonOptionsAreRefused) {
  const std::vector<std::vector<std::string>> bad{{"--port", "0"},     {"--port", "256"},
                                                  {"--port", "x"},     {"--port"},
                                                  {"--baud", "9600"},  {"--lang", "it"},
                                                  {"--address", "-1"}, {"--address", "300"},
                                                  {"--device", ""},    {"--device", "/dev/x", "--port", "2"},
                                                  {"--baud", "4800x"}};
  for (std::vector<std::string> args : bad) {
    CommonOptions o;
    std::string error;
    EXPECT_FALSE(cli::ParseCommonOptions(args, o, &error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
  // An address list's error names the bad value.
  for (const auto& [text, named] : std::vector<std::pair<std::string, std::string>>{
           {"0,32", "\"32\""}, {"3,5-7,6", "address 6 is listed twice"}, {"", "empty"}, {"4-2", "\"4-2\""}}) {
    std::vector<std::string> args{"--address", text};
    CommonOptions o;
    std::string error;
    EXPECT_FALSE(cli::ParseCommonOptions(args, o, &error)) << text;
    EXPECT_EQ(error.rfind("--address: ", 0), 0u) << error;
    EXPECT_NE(error.find(named), std::string::npos) << error;
  }
  // A single address is the module of every command; a list (or range) is the bus of live.
  for (const auto& [text, address, list] : std::vector<std::tuple<std::string, int, std::vector<std::uint8_t>>>{
           {"200", 200, {}}, {"0,3,5-7", 0, {0, 3, 5, 6, 7}}, {"9-10", 9, {9, 10}}}) {
    std::vector<std::string> args{"--address", text, "live"};
    CommonOptions o;
    std::string error;
    ASSERT_TRUE(cli::ParseCommonOptions(args, o, &error)) << text << ": " << error;
    EXPECT_EQ(o.address, address) << text;
    EXPECT_EQ(o.addresses, list) << text;
  }
}

TEST(CliOptions, BoundsMissingValuesAndRepeats) {
  struct Case {
    std::vector<std::string> args;
    const char* error;  // nullptr: accepted
  } cases[] = {
      {{"--count", "1000000000"}, nullptr},
      {{"--count", "1000000001"}, "--count takes a whole number from 1 to 1000000000"},
      {{"--count", "99999999999999999999"}, "--count takes"},
      {{"--poll", "3600000"}, nullptr},
      {{"--record", "--count", "5"}, "--record needs a value"},
      {{"--count"}, "--count needs a value"},
      {{"--count", "2", "--count", "3"}, "--count is given more than once"},
      {{"--count=2", "--count", "3"}, "--count is given more than once"},
      {{"--record", "a", "--record=b"}, "--record is given more than once"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
    cli::ArgReader r(c.args);
    int count = 0, poll = 0;
    std::string record;
    r.Int("--count", 1, 1000000000, &count);
    r.Int("--poll", 10, 3600000, &poll);
    r.Value("--record", &record);
    if (!c.error) {
      EXPECT_TRUE(r.Done()) << r.error();
      EXPECT_TRUE(count == 1000000000 || poll == 3600000);
    } else {
      EXPECT_FALSE(r.Done());
      EXPECT_EQ(r.error().rfind(c.error, 0), 0u) << r.error();
    }
  }
  std::vector<std::string> args{"--port", "3", "--port", "4", "info"};
  CommonOptions o;
  std::string error;
  EXPECT_FALSE(cli::ParseCommonOptions(args, o, &error));
  EXPECT_EQ(error, "--port is given more than once");
}

TEST(CliOptions, TimeOfDay) {
  EXPECT_EQ(cli::ParseTimeOfDay("00:00:45")->second, 45);
  EXPECT_EQ(cli::ParseTimeOfDay("23:59:59")->hour, 23);
  for (const char* bad : {"24:00:00", "00:60:00", "1:00:00", "00:00", "aa:bb:cc", "-1:00:00", "00:-1:00", ""})
    EXPECT_FALSE(cli::ParseTimeOfDay(bad)) << bad;
}

platform::LocalTime FixedTime() { return {2014, 3, 7, 9, 5, 0}; }

struct CliFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  std::ostringstream out, err;

  int Run(const std::string& command, std::vector<std::string> args, CommonOptions o = {}) {
    o.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    cli::CliContext ctx(o, out, err, &sim.link, &FixedTime);
    return cli::RunCommand(ctx, command, std::move(args));
  }
  // The fastest line, so that live may poll every 45 ms (the in-process line takes no
  // wire time).
  static CommonOptions Fast() {
    CommonOptions o;
    o.baud = 38400;
    return o;
  }
};

TEST_F(CliFixture, InfoPrintsFourLines) {
  auto amp = sim.AddAmplifier(24, 0, 5);
  amp->SetParameterFloat(31, 2.5f);
  amp->SetParameter(26, {'Q', 'X', '7', '1'});
  EXPECT_EQ(Run("info", {}), 0) << err.str();
  EXPECT_EQ(out.str(), "type: 24 500mS/cm (4)\nfirmware: Firmware V2.50\nidentity: QX71\ndevice kind: 5\n");
  // The four reads, in order.
  std::vector<int> params;
  for (const link::Frame& f : sim.bus.received()) params.push_back(f[4]);
  EXPECT_EQ(params, (std::vector<int>{28, 31, 26, 29}));
}

TEST_F(CliFixture, InfoWithoutAnswerExitsOneWithTheLanguagesError) {
  sim.AddAmplifier(1, 3);
  CommonOptions o;
  o.language = Language::kEnglish;
  EXPECT_EQ(Run("info", {}, o), 1);
  EXPECT_EQ(err.str(), test::SimLink::Silent(Language::kEnglish) + "\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(CliFixture, InfoRefusesExtraArguments) {
  EXPECT_EQ(Run("info", {"--bogus"}), 2);
  EXPECT_NE(err.str().find("--bogus"), std::string::npos);
}

TEST_F(CliFixture, LivePrintsStatusLineAndOneLinePerChain) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  for (int ch = 3; ch <= 5; ++ch) amp->SetMeasured(ch, 0.0f);
  amp->SetMeasured(6, 21.4f);
  amp->SetParameterFloat(32, 1.0f);
  amp->SetParameterFloat(33, -59.0f);
  EXPECT_EQ(Run("live", {"--count", "3", "--poll", "45"}, Fast()), 0) << err.str();
  // The fields as the main window shows them: nothing for the channels pH does not name.
  EXPECT_EQ(out.str(),
            "Asymmetrie: 1.0  Steilheit: -59.0  \n"
            "7.02\t-12\t\t\t\t21.4\n7.02\t-12\t\t\t\t21.4\n7.02\t-12\t\t\t\t21.4\n");
}

TEST_F(CliFixture, LiveRecordsLinesLikeTheDesktopProgram) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  for (int ch = 3; ch <= 5; ++ch) amp->SetMeasured(ch, 0.0f);
  amp->SetMeasured(6, 21.4f);
  const QString file = QDir(dir.path()).filePath("rec.txt");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kept\r\n");
  }
  // Interval 00:00:00 runs at the one-second floor: 35 chains of 45 ms see at least one tick.
  EXPECT_EQ(
      Run("live", {"--count", "35", "--poll", "45", "--record", file.toStdString(), "--interval", "00:00:00"}, Fast()),
      0)
      << err.str();
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const std::string text = f.readAll().toStdString();
  const std::string line = "07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n";
  ASSERT_GE(text.size(), 6 + line.size());
  EXPECT_EQ(text.substr(0, 6 + line.size()), "kept\r\n" + line);
  EXPECT_EQ((text.size() - 6) % line.size(), 0u);
}

TEST_F(CliFixture, LiveUsageErrors) {
  sim.AddAmplifier(1);
  EXPECT_EQ(Run("live", {"--count", "0"}), 2);
  EXPECT_EQ(Run("live", {"--interval", "1:2:3"}), 2);
  // A recording file that cannot be written is a file error, found before the module is asked.
  EXPECT_EQ(Run("live", {"--record", QDir(dir.path()).filePath("no/dir.txt").toStdString()}), 6);
  EXPECT_TRUE(sim.bus.received().empty());  // nothing reached the module
}

TEST_F(CliFixture, PollShorterThanAChainIsAUsageError) {
  sim.AddAmplifier(1);
  EXPECT_EQ(Run("live", {"--poll", "100"}), 2);  // 4800 baud: a chain takes 277 ms (bench_live)
  EXPECT_NE(err.str().find("300 ms"), std::string::npos) << err.str();
  EXPECT_TRUE(sim.bus.received().empty());
}

TEST_F(CliFixture, LostLineIsReportedWithItsReasonAndExitsOne) {
  sim.AddAmplifier(1);
  sim.bus.SetFault(sim::Fault::kHangUp);
  EXPECT_EQ(Run("info", {}), 1);
  EXPECT_EQ(err.str(), std::string(test::SimLink::kHungUp) + "\n");
  err.str("");
  EXPECT_EQ(Run("live", {"--poll", "300"}), 1);
  EXPECT_EQ(err.str(), std::string(test::SimLink::kHungUp) + "\n");
}

TEST_F(CliFixture, LiveStopsWithStatus6WhenTheDiskIsFull) {
  sim.AddAmplifier(1);
  const std::string file = QDir(dir.path()).filePath("rec.txt").toStdString();
  {
    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kept\r\n");
  }
  {
    FileSizeLimit limit(6 + 10);  // room for a part of the first line only
    ASSERT_TRUE(limit.ok());
    EXPECT_EQ(Run("live", {"--poll", "45", "--record", file, "--interval", "00:00:00"}, Fast()), 6);
  }
  QFile f(QString::fromStdString(file));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().toStdString(), "kept\r\n");
  EXPECT_NE(err.str().find("Aufzeichnung fehlgeschlagen"), std::string::npos) << err.str();
}

TEST_F(CliFixture, LoggerReadPrintsTheRecordsAndExitsEightWhenTheStreamStopsEarly) {
  sim.AddAmplifier(1, 0, 4);
  const std::string file = QDir(dir.path()).filePath("logger.txt").toStdString();
  const std::string png = QDir(dir.path()).filePath("chart.png").toStdString();
  const std::string pdf = QDir(dir.path()).filePath("chart.pdf").toStdString();
  EXPECT_EQ(Run("logger-read", {"-o", file, "--chart", png}), 0) << err.str();
  EXPECT_EQ(out.str(), "records: 24\n");
  EXPECT_EQ(Run("logger-read", {"-o", file, "--chart", pdf}), 0) << err.str();
  QFile picture(QString::fromStdString(png)), page(QString::fromStdString(pdf));
  ASSERT_TRUE(picture.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
  EXPECT_EQ(picture.read(4), QByteArray("\x89PNG"));
  EXPECT_EQ(page.read(5), QByteArray("%PDF-"));
  EXPECT_EQ(Run("logger-read", {"-o", file, "--chart", "chart.jpg"}), 2);
  out.str("");
  sim.bus.FaultWhen(link::kValues, link::kLoggerRecord.number, sim::Fault::kCutStream);
  EXPECT_EQ(Run("logger-read", {"-o", file}), 8);
  EXPECT_NE(err.str().find("von 24 Datensätzen"), std::string::npos) << err.str();
  EXPECT_EQ(Run("logger-clear", {}), 2);  // never without --yes
}

TEST_F(CliFixture, ClockSetTakesOnlyRealDatesTheYearByteHolds) {
  sim.AddAmplifier(1);
  struct Row {
    const char* time;
    bool taken;
  } rows[] = {
      {"2000-01-01 00:00:00", true},   {"2255-12-31 23:59:59", true},  {"2024-02-29 12:00:00", true},
      {"2000-02-29 12:00:00", true},   {"2026-02-31 10:00:00", false}, {"2025-02-29 10:00:00", false},
      {"2100-02-29 10:00:00", false},  {"2026-04-31 10:00:00", false}, {"2256-01-01 00:00:00", false},
      {"1999-12-31 23:59:59", false},  {"2026-01-01 24:00:00", false}, {"2026-01-01 10:60:00", false},
      {"2026-00-10 10:00:00", false},  {"2026-1-10 10:00:00", false},  {"+026-01-10 10:00:00", false},
      {"2026-01-10 10:00:00x", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.time);
    sim.bus.ClearLog();
    err.str("");
    ASSERT_EQ(Run("clock-set", {"--time", row.time}), row.taken ? 0 : 2) << err.str();
    if (!row.taken) {
      EXPECT_NE(err.str().find(row.time), std::string::npos) << err.str();
      EXPECT_TRUE(sim.bus.received().empty());
      continue;
    }
    // The time and date frames; after them only the history asks who the module is.
    ASSERT_GE(sim.bus.received().size(), 2u);
    for (std::size_t i = 2; i < sim.bus.received().size(); ++i) {
      const link::Frame& f = sim.bus.received()[i];
      EXPECT_EQ(link::FrameGroup(f), link::kRead);
      EXPECT_THAT((std::vector<int>{26, 28, 29, 31}), ::testing::Contains(link::FrameParameter(f)));
    }
    // The date frame: year byte, day, month.
    const std::string t = row.time;
    EXPECT_EQ(link::FrameData(sim.bus.received()[1]),
              (link::Data4{static_cast<std::uint8_t>(std::stoi(t.substr(0, 4)) - 2000),
                           static_cast<std::uint8_t>(std::stoi(t.substr(8, 2))),
                           static_cast<std::uint8_t>(std::stoi(t.substr(5, 2))), 0}));
  }
}

TEST_F(CliFixture, LiveEndsWhenTheModuleFallsSilent) {
  sim.AddAmplifier(1);
  // Every value unanswered: a module that answers some of them is still measuring.
  for (int value = 1; value <= 6; ++value)
    sim.bus.FaultWhen(0, static_cast<std::uint8_t>(value), sim::Fault::kNoReply, 1000000);
  EXPECT_EQ(Run("live", {"--poll", "45"}, Fast()), 1);
  EXPECT_EQ(err.str(), "Fehler in der Datenkommunikation! Das Modul antwortet nicht mehr.\n");
}

}  // namespace
}  // namespace korvane::test
