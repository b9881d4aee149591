#include "platform/CommonTexts.h"
#include "platform/widgets/QtUi.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStringList>

#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/widgets/PrinterPage.h"
#include "platform/widgets/TransferProgress.h"
#include "platform/widgets/WaitNotice.h"

namespace korvane::platform {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr Text kPdfRefused{"platform", QT_TRANSLATE_NOOP("platform", "In diese Datei kann nicht gedruckt werden.")};
constexpr Text kPrinterFailed{"platform", QT_TRANSLATE_NOOP("platform", "Der Drucker kann nicht gestartet werden.")};

// The file dialog's sizes and dates in the program's language: Qt's own model writes
// them for the system's locale, which stays the environment's.
class LocalizedFileModel : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || index.column() == 0 || index.column() == 2)
      return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (index.column() == 1) return info.isDir() ? QString() : QLocale().formattedDataSize(info.size());
    return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
  }
};
}  // namespace

QString QtFilterFromWindows(const std::string& filter) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString pattern = parts[i + 1].trimmed();
    if (description.isEmpty() && pattern.isEmpty()) break;
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses of the description.
    if (description.contains(QLatin1Char('(')) && description.contains(pattern))
      out << description;
    else
      out << QStringLiteral("%1 (%2)").arg(description, pattern);
  }
  return out.join(QStringLiteral(";;"));
}

QtUi::QtUi(QWidget* parent) : parent_(parent) {}

QtUi::~QtUi() {
  ProgressClose();
  NoticeClose();
}

void QtUi::Message(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, Q(title), Q(text), QMessageBox::Ok, parent_);
  box.exec();
}

void QtUi::ErrorBox(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Critical, Q(title), Q(text), QMessageBox::Ok, nullptr);
  box.exec();
}

bool QtUi::YesNo(const std::string& title, const std::string& question, const std::string& yes, const std::string& no) {
  QMessageBox box(QMessageBox::Question, Q(title), Q(question), QMessageBox::NoButton, parent_);
  QPushButton* yesButton = box.addButton(Q(yes), QMessageBox::YesRole);
  QPushButton* noButton = box.addButton(Q(no), QMessageBox::NoRole);
  box.setEscapeButton(noButton);
  // Enter takes the safe answer: the questions that ask before something is erased or
  // replaced ("Datenlogger wirklich löschen?") must not go on at a stray key.
  box.setDefaultButton(noButton);
  box.exec();
  return box.clickedButton() == yesButton;
}

namespace {

// The detail view's columns take the width their headers and entries need and the name
// the rest: Qt's fixed widths cut a longer header, as French "Dernière modification".
void FitFileColumns(QFileDialog& dlg) {
  auto* view = dlg.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!view) return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
}

std::string DialogKind(const FileDialogSpec& dialog) {
  return dialog.kind.empty() ? (dialog.defaultExtension.empty() ? std::string("file") : dialog.defaultExtension)
                             : dialog.kind;
}

}  // namespace

std::optional<std::string> QtUi::FileDialog(const FileDialogSpec& dialog, bool save) {
  QFileDialog dlg(parent_);
  dlg.setProxyModel(new LocalizedFileModel(&dlg));
  FitFileColumns(dlg);
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setNameFilter(QtFilterFromWindows(dialog.filter));
  if (!dialog.defaultExtension.empty()) dlg.setDefaultSuffix(Q(dialog.defaultExtension));
  if (!dialog.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
  // "*.txt" only repeats the filter; a real name is offered as the file name.
  dlg.setDirectory(StartFolder(dialog));
  if (!dialog.initialName.empty() && dialog.initialName.find('*') == std::string::npos)
    dlg.selectFile(Q(dialog.initialName));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dlg.selectedFiles().first();
  if (folders_.set) folders_.set(DialogKind(dialog), QFileInfo(chosen).absolutePath().toStdString());
  return chosen.toStdString();
}

QString QtUi::StartFolder(const FileDialogSpec& dialog) const {
  if (folders_.get) {
    const QString kept = Q(folders_.get(DialogKind(dialog)));
    if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
  }
  // Not the working directory: where the program was started says nothing of the user's files.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<std::string> QtUi::SaveFile(const FileDialogSpec& dialog) { return FileDialog(dialog, true); }

std::optional<std::string> QtUi::OpenFile(const FileDialogSpec& dialog) { return FileDialog(dialog, false); }

void QtUi::ProgressOpen(const std::string& caption, const std::string& text, int min, int max) {
  ProgressClose();
  // Modal to the dialog that is open, if any (else to the main window): nothing there
  // starts while the transfer runs, and the cancel button stays reachable.
  QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_.data();
  progress_ = new TransferProgress(Q(caption), Q(text), min, max, owner);
  progress_->show();
}

TransferProgress* QtUi::progress() const { return progress_.data(); }

void QtUi::ProgressSet(int position) {
  if (progress_) progress_->setValue(position);
}

bool QtUi::ProgressCancelled() { return progress_ && progress_->cancelled(); }

void QtUi::ProgressAllowCancel() {
  if (!progress_) return;
  progress_->AllowCancel(Q(Tr(language_, kCancel)));
}

void QtUi::ProgressClose() {
  if (progress_) {
    progress_->close();
    delete progress_.data();
  }
}

void QtUi::NoticeOpen(const std::string& text) {
  NoticeClose();
  QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_.data();
  notice_ = new WaitNotice(Q(text), owner);
}

void QtUi::NoticeClose() { delete notice_.data(); }

std::unique_ptr<PageTarget> QtUi::BeginPrint(const std::string& documentName) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kPrintDpi);
  printer->setDocName(Q(documentName));
  QString pdfFile;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    // No printer installed: print into a PDF file instead.
    FileDialogSpec printed{"pdf", "", "", true, "print"};
    pdfFile = QFileDialog::getSaveFileName(parent_, QStringLiteral("PDF"),
                                           QDir(StartFolder(printed)).filePath(Q(documentName) + ".pdf"),
                                           QStringLiteral("PDF (*.pdf)"));
    if (pdfFile.isEmpty()) return nullptr;
    if (folders_.set) folders_.set(printed.kind, QFileInfo(pdfFile).absolutePath().toStdString());
  } else {
    QPrintDialog dlg(printer.get(), parent_);
    if (dlg.exec() != QDialog::Accepted) return nullptr;
    if (printer->outputFormat() == QPrinter::PdfFormat) pdfFile = printer->outputFileName();
  }
  if (!pdfFile.isEmpty()) return BeginPdf(pdfFile.toStdString(), documentName);
  auto page = std::make_unique<PrinterPage>(std::move(printer));
  if (!page->ok()) {
    Message(Tr(language_, kPrinterFailed), kAppTitle);
    return nullptr;
  }
  return page;
}

std::unique_ptr<PageTarget> QtUi::BeginPdf(const std::string& file, const std::string& documentName) {
  // A file goes through the PDF page, which replaces it only when the document is whole.
  if (const std::string problem = WriteTargetProblem(file, language_); !problem.empty()) {
    Message(std::string(Tr(language_, kPdfRefused)) + "\n" + file + ": " + problem, kAppTitle);
    return nullptr;
  }
  return std::make_unique<PdfPage>(file, documentName, language_);
}

}  // namespace korvane::platform
