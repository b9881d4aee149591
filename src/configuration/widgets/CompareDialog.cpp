#include "configuration/widgets/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/CommonTexts.h"
#include "platform/ShownText.h"
#include "platform/Texts.h"
#include "types/Cp1252.h"

namespace korvane::configuration {
namespace {

constexpr platform::Text kTitle{"configuration", QT_TRANSLATE_NOOP("configuration", "Vergleich")};
constexpr platform::Text kKey{"configuration", QT_TRANSLATE_NOOP("configuration", "Schlüssel")};
constexpr platform::Text kField{"configuration", QT_TRANSLATE_NOOP("configuration", "Feld")};
constexpr platform::Text kDialog{"configuration", QT_TRANSLATE_NOOP("configuration", "Dialog")};
using platform::kClose;

QString QText(const std::string& s) { return QString::fromStdString(s); }
// A value of a setup text (Windows-1252) as the table shows it.
QString Value(const std::string& bytes) { return QText(platform::ShownText(types::FromWindows1252(bytes))); }

}  // namespace

CompareDialog::CompareDialog(const std::vector<FieldDifference>& rows, const std::string& other, Language lang,
                             QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QText(Tr(lang, kTitle)));
  table_ = new QTableWidget(static_cast<int>(rows.size()), 4, this);
  table_->setHorizontalHeaderLabels(
      {QText(Tr(lang, kKey)), QText(Tr(lang, kField)), QText(Tr(lang, kDialog)), QText(other)});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const FieldDifference& d = rows[static_cast<std::size_t>(r)];
    const QString cells[] = {QText(d.key), QText(d.label), Value(d.first), Value(d.second)};
    for (int c = 0; c < 4; ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QText(Tr(lang, kClose)));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(640, 360);
}

}  // namespace korvane::configuration
