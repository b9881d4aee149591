// The main window's state without widgets: settings at start and exit, the language
// switch, which buttons are enabled when, the exit routine, status texts, address.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "app/MainController.h"
#include "live_wait.h"
#include "platform/Texts.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "types/Texts.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using app::MainController;

platform::LocalTime FixedTime() { return {2026, 12, 8, 14, 7, 3}; }

std::string ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll().toStdString();
}

struct ControllerFixture : ::testing::Test {
  QTemporaryDir dir;
  QString folder = QDir(dir.path()).filePath("Korvane");
  ScriptedUi ui;
  SimLink sim{ui, link::LinkTimings::Fast(), &FixedTime};
  std::unique_ptr<MainController> c;

  void WriteSettings(const std::string& text) {
    QDir().mkpath(folder);
    QFile f(folder + "/config.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  void Make() {
    c = std::make_unique<MainController>(sim.link, ui, ui, folder.toStdString(), &FixedTime);
    c->live().setPollPeriod(1h);
    c->Initialize();
  }
  void SetUpRecording(int seconds = 60) {
    ui.saveFiles.push_back(QDir(dir.path()).filePath("rec.txt").toStdString());
    ui.intervals.push_back(measurement::TimeOfDay{0, seconds / 60, seconds % 60});
    c->OnSetupMeasurement();
  }
  // Everything the measurement disables, as one value.
  static std::vector<bool> FlowButtons(const app::ButtonStates& b) {
    return {b.setupMeasurement, b.setup, b.calibrate, b.exit, b.configure, b.displayConfig};
  }
};

TEST_F(ControllerFixture, FirstStartCreatesAnEmptyFileAndComesUpInGerman) {
  Make();
  EXPECT_EQ(ReadAll(folder + "/config.ini"), "");
  EXPECT_EQ(c->comNumber(), 1);
  EXPECT_EQ(sim.link.baudRate(), 4800);
  EXPECT_EQ(c->settings().interval.Milliseconds(), 60000);
  EXPECT_FALSE(c->buttons().start);
  EXPECT_FALSE(c->buttons().parametrize);
  EXPECT_EQ(FlowButtons(c->buttons()), std::vector<bool>(6, true));
  EXPECT_EQ(c->statusInfo(), "kein Fehler");
  const app::MainCaptions cap = c->captions();
  EXPECT_EQ(cap.start, "Messung starten");
  EXPECT_EQ(cap.exit, "Beenden");
  EXPECT_EQ(cap.addressLabel, "Geräteadresse");
}

TEST_F(ControllerFixture, CaptionTableInBothLanguages) {
  const app::MainCaptions de = app::CaptionsFor(Language::kGerman, false);
  const app::MainCaptions en = app::CaptionsFor(Language::kEnglish, false);
  const std::vector<std::pair<std::string, std::string>> got{
      {de.parametrize, en.parametrize},
      {de.exit, en.exit},
      {de.calibrate, en.calibrate},
      {de.configure, en.configure},
      {de.setupMeasurement, en.setupMeasurement},
      {de.displayConfig, en.displayConfig},
      {de.start, en.start},
      {de.addressLabel, en.addressLabel},
      {app::CaptionsFor(Language::kGerman, true).start, app::CaptionsFor(Language::kEnglish, true).start}};
  const std::vector<std::pair<std::string, std::string>> want{
      {"Parametrieren", "Parameter"},           {"Beenden", "Exit"},
      {"Kalibrieren", "Calibration"},           {"Konfigurieren", "Configuration"},
      {"Setup Messung", "Setup Measurement"},   {"Konfiguration RW8200", "Configuration RW8200"},
      {"Messung starten", "Start Measurement"}, {"Geräteadresse", "Device address"},
      {"Messung beenden", "End Measurement"}};
  EXPECT_EQ(got, want);
  EXPECT_EQ(app::SetupCancelCaption(Language::kEnglish), "Cancel");
  EXPECT_EQ(app::SetupLanguageCaption(Language::kGerman), "Sprache");
}

TEST_F(ControllerFixture, ParametrizeSwitchHoldsAfterEveryLanguageSwitch) {
  WriteSettings("[RS232]\n\rPORT=2\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:00:45\n\rSPRACHE=1\n\rPARAMETRIEREN=1\n\r");
  Make();
  EXPECT_TRUE(c->buttons().parametrize);
  EXPECT_EQ(c->comNumber(), 3);
  EXPECT_EQ(sim.link.baudRate(), 19200);
  EXPECT_EQ(c->statusInfo(), "no error");
  c->ApplySetup(4, Language::kGerman);
  EXPECT_TRUE(c->buttons().parametrize);
  EXPECT_EQ(c->captions().parametrize, "Parametrieren");
  EXPECT_EQ(c->context().language, Language::kGerman);
}

TEST_F(ControllerFixture, StartNeedsARecordingSetupAndSetupDisablesItAgain) {
  sim.AddAmplifier(1);
  Make();
  ASSERT_TRUE(sim.link.OpenPort(Language::kEnglish));
  SetUpRecording();
  EXPECT_TRUE(c->buttons().start);
  EXPECT_EQ(c->recordingStatus(), "Aufzeichnungsdatei: rec.txt");

  // A logger export into the recording file takes it over: the status line no longer
  // names it, and a measurement waits for a new set-up.
  c->ReleaseRecordingFile();
  EXPECT_FALSE(c->buttons().start);
  EXPECT_EQ(c->recordingStatus(), "");
  SetUpRecording();
  EXPECT_TRUE(c->buttons().start);

  c->ApplySetup(2, Language::kEnglish);
  EXPECT_FALSE(c->buttons().start);
  EXPECT_FALSE(sim.link.portOpen());  // the next flow opens the new port
  EXPECT_EQ(sim.link.portIndex(), 1);
  EXPECT_EQ(c->captions().start, "Start Measurement");
  EXPECT_EQ(c->statusInfo(), "no error");
}

TEST_F(ControllerFixture, MeasurementDisablesButtonsAndRefusesExit) {
  const std::string settings =
      "[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=0\n\rPARAMETRIEREN=1\n\r";
  WriteSettings(settings);
  sim.AddAmplifier(1);
  Make();
  SetUpRecording();
  c->OnStartStop();
  ASSERT_TRUE(c->running());
  EXPECT_EQ(FlowButtons(c->buttons()), std::vector<bool>(6, false));
  EXPECT_FALSE(c->buttons().parametrize);
  EXPECT_TRUE(c->buttons().start);
  EXPECT_EQ(c->captions().start, "Messung beenden");

  EXPECT_FALSE(c->Exit());
  EXPECT_FALSE(c->CloseCommand());
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Messung erst beenden!", "Messung erst beenden!"}));
  EXPECT_EQ(ReadAll(folder + "/config.ini"), settings);  // nothing saved

  c->OnStartStop();
  EXPECT_FALSE(c->running());
  EXPECT_EQ(FlowButtons(c->buttons()), std::vector<bool>(6, true));
  EXPECT_TRUE(c->buttons().parametrize);
  EXPECT_EQ(c->captions().start, "Messung starten");
  EXPECT_TRUE(c->Exit());
}

TEST_F(ControllerFixture, ExitRefusalInEnglish) {
  WriteSettings("SPRACHE=1");
  sim.AddAmplifier(1);
  Make();
  SetUpRecording();
  c->OnStartStop();
  ASSERT_TRUE(c->running());
  EXPECT_FALSE(c->Exit());
  EXPECT_EQ(ui.Messages().back(), "End measurement first!");
  c->live().StopTimers();
}

TEST_F(ControllerFixture, StartWithoutModuleLeavesButtonsEnabled) {
  sim.AddAmplifier(1);
  sim.bus.SetFault(sim::Fault::kNoReply);
  Make();
  SetUpRecording();
  c->OnStartStop();
  EXPECT_FALSE(c->running());
  EXPECT_EQ(FlowButtons(c->buttons()), std::vector<bool>(6, true));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{test::SimLink::Silent(Language::kGerman)}));
}

