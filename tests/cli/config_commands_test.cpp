// korvane-cli config-read / config-write / config-print against the simulator, each
// compared with what the configuration dialog does on the same module.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include <sys/stat.h>

#include "ConfigCommands.h"
#include "configuration/SetupFile.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "support/FileSizeLimit.h"
#include "support/ModalWait.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::configuration {
namespace {

using test::ScriptedUi;
using test::SimLink;

platform::LocalTime FixedTime() { return {2026, 5, 6, 7, 8, 0}; }

std::string ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A module with values that are not the simulator's defaults.
struct Module {
  int wireType;
  int kind;
  std::uint8_t address = 0;
};

std::shared_ptr<sim::Amplifier> AddModule(SimLink& sim, const Module& m) {
  auto amp = sim.AddAmplifier(m.wireType, m.address, m.kind);
  amp->SetParameterFloat(55, 7.25f);
  amp->SetParameterFloat(56, 0.5f);
  amp->SetParameterFloat(35, 3.0f);
  amp->SetParameterFloat(36, 1.0f);
  amp->SetParameterFloat(32, -3.5f);
  amp->SetParameterByte(51, 1);
  amp->SetParameterByte(68, 5);
  amp->SetParameter(26, {'K', 'V', '4', '2'});
  // Bytes no control can show: the limit type has two buttons, the check box two states.
  amp->SetParameterByte(63, 7);
  amp->SetParameterByte(73, 2);
  sim.context.address = m.address;
  return amp;
}

struct Cli {
  explicit Cli(SimLink& sim, Language language = Language::kGerman) {
    options.settingsFolder = QDir(dir.path()).filePath("Korvane").toStdString();
    options.language = language;
    options.address = sim.context.address;
    ctx = std::make_unique<cli::CliContext>(options, out, err, &sim.link, &FixedTime);
  }
  int Run(const char* command, cli::Args args) { return cli::RunCommand(*ctx, command, std::move(args)); }

  QTemporaryDir dir;
  cli::CommonOptions options;
  std::ostringstream out, err;
  std::unique_ptr<cli::CliContext> ctx;
};

// Runs user on the configuration dialog as soon as it is shown modally.
void WhenDialogShows(std::function<void(ConfigurationDialog&)> user) {
  test::WhenModalShows<ConfigurationDialog>(std::move(user));
}

const Module kModules[] = {{1, 3}, {4, 5}, {22, 4, 3}, {19, 2}, {23, 5}};

TEST(DialogCli, ConfigReadSavesWhatSpeichernSavesRightAfterOpening) {
  QTemporaryDir dir;
  for (const Module& m : kModules) {
    const std::string cliPath = dir.filePath("cli.qx4").toStdString();
    const std::string dialogPath = dir.filePath("dialog.qx4").toStdString();
    {
      ScriptedUi ui;
      SimLink sim(ui);
      AddModule(sim, m);
      Cli cli(sim);
      ASSERT_EQ(cli.Run("config-read", {"-o", cliPath}), 0) << cli.err.str();
    }
    {
      ScriptedUi ui;
      SimLink sim(ui);
      AddModule(sim, m);
      ConfigTransfer transfer(sim.link, ui, sim.context);
      ConfigSettings s;
      ASSERT_TRUE(transfer.ReadConfigurationSequence(s));
      KeyIndicesFromValues(s, s.AbsoluteType());
      ConfigurationDialog dialog(ui, s, transfer);
      ui.saveFiles.push_back(dialogPath);
      dialog.OnSave();
    }
    const std::string cliBytes = ReadAll(cliPath);
    ASSERT_FALSE(cliBytes.empty()) << m.wireType;
    EXPECT_EQ(cliBytes, ReadAll(dialogPath)) << "type " << m.wireType - 1 << " kind " << m.kind;
    EXPECT_NE(cliBytes.find("IDC_HERSTELLER_NUM==KV42\n\r"), std::string::npos);
    EXPECT_NE(cliBytes.find("IDC_MINIMUM==-1\n\r"), std::string::npos);
    EXPECT_NE(cliBytes.find("IDC_CHECK1==1\n\r"), std::string::npos);
  }
}

// The file the tests write: what config-read saved, with edits and a fresh checksum.
std::string EditedSetup(const std::string& readText, const std::function<void(ConfigSettings&)>& edit) {
  ConfigSettings s;
  SetupFile::ParseSetupText(readText, s, true);
  edit(s);
  return SetupFile::BuildSetupText(s);
}

std::vector<link::Frame> DialogRoad(const Module& m, const std::string& path, bool withCalibration) {
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, m);
  ConfigTransfer transfer(sim.link, ui, sim.context);
  ConfigSettings s;
  ui.openFiles.push_back(path);
  ui.yesNo.push_back(withCalibration);
  WhenDialogShows([](ConfigurationDialog& d) {
    d.button(ctl::kOpen)->click();
    d.button(ctl::kOk)->click();
  });
  QtConfigurationEditor editor(nullptr, ui);
  EXPECT_TRUE(transfer.ReadConfiguration(s, editor));
  return sim.bus.received();
}

