#pragma once
// The command line's answers to the flows' interactions: messages go to stderr,
// nothing waits for a person; file dialogs and questions are answered from the
// command's options, dialogs that need a person are closed.
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/Language.h"
#include "platform/Ui.h"

namespace korvane::cli {

class CliUi : public platform::Ui {
 public:
  explicit CliUi(std::ostream& err) : err_(err) {}

  // Answers set by the command before it runs a flow.
  std::optional<std::string> saveFile;    // the file a save dialog returns
  std::optional<std::string> openFile;    // the file an open dialog returns
  bool yes = false;                       // the answer of every yes/no question
  std::optional<std::string> printPdf;    // print dialog: print into this PDF file
  Language language = Language::kGerman;  // of the reasons this Ui adds
  bool progressToStderr = false;          // progress as lines on stderr
  bool cancelled = false;                 // the progress window's cancel (Ctrl-C)

  // Message boxes shown so far (their texts went to stderr).
  int messageCount() const { return messages_; }

  void Message(const std::string& text, const std::string& title) override;
  void ErrorBox(const std::string& text, const std::string& title) override;
  bool YesNo(const std::string& title, const std::string& question, const std::string& yesCaption,
             const std::string& noCaption) override;
  std::optional<std::string> SaveFile(const platform::FileDialogSpec& dialog) override;
  std::optional<std::string> OpenFile(const platform::FileDialogSpec& dialog) override;
  void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) override;
  void ProgressSet(int position) override;
  void ProgressClose() override;
  bool ProgressCancelled() override { return cancelled; }
  std::unique_ptr<platform::PageTarget> BeginPrint(const std::string& documentName) override;

 private:
  std::ostream& err_;
  int messages_ = 0;
  int progressMax_ = 0;
};

}  // namespace korvane::cli