TEST_F(ControllerFixture, ExitWritesTheSettingsByteExact) {
  Make();
  SetUpRecording(45);
  c->ApplySetup(3, Language::kEnglish);
  sim.link.setBaudRate(19200);  // a readout that did not switch back
  ASSERT_TRUE(c->Exit());
  EXPECT_EQ(ReadAll(folder + "/config.ini"),
            "[RS232]\n\rPORT=2\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:00:45\n\rSPRACHE=1\n\rPARAMETRIEREN=0\n\r");
  EXPECT_FALSE(c->recording().isOpen());
}

TEST_F(ControllerFixture, RecordingTicksWriteTheLatestValues) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  for (int ch = 3; ch <= 5; ++ch) amp->SetMeasured(ch, 0.0f);
  amp->SetMeasured(6, 21.4f);
  Make();
  SetUpRecording();
  c->OnStartStop();
  ASSERT_TRUE(c->running());
  int chains = 0;
  QObject::connect(&c->live(), &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
  c->live().Poll();
  ASSERT_TRUE(WaitUntil([&] { return chains > 0; }));
  emit c->live().recordingTick();
  EXPECT_EQ(ReadAll(QDir(dir.path()).filePath("rec.txt")), "08.12.2026\t14:07\t7,02\t-12\t0\t0\t0\t21,4\r\n");
  c->live().StopTimers();
}

