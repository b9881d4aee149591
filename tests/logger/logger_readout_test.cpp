// Logger readout, information, clearing and the clock against the simulated devices.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimeEdit>

#include "DisplayUnit.h"
#include "logger/DeviceClock.h"
#include "logger/LoggerReadout.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "link/FlowLog.h"
#include "logger/ModuleLogger.h"
#include "logger/widgets/ClockDialog.h"

namespace korvane::logger {
namespace {

using Status = ReadoutResult::Status;

std::string ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
}

struct ReadoutFixture : ::testing::Test {
  QTemporaryDir dir;
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  LoggerReadout readout{sim.link, ui, sim.context};
  std::string file = QDir(dir.path()).filePath("logger.txt").toStdString();
};

TEST_F(ReadoutFixture, DisplayUnitExportHasTheHeaderAndOneLfLinePerRecord) {
  sim.bus.Add(std::make_shared<sim::DisplayUnit>(0));
  sim.context.address = link::kDisplayAddress;
  const ReadoutResult r = readout.Read(file, {true});
  EXPECT_EQ(r.status, Status::kDone);
  EXPECT_EQ(r.records, 12);
  EXPECT_EQ(r.announced, 12);
  const std::string text = ReadAll(file);
  const std::string header =
      "date\ttime\tpH  \t\xB0"
      "C  \tmV  \tn.a.\tn.a.\tn.a.\tn.a.\thPa \t";
  ASSERT_EQ(text.substr(0, header.size()), header);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
  EXPECT_NE(text.back(), '\n');
  // Each record line: "\nDD.MM.YY\thh:mm\t" and 42 characters with 7 TABs among them.
  const std::size_t line = 1 + 15 + 42;
  EXPECT_EQ(text.size(), header.size() + 12 * line);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ReadoutFixture, ModuleReadoutRunsFastAndComesBackTo4800) {
  auto amp = sim.AddAmplifier(1, 0, 4);
  // The seconds after the stream (its end, the way back to 4800) are covered by the
  // notice: it comes when the last record is in, before command 72 and the baud change.
  std::vector<std::size_t> commandsAtNotice;
  ui.onEvent = [&](const test::UiEvent& e) {
    if (e.kind == "notice-open" || e.kind == "notice-close") commandsAtNotice.push_back(amp->systemCommands().size());
  };
  const ReadoutResult r = readout.Read(file, {false, 4, 0, "A123"});
  EXPECT_EQ(commandsAtNotice, (std::vector<std::size_t>{1, 3}));
  ASSERT_GE(ui.events.size(), 2u);
  const auto open =
      std::find_if(ui.events.begin(), ui.events.end(), [](const test::UiEvent& e) { return e.kind == "notice-open"; });
  ASSERT_NE(open, ui.events.end());
  EXPECT_EQ(open->text, "Bitte warten, Daten werden konvertiert!");
  EXPECT_EQ((open - 1)->kind, "progress-close");
  EXPECT_EQ((open - 2)->number, 24 * 16 / 2);  // the bar was full: every frame was in
  EXPECT_EQ(r.status, Status::kDone);
  EXPECT_EQ(r.records, 24);
  EXPECT_EQ(readout.table().size(), 24u);
  EXPECT_EQ(readout.columnNames()[0], "pH  ");
  const std::string text = ReadAll(file);
  const std::string header =
      "date\ttime\tpH  \tmV  \t\xB0"
      "C\tdevice:A123";
  EXPECT_EQ(text.substr(0, header.size()), header);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
  // The fast rate for the stream, its end (72), then 4800 again.
  EXPECT_EQ(amp->systemCommands(), (std::vector<std::uint8_t>{71, 72, 71}));
  EXPECT_EQ(sim.link.baudRate(), 4800);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Data sets: 24"}));
}

TEST_F(ReadoutFixture, EmptyLoggerSilentNamesAndNoAnswer) {
  auto amp = sim.AddAmplifier(1, 0, 4);
  amp->FillLogger(0);
  EXPECT_EQ(readout.Read(file, {false, 4, 0, "A123"}).status, Status::kEmpty);
  EXPECT_EQ(ui.Messages().back(), "Datenlogger ist leer.");

  // A channel without an answer is "err " and the readout goes on.
  amp->FillLogger(2);
  sim.bus.FaultWhen(link::kValues, link::kChannelName.number, sim::Fault::kNoReply);
  const ReadoutResult r = readout.Read(file, {false, 4, 0, "A123"});
  EXPECT_EQ(r.records, 2);
  EXPECT_EQ(ReadAll(file).substr(0, 19), "date\ttime\terr mV  \t");

  sim.bus.SetFault(sim::Fault::kNoReply);
  EXPECT_EQ(readout.Read(file, {false, 4, 0, "A123"}).status, Status::kNoAnswer);
  EXPECT_EQ(ui.Messages().back(), test::SimLink::Silent(Language::kGerman));
}

TEST_F(ReadoutFixture, StreamsThatStopEarlyOrLoseAFrameAreToldOnceAtTheEnd) {
  sim.AddAmplifier(1, 0, 4);
  sim.bus.FaultWhen(link::kValues, link::kLoggerRecord.number, sim::Fault::kCutStream);
  ReadoutResult r = readout.Read(file, {false, 4, 0, "A123"});
  EXPECT_EQ(r.status, Status::kDone);
  EXPECT_TRUE(r.shortOfAnnounced());
  EXPECT_EQ(ui.Messages().back(),
            "Es kamen nur " + std::to_string(r.records) + " von 24 Datensätzen an; die Datei enthält diese.");
  const std::string kept = ReadAll(file);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), r.records);

  // A lost frame puts the pointer out of step: one message for all, with the first pointer.
  ui.events.clear();
  sim.bus.FaultWhen(link::kValues, link::kLoggerRecord.number, sim::Fault::kDropFrame);
  r = readout.Read(file, {false, 4, 0, "A123"});
  EXPECT_GE(r.outOfStep, 1);
  int boxes = 0;
  for (const std::string& m : ui.Messages()) boxes += m.find("außer Tritt") != std::string::npos;
  EXPECT_EQ(boxes, 1);
  EXPECT_LT(r.records, 24);
}

