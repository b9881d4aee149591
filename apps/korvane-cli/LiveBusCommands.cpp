// korvane-cli live with an --address list or --bus: every module of the bus in turn,
// one line per module sample.
#include <QEventLoop>

#include <map>
#include <ostream>

#include "Commands.h"
#include "bus/BusPoll.h"
#include "bus/BusRecording.h"
#include "bus/BusTexts.h"
#include "measurement/Interval.h"
#include "measurement/Recording.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "scan/BusScan.h"
#include "scan/ScanTexts.h"
#include "types/Texts.h"

namespace korvane::cli {

namespace {

// Cycles in a row without an answer from any module after which the command ends.
constexpr int kSilentCyclesToEnd = 3;

}  // namespace

int RunLiveBus(CliContext& ctx, const CommandOptions& o) {
  const Language language = ctx.language();
  if (o.bus && !ctx.options().addresses.empty()) return ctx.Usage("give either --bus or an --address list, not both");
  const bool record = !o.record.empty();
  if (const int rc = record ? ctx.CheckOutputs({o.record}) : kExitOk; rc != kExitOk) return rc;
  const measurement::Interval interval =
      measurement::Interval::FromFields(o.interval.hour, o.interval.minute, o.interval.second);

  measurement::Recording recording(ctx.ui(), ctx.clock());
  if (const int rc = record ? OpenRecording(ctx, o.record, recording) : kExitOk; rc != kExitOk) return rc;
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  link::Link& link = ctx.link();

  bus::BusPollSettings settings{ctx.options().addresses, std::chrono::milliseconds(o.pollMs), language};
  if (o.bus) {
    scan::ScanResult found;
    {
      // Ctrl-C ends the scan as its cancel button does.
      InterruptGuard interrupt([&] { ctx.ui().cancelled = true; });
      found = scan::ScanBus(link, ctx.ui(), language);
    }
    if (found.lineLost) return ctx.CommError();
    if (found.cancelled) {
      ctx.err() << Tr(language, scan::kCancelled) << '\n' << std::flush;
      return kExitInterrupted;  // Ctrl-C, as the scan command ends
    }
    if (found.found.empty()) {
      ctx.err() << Tr(language, scan::kNoneFound) << '\n' << std::flush;
      return kExitNoAnswer;
    }
    for (const scan::ScanHit& hit : found.found) settings.addresses.push_back(hit.address);
  }

  bus::BusPoll poll(link, settings, ctx.clock());
  bus::BusRecording lines(recording, std::chrono::milliseconds(interval.Milliseconds()), language, ctx.clock());
  if (!poll.Start()) {
    ctx.err() << Tr(language, types::kCommError) << ' ' << poll.startFailure() << '\n' << std::flush;
    return kExitNoAnswer;
  }

  QEventLoop loop;
  int result = kExitOk;
  int silentCycles = 0;
  bool anyLive = false;
  std::map<std::uint8_t, bool> missing;
  QObject::connect(&poll, &bus::BusPoll::sampleReady, [&](const bus::BusSample& s) {
    if (record) lines.Take(s);
    const bool gone = s.state == bus::ModuleState::kMissing;
    if (gone != missing[s.address]) {
      ctx.err() << (gone ? platform::Fill(Tr(language, bus::kModuleMissing), s.address, bus::ClockText(s.since))
                         : platform::Fill(Tr(language, bus::kModuleBack), s.address))
                << '\n'
                << std::flush;
      missing[s.address] = gone;
    }
    if (gone) return;
    anyLive = true;
    ctx.out() << unsigned(s.address);
    for (const bus::ChannelSample& c : s.channels) ctx.out() << '\t' << c.text;
    ctx.out() << '\n' << std::flush;
  });
  QObject::connect(&poll, &bus::BusPoll::cycleEnded, [&](int cycle) {
    silentCycles = anyLive ? 0 : silentCycles + 1;
    anyLive = false;
    if (silentCycles >= kSilentCyclesToEnd) {
      ctx.err() << Tr(language, types::kCommError) << ' ' << Tr(language, bus::kNoModuleAnswers) << '\n' << std::flush;
      result = kExitNoAnswer;
      poll.Stop();
    } else if (o.count > 0 && cycle >= o.count) {
      poll.Stop();
    }
  });
  QObject::connect(&lines, &bus::BusRecording::failed, [&](const QString& notice) {
    // The file ends with the last whole line; the command ends too.
    ctx.err() << notice.toStdString() << '\n' << std::flush;
    result = kExitFile;
    poll.Stop();
  });
  QObject::connect(&poll, &bus::BusPoll::ended, [&](const QString& reason) {
    if (!reason.isEmpty()) {
      ctx.err() << Tr(language, types::kCommError) << ' ' << reason.toStdString() << '\n' << std::flush;
      result = kExitNoAnswer;
    }
    loop.quit();
  });
  if (record) lines.Start();
  InterruptGuard interrupt([&] { poll.Stop(); });
  if (poll.running()) loop.exec();
  lines.Stop();
  recording.Close();
  return result;
}

}  // namespace korvane::cli
