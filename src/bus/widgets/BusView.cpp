#include "bus/widgets/BusView.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bus/AddressList.h"
#include "bus/BusPoll.h"
#include "bus/BusRecording.h"
#include "bus/BusTexts.h"
#include "link/Link.h"
#include "measurement/Recording.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::bus {
namespace {

QString U(const std::string& s) { return QString::fromStdString(s); }

// Columns: address, type, the six fields, calibration, state.
constexpr int kAddressColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kFirstValueColumn = 2;
constexpr int kCalibrationColumn = 8;
constexpr int kStateColumn = 9;

constexpr platform::Text kValueHeader{"bus", QT_TRANSLATE_NOOP("bus", "Wert %1")};
constexpr platform::Text kTemperatureHeader{"bus", QT_TRANSLATE_NOOP("bus", "Temperatur")};

}  // namespace

BusView::BusView(Parts parts, Language language, QWidget* parent)
    : QDialog(parent), parts_(std::move(parts)), language_(language) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  recording_ = std::make_unique<measurement::Recording>(parts_.ui, parts_.clock);

  addressesLabel_ = new QLabel(this);
  addressEdit_ = new QLineEdit(this);
  addressEdit_->setObjectName(QStringLiteral("addresses"));
  start_ = new QPushButton(this);
  start_->setObjectName(QStringLiteral("busStart"));
  start_->setAutoDefault(false);
  recordButton_ = new QPushButton(this);
  recordButton_->setObjectName(QStringLiteral("busRecording"));
  recordButton_->setAutoDefault(false);
  recordStatus_ = new QLabel(this);
  recordStatus_->setObjectName(QStringLiteral("busRecordingStatus"));
  auto* top = new QHBoxLayout;
  top->addWidget(addressesLabel_);
  top->addWidget(addressEdit_, 1);
  top->addWidget(start_);
  top->addWidget(recordButton_);

  rows_ = new QTreeWidget(this);
  rows_->setObjectName(QStringLiteral("busRows"));
  rows_->setRootIsDecorated(false);
  rows_->setColumnCount(kStateColumn + 1);
  rows_->setUniformRowHeights(true);
  // A row's context menu opens that module's history.
  rows_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(rows_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QTreeWidgetItem* row = rows_->itemAt(at);
    if (!row) return;
    QMenu menu(this);
    QAction* history = menu.addAction(U(Tr(language_, kRowHistory)));
    if (menu.exec(rows_->viewport()->mapToGlobal(at)) == history)
      emit historyRequested(row->data(kAddressColumn, Qt::UserRole).toInt());
  });
  rows_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  rows_->header()->setStretchLastSection(true);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("busStatus"));
  status_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(rows_, 1);
  layout->addWidget(recordStatus_);
  layout->addWidget(status_);

  connect(start_, &QPushButton::clicked, this, &BusView::OnStartStop);
  connect(recordButton_, &QPushButton::clicked, this, &BusView::OnRecordingSetup);
  connect(addressEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    std::string error;
    if (const auto list = ParseAddressList(text.toStdString(), &error)) {
      addresses_ = *list;
      status_->clear();
      BuildRows();
    } else {
      status_->setText(U(error));
    }
    Refresh();
  });
  // Start and the recording set-up wait while another flow has the line.
  connect(&parts_.link, &link::Link::lineHeldChanged, this, &BusView::Refresh);
  setLanguage(language);
  resize(1100, 320);
}

BusView::~BusView() {
  // A running engine stops with the window; its line goes free.
  if (poll_) delete poll_.data();
}

bool BusView::running() const { return poll_ && poll_->running(); }

void BusView::setAddresses(const std::vector<std::uint8_t>& addresses) {
  if (running()) return;
  addresses_ = addresses;
  addressEdit_->setText(U(AddressListText(addresses_)));
  status_->clear();
  BuildRows();
  Refresh();
}

void BusView::setLanguage(Language language) {
  language_ = language;
  setWindowTitle(U(Tr(language, kBusCaption)));
  addressesLabel_->setText(U(Tr(language, kAddressesLabel)));
  recordButton_->setText(U(Tr(language, kRecordFile)));
  QStringList headers{U(Tr(language, kColumnAddress)), U(Tr(language, kColumnType))};
  for (int c = 1; c <= 5; ++c) headers << U(platform::Fill(Tr(language, kValueHeader), c));
  headers << U(Tr(language, kTemperatureHeader)) << U(Tr(language, kColumnCalibration))
          << U(Tr(language, kColumnState));
  rows_->setHeaderLabels(headers);
  Refresh();
}

void BusView::BuildRows() {
  rows_->clear();
  typeNotes_.clear();
  for (std::uint8_t a : addresses_) {
    auto* row = new QTreeWidgetItem(rows_);
    row->setText(kAddressColumn, QString::number(a));
    row->setData(kAddressColumn, Qt::UserRole, a);
    row->setTextAlignment(kAddressColumn, Qt::AlignRight | Qt::AlignVCenter);
    row->setText(kStateColumn, U(Tr(language_, kWaiting)));
  }
}

QTreeWidgetItem* BusView::Row(std::uint8_t address) {
  for (int i = 0; i < rows_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = rows_->topLevelItem(i);
    if (row->data(kAddressColumn, Qt::UserRole).toInt() == address) return row;
  }
  return nullptr;
}

