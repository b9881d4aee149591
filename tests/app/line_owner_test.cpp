// One flow on the line at a time, through the windows: each window's longest flow runs
// against the simulated module with late replies while every other control of that
// window and of the main window is clicked over and over. No click may start a second
// flow (the line refuses nothing because nothing asks), the flow's result is whole, and
// the controls are as before once the line is free again.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "calibration/CalibrationTexts.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "display/widgets/DisplayUnitDialog.h"
#include "live_wait.h"
#include "logger/widgets/LoggerChart.h"
#include "logger/widgets/ModuleLoggerDialog.h"
#include "measurement/LiveFormat.h"
#include "parametrization/widgets/ParametrizationDialog.h"
#include "platform/Texts.h"
#include "platform/widgets/SpinEdit.h"
#include "support/ModalWait.h"
#include "window_bench.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using app::MainWindow;

std::string Name(QWidget* w);

std::map<QWidget*, bool> EnabledStates(const std::vector<QWidget*>& controls) {
  std::map<QWidget*, bool> states;
  for (QWidget* w : controls) states[w] = w->isEnabled();
  return states;
}

// The desk, and a hand that clicks the row's controls whenever the line is held.
struct Bench : Desk {
  std::function<std::vector<QWidget*>()> others;
  std::set<std::string> enabledWhileHeld;
  std::set<std::string> strayWindows;
  std::map<std::string, QWidget*> rowWindows;  // the first of each kind: the row's own
  int pokes = 0;
  QTimer clicker;

  Bench() : Desk(8) {
    clicker.setInterval(4);
    QObject::connect(&clicker, &QTimer::timeout, [this] { Tick(); });
  }

  void Tick() {
    // A window the row does not open itself (or a second one of a kind) came up from a
    // click: it must not stay.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      const bool expected = qobject_cast<configuration::ConfigurationDialog*>(modal) ||
                            qobject_cast<display::DisplayUnitDialog*>(modal) ||
                            qobject_cast<logger::ModuleLoggerDialog*>(modal) ||
                            qobject_cast<parametrization::ParametrizationDialog*>(modal);
      const std::string kind = modal->metaObject()->className();
      const auto first = rowWindows.find(kind);
      if (!expected || (first != rowWindows.end() && first->second != modal)) {
        strayWindows.insert(kind);
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        return;
      }
      if (first == rowWindows.end()) rowWindows[kind] = modal;
    }
    if (!sim.link.lineHeld()) return;
    for (QWidget* w : others()) {
      if (!w->isVisible()) continue;
      if (w->isEnabled()) enabledWhileHeld.insert(Name(w));
      // From its own event, so that this hand goes on ticking (and closes what the
      // click may open) while the click runs.
      QTimer::singleShot(0, w, [this, w] {
        if (sim.link.lineHeld()) Poke(w);
      });
      ++pokes;
    }
  }
};

std::string Name(QWidget* w) {
  if (!w->objectName().isEmpty()) return w->objectName().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  return w->metaObject()->className();
}

