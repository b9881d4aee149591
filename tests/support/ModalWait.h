#pragma once
// Runs a test's user on a modal dialog of type Dialog as soon as it is shown, so a test
// can drive a flow that opens it with exec().
#include <QApplication>
#include <QTimer>

#include <functional>

namespace korvane::test {

template <class Dialog>
void WhenModalShows(std::function<void(Dialog&)> user) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, user = std::move(user)] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!d) return;
    poll->stop();
    poll->deleteLater();
    user(*d);
  });
  poll->start();
}

}  // namespace korvane::test
