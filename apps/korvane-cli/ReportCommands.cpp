// korvane-cli report: the service report of a visit from the history, as a PDF file.
#include <QDateTime>
#include <QFileInfo>

#include <ostream>

#include "Commands.h"
#include "app/HistorySettings.h"
#include "configuration/ConfigDiff.h"
#include "history/HistoryTexts.h"
#include "history/render/ReportFile.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::cli {
namespace {

constexpr platform::Text kReportCannotRead{
    "cli", QT_TRANSLATE_NOOP("cli", "korvane-cli: die Historie %1 kann nicht gelesen werden: %2")};
constexpr platform::Text kNotWritten{
    "cli", QT_TRANSLATE_NOOP("cli", "korvane-cli: der Servicebericht wurde nicht geschrieben: %1")};
constexpr platform::Text kWritten{"cli", QT_TRANSLATE_NOOP("cli", "Servicebericht geschrieben: %1 (Module: %2)")};

}  // namespace

int RunReport(CliContext& ctx, const CommandOptions& o) {
  if (!ctx.historyLocation()) return ctx.Usage("--history none: there is no history to report");
  const Language l = ctx.language();
  // The target is checked before anything is read or made.
  if (const int rc = ctx.CheckOutputs({o.output}); rc != kExitOk) return rc;
  const store::Location& location = *ctx.historyLocation();

  app::OwnSettings own = app::LoadOwnSettings(ctx.options().settingsFolder);
  history::ReportRequest request;
  history::ReportInput& in = request.input;
  in.language = l;
  in.technician = ctx.technician();
  in.program = ProgramName();
  in.nowMs = QDateTime::currentMSecsSinceEpoch();
  const QDate today = QDate::currentDate();
  in.sinceMs = o.sinceMs.value_or(QDateTime(today, QTime(0, 0)).toMSecsSinceEpoch());
  in.untilMs = o.untilMs.value_or(QDateTime(today.addDays(1), QTime(0, 0)).toMSecsSinceEpoch());
  in.site = o.site.value_or(own.Get(app::kSiteKey).value_or(""));
  in.fieldLabel = [l](const std::string& key, int type) { return configuration::KeyLabel(key, type - 1, l); };
  in.fieldRank = &configuration::KeyRank;
  in.calibrationKeys = configuration::CalibrationKeys();
  request.identity = o.module;
  request.witness = ctx.witness();
  request.location = location;

  history::HistoryStore store;
  std::string why;
  // A history never written: the report says there were no events.
  const bool none = location.backend == store::Location::Backend::kSqlite &&
                    !QFileInfo::exists(QString::fromStdString(location.path));
  store::OpenOptions read;
  read.readOnly = true;
  if (!none && !store.Open(location, read, &why, nullptr)) {
    ctx.err() << platform::Fill(Tr(l, kReportCannotRead), location.Describe(), why) << '\n' << std::flush;
    return kExitFile;
  }
  int modules = 0;
  std::optional<history::Rollback> rollback;
  if (!history::WriteReportFile(o.output, none ? nullptr : &store, request, &why, &modules, &rollback)) {
    ctx.err() << platform::Fill(Tr(l, kNotWritten), why) << '\n' << std::flush;
    return kExitFile;
  }
  // The report says it in its chain line; the one who made it is told too.
  if (rollback) ctx.err() << history::RollbackText(*rollback, l) << '\n' << std::flush;
  if (o.site && *o.site != own.Get(app::kSiteKey).value_or("")) {
    // Only the site: the head the report just remembered stays as it was written.
    std::string error;
    const bool kept = app::UpdateOwnSettings(
        ctx.options().settingsFolder,
        [&](app::OwnSettings& s) {
          s.Set(app::kSiteKey, *o.site);
          return true;
        },
        &error, l);
    if (!kept) ctx.err() << error << '\n';
  }
  ctx.out() << platform::Fill(Tr(l, kWritten), o.output, modules) << '\n' << std::flush;
  return kExitOk;
}

}  // namespace korvane::cli