QPushButton* ButtonWithText(QWidget* window, const QString& text) {
  for (QPushButton* b : window->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// The window's own controls that start a flow, and the main window's, but the one that
// starts the row's flow.
template <class Dialog>
std::vector<QWidget*> DialogControls(Bench& b, std::initializer_list<QString> except,
                                     std::function<std::vector<QWidget*>(Dialog&)> more = {}) {
  std::vector<QWidget*> out = b.MainControls();
  if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
    for (QPushButton* p : d->template findChildren<QPushButton*>())
      if (std::find(except.begin(), except.end(), p->text()) == except.end()) out.push_back(p);
    if (more)
      for (QWidget* w : more(*d)) out.push_back(w);
  }
  return out;
}

struct Row {
  const char* window;
  // Clicks through to the window's longest flow and back; checks the dialog's controls
  // are as before once the flow is over.
  std::function<void(Bench&)> run;
  // What is clicked while the line is held.
  std::function<std::vector<QWidget*>(Bench&)> others;
  // The flow's result is whole.
  std::function<void(Bench&)> whole;
};

// Runs flow on the dialog once it shows; once the flow has let go of the line, the
// dialog's controls are as before, and the dialog is closed (unless the flow did).
template <class Dialog>
void OnDialog(std::function<void(Dialog&)> flow) {
  WhenModalShows<Dialog>([flow](Dialog& d) {
    std::vector<QWidget*> controls;
    for (QPushButton* p : d.template findChildren<QPushButton*>()) controls.push_back(p);
    for (QAbstractSpinBox* s : d.template findChildren<QAbstractSpinBox*>()) controls.push_back(s);
    const auto before = EnabledStates(controls);
    flow(d);
    QCoreApplication::processEvents();
    if (!d.isVisible()) return;
    EXPECT_EQ(EnabledStates(controls), before) << d.metaObject()->className();
    d.reject();
  });
}

TEST(LineOwner, EveryWindowsLongestFlowRunsAloneWhateverIsClicked) {
  const Row rows[] = {
      {"main window: the measurement",
       [](Bench& b) {
         app::LiveMeasurement& live = b.win->controller().live();
         int chains = 0;
         const auto counted = QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
         b.win->button("start")->click();
         ASSERT_TRUE(b.win->controller().running());
         // Chains of six late replies, and a recording line of them.
         EXPECT_TRUE(
             WaitUntil([&] { return chains >= 3 && QFileInfo(QString::fromStdString(b.Path("rec.txt"))).size() > 0; }));
         // Every field the type names has its value; the others show nothing.
         for (int c = 1; c <= 6; ++c)
           EXPECT_EQ(live.fieldTexts()[c - 1].empty(), !measurement::ShowsChannel(live.captionType(), c)) << c;
         QObject::disconnect(counted);
         b.win->button("start")->click();  // stop
       },
       [](Bench& b) { return b.MainControls(false); },
       [](Bench& b) {
         QFile rec(QString::fromStdString(b.Path("rec.txt")));
         ASSERT_TRUE(rec.open(QIODevice::ReadOnly));
         const QByteArray line = rec.readLine();
         EXPECT_EQ(line.count('\t'), 7) << line.toStdString();  // date, time and six values
         EXPECT_TRUE(b.ui.Messages().empty());
       }},
      {"calibration",
       [](Bench& b) {
         // The two buffers: the module's voltage settles before each OK.
         auto waits = std::make_shared<int>(0);
         b.ui.onEvent = [&b, waits](const UiEvent& e) {
           if (e.kind != "message" || e.text != platform::Tr(Language::kGerman, calibration::kWaitStable)) return;
           const float mv = (*waits)++ == 0 ? 0.0f : 177.5f;
           b.amp->SetMeasured(2, mv);
           b.amp->SetMeasured(6, 25.0f);
           EXPECT_TRUE(WaitUntil(
               [&] { return b.sim.link.module().measured[1] == mv && b.sim.link.module().measured[5] == 25.0f; }));
         };
         b.ui.entries = {7.0f, 4.0f};
         b.ui.results = {1};  // save
         b.win->button("calibrate")->click();
         b.ui.onEvent = nullptr;
       },
       [](Bench& b) { return b.MainControls(); },
       [](Bench& b) {
         // What the module stores is what the calibration computed, stored once.
         const auto& k = b.sim.link.module().calibration;
         EXPECT_NEAR(k[1], -59.1667f, 1e-3);
         EXPECT_FLOAT_EQ(b.amp->ParameterFloat(link::kCalibration1.number), k[0]);
         EXPECT_FLOAT_EQ(b.amp->ParameterFloat(link::kCalibration2.number), k[1]);
         EXPECT_EQ(Sent(b.sim.bus, link::kStoreSettings.group, link::kStoreSettings.number).size(), 1u);
       }},
      {"configuration: OK checks the type and writes",
       [](Bench& b) {
         OnDialog<configuration::ConfigurationDialog>(
             [](configuration::ConfigurationDialog& d) { Poke(d.button(configuration::ctl::kOk)); });
         b.win->button("configure")->click();
       },
       [](Bench& b) { return DialogControls<configuration::ConfigurationDialog>(b, {"OK"}); },
       [](Bench& b) {
         // Every write answered (no report), stored once, and the status line shows
         // the calibration the module now holds.
         EXPECT_TRUE(b.ui.Messages().empty());
         EXPECT_EQ(Sent(b.sim.bus, link::kStoreSettings.group, link::kStoreSettings.number).size(), 1u);
         EXPECT_FALSE(b.win->label("calibrationStatus")->text().isEmpty());
       }},
      {"module logger: the readout",
       [](Bench& b) {
         OnDialog<configuration::ConfigurationDialog>([&b](configuration::ConfigurationDialog& d) {
           OnDialog<logger::ModuleLoggerDialog>([&b](logger::ModuleLoggerDialog& logger) {
             b.ui.saveFiles.push_back(b.Path("qx.txt"));
             Poke(logger.readButton());
             EXPECT_EQ(logger.chart()->pointCount(), b.amp->loggerCount());
             EXPECT_TRUE(logger.chart()->note().isEmpty());
           });
           Poke(d.button(configuration::ctl::kSeriesButton));
         });
         b.win->button("configure")->click();
       },
       [](Bench& b) {
         std::vector<QWidget*> out = b.MainControls();
         if (auto* logger = qobject_cast<logger::ModuleLoggerDialog*>(QApplication::activeModalWidget())) {
           // Printing and OK do not use the line.
           for (const char* text : {"Uhr stellen", "Löschen"})
             out.push_back(ButtonWithText(logger, QString::fromUtf8(text)));
           if (auto* config = qobject_cast<configuration::ConfigurationDialog*>(logger->parentWidget()))
             for (configuration::ctl::Control id :
                  {configuration::ctl::kOk, configuration::ctl::kCancel, configuration::ctl::kOpen,
                   configuration::ctl::kSave, configuration::ctl::kPrint, configuration::ctl::kSeriesButton})
               out.push_back(config->control(id));
         }
         return out;
       },
       [](Bench& b) {
         QFile file(QString::fromStdString(b.Path("qx.txt")));
         ASSERT_TRUE(file.open(QIODevice::ReadOnly));
         EXPECT_EQ(file.readAll().count('\n'), b.amp->loggerCount());
         EXPECT_EQ(b.amp->loggerCount(), 24);  // nothing cleared it
       }},
      {"display unit: the logger readout",
       [](Bench& b) {
         OnDialog<display::DisplayUnitDialog>([&b](display::DisplayUnitDialog& d) {
           b.ui.saveFiles.push_back(b.Path("unit.txt"));
           Poke(ButtonWithText(&d, QStringLiteral("Auslesen")));
         });
         b.win->button("displayConfig")->click();
       },
       [](Bench& b) {
         return DialogControls<display::DisplayUnitDialog>(
             b, {"Auslesen"}, [](display::DisplayUnitDialog& d) { return std::vector<QWidget*>{d.contrast()}; });
       },
       [](Bench& b) {
         QFile file(QString::fromStdString(b.Path("unit.txt")));
         ASSERT_TRUE(file.open(QIODevice::ReadOnly));
         EXPECT_EQ(file.readAll().count('\n'), b.unit->loggerCount());
         EXPECT_EQ(b.unit->loggerCount(), 12);  // nothing cleared it
         // The contrast was never written, so nothing is half stored.
         EXPECT_TRUE(Sent(b.sim.bus, link::kWrite, link::kDisplayContrast.number).empty());
         EXPECT_TRUE(b.unit->stored().empty());
       }},
      {"parametrization: the parameter report",
       [](Bench& b) {
         OnDialog<parametrization::ParametrizationDialog>([](parametrization::ParametrizationDialog& d) {
           Poke(d.control(parametrization::Control::kReadReport));
           const QString report = qobject_cast<QLabel*>(d.control(parametrization::Control::kReport))->text();
           EXPECT_EQ(report.count('\n'), 24) << report.toStdString();
         });
         b.win->button("parametrize")->click();
       },
       [](Bench& b) {
         // The DAC edits send what they show at once.
         return DialogControls<parametrization::ParametrizationDialog>(
             b, {"Aktualisieren"}, [](parametrization::ParametrizationDialog& d) {
               std::vector<QWidget*> dac;
               for (platform::SpinEdit* s : d.findChildren<platform::SpinEdit*>()) dac.push_back(s);
               return dac;
             });
       },
       [](Bench& b) {
         EXPECT_EQ(b.ui.Messages().back(), "Parametrieren korrekt beendet!");
         EXPECT_EQ(b.parametrization.raw.events, std::vector<std::string>{});
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.window);
    Bench b;
    const auto mainBefore = EnabledStates(b.MainControls());
    b.others = [&] { return row.others(b); };
    b.clicker.start();
    row.run(b);
    ASSERT_TRUE(WaitUntil([&] { return !b.sim.link.lineHeld() && !QApplication::activeModalWidget(); }, 10000));
    b.clicker.stop();
    QCoreApplication::processEvents();
    EXPECT_GT(b.pokes, 0);
    EXPECT_EQ(b.sim.link.refusedRequests(), 0);
    EXPECT_EQ(b.enabledWhileHeld, std::set<std::string>{});
    EXPECT_EQ(b.strayWindows, std::set<std::string>{});
    EXPECT_EQ(EnabledStates(b.MainControls()), mainBefore);
    row.whole(b);
  }
}

}  // namespace
}  // namespace korvane::test