TEST_F(ControllerFixture, TickWithoutFileIsToldOnceInTheStatusInfo) {
  sim.AddAmplifier(1);
  Make();
  SetUpRecording();
  // A second set-up whose interval dialog is cancelled closes the file; start stays enabled.
  ui.saveFiles.push_back(QDir(dir.path()).filePath("b.txt").toStdString());
  c->OnSetupMeasurement();
  ASSERT_TRUE(c->buttons().start);
  c->OnStartStop();
  ASSERT_TRUE(c->running());
  int changes = 0;
  QObject::connect(c.get(), &MainController::stateChanged, [&] { ++changes; });
  emit c->live().recordingTick();
  EXPECT_EQ(c->statusInfo(), measurement::Recording::NoFileNotice(Language::kGerman));
  EXPECT_EQ(changes, 1);
  emit c->live().recordingTick();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(c->running());
  c->live().StopTimers();
}

// The module goes away during a measurement, by a hang-up or by falling silent: the
// measurement stops, the file keeps its whole lines and gets no stale ones, the user is
// told once, and "Messung starten" works again when the module is back.
TEST_F(ControllerFixture, LostModuleEndsTheMeasurementAndStartWorksAgain) {
  sim.AddAmplifier(1);
  for (const sim::Fault fault : {sim::Fault::kHangUp, sim::Fault::kNoReply}) {
    SCOPED_TRACE(static_cast<int>(fault));
    sim.bus.SetFault(sim::Fault::kNone);
    Make();
    c->live().setPollPeriod(20ms);
    SetUpRecording(1);
    ui.events.clear();
    c->OnStartStop();
    ASSERT_TRUE(c->running());
    ASSERT_TRUE(WaitUntil([&] { return c->live().valuesCurrent(); }));
    sim.bus.SetFault(fault);
    ASSERT_TRUE(WaitUntil([&] { return !c->running(); }));
    const std::string file = QDir(dir.path()).filePath("rec.txt").toStdString();
    const std::string before = ReadAll(QString::fromStdString(file));
    EXPECT_EQ(before.size() % std::string("08.12.2026\t14:07\t7,02\t-12\t0\t0\t0\t21,4\r\n").size(), 0u);
    EXPECT_FALSE(c->recording().isOpen());
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages().at(0).rfind("Fehler in der Datenkommunikation!\n", 0), 0u);
    EXPECT_EQ(c->statusInfo().rfind("Fehler in der Datenkommunikation! ", 0), 0u) << c->statusInfo();
    EXPECT_GT(c->statusInfo().size(), std::string("Fehler in der Datenkommunikation! ").size());
    EXPECT_TRUE(c->buttons().setup);
    EXPECT_TRUE(c->buttons().calibrate);

    // Back on the line: the port opens afresh and the file goes on.
    sim.bus.SetFault(sim::Fault::kNone);
    c->OnStartStop();
    ASSERT_TRUE(c->running());
    EXPECT_TRUE(c->recording().isOpen());
    EXPECT_EQ(c->statusInfo(), "kein Fehler");
    c->live().StopTimers();
    c.reset();
  }
}

