#include "logger/widgets/ModuleLoggerDialog.h"

#include <QGridLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/Link.h"
#include "link/widgets/LineGate.h"
#include "logger/LoggerTexts.h"
#include "logger/widgets/ClockDialog.h"
#include "logger/widgets/LoggerChart.h"
#include "platform/CommonTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

constexpr types::Text kRead{"logger", QT_TRANSLATE_NOOP("logger", "Auslesen")};
constexpr types::Text kClock{"logger", QT_TRANSLATE_NOOP("logger", "Uhr stellen")};
using platform::kPrint;
constexpr types::Text kDelete{"logger", QT_TRANSLATE_NOOP("logger", "Löschen")};

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ModuleLoggerDialog::ModuleLoggerDialog(LoggerActions& actions, const QString& title, link::Link* line, QWidget* parent)
    : QDialog(parent), actions_(actions) {
  const Language lang = actions_.language();
  setWindowTitle(title);
  chart_ = new LoggerChart(this);
  chart_->setMinimumSize(640, 360);
  chart_->setLanguage(lang);
  read_ = new QPushButton(Q(Tr(lang, kRead)), this);
  auto* clock = new QPushButton(Q(Tr(lang, kClock)), this);
  auto* print = new QPushButton(Q(Tr(lang, kPrint)), this);
  auto* clear = new QPushButton(Q(Tr(lang, kDelete)), this);
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
  auto* gate = new link::LineGate(line, this);
  gate->Add({read_, clock, clear});
}

void ModuleLoggerDialog::OnRead() {
  const std::optional<ReadoutResult> result = actions_.Read();
  if (!result) return;
  // Whatever ended the transfer, the chart shows the records that arrived, and says so
  // when they are not all the logger holds.
  const ReadoutSource& source = actions_.source();
  const Language lang = actions_.language();
  chart_->Fill(actions_.table(), actions_.firstColumnName(), source.identity, lang,
               types::ChannelDecimals(source.typeIndex, 1));
  std::string note;
  if (result->shortOfAnnounced())
    note = platform::Fill(Tr(lang, texts::kPartialChart), result->records, result->announced);
  else if (chart_->pointCount() == 0)
    note = Tr(lang, texts::kNoRecords);
  chart_->SetNote(QString::fromStdString(note));
}

void ModuleLoggerDialog::OnClock() {
  // The module's own time beside the PC's, so the user sees what the setting changes.
  const std::optional<platform::LocalTime> module = actions_.ReadClock();
  if (const auto t = ClockDialog::Ask(
          this, [this] { return actions_.Now(); }, module, actions_.language()))
    actions_.SetClock(*t);
}

void ModuleLoggerDialog::OnPrint() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer) || (chart_->render(&painter), !painter.end())) actions_.PrinterFailed();
}

void ModuleLoggerDialog::OnClear() { actions_.Clear(); }

void QtModuleLogger::OpenLogger(const std::string& series, Language /*language*/) {
  const link::ModuleState& m = parts_.link.module();
  ModuleLogger flows(parts_, ReadoutSource{false, m.deviceKind, m.typeIndex, m.identity});
  ModuleLoggerDialog dialog(flows, QString::fromStdString(series), &parts_.link, parent_);
  dialog.exec();
}

}  // namespace korvane::logger
