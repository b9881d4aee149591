// The main window offscreen: captions follow the language, buttons follow the
// controller, the address up-down folds, live values reach the fields, and the
// exit is refused while measuring. Also the file-dialog filter translation.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "bus/widgets/BusView.h"
#include "platform/widgets/QtUi.h"
#include "trace/widgets/TraceWindow.h"
#include "trend/widgets/TrendPanel.h"
#include "live_wait.h"
#include "support/ConfigurationDoubles.h"
#include "support/ParametrizationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using app::MainWindow;

struct WindowFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  std::unique_ptr<MainWindow> dlg;
  configuration::ConfigurationEditor* editor = nullptr;  // nullptr: the dialog
  parametrization::ParametrizationDialogs* parametrization = nullptr;

  void Make() {
    MainWindow::Options o;
    o.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    o.ui = &ui;
    o.intervals = &ui;
    o.flowDialogs.calibration = &ui;
    o.flowDialogs.configuration = editor;
    o.flowDialogs.parametrization = parametrization;
    o.link = &sim.link;
    dlg = std::make_unique<MainWindow>(o);
    dlg->controller().live().setPollPeriod(1h);
  }
  QString Text(const QString& name) { return dlg->button(name) ? dlg->button(name)->text() : dlg->label(name)->text(); }
};

TEST_F(WindowFixture, StartsInGermanWithStartDisabled) {
  Make();
  EXPECT_EQ(dlg->windowTitle(), "Korvane");
  EXPECT_EQ(Text("start"), "Messung starten");
  EXPECT_EQ(Text("exit"), "Beenden");
  EXPECT_EQ(Text("setup"), "Setup");
  EXPECT_EQ(Text("displayConfig"), "Konfiguration RW8200");
  EXPECT_EQ(Text("addressLabel"), QString::fromUtf8("Geräteadresse"));
  EXPECT_EQ(Text("statusInfo"), "kein Fehler");
  EXPECT_FALSE(dlg->button("start")->isEnabled());
  EXPECT_FALSE(dlg->button("parametrize")->isEnabled());
  EXPECT_TRUE(dlg->button("setupMeasurement")->isEnabled());
  // The launcher's icon, rendered from data/korvane.svg, in every size the desktop asks for.
  for (int size : {16, 48, 256}) EXPECT_EQ(dlg->windowIcon().pixmap(size, size).width(), size) << size;
}

TEST_F(WindowFixture, LanguageSwitchRecaptionsButtons) {
  Make();
  dlg->controller().ApplySetup(1, Language::kEnglish);
  const std::vector<std::pair<QString, QString>> want{{"parametrize", "Parameter"},
                                                      {"exit", "Exit"},
                                                      {"calibrate", "Calibration"},
                                                      {"configure", "Configuration"},
                                                      {"setupMeasurement", "Setup Measurement"},
                                                      {"displayConfig", "Configuration RW8200"},
                                                      {"start", "Start Measurement"},
                                                      {"addressLabel", "Device address"},
                                                      {"statusInfo", "no error"}};
  for (const auto& [id, text] : want) EXPECT_EQ(Text(id), text) << id.toStdString();
  // Qt's own formats (the file dialog's sizes and dates) follow too; back in German.
  EXPECT_EQ(QLocale().language(), QLocale::English);
  dlg->controller().ApplySetup(1, Language::kGerman);
  EXPECT_EQ(QLocale().language(), QLocale::German);
  EXPECT_EQ(QLocale().toString(1.5), "1,5");
}

TEST_F(WindowFixture, QtStandardTextsFollowTheLanguage) {
  const QString german = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
  if (!QFileInfo::exists(german)) GTEST_SKIP() << "Qt's German texts are not installed: " << german.toStdString();
  auto cancel = [] {
    return QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
  };
  Make();
  EXPECT_EQ(cancel(), "Abbrechen");
  dlg->controller().ApplySetup(1, Language::kEnglish);
  EXPECT_EQ(cancel(), "Cancel");
  dlg->controller().ApplySetup(1, Language::kGerman);
  EXPECT_EQ(cancel(), "Abbrechen");
  dlg.reset();  // the window takes Qt's German texts away with it
  EXPECT_EQ(cancel(), "Cancel");
}

TEST_F(WindowFixture, AddressUpDownFolds) {
  Make();
  QSpinBox* spin = dlg->addressSpin();
  spin->setValue(31);
  spin->stepUp();
  EXPECT_EQ(spin->value(), 255);
  EXPECT_EQ(dlg->controller().address(), 255);
  spin->stepDown();
  EXPECT_EQ(spin->value(), 31);
  EXPECT_EQ(dlg->controller().address(), 31);
}

