// The bus recording file byte for byte: two modules polled by the engine, one of them
// missing for a while (it writes no line), each line the single measurement's line
// with the module's address first.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "measurement/Recording.h"
#include "bus/BusPoll.h"
#include "bus/BusRecording.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "../app/live_wait.h"

namespace korvane::bus {
namespace {

using namespace std::chrono_literals;

platform::LocalTime FixedTime() { return {2014, 3, 7, 9, 5, 41}; }

TEST(BusRecording, OneLinePerLiveModuleWithItsAddressFirst) {
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath("bus.txt").toStdString();
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  auto ph = sim.AddAmplifier(1, 3);
  auto redox = sim.AddAmplifier(2, 12);
  for (int c = 1; c <= 6; ++c) {
    ph->SetMeasured(c, c == 1 ? 7.023f : c == 2 ? -12.4f : c == 6 ? 21.43f : 0.0f);
    redox->SetMeasured(c, c == 1 ? 245.6f : c == 2 ? -3.0f : c == 6 ? -1.25f : 1.0f);
  }
  sim.link.OpenPort(Language::kGerman);

  measurement::Recording recording(ui, &FixedTime);
  std::string error;
  ASSERT_TRUE(recording.OpenForAppend(path, &error, Language::kGerman)) << error;
  BusRecording lines(recording, 60s, Language::kGerman, &FixedTime);
  BusPoll poll(sim.link, {{3, 12}, 20ms, Language::kGerman}, &FixedTime);
  QObject::connect(&poll, &BusPoll::sampleReady, &lines, &BusRecording::Take);
  // After cycle 1 both are live, after cycle 2 address 12 is missing, after cycle 3 it
  // is back.
  QObject::connect(&poll, &BusPoll::cycleEnded, [&](int n) {
    EXPECT_TRUE(lines.WriteLines());
    if (n == 1) sim.bus.SetSilent(12, true);
    if (n == 2) sim.bus.SetSilent(12, false);
    if (n == 3) poll.Stop();
  });
  ASSERT_TRUE(poll.Start());
  ASSERT_TRUE(test::WaitUntil([&] { return !poll.running(); }));
  recording.Close();

  const std::string ph1 = "3\t07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n";
  const std::string redox1 = "12\t07.03.2014\t09:05\t246\t-3\t1\t1\t1\t-1,2\r\n";
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().toStdString(), ph1 + redox1 + ph1 + ph1 + redox1);
  EXPECT_EQ(lines.linesWritten(), 5);
}

// A value the module left unanswered is no number in the file: its cell stays empty.
TEST(BusRecording, AValueLeftUnansweredLeavesItsCellEmpty) {
  BusSample s;
  s.address = 3;
  s.type = 1;
  for (auto& c : s.channels) c.value = 0.0;
  s.channels[0].value = 7.023;
  s.channels[1].value.reset();
  s.channels[5].value = 21.43;
  EXPECT_EQ(BusRecordingLine(FixedTime(), s), "3\t07.03.2014\t09:05\t7,02\t\t0\t0\t0\t21,4\r\n");
}

}  // namespace
}  // namespace korvane::bus
