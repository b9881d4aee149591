// bench_trend: what an eight-hour live trend costs at the two-second poll. The panel the
// main window shows (offscreen) gets 14400 chains' values, with simulated time, through
// the call the window makes on every chain, and draws after each as the window does.
// The figures: CPU time per simulated hour as a share of a core, and the growth of the
// resident memory from the first sample to the last.
#include <QApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>

#include "trend/widgets/TrendPanel.h"

using namespace korvane;

namespace {

double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
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

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  constexpr int kPollMs = 2000;
  constexpr int kHours = 8;
  constexpr int kSamples = kHours * 3600 * 1000 / kPollMs;  // 14400

  trend::TrendPanel panel;
  panel.resize(700, 320);
  panel.setSpan(trend::TrendSpan::kEightHours);
  panel.show();
  QApplication::processEvents();

  const std::int64_t start = 1'700'000'000'000;
  auto sample = [&](int i) {
    trend::TrendSample s;
    s.ms = start + static_cast<std::int64_t>(i) * kPollMs;
    for (int c = 0; c < trend::kChannels; ++c) s.values[c] = static_cast<float>(7 + std::sin(i / 300.0 + c));
    return s;
  };
  panel.AddSample(sample(0));
  QApplication::processEvents();
  const double rss0 = RssMb();
  const double cpu0 = CpuSeconds();
  for (int i = 1; i < kSamples; ++i) {
    panel.AddSample(sample(i));
    // One chain, one redraw, as the window's event loop does it.
    QApplication::processEvents();
    panel.repaint();
  }
  const double cpu = CpuSeconds() - cpu0;
  const double rssGrowth = RssMb() - rss0;
  const double share = cpu / (kHours * 3600.0);

  std::printf("trend: %d samples (%d h at %d ms) in %.2f s cpu, %.3f s cpu per simulated hour, %zu kept\n", kSamples,
              kHours, kPollMs, cpu, cpu / kHours, panel.buffer().size());
  std::printf("trend: cpu share %.3f%% of a core (goal < 1%%); rss growth %.1f MB (goal < 20 MB)\n", share * 100.0,
              rssGrowth);
  return share < 0.01 && rssGrowth < 20.0 ? 0 : 1;
}