TEST_F(WindowFixture, LiveValuesReachTheFieldsAndExitIsRefusedWhileMeasuring) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  amp->SetMeasured(6, 21.43f);
  Make();
  ui.saveFiles.push_back(QDir(dir.path()).filePath("rec.txt").toStdString());
  ui.intervals.push_back(measurement::TimeOfDay{0, 1, 0});
  dlg->button("setupMeasurement")->click();
  ASSERT_TRUE(dlg->button("start")->isEnabled());
  EXPECT_EQ(Text("recordingStatus"), "Aufzeichnungsdatei: rec.txt");

  dlg->show();
  dlg->button("start")->click();
  ASSERT_TRUE(dlg->controller().running());
  EXPECT_EQ(Text("start"), "Messung beenden");
  EXPECT_FALSE(dlg->button("exit")->isEnabled());
  EXPECT_FALSE(dlg->button("setup")->isEnabled());
  EXPECT_EQ(Text("channel1"), "pH Wert");
  EXPECT_EQ(Text("unit1"), "pH");

  dlg->controller().live().Poll();
  ASSERT_TRUE(WaitUntil([&] { return !Text("value1").isEmpty(); }));
  EXPECT_EQ(Text("value1"), "7.02");
  EXPECT_EQ(Text("value2"), "-12");
  EXPECT_EQ(Text("value6"), "21.4");

  dlg->reject();  // Esc or the close box
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(ui.Messages().back(), "Messung erst beenden!");

  dlg->button("start")->click();
  EXPECT_FALSE(dlg->controller().running());
  EXPECT_TRUE(Text("value1").isEmpty());
  dlg->button("exit")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath("Korvane/config.ini")));
}

// The bench: the trend appears with "Verlauf", takes the running measurement's chains
// only and starts afresh with the next start; the communication window records while open.
TEST_F(WindowFixture, TrendFollowsTheMeasurementAndTheTraceRecordsWhileOpen) {
  sim.AddAmplifier(1)->SetMeasured(1, 7.02f);
  Make();
  ui.saveFiles.push_back(QDir(dir.path()).filePath("rec.txt").toStdString());
  ui.intervals.push_back(measurement::TimeOfDay{0, 1, 0});
  dlg->button("setupMeasurement")->click();
  dlg->show();
  trend::TrendPanel* panel = dlg->trendPanel();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(Text("trend"), "Verlauf");
  dlg->move(dlg->x(), dlg->screen()->availableGeometry().bottom() - dlg->frameGeometry().height());
  const int heightWithoutTrend = dlg->height();
  dlg->button("trend")->click();
  EXPECT_TRUE(panel->isVisible());
  const QRect screenArea = dlg->screen()->availableGeometry();  // grown, yet on the screen
  EXPECT_GE(dlg->frameGeometry().top(), screenArea.top());
  EXPECT_LE(dlg->frameGeometry().bottom(), screenArea.bottom());

  trace::TraceWindow* trace = dlg->ShowTrace();
  dlg->button("start")->click();
  dlg->controller().live().Poll();
  ASSERT_TRUE(WaitUntil([&] { return panel->buffer().size() == 1; }));
  EXPECT_FLOAT_EQ(panel->buffer().newest().values[0], 7.02f);
  EXPECT_EQ(panel->leftChannel(), 0);
  EXPECT_EQ(panel->rightChannel(), 5);
  trace->Flush();
  EXPECT_TRUE(trace->text().contains("<-  28 00 00 04 01"));
  trace->close();
  const QString recorded = trace->text();
  const QString saved = QDir(dir.path()).filePath("trace.txt");
  ui.saveFiles.push_back(saved.toStdString());
  ASSERT_TRUE(trace->Save());
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), recorded + "\n");

  dlg->button("start")->click();         // stop
  dlg->controller().live().Poll();       // the calibration's polling draws no trend
  WaitUntil([] { return false; }, 150);  // the chain runs its course
  EXPECT_EQ(panel->buffer().size(), 1u);
  EXPECT_EQ(trace->text(), recorded);
  dlg->button("start")->click();
  EXPECT_TRUE(panel->buffer().empty());
  dlg->button("start")->click();

  // Hidden again, the trend gives its height back: the fields are as tall as before.
  dlg->button("trend")->click();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(dlg->height(), heightWithoutTrend);
}

TEST_F(WindowFixture, ValueFontFollowsFieldHeight) {
  Make();
  QLabel* field = dlg->label("value1");
  dlg->show();
  dlg->resize(900, 420);
  QCoreApplication::processEvents();
  const int small = field->font().pixelSize();
  const int smallField = field->height();
  dlg->resize(1800, 900);
  QCoreApplication::processEvents();
  ASSERT_GT(field->height(), smallField);
  EXPECT_GT(small, 0);
  EXPECT_GT(field->font().pixelSize(), small);
  EXPECT_LE(QFontMetrics(field->font()).height(), field->contentsRect().height());
  // A wide reading still fits the field.
  EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance("-8888.88"), field->contentsRect().width());
  EXPECT_EQ(field->font().weight(), QFont::Medium);
}

TEST_F(WindowFixture, FlowButtonsRunTheirFlows) {
  sim.AddAmplifier(1);
  sim.bus.SetFault(sim::Fault::kNoReply);
  Make();
  dlg->button("calibrate")->click();
  dlg->button("configure")->click();
  dlg->button("displayConfig")->click();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(3, test::SimLink::Silent(Language::kGerman)));
  // The flows asked the module first.
  ASSERT_GE(sim.bus.received().size(), 2u);
  EXPECT_EQ(sim.bus.received()[0][2], 2);
}

