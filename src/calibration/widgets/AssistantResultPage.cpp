#include "calibration/widgets/AssistantResultPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "calibration/AssistantTexts.h"
#include "calibration/widgets/LimitBar.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

QString ResultText(const std::string& s) { return QString::fromStdString(s); }

constexpr Text kResultBefore{"calibration", QT_TRANSLATE_NOOP("calibration", "vorher")};
constexpr Text kResultAfter{"calibration", QT_TRANSLATE_NOOP("calibration", "nachher")};
constexpr Text kResultLimits{"calibration", QT_TRANSLATE_NOOP("calibration", "Grenzen")};

}  // namespace

AssistantResultPage::AssistantResultPage(QWidget* parent)
    : QWidget(parent),
      verdict_(new QLabel(this)),
      rows_(new QLabel(this)),
      table_(nullptr),
      tableHost_(new QWidget(this)),
      nernst_(new QLabel(this)),
      ending_(new QLabel(this)),
      certificate_(new QPushButton(this)),
      save_(new QPushButton(this)),
      exit_(new QPushButton(this)),
      close_(new QPushButton(this)) {
  verdict_->setObjectName(QStringLiteral("verdict"));
  nernst_->setObjectName(QStringLiteral("nernst"));
  ending_->setObjectName(QStringLiteral("ending"));
  save_->setObjectName(QStringLiteral("save"));
  exit_->setObjectName(QStringLiteral("exit"));
  certificate_->setObjectName(QStringLiteral("certificate"));
  verdict_->setWordWrap(true);
  QFont bold = verdict_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  verdict_->setFont(bold);
  ending_->setFont(bold);
  table_ = new QGridLayout(tableHost_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(verdict_);
  layout->addWidget(rows_);
  layout->addWidget(tableHost_);
  layout->addWidget(nernst_);
  layout->addWidget(ending_);
  layout->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(certificate_);
  buttons->addStretch(1);
  buttons->addWidget(save_);
  buttons->addWidget(exit_);
  buttons->addWidget(close_);
  layout->addLayout(buttons);
  connect(save_, &QPushButton::clicked, this, &AssistantResultPage::save);
  connect(exit_, &QPushButton::clicked, this, &AssistantResultPage::exit);
  connect(close_, &QPushButton::clicked, this, &AssistantResultPage::closed);
  connect(certificate_, &QPushButton::clicked, this, [this] {
    if (print_) print_();
  });
}

void AssistantResultPage::Clear() {
  while (QLayoutItem* item = table_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  bars_.clear();
}

void AssistantResultPage::Show(const ResultView& v, Language l) {
  Clear();
  print_ = v.printCertificate;
  const bool plausible = v.verdict.empty();
  verdict_->setText(plausible ? QString::fromUtf8(Tr(l, kPlausibleResult)) : ResultText(v.verdict));
  verdict_->setStyleSheet(plausible ? QStringLiteral("color: #007000") : QStringLiteral("color: #b00000"));
  QString rows;
  for (std::size_t i = 0; i < v.rows.labels.size(); ++i)
    if (!v.rows.labels[i].empty() || !v.rows.values[i].empty())
      rows += ResultText(v.rows.labels[i]) + QStringLiteral(": ") + ResultText(v.rows.values[i]) + QStringLiteral("\n");
  rows_->setText(rows.trimmed());
  int r = 0;
  const auto header = [&](int column, const Text& text) {
    table_->addWidget(new QLabel(QStringLiteral("<i>%1</i>").arg(QString::fromStdString(Tr(l, text))), tableHost_), r,
                      column);
  };
  header(1, kResultBefore);
  header(2, kResultAfter);
  header(3, kChange);
  header(5, kResultLimits);
  for (const JudgedValue& j : v.judgement.values) {
    ++r;
    table_->addWidget(new QLabel(ResultText(j.label), tableHost_), r, 0);
    table_->addWidget(new QLabel(ResultText(BeforeText(j)), tableHost_), r, 1);
    auto* after = new QLabel(QStringLiteral("<b>%1</b>").arg(ResultText(ValueText(j, j.after))), tableHost_);
    table_->addWidget(after, r, 2);
    table_->addWidget(new QLabel(ResultText(ChangeText(j)), tableHost_), r, 3);
    if (j.range) {
      auto* bar = new LimitBar(tableHost_);
      bar->setPositions(j.beforeAt, j.afterAt, j.within);
      bars_.push_back(bar);
      table_->addWidget(bar, r, 4);
      table_->addWidget(
          new QLabel(ResultText(platform::StringPrintf("%g … %g", j.range->low, j.range->high)), tableHost_), r, 5);
    }
  }
  QString nernst;
  if (v.judgement.slopePercent)
    nernst += ResultText(
        platform::Fill(Tr(l, kSlopePercent),
                       platform::StringPrintf("%.1f", platform::WithoutNegativeZero(*v.judgement.slopePercent, 1))));
  if (v.judgement.zeroPointMv)
    nernst += QStringLiteral("   ") +
              ResultText(platform::Fill(
                  Tr(l, kZeroPoint),
                  platform::StringPrintf("%.1f", platform::WithoutNegativeZero(*v.judgement.zeroPointMv, 1))));
  nernst_->setText(nernst.trimmed());
  nernst_->setVisible(!nernst.isEmpty());
  ending_->hide();
  save_->setText(ResultText(v.rows.saveCaption));
  exit_->setText(ResultText(v.rows.exitCaption));
  certificate_->setText(QString::fromUtf8(Tr(l, kCertificate)));
  certificate_->setEnabled(static_cast<bool>(print_));
  save_->show();
  exit_->show();
  close_->hide();
  save_->setDefault(plausible);
  exit_->setDefault(!plausible);
}

void AssistantResultPage::ShowEnd(const std::string& text, std::function<void()> print, Language l) {
  print_ = std::move(print);
  ending_->setText(ResultText(text));
  ending_->show();
  certificate_->setText(QString::fromUtf8(Tr(l, kCertificate)));
  certificate_->setEnabled(static_cast<bool>(print_));
  save_->hide();
  exit_->hide();
  close_->setText(QString::fromUtf8(Tr(l, kClose)));
  close_->show();
  close_->setDefault(true);
}

}  // namespace korvane::calibration
