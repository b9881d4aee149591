// The configuration button's whole road with the real dialog: read from a simulated
// module, the dialog (driven like a user), the OK type check and the write.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "configuration/SetupFile.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "support/ModalWait.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::configuration {
namespace {

// Runs user on the configuration dialog as soon as it is shown modally.
void WhenDialogShows(std::function<void(ConfigurationDialog&)> user) {
  test::WhenModalShows<ConfigurationDialog>(std::move(user));
}

std::vector<std::uint8_t> WrittenParameters(const std::vector<link::Frame>& frames) {
  std::vector<std::uint8_t> out;
  for (const link::Frame& f : frames)
    if (link::FrameGroup(f) == 3) out.push_back(link::FrameParameter(f));
  return out;
}

TEST(DialogEndToEnd, ConductivityRangeSwitchIsWrittenAfterOk) {
  test::ScriptedUi ui;
  test::SimLink sim(ui);
  auto amp = sim.AddAmplifier(/*wire type*/ 4, /*address*/ 1, /*kind*/ 3);  // "2000µS"
  sim.context.address = 1;
  ConfigTransfer transfer(sim.link, ui, sim.context);
  ConfigSettings s;

  std::vector<std::string> offered;
  WhenDialogShows([&](ConfigurationDialog& d) {
    QComboBox* types = d.combo(ctl::kMeasurementType);
    for (int i = 0; i < types->count(); ++i) offered.push_back(types->itemText(i).toStdString());
    types->setCurrentIndex(2);  // "20mS"
    d.edit(ctl::kRelay1Limit)->setText("12.5");
    d.button(ctl::kOk)->click();
  });
  QtConfigurationEditor editor(nullptr, ui);
  ASSERT_TRUE(transfer.ReadConfiguration(s, editor));
  EXPECT_EQ(offered, (std::vector<std::string>{"200µS", "2000µS", "20mS", "100mS"}));
  EXPECT_TRUE(ui.Messages().empty());

  const std::vector<std::uint8_t> written = WrittenParameters(sim.bus.received());
  auto at = [&](std::uint8_t p) { return std::find(written.begin(), written.end(), p) - written.begin(); };
  ASSERT_NE(at(28), static_cast<long>(written.size()));
  EXPECT_GT(at(28), at(38));
  EXPECT_LT(at(28), at(73));
  EXPECT_EQ(amp->ParameterByte(28), 5);
  EXPECT_FLOAT_EQ(amp->ParameterFloat(55), 12.5f);
}

TEST(DialogEndToEnd, SetupFileOfAnotherFamilyIsRefusedByOk) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("ph.qx4").toStdString();
  ConfigSettings ph;  // a pH configuration
  ph.address = 0;
  {
    std::ofstream out(path, std::ios::binary);
    out << SetupFile::BuildSetupText(ph);
  }

  test::ScriptedUi ui;
  test::SimLink sim(ui);
  sim.AddAmplifier(4, 0, 3);  // conductivity "2000µS"
  ConfigTransfer transfer(sim.link, ui, sim.context);
  ConfigSettings s;
  ui.openFiles.push_back(path);

  bool stayedOpen = false;
  bool addressRefused = false;
  WhenDialogShows([&](ConfigurationDialog& d) {
    d.button(ctl::kOpen)->click();
    EXPECT_EQ(d.combo(ctl::kMeasurementType)->count(), 31);
    d.button(ctl::kOk)->click();
    stayedOpen = d.isVisible();
    d.edit(ctl::kAddress)->setText("32");
    d.button(ctl::kOk)->click();
    addressRefused = d.isVisible();
    d.button(ctl::kCancel)->click();
  });
  const std::size_t readFrames = 31;
  QtConfigurationEditor editor(nullptr, ui);
  EXPECT_FALSE(transfer.ReadConfiguration(s, editor));
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(addressRefused);
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"Fehler!\nDer Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!",
                                      "Geben Sie eine ganze Zahl zwischen 0 und 31 ein."}));
  // The reads and the one re-read of the type on OK; nothing written.
  EXPECT_EQ(sim.bus.received().size(), readFrames + 1);
  EXPECT_TRUE(WrittenParameters(sim.bus.received()).empty());
}

}  // namespace
}  // namespace korvane::configuration
