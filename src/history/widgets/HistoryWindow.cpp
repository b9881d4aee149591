#include "history/widgets/HistoryWindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "history/Drift.h"
#include "history/HistoryTexts.h"
#include "history/render/CertificateFile.h"
#include "history/render/ReportFile.h"
#include "history/widgets/DriftChart.h"
#include "platform/CommonTexts.h"
#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::history {
namespace {

using platform::Text;

constexpr Text kTitle{"history", QT_TRANSLATE_NOOP("history", "Historie")};
constexpr Text kModuleColumns[] = {{"history", QT_TRANSLATE_NOOP("history", "Kennung")},
                                   {"history", QT_TRANSLATE_NOOP("history", "Typ")},
                                   {"history", QT_TRANSLATE_NOOP("history", "Adresse")},
                                   {"history", QT_TRANSLATE_NOOP("history", "Firmware")},
                                   {"history", QT_TRANSLATE_NOOP("history", "zuletzt gesehen")},
                                   {"history", QT_TRANSLATE_NOOP("history", "letzte Kalibrierung")},
                                   {"history", QT_TRANSLATE_NOOP("history", "Tage")},
                                   {"history", QT_TRANSLATE_NOOP("history", "fällig")},
                                   {"history", QT_TRANSLATE_NOOP("history", "Tendenz")}};
constexpr Text kEventColumns[] = {{"history", QT_TRANSLATE_NOOP("history", "Zeit")},
                                  {"history", QT_TRANSLATE_NOOP("history", "Art")},
                                  {"history", QT_TRANSLATE_NOOP("history", "Techniker")},
                                  {"history", QT_TRANSLATE_NOOP("history", "Zusammenfassung")}};
constexpr Text kDetailColumns[] = {{"history", QT_TRANSLATE_NOOP("history", "Feld")},
                                   {"history", QT_TRANSLATE_NOOP("history", "vorher")},
                                   {"history", QT_TRANSLATE_NOOP("history", "nachher")}};
constexpr Text kDue{"history", QT_TRANSLATE_NOOP("history", "fällig (%1 Tage)")};
constexpr Text kNever{"history", QT_TRANSLATE_NOOP("history", "nie")};
constexpr Text kKind{"history", QT_TRANSLATE_NOOP("history", "Art:")};
constexpr Text kAllKinds{"history", QT_TRANSLATE_NOOP("history", "alle")};
constexpr Text kSpan{"history", QT_TRANSLATE_NOOP("history", "Zeitraum:")};
constexpr Text kSpans[] = {{"history", QT_TRANSLATE_NOOP("history", "alles")},
                           {"history", QT_TRANSLATE_NOOP("history", "heute")},
                           {"history", QT_TRANSLATE_NOOP("history", "7 Tage")},
                           {"history", QT_TRANSLATE_NOOP("history", "30 Tage")},
                           {"history", QT_TRANSLATE_NOOP("history", "12 Monate")}};
constexpr int kSpanDays[] = {0, 1, 7, 30, 365};
constexpr Text kInterval{"history", QT_TRANSLATE_NOOP("history", "Kalibrierintervall:")};
constexpr Text kDays{"history", QT_TRANSLATE_NOOP("history", " Tage")};
constexpr Text kSite{"history", QT_TRANSLATE_NOOP("history", "Anlage:")};
constexpr Text kTechnicianField{"history", QT_TRANSLATE_NOOP("history", "Techniker:")};
constexpr Text kExport{"history", QT_TRANSLATE_NOOP("history", "Exportieren…")};
constexpr Text kSaveChart{"history", QT_TRANSLATE_NOOP("history", "Diagramm speichern…")};
constexpr Text kPrintChart{"history", QT_TRANSLATE_NOOP("history", "Diagramm drucken…")};
using platform::kClose;
constexpr Text kCannotOpen{"history", QT_TRANSLATE_NOOP("history", "Die Historie kann nicht geöffnet werden: %1")};
constexpr Text kNoHistory{"history", QT_TRANSLATE_NOOP("history", "Es wird keine Historie geführt.")};
constexpr Text kExported{"history", QT_TRANSLATE_NOOP("history", "%1 Ereignisse exportiert nach %2")};
constexpr Text kReportWritten{"history", QT_TRANSLATE_NOOP("history", "Servicebericht geschrieben: %1")};
constexpr Text kCertificate{"history", QT_TRANSLATE_NOOP("history", "Zertifikat…")};
constexpr Text kCertificateWritten{"history", QT_TRANSLATE_NOOP("history", "Kalibrierzertifikat geschrieben: %1")};
constexpr Text kNotWritten{"history", QT_TRANSLATE_NOOP("history", "Nicht geschrieben: %1")};
constexpr Text kExportFilter{"history",
                             QT_TRANSLATE_NOOP("history", "CSV (*.csv) | *.csv | JSON-Zeilen (*.jsonl) | *.jsonl ||")};

QString ToQ(const std::string& s) { return QString::fromStdString(s); }

QString Local(std::int64_t ms, Language l) {
  if (ms <= 0) return QStringLiteral("-");
  return platform::ShownDateTime(QDateTime::fromMSecsSinceEpoch(ms), l);
}

QTableWidget* Table(QWidget* parent, int columns) {
  auto* t = new QTableWidget(0, columns, parent);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->hide();
  t->horizontalHeader()->setStretchLastSection(true);
  t->setWordWrap(false);
  return t;
}

template <std::size_t N>
void Headers(QTableWidget* t, const Text (&names)[N], Language l) {
  QStringList list;
  for (const Text& n : names) list << QString::fromStdString(Tr(l, n));
  t->setHorizontalHeaderLabels(list);
}

// A cell that may be too narrow for its text carries the whole text as its tool tip.
void Cell(QTableWidget* t, int row, int column, const QString& text, bool tip = false) {
  auto* item = new QTableWidgetItem(text);
  if (tip) item->setToolTip(text);
  t->setItem(row, column, item);
}

// The details keep all three columns in sight: the field names take what they need up to
// a limit, "before" and "after" share the rest, and a long text (a calibration's result)
// wraps instead of pushing "after" out of the table.
void FitDetails(QTableWidget* t) {
  QHeaderView* h = t->horizontalHeader();
  h->setStretchLastSection(false);
  h->setSectionResizeMode(0, QHeaderView::Interactive);
  h->setSectionResizeMode(1, QHeaderView::Stretch);
  h->setSectionResizeMode(2, QHeaderView::Stretch);
  t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->setWordWrap(true);
}

}  // namespace

