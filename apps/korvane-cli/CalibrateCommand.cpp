// korvane-cli calibrate: the calibration assistant without windows, for scripted lab
// benches. Each poll prints the live value, drift, noise and stability; a point is
// taken when the value is stable (--auto) or on Enter; the references come from the
// buffer set, --reference or the last values the history knows.
#include <QFileInfo>

#include <ostream>

#include "CalibrateUi.h"
#include "Commands.h"
#include "app/LiveMeasurement.h"
#include "app/OwnSettings.h"
#include "calibration/BufferFile.h"
#include "calibration/Calibrate.h"
#include "history/CalibrationDetails.h"
#include "history/HistoryLocation.h"
#include "history/Recorder.h"
#include "history/render/CertificateFile.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "types/BufferSetNames.h"

namespace korvane::cli {
namespace {

using namespace calibration;

constexpr platform::Text kNoProcedure{"cli",
                                      QT_TRANSLATE_NOOP("cli", "Für diesen Messtyp gibt es keine Kalibrierung.")};

// The procedures a command line may name, the second of a type's two choices among them.
const std::vector<std::string>& ProcedureNames() {
  static const std::vector<std::string> names{"ph-two-point",   "redox",           "cell-constant", "cell-constant-4",
                                              "oxygen-slope",   "air-pressure",    "ise-two-point", "chlorine-linear",
                                              "chlorine-slope", "ph-compensation", "saturation"};
  return names;
}

// What polls the module while the points settle, in place of the main window.
class CalibrationPolling : public CalibrationHost {
 public:
  explicit CalibrationPolling(app::LiveMeasurement& live) : live_(live) {}
  void SetChannelCaptions(int) override {}
  void StartPolling() override { live_.StartPolling(); }
  void StopPolling() override { live_.StopPolling(); }
  void ClearValueDisplay() override {}
  void SetStatusLine(const std::string& text) override { status = text; }
  std::string status;

 private:
  app::LiveMeasurement& live_;
};

// The choice between a type's two procedures, answered from --procedure.
class ProcedureChoice : public CalibrationUi {
 public:
  explicit ProcedureChoice(std::string procedure) : procedure_(std::move(procedure)) {}
  EntryResult EnterValue(ValueEntry&) override { return EntryResult::kClosed; }
  ResultAction ShowResult(const ResultRows&) override { return ResultAction::kExit; }
  Choice Choose(const std::string&, const std::string&) override {
    return procedure_ == "air-pressure" || procedure_ == "ph-compensation" ? Choice::kSecond : Choice::kFirst;
  }

