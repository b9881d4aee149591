#include "logger/widgets/ModuleLoggerDialog.h"

#include <QGridLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/Link.h"
#include "link/widgets/LineGate.h"
#include "logger/DeviceClock.h"
#include "logger/widgets/ClockDialog.h"
#include "logger/widgets/LoggerChart.h"
#include "platform/Ui.h"
#include "logger/LoggerTexts.h"
#include "platform/NumberText.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

constexpr types::TextPair kRead{"Auslesen", "Read"};
constexpr types::TextPair kClock{"Uhr stellen", "Clock setup"};
constexpr types::TextPair kPrint{"Drucken", "Print"};
constexpr types::TextPair kDelete{"Löschen", "Delete"};

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
  // The buttons that talk to the module wait while a transfer holds the line.
  auto* gate = new link::LineGate(&parts_.link, this);
  gate->Add({read_, clock, clear});
}

void ModuleLoggerDialog::OnRead() {
  const std::optional<std::string> path = parts_.ui.SaveFile(ExportDialog());
  if (!path) return;
  if (parts_.guard) parts_.guard->BeforeExport(*path);
  const ReadoutResult result = readout_.Read(*path, source_);
  // Whatever ended the transfer, the chart shows the records that arrived, and says so
  // when they are not all the logger holds.
  chart_->Fill(readout_.table(), readout_.columnNames()[0], source_.identity,
               types::ChannelDecimals(source_.typeIndex, 1));
  const int lang = parts_.context.language;
  std::string note;
  if (result.shortOfAnnounced())
    note = platform::StringPrintf(texts::kPartialChart(lang), result.records, result.announced);
  else if (chart_->pointCount() == 0)
    note = texts::kNoRecords(lang);
  chart_->SetNote(QString::fromStdString(note));
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
