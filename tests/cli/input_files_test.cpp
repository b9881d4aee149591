// Every file a korvane-cli command reads (a setup file, a display file, the settings
// file): anything but a regular file of at most 1 MiB is refused at once with the
// reason, and a value no module may get is refused with its key; in both cases no
// write reaches the module.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Commands.h"
#include "DisplayUnit.h"
#include "configuration/SetupFile.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

struct InputRow {
  const char* name;
  const char* command;  // reads "IN"; the settings file is read by every command
  // Makes the input at path from a good file of its kind ("" for the settings file).
  std::function<void(const std::string& path, const std::string& good)> make;
  int exit;
  const char* reason;  // in the message (English)
};

void PrintTo(const InputRow& row, std::ostream* os) { *os << row.name; }

void PutInput(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

auto Fifo() {
  return [](const std::string& path, const std::string&) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); };
}
auto DevZero() {
  return [](const std::string& path, const std::string&) { ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); };
}
auto Oversized() {
  return [](const std::string& path, const std::string& good) { PutInput(path, good + std::string(1 << 20, '\n')); };
}
// The good setup file with one value changed and the checksum made to fit again.
auto SetupValue(const char* key, const char* value) {
  return [=](const std::string& path, const std::string& good) {
    configuration::ConfigSettings s;
    configuration::SetupFile::ParseSetupText(good, s, true);
    std::string text = configuration::SetupFile::BuildSetupText(s);
    const std::string line = std::string(key) + "==" + configuration::SetupFile::GetValue(text, key) + "\n\r";
    text.replace(text.find(line), line.size(), std::string(key) + "==" + value + "\n\r");
    text = text.substr(0, text.find("CECKSUMM"));
    PutInput(path, text + "CECKSUMM==" + std::to_string(configuration::SetupFile::Checksum(text)) + "\n\r");
  };
}
auto DisplayValue(const char* line, const char* changed) {
  return [=](const std::string& path, const std::string& good) {
    std::string text = good.substr(0, good.find("CECKSUMM"));
    text.replace(text.find(line), std::string(line).size(), changed);
    PutInput(path, text + "CECKSUMM==" + std::to_string(configuration::SetupFile::Checksum(text)) + "\n\r");
  };
}

const InputRow kInputRows[] = {
    {"setup FIFO", "config-write", Fifo(), 6, "not a regular file (FIFO)"},
    {"setup /dev/zero", "config-write", DevZero(), 6, "(character device)"},
    {"setup oversized", "config-write", Oversized(), 6, "larger than 1 MiB"},
    {"setup nan", "config-write", SetupValue("IDC_OBERER_WERT0", "nan"), 4, "IDC_OBERER_WERT0 cannot be sent: \"nan\""},
    {"setup inf", "config-write", SetupValue("IDC_GRENZWERT", "-inf"), 4, "IDC_GRENZWERT cannot be sent"},
    {"setup beyond a float", "config-write", SetupValue("IDC_EDIT1", "1e39"), 4, "IDC_EDIT1 cannot be sent"},
    {"display FIFO", "display-write", Fifo(), 6, "not a regular file (FIFO)"},
    {"display /dev/zero", "display-write", DevZero(), 6, "(character device)"},
    {"display oversized", "display-write", Oversized(), 6, "larger than 1 MiB"},
    {"display beyond a float", "display-write", DisplayValue("DAC0_LOWER==0.00", "DAC0_LOWER==1e39"), 4,
     "DAC0_LOWER: \"1e39\" is not a number"},
    {"display out of range", "display-write", DisplayValue("CONTRAST==12", "CONTRAST==21"), 4, "from 0 to 20"},
    {"settings FIFO", "info", Fifo(), 6, "not a regular file (FIFO)"},
    {"settings /dev/zero", "info", DevZero(), 6, "(character device)"},
    {"settings oversized", "info", Oversized(), 6, "larger than 1 MiB"},
};

class InputFiles : public ::testing::TestWithParam<InputRow> {
 protected:
  InputFiles() {
    sim.AddAmplifier(1, 0, 4);
    sim.bus.Add(std::make_shared<sim::DisplayUnit>());
  }
  int Run(const std::string& command, cli::Args args, std::string* err = nullptr) {
    cli::CommonOptions o;
    o.settingsFolder = folder;
    o.language = Language::kEnglish;
    std::ostringstream out, errors;
    cli::CliContext ctx(o, out, errors, &sim.link);
    const int rc = cli::RunCommand(ctx, command, std::move(args));
    if (err) *err = errors.str();
    return rc;
  }

  QTemporaryDir dir;
  std::string folder = QDir(dir.path()).filePath("Korvane").toStdString();
  ScriptedUi ui;
  SimLink sim{ui};
};

TEST_P(InputFiles, RefusedWithTheReasonAndNothingWritten) {
  const InputRow& row = GetParam();
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  const bool setup = std::string(row.command) == "config-write";
  const bool settings = std::string(row.command) == "info";
  // A good file of the kind, read from the simulated devices.
  const std::string good = QDir(dir.path()).filePath(setup ? "good.qx4" : "good.rw8").toStdString();
  if (!settings) {
    ASSERT_EQ(Run(setup ? "config-read" : "display-read", {"-o", good}), 0);
  }
  QFile in(QString::fromStdString(good));
  const std::string goodText = in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : "[RS232]\n\rPORT=0\n\r";

  const std::string path = settings ? folder + "/config.ini" : QDir(dir.path()).filePath("in").toStdString();
  row.make(path, goodText);
  sim.bus.ClearLog();
  std::string err;
  EXPECT_EQ(Run(row.command, settings ? cli::Args{} : cli::Args{path}, &err), row.exit);
  EXPECT_NE(err.find(row.reason), std::string::npos) << err;
  for (const link::Frame& f : sim.bus.received()) EXPECT_NE(link::FrameGroup(f), link::kWrite);
  if (row.exit == 6) {
    EXPECT_TRUE(sim.bus.received().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Files, InputFiles, ::testing::ValuesIn(kInputRows),
                         [](const ::testing::TestParamInfo<InputRow>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

}  // namespace
}  // namespace korvane::test
