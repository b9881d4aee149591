#pragma once
// The generic interactions of every flow: message and error boxes, yes/no questions,
// file dialogs, the progress window and the print job. The desktop program answers
// them with Qt dialogs, the command-line program with its options and stderr, the
// tests with a script that records what was shown. A dialog that belongs to one
// subsystem sits behind that subsystem's own interface. Texts are UTF-8.
#include <memory>
#include <optional>
#include <string>

#include "platform/Page.h"

namespace korvane::platform {

inline const char* kAppTitle = "Korvane";

struct FileDialogSpec {
  std::string defaultExtension;  // without the dot, e.g. "txt"
  std::string initialName;       // e.g. "*.txt"
  std::string filter;            // "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||"
  bool overwritePrompt = true;
  // The kind of file ("setup", "recording", ...): each kind's dialog starts in the folder
  // last used for it. Empty: the default extension stands for the kind.
  std::string kind;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Information box with an OK button.
  virtual void Message(const std::string& text, const std::string& title = kAppTitle) = 0;
  // Error box (error icon, no owner), e.g. "Application Error".
  virtual void ErrorBox(const std::string& text, const std::string& title) = 0;
  // Small yes/no dialog; true for the yes button, false for no or the close box. No is
  // the default answer: a question before something is erased never goes on at Enter.
  virtual bool YesNo(const std::string& title, const std::string& question, const std::string& yes,
                     const std::string& no) = 0;

  virtual std::optional<std::string> SaveFile(const FileDialogSpec& dialog) = 0;
  virtual std::optional<std::string> OpenFile(const FileDialogSpec& dialog) = 0;

  // Modeless progress window; at most one at a time.
  virtual void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) = 0;
  virtual void ProgressSet(int position) = 0;
  virtual void ProgressClose() = 0;
  // The user asked the open progress window to stop (its cancel button, Ctrl-C on the
  // command line). Windows without a cancel button never are.
  virtual bool ProgressCancelled() { return false; }
  // Gives the open progress window a cancel button; only flows that look at
  // ProgressCancelled ask for one.
  virtual void ProgressAllowCancel() {}

  // A small "please wait" window without buttons, for a stretch of a flow that shows
  // no progress; NoticeClose takes it away. Where no one looks it shows nothing.
  virtual void NoticeOpen(const std::string& /*text*/) {}
  virtual void NoticeClose() {}

  // The print dialog; nullptr when the user cancels.
  virtual std::unique_ptr<PageTarget> BeginPrint(const std::string& documentName) = 0;
};

}  // namespace korvane::platform