TEST(DialogCli, ConfigWriteSendsTheDialogsFrames) {
  QTemporaryDir dir;
  for (const Module& m : kModules) {
    for (bool withCalibration : {false, true}) {
      const std::string readPath = dir.filePath("read.qx4").toStdString();
      const std::string path = dir.filePath("edited.qx4").toStdString();
      std::vector<link::Frame> cliFrames;
      {
        ScriptedUi ui;
        SimLink sim(ui);
        AddModule(sim, m);
        Cli cli(sim);
        ASSERT_EQ(cli.Run("config-read", {"-o", readPath}), 0) << cli.err.str();
        WriteAll(path, EditedSetup(ReadAll(readPath), [&](ConfigSettings& s) {
                   s.relay1Limit = "9.75";
                   s.calibration1 = "-1.5";
                   s.output1Source = 4;
                   s.temperatureOffset = "0.7";
                   if (s.measurementType == 3) s.measurementType = 4;  // "2000µS" -> "20mS"
                 }));
        sim.bus.ClearLog();
        // A fresh context: the module is opened on as the dialog would be.
        Cli write(sim);
        const cli::Args args = withCalibration ? cli::Args{path, "--with-calibration"} : cli::Args{path};
        ASSERT_EQ(write.Run("config-write", args), 0) << write.err.str();
        cliFrames = sim.bus.received();
      }
      ASSERT_GT(cliFrames.size(), 55u) << "reads, type check, 67, the writes, 65, 68";
      const std::vector<link::Frame> dialogFrames = DialogRoad(m, path, withCalibration);
      ASSERT_EQ(cliFrames.size(), dialogFrames.size()) << "type " << m.wireType - 1 << " cal " << withCalibration;
      for (std::size_t i = 0; i < cliFrames.size(); ++i)
        EXPECT_EQ(link::HexText(cliFrames[i]), link::HexText(dialogFrames[i])) << "frame " << i;
    }
  }
}

TEST(DialogCli, UnacknowledgedWritesExitOneWithTheirCount) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("saved.qx4").toStdString();
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, {4, 5, 2});
  Cli cli(sim);
  ASSERT_EQ(cli.Run("config-read", {"-o", path}), 0) << cli.err.str();
  sim.bus.FaultWhen(link::kWrite, 81, sim::Fault::kNoReply);
  Cli write(sim);
  EXPECT_EQ(write.Run("config-write", {path}), 1);
  EXPECT_NE(write.err.str().find("Das Modul hat 1 Schreibbefehle nicht bestätigt"), std::string::npos)
      << write.err.str();
}

