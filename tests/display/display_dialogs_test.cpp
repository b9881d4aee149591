// The display unit dialog and its outputs dialog: captions, the checks of OK, the live
// contrast and the buttons, with a recorder in place of the unit.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

#include "display/widgets/DisplayOutputsDialog.h"
#include "display/widgets/DisplayUnitDialog.h"
#include "platform/widgets/SpinEdit.h"
#include "support/DisplayDoubles.h"
#include "support/ScriptedUi.h"

namespace korvane::display {
namespace {

QStringList ButtonTexts(const QWidget& w) {
  QStringList l;
  for (const QPushButton* b : w.findChildren<QPushButton*>()) l << b->text();
  return l;
}

struct DisplayDialog : ::testing::Test {
  std::unique_ptr<DisplayUnitDialog> Open(Language language) {
    s.language = language;
    return std::make_unique<DisplayUnitDialog>(ui, s, actions, &outputs);
  }
  test::ScriptedUi ui;
  test::RecordingDisplayActions actions;
  test::ScriptedOutputsEditor outputs{[](DisplayOutputs&) { return false; }};
  DisplaySettings s;
};

TEST_F(DisplayDialog, CaptionsAndListsInBothLanguages) {
  struct Case {
    Language language;
    const char* title;
    const char* serial;
    std::vector<const char*> buttons;
    const char* noDisplay;
    const char* virtual2;
  };
  const Case cases[] = {
      {Language::kGerman,
       "Anzeige konfigurieren",
       "serielles Intervall in\nSekunden (10...300)",
       {"Information", "Auslesen", "Uhr stellen", "Löschen", "Konfigurieren", "Speichern", "Öffnen", "Abbrechen"},
       "keine Anzeige",
       "virtuell 2"},
      {Language::kEnglish,
       "Display configuration",
       "serial interval in\nseconds (10...300)",
       {"Information", "Read", "Clock setup", "Delete", "Configuration", "Save", "Open", "Cancel"},
       "no display",
       "virtual 2"},
  };
  for (const Case& c : cases) {
    auto d = Open(c.language);
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(d->serialCaption()->text(), QString::fromUtf8(c.serial));
    for (const char* b : c.buttons) EXPECT_TRUE(ButtonTexts(*d).contains(QString::fromUtf8(b))) << b;
    const QComboBox* position = d->position(0).choice;
    ASSERT_EQ(position->count(), 9);
    EXPECT_EQ(position->itemText(0), QString::fromUtf8(c.noDisplay));
    EXPECT_EQ(position->itemText(8), QString::fromUtf8(c.virtual2));
    EXPECT_EQ(d->virtualRow(0).operation->count(), 4);
  }
}

TEST_F(DisplayDialog, OkRefusesAFieldOutsideItsRangeAndNamesIt) {
  using Set = std::function<void(DisplayUnitDialog&)>;
  struct Case {
    Set set;
    const char* message;  // empty: accepted
  };
  const Case cases[] = {
      {[](DisplayUnitDialog& d) { d.position(2).address->setValue(32); },
       "address of display 3: please enter a whole number from 0 to 31."},
      {[](DisplayUnitDialog& d) { d.virtualRow(1).address2->setValue(-1); },
       "address 2 of virtual 2: please enter a whole number from 0 to 31."},
      {[](DisplayUnitDialog& d) { d.loggerInterval()->setValue(0); },
       "data logger interval: please enter a whole number from 1 to 999."},
      {[](DisplayUnitDialog& d) { d.loggerInterval()->setValue(1000); },
       "data logger interval: please enter a whole number from 1 to 999."},
      {[](DisplayUnitDialog& d) { d.contrast()->setValue(22); },
       "brightness: please enter a whole number from 0 to 21."},
      {[](DisplayUnitDialog& d) { d.serialInterval()->setValue(9); },
       "serial interval: please enter a whole number from 10 to 300."},
      {[](DisplayUnitDialog& d) { d.serialInterval()->setValue(301); },
       "serial interval: please enter a whole number from 10 to 300."},
      {[](DisplayUnitDialog& d) {
         d.serialInterval()->setValue(300);
         d.loggerInterval()->setValue(999);
         d.position(7).address->setValue(31);
       },
       ""},
  };
  for (const Case& c : cases) {
    ui.events.clear();
    auto d = Open(Language::kEnglish);
    c.set(*d);
    d->accept();
    if (*c.message) {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
      EXPECT_NE(d->result(), QDialog::Accepted);
    } else {
      EXPECT_TRUE(ui.Messages().empty());
      EXPECT_EQ(d->result(), QDialog::Accepted);
      EXPECT_EQ(s.serialInterval, 300);
      EXPECT_EQ(s.positions[7].address, 31);
    }
  }
}

TEST_F(DisplayDialog, ContrastGoesOutLiveUpTo20) {
  auto d = Open(Language::kGerman);
  d->show();
  d->contrast()->setValue(25);  // typed beyond the unit's range: shown as 20, nothing sent
  EXPECT_EQ(d->contrast()->value(), 20);
  d->contrast()->setValue(0);
  d->contrast()->stepBy(30);  // the arrows stop at 20
  EXPECT_EQ(actions.contrasts, (std::vector<int>{0, 20}));
}

TEST_F(DisplayDialog, LoggerButtonsCallTheUnitAndShowItsInformation) {
  actions.information = "Aktuelle Uhrzeit: 01.02.26 10:00:00\n\rDatenlogger ist freigegeben.";
  auto d = Open(Language::kGerman);
  d->OnInformation();
  d->OnReadLogger();
  d->OnClearLogger();
  d->OnOutputs();
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"information", "read", "clear", "outputs"}));
  EXPECT_EQ(d->information()->text(),
            QString::fromUtf8("Aktuelle Uhrzeit: 01.02.26 10:00:00\nDatenlogger ist freigegeben."));
}

TEST_F(DisplayDialog, OutputsOkTakesOnlyNumbersAndTheDecimalComma) {
  struct Case {
    const char* text;
    bool accepted;
  };
  for (const Case& c : {Case{"abc", false}, Case{"", false}, Case{"1e40", false}, Case{"1,5", true}}) {
    ui.events.clear();
    DisplayOutputs o;
    DisplayOutputsDialog dialog(ui, o, Language::kGerman);
    dialog.field(6)->setText(QString::fromUtf8(c.text));  // relay 1 limit
    dialog.current()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_EQ(o.relay1Limit, c.text);
      EXPECT_EQ(o.outputKind, 1);
    } else {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Relais1 Grenzwert: bitte eine Zahl eingeben (z. B. 12,5)."});
      EXPECT_EQ(o.relay1Limit, "0.00");
    }
  }
}

}  // namespace
}  // namespace korvane::display
