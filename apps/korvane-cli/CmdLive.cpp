// korvane-cli live: the measurement of the main window's start button, printed.
#include <QEventLoop>
#include <QTimer>

#include <ostream>

#include "Commands.h"
#include "app/Interval.h"
#include "app/LiveMeasurement.h"
#include "app/Recording.h"

namespace korvane::cli {

int RunLive(CliContext& ctx, Args& args) {
  ArgReader r(args);
  int count = 0;  // 0: until interrupted
  int poll = static_cast<int>(app::LiveMeasurement::kDefaultPollPeriod.count());
  std::string recordFile, intervalText = "00:01:00";
  r.Int("--count", 1, 1000000000, &count);
  r.Int("--poll", 10, 3600000, &poll);
  const bool record = r.Value("--record", &recordFile);
  r.Value("--interval", &intervalText);
  if (!r.Done()) return ctx.Usage(r.error());
  const std::optional<app::TimeOfDay> t = ParseTimeOfDay(intervalText);
  if (!t) return ctx.Usage("--interval takes hh:mm:ss (00:00:00 to 23:59:59), not \"" + intervalText + "\"");
  if (record && recordFile.empty()) return ctx.Usage("--record needs a file name");
  const app::Interval interval = app::Interval::FromFields(t->hour, t->minute, t->second);

  app::Recording recording(ctx.ui(), ctx.clock());
  if (record) {
    std::string error;
    if (!recording.OpenForAppend(recordFile, &error)) return ctx.Usage("cannot open the recording file: " + error);
  }

  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  link::Link& link = ctx.link();
  app::LiveMeasurement live(link, ctx.ui(), ctx.context());
  live.setPollPeriod(std::chrono::milliseconds(poll));
  if (!live.Start(std::chrono::milliseconds(interval.Milliseconds())))
    return link.portOpen() ? kExitNoAnswer : kExitPortFailed;  // the reason is on stderr

  ctx.out() << live.statusLine() << '\n' << std::flush;

  QEventLoop loop;
  int result = kExitOk;
  int chains = 0;
  // A module that stops answering ends the command instead of leaving it waiting.
  QTimer silence;
  silence.setSingleShot(true);
  silence.setInterval(static_cast<int>(5 * poll + link.timings().replyTimeout.count()));
  QObject::connect(&silence, &QTimer::timeout, [&] {
    result = ctx.CommError();
    loop.quit();
  });
  QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] {
    silence.start();
    const auto& f = live.fieldTexts();
    ctx.out() << f[0] << '\t' << f[1] << '\t' << f[2] << '\t' << f[3] << '\t' << f[4] << '\t' << f[5] << '\n'
              << std::flush;
    if (count > 0 && ++chains >= count) loop.quit();
  });
  QObject::connect(&live, &app::LiveMeasurement::recordingTick, [&] {
    if (!record) return;
    std::string notice;
    const link::ModuleState& m = link.module();
    recording.WriteLine(m.typeIndex, m.measured, ctx.language(), &notice);
    if (!notice.empty()) ctx.err() << notice << '\n' << std::flush;
    if (recording.failed()) {
      // The file ends with the last whole line; the command ends too.
      result = kExitFile;
      loop.quit();
    }
  });
  InterruptGuard interrupt([&] { loop.quit(); });
  silence.start();
  loop.exec();

  // Each recording line went out in one write: nothing is left half-written.
  live.StopTimers();
  recording.Close();
  return result;
}

}  // namespace korvane::cli