TEST_F(ReadoutFixture, CancelKeepsTheWholeRecordsAndComesBackTo4800) {
  auto amp = sim.AddAmplifier(1, 0, 5);
  const struct {
    int cancelAt;  // progress position of the click
    int records;
  } cases[] = {{8 * 5 + 3, 5},  // in the middle of the sixth record
               {0, 0}};         // during the pauses before the stream: no stream asked for
  for (const auto& c : cases) {
    ui.events.clear();
    const std::size_t before = amp->systemCommands().size();
    ui.cancelAtProgress = c.cancelAt;
    const ReadoutResult r = readout.Read(file, {false, 5, 0, "A123"});
    EXPECT_EQ(r.status, Status::kCancelled);
    EXPECT_EQ(r.records, c.records);
    const std::string kept = ReadAll(file);
    EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), c.records);
    EXPECT_EQ(readout.table().size(), static_cast<std::size_t>(c.records));
    const std::vector<std::uint8_t> sent(amp->systemCommands().begin() + static_cast<std::ptrdiff_t>(before),
                                         amp->systemCommands().end());
    EXPECT_EQ(sent, (std::vector<std::uint8_t>{71, 72, 71}));
    EXPECT_EQ(sim.link.baudRate(), 4800);
    EXPECT_EQ(amp->baud(), 4800);
    // A cancel is the user's own doing: no shortfall message.
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Data sets: 24"}));
  }
}

