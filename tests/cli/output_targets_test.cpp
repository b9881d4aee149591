// Every file a korvane-cli command writes, under everything that can stand in its way:
// a FIFO, a folder, a read-only place and one file named twice are refused with status 6
// before the module is asked; a full disk ends with status 6 and leaves an earlier file
// as it was and no new one; a module that does not answer leaves an earlier file as it
// was.
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
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

enum class Obstacle { kFifo, kFolder, kReadOnly, kTwice, kFullDisk, kSilentModule };

struct TargetRow {
  const char* name;
  // The command line with "T" for the file under test and "O" for another output.
  std::vector<const char*> args;
  const char* suffix;    // the target's name ends so (a chart must be .png)
  bool trace = false;    // the target is the --trace file
  bool display = false;  // the display unit answers, not the amplifier
};

// Names the row in test logs instead of dumping its bytes.
void PrintTo(const TargetRow& row, std::ostream* os) { *os << row.name; }

const TargetRow kTargetRows[] = {
    {"logger-read -o", {"logger-read", "-o", "T"}, ".txt"},
    {"logger-read --chart", {"logger-read", "-o", "O", "--chart", "T"}, ".png"},
    {"live --record", {"live", "--count", "30", "--poll", "45", "--interval", "00:00:00", "--record", "T"}, ".txt"},
    {"--trace", {"live", "--count", "2", "--poll", "45"}, ".log", true},
    {"config-read -o", {"config-read", "-o", "T"}, ".qx4"},
    {"config-print -o", {"config-print", "-o", "T"}, ".pdf"},
    {"display-read -o", {"display-read", "-o", "T"}, ".rw8", false, true},
    {"param-report -o", {"param-report", "-o", "T"}, ".pdf"},
};

// A folder nobody may write into: a folder of mode 0555, or for root (whom modes do
// not stop) sysfs, which takes no files.
std::string ReadOnlyFolder(const QTemporaryDir& dir) {
  if (::geteuid() == 0) return "/sys";
  const std::string folder = QDir(dir.path()).filePath("read-only").toStdString();
  ::mkdir(folder.c_str(), 0555);
  return folder;
}