TEST(DialogCli, ReadRefusesAnOutputThatCannotBeWrittenBeforeAsking) {
  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, {4, 5, 2});
  Cli cli(sim);
  EXPECT_EQ(cli.Run("config-read", {"-o", dir.filePath("no/such/folder.qx4").toStdString()}), 6);
  EXPECT_TRUE(sim.bus.received().empty());
  EXPECT_NE(cli.err.str().find("no/such"), std::string::npos) << cli.err.str();
}

TEST(DialogCli, ReadThenWriteRestoresTheModule) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("saved.qx4").toStdString();
  ScriptedUi ui;
  SimLink sim(ui);
  auto amp = AddModule(sim, {4, 5, 2});
  Cli cli(sim);
  ASSERT_EQ(cli.Run("config-read", {"-o", path}), 0) << cli.err.str();

  amp->SetParameterFloat(55, 99.0f);
  amp->SetParameterByte(51, 3);
  amp->SetParameterByte(68, 0);
  amp->SetParameterFloat(32, 12.0f);
  sim.bus.ClearLog();
  Cli write(sim);
  ASSERT_EQ(write.Run("config-write", {path}), 0) << write.err.str();
  EXPECT_FLOAT_EQ(amp->ParameterFloat(55), 7.25f);
  EXPECT_EQ(amp->ParameterByte(51), 1);
  EXPECT_EQ(amp->ParameterByte(68), 5);
  // Without --with-calibration the module's calibration value stays as it is now.
  EXPECT_FLOAT_EQ(amp->ParameterFloat(32), 12.0f);

  // The 31 reads, the type re-read, command 67, the writes, 65 and 68.
  const auto& frames = sim.bus.received();
  ASSERT_GT(frames.size(), 34u);
  for (std::size_t i = 0; i < 31; ++i) EXPECT_EQ(link::FrameGroup(frames[i]), 2) << i;
  EXPECT_EQ(link::FrameParameter(frames[31]), 28);
  EXPECT_EQ(link::FrameGroup(frames[32]), 0);
  EXPECT_EQ(link::FrameParameter(frames[32]), 67);
  EXPECT_EQ(link::FrameParameter(frames[frames.size() - 2]), 65);
  EXPECT_EQ(link::FrameParameter(frames.back()), 68);
  EXPECT_EQ(write.err.str(), "Kalibrierdaten auch aktualisieren? Nein\n");
}

TEST(DialogCli, ConfigWriteStopsBeforeWriting) {
  QTemporaryDir dir;
  const std::string readPath = dir.filePath("read.qx4").toStdString();
  struct Case {
    const char* name;
    Language language;
    std::function<std::string(const std::string&)> file;
    int exitCode;
    std::string message;
    std::size_t frames;  // sent in the write run
  };
  const Case cases[] = {
      {"checksum", Language::kGerman,
       [](const std::string& t) {
         std::string bad = t;
         bad.replace(bad.find("IDC_GRENZWERT==7.25"), 19, "IDC_GRENZWERT==7.26");
         return bad;
       },
       4, "Fehler in der Datendatei!\n", 31},
      {"checksum en", Language::kEnglish, [](const std::string& t) { return t.substr(0, t.find("CECKSUMM")); }, 4,
       "Error in data file!\n", 31},
      {"other family", Language::kGerman,
       [](const std::string& t) { return EditedSetup(t, [](ConfigSettings& s) { s.measurementType = 0; }); }, 5,
       "Fehler!\nDer Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!\n", 32},
      {"address", Language::kEnglish,
       [](const std::string& t) { return EditedSetup(t, [](ConfigSettings& s) { s.address = 40; }); }, 7,
       "Enter a whole number between 0 and 31.\n", 31},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    SimLink sim(ui);
    AddModule(sim, {4, 3});
    Cli read(sim);
    ASSERT_EQ(read.Run("config-read", {"-o", readPath}), 0) << read.err.str();
    const std::string path = dir.filePath("bad.qx4").toStdString();
    WriteAll(path, c.file(ReadAll(readPath)));
    sim.bus.ClearLog();
    Cli write(sim, c.language);
    EXPECT_EQ(write.Run("config-write", {path, "--with-calibration"}), c.exitCode) << c.name;
    const std::string err = write.err.str();
    EXPECT_EQ(err.substr(err.find('\n') + 1), c.message) << c.name;  // after the question's line
    EXPECT_EQ(sim.bus.received().size(), c.frames) << c.name;
    for (const link::Frame& f : sim.bus.received()) EXPECT_EQ(link::FrameGroup(f), 2) << c.name;
  }

  // A file that cannot be read: said before the module is asked anything.
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, {4, 3});
  Cli write(sim);
  EXPECT_EQ(write.Run("config-write", {dir.filePath("missing.qx4").toStdString()}), 6);
  EXPECT_NE(write.err.str().find("Die Datei kann nicht gelesen werden:"), std::string::npos);
  EXPECT_TRUE(sim.bus.received().empty());
}