TEST_F(ReadoutFixture, ClearingAsksFirstAndSendsTheKindsCommand) {
  auto amp = sim.AddAmplifier(1, 0, 4);
  ui.yesNo = {false, true};
  EXPECT_FALSE(readout.Clear(false));
  EXPECT_TRUE(sim.bus.received().empty());
  EXPECT_EQ(ui.events.back().text, "Datenlogger wirklich löschen?");
  EXPECT_TRUE(readout.Clear(false));
  ASSERT_EQ(sim.bus.received().size(), 1u);
  EXPECT_EQ(sim.bus.received()[0], link::BuildFrame(0, link::kSystem, 2, 55, link::ByteData(0)));
  EXPECT_EQ(amp->loggerCount(), 0);
}

TEST_F(ReadoutFixture, ClockTimeThenDateWithTheYearByte) {
  auto amp = sim.AddAmplifier(1, 3, 4);
  sim.context.address = 3;
  ASSERT_TRUE(SetDeviceClock(sim.link, ui, sim.context, {2055, 12, 31, 23, 59, 58}));
  ASSERT_EQ(sim.bus.received().size(), 2u);
  EXPECT_EQ(sim.bus.received()[0], link::BuildFrame(3, link::kSystem, 3, 0x3b, {23, 59, 58, 0}));
  EXPECT_EQ(sim.bus.received()[1], link::BuildFrame(3, link::kSystem, 3, 0x3a, {55, 31, 12, 0}));
  EXPECT_EQ(amp->clock().year, 2055);
  // 2256 would wrap to year byte 0: such a date is refused and nothing is sent.
  sim.bus.ClearLog();
  EXPECT_FALSE(SetDeviceClock(sim.link, ui, sim.context, {2256, 1, 2, 3, 4, 5}));
  EXPECT_TRUE(sim.bus.received().empty());
  EXPECT_NE(ui.Messages().back().find("2256-01-02 03:04:05"), std::string::npos) << ui.Messages().back();
  EXPECT_EQ(link::DateData(2256, 1, 2)[0], 0);
  // A missing reply to the time sends no date.
  sim.bus.FaultWhen(link::kSystem, 0x3b, sim::Fault::kNoReply);
  EXPECT_FALSE(SetDeviceClock(sim.link, ui, sim.context, {2255, 1, 2, 3, 4, 5}));
  EXPECT_EQ(sim.bus.received().size(), 1u);
  EXPECT_EQ(ui.Messages().back(), test::SimLink::Silent(Language::kGerman));
}

// The line goes away in the middle of a stream at 19200 baud, the module stays there:
// the message says so, and the next flow reaches it there and sets it back to 4800.
TEST_F(ReadoutFixture, ALineLostAtTheFastRateSaysSoAndTheNextFlowSetsTheModuleBack) {
  auto amp = sim.AddAmplifier(1, 0, 4);
  amp->FillLogger(24);
  sim.FollowLineRate();
  sim.link.setRateSearch(true);
  std::vector<int> recovered;
  QObject::connect(&sim.link, &link::Link::rateRecovered, [&](int found) { recovered.push_back(found); });
  sim.bus.FaultWhen(link::kValues, link::kLoggerRecord.number, sim::Fault::kHangUp);
  EXPECT_EQ(readout.Read(file, {false, 4, 0, "A123"}).status, Status::kLineLost);
  EXPECT_EQ(amp->baud(), 19200);
  EXPECT_NE(ui.Messages().back().find("Die Verbindung ging verloren, während das Modul auf 19200 Baud lief: es ist "
                                      "womöglich noch auf dieser Rate."),
            std::string::npos)
      << ui.Messages().back();

  EXPECT_TRUE(readout.Clear(false, true));
  EXPECT_EQ(recovered, std::vector<int>{19200});
  EXPECT_EQ(amp->baud(), 4800);
  EXPECT_EQ(sim.link.baudRate(), 4800);
}

