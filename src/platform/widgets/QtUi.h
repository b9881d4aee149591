#pragma once
// The desktop program's answers to the flows' generic interactions: Qt message boxes,
// file dialogs, the progress window and the print dialog.
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "platform/Language.h"
#include "platform/Ui.h"

class QWidget;

namespace korvane::platform {

class TransferProgress;

// A file-dialog filter in the form "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||"
// (description and pattern alternating, "|" separated) as Qt's "Text (*.txt);;..."
QString QtFilterFromWindows(const std::string& filter);

// Where the file dialogs of each kind of file were last used; kept by the program.
struct FolderMemory {
  std::function<std::string(const std::string& kind)> get;  // "" when none
  std::function<void(const std::string& kind, const std::string& folder)> set;
};

class QtUi : public Ui {
 public:
  explicit QtUi(QWidget* parent = nullptr);
  ~QtUi() override;

  // The window the modal dialogs belong to.
  void setParent(QWidget* parent) { parent_ = parent; }
  // Language of the texts this Ui adds itself.
  void setLanguage(Language language) { language_ = language; }
  // File dialogs start in the folder last used for their kind; without a memory, and the
  // first time, in the user's documents folder.
  void setFolderMemory(FolderMemory memory) { folders_ = std::move(memory); }
  // The folder a dialog of this kind starts in.
  QString StartFolder(const FileDialogSpec& dialog) const;
  // The open progress window (tests).
  TransferProgress* progress() const;

  void Message(const std::string& text, const std::string& title) override;
  void ErrorBox(const std::string& text, const std::string& title) override;
  bool YesNo(const std::string& title, const std::string& question, const std::string& yes,
             const std::string& no) override;
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override;
  void ProgressOpen(const std::string& caption, const std::string& text, int min, int max) override;
  void ProgressSet(int position) override;
  void ProgressClose() override;
  bool ProgressCancelled() override;
  void ProgressAllowCancel() override;
  void NoticeOpen(const std::string& text) override;
  void NoticeClose() override;
  std::unique_ptr<PageTarget> BeginPrint(const std::string& documentName) override;

 private:
  std::optional<std::string> FileDialog(const FileDialogSpec& dialog, bool save);
  std::unique_ptr<PageTarget> BeginPdf(const std::string& file, const std::string& documentName);

  QPointer<QWidget> parent_;
  QPointer<TransferProgress> progress_;
  QPointer<QWidget> notice_;
  Language language_ = Language::kGerman;
  FolderMemory folders_;
};

}  // namespace korvane::platform
