// bench_calibration: the calibration assistant's figures, each beside its goal: what the
// stability computation of a ten-minute window costs per poll against the poll's two
// seconds, how much memory the assistant's window adds (shown with a point of a full
// ten-minute trend, after a plain dialog has loaded the fonts and style every window
// shares), and how long the certificate PDF takes.
// Usage: bench_calibration
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "calibration/PointSession.h"
#include "calibration/Stability.h"
#include "calibration/widgets/CalibrationAssistant.h"
#include "history/render/CertificateFile.h"
#include "link/Link.h"
#include "link/Line.h"

using namespace korvane;

namespace {

constexpr double kPollMs = 2000;

void Line(const char* what, double value, const char* unit, double goal) {
  std::printf("%-52s %10.4f %-3s  goal < %g %s  (%.3f of the goal)  %s\n", what, value, unit, goal, unit, value / goal,
              value < goal ? "met" : "NOT MET");
}

double RssMb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> kb;
      break;
    }
  }
  return kb / 1024.0;
}

void Settle(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Microseconds one poll's sample costs a full ten-minute window: the sample added, the
// window trimmed, drift and noise judged.
double StabilityMicroseconds() {
  calibration::StabilityWindow w(600);
  const calibration::StabilityCriterion c{0.5, 0.3, 600, calibration::LimitKind::kAbsolute};
  double t = 0;
  for (; t < 600; t += 2) w.Add(t, 170 + std::sin(t / 17.0));
  constexpr int kPolls = 20000;
  volatile double sink = 0;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kPolls; ++i, t += 2) {
    w.Add(t, 170 + std::sin(t / 17.0));
    sink = sink + w.Judge(c).drift;
  }
  return static_cast<double>(timer.nsecsElapsed()) / 1e3 / kPolls;
}

history::Event Certificate() {
  history::Event e;
  e.seq = 17;
  e.timeMs = 1773050400000LL;
  e.identity = "A123";
  e.address = 0;
  e.type = 1;
  e.deviceKind = 4;
  e.firmware = "1.20";
  e.technician = "Anna Berger";
  e.program = "korvane 1.0.0";
  e.kind = history::kCalibrationKind;
  e.hash = std::string(64, 'a');
  QJsonArray points;
  for (double mv : {5.1, 173.8})
    points.append(QJsonObject{{"channel", 2},
                              {"captured", mv},
                              {"reference", 7.052},
                              {"temperature", 12.0},
                              {"drift", 0.12},
                              {"noise", 0.04},
                              {"drift_unit", "mV/min"},
                              {"noise_unit", "mV"},
                              {"seconds", 52.0},
                              {"seconds_to_stable", 46.0},
                              {"stable", true},
                              {"taken", "auto"},
                              {"buffer_set", "technical"},
                              {"buffer", "7.00"}});
  e.details = QJsonObject{{"procedure", "ph-two-point"},
                          {"mode", "assistant"},
                          {"points", points},
                          {"before", QJsonArray{-3.5, -59.2, 0, 0}},
                          {"after", QJsonArray{8.0, -57.8, 0, 0}},
                          {"verdict", "plausible"},
                          {"plausible", true},
                          {"outcome", "saved"}};
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);

  const double us = StabilityMicroseconds();
  std::printf("stability of a 600 s window at the 2 s poll: %.2f µs per poll\n", us);
  Line("stability computation, share of the poll's budget", 100.0 * us / 1000.0 / kPollMs, "%", 1.0);

  // A plain dialog first: fonts, style and platform plug-in are every window's.
  {
    QDialog plain;
    auto* layout = new QVBoxLayout(&plain);
    for (int i = 0; i < 6; ++i) layout->addWidget(new QLabel(QStringLiteral("warm-up %1").arg(i), &plain));
    plain.show();
    Settle(200);
  }
  Settle(100);
  const double before = RssMb();
  {
    // A line that answers nothing: the chain's ends are given by hand below.
    link::Link link(std::make_unique<link::InProcessLine>([](const link::Frame&) {}),
                    [](int) { return std::string(); });
    double now = 0;
    calibration::SessionSetup s;
    s.channel = 2;
    s.unit = "mV";
    s.instruction = "Sensor in 1. Pufferlösung tauchen.";
    s.criterion = {0.5, 0.3, 30, calibration::LimitKind::kAbsolute};
    s.autoAccept = false;
    calibration::PointSession session(link, s, [&] { return now; });
    calibration::CalibrationAssistant window(Language::kGerman);
    calibration::AssistantStart start;
    start.title = "Kalibrierung: pH – pH, zwei Punkte";
    start.points = 2;
    window.Begin(start);
    window.ShowPoint(session);
    window.show();
    // Ten minutes of polls fill the trend the page draws.
    for (int i = 0; i < 300; ++i) {
      link.module().measured[1] = static_cast<float>(170 + std::sin(i / 7.0));
      now += 2;
      emit link.chainEnded();
    }
    Settle(300);
    const double after = RssMb();
    std::printf("RSS before the window %.1f MB, with it %.1f MB\n", before, after);
    Line("assistant window with a ten-minute trend, memory added", after - before, "MB", 5.0);
  }

  QTemporaryDir dir;
  const std::string pdf = dir.filePath(QStringLiteral("certificate.pdf")).toStdString();
  std::vector<double> seconds;
  double first = 0;
  for (int i = 0; i < 10; ++i) {
    QElapsedTimer t;
    t.start();
    std::string error;
    if (!history::WriteCertificateFile(pdf, Certificate(), Language::kGerman, &error)) {
      std::fprintf(stderr, "bench_calibration: %s\n", error.c_str());
      return 1;
    }
    seconds.push_back(static_cast<double>(t.nsecsElapsed()) / 1e9);
    if (i == 0) first = seconds.back();
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("certificate PDF: first %.3f s, median of 10 %.3f s\n", first, seconds[5]);
  Line("certificate PDF, slowest of 10 runs", seconds.back(), "s", 0.5);
  return 0;
}
