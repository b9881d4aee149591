// The bus scan against simulated modules at three addresses with silent ones between:
// the frames that go out, what is found, the progress and cancel, and the trace of it.
#include <QFile>

#include <algorithm>

#include "link/Protocol.h"
#include "cli_runner.h"
#include "scan/BusScan.h"
#include "trace/TraceRecorder.h"

namespace korvane::test {
namespace {

class BusScanTest : public LinkOverPty {
 protected:
  void SetUp() override {
    bus.Add(std::make_shared<sim::Amplifier>(3, 5, 4));
    bus.Add(std::make_shared<sim::Amplifier>(8, 31, 5));
    LinkOverPty::SetUp();
    ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  }
};

TEST_F(BusScanTest, FindsTheModulesAndAsksEachAddressOnce) {
  std::vector<std::string> trace;
  trace::TraceRecorder recorder(*link, [&](const std::string& line) { trace.push_back(line); });
  link->module().typeIndex = 22;

  const scan::ScanResult r = scan::ScanBus(*link, ui, Language::kEnglish);

  ASSERT_EQ(r.found.size(), 3u);
  const std::pair<int, int> expected[] = {{0, 1}, {5, 3}, {31, 8}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(r.found[i].address, expected[i].first);
    EXPECT_EQ(r.found[i].wireType, expected[i].second);
  }
  EXPECT_EQ(scan::ScanLine(r.found[1], Language::kEnglish), "address: 5  type: 3 200µS/cm  kind: 4  identity: A123");
  EXPECT_EQ(r.found[2].deviceKind, 5);
  EXPECT_FALSE(r.cancelled);
  EXPECT_EQ(link->module().typeIndex, 22);  // the module object is as it was

  std::vector<link::Frame> frames;
  for (int a = 0; a <= 31; ++a) {
    frames.push_back(link::BuildFrame(a, link::kRead, 1, link::kType.number));
    if (a == 0 || a == 5 || a == 31) {
      frames.push_back(link::BuildFrame(a, link::kRead, 1, link::kDeviceKind.number));
      frames.push_back(link::BuildFrame(a, link::kRead, 4, link::kIdentity.number));
    }
  }
  EXPECT_EQ(bus.received(), frames);

  auto count = [&](const char* mark) {
    return std::count_if(trace.begin(), trace.end(), [&](const std::string& l) { return l.compare(13, 2, mark) == 0; });
  };
  EXPECT_EQ(count("->"), 38);
  EXPECT_EQ(count("<-"), 9);
  EXPECT_EQ(count("--"), 29);
  EXPECT_EQ(ui.Kinds().back(), "progress-close");
}

TEST_F(BusScanTest, CancelStopsAtTheNextAddress) {
  ui.cancelAtProgress = 6;
  const scan::ScanResult r = scan::ScanBus(*link, ui, Language::kGerman);
  EXPECT_TRUE(r.cancelled);
  ASSERT_EQ(r.found.size(), 2u);
  EXPECT_EQ(bus.received().back(), link::BuildFrame(5, link::kRead, 4, link::kIdentity.number));
}

// korvane-cli scan prints a line per module and exits 0; --trace keeps every exchange.
TEST_F(BusScanTest, CommandLinePrintsTheModulesAndTracesTheLine) {
  link.reset();  // the port is the command's
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("KORVANE_REPLY_TIMEOUT_MS", "300");
  const QString trace = dir.filePath("trace.txt");
  const CliResult r = RunCli({"--settings", dir.path(), "--port", "1", "--lang", "en", "--trace", trace, "scan"}, env);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "address: 0  type: 1 pH  kind: 4  identity: A123\n"
            "address: 5  type: 3 200µS/cm  kind: 4  identity: A123\n"
            "address: 31  type: 8 oxygen  kind: 5  identity: A123\n");
  QFile f(trace);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = f.readAll().split('\n');
  EXPECT_EQ(lines.size(), 38 + 9 + 29 + 1);  // the last line's end
  EXPECT_TRUE(lines[0].endsWith("->  28 00 02 01 1C 00 00 00 00 1F 29  adr 0  grp 2 read  par 28"));
}

}  // namespace
}  // namespace korvane::test