 private:
  std::string procedure_;
};

std::string FinishCalibrate(ArgReader& r) { return r.Done() ? std::string() : r.error(); }

// korvane.conf's settings and the buffer file, each entry that is not understood named.
void LoadCalibrationSettings(CliContext& ctx, AssistantParts& parts) {
  const Language l = ctx.language();
  const std::string folder = ctx.options().settingsFolder;
  std::string problem;
  const app::OwnSettings own = app::LoadOwnSettings(folder, &problem);
  if (!problem.empty()) parts.problems.push_back(problem);
  parts.settings = ParseAssistantSettings(own.values, &parts.problems, l);
  const std::string buffers = folder + "/" + kBufferFileName;
  if (QFileInfo::exists(QString::fromStdString(buffers))) {
    if (const std::optional<std::string> text = platform::ReadWholeFile(buffers))
      parts.bufferSets = BufferSetsWithFile(*text, &parts.problems, l);
    else
      parts.problems.push_back(buffers + ": " + platform::ReadProblem(buffers, l));
  }
}

}  // namespace

std::string ParseCalibrate(Args& args, int baud, CommandOptions& o) {
  ArgReader r(args);
  r.Value("--procedure", &o.procedure);
  r.Value("--buffers", &o.buffers);
  o.autoAccept = r.Flag("--auto");
  const std::vector<std::string> references = r.Values("--reference");
  const bool save = r.Flag("--save"), noSave = r.Flag("--no-save");
  o.saveImplausible = r.Flag("--save-implausible");
  const bool certificate = r.Value("--certificate", &o.certificate);
  r.Int("--poll", kMinPollMs, kMaxPollMs, &o.pollMs);
  if (std::string e = FinishCalibrate(r); !e.empty()) return e;
  for (const std::string& text : references) {
    const std::optional<std::string> number = platform::NumberEntryText(text);
    if (!number) return "--reference takes a number, not \"" + text + "\"";
    o.references.push_back(static_cast<float>(platform::ToDouble(*number)));
  }
  if (save && noSave) return "--save and --no-save exclude each other";
  if (noSave && o.saveImplausible) return "--no-save and --save-implausible exclude each other";
  if (save || o.saveImplausible) o.save = true;
  if (noSave) o.save = false;
  if (certificate && o.certificate.empty()) return "--certificate needs a file name";
  const auto& names = ProcedureNames();
  if (!o.procedure.empty() && std::find(names.begin(), names.end(), o.procedure) == names.end()) {
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
    return "--procedure takes one of " + list + ", not \"" + o.procedure + "\"";
  }
  if (!o.buffers.empty() && !types::IsBufferSetKey(o.buffers))
    return "--buffers takes din19266, technical, din19267 or own, not \"" + o.buffers + "\"";
  const int shortest = ShortestPollMs(baud);
  if (o.pollMs < shortest)
    return "--poll " + std::to_string(o.pollMs) + " is shorter than one request chain at " + std::to_string(baud) +
           " baud; the shortest period is " + std::to_string(shortest) + " ms";
  return {};
}

int RunCalibrate(CliContext& ctx, const CommandOptions& o) {
  const Language l = ctx.language();
  if (!o.certificate.empty())
    if (const int rc = ctx.CheckOutputs({o.certificate}); rc != kExitOk) return rc;

  AssistantParts parts;
  LoadCalibrationSettings(ctx, parts);
  if (!o.buffers.empty()) parts.settings.bufferSet = o.buffers;
  parts.settings.autoAccept = o.autoAccept;
  if (ctx.seconds()) parts.seconds = ctx.seconds();
  if (const std::optional<store::Location> location = ctx.historyLocation()) {
    parts.lastReference = [location](const ReferenceQuery& q) -> std::optional<float> {
      const std::optional<double> v =
          history::LastReference(*location, q.identity, q.address, q.wireType, q.procedure, q.point);
      if (!v) return std::nullopt;
      return static_cast<float>(*v);
    };
  }
  std::string certificateError;
  if (!o.certificate.empty()) {
    parts.printCertificate = [&](const link::FlowRecord& record) {
      const history::Event e = history::EventFromRecord(record, history::SystemUtcMs(), ctx.technician(),
                                                        history::HostName(), ProgramName());
      if (!history::WriteCertificateFile(o.certificate, e, l, &certificateError))
        ctx.err() << certificateError << '\n' << std::flush;
    };
  }
  CalibrateUi ui(ctx, o);
  parts.ui = &ui;

  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  link::Link& link = ctx.link();
  app::LiveMeasurement live(link, ctx.ui(), ctx.context());
  live.setPollPeriod(std::chrono::milliseconds(o.pollMs));
  CalibrationPolling host(live);
  ProcedureChoice choice(o.procedure);
  int result = kExitOk;
  {
    InterruptGuard interrupt([&] { ui.Interrupt(); });
    const CalibrationRun run = Calibrate(link, ctx.context(), ctx.ui(), choice, host, &parts);
    if (!run.answered) return link.portOpen() || link.isLineLost() ? kExitNoAnswer : kExitPortFailed;
    if (run.procedure.empty()) {
      ctx.err() << Tr(l, kNoProcedure) << '\n' << std::flush;
      return kExitRefused;
    }
    if (ui.interrupted()) return kExitInterrupted;
    if (ui.wrongProcedure()) return kExitUsage;
    if (run.outcome == "line-lost") return kExitNoAnswer;
    if (run.outcome == "cancelled") return ui.notSettled() ? kExitNotSettled : kExitRefused;
    if (run.outcome == "refused") return kExitRefused;
    if (run.verdict != Verdict::kPlausible) result = kExitImplausible;
  }
  if (!certificateError.empty() && result == kExitOk) result = kExitFile;
  return result;
}

}  // namespace korvane::cli
