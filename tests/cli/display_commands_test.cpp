// korvane-cli display-read, display-write and display-contrast against the simulated
// display unit (which listens only at 19200 baud).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

#include "DisplayCommands.h"
#include "DisplayUnit.h"
#include "display/DisplayTransfer.h"
#include "support/DisplayDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using link::Frame;

platform::LocalTime DisplayClockTime() { return {2026, 5, 6, 7, 8, 0}; }

struct DisplayCli : ::testing::Test {
  DisplayCli() {
    sim.bus.Add(unit);
    QObject::connect(&sim.link, &link::Link::frameSent, [this](const Frame& f) {
      sent.push_back(f);
      sim.bus.SetLineBaud(sim.link.baudRate());
    });
  }
  int Run(const char* command, cli::Args args) {
    cli::CommonOptions options;
    options.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    options.language = Language::kGerman;
    err.str("");
    cli::CliContext ctx(options, out, err, &sim.link, &DisplayClockTime);
    return cli::RunCommand(ctx, command, std::move(args));
  }
  // Settings the file will overwrite.
  void Scramble() {
    unit->SetParameter(130, link::ByteData(17));
    unit->SetParameter(39, link::FloatData(99.0f));
    unit->SetParameter(164, link::ByteData(50));
  }

  ScriptedUi ui;
  SimLink sim{ui, link::LinkTimings::Fast(), DisplayClockTime};
  std::shared_ptr<sim::DisplayUnit> unit = std::make_shared<sim::DisplayUnit>();
  QTemporaryDir dir;
  std::string file = QDir(dir.path()).filePath("unit.rw8").toStdString();
  std::ostringstream out, err;
  std::vector<Frame> sent;
};

TEST_F(DisplayCli, ReadSaveLoadWriteSendsWhatTheDialogsSend) {
  ASSERT_EQ(Run("display-read", {"-o", file}), 0) << err.str();
  EXPECT_EQ(sent.size(), 46u + 12u);

  Scramble();
  sent.clear();
  ASSERT_EQ(Run("display-write", {file}), 0) << err.str();
  const std::vector<Frame> written(sent.begin() + 1, sent.end());  // after the contact read
  EXPECT_EQ(unit->StoredParameter(130)[0], 1);
  EXPECT_EQ(link::DataFloat(unit->StoredParameter(39)), 0.0f);
  EXPECT_EQ(unit->ParameterByte(164), 43 + 12);
  EXPECT_EQ(sim.link.baudRate(), 4800);

  // The same file opened in the dialog (its contrast goes out as from the edit), OK.
  Scramble();
  sent.clear();
  ui.openFiles.push_back(file);
  display::DisplayTransfer transfer(sim.link, ui, Language::kGerman, DisplayClockTime);
  ScriptedDisplayEditor editor([](display::DisplaySettings& s, display::DisplayActions& a) {
    if (!a.Load(s)) return false;
    a.SetContrast(s.contrast);
    return true;
  });
  display::DisplaySettings s;
  ASSERT_TRUE(transfer.Configure(s, editor));
  EXPECT_EQ(std::vector<Frame>(sent.begin() + 46, sent.end()), written);
}

TEST_F(DisplayCli, ABadFileSendsNothing) {
  ASSERT_EQ(Run("display-read", {"-o", file}), 0) << err.str();
  QFile f(QString::fromStdString(file));
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  QByteArray bytes = f.readAll();
  bytes.replace("SERIAL_INTERVAL==90", "SERIAL_INTERVAL==91");
  f.seek(0);
  f.write(bytes);
  f.close();
  sent.clear();
  EXPECT_EQ(Run("display-write", {file}), 4);
  EXPECT_TRUE(sent.empty());
  EXPECT_NE(err.str().find("Zeile 48: die Prüfsumme stimmt nicht"), std::string::npos) << err.str();
  EXPECT_EQ(Run("display-write", {file + ".missing"}), 6);
  EXPECT_TRUE(sent.empty());
}

TEST_F(DisplayCli, AUnitValueOutsideTheFilesRangesIsNamedAndNothingSaved) {
  unit->SetParameter(164, link::ByteData(7));             // contrast 7 - 43
  unit->SetParameter(39, link::Data4{0, 0, 0xC0, 0x7F});  // not a number
  EXPECT_EQ(Run("display-read", {"-o", file}), 6);
  EXPECT_NE(err.str().find("CONTRAST: \"-36\""), std::string::npos) << err.str();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
}

TEST_F(DisplayCli, ContrastAsTheEditSendsIt) {
  struct Case {
    const char* value;
    int exit;
    std::size_t frames;
  };
  for (const Case& c : {Case{"25", 2, 0}, Case{"-1", 2, 0}, Case{"x", 2, 0}, Case{"0", 0, 2}, Case{"20", 0, 2}}) {
    sent.clear();
    EXPECT_EQ(Run("display-contrast", {c.value}), c.exit) << c.value;
    EXPECT_EQ(sent.size(), c.frames) << c.value;
  }
  EXPECT_EQ(unit->stored(), (std::vector<std::uint8_t>{43, 63}));
}

}  // namespace
}  // namespace korvane::test