HistoryWindow::HistoryWindow(Options options, Language language, QWidget* parent)
    : QDialog(parent), options_(std::move(options)), language_(language) {
  setObjectName(QStringLiteral("historyWindow"));
  Build();
  Retranslate();
  Reload();
  resize(1100, 760);
}

HistoryWindow::~HistoryWindow() = default;

std::int64_t HistoryWindow::Now() const { return options_.now ? options_.now() : QDateTime::currentMSecsSinceEpoch(); }

void HistoryWindow::Build() {
  auto* top = new QVBoxLayout(this);
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setStyleSheet(QStringLiteral("color: #b00000"));
  problem_->setWordWrap(true);
  problem_->hide();
  top->addWidget(problem_);

  auto* split = new QSplitter(Qt::Vertical, this);
  modules_ = Table(split, static_cast<int>(std::size(kModuleColumns)));
  modules_->setObjectName(QStringLiteral("modules"));
  split->addWidget(modules_);

  auto* middle = new QWidget(split);
  auto* middleLayout = new QVBoxLayout(middle);
  middleLayout->setContentsMargins(0, 0, 0, 0);
  auto* filters = new QHBoxLayout;
  kindLabel_ = new QLabel(middle);
  kind_ = new QComboBox(middle);
  kind_->setObjectName(QStringLiteral("kindFilter"));
  spanLabel_ = new QLabel(middle);
  span_ = new QComboBox(middle);
  span_->setObjectName(QStringLiteral("spanFilter"));
  intervalLabel_ = new QLabel(middle);
  family_ = new QComboBox(middle);
  family_->setObjectName(QStringLiteral("family"));
  interval_ = new QSpinBox(middle);
  interval_->setObjectName(QStringLiteral("interval"));
  interval_->setRange(1, 3650);
  for (QWidget* w :
       std::initializer_list<QWidget*>{kindLabel_, kind_, spanLabel_, span_, intervalLabel_, family_, interval_})
    filters->addWidget(w);
  filters->addStretch();
  middleLayout->addLayout(filters);
  auto* lists = new QSplitter(Qt::Horizontal, middle);
  events_ = Table(lists, static_cast<int>(std::size(kEventColumns)));
  events_->setObjectName(QStringLiteral("events"));
  details_ = Table(lists, static_cast<int>(std::size(kDetailColumns)));
  details_->setObjectName(QStringLiteral("details"));
  details_->setSelectionMode(QAbstractItemView::NoSelection);
  FitDetails(details_);
  lists->addWidget(events_);
  lists->addWidget(details_);
  lists->setStretchFactor(0, 1);
  lists->setStretchFactor(1, 1);
  middleLayout->addWidget(lists);
  split->addWidget(middle);

  auto* bottom = new QWidget(split);
  auto* bottomLayout = new QVBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  chart_ = new DriftChart(bottom);
  chart_->setObjectName(QStringLiteral("driftChart"));
  bottomLayout->addWidget(chart_);
  trend_ = new QLabel(bottom);
  trend_->setObjectName(QStringLiteral("trend"));
  bottomLayout->addWidget(trend_);
  split->addWidget(bottom);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  split->setStretchFactor(2, 4);
  top->addWidget(split, 1);

  auto* buttons = new QHBoxLayout;
  siteLabel_ = new QLabel(this);
  site_ = new QLineEdit(ToQ(options_.site), this);
  site_->setObjectName(QStringLiteral("site"));
  const auto button = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  export_ = button("export");
  report_ = button("report");
  certificate_ = button("certificate");
  saveChart_ = button("saveChart");
  printChart_ = button("printChart");
  close_ = button("close");
  technicianLabel_ = new QLabel(this);
  technician_ = new QLineEdit(ToQ(options_.technician), this);
  technician_->setObjectName(QStringLiteral("technician"));
  technician_->setMaxLength(80);
  buttons->addWidget(siteLabel_);
  buttons->addWidget(site_, 1);
  buttons->addWidget(technicianLabel_);
  buttons->addWidget(technician_, 1);
  for (QPushButton* b : {report_, certificate_, export_, saveChart_, printChart_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close_);
  top->addLayout(buttons);

  connect(modules_, &QTableWidget::itemSelectionChanged, this, &HistoryWindow::OnModuleChosen);
  connect(events_, &QTableWidget::itemSelectionChanged, this, &HistoryWindow::OnEventChosen);
  connect(kind_, &QComboBox::currentIndexChanged, this, &HistoryWindow::FillEvents);
  connect(span_, &QComboBox::currentIndexChanged, this, &HistoryWindow::FillEvents);
  connect(family_, &QComboBox::currentIndexChanged, this, &HistoryWindow::OnFamilyChosen);
  connect(interval_, &QSpinBox::valueChanged, this, &HistoryWindow::OnIntervalChanged);
  connect(export_, &QPushButton::clicked, this, &HistoryWindow::OnExport);
  connect(report_, &QPushButton::clicked, this, &HistoryWindow::OnReport);
  connect(certificate_, &QPushButton::clicked, this, &HistoryWindow::OnCertificate);
  connect(saveChart_, &QPushButton::clicked, this, [this] {
    if (!options_.ui) return;
    platform::FileDialogSpec dialog{"pdf", "drift.pdf", "PDF (*.pdf) | *.pdf | PNG (*.png) | *.png ||", true, "chart"};
    const std::optional<std::string> path = options_.ui->SaveFile(dialog);
    if (!path) return;
    std::string error;
    if (!chart_->SaveTo(*path, &error, language_))
      options_.ui->Message(platform::Fill(Tr(language_, kNotWritten), error));
  });
  connect(printChart_, &QPushButton::clicked, this, [this] { chart_->Print(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  connect(site_, &QLineEdit::editingFinished, this, [this] {
    options_.site = site_->text().trimmed().toStdString();
    if (options_.saveSite) options_.saveSite(options_.site);
  });
  connect(technician_, &QLineEdit::editingFinished, this, [this] {
    const std::string typed = technician_->text().trimmed().toStdString();
    if (typed == options_.technician) return;
    // The caller keeps it and hands back the name it records (blank: the account's).
    if (options_.saveTechnician)
      options_.saveTechnician(typed);
    else
      options_.technician = typed;
  });
}

void HistoryWindow::setTechnician(const std::string& name) {
  options_.technician = name;
  technician_->setText(ToQ(name));
}

void HistoryWindow::Retranslate() {
  const Language l = language_;
  setWindowTitle(QString::fromUtf8(Tr(l, kTitle)));
  Headers(modules_, kModuleColumns, l);
  Headers(events_, kEventColumns, l);
  Headers(details_, kDetailColumns, l);
  kindLabel_->setText(QString::fromUtf8(Tr(l, kKind)));
  spanLabel_->setText(QString::fromUtf8(Tr(l, kSpan)));
  intervalLabel_->setText(QString::fromUtf8(Tr(l, kInterval)));
  siteLabel_->setText(QString::fromUtf8(Tr(l, kSite)));
  technicianLabel_->setText(QString::fromUtf8(Tr(l, kTechnicianField)));
  export_->setText(QString::fromUtf8(Tr(l, kExport)));
  report_->setText(QString::fromUtf8(Tr(l, kReportTitle)));
  certificate_->setText(QString::fromUtf8(Tr(l, kCertificate)));
  saveChart_->setText(QString::fromUtf8(Tr(l, kSaveChart)));
  printChart_->setText(QString::fromUtf8(Tr(l, kPrintChart)));
  close_->setText(QString::fromUtf8(Tr(l, kClose)));
  interval_->setSuffix(QString::fromUtf8(Tr(l, kDays)));

  const QSignalBlocker blockKind(kind_), blockSpan(span_), blockFamily(family_);
  const int kind = std::max(0, kind_->currentIndex()), span = std::max(0, span_->currentIndex());
  const int family = std::max(0, family_->currentIndex());
  kind_->clear();
  kind_->addItem(QString::fromUtf8(Tr(l, kAllKinds)));
  for (const std::string& k : KnownKinds()) kind_->addItem(ToQ(KindName(k, l)), ToQ(k));
  kind_->setCurrentIndex(kind);
  span_->clear();
  for (const Text& s : kSpans) span_->addItem(QString::fromStdString(Tr(l, s)));
  span_->setCurrentIndex(span);
  family_->clear();
  for (types::Family f : CalibratedFamilies()) family_->addItem(ToQ(FamilyName(f, l)), static_cast<int>(f));
  family_->setCurrentIndex(family);
  OnFamilyChosen();
}

void HistoryWindow::setLanguage(Language language) {
  language_ = language;
  Retranslate();
  FillModules();
  FillEvents();
}

void HistoryWindow::Reload() {
  openProblem_.clear();
  std::string warning;
  if (options_.location.path.empty() && options_.location.backend == store::Location::Backend::kSqlite) {
    openProblem_ = Tr(language_, kNoHistory);
  } else if (options_.location.backend == store::Location::Backend::kSqlite &&
             !QFileInfo::exists(ToQ(options_.location.path))) {
    // A history never written has no modules yet; looking does not make one. One this
    // program saw is gone (and what the window had open of it is no longer shown).
    store_.Close();
    if (options_.witness)
      if (const std::optional<SeenHead> seen = options_.witness->Remembered(WitnessKey(options_.location)))
        warning = RollbackText({*seen, std::nullopt, options_.witness->Where()}, language_);
  } else if (!store_.isOpen()) {
    std::string why;
    store::OpenOptions read;
    read.readOnly = true;
    if (!store_.Open(options_.location, read, &why, nullptr))
      openProblem_ = platform::Fill(Tr(language_, kCannotOpen), why);
  }
  // A history that lost the head this program saw is shown, and said to be so.
  if (store_.isOpen() && options_.witness) {
    std::optional<Rollback> rollback;
    std::string why;
    Head head;
    if (CheckWitness(store_, *options_.witness, &rollback, &why) && rollback)
      warning = RollbackText(*rollback, language_);
    else if (!rollback && store_.ReadHead(&head, &why) && head.seq > 0)
      options_.witness->Remember(WitnessKey(options_.location), {head, Now(), options_.program}, &why);
  }
  const std::string shown = openProblem_.empty() ? warning : openProblem_;
  problem_->setText(ToQ(shown));
  problem_->setVisible(!shown.empty());
  export_->setEnabled(openProblem_.empty());
  report_->setEnabled(openProblem_.empty());
  FillModules();
}

void HistoryWindow::FillModules() {
  const std::string chosen = modules_->currentRow() >= 0 && modules_->currentRow() < static_cast<int>(rows_.size())
                                 ? rows_[static_cast<std::size_t>(modules_->currentRow())].module.identity
                                 : std::string();
  rows_.clear();
  std::vector<std::string> headings;
  const std::int64_t now = Now();
  if (store_.isOpen()) {
    std::string why;
    for (const KnownModule& m : store_.Modules(&why)) {
      rows_.push_back(RowOf(m, options_.intervals, now, language_));
      // Where each sensor is heading, from its calibrations alone.
      EventFilter calibrations;
      calibrations.identity = m.identity;
      calibrations.kind = kCalibrationKind;
      headings.push_back(HeadingFor(store_.Events(calibrations, &why), now, language_));
    }
  }
  const QSignalBlocker block(modules_);
  modules_->setRowCount(static_cast<int>(rows_.size()));
  const Language l = language_;
  int chosenRow = rows_.empty() ? -1 : 0;
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const ModuleRow& row = rows_[static_cast<std::size_t>(r)];
    const KnownModule& m = row.module;
    if (m.identity == chosen) chosenRow = r;
    Cell(modules_, r, 0, ToQ(ShownIdentity(m.identity)));
    Cell(modules_, r, 1, ToQ(row.typeName));
    Cell(modules_, r, 2, QString::number(m.address));
    Cell(modules_, r, 3, ToQ(m.firmware.empty() ? "-" : m.firmware));
    Cell(modules_, r, 4, Local(m.lastSeenMs, l));
    Cell(modules_, r, 5,
         m.lastSavedCalibrationMs > 0 ? Local(m.lastSavedCalibrationMs, l) : QString::fromUtf8(Tr(l, kNever)));
    Cell(modules_, r, 6, row.daysSinceCalibration ? QString::number(*row.daysSinceCalibration) : QStringLiteral("-"));
    Cell(modules_, r, 7, row.due ? ToQ(platform::Fill(Tr(l, kDue), row.intervalDays)) : QString());
    if (row.due) modules_->item(r, 7)->setForeground(QColor(0xb0, 0, 0));
    Cell(modules_, r, 8, ToQ(headings[static_cast<std::size_t>(r)]));
  }
  modules_->resizeColumnsToContents();
  if (chosenRow >= 0) modules_->selectRow(chosenRow);
  OnModuleChosen();
}

void HistoryWindow::ShowModule(const std::string& identity) {
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
    if (rows_[static_cast<std::size_t>(r)].module.identity == identity) modules_->selectRow(r);
}

void HistoryWindow::ShowAddress(int address) {
  int best = -1;
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const KnownModule& m = rows_[static_cast<std::size_t>(r)].module;
    if (m.address == address && (best < 0 || m.lastSeenMs > rows_[static_cast<std::size_t>(best)].module.lastSeenMs))
      best = r;
  }
  if (best >= 0) modules_->selectRow(best);
}

void HistoryWindow::OnModuleChosen() {
  moduleEvents_.clear();
  const int r = modules_->currentRow();
  if (store_.isOpen() && r >= 0 && r < static_cast<int>(rows_.size())) {
    EventFilter filter;
    filter.identity = rows_[static_cast<std::size_t>(r)].module.identity;
    std::string why;
    moduleEvents_ = store_.Events(filter, &why);
  }
  const std::int64_t now = Now();
  chart_->Fill(DriftOf(moduleEvents_, language_), now, language_);
  std::string trends;
  for (const std::string& t : chart_->trendTexts()) trends += (trends.empty() ? "" : "; ") + t;
  trend_->setText(ToQ(trends));
  FillEvents();
}

ViewFilter HistoryWindow::Filter() const {
  ViewFilter f;
  if (kind_->currentIndex() > 0) f.kinds.push_back(kind_->currentData().toString().toStdString());
  const int span = span_->currentIndex();
  if (span > 0) {
    const int days = kSpanDays[span];
    // "today" begins at local midnight; the others count back from now.
    if (days == 1)
      f.sinceMs = QDateTime(QDateTime::fromMSecsSinceEpoch(Now()).date(), QTime(0, 0)).toMSecsSinceEpoch();
    else
      f.sinceMs = Now() - static_cast<std::int64_t>(days * kDayMs);
  }
  return f;
}

void HistoryWindow::FillEvents() {
  shown_ = Shown(moduleEvents_, Filter());
  const QSignalBlocker block(events_);
  events_->setRowCount(static_cast<int>(shown_.size()));
  for (int r = 0; r < static_cast<int>(shown_.size()); ++r) {
    const Event& e = shown_[static_cast<std::size_t>(r)];
    Cell(events_, r, 0, Local(e.timeMs, language_));
    Cell(events_, r, 1, ToQ(KindName(e.kind, language_)));
    Cell(events_, r, 2, ToQ(e.technician));
    Cell(events_, r, 3, ToQ(Summary(e, language_)), true);
  }
  events_->resizeColumnsToContents();
  if (!shown_.empty()) events_->selectRow(0);
  OnEventChosen();
}

const Event* HistoryWindow::ChosenEvent() const {
  const int r = events_->currentRow();
  return r >= 0 && r < static_cast<int>(shown_.size()) ? &shown_[static_cast<std::size_t>(r)] : nullptr;
}

void HistoryWindow::OnEventChosen() {
  const int r = events_->currentRow();
  const Event* chosen = ChosenEvent();
  certificate_->setEnabled(chosen && chosen->kind == kCalibrationKind);
  std::vector<DetailRow> rows;
  if (r >= 0 && r < static_cast<int>(shown_.size())) rows = DetailRows(shown_[static_cast<std::size_t>(r)], language_);
  details_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const DetailRow& d = rows[static_cast<std::size_t>(i)];
    std::string label = d.label;
    if (options_.fieldLabel && r >= 0)
      if (std::string l = options_.fieldLabel(d.label, shown_[static_cast<std::size_t>(r)].type); !l.empty()) label = l;
    Cell(details_, i, 0, ToQ(label), true);
    Cell(details_, i, 1, ToQ(d.first), true);
    Cell(details_, i, 2, ToQ(d.second), true);
  }
  // A long field name wraps beyond some 24 characters rather than crowd the values.
  details_->resizeColumnToContents(0);
  details_->setColumnWidth(0, std::min(details_->fontMetrics().averageCharWidth() * 24, details_->columnWidth(0)));
}

void HistoryWindow::OnFamilyChosen() {
  if (family_->currentIndex() < 0) return;
  const QSignalBlocker block(interval_);
  interval_->setValue(options_.intervals.For(static_cast<types::Family>(family_->currentData().toInt())));
}

void HistoryWindow::OnIntervalChanged(int days) {
  if (family_->currentIndex() < 0) return;
  options_.intervals.days[static_cast<types::Family>(family_->currentData().toInt())] = days;
  if (options_.saveIntervals) options_.saveIntervals(options_.intervals);
  FillModules();
}

void HistoryWindow::OnExport() {
  if (!options_.ui) return;
  platform::FileDialogSpec dialog{"csv", "history.csv", Tr(language_, kExportFilter), true, "export"};
  const std::optional<std::string> path = options_.ui->SaveFile(dialog);
  if (!path) return;
  const bool json = QString::fromStdString(*path).endsWith(QLatin1String(".jsonl"), Qt::CaseInsensitive) ||
                    QString::fromStdString(*path).endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
  const std::string text = json ? EventsJsonLines(shown_) : EventsCsv(shown_, language_);
  std::string error;
  if (!platform::SaveFileReplacing(*path, text, &error, language_)) {
    options_.ui->Message(platform::Fill(Tr(language_, kNotWritten), error));
    return;
  }
  options_.ui->Message(platform::Fill(Tr(language_, kExported), static_cast<int>(shown_.size()), path->c_str()));
}

void HistoryWindow::OnReport() {
  if (!options_.ui) return;
  const std::int64_t now = Now();
  const QDate today = QDateTime::fromMSecsSinceEpoch(now).date();
  const QString name =
      QStringLiteral("%1-%2.pdf")
          .arg(QString::fromUtf8(Tr(language_, kReportTitle)).replace(QLatin1Char(' '), QLatin1Char('-')),
               today.toString(Qt::ISODate));
  platform::FileDialogSpec dialog{"pdf", name.toStdString(), "PDF (*.pdf) | *.pdf ||", true, "report"};
  const std::optional<std::string> path = options_.ui->SaveFile(dialog);
  if (!path) return;
  ReportRequest request;
  ReportInput& in = request.input;
  in.site = site_->text().trimmed().toStdString();
  if (in.site != options_.site && options_.saveSite) options_.saveSite(options_.site = in.site);
  in.technician = options_.technician;
  in.program = options_.program;
  in.language = language_;
  in.nowMs = now;
  in.fieldLabel = options_.fieldLabel;
  in.fieldRank = options_.fieldRank;
  in.calibrationKeys = options_.calibrationKeys;
  request.witness = options_.witness;
  request.location = options_.location;
  // The span the window shows; "everything" is today's visit, as on the command line.
  const ViewFilter f = Filter();
  in.sinceMs = f.sinceMs ? *f.sinceMs : QDateTime(today, QTime(0, 0)).toMSecsSinceEpoch();
  in.untilMs = now + 1;
  std::string error;
  // Without a store (a history not written yet, or gone) the report says so.
  if (!WriteReportFile(*path, store_.isOpen() ? &store_ : nullptr, request, &error)) {
    options_.ui->Message(platform::Fill(Tr(language_, kNotWritten), error));
    return;
  }
  options_.ui->Message(platform::Fill(Tr(language_, kReportWritten), path->c_str()));
}

void HistoryWindow::OnCertificate() {
  const Event* e = ChosenEvent();
  if (!options_.ui || !e || e->kind != kCalibrationKind) return;
  const Event calibration = *e;
  platform::FileDialogSpec dialog{"pdf", CertificateFileName(calibration, language_), "PDF (*.pdf) | *.pdf ||", true,
                                  "report"};
  const std::optional<std::string> path = options_.ui->SaveFile(dialog);
  if (!path) return;
  std::string error;
  if (!WriteCertificateFile(*path, calibration, language_, &error)) {
    options_.ui->Message(platform::Fill(Tr(language_, kNotWritten), error));
    return;
  }
  options_.ui->Message(platform::Fill(Tr(language_, kCertificateWritten), path->c_str()));
}

}  // namespace korvane::history
