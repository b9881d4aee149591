#include "trace/widgets/TraceWindow.h"

#include <QFontDatabase>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "trace/TraceTexts.h"
#include "types/Texts.h"

namespace korvane::trace {

TraceWindow::TraceWindow(link::Link& link, platform::Ui& ui, QWidget* parent) : QDialog(parent), link_(link), ui_(ui) {
  setObjectName(QStringLiteral("traceWindow"));
  setModal(false);
  view_ = new QPlainTextEdit(this);
  view_->setObjectName(QStringLiteral("traceView"));
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setMaximumBlockCount(kMaxLines);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  save_ = new QPushButton(this);
  clear_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {save_, clear_, close_}) b->setAutoDefault(false);
  connect(save_, &QPushButton::clicked, this, &TraceWindow::Save);
  connect(clear_, &QPushButton::clicked, this, [this] {
    pending_.clear();
    view_->clear();
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(clear_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  batch_.setInterval(100);
  connect(&batch_, &QTimer::timeout, this, &TraceWindow::Flush);
  setLanguage(Language::kGerman);
  resize(860, 420);
}

TraceWindow::~TraceWindow() = default;

void TraceWindow::setLanguage(Language language) {
  language_ = language;
  setWindowTitle(QString::fromUtf8(Tr(language, kTraceCaption)));
  save_->setText(QString::fromUtf8(Tr(language, kTraceSave)));
  clear_->setText(QString::fromUtf8(Tr(language, kTraceClear)));
  close_->setText(QString::fromUtf8(Tr(language, platform::kClose)));
}

void TraceWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Only an open window listens: with it closed, the link formats nothing.
  if (!recorder_)
    recorder_ = std::make_unique<TraceRecorder>(
        link_, [this](const std::string& line) { pending_.append(QString::fromStdString(line)); });
  batch_.start();
}

void TraceWindow::hideEvent(QHideEvent* e) {
  // A minimised window keeps recording; a closed one stops.
  if (e->spontaneous()) return QDialog::hideEvent(e);
  recorder_.reset();
  Flush();
  batch_.stop();
  QDialog::hideEvent(e);
}

void TraceWindow::Flush() {
  if (pending_.isEmpty()) return;
  view_->appendPlainText(pending_.join(QLatin1Char('\n')));
  pending_.clear();
}

QString TraceWindow::text() const { return view_->toPlainText(); }

bool TraceWindow::Save() {
  Flush();
  platform::FileDialogSpec dialog;
  dialog.defaultExtension = "txt";
  dialog.initialName = "*.txt";
  dialog.kind = "trace";
  dialog.filter = Tr(language_, kTraceFilter);
  const std::optional<std::string> path = ui_.SaveFile(dialog);
  if (!path) return false;
  QString content = text();
  if (!content.isEmpty()) content += QLatin1Char('\n');
  std::string error;
  if (!platform::SaveFileReplacing(*path, content.toStdString(), &error, language_)) {
    ui_.Message(std::string(Tr(language_, kTraceSaveFailed)) + "\n" + error + "\n" +
                Tr(language_, types::kNothingSaved));
    return false;
  }
  return true;
}

}  // namespace korvane::trace
