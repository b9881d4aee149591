#pragma once
// korvane-cli calibrate's side of the assistant: each poll one line on stdout (value,
// temperature, drift, noise, stability), a point taken automatically with --auto or on
// Enter, references from --reference, the recognised buffer or a prompt on a terminal,
// the result saved as --save / --no-save / --save-implausible say. Standard input is
// read only without --auto: a closed or redirected one never holds up --auto.
#include <cstddef>
#include <string>

#include "CliContext.h"
#include "calibration/AssistantUi.h"

namespace korvane::cli {

class CalibrateUi : public calibration::AssistantUi {
 public:
  CalibrateUi(CliContext& ctx, const CommandOptions& options) : ctx_(ctx), o_(options) {}

  void Begin(const calibration::AssistantStart& start) override;
  void RunPoint(calibration::PointSession& session) override;
  std::optional<calibration::ReferenceAnswer> EnterReference(const calibration::ReferenceRequest& request) override;
  calibration::ResultChoice ShowResult(const calibration::ResultView& view) override;
  bool ConfirmImplausibleSave(const std::string& question) override;
  void Tell(const std::string& text) override;
  void End(const std::string& text, const std::function<void()>& printCertificate) override;

  // Ctrl-C: the point running is given up, nothing is written.
  void Interrupt();
  bool interrupted() const { return interrupted_; }
  // --auto gave a point up because the sensor did not settle within the time limit.
  bool notSettled() const { return notSettled_; }
  // --procedure named one the module's type does not offer.
  bool wrongProcedure() const { return wrongProcedure_; }

 private:
  // A person answers on a terminal only when --auto is not given.
  bool Interactive() const;
  std::optional<std::string> ReadLine();
  bool Ask(const std::string& question);
  void PrintPoll(const calibration::PointSession& session);

  CliContext& ctx_;
  const CommandOptions& o_;
  int type_ = 0;
  std::size_t nextReference_ = 0;
  calibration::PointSession* session_ = nullptr;
  bool interrupted_ = false;
  bool notSettled_ = false;
  bool wrongProcedure_ = false;
};

}  // namespace korvane::cli
