// korvane-cli history: the module history listed, oldest first, or its chain verified.
#include <QFileInfo>
#include <QJsonDocument>

#include <ostream>

#include "Commands.h"
#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/TextPair.h"

namespace korvane::cli {
namespace {

constexpr int kExitBroken = 1;  // history verify: the chain does not hold

constexpr platform::TextPair kCannotRead{"korvane-cli: die Historie %s kann nicht gelesen werden: %s",
                                         "korvane-cli: the history %s cannot be read: %s"};

int CannotRead(CliContext& ctx, const std::string& why) {
  ctx.err() << platform::StringPrintf(kCannotRead(ctx.language()), ctx.historyLocation()->Describe().c_str(),
                                      why.c_str())
            << '\n'
            << std::flush;
  return kExitFile;
}

}  // namespace

int RunHistory(CliContext& ctx, const CommandOptions& o) {
  if (!ctx.historyLocation()) return ctx.Usage("--history none: there is no history to read");
  const store::Location& location = *ctx.historyLocation();
  history::Verification verification;
  // A history that was never written has no events; reading it does not make one.
  const bool none = location.backend == store::Location::Backend::kSqlite &&
                    !QFileInfo::exists(QString::fromStdString(location.path));
  history::HistoryStore store;
  std::string why;
  if (!none && !store.Open(location, {}, &why, nullptr)) return CannotRead(ctx, why);
  if (o.verify) {
    if (!none && !store.Verify(&verification, &why)) return CannotRead(ctx, why);
    ctx.out() << history::VerificationText(verification, ctx.language()) << '\n' << std::flush;
    return verification.broken ? kExitBroken : kExitOk;
  }
  if (none) return kExitOk;
  history::EventFilter filter;
  filter.identity = o.module;
  if (ctx.options().addressGiven) filter.address = ctx.options().address;
  filter.kind = o.kind;
  filter.sinceMs = o.sinceMs;
  filter.untilMs = o.untilMs;
  std::string lines;
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

}  // namespace korvane::cli