void BusView::Refresh() {
  const bool run = running();
  const bool free = !parts_.link.lineHeld();
  start_->setText(U(run ? Tr(language_, kStop) : Tr(language_, kStart)));
  // Start waits while another flow holds the line; stop is always there while it runs.
  start_->setEnabled(run ? !poll_->stopping() : free && !addresses_.empty());
  addressEdit_->setEnabled(!run);
  recordButton_->setEnabled(!run && free);
  recordStatus_->setText(recording_->isOpen() ? U(recording_->statusText()) : U(Tr(language_, kNoRecording)));
}

void BusView::OnStartStop() {
  if (running()) {
    poll_->Stop();
    Refresh();
    return;
  }
  Start();
}

void BusView::Start() {
  if (addresses_.empty() || parts_.link.lineHeld()) return;
  status_->clear();
  if (!parts_.link.OpenPort(language_)) {
    parts_.ui.Message(parts_.link.openMessage());
    return;
  }
  BuildRows();
  auto* poll = new BusPoll(parts_.link, {addresses_, period_, language_}, parts_.clock, this);
  connect(poll, &BusPoll::sampleReady, this, &BusView::OnSample);
  connect(poll, &BusPoll::ended, this, &BusView::OnEnded);
  if (recording_->isOpen()) {
    auto* lines = new BusRecording(*recording_, std::chrono::milliseconds(interval_.Milliseconds()), language_,
                                   parts_.clock, this);
    connect(poll, &BusPoll::sampleReady, lines, &BusRecording::Take);
    connect(lines, &BusRecording::failed, this, &BusView::OnRecordingFailed);
    lines_ = lines;
  }
  poll_ = poll;
  if (!poll->Start()) {
    status_->setText(U(std::string(Tr(language_, types::kCommError)) + " " + poll->startFailure()));
    delete poll;
    if (lines_) delete lines_.data();
    Refresh();
    return;
  }
  if (lines_) lines_->Start();
  Refresh();
}

void BusView::OnSample(const BusSample& sample) {
  QTreeWidgetItem* row = Row(sample.address);
  if (!row) return;
  if (sample.previousType)
    typeNotes_[sample.address] =
        platform::Fill(Tr(language_, kTypeChanged), types::TypeName(sample.previousType - 1, language_));
  if (sample.type > 0) row->setText(kTypeColumn, QStringLiteral("%1 %2").arg(sample.type).arg(U(sample.typeName)));
  const bool live = sample.state == ModuleState::kLive;
  for (std::size_t c = 0; c < sample.channels.size(); ++c) {
    const ChannelSample& ch = sample.channels[c];
    const int column = kFirstValueColumn + static_cast<int>(c);
    // A missing module keeps its last values, greyed, as the main window's stale fields;
    // a value the module left unanswered shows "---", greyed, as there.
    const bool unanswered = live && !ch.value && !ch.text.empty();
    if (live) {
      const std::string unit = c == 5 ? std::string("°C") : ch.unit;
      row->setText(column, U(unit.empty() || unanswered ? ch.text : ch.text + " " + unit));
      row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    row->setToolTip(column, U(ch.name));
    row->setForeground(column,
                       palette().brush(live && !unanswered ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  }
  row->setText(kCalibrationColumn, U(sample.calibration).trimmed());
  ShowState(row, sample);
}

void BusView::ShowState(QTreeWidgetItem* row, const BusSample& sample) {
  std::string state = sample.state == ModuleState::kLive
                          ? Tr(language_, kLive)
                          : platform::Fill(Tr(language_, kMissingSince), ClockText(sample.since));
  if (const auto note = typeNotes_.find(sample.address); note != typeNotes_.end()) state += ", " + note->second;
  row->setText(kStateColumn, U(state));
}

void BusView::OnEnded(const QString& reason) {
  if (lines_) {
    lines_->Stop();
    lines_->deleteLater();
  }
  // The line went away: the window says why; the recording keeps its whole lines.
  if (!reason.isEmpty())
    status_->setText(U(std::string(Tr(language_, kEnded)) + " " + Tr(language_, types::kCommError) + " ") + reason);
  if (poll_) poll_->deleteLater();
  poll_ = nullptr;
  // The rows keep their last values, but no row may still claim to be live.
  for (int i = 0; i < rows_->topLevelItemCount(); ++i)
    rows_->topLevelItem(i)->setText(kStateColumn, U(Tr(language_, kStoppedState)));
  Refresh();
  if (closeWanted_) close();
}

void BusView::OnRecordingFailed(const QString& notice) {
  // The file ends with its last whole line; the modules stay on the screen.
  status_->setText(notice);
  recording_->Close();
  Refresh();
}

void BusView::OnRecordingSetup() {
  if (running() || parts_.link.lineHeld()) return;
  recording_->Setup(language_, interval_, parts_.intervals);
  Refresh();
}

void BusView::reject() { close(); }

void BusView::closeEvent(QCloseEvent* event) {
  // The chain under way completes; the window goes when the engine has ended.
  if (running()) {
    closeWanted_ = true;
    poll_->Stop();
    event->ignore();
    return;
  }
  closeWanted_ = false;
  QDialog::closeEvent(event);
}

}  // namespace korvane::bus
