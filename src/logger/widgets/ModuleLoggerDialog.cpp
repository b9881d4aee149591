#include "logger/widgets/ModuleLoggerDialog.h"

#include <QGridLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/Link.h"
#include "logger/DeviceClock.h"
#include "logger/widgets/ClockDialog.h"
#include "logger/widgets/LoggerChart.h"
#include "platform/Ui.h"
#include "platform/widgets/WaitNotice.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

constexpr types::TextPair kRead{"Auslesen", "Read"};
constexpr types::TextPair kClock{"Uhr stellen", "Clock setup"};
constexpr types::TextPair kPrint{"Drucken", "Print"};
constexpr types::TextPair kDelete{"Löschen", "Delete"};
constexpr types::TextPair kConverting{"Bitte warten, Daten werden konvertiert!", "Please wait data are read!"};

QString Q(const char* s) { return QString::fromUtf8(s); }

// The export file's dialog: as for a recording file.
platform::FileDialogSpec ExportDialog() {
  return {"txt", "*.txt", "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||", true};
}

}  // namespace

ModuleLoggerDialog::ModuleLoggerDialog(LoggerParts parts, ReadoutSource source, const QString& title, QWidget* parent)
    : QDialog(parent), parts_(parts), source_(std::move(source)), readout_(parts.link, parts.ui, parts.context) {
  const int lang = parts_.context.language;
  setWindowTitle(title);
  chart_ = new LoggerChart(this);
  chart_->setMinimumSize(640, 360);
  read_ = new QPushButton(Q(kRead(lang)), this);
  auto* clock = new QPushButton(Q(kClock(lang)), this);
  auto* print = new QPushButton(Q(kPrint(lang)), this);
  auto* clear = new QPushButton(Q(kDelete(lang)), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  for (QPushButton* b : {read_, clock, print, clear}) b->setAutoDefault(false);
  connect(read_, &QPushButton::clicked, this, &ModuleLoggerDialog::OnRead);
  connect(clock, &QPushButton::clicked, this, &ModuleLoggerDialog::OnClock);
  connect(print, &QPushButton::clicked, this, &ModuleLoggerDialog::OnPrint);
  connect(clear, &QPushButton::clicked, this, &ModuleLoggerDialog::OnClear);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {read_, clock, print, clear}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  auto* layout = new QGridLayout(this);
  layout->addWidget(chart_, 0, 0);
  layout->addLayout(buttons, 0, 1);
  layout->setColumnStretch(0, 1);
}

void ModuleLoggerDialog::OnRead() {
  const std::optional<std::string> path = parts_.ui.SaveFile(ExportDialog());
  if (!path) return;
  if (parts_.guard) parts_.guard->BeforeExport(*path);
  setEnabled(false);  // nothing else starts while the stream runs
  readout_.Read(*path, source_);
  setEnabled(true);
  // Whatever ended the transfer, the chart shows the records that arrived.
  platform::WaitNotice notice(Q(kConverting(parts_.context.language)), this);
  chart_->Fill(readout_.table(), readout_.columnNames()[0], source_.identity);
}

void ModuleLoggerDialog::OnClock() {
  if (const auto t = ClockDialog::Ask(this, parts_.clock(), parts_.context.language))
    SetDeviceClock(parts_.link, parts_.ui, parts_.context, *t);
}

void ModuleLoggerDialog::OnPrint() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer) || (chart_->render(&painter), !painter.end()))
    parts_.ui.Message("Der Drucker kann nicht gestartet werden.\nThe printer could not be started.");
}

void ModuleLoggerDialog::OnClear() { readout_.Clear(false); }

void QtModuleLogger::OpenLogger(const std::string& series, int /*language*/) {
  const link::ModuleState& m = parts_.link.module();
  ReadoutSource source{false, m.deviceKind, m.typeIndex, m.identity};
  ModuleLoggerDialog dialog(parts_, source, QString::fromStdString(series), parent_);
  dialog.exec();
}

}  // namespace korvane::logger