TEST_F(WindowFixture, AddressFieldFollowsAnAddressWrittenByTheConfiguration) {
  auto amp = sim.AddAmplifier(1, 0, 3);
  amp->SetParameterFloat(32, 1.5f);
  amp->SetParameterFloat(33, -58.2f);
  ScriptedEditor moveTo5([](configuration::ConfigSettings& s, configuration::ConfigurationActions& confirm) {
    s.address = 5;
    return confirm.CheckTypeOnOk(s) == configuration::TypeCheck::kAccepted;
  });
  editor = &moveTo5;
  Make();
  dlg->button("configure")->click();
  EXPECT_EQ(moveTo5.runs, 1);
  EXPECT_EQ(dlg->controller().address(), 5);
  EXPECT_EQ(dlg->addressSpin()->value(), 5);
  // The calibration the module now holds, at once and not only after the next start.
  EXPECT_EQ(Text("calibrationStatus"), "Asymmetrie: 1.5  Steilheit: -58.2  ");
}

TEST_F(WindowFixture, ParametrizeRunsWhenTheSettingsFileSwitchesItOn) {
  QDir().mkpath(QDir(dir.path()).filePath("Korvane"));
  QFile file(QDir(dir.path()).filePath("Korvane/config.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=1\n\rPARAMETRIEREN=1\n\r");
  file.close();
  sim.AddAmplifier(1);
  ScriptedParametrizationDialogs windows;
  windows.type = 3;
  parametrization = &windows;
  Make();
  ASSERT_TRUE(dlg->button("parametrize")->isEnabled());
  dlg->button("parametrize")->click();
  EXPECT_EQ(windows.runs, 1);
  // German in an English window: a service function.
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Bei der QX7100-Serie den HOLD Modus aktivieren!",
                                                     "Parametrieren korrekt beendet!"}));
  EXPECT_EQ(sim.link.baudRate(), 4800);
}

TEST(QtFilter, WindowsFilterTextBecomesQtFilters) {
  EXPECT_EQ(platform::QtFilterFromWindows("Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||"),
            "Text (*.txt);;Alle Dateien (*.*)");
  EXPECT_EQ(platform::QtFilterFromWindows("Setup|*.qx4|All|*.*||"), "Setup (*.qx4);;All (*.*)");
  EXPECT_EQ(platform::QtFilterFromWindows("Both|*.a;*.b||"), "Both (*.a *.b)");
  EXPECT_EQ(platform::QtFilterFromWindows(""), "");
}

// "Bus…": the view watches two modules and one absent address, row by row; while it
// runs the main window's flows are disabled and the program does not exit; a module
// that falls silent is marked missing, and stopping frees the line.
TEST_F(WindowFixture, BusViewWatchesTheModulesAndHoldsTheLine) {
  auto ph = sim.AddAmplifier(1, 3);
  sim.AddAmplifier(3, 5);
  ph->SetMeasured(1, 7.02f);
  Make();
  bus::BusView* view = dlg->ShowBus({3, 5, 9});
  view->setPollPeriod(30ms);
  QTreeWidget* rows = view->rows();
  ASSERT_EQ(rows->topLevelItemCount(), 3);
  auto state = [&](int row) { return rows->topLevelItem(row)->text(rows->columnCount() - 1).toStdString(); };
  view->OnStartStop();
  ASSERT_TRUE(view->running());
  ASSERT_TRUE(WaitUntil([&] { return state(0) == "live" && state(1) == "live" && state(2) != "wartet"; }));
  EXPECT_EQ(rows->topLevelItem(0)->text(1), "1 pH");
  EXPECT_EQ(rows->topLevelItem(0)->text(2), "7.02 pH");
  EXPECT_EQ(state(2).rfind("fehlt seit ", 0), 0u) << state(2);
  for (const char* name : {"calibrate", "configure", "setup", "exit", "setupMeasurement"})
    EXPECT_FALSE(dlg->button(name)->isEnabled()) << name;
  EXPECT_FALSE(dlg->controller().Exit());
  EXPECT_EQ(ui.events.back().text, "Messung erst beenden!");

  sim.bus.SetSilent(5, true);
  ASSERT_TRUE(WaitUntil([&] { return state(1).rfind("fehlt seit ", 0) == 0; })) << state(1);
  EXPECT_EQ(state(0), "live");
  view->OnStartStop();
  ASSERT_TRUE(WaitUntil([&] { return !view->running(); }));
  EXPECT_FALSE(sim.link.lineHeld());
  for (int row = 0; row < 3; ++row) EXPECT_EQ(state(row), "beendet") << row;
  for (const char* name : {"calibrate", "configure", "setup", "exit", "setupMeasurement"})
    EXPECT_TRUE(dlg->button(name)->isEnabled()) << name;
}

}  // namespace
}  // namespace korvane::test
