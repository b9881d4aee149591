// korvane-cli config-read, config-write, config-print: the configuration dialog's
// roads without the dialog. Each command does to the settings what opening the dialog
// (and its buttons) would, so files and frames are the dialog's own.
#include <optional>
#include <ostream>
#include <string>

#include "ConfigCommands.h"
#include "configuration/ConfigDiff.h"
#include "configuration/ConfigLists.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/DialogExchange.h"
#include "configuration/SetupFile.h"
#include "configuration/SetupPrint.h"
#include "platform/SafeFile.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Cp1252.h"

namespace korvane::cli {
namespace {

using configuration::ConfigSettings;
using configuration::ConfigTransfer;

// Exit statuses of the configuration commands, beside the common ones.
constexpr int kExitDataFile = 4;      // the setup file's checksum does not match
constexpr int kExitTypeMismatch = 5;  // the file's type belongs to another family
constexpr int kExitAddress = 7;       // the address is outside 0..31 (the dialog refuses it)
constexpr int kExitDiffers = 5;       // config-diff: the configurations differ

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
  s = configuration::OpenedOnRead(s);
  return kExitOk;
}

// The dialog takes its control values before saving, printing and OK; an address it
// would refuse stops the command with the dialog's message.
int TakeControls(CliContext& ctx, ConfigSettings& s) {
  const configuration::AddressCheck check = configuration::CheckAddressText(std::to_string(s.address), ctx.language());
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

  Result Edit(ConfigSettings& s, configuration::ConfigurationActions& confirm) override {
    configuration::OpenDialogData(s);
    // The calibration question is answered by the flag.
    ctx_.ui().openFile = path_;
    ctx_.ui().yes = withCalibration_;
    switch (confirm.Load(s)) {
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

// The common start of config-read and config-print: the file that will be written
// checked, then the configuration read and shown as the dialog would show it, with the
// control values taken.
int ReadForOutput(CliContext& ctx, const std::string& file, ConfigSettings& s) {
  // Nothing is asked of the module when its answer could not be kept.
  if (!file.empty())
    if (const int rc = ctx.CheckOutputs({file}); rc != kExitOk) return rc;
  ConfigTransfer transfer(ctx.link(), ctx.ui(), ctx.context());
  transfer.setPauseBeforeDialog(false);  // no dialog waits for a person here
  if (const int rc = ReadAndOpen(ctx, transfer, s); rc != kExitOk) return rc;
  transfer.RecordRead();
  return TakeControls(ctx, s);
}

// A setup file for a comparison: read whole and with a sound checksum, or the command's
// status after telling why not.
int ReadSetupText(CliContext& ctx, const std::string& path, std::string* text) {
  const Language lang = ctx.language();
  const std::optional<std::string> bytes = platform::ReadWholeFile(path);
  if (!bytes) {
    ctx.ui().Message(std::string(Tr(lang, configuration::texts::kCannotRead)) + " " + path + ": " +
                         platform::ReadProblem(path, lang),
                     platform::kAppTitle);
    return kExitFile;
  }
  ConfigSettings scratch;
  if (configuration::SetupFile::ParseSetupText(*bytes, scratch, true) == configuration::SetupFile::kDataError) {
    ctx.ui().Message(std::string(Tr(lang, configuration::texts::kDataFileError)) + " " + path, platform::kAppTitle);
    return kExitDataFile;
  }
  *text = *bytes;
  return kExitOk;
}

}  // namespace

int RunConfigRead(CliContext& ctx, const CommandOptions& o) {
  ConfigSettings s;
  const std::string path = configuration::SetupFilePath(o.output);
  // "Speichern" right away.
  if (const int rc = ReadForOutput(ctx, path, s); rc != kExitOk) return rc;
  ctx.ui().saveFile = o.output;
  if (!configuration::SaveSetupFile(ctx.ui(), s)) return kExitFile;  // the reason went to stderr
  return kExitOk;
}

int RunConfigWrite(CliContext& ctx, const CommandOptions& o) {
  const Language lang = ctx.language();
  // A file that cannot be read is reported before the module is asked anything.
  if (!platform::ReadWholeFile(o.input)) {
    ctx.ui().Message(std::string(Tr(lang, configuration::texts::kCannotRead)) + " " + o.input + ": " +
                         platform::ReadProblem(o.input, lang),
                     platform::kAppTitle);
    return kExitFile;
  }

  // The dialog's road: the configuration read, the file opened in the dialog, OK,
  // then the writes.
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  ConfigTransfer transfer(ctx.link(), ctx.ui(), ctx.context());
  transfer.setPauseBeforeDialog(false);  // no dialog waits for a person here
  SetupFileEditor editor(ctx, o.input, o.withCalibration);
  ConfigSettings s;
  transfer.ReadConfiguration(s, editor);
  if (editor.exitCode() != kExitOk) return editor.exitCode();
  // A value no module may get was named and nothing was written.
  if (transfer.refused()) return kExitDataFile;
  // The count of unanswered writes or the lost line went to stderr.
  return transfer.lastWrite().ok() ? kExitOk : kExitNoAnswer;
}

int RunConfigDiff(CliContext& ctx, const CommandOptions& o) {
  // The files are checked before the module is asked anything.
  std::string file, other;
  if (const int rc = ReadSetupText(ctx, o.input, &file); rc != kExitOk) return rc;
  if (!o.second.empty()) {
    if (const int rc = ReadSetupText(ctx, o.second, &other); rc != kExitOk) return rc;
  } else {
    // The module as config-read would save it, compared with the file.
    ConfigSettings s;
    if (const int rc = ReadForOutput(ctx, "", s); rc != kExitOk) return rc;
    other = std::move(file);
    file = configuration::SetupFile::BuildSetupText(s);
  }
  const auto differences = configuration::CompareSetupTexts(file, other, ctx.language());
  for (const configuration::FieldDifference& d : differences) {
    auto shown = [](const std::string& bytes) { return platform::ShownText(types::FromWindows1252(bytes)); };
    ctx.out() << d.key << '\t' << d.label << '\t' << shown(d.first) << '\t' << shown(d.second) << '\n';
  }
  ctx.out() << std::flush;
  return differences.empty() ? kExitOk : kExitDiffers;
}

int RunConfigPrint(CliContext& ctx, const CommandOptions& o) {
  ConfigSettings s;
  // "Drucken" right away, into the PDF file instead of a printer.
  if (const int rc = ReadForOutput(ctx, o.output, s); rc != kExitOk) return rc;
  ctx.ui().printPdf = o.output;
  const auto names = configuration::SourceNames(s.AbsoluteType(), s.deviceKind, s.language);
  if (!configuration::PrintSetup(ctx.ui(), s, names, ctx.clock())) return kExitFile;
  return kExitOk;
}

}  // namespace korvane::cli
