#include "platform/widgets/WaitNotice.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace korvane::platform {

WaitNotice::WaitNotice(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Info"));
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  auto* label = new QLabel(text, this);
  label->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  setMinimumWidth(300);
  // Like a progress window: nothing in the window it belongs to starts meanwhile.
  setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  show();
  // The work that follows blocks the event loop: paint the notice first.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korvane::platform
