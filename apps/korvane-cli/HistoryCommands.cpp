// korvane-cli history: the module history listed, oldest first, its chain verified, its
// head printed, or a history made ready for the roles that use it.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <ostream>

#include "Commands.h"
#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "history/Witness.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"

namespace korvane::cli {
namespace {

constexpr int kExitBroken = 1;  // history verify: the chain does not hold, or the history lost a head

constexpr platform::Text kCannotRead{
    "cli", QT_TRANSLATE_NOOP("cli", "korvane-cli: die Historie %1 kann nicht gelesen werden: %2")};
constexpr platform::Text kCannotMake{
    "cli", QT_TRANSLATE_NOOP("cli", "korvane-cli: die Historie %1 kann nicht angelegt werden: %2")};
constexpr platform::Text kReady{"cli", QT_TRANSLATE_NOOP("cli", "Historie bereit: %1 (Schema %2, %3 Ereignisse)")};

int CannotRead(CliContext& ctx, const std::string& why) {
  ctx.err() << platform::Fill(Tr(ctx.language(), kCannotRead), ctx.historyLocation()->Describe(), why) << '\n'
            << std::flush;
  return kExitFile;
}

// A head that verified is the one this program saw last.
void Remember(CliContext& ctx, const history::Head& head) {
  std::string ignored;  // a head that cannot be kept costs the check, not the command
  ctx.witness()->Remember(history::WitnessKey(*ctx.historyLocation()),
                          {head, QDateTime::currentMSecsSinceEpoch(), ProgramName()}, &ignored);
}

// A history file that is not there: rolled back when this program saw it, else unreadable.
int Missing(CliContext& ctx, const CommandOptions& o) {
  const std::optional<history::SeenHead> seen = ctx.witness()->Remembered(history::WitnessKey(*ctx.historyLocation()));
  if (!seen) return CannotRead(ctx, "does not exist");
  history::Verification v;
  v.rollbacks.push_back({*seen, std::nullopt, ctx.witness()->Where()});
  if (o.verify)
    ctx.out() << history::VerificationText(v, ctx.language()) << '\n' << std::flush;
  else
    ctx.err() << history::RollbackText(v.rollbacks[0], ctx.language()) << '\n' << std::flush;
  return kExitBroken;
}

int Init(CliContext& ctx, const store::Location& location) {
  if (location.backend == store::Location::Backend::kSqlite)
    QDir().mkpath(QFileInfo(QString::fromStdString(location.path)).absolutePath());
  history::HistoryStore store;
  std::string why;
  history::Head head;
  if (!store.Open(location, {}, &why, nullptr) || !store.ReadHead(&head, &why)) {
    ctx.err() << platform::Fill(Tr(ctx.language(), kCannotMake), location.Describe(), why) << '\n' << std::flush;
    return kExitFile;
  }
  ctx.out() << platform::Fill(Tr(ctx.language(), kReady), location.Describe(), store.schemaVersion(),
                              static_cast<long long>(head.seq))
            << '\n'
            << std::flush;
  return kExitOk;
}

// witnessError: the head this program remembers could not be looked for (a damaged file,
// whose damage is then the answer).
int Verify(CliContext& ctx, history::HistoryStore& store, const CommandOptions& o,
           const std::optional<history::Rollback>& rollback, const std::string& witnessError) {
  history::Verification v;
  std::string why;
  if (!store.Verify(&v, &why)) return CannotRead(ctx, why);
  const bool damaged = !v.damage.empty();
  if (!witnessError.empty() && !damaged) return CannotRead(ctx, witnessError);
  if (rollback) v.rollbacks.push_back(*rollback);
  if (o.expectedHead) {
    // A head from a report or another machine, held to the same rule as our own.
    std::optional<history::Rollback> lost;
    if (!history::HoldsHead(store, {*history::ParseHead(*o.expectedHead), 0, {}}, "--head", &lost, &why) && !damaged)
      return CannotRead(ctx, why);
    if (lost) v.rollbacks.push_back(*lost);
  }
  ctx.out() << history::VerificationText(v, ctx.language()) << '\n' << std::flush;
  if (!v.intact()) return kExitBroken;
  Remember(ctx, v.head);
  return kExitOk;
}

int List(CliContext& ctx, history::HistoryStore& store, const CommandOptions& o) {
  history::EventFilter filter;
  filter.identity = o.module;
  if (ctx.options().addressGiven) filter.address = ctx.options().address;
  filter.kind = o.kind;
  filter.sinceMs = o.sinceMs;
  filter.untilMs = o.untilMs;
  std::string lines, why;
  const bool read = store.ForEach(
      filter,
      [&](const history::Event& e) {
        if (o.json) {
          lines += QJsonDocument(history::EventJson(e)).toJson(QJsonDocument::Compact).toStdString();
        } else {
          lines += history::LocalText(e.timeMs) + '\t' + history::ShownIdentity(e.identity) + '\t' +
                   std::to_string(e.address) + '\t' + platform::ShownText(e.kind) + '\t' +
                   history::Summary(e, ctx.language());
        }
        lines += '\n';
        // A long listing goes out in pieces rather than whole at the end.
        if (lines.size() >= (1 << 16)) {
          ctx.out() << lines;
          lines.clear();
        }
        return true;
      },
      &why);
  ctx.out() << lines << std::flush;
  return read ? kExitOk : CannotRead(ctx, why);
}

}  // namespace

int RunHistory(CliContext& ctx, const CommandOptions& o) {
  if (!ctx.historyLocation()) return ctx.Usage("--history none: there is no history to read");
  const store::Location& location = *ctx.historyLocation();
  if (o.init) return Init(ctx, location);
  if (location.backend == store::Location::Backend::kSqlite &&
      !QFileInfo::exists(QString::fromStdString(location.path))) {
    if (o.verify || o.head) return Missing(ctx, o);
    // A history never written lists nothing (reading it does not make one); one this
    // program saw is gone, and the listing says so.
    if (const std::optional<history::SeenHead> seen = ctx.witness()->Remembered(history::WitnessKey(location)))
      ctx.err() << history::RollbackText({*seen, std::nullopt, ctx.witness()->Where()}, ctx.language()) << '\n'
                << std::flush;
    return kExitOk;
  }
  // Reads only: a role that may only read reads, and nothing is left behind.
  history::HistoryStore store;
  store::OpenOptions read;
  read.readOnly = true;
  std::string why;
  if (!store.Open(location, read, &why, nullptr)) return CannotRead(ctx, why);
  std::optional<history::Rollback> rollback;
  const bool checked = history::CheckWitness(store, *ctx.witness(), &rollback, &why);
  if (o.verify) return Verify(ctx, store, o, rollback, checked ? std::string() : why);
  if (!checked) return CannotRead(ctx, why);
  if (rollback) ctx.err() << history::RollbackText(*rollback, ctx.language()) << '\n' << std::flush;
  history::Head head;
  if (!store.ReadHead(&head, &why)) return CannotRead(ctx, why);
  if (o.head) ctx.out() << history::HeadText(head) << '\n' << std::flush;
  const int status = o.head ? kExitOk : List(ctx, store, o);
  if (rollback) return o.head ? kExitBroken : status;
  if (status == kExitOk) Remember(ctx, head);
  return status;
}

}  // namespace korvane::cli
