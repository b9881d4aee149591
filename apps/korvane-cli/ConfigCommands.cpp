// korvane-cli config-read, config-write, config-print: the configuration dialog's
// roads without the dialog. Each command does to the settings what opening the dialog
// (and its buttons) would, so files and frames are the dialog's own.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <fstream>
#include <ostream>
#include <string>

#include "ConfigCommands.h"
#include "configuration/SetupFile.h"
#include "configuration/ConfigLists.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/DialogExchange.h"
#include "configuration/SetupPrint.h"
#include "platform/Reasons.h"
#include "platform/SafeFile.h"

namespace korvane::cli {
namespace {

using configuration::ConfigSettings;
using configuration::ConfigTransfer;

// Exit statuses of the configuration commands, beside the common ones.
constexpr int kExitDataFile = 4;      // the setup file's checksum does not match
constexpr int kExitTypeMismatch = 5;  // the file's type belongs to another family
constexpr int kExitAddress = 7;       // the address is outside 0..31 (the dialog refuses it)

// Reads the module's configuration and opens the dialog's data on it: the read
// sequence, the key lists from the key values, the settings side of the dialog's
// control setup and the round trip through its controls.
int ReadAndOpen(CliContext& ctx, ConfigTransfer& transfer, ConfigSettings& s) {
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  if (!transfer.ReadConfigurationSequence(s)) {
    // The flow told that the answer is missing; a line that went away says why.
    if (ctx.link().isLineLost()) ctx.err() << ctx.link().openFailure() << '\n' << std::flush;
    return kExitNoAnswer;
  }
  configuration::KeyIndicesFromValues(s, s.AbsoluteType());
  configuration::OpenDialogData(s);
  return kExitOk;
}

// The dialog takes its control values before saving, printing and OK; an address it
// would refuse stops the command with the dialog's message.
int TakeControls(CliContext& ctx, ConfigSettings& s) {
  const configuration::AddressCheck check = configuration::CheckAddressText(std::to_string(s.IDC_GERAETE_ADR));
  if (check.ok) return kExitOk;
  ctx.ui().Message(check.message, platform::kAppTitle);
  return kExitAddress;
}

// "Öffnen" on a setup file and OK: the command line's way of editing the
// configuration read from the module, with the dialog's rules and its type check.
class SetupFileEditor : public configuration::ConfigurationEditor {
 public:
  SetupFileEditor(CliContext& ctx, std::string path, bool withCalibration)
      : ctx_(ctx), path_(std::move(path)), withCalibration_(withCalibration) {}

  // kExitNoAnswer until the editor ran: the configuration read failed before it.
  int exitCode() const { return exit_; }

  Result Edit(ConfigSettings& s, configuration::TypeConfirmation& confirm) override {
    configuration::OpenDialogData(s);
    // The calibration question is answered by the flag.
    ctx_.ui().openFile = path_;
    ctx_.ui().yes = withCalibration_;
    switch (configuration::LoadSetupFile(ctx_.ui(), s)) {
      case configuration::LoadResult::kLoaded: break;
      case configuration::LoadResult::kDataError:
        return Refuse(kExitDataFile);  // the data-file error went to stderr; nothing was written
      case configuration::LoadResult::kUnreadable:
      case configuration::LoadResult::kCancelled: return Refuse(kExitFile);
    }
    configuration::OpenDialogData(s);

    // OK: the control values, then the type check against the module.
    if (const int rc = TakeControls(ctx_, s); rc != kExitOk) return Refuse(rc);
    switch (confirm.CheckTypeOnOk(s)) {
      case configuration::TypeCheck::kAccepted: exit_ = kExitOk; return Result::kAccepted;
      case configuration::TypeCheck::kNoReply: return Refuse(kExitNoAnswer);
      case configuration::TypeCheck::kTypeMismatch: return Refuse(kExitTypeMismatch);
    }
    return Refuse(kExitNoAnswer);
  }

 private:
  Result Refuse(int code) {
    exit_ = code;
    return Result::kCancelled;
  }

