// The three calibration dialogs, driven offscreen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <clocale>

#include "calibration/widgets/TwoChoiceDialog.h"
#include "calibration/widgets/CalibrationResultDialog.h"
#include "calibration/widgets/CalibrationValueDialog.h"
#include "calibration/widgets/QtCalibrationUi.h"

namespace korvane::calibration {
namespace {

// An entry dialog whose refusals are recorded instead of shown.
struct Entry {
  Entry(float preset) {
    dialog.value = preset;
    dialog.prompt = "Aktuellen Pufferwert eingeben.";
    dialog.unit = "pH";
    dialog.refuse = [this](QWidget*, const std::string& text) { refusals.push_back(text); };
    dialog.open();
  }
  void Type(const QString& text) {
    dialog.edit()->selectAll();
    dialog.edit()->insert(text);
  }
  CalibrationValueDialog dialog;
  std::vector<std::string> refusals;
};

void PressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

TEST(ValueEntryTest, ShowsSixSignificantDigits) {
  const struct {
    float preset;
    const char* shown;
  } cases[] = {{1013.25f, "1013.25"},       {1013.256f, "1013.26"}, {7.0f, "7"}, {0.0f, "0"}, {-59.1667f, "-59.1667"},
               {1234567.0f, "1.23457e+06"}, {0.000125f, "0.000125"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Entry e(c.preset);
    EXPECT_EQ(e.dialog.edit()->text().toStdString(), c.shown);
    e.dialog.reject();
  }
}

TEST(ValueEntryTest, PromptUnitAndTitle) {
  Entry e(7.0f);
  EXPECT_EQ(e.dialog.windowTitle(), "Korvane");
  EXPECT_EQ(e.dialog.findChild<QLabel*>("prompt")->text(), "Aktuellen Pufferwert eingeben.");
  EXPECT_EQ(e.dialog.findChild<QLabel*>("unit")->text(), "pH");
  e.dialog.reject();
}

TEST(ValueEntryTest, AcceptsNumbersWithAPointOnly) {
  const struct {
    const char* text;
    float value;
  } good[] = {{"4.01", 4.01f}, {" 4.01 ", 4.01f}, {"-12", -12.0f}, {"+7", 7.0f}, {"1e3", 1000.0f}, {".5", 0.5f}};
  for (const auto& c : good) {
    SCOPED_TRACE(c.text);
    Entry e(7.0f);
    e.Type(c.text);
    e.dialog.okButton()->click();
    EXPECT_EQ(e.dialog.result(), 1);
    EXPECT_FALSE(e.dialog.isVisible());
    EXPECT_EQ(e.dialog.value, c.value);
    EXPECT_TRUE(e.refusals.empty());
  }
}

TEST(ValueEntryTest, RefusesWhatIsNotANumberAndStaysOpen) {
  for (const char* text : {"7;01", "", "abc", "7,0,1", "1.234,5", "7.0x", "4.01 pH", "nan", "inf", "1e39", "--4"}) {
    SCOPED_TRACE(text);
    Entry e(7.0f);
    e.Type(QString::fromUtf8(text));
    e.dialog.okButton()->click();
    EXPECT_TRUE(e.dialog.isVisible());
    ASSERT_EQ(e.refusals.size(), 1u);
    EXPECT_EQ(e.refusals[0], "Geben Sie eine Zahl ein.");
    EXPECT_EQ(e.dialog.value, 7.0f);
    // The user corrects the text and the dialog then closes.
    e.Type("7.01");
    e.dialog.accept();
    EXPECT_FALSE(e.dialog.isVisible());
    EXPECT_EQ(e.dialog.result(), 1);
    EXPECT_EQ(e.dialog.value, 7.01f);
  }
}

TEST(ValueEntryTest, RefusalKeepsTheFocusInTheEdit) {
  Entry e(7.0f);
  e.dialog.activateWindow();
  e.Type("7;01");
  e.dialog.okButton()->setFocus();
  e.dialog.okButton()->click();
  EXPECT_EQ(e.dialog.focusWidget(), e.dialog.edit());
  e.dialog.reject();
}

TEST(ValueEntryTest, ClosingOtherwiseKeepsThePreset) {
  {
    Entry e(7.0f);
    e.Type("4.01");
    e.dialog.close();  // the close box
    EXPECT_EQ(e.dialog.result(), 2);
    EXPECT_EQ(e.dialog.value, 7.0f);
  }
  {
    Entry e(7.0f);
    e.Type("4.01");
    PressKey(e.dialog.edit(), Qt::Key_Escape);
    EXPECT_FALSE(e.dialog.isVisible());
    EXPECT_EQ(e.dialog.result(), 2);
    EXPECT_EQ(e.dialog.value, 7.0f);
  }
}

TEST(ValueEntryTest, EnterInTheEditActsAsOk) {
  Entry e(7.0f);
  e.Type("4.01");
  PressKey(e.dialog.edit(), Qt::Key_Return);
  EXPECT_EQ(e.dialog.result(), 1);
  EXPECT_EQ(e.dialog.value, 4.01f);
}

TEST(ValueEntryTest, NumbersIgnoreTheUserLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  EXPECT_EQ(CalibrationValueDialog::ShowNumber(1013.25f), "1013.25");
  EXPECT_EQ(CalibrationValueDialog::ParseNumber("7.01"), 7.01f);
  EXPECT_EQ(CalibrationValueDialog::ParseNumber("7,01"), 7.01f);  // the German decimal comma
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ValueEntryTest, SameObjectOpensWithTheLastValue) {
  Entry e(0.0f);
  e.Type("7");
  e.dialog.accept();
  e.dialog.open();
  EXPECT_EQ(e.dialog.edit()->text(), "7");
  e.dialog.reject();
}

TEST(ResultDisplayTest, CaptionsRowsAndResults) {
  CalibrationResultDialog d;
  d.saveCaption = "Save";
  d.exitCaption = "Exit";
  d.labels = {"", "Luftdruck", ""};
  d.values = {"", "1013 hPa", ""};
  d.open();
  EXPECT_EQ(d.windowTitle(), "Korvane");
  EXPECT_EQ(d.saveButton()->text(), "Save");
  EXPECT_EQ(d.exitButton()->text(), "Exit");
  EXPECT_EQ(d.labelText(0)->text(), "");
  EXPECT_EQ(d.valueText(0)->text(), "");
  EXPECT_EQ(d.labelText(1)->text(), "Luftdruck");
  EXPECT_EQ(d.valueText(1)->text(), "1013 hPa");
  EXPECT_EQ(d.labelText(2)->text(), "");
  EXPECT_EQ(d.valueText(2)->text(), "");
  d.saveButton()->click();
  EXPECT_EQ(d.result(), 1);

  d.open();
  d.exitButton()->click();
  EXPECT_EQ(d.result(), 2);

  d.open();
  d.close();
  EXPECT_EQ(d.result(), 2);
}

TEST(ChoiceTest, FirstButtonOneSecondButtonAndCloseBoxTwo) {
  TwoChoiceDialog d;
  d.firstCaption = "Oxygen";
  d.secondCaption = "Air pressure";
  d.open();
  EXPECT_EQ(d.windowTitle(), "Korvane");
  EXPECT_EQ(d.firstButton()->text(), "Oxygen");
  EXPECT_EQ(d.secondButton()->text(), "Air pressure");
  d.firstButton()->click();
  EXPECT_EQ(d.result(), 1);
  EXPECT_EQ(d.choice, 1);

  d.open();
  d.secondButton()->click();
  EXPECT_EQ(d.result(), 2);
  EXPECT_EQ(d.choice, 2);

  d.choice = 0;
  d.open();
  d.close();
  EXPECT_EQ(d.result(), 2);
  EXPECT_EQ(d.choice, 0);

  d.open();
  PressKey(&d, Qt::Key_Escape);
  EXPECT_EQ(d.result(), 2);
}

// Runs `answer` on the modal dialog once it is up; closes any dialog left open so a
// broken dialog fails the test instead of hanging it.
template <typename Dialog, typename Answer>
void WhenOpen(QObject* guard, Answer answer) {
  QTimer::singleShot(0, guard, [answer] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (d) answer(d);
  });
  QTimer::singleShot(2000, guard, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->done(99);
  });
}

TEST(RunDialogsTest, ValueEntryTakesThePresetAndGivesBackTheNumber) {
  QObject guard;
  QtCalibrationUi dialogs;
  ValueEntry entry{"Aktuellen Luftdruck eingeben.", "hPa", 1000.0f};
  std::string shown;
  WhenOpen<CalibrationValueDialog>(&guard, [&shown](CalibrationValueDialog* d) {
    shown = d->edit()->text().toStdString();
    d->edit()->setText("1013.25");
    d->okButton()->click();
  });
  EXPECT_EQ(dialogs.EnterValue(entry), EntryResult::kAccepted);
  EXPECT_EQ(shown, "1000");
  EXPECT_EQ(entry.value, 1013.25f);

  WhenOpen<CalibrationValueDialog>(&guard, [](CalibrationValueDialog* d) {
    d->edit()->setText("900");
    d->close();
  });
  EXPECT_EQ(dialogs.EnterValue(entry), EntryResult::kClosed);
  EXPECT_EQ(entry.value, 1013.25f);
}

TEST(RunDialogsTest, ResultDisplayAndChoice) {
  QObject guard;
  QtCalibrationUi dialogs;
  ResultRows rows;
  rows.saveCaption = "Speichern";
  rows.exitCaption = "Beenden";
  rows.labels = {"Asymmetrie", "Steilheit", ""};
  rows.values = {"0.0 mV", "-59.2 mV/pH", ""};
  std::string value2;
  WhenOpen<CalibrationResultDialog>(&guard, [&value2](CalibrationResultDialog* d) {
    value2 = d->valueText(1)->text().toStdString();
    d->saveButton()->click();
  });
  EXPECT_EQ(dialogs.ShowResult(rows), ResultAction::kSave);
  EXPECT_EQ(value2, "-59.2 mV/pH");

  WhenOpen<TwoChoiceDialog>(&guard, [](TwoChoiceDialog* d) { d->close(); });
  EXPECT_EQ(dialogs.Choose("Sauerstoff", "Luftdruck"), Choice::kSecond);
  WhenOpen<TwoChoiceDialog>(&guard, [](TwoChoiceDialog* d) { d->firstButton()->click(); });
  EXPECT_EQ(dialogs.Choose("Sauerstoff", "Luftdruck"), Choice::kFirst);
}

}  // namespace
}  // namespace korvane::calibration
