// korvane-cli live: the measurement of the main window's start button, printed.
#include <QEventLoop>
#include <QTimer>

#include <ostream>

#include "Commands.h"
#include "app/Interval.h"
#include "app/LiveMeasurement.h"
#include "app/Recording.h"
#include "types/Texts.h"

namespace korvane::cli {

int ShortestPollMs(int baud) {
  // Six requests and six replies of eleven bytes, ten bits each.
  const int bits = 12 * 11 * 10;
  return baud > 0 ? (bits * 1000 + baud - 1) / baud : 0;
}

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
  // A poll must leave room for the six requests and replies of one chain on the wire.
  const int shortest = ShortestPollMs(ctx.link().baudRate());
  if (poll < shortest)
    return ctx.Usage("--poll " + std::to_string(poll) + " is shorter than one request chain at " +
                     std::to_string(ctx.link().baudRate()) + " baud; the shortest period is " +
                     std::to_string(shortest) + " ms");
  const app::Interval interval = app::Interval::FromFields(t->hour, t->minute, t->second);

  app::Recording recording(ctx.ui(), ctx.clock());
  if (record) {
    std::string error;
    if (!recording.OpenForAppend(recordFile, &error, ctx.language()))
      return ctx.Usage("cannot open the recording file: " + error);
  }

  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  link::Link& link = ctx.link();
  app::LiveMeasurement live(link, ctx.ui(), ctx.context());
  live.setPollPeriod(std::chrono::milliseconds(poll));
  if (!live.Start(std::chrono::milliseconds(interval.Milliseconds()))) {
    // The flow told that the answer is missing; a line that went away says why.
    if (link.isLineLost()) {
      ctx.err() << link.openFailure() << '\n' << std::flush;
      return kExitNoAnswer;
    }
    return link.portOpen() ? kExitNoAnswer : kExitPortFailed;  // the reason is on stderr
  }

  ctx.out() << live.statusLine() << '\n' << std::flush;

  QEventLoop loop;
  int result = kExitOk;
  int chains = 0;
  // A line that goes away or a module that falls silent ends the command.
  QObject::connect(&live, &app::LiveMeasurement::lost, [&](const std::string& reason) {
    ctx.err() << types::kCommError(ctx.language()) << ' ' << reason << '\n' << std::flush;
    result = kExitNoAnswer;
    loop.quit();
  });
  QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] {
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
  loop.exec();

  // Each recording line went out in one write: nothing is left half-written.
  live.StopTimers();
  recording.Close();
  return result;
}

}  // namespace korvane::cli