// "Uhr stellen" opened at 07:17:32 and OK pressed at 07:18:33, the module 62 s behind:
// the fields ran on, the module gets the time of the OK, the history its time before.
TEST_F(ReadoutFixture, TheClockDialogRunsWithThePcAndTheModuleGetsTheTimeOfOk) {
  for (bool edit : {false, true}) {
    SCOPED_TRACE(edit ? "edited" : "running");
    struct Kept : link::FlowLog {
      void Record(link::FlowRecord r) override { records.push_back(std::move(r)); }
      std::vector<link::FlowRecord> records;
    } kept;
    sim.context.log = &kept;
    auto amp = sim.AddAmplifier(1, static_cast<std::uint8_t>(edit ? 1 : 0), 4);
    sim.context.address = edit ? 1 : 0;
    amp->SetClock({2026, 3, 9, 7, 16, 30});
    std::int64_t pc = CivilSeconds({2026, 3, 9, 7, 17, 32});
    const platform::Clock now = [&] { return CivilTime(pc); };
    ModuleLogger flows({sim.link, ui, sim.context, now, nullptr}, {false, 4, 0, "A123"});

    const std::optional<platform::LocalTime> module = flows.ReadClock();
    ClockDialog dialog(now, module, Language::kGerman);
    EXPECT_EQ(dialog.deviceLabel()->text().toStdString(), "Gerät: 09.03.2026 07:16:30, 1 min 2 s hinter der PC-Uhr");
    pc += 61;
    dialog.Tick();
    EXPECT_EQ(dialog.timeEdit()->time(), QTime(7, 18, 33));
    EXPECT_EQ(dialog.deviceLabel()->text().toStdString(), "Gerät: 09.03.2026 07:17:31, 1 min 2 s hinter der PC-Uhr");
    if (edit) {
      dialog.timeEdit()->setTime(QTime(6, 0, 0));  // the user's own time stays
      pc += 5;
      dialog.Tick();
      EXPECT_EQ(dialog.timeEdit()->time(), QTime(6, 0, 0));
    }
    flows.SetClock(dialog.time());
    const platform::LocalTime set = amp->clock();
    EXPECT_EQ(QTime(set.hour, set.minute, set.second), edit ? QTime(6, 0, 0) : QTime(7, 18, 33));
    ASSERT_EQ(kept.records.size(), 1u);
    const QJsonObject& d = kept.records[0].details;
    EXPECT_EQ(d["before"].toString().toStdString(), edit ? "2026-03-09 07:17:36" : "2026-03-09 07:17:31");
    EXPECT_EQ(d["set"].toString().toStdString(), edit ? "2026-03-09 06:00:00" : "2026-03-09 07:18:33");
    sim.context.log = nullptr;
  }
}

TEST(ClockDifference, SaysHowFarAndWhichWay) {
  const struct {
    std::int64_t seconds;
    Language language;
    const char* text;
  } rows[] = {
      {0, Language::kGerman, "wie die PC-Uhr"},
      {-62, Language::kGerman, "1 min 2 s hinter der PC-Uhr"},
      {5, Language::kGerman, "5 s vor der PC-Uhr"},
      {3 * 3600 + 125, Language::kGerman, "3 h 2 min vor der PC-Uhr"},
      {-(2 * 86400 + 7200), Language::kEnglish, "2 d 2 h behind the PC's clock"},
      {59, Language::kEnglish, "59 s ahead of the PC's clock"},
  };
  for (const auto& r : rows) EXPECT_EQ(ClockDifferenceText(r.seconds, r.language), r.text) << r.seconds;
}

TEST_F(ReadoutFixture, DisplayUnitInformation) {
  sim.bus.Add(std::make_shared<sim::DisplayUnit>(0));
  sim.context.address = link::kDisplayAddress;
  const std::optional<std::string> text = readout.InformationText();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->rfind("Aktuelle Uhrzeit: 15.01.26 ", 0), 0u) << *text;
  EXPECT_NE(text->find("Datenlogger Intervall:: 15 min Vorhandene Datensätze:: 10\n\r"), std::string::npos) << *text;
  EXPECT_NE(text->find("Datenlogger ist freigegeben."), std::string::npos);
}

}  // namespace
}  // namespace korvane::logger