TEST(DialogCli, UsageAndSilentModule) {
  ScriptedUi ui;
  SimLink sim(ui);
  Cli cli(sim);
  EXPECT_EQ(cli.Run("config-read", {}), 2);
  EXPECT_EQ(cli.Run("config-read", {"-o"}), 2);
  EXPECT_EQ(cli.Run("config-write", {}), 2);
  EXPECT_EQ(cli.Run("config-print", {"-o", "x.pdf", "--bogus"}), 2);
  EXPECT_TRUE(sim.bus.received().empty());
  // No module on the line: the communication error, no file.
  QTemporaryDir dir;
  const std::string path = dir.filePath("none.qx4").toStdString();
  EXPECT_EQ(cli.Run("config-read", {"-o", path}), 1);
  EXPECT_NE(cli.err.str().find("Fehler in der Datenkommunikation!"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST(DialogCli, ConfigPrintWritesAPdf) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("setup.pdf").toStdString();
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, {1, 3});
  Cli cli(sim);
  ASSERT_EQ(cli.Run("config-print", {"-o", path}), 0) << cli.err.str();
  const std::string pdf = ReadAll(path);
  ASSERT_GT(pdf.size(), 100u);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/Type /Page"), std::string::npos);
}

TEST(DialogCli, OutputFilesAreWholeOrNotThereAndNeverSpecial) {
  QTemporaryDir dir;
  const std::string fifo = dir.filePath("fifo").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ScriptedUi ui;
  SimLink sim(ui);
  AddModule(sim, {1, 3});
  Cli cli(sim);
  // A FIFO or a device is refused before the module is asked anything.
  for (auto command : {"config-read", "config-print"}) {
    for (const std::string& target : {fifo, std::string("/dev/null")}) {
      SCOPED_TRACE(target);
      EXPECT_EQ(cli.Run(command, {"-o", target}), 6);
      EXPECT_TRUE(sim.bus.received().empty());
    }
  }
  EXPECT_NE(cli.err.str().find("keine gewöhnliche Datei (FIFO)"), std::string::npos) << cli.err.str();

  // A full disk: exit 6 with the reason, the old file as it was, no PDF at all.
  const std::string setup = dir.filePath("old.qx4").toStdString();
  const std::string pdf = dir.filePath("new.pdf").toStdString();
  WriteAll(setup, "old");
  {
    test::FileSizeLimit limit(200);
    ASSERT_TRUE(limit.ok());
    EXPECT_EQ(cli.Run("config-read", {"-o", setup}), 6);
    EXPECT_EQ(cli.Run("config-print", {"-o", pdf}), 6);
  }
  EXPECT_EQ(ReadAll(setup), "old");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
  EXPECT_NE(cli.err.str().find("Datei zu groß"), std::string::npos) << cli.err.str();
  EXPECT_NE(cli.err.str().find("Der Ausdruck ist fehlgeschlagen"), std::string::npos);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace korvane::configuration
