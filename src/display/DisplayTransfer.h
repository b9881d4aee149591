#pragma once
// The display unit's configuration over the link: button "Konfiguration RW8200" (19200
// baud, the read sequence, the dialog, the write sequence and the store command, 4800
// baud again on every path), the outputs flow of "Konfigurieren", and what the dialog's
// other buttons do on the unit. QtCore only: frames through the Link, interaction
// through the Ui and the DisplayEditor.
#include "display/DisplayEditor.h"
#include "link/FlowContext.h"
#include "link/FlowLog.h"
#include "link/Link.h"
#include "logger/ExportGuard.h"
#include "logger/LoggerReadout.h"
#include "platform/Language.h"
#include "platform/Ui.h"

namespace korvane::display {

// Text of the first output field that is no number ("" when all are numbers).
std::string OutputsProblem(const DisplayOutputs& o, Language language);

// What the unit's replies to the read sequence and to the outputs reads mean as the
// dialogs show them (the module object holds the replies).
void ConfigurationFromReplies(const link::ModuleState& m, DisplaySettings& s);
void OutputsFromReplies(const link::ModuleState& m, DisplayOutputs& o);

class DisplayTransfer : public DisplayActions {
 public:
  // log: where the flows tell what they did to the unit (nullptr: nowhere).
  DisplayTransfer(link::Link& link, platform::Ui& ui, Language language,
                  platform::Clock clock = platform::SystemClock(), logger::ExportGuard* guard = nullptr,
                  link::FlowLog* log = nullptr);

  // The whole button: true when the configuration was written and every write answered.
  bool Configure(DisplaySettings& s, DisplayEditor& editor);

  // The unit listens at 19200 baud: port closed, rate set, 2 s pause, opened again.
  // False (the user was told) when the port does not open.
  bool UseDisplayRate();
  // Opens the port; a port that does not open is shown to the user.
  bool OpenPort();
  // Back to 4800 baud: 1 s pause, port closed; the next flow opens it again.
  void RestoreRate();

  // The read sequence under the progress window. A missing reply anywhere fails it:
  // progress closed, communication error shown, false. The outputs count as unknown.
  bool ReadConfiguration(DisplaySettings& s);
  // The twelve reads of the outputs flow (communication error shown on failure).
  bool ReadOutputs(DisplayOutputs& o);
  // The twelve writes of the outputs dialog's OK; nothing is sent when a field is no
  // number (the user is told which; nullopt). The report is shown when not ok.
  std::optional<link::WriteReport> WriteOutputs(DisplayOutputs& o);
  // Outputs still to be written (from a file) first, then the configuration in its
  // fixed order and the store command. Unanswered writes do not stop it; a lost line
  // does. The report is shown when not ok; nullopt when an output field held no number
  // (nothing sent).
  std::optional<link::WriteReport> WriteConfiguration(DisplaySettings& s);
  // True when the unit acknowledged the contrast (0..20).
  bool SendContrast(int contrast);

  // Tell the log what was done: the unit read (every field read so far), or written
  // (the fields of s that differ from what was read; with outputs, the outputs' too;
  // file: the display file the values came from, "" for the dialog). Configure records
  // itself; the command line's roads call these.
  void RecordRead();
  void RecordWrite(const DisplaySettings& s, const link::WriteReport& report, bool outputs, const std::string& file);
  // The contrast edit's write on its own.
  void RecordContrast(int contrast);

  // --- the dialog's buttons --------------------------------------------------------
  std::optional<std::string> LoggerInformation() override;
  void ReadLogger() override;
  void ClearLogger() override;
  void SetClock(const platform::LocalTime& t) override;
  platform::LocalTime Now() override { return clock_(); }
  void SetContrast(int contrast) override { SendContrast(contrast); }
  void ConfigureOutputs(DisplayOutputs& outputs, OutputsEditor& editor) override;
  void Save(DisplaySettings& s) override;
  bool Load(DisplaySettings& s) override;

 private:
  bool ReadStep(link::Parameter p, int& progress, int max);
  void WriteStep(link::WriteReport& report, link::Parameter p, const link::Data4& data, int& progress, int max);
  void ShowReport(const link::WriteReport& report);
  std::optional<link::WriteReport> WriteOutputFrames(DisplayOutputs& o);
  void Found(const types::KeyValues& lines);

  link::Link& link_;
  platform::Ui& ui_;
  link::FlowContext context_;
  platform::Clock clock_;
  logger::ExportGuard* guard_;
  logger::LoggerReadout readout_;
  // What the unit reported this session, and what the dialog's buttons sent meanwhile.
  types::KeyValues found_;
  link::ModuleIdentity unit_;
  link::WriteReport sent_;
  bool outputsSent_ = false;
  bool contrastSent_ = false;
};

}  // namespace korvane::display
