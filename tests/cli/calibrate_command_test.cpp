// korvane-cli calibrate in-process against the simulator's settle curve: one run per
// procedure family with --auto, and the exit statuses of results that are not taken.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "Commands.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

platform::LocalTime CalibrateTime() { return {2026, 3, 9, 10, 0, 0}; }

// What the sensor does at a time of its own (seconds since the command started).
struct SettleStep {
  double at;
  std::function<void(sim::Amplifier&)> act;
};

struct CalibrateFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  std::unique_ptr<SimLink> sim = std::make_unique<SimLink>(ui);
  std::ostringstream out, err;
  std::shared_ptr<sim::Amplifier> amp;
  double now = 0;
  std::vector<SettleStep> steps;

  // A fresh line and module for each run of a table.
  void TearDownRun() {
    out.str("");
    err.str("");
    now = 0;
    steps.clear();
    amp.reset();
    sim = std::make_unique<SimLink>(ui);
    QFile::remove(QString::fromStdString(Folder() + "/korvane.conf"));
  }
  void Module(int wireType) {
    amp = sim->AddAmplifier(wireType);
    amp->SetSettle(4, 0.02);
    amp->SetMeasured(6, 12.0f);
  }
  std::string Folder() const { return QDir(dir.path()).filePath("Korvane").toStdString(); }
  // Ten-second windows keep the runs short; the criterion's figures are the defaults'.
  void Conf(std::string text) {
    for (const char* family : {"ph", "redox", "ise", "conductivity", "oxygen", "chlorine"})
      text += std::string("calibration.") + family + ".window=10\n";
    QDir().mkpath(QString::fromStdString(Folder()));
    QFile f(QString::fromStdString(Folder() + "/korvane.conf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.c_str());
  }
  // Two seconds of the sensor's time per poll of 45 ms.
  int Run(std::vector<std::string> args) {
    cli::CommonOptions o;
    o.settingsFolder = Folder();
    o.baud = 38400;
    o.history = "none";
    args.insert(args.end(), {"--poll", "45"});
    cli::CliContext ctx(o, out, err, &sim->link, &CalibrateTime);
    ctx.setSeconds([this] { return now; });
    std::size_t next = 0;
    const auto tick = QObject::connect(&sim->link, &link::Link::chainEnded, [&] {
      now += 2;
      sim->bus.Advance(2);
      while (next < steps.size() && steps[next].at <= now) steps[next++].act(*amp);
    });
    for (; next < steps.size() && steps[next].at <= 0; ++next) steps[next].act(*amp);
    const int rc = cli::RunCommand(ctx, "calibrate", std::move(args));
    QObject::disconnect(tick);
    return rc;
  }
  float Stored(int parameter) const { return amp->ParameterFloat(static_cast<std::uint8_t>(parameter)); }
  bool Written() const {
    for (const link::Frame& f : sim->bus.received())
      if (link::FrameGroup(f) == link::kWrite) return true;
    return false;
  }
};

SettleStep SolutionAt(double at, double value) {
  return {at, [value](sim::Amplifier& a) { a.SetSolution(value); }};
}
SettleStep TargetAt(double at, int channel, float value) {
  return {at, [channel, value](sim::Amplifier& a) { a.SetTarget(channel, value); }};
}

TEST_F(CalibrateFixture, EveryProcedureFamilyRunsWithoutWindows) {
  const struct {
    const char* family;
    int wireType;
    std::vector<SettleStep> steps;
    std::vector<std::string> args;
    int parameter;   // the calibration value the procedure writes
    float expected;  // what it should hold
    float tolerance;
    const char* printed;  // a line the run prints
  } cases[] = {
      {"pH with the technical buffers at 12 °C",
       1,
       {SolutionAt(0, 7.052), SolutionAt(30, 4.00)},
       {"--auto", "--buffers", "technical", "--save"},
       33,
       -57.8f,
       0.3f,
       "Puffer 4.01 (Technisch 4.01 / 7.00 / 10.01 (9.21)) erkannt: pH 4.000 bei 12.0 °C."},
      {"redox",
       2,
       {TargetAt(0, 1, 230)},
       {"--auto", "--reference", "225", "--save"},
       32,
       5.0f,
       0.3f,
       "Sensor in Pufferlösung tauchen."},
      {"conductivity",
       4,
       {TargetAt(0, 1, 1350)},
       {"--auto", "--reference", "1413", "--save"},
       32,
       1413.0f / 1350.0f,
       0.003f,
       "Referenz: 1413 µS/cm"},
      {"oxygen slope",
       8,
       {},
       {"--auto", "--procedure", "oxygen-slope", "--reference", "100", "--save"},
       32,
       58.0f,
       3.0f,
       "Kalibrierung: Sauerstoff – Sauerstoff-Steilheit"},
      {"air pressure from the module's own reading",
       8,
       {TargetAt(0, 5, 1000)},
       {"--auto", "--procedure", "air-pressure", "--save"},
       37,
       1.0f,
       0.002f,
       "Vom Modul gemessen."},
      {"chlorine slope",
       19,
       {TargetAt(0, 1, 0.45f)},
       {"--auto", "--procedure", "chlorine-slope", "--reference", "0.5", "--save"},
       32,
       40.5f,
       0.2f,
       "stabil"},
      {"ISE, two points",
       10,
       {TargetAt(0, 1, 100), TargetAt(30, 1, 41)},
       {"--auto", "--reference", "10", "--reference", "1", "--save"},
       32,
       59.0f,
       0.3f,
       "Sensor in 2. Pufferlösung tauchen."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.family);
    TearDownRun();
    Module(c.wireType);
    Conf("");
    steps = c.steps;
    EXPECT_EQ(Run(c.args), 0) << err.str() << out.str();
    EXPECT_NEAR(Stored(c.parameter), c.expected, c.tolerance);
    EXPECT_NE(out.str().find(c.printed), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Gespeichert."), std::string::npos);
  }
}

TEST_F(CalibrateFixture, ResultsThatAreNotTakenHaveTheirOwnExitStatus) {
  const struct {
    const char* what;
    int wireType;
    std::vector<SettleStep> steps;
    std::string conf;
    std::vector<std::string> args;
    int exit;
    bool written;
    const char* said;
  } cases[] = {
      {"implausible and not saved",
       1,
       {SolutionAt(0, 7.052), SolutionAt(30, 4.00)},
       "",
       {"--auto", "--save"},
       10,
       false,
       "Kalibrierfehler!"},
      {"implausible and saved on purpose",
       1,
       {SolutionAt(0, 7.052), SolutionAt(30, 4.00)},
       "",
       {"--auto", "--save-implausible"},
       10,
       true,
       "--save-implausible"},
      {"the same reference twice",
       10,
       {TargetAt(0, 1, 100), TargetAt(30, 1, 41)},
       "",
       {"--auto", "--reference", "10", "--reference", "10", "--save"},
       9,
       false,
       "Beide Punkte sind gleich"},
      {"a sensor that does not settle",
       2,
       {},
       "calibration.time-limit=20\n",
       {"--auto", "--reference", "225"},
       11,
       false,
       "Der Sensor stellt sich nicht ein"},
      {"the sensor stays in the first solution",
       1,
       {SolutionAt(0, 7.052)},
       "calibration.time-limit=60\n",
       {"--auto", "--save"},
       11,
       false,
       "hat die Lösung des 1. Punkts nach 60 s nicht verlassen"},
      {"no reference known", 4, {}, "", {"--auto", "--save"}, 9, false, "Kein Referenzwert für Punkt 1"},
      {"a procedure the type does not offer",
       2,
       {},
       "",
       {"--auto", "--procedure", "ph-compensation"},
       2,
       false,
       "--procedure ph-compensation"},
      {"a type without calibration", 9, {}, "", {"--auto"}, 9, false, "keine Kalibrierung"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TearDownRun();
    Module(c.wireType);
    if (std::string(c.what).rfind("implausible", 0) == 0) amp->SetElectrode(8, -40);
    if (std::string(c.what) == "a sensor that does not settle") amp->SetSettle(4, 2.0);
    Conf(c.conf);
    steps = c.steps;
    EXPECT_EQ(Run(c.args), c.exit) << err.str();
    EXPECT_EQ(Written(), c.written);
    EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str() << out.str();
  }
}

TEST_F(CalibrateFixture, TheCertificateIsWrittenAtTheEnd) {
  Module(2);
  Conf("");
  steps = {TargetAt(0, 1, 230)};
  const std::string pdf = QDir(dir.path()).filePath("certificate.pdf").toStdString();
  EXPECT_EQ(Run({"--auto", "--reference", "225", "--no-save", "--certificate", pdf}), 0) << err.str();
  QFile f(QString::fromStdString(pdf));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.read(5), QByteArray("%PDF-"));
  EXPECT_FALSE(Written());
  // A certificate that cannot be written is found before the module is asked.
  sim->bus.ClearLog();
  EXPECT_EQ(Run({"--auto", "--certificate", QDir(dir.path()).filePath("no/such.pdf").toStdString()}), 6);
  EXPECT_TRUE(sim->bus.received().empty());
}

}  // namespace
}  // namespace korvane::test
