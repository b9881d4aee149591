// The parametrization's windows on offscreen widgets: the type list, the controls a type
// enables, the up-downs driving the outputs, closing, and the raw value window.
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include "parametrization/widgets/ParametrizationDialog.h"
#include "parametrization/widgets/RawValueWindow.h"
#include "parametrization/widgets/TypeSelectionDialog.h"
#include "support/ParametrizationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::parametrization {
namespace {

TEST(TypeSelectionDialog, ShowsTheGermanNamesFromEntry0) {
  TypeSelectionDialog d;
  EXPECT_EQ(d.windowTitle().toStdString(), "Typ auswählen");
  QComboBox* list = d.typeList();
  ASSERT_EQ(list->count(), 31);
  EXPECT_EQ(d.selection(), 0);
  EXPECT_EQ(list->itemText(0).toStdString(), "pH");
  EXPECT_EQ(list->itemText(7).toStdString(), "Sauerstoff");
  EXPECT_EQ(list->itemText(19).toStdString(), "Anzeigemodul");
  EXPECT_EQ(list->itemText(30).toStdString(), "20µS ZK=0.1");
  list->setCurrentIndex(19);
  EXPECT_EQ(d.selection(), 19);
}

struct DialogFixture : ::testing::Test {
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1);
  test::RecordingRawView raw;
  ParamFields fields;
  Parametrization session{sim.link, ui, sim.context, raw, fields};

  std::unique_ptr<ParametrizationDialog> Open(int type) {
    sim.link.module().typeIndex = type;
    session.Initialize();
    sim.bus.ClearLog();
    return std::make_unique<ParametrizationDialog>(session);
  }
};

TEST_F(DialogFixture, ControlsEnabledByType) {
  const Control range[] = {Control::kRangeSwitch1, Control::kRangeSwitch2, Control::kRangeSwitch3,
                           Control::kRangeSwitch4};
  const Control perType[] = {Control::kTemperature0, Control::kTemperature100, Control::kRange00,    Control::kRange01,
                             Control::kRange10,      Control::kRange11,        Control::kRange20,    Control::kRange21,
                             Control::kRange30,      Control::kRange31,        Control::kAirPressure};
  struct Case {
    int type;
    bool range, measure, other;
  } cases[] = {{0, false, false, true},   {3, true, false, true},  {5, true, false, true},  {7, false, true, true},
               {19, false, false, false}, {20, true, false, true}, {23, true, false, true}, {24, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    auto d = Open(c.type);
    for (Control id : range) EXPECT_EQ(d->control(id)->isEnabled(), c.range) << ControlName(id);
    EXPECT_EQ(d->control(Control::kMeasureAirPressure)->isEnabled(), c.measure);
    for (Control id : perType)
      EXPECT_EQ(d->control(id)->isEnabled(), id == Control::kAirPressure ? c.measure : c.other) << ControlName(id);
    // Never touched by the type.
    for (Control id : {Control::kRange10Second, Control::kRange11Second, Control::kRange20Second, Control::kBattery,
                       Control::kProgramDacLimits, Control::kWriteDeviceNumber, Control::kWriteCalibrationDelay,
                       Control::kWriteScreenSaver, Control::kReadReport, Control::kPrintReport, Control::kExit})
      EXPECT_TRUE(d->control(id)->isEnabled()) << ControlName(id);
  }
}

TEST_F(DialogFixture, ShowsTheFieldsWithoutDrivingTheOutputs) {
  Open(0);
  // The second opening shows what the module holds now; edit changes are active.
  amp->SetParameter(26, {'Q', '1', '2', '3'});
  amp->SetParameter(19, link::U16Data(3000));
  auto d = Open(0);
  EXPECT_EQ(static_cast<QLineEdit*>(d->control(Control::kDeviceNumber))->text(), "Q123");
  EXPECT_EQ(static_cast<QSpinBox*>(d->control(Control::kDac0Upper))->value(), 3000);
  const QString report = static_cast<QLabel*>(d->control(Control::kReport))->text();
  EXPECT_EQ(report.count('\n'), 24);
  EXPECT_FALSE(report.contains('\r'));
  static_cast<QPushButton*>(d->control(Control::kReadReport))->click();  // "Aktualisieren" shows the fields again
  for (const link::Frame& f : sim.bus.received()) EXPECT_EQ(link::FrameGroup(f), link::kRead);
}

TEST_F(DialogFixture, UpDownClicksDriveTheOutputAndCloseLeavesAdjustMode) {
  auto d = Open(0);
  auto* upper = static_cast<QSpinBox*>(d->control(Control::kDac0Upper));
  upper->setValue(4095);
  upper->stepBy(1);
  upper->stepBy(1);  // at the top of its range: no change, nothing sent
  EXPECT_EQ(upper->value(), 4096);
  EXPECT_EQ(test::Trace(sim.bus), (std::vector<std::string>{"0/67", "0/63", "0/63"}));
  EXPECT_EQ(amp->dacOutput(0), 4096);
  auto* lower = static_cast<QSpinBox*>(d->control(Control::kDac3Lower));
  lower->setValue(0);
  lower->stepBy(-1);
  EXPECT_EQ(lower->value(), 0);
  EXPECT_EQ(amp->dacOutput(3), 0);

  sim.bus.ClearLog();
  d->reject();
  EXPECT_EQ(test::Trace(sim.bus), (std::vector<std::string>{"0/68"}));
  EXPECT_FALSE(amp->dacAdjustMode());
}

TEST(RawValueWindow, SmallFramelessAtTheTopLeftCorner) {
  RawValueWindow w;
  w.Open(0);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
  EXPECT_EQ(w.field()->text(), "0");
  EXPECT_TRUE(w.field()->isReadOnly());
  w.Show(40000);
  EXPECT_EQ(w.field()->text(), "40000");
  w.Close();
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace korvane::parametrization
