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
#include "platform/TextPair.h"

namespace korvane::cli {
namespace {

constexpr platform::TextPair kReportCannotRead{"korvane-cli: die Historie %s kann nicht gelesen werden: %s",
                                               "korvane-cli: the history %s cannot be read: %s"};
constexpr platform::TextPair kNotWritten{"korvane-cli: der Servicebericht wurde nicht geschrieben: %s",
                                         "korvane-cli: the service report was not written: %s"};
constexpr platform::TextPair kWritten{"Servicebericht geschrieben: %s (Module: %d)",
                                      "service report written: %s (modules: %d)"};

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
    ctx.err() << platform::StringPrintf(kReportCannotRead(l), location.Describe().c_str(), why.c_str()) << '\n'
              << std::flush;
    return kExitFile;
  }
  int modules = 0;
  std::optional<history::Rollback> rollback;
  if (!history::WriteReportFile(o.output, none ? nullptr : &store, request, &why, &modules, &rollback)) {
    ctx.err() << platform::StringPrintf(kNotWritten(l), why.c_str()) << '\n' << std::flush;
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
  ctx.out() << platform::StringPrintf(kWritten(l), o.output.c_str(), modules) << '\n' << std::flush;
  return kExitOk;
}

}  // namespace korvane::cli
