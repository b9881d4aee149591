#include "logger/widgets/ClockDialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

#include "logger/DeviceClock.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

// %1 day, %2 month, %3 year, %4:%5:%6 the time, %7 the difference to the PC's clock.
constexpr types::Text kDevice{"logger", QT_TRANSLATE_NOOP("logger", "Gerät: %1.%2.%3 %4:%5:%6, %7")};
// The fields follow the PC's clock a few times a second, so no second is skipped.
constexpr int kTickMs = 200;

}  // namespace

ClockDialog::ClockDialog(platform::Clock now, const std::optional<platform::LocalTime>& device, Language language,
                         QWidget* parent)
    : QDialog(parent), now_(std::move(now)), deviceAtOpen_(device), pcAtOpen_(now_()), language_(language) {
  setWindowTitle(QStringLiteral("Setup"));
  date_ = new QDateEdit(this);
  date_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  date_->setCalendarPopup(true);
  time_ = new QTimeEdit(this);
  time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  device_ = new QLabel(this);
  device_->setObjectName(QStringLiteral("deviceClock"));
  device_->setVisible(device.has_value());
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QString::fromUtf8(Tr(language, types::kCancel)), this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Once the user changes a field, the fields hold what the user set.
  const auto userEdit = [this] {
    if (!showing_) edited_ = true;
  };
  connect(date_, &QDateEdit::dateChanged, this, userEdit);
  connect(time_, &QTimeEdit::timeChanged, this, userEdit);
  auto* layout = new QGridLayout(this);
  layout->addWidget(date_, 0, 0);
  layout->addWidget(time_, 1, 0);
  layout->addWidget(device_, 2, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons, 3, 0);
  tick_ = new QTimer(this);
  connect(tick_, &QTimer::timeout, this, &ClockDialog::Tick);
  tick_->start(kTickMs);
  Tick();
}

void ClockDialog::Show(const platform::LocalTime& t) {
  showing_ = true;
  date_->setDate(QDate(t.year, t.month, t.day));
  time_->setTime(QTime(t.hour, t.minute, t.second));
  showing_ = false;
}

void ClockDialog::Tick() {
  const platform::LocalTime pc = now_();
  if (!edited_) Show(pc);
  if (!deviceAtOpen_) return;
  // The device's clock runs on as the PC's does; the difference stays as read.
  const std::int64_t difference = CivilSeconds(*deviceAtOpen_) - CivilSeconds(pcAtOpen_);
  const platform::LocalTime d = CivilTime(CivilSeconds(pc) + difference);
  const std::string shown = ClockDifferenceText(difference, language_);
  const auto two = [](int v) { return platform::StringPrintf("%02d", v); };
  const std::string text =
      platform::Fill(Tr(language_, kDevice), two(d.day), two(d.month), platform::StringPrintf("%04d", d.year),
                     two(d.hour), two(d.minute), two(d.second), shown);
  device_->setText(QString::fromStdString(text));
}

platform::LocalTime ClockDialog::time() const {
  if (!edited_) return now_();
  const QDate d = date_->date();
  const QTime t = time_->time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::optional<platform::LocalTime> ClockDialog::Ask(QWidget* parent, platform::Clock now,
                                                    const std::optional<platform::LocalTime>& device,
                                                    Language language) {
  ClockDialog dialog(std::move(now), device, language, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.time();
}

}  // namespace korvane::logger
