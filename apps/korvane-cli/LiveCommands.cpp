// korvane-cli live: the measurement of the main window's start button, printed.
#include <QEventLoop>
#include <QTimer>

#include <ostream>

#include "Commands.h"
#include "app/LiveMeasurement.h"
#include "measurement/Interval.h"
#include "measurement/Recording.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::cli {

namespace {

constexpr types::Text kCannotRecord{"cli",
                                    QT_TRANSLATE_NOOP("cli", "Die Aufzeichnungsdatei kann nicht geöffnet werden:")};
// Ticks of the poll timer that found the chain before still running: %1.
constexpr types::Text kSkippedPolls{
    "cli", QT_TRANSLATE_NOOP("cli", "%1 Abfragen ausgelassen: die vorige Abfragekette lief noch.")};

}  // namespace

int OpenRecording(CliContext& ctx, const std::string& path, measurement::Recording& recording) {
  std::string error;
  if (recording.OpenForAppend(path, &error, ctx.language())) return kExitOk;
  ctx.ui().Message(std::string(Tr(ctx.language(), kCannotRecord)) + " " + error, platform::kAppTitle);
  return kExitFile;
}

int RunLive(CliContext& ctx, const CommandOptions& o) {
  if (o.bus || !ctx.options().addresses.empty()) return RunLiveBus(ctx, o);
  const bool record = !o.record.empty();
  // The recording file, like every output, is checked before the module is asked.
  if (const int rc = record ? ctx.CheckOutputs({o.record}) : kExitOk; rc != kExitOk) return rc;
  const measurement::Interval interval =
      measurement::Interval::FromFields(o.interval.hour, o.interval.minute, o.interval.second);

  measurement::Recording recording(ctx.ui(), ctx.clock());
  if (const int rc = record ? OpenRecording(ctx, o.record, recording) : kExitOk; rc != kExitOk) return rc;

  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  link::Link& link = ctx.link();
  app::LiveMeasurement live(link, ctx.ui(), ctx.context());
  live.setPollPeriod(std::chrono::milliseconds(o.pollMs));
  if (!live.Start(std::chrono::milliseconds(interval.Milliseconds()))) {
    // The flow told that the answer is missing, and why when the line went away.
    if (link.isLineLost()) return kExitNoAnswer;
    return link.portOpen() ? kExitNoAnswer : kExitPortFailed;  // the reason is on stderr
  }

  ctx.out() << live.statusLine() << '\n' << std::flush;

  QEventLoop loop;
  int result = kExitOk;
  int chains = 0;
  // A line that goes away or a module that falls silent ends the command.
  QObject::connect(&live, &app::LiveMeasurement::lost, [&](const std::string& reason) {
    ctx.err() << Tr(ctx.language(), types::kCommError) << ' ' << reason << '\n' << std::flush;
    result = kExitNoAnswer;
    loop.quit();
  });
  QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] {
    const auto& f = live.fieldTexts();
    ctx.out() << f[0] << '\t' << f[1] << '\t' << f[2] << '\t' << f[3] << '\t' << f[4] << '\t' << f[5] << '\n'
              << std::flush;
    if (o.count > 0 && ++chains >= o.count) loop.quit();
  });
  QObject::connect(&live, &app::LiveMeasurement::recordingTick, [&] {
    if (!record) return;
    std::string notice;
    const link::ModuleState& m = link.module();
    recording.WriteLine(m.typeIndex, m.measured, live.answered(), ctx.language(), &notice);
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
  // Polls the module could not keep up with; a module that fell silent said so already.
  if (result == kExitOk && live.skippedPolls() > 0)
    ctx.err() << platform::Fill(Tr(ctx.language(), kSkippedPolls), live.skippedPolls()) << '\n' << std::flush;
  return result;
}

}  // namespace korvane::cli