// The window tells the truth: the status info says what holds now and is replaced when
// that state ends; a lost line always says why.
TEST_F(ControllerFixture, StatusInfoFollowsTheStateOfTheMeasurement) {
  sim.AddAmplifier(1);
  struct Row {
    const char* name;
    Language language;
    std::function<void(ControllerFixture&)> act;
    bool running;
    bool stale;
    std::string status;
    std::vector<std::string> messages;
  };
  // One poll whose chain completes; one that goes unanswered.
  auto answered = [](ControllerFixture& f) {
    int chains = 0;
    auto done = QObject::connect(&f.c->live(), &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
    f.c->live().Poll();
    EXPECT_TRUE(WaitUntil([&] { return chains > 0; }));
    QObject::disconnect(done);
  };
  auto silent = [](ControllerFixture& f) {
    f.sim.bus.SetFault(sim::Fault::kNoReply);
    f.c->live().Poll();
    f.sim.bus.SetFault(sim::Fault::kNone);
  };
  auto start = [](ControllerFixture& f) { f.c->OnStartStop(); };
  const std::string lost = "Fehler in der Datenkommunikation!";
  const Row rows[] = {
      {"a running measurement says nothing is wrong",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         answered(f);
       },
       true,
       false,
       "kein Fehler",
       {}},
      {"the first unanswered poll greys the fields and says since when",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         answered(f);
         silent(f);
         silent(f);
       },
       true,
       true,
       "keine Antwort seit 14:07:03",
       {}},
      {"the same in English",
       Language::kEnglish,
       [&](ControllerFixture& f) {
         start(f);
         silent(f);
         silent(f);
       },
       true,
       true,
       "no reply since 14:07:03",
       {}},
      {"an answer again ends the notice",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         silent(f);
         silent(f);
         // The next tick comes once the unanswered chain's reply time is over.
         QTest::qWait(static_cast<int>(f.sim.link.timings().replyTimeout.count()));
         answered(f);
       },
       true,
       false,
       "kein Fehler",
       {}},
      {"stopping ends the notice too",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         silent(f);
         silent(f);
         start(f);
       },
       false,
       false,
       "kein Fehler",
       {}},
      {"five unanswered polls still end the measurement",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         for (int i = 0; i <= app::LiveMeasurement::kSilentPollsForLoss; ++i) silent(f);
       },
       false,
       false,
       lost + " Das Modul antwortet nicht mehr.",
       {lost + "\nDas Modul antwortet nicht mehr."}},
      {"a hang-up during the start names its reason",
       Language::kGerman,
       [&](ControllerFixture& f) {
         f.sim.bus.FaultWhen(2, 28, sim::Fault::kHangUp);
         start(f);
       },
       false,
       false,
       lost + " simulated line hung up",
       {lost + "\nsimulated line hung up"}},
      {"a good start after a hang-up and a new recording set-up says nothing is wrong",
       Language::kGerman,
       [&](ControllerFixture& f) {
         start(f);
         f.sim.bus.FaultNext(sim::Fault::kHangUp);
         f.c->live().Poll();
         EXPECT_TRUE(WaitUntil([&] { return !f.c->running(); }));
         f.SetUpRecording();
         start(f);
       },
       true,
       false,
       "kein Fehler",
       {lost + "\nsimulated line hung up"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteSettings("SPRACHE=" + std::to_string(SettingOf(row.language)));
    sim.bus.ClearFaults();
    Make();
    SetUpRecording();
    ui.events.clear();
    row.act(*this);
    EXPECT_EQ(c->running(), row.running);
    EXPECT_EQ(c->live().stale(), row.stale);
    EXPECT_EQ(c->statusInfo(), row.status);
    EXPECT_EQ(ui.Messages(), row.messages);
    c->live().StopTimers();
    c.reset();
  }
}

TEST_F(ControllerFixture, WatchdogNoticeBecomesTheStatusInfo) {
  auto amp = sim.AddAmplifier(1);
  Make();
  ASSERT_TRUE(sim.link.OpenPort(Language::kEnglish));
  sim.bus.FaultNext(sim::Fault::kWatchdog);
  c->live().Poll();
  ASSERT_TRUE(WaitUntil([&] { return c->statusInfo() != "kein Fehler"; }));
  EXPECT_EQ(c->statusInfo(), "08.12.2026\t14:07\tWD-RESET \n\r");
}

TEST_F(ControllerFixture, LaterFlowsSayNotAvailableUntilTheyArePluggedIn) {
  Make();
  c->OnFlow(app::Flow::kCalibrate);
  c->OnFlow(app::Flow::kConfigure);
  c->OnFlow(app::Flow::kDisplayConfig);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(3, Tr(Language::kGerman, types::kNotAvailable)));
  int ran = 0;
  c->SetFlow(app::Flow::kConfigure, [&] { ++ran; });
  c->OnFlow(app::Flow::kConfigure);
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(ui.Messages().size(), 3u);
}

TEST_F(ControllerFixture, AddressFolds) {
  Make();
  const std::vector<std::pair<int, int>> cases{{0, 0},     {5, 5},     {31, 31},  {32, 255},
                                               {200, 255}, {253, 255}, {254, 31}, {255, 255}};
  for (auto [position, address] : cases) {
    EXPECT_EQ(c->SetAddressPosition(position), address) << position;
    EXPECT_EQ(c->context().address, address) << position;
  }
}

}  // namespace
}  // namespace korvane::test