  CliContext& ctx_;
  std::string path_;
  bool withCalibration_;
  int exit_ = kExitNoAnswer;
};

bool Readable(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return in.good();
}

// The common start of config-read and config-print: "-o FILE", then the configuration
// read and shown as the dialog would show it, with the control values taken. target
// names the file that will be written for path: anything but a regular file there is
// refused before the module is asked.
int ReadForOutput(CliContext& ctx, Args& args, const char* usage, std::string* path, ConfigSettings& s,
                  std::string (*target)(const std::string&)) {
  ArgReader r(args);
  if (!r.Value("-o", path)) return ctx.Usage(r.failed() ? r.error() : usage);
  if (path->empty()) return ctx.Usage("-o needs a file name");
  if (!r.Done()) return ctx.Usage(r.error());
  // Nothing is asked of the module when its answer could not be kept.
  const std::string file = target(*path);
  std::string problem = platform::WriteTargetProblem(file, ctx.language());
  if (problem.empty()) problem = AccessProblem(file, ctx.language());
  if (!problem.empty()) {
    ctx.ui().Message(std::string(configuration::texts::kCannotWrite(ctx.language())) + " " + file + ": " + problem,
                     platform::kAppTitle);
    return kExitFile;
  }
  ConfigTransfer transfer(ctx.link(), ctx.ui(), ctx.context());
  transfer.setPauseBeforeDialog(false);  // no dialog waits for a person here
  if (const int rc = ReadAndOpen(ctx, transfer, s); rc != kExitOk) return rc;
  return TakeControls(ctx, s);
}

}  // namespace

std::string AccessProblem(const std::string& path, int language) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(path, ec))
    return ::access(path.c_str(), W_OK) != 0 ? platform::SystemErrorText(errno, language) : std::string();
  fs::path folder = fs::path(path).parent_path();
  if (folder.empty()) folder = ".";
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return folder.string() + ": " + platform::SystemErrorText(errno, language);
  return {};
}

int RunConfigRead(CliContext& ctx, Args& args) {
  std::string path;
  ConfigSettings s;
  // "Speichern" right away.
  if (const int rc = ReadForOutput(ctx, args, "config-read needs -o FILE", &path, s, &configuration::SetupFilePath);
      rc != kExitOk)
    return rc;
  ctx.ui().saveFile = path;
  if (!configuration::SaveSetupFile(ctx.ui(), s)) return kExitFile;  // the reason went to stderr
  return kExitOk;
}

int RunConfigWrite(CliContext& ctx, Args& args) {
  ArgReader r(args);
  const bool withCalibration = r.Flag("--with-calibration");
  const std::optional<std::string> path = r.Positional();
  if (!path || path->empty()) return ctx.Usage("config-write needs a setup file");
  if (!r.Done()) return ctx.Usage(r.error());
  const int lang = ctx.language();
  // A file that cannot be read is reported before the module is asked anything.
  if (!Readable(*path)) {
    ctx.ui().Message(std::string(configuration::texts::kCannotRead(lang)) + " " + *path, platform::kAppTitle);
    return kExitFile;
  }

  // The dialog's road: the configuration read, the file opened in the dialog, OK,
  // then the writes.
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  ConfigTransfer transfer(ctx.link(), ctx.ui(), ctx.context());
  transfer.setPauseBeforeDialog(false);  // no dialog waits for a person here
  SetupFileEditor editor(ctx, *path, withCalibration);
  ConfigSettings s;
  transfer.ReadConfiguration(s, editor);
  if (editor.exitCode() != kExitOk) return editor.exitCode();
  // The count of unanswered writes or the lost line went to stderr.
  return transfer.lastWrite().ok() ? kExitOk : kExitNoAnswer;
}

int RunConfigPrint(CliContext& ctx, Args& args) {
  std::string path;
  ConfigSettings s;
  // "Drucken" right away, into the PDF file instead of a printer.
  if (const int rc =
          ReadForOutput(ctx, args, "config-print needs -o FILE.pdf", &path, s, [](const std::string& p) { return p; });
      rc != kExitOk)
    return rc;
  ctx.ui().printPdf = path;
  const auto names = configuration::SourceNames(s.AbsoluteType(), s.deviceKind, s.language);
  if (!configuration::PrintSetup(ctx.ui(), s, names, ctx.clock())) return kExitFile;
  return kExitOk;
}

}  // namespace korvane::cli
