// What the main window tells against the simulated module: a module left at another
// rate found and set back, the bottom line (port, mapping, rate, module, calibration
// due), the address fixed while a flow runs and the history event's module, a value left
// unanswered, nothing modal at the first start and its Esc, safe yes/no defaults.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/widgets/MainWindow.h"
#include "history/HistoryStore.h"
#include "history/Recorder.h"
#include "live_wait.h"
#include "platform/Account.h"
#include "platform/widgets/QtUi.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using app::MainWindow;

struct StatusFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1);
  std::unique_ptr<MainWindow> dlg;

  std::string Folder() const { return QDir(dir.path()).filePath("Korvane").toStdString(); }
  std::string HistoryFile() const { return QDir(dir.path()).filePath("history.sqlite").toStdString(); }
  void WriteSettings(const std::string& text) {
    QDir().mkpath(QString::fromStdString(Folder()));
    QFile f(QString::fromStdString(Folder() + "/config.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  void Make(std::chrono::milliseconds poll = 1h) {
    MainWindow::Options o;
    o.settingsFolder = Folder();
    o.ui = &ui;
    o.intervals = &ui;
    o.flowDialogs.calibration = &ui;
    o.link = &sim.link;
    o.history = HistoryFile();
    dlg = std::make_unique<MainWindow>(o);
    dlg->controller().live().setPollPeriod(poll);
  }
  void Start() {
    ui.saveFiles.push_back(QDir(dir.path()).filePath("rec.txt").toStdString());
    ui.intervals.push_back(measurement::TimeOfDay{0, 1, 0});
    dlg->button("setupMeasurement")->click();
    dlg->button("start")->click();
  }
  QString Text(const char* name) { return dlg->label(name)->text(); }
  std::vector<history::Event> Events() {
    dlg->controller().history()->Flush(5s);
    history::HistoryStore store;
    std::string error;
    EXPECT_TRUE(store.Open(*store::Location::Parse(HistoryFile(), &error), {}, &error, nullptr)) << error;
    return store.Events({}, &error);
  }
  std::string ReadSettings() {
    QFile f(QString::fromStdString(Folder() + "/config.ini"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
  }
};

// A readout whose line went away left the module at 19200 baud (the program at 4800):
// the next start finds it, sets it back, says so, and the settings keep 4800.
TEST_F(StatusFixture, AModuleLeftAtTheFastRateIsFoundAndSetBack) {
  for (Language language : {Language::kGerman, Language::kEnglish}) {
    SCOPED_TRACE(static_cast<int>(language));
    sim.FollowLineRate();
    amp->SetBaud(19200);
    WriteSettings(std::string("[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=") +
                  (language == Language::kEnglish ? "1" : "0") + "\n\rPARAMETRIEREN=0\n\r");
    Make();
    Start();
    ASSERT_TRUE(dlg->controller().running()) << (ui.Messages().empty() ? "" : ui.Messages().back());
    const std::string said = language == Language::kEnglish
                                 ? "Module answered at 19200 baud; set back to 4800."
                                 : "Modul antwortete mit 19200 Baud; zurück auf 4800 gestellt.";
    EXPECT_EQ(Text("statusInfo").toStdString(), said);
    EXPECT_EQ(amp->baud(), 4800);
    EXPECT_TRUE(Text("lineStatus").contains(language == Language::kEnglish ? "4800 baud" : "4800 Baud"));
    dlg->button("start")->click();
    // The box waits for the end of the flow.
    ASSERT_TRUE(WaitUntil([&] { return !ui.Messages().empty() && ui.Messages().back() == said; }));
    ASSERT_TRUE(dlg->controller().Exit());
    EXPECT_NE(ReadSettings().find("BAUD=4800\n\r"), std::string::npos);
    dlg.reset();
  }
}

// The settings kept 19200 from a readout cut off, the module started again at 4800: the
// program goes back to 4800 and says it found the module there, not that it set it back.
TEST_F(StatusFixture, ASettingLeftAtTheFastRateFindsTheModuleAt4800) {
  sim.FollowLineRate();
  WriteSettings("[RS232]\n\rPORT=0\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=0\n\rPARAMETRIEREN=0\n\r");
  Make();
  Start();
  ASSERT_TRUE(dlg->controller().running());
  EXPECT_EQ(Text("statusInfo").toStdString(),
            "Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.");
  EXPECT_TRUE(amp->systemCommands().empty());
  dlg->button("start")->click();
  ASSERT_TRUE(WaitUntil([&] { return !dlg->controller().link().lineHeld(); }));
  ASSERT_TRUE(dlg->controller().Exit());
  EXPECT_NE(ReadSettings().find("BAUD=4800\n\r"), std::string::npos);
}

// The bottom line names the port, where it leads, the rate, the module the start met
// and, from the history, its calibration due.
TEST_F(StatusFixture, BottomLineTellsPortRateModuleAndCalibrationDue) {
  {
    // A saved calibration 40 days ago, 30 days being the interval.
    history::HistoryStore store;
    std::string error;
    ASSERT_TRUE(store.Open(*store::Location::Parse(HistoryFile(), &error), {}, &error, nullptr)) << error;
    history::Event e;
    e.timeMs = QDateTime::currentMSecsSinceEpoch() - 40LL * 86400000;
    e.identity = "A123";
    e.address = 0;
    e.type = 1;
    e.kind = history::kCalibrationKind;
    e.details = QJsonObject{{"outcome", "saved"}, {"plausible", true}};
    ASSERT_TRUE(store.Append(e, nullptr, &error, nullptr)) << error;
  }
  Make();
  EXPECT_EQ(Text("lineStatus"), "COM1 → /dev/null    4800 Baud");
  Start();
  ASSERT_TRUE(dlg->controller().running());
  const QString due = QDateTime::currentDateTime().addDays(-10).toString("dd.MM.yyyy");
  ASSERT_TRUE(WaitUntil([&] { return Text("lineStatus").contains("Kalibrierung"); }))
      << Text("lineStatus").toStdString();
  EXPECT_EQ(Text("lineStatus"),
            "COM1 → /dev/null    4800 Baud    Modul A123 (pH, Adresse 0)    Kalibrierung fällig seit " + due);
  dlg->button("start")->click();
  // Another port: the module met on the first is not its.
  dlg->controller().ApplySetup(2, Language::kEnglish);
  EXPECT_EQ(Text("lineStatus"), "COM2 → /dev/null    4800 baud");
}

// A module the history meets with this measurement is known once its events are
// written: never calibrated, it is due when the measurement ends.
TEST_F(StatusFixture, AModuleFirstMetByAMeasurementIsDueOnceItEnds) {
  Make(20ms);
  Start();
  ASSERT_TRUE(dlg->controller().running());
  ASSERT_TRUE(WaitUntil([&] { return !Text("value1").isEmpty(); }));
  dlg->button("start")->click();
  ASSERT_TRUE(WaitUntil([&] { return Text("lineStatus").contains("Kalibrierung fällig (keine in der Historie)"); }))
      << Text("lineStatus").toStdString();
}

// While a flow holds the line the address cannot move; the measurement's events name
// the module that answered, also the one a lost line ended, with the account's name.
TEST_F(StatusFixture, AddressIsFixedWhileAFlowRunsAndEventsNameTheModuleThatAnswered) {
  Make(20ms);
  Start();
  ASSERT_TRUE(dlg->controller().running());
  EXPECT_FALSE(dlg->addressSpin()->isEnabled());
  EXPECT_FALSE(dlg->button("scan")->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !Text("value1").isEmpty(); }));
  dlg->button("start")->click();
  EXPECT_TRUE(dlg->addressSpin()->isEnabled());
  EXPECT_TRUE(dlg->button("scan")->isEnabled());

  Start();
  ASSERT_TRUE(WaitUntil([&] { return !Text("value1").isEmpty(); }));
  sim.bus.SetFault(sim::Fault::kHangUp);  // the adapter pulled mid-measurement
  ASSERT_TRUE(WaitUntil([&] { return !dlg->controller().running(); }));
  EXPECT_TRUE(dlg->addressSpin()->isEnabled());

  const std::vector<history::Event> events = Events();
  std::vector<std::string> lives;
  for (const history::Event& e : events)
    if (e.kind == history::kLiveKind)
      lives.push_back(e.identity + "@" + std::to_string(e.address) + " " + e.technician);
  const std::string who = "A123@0 " + platform::AccountName();
  EXPECT_EQ(lives, (std::vector<std::string>{who, who}));
}

// Value 2 unanswered: the others update, it shows "---" greyed, unnamed channels show
// nothing, and the measurement goes on.
TEST_F(StatusFixture, AValueLeftUnansweredIsShownAsSuchWhileTheOthersUpdate) {
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(3, 5.0f);
  sim.bus.FaultWhen(link::kValues, 2, sim::Fault::kNoReply, -1);
  Make(30ms);
  dlg->controller().live().setStepTimeout(40ms);
  Start();
  int chains = 0;
  QObject::connect(&dlg->controller().live(), &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
  ASSERT_TRUE(WaitUntil([&] { return chains >= 2; }));
  amp->SetMeasured(1, 7.10f);
  ASSERT_TRUE(WaitUntil([&] { return Text("value1") == "7.10"; }));
  EXPECT_EQ(Text("value2"), "---");
  EXPECT_FALSE(dlg->label("value2")->isEnabled());
  EXPECT_TRUE(dlg->label("value1")->isEnabled());
  EXPECT_EQ(Text("value3"), "");  // pH names no third value
  // Well past the polls after which a silent module would count as gone.
  const int seen = chains;
  ASSERT_TRUE(WaitUntil([&] { return chains >= seen + app::LiveMeasurement::kSilentPollsForLoss + 1; }));
  EXPECT_TRUE(dlg->controller().running());
  dlg->button("start")->click();
}

// The first start asks nothing; Esc ends it and writes the settings as every first start did.
TEST_F(StatusFixture, FirstStartAsksNothingAndItsEscWritesTheSettingsByteExact) {
  Make();
  dlg->show();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  QTest::keyClick(dlg.get(), Qt::Key_Escape);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(ReadSettings(),
            "[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=0\n\rPARAMETRIEREN=0\n\r");
}

// "Datenlogger wirklich löschen?" and its kind: Enter answers "Nein".
TEST(YesNo, EnterTakesTheSafeAnswer) {
  for (Language language : {Language::kGerman, Language::kEnglish}) {
    platform::QtUi qt(nullptr);
    qt.setLanguage(language);
    QString defaultButton;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      defaultButton = box->defaultButton()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(qt.YesNo("INFO", "Datenlogger wirklich löschen?", language == Language::kEnglish ? "Yes" : "Ja",
                          language == Language::kEnglish ? "No" : "Nein"));
    EXPECT_EQ(defaultButton, language == Language::kEnglish ? "No" : "Nein");
  }
}

}  // namespace
}  // namespace korvane::test
