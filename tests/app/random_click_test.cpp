// A restless user: for a while, a seeded random hand clicks whatever the frontmost
// window offers (buttons, number edits, lists), also in the middle of every flow's
// waits. The line never refuses a request, because no window lets a second flow ask,
// and nothing crashes (the sanitized suite also sees no memory fault). Seed and time:
// KORVANE_CLICK_SEED, KORVANE_CLICK_MS.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <random>

#include "app/MainController.h"
#include "live_wait.h"
#include "window_bench.h"

namespace korvane::test {
namespace {

int EnvNumber(const char* name, int fallback) {
  const QByteArray v = qgetenv(name);
  bool ok = false;
  const int n = v.toInt(&ok);
  return ok && n > 0 ? n : fallback;
}

class RandomHand {
 public:
  RandomHand(Desk& desk, unsigned seed, int ms) : desk_(desk), random_(seed), ms_(ms) {
    timer_.setInterval(3);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  }
  void Start() {
    clock_.start();
    timer_.start();
  }
  bool done() const { return done_; }
  int clicks() const { return clicks_; }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (clock_.elapsed() > ms_) return Unwind(modal);
    QWidget* window = modal ? modal : desk_.win.get();
    // Mostly the push buttons (they start the flows), now and then anything else.
    std::vector<QWidget*> buttons, others;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled() || w->window() != window || Excluded(w)) continue;
      if (qobject_cast<QPushButton*>(w))
        buttons.push_back(w);
      else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w))
        others.push_back(w);
    }
    const std::vector<QWidget*>& targets =
        buttons.empty() || (!others.empty() && random_() % 4 == 0) ? others : buttons;
    if (targets.empty()) {
      if (auto* d = qobject_cast<QDialog*>(modal)) QTimer::singleShot(0, d, [d] { d->reject(); });
      return;
    }
    QWidget* w = targets[std::uniform_int_distribution<std::size_t>(0, targets.size() - 1)(random_)];
    ++clicks_;
    if (qEnvironmentVariableIsSet("KORVANE_CLICK_TRACE"))
      qInfo("%d %s %s %s", clicks_, window->metaObject()->className(), w->metaObject()->className(),
            qobject_cast<QAbstractButton*>(w) ? qPrintable(qobject_cast<QAbstractButton*>(w)->text()) : "");
    // From its own event: the hand's timer keeps ticking while the click runs a flow
    // (a timer does not fire again inside its own handler).
    const Qt::Key arrow = random_() % 2 ? Qt::Key_Up : Qt::Key_Down;
    QTimer::singleShot(0, w, [w, arrow] {
      if (!w->isVisible() || !w->isEnabled()) return;
      if (qobject_cast<QComboBox*>(w))
        QTest::keyClick(w, arrow);
      else
        Poke(w, arrow);
    });
  }

  // Leaving the program, another port, the about box and another module address are
  // not part of this play.
  bool Excluded(QWidget* w) const {
    const app::MainWindow& win = *desk_.win;
    return w == win.button("exit") || w == win.button("setup") || w == win.addressSpin() ||
           (w->window() == &win && qobject_cast<QToolButton*>(w));
  }

  // Time is up: close what is open, stop a measurement, until the program is idle.
  void Unwind(QWidget* modal) {
    if (qEnvironmentVariableIsSet("KORVANE_CLICK_TRACE"))
      qInfo("unwind %s held %d", modal ? modal->metaObject()->className() : "-", desk_.sim.link.lineHeld());
    if (auto* d = qobject_cast<QDialog*>(modal)) {
      QTimer::singleShot(0, d, [d] { d->reject(); });
      return;
    }
    if (desk_.sim.link.lineHeld() && !desk_.win->controller().running()) return;  // a flow finishes
    if (desk_.win->controller().running()) {
      QTimer::singleShot(0, desk_.win.get(), [this] { desk_.win->controller().OnStartStop(); });
      return;
    }
    timer_.stop();
    done_ = true;
  }

  Desk& desk_;
  std::mt19937 random_;
  int ms_;
  QElapsedTimer clock_;
  QTimer timer_;
  int clicks_ = 0;
  bool done_ = false;
};

TEST(RandomClicks, NoWindowLetsASecondFlowOntoTheLine) {
  const unsigned seed = static_cast<unsigned>(EnvNumber("KORVANE_CLICK_SEED", 21));
  const int ms = EnvNumber("KORVANE_CLICK_MS", 4000);
  SCOPED_TRACE("KORVANE_CLICK_SEED=" + std::to_string(seed));
  Desk desk(5);
  // Files to read out into and save to, and a "yes" now and then (clearing a logger).
  for (int i = 0; i < 500; ++i) {
    desk.ui.saveFiles.push_back(desk.Path(i % 2 ? "a.txt" : "b.txt"));
    desk.ui.yesNo.push_back(i % 3 == 0);
  }
  RandomHand hand(desk, seed, ms);
  hand.Start();
  ASSERT_TRUE(WaitUntil([&] { return hand.done(); }, ms + 60000));
  EXPECT_GT(hand.clicks(), 50);
  EXPECT_EQ(desk.sim.link.refusedRequests(), 0);
  EXPECT_FALSE(desk.sim.link.lineHeld());
}

}  // namespace
}  // namespace korvane::test
