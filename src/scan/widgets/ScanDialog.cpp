#include "scan/widgets/ScanDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "link/Frame.h"
#include "platform/Texts.h"
#include "scan/ScanTexts.h"
#include "types/Catalogue.h"

namespace korvane::scan {
namespace {
QString U(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

ScanDialog::ScanDialog(const ScanResult& result, Language language, QWidget* parent) : QDialog(parent) {
  setWindowTitle(U(Tr(language, kScanCaption)));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("scanList"));
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({U(Tr(language, kColumnAddress)), U(Tr(language, kColumnType)), U(Tr(language, kColumnKind)),
                          U(Tr(language, kColumnIdentity))});
  for (const ScanHit& hit : result.found) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, hit.address == link::kDisplayAddress ? QStringLiteral("0x80") : QString::number(hit.address));
    item->setText(1, QStringLiteral("%1 %2")
                         .arg(hit.wireType)
                         .arg(QString::fromStdString(types::TypeName(hit.wireType - 1, language))));
    item->setText(2, hit.deviceKind < 0 ? QStringLiteral("-") : QString::number(hit.deviceKind));
    item->setText(3, QString::fromStdString(hit.identity));
    item->setData(0, Qt::UserRole, hit.address);
    item->setData(3, Qt::UserRole, QByteArray::fromStdString(hit.identity));
  }
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    chosen_ = item->data(0, Qt::UserRole).toInt();
    accept();
  });

  const std::string note = result.cancelled       ? Tr(language, kCancelled)
                           : result.found.empty() ? Tr(language, kNoneFound)
                                                  : Tr(language, kPickHint);
  auto* noteLabel = new QLabel(U(note), this);
  noteLabel->setObjectName(QStringLiteral("scanNote"));
  auto* buttons = new QDialogButtonBox(this);
  auto* bus = buttons->addButton(U(Tr(language, kBusButton)), QDialogButtonBox::ActionRole);
  bus->setObjectName(QStringLiteral("scanBus"));
  bus->setEnabled(!result.found.empty());
  connect(bus, &QPushButton::clicked, this, [this] {
    busWanted_ = true;
    accept();
  });
  auto* history = buttons->addButton(U(Tr(language, kHistoryButton)), QDialogButtonBox::ActionRole);
  history->setObjectName(QStringLiteral("scanHistory"));
  history->setEnabled(false);
  connect(list_, &QTreeWidget::currentItemChanged, this, [history](QTreeWidgetItem* item) {
    history->setEnabled(item && !item->data(3, Qt::UserRole).toByteArray().isEmpty());
  });
  connect(history, &QPushButton::clicked, this, [this] {
    if (!list_->currentItem()) return;
    historyOf_ = list_->currentItem()->data(3, Qt::UserRole).toByteArray().toStdString();
    accept();
  });
  buttons->addButton(U(Tr(language, kClose)), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(noteLabel);
  layout->addWidget(buttons);
  resize(520, 300);
}

ScanChoice QtScanDialogs::ChooseModule(const ScanResult& result, Language language) {
  ScanDialog dialog(result, language, parent_);
  ScanChoice choice;
  if (dialog.exec() != QDialog::Accepted) return choice;
  if (dialog.busWanted()) {
    for (const ScanHit& hit : result.found)
      if (hit.address <= kLastModuleAddress) choice.busModules.push_back(hit.address);
  } else if (dialog.historyOf()) {
    choice.historyOf = dialog.historyOf();
  } else if (dialog.chosenAddress() >= 0) {
    choice.address = dialog.chosenAddress();
  }
  return choice;
}

}  // namespace korvane::scan