void PutTarget(const std::string& path, const char* bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray Contents(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

struct Outcome {
  int exit = -1;
  std::string err;
  std::size_t frames = 0;
};

class OutputTargets : public ::testing::TestWithParam<TargetRow> {
 protected:
  OutputTargets() {
    sim.AddAmplifier(1, 0, 4);
    sim.bus.Add(std::make_shared<sim::DisplayUnit>());
  }
  std::string Path(const std::string& name) const {
    return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
  }
  // The row's command with target in place of "T"; extra adds to the options.
  Outcome Command(const std::string& target, const std::function<void(cli::CommonOptions&, cli::Args&)>& extra = {}) {
    const TargetRow& row = GetParam();
    cli::CommonOptions o;
    o.settingsFolder = Path("Korvane");
    o.baud = 38400;  // the in-process line takes no wire time; live may poll every 45 ms
    cli::Args args;
    for (const char* a : row.args)
      args.push_back(a == std::string("T") ? target : a == std::string("O") ? Path("other.txt") : a);
    if (row.trace) o.trace = target;
    if (extra) extra(o, args);
    std::ostringstream out, err;
    sim.bus.ClearLog();
    cli::CliContext ctx(o, out, err, &sim.link);
    Outcome r;
    r.exit = cli::RunCommand(ctx, args.front(), cli::Args(args.begin() + 1, args.end()));
    r.err = err.str();
    r.frames = sim.bus.received().size();
    return r;
  }
  // Nothing but the named entries in the test's folder: no temporary was left.
  QStringList Entries() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

  QTemporaryDir dir;
  ScriptedUi ui;
  SimLink sim{ui};
};

TEST_P(OutputTargets, RefusedBeforeAskingOrLeftAsItWas) {
  const TargetRow& row = GetParam();
  const std::string name = std::string("target") + row.suffix;
  const std::string target = Path(name);
  for (Obstacle obstacle : {Obstacle::kFifo, Obstacle::kFolder, Obstacle::kReadOnly, Obstacle::kTwice,
                            Obstacle::kFullDisk, Obstacle::kSilentModule}) {
    static constexpr const char* kObstacles[] = {"FIFO", "folder", "read-only", "twice", "full disk", "silent"};
    SCOPED_TRACE(kObstacles[static_cast<int>(obstacle)]);
    QFile::remove(QString::fromStdString(target));
    sim.bus.ClearFaults();
    switch (obstacle) {
      case Obstacle::kFifo: {
        ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
        const Outcome r = Command(target);
        EXPECT_EQ(r.exit, 6) << r.err;
        EXPECT_NE(r.err.find("FIFO"), std::string::npos) << r.err;
        EXPECT_EQ(r.frames, 0u);
        struct stat st {};
        EXPECT_TRUE(::lstat(target.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
        ::unlink(target.c_str());
        break;
      }
      case Obstacle::kFolder: {
        ASSERT_TRUE(QDir().mkdir(QString::fromStdString(target)));
        const Outcome r = Command(target);
        EXPECT_EQ(r.exit, 6) << r.err;
        EXPECT_EQ(r.frames, 0u);
        QDir().rmdir(QString::fromStdString(target));
        break;
      }
      case Obstacle::kReadOnly: {
        const std::string there = ReadOnlyFolder(dir) + "/" + name;
        const Outcome r = Command(there);
        EXPECT_EQ(r.exit, 6) << r.err;
        EXPECT_NE(r.err.find(there), std::string::npos) << r.err;
        EXPECT_EQ(r.frames, 0u);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(there)));
        break;
      }
      case Obstacle::kTwice: {
        // The same file under another name: a link to it.
        const std::string alias = Path("alias" + std::string(row.suffix));
        ASSERT_EQ(::symlink(name.c_str(), alias.c_str()), 0);
        for (bool exists : {false, true}) {
          if (exists) PutTarget(target, "earlier");
          const Outcome r = Command(target, [&](cli::CommonOptions& o, cli::Args& args) {
            if (row.trace)
              args.insert(args.end(), {"--record", alias});
            else
              o.trace = alias;
          });
          EXPECT_EQ(r.exit, 6) << r.err;
          EXPECT_EQ(r.frames, 0u);
          EXPECT_EQ(Contents(target), exists ? QByteArray("earlier") : QByteArray("(missing)"));
        }
        ::unlink(alias.c_str());
        break;
      }
      case Obstacle::kFullDisk: {
        // An earlier file stays as it was; a new one is not left behind.
        for (bool exists : {true, false}) {
          if (exists) PutTarget(target, "earlier");
          Outcome r;
          {
            FileSizeLimit limit(7);
            ASSERT_TRUE(limit.ok());
            r = Command(target);
          }
          EXPECT_EQ(r.exit, 6) << r.err;
          EXPECT_EQ(Contents(target), exists ? QByteArray("earlier") : QByteArray("(missing)"));
          QFile::remove(QString::fromStdString(target));
          QFile::remove(QString::fromStdString(Path("other.txt")));
          EXPECT_EQ(Entries(), QStringList{}) << "a temporary or an empty file was left";
        }
        break;
      }
      case Obstacle::kSilentModule: {
        PutTarget(target, "earlier");
        sim.bus.SetFault(sim::Fault::kNoReply);
        const Outcome r = Command(target);
        EXPECT_EQ(r.exit, 1) << r.err;
        if (row.trace) {
          // The trace is what the command is for: it takes the earlier file's place whole.
          const QByteArray trace = Contents(target);
          EXPECT_TRUE(trace.contains("--  no reply") && trace.endsWith('\n')) << trace.toStdString();
        } else {
          EXPECT_EQ(Contents(target), "earlier");
        }
        QFile::remove(QString::fromStdString(target));
        EXPECT_EQ(Entries(), QStringList{});
        break;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, OutputTargets, ::testing::ValuesIn(kTargetRows),
                         [](const ::testing::TestParamInfo<TargetRow>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

}  // namespace
}  // namespace korvane::test
