#include <gtest/gtest.h>

#include <QPushButton>
#include <QTime>
#include <QTimeEdit>

#include "app/widgets/IntervalDialog.h"

namespace korvane::app {
namespace {

TEST(IntervalDialog, CaptionsAndPicker) {
  IntervalDialog dlg;
  EXPECT_EQ(dlg.windowTitle(), "Aufzeichnungintervall");
  EXPECT_EQ(dlg.okButton()->text(), "OK");
  EXPECT_EQ(dlg.cancelButton()->text(), "Abbrechen");
  EXPECT_EQ(dlg.timeEdit()->displayFormat(), "HH:mm:ss");
}

TEST(IntervalDialog, PresetIsShownAndReadBackOnOk) {
  IntervalDialog dlg;
  dlg.setTime({0, 1, 30});
  EXPECT_EQ(dlg.timeEdit()->time(), QTime(0, 1, 30));
  dlg.timeEdit()->setTime(QTime(2, 3, 45));
  dlg.okButton()->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.time().hour, 2);
  EXPECT_EQ(dlg.time().minute, 3);
  EXPECT_EQ(dlg.time().second, 45);
}

TEST(IntervalDialog, CancelKeepsThePreset) {
  IntervalDialog dlg;
  dlg.setTime({23, 59, 59});
  dlg.timeEdit()->setTime(QTime(1, 0, 0));
  dlg.cancelButton()->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(dlg.time().hour, 23);
  EXPECT_EQ(dlg.time().minute, 59);
  EXPECT_EQ(dlg.time().second, 59);
}

TEST(IntervalDialog, UnshowablePresetStartsAtZero) {
  IntervalDialog dlg;
  dlg.setTime({-1, 0, 0});
  EXPECT_EQ(dlg.timeEdit()->time(), QTime(0, 0, 0));
  dlg.okButton()->click();
  EXPECT_EQ(dlg.time().hour, 0);
  EXPECT_EQ(dlg.time().minute, 0);
  EXPECT_EQ(dlg.time().second, 0);
}

}  // namespace
}  // namespace korvane::app
