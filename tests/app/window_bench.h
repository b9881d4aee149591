#pragma once
// The desktop program on simulated devices, for tests that click through its windows:
// the main window with its real dialogs (the calibration's and the interval picker's
// answers come from the script), an amplifier of the QX 7100 series and a display unit
// behind a line whose replies all come late, so every flow waits in nested event loops
// where clicks land. A recording is set up, so "Messung starten" can be used.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "DisplayUnit.h"
#include "app/widgets/MainWindow.h"
#include "parametrization/widgets/ParametrizationDialog.h"
#include "support/ParametrizationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {

// The type the test picks (pH), then the real parametrization dialog.
class ParametrizationWindows : public parametrization::ParametrizationDialogs {
 public:
  std::optional<int> SelectType() override { return 0; }
  void Run(parametrization::ParametrizationActions& session) override {
    parametrization::ParametrizationDialog dialog(session);
    dialog.exec();
  }
  parametrization::RawValueView& rawValueView() override { return raw; }
  RecordingRawView raw;
};

// A click as a person makes it: the mouse on a button, an arrow key in a number edit.
inline void Poke(QWidget* w, Qt::Key arrow = Qt::Key_Up) {
  if (qobject_cast<QAbstractSpinBox*>(w))
    QTest::keyClick(w, arrow);
  else
    QTest::mouseClick(w, Qt::LeftButton);
}

struct Desk {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1, 0, 5);
  std::shared_ptr<sim::DisplayUnit> unit = std::make_shared<sim::DisplayUnit>(0);
  ParametrizationWindows parametrization;
  std::unique_ptr<app::MainWindow> win;

  explicit Desk(int lateMs = 15) {
    const QString folder = QDir(dir.path()).filePath("Korvane");
    QDir().mkpath(folder);
    QFile settings(folder + "/config.ini");
    if (settings.open(QIODevice::WriteOnly))
      settings.write(
          "[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:00:01\n\rSPRACHE=0\n\rPARAMETRIEREN=1\n\r");
    settings.close();
    sim.bus.Add(unit);
    sim.bus.SetLateDelayMs(lateMs);
    sim.bus.SetFault(sim::Fault::kLate);

    app::MainWindow::Options o;
    o.settingsFolder = folder.toStdString();
    o.ui = &ui;
    o.intervals = &ui;
    o.flowDialogs.calibration = &ui;
    o.flowDialogs.parametrization = &parametrization;
    o.link = &sim.link;
    win = std::make_unique<app::MainWindow>(o);
    // Room for a chain of six late replies between two polls.
    win->controller().live().setPollPeriod(std::chrono::milliseconds(20 * lateMs));
    win->show();
    ui.saveFiles.push_back(Path("rec.txt"));
    ui.intervals.push_back(measurement::TimeOfDay{0, 0, 1});
    win->button("setupMeasurement")->click();
  }
  ~Desk() { win->controller().live().StopTimers(); }

  std::string Path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }

  // The main window's buttons that start something.
  std::vector<QWidget*> MainControls(bool withStart = true) const {
    std::vector<QWidget*> out;
    for (const char* name : {"start", "setupMeasurement", "calibrate", "configure", "parametrize", "displayConfig",
                             "setup", "exit", "scan"})
      if (withStart || std::string(name) != "start") out.push_back(win->button(name));
    return out;
  }
};

}  // namespace korvane::test
