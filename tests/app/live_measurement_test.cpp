// The live measurement against the in-process simulator: start reads, field texts of
// the chain, the damaged-reply skip, start without a module, stop and clear.
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "app/LiveMeasurement.h"
#include "live_wait.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using app::LiveMeasurement;

// Requests the module received, as (group, parameter) pairs.
std::vector<std::pair<int, int>> Requests(const sim::Bus& bus) {
  std::vector<std::pair<int, int>> out;
  for (const link::Frame& f : bus.received()) out.emplace_back(f[2], f[4]);
  return out;
}

struct LiveFixture : ::testing::Test {
  ScriptedUi ui;
  SimLink sim{ui};
  link::FlowContext context;
  LiveMeasurement live{sim.link, ui, context};

  // Waits for the next completed chain.
  bool NextChain() {
    int chains = 0;
    auto c = QObject::connect(&live, &LiveMeasurement::chainCompleted, [&] { ++chains; });
    const bool ok = WaitUntil([&] { return chains > 0; });
    QObject::disconnect(c);
    return ok;
  }
};

TEST_F(LiveFixture, PhModuleFieldsLabelsAndStatusLine) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.02f);
  amp->SetMeasured(2, -12.0f);
  amp->SetMeasured(3, 3.0f);
  amp->SetMeasured(4, 4.0f);
  amp->SetMeasured(5, 5.0f);
  amp->SetMeasured(6, 21.43f);
  amp->SetParameterFloat(32, 1.5f);
  amp->SetParameterFloat(33, -58.2f);
  live.setPollPeriod(30ms);

  int runningChanges = 0;
  QObject::connect(&live, &LiveMeasurement::runningChanged, [&](bool) { ++runningChanges; });
  ASSERT_TRUE(live.Start(60s));
  EXPECT_TRUE(live.running());
  EXPECT_EQ(runningChanges, 1);
  EXPECT_EQ(live.statusLine(), "Asymmetrie: 1.5  Steilheit: -58.2  ");
  EXPECT_EQ(live.labels(), (std::array<std::string, 6>{"pH Wert", "Kettenspannung", "", "", "", "Temperatur"}));
  EXPECT_EQ(live.units(), (std::array<std::string, 5>{"pH", "mV", "", "", ""}));

  ASSERT_TRUE(NextChain());
  // Channels the type does not name are requested but show nothing.
  EXPECT_EQ(live.fieldTexts(), (std::array<std::string, 6>{"7.02", "-12", "", "", "", "21.4"}));

  // Start reads, then one poll and the chain 1 -> 2 -> 5 -> 4 -> 3 -> 6.
  const auto req = Requests(sim.bus);
  ASSERT_GE(req.size(), 11u);
  const std::vector<std::pair<int, int>> expected{{2, 32}, {2, 33}, {2, 34}, {2, 37}, {2, 28}, {0, 1},
                                                  {0, 2},  {0, 5},  {0, 4},  {0, 3},  {0, 6}};
  const std::vector<std::pair<int, int>> first(req.begin(), req.begin() + 11);
  EXPECT_EQ(first, expected);
  live.StopTimers();
}

TEST_F(LiveFixture, EnglishLabelsAndStatusLine) {
  auto amp = sim.AddAmplifier(1);
  amp->SetParameterFloat(32, -3.4f);
  amp->SetParameterFloat(33, 59.0f);
  context.language = Language::kEnglish;
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(60s));
  EXPECT_EQ(live.statusLine(), "asymmetrie: -3.4  slope: 59.0  ");
  EXPECT_EQ(live.labels()[0], "pH value");
  EXPECT_EQ(live.labels()[5], "temperature");
  live.StopTimers();
}

TEST_F(LiveFixture, SalinityOfTheFourChannelRangeIsCappedAt100) {
  struct Case {
    float value;
    const char* text;
  };
  const Case cases[] = {{99.94f, "99.9"}, {100.0f, ">>>>"}, {250.0f, ">>>>"}, {-5.0f, "-5.0"}};
  auto amp = sim.AddAmplifier(24);  // type index 23, "500mS/cm (4)"
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(60s));
  for (const Case& c : cases) {
    amp->SetMeasured(3, c.value);
    live.Poll();
    ASSERT_TRUE(NextChain()) << c.value;
    EXPECT_EQ(live.fieldTexts()[2], c.text) << c.value;
  }
  live.StopTimers();
}

TEST_F(LiveFixture, DamagedReplySkipsExactlyOneTick) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 7.0f);
  live.setPollPeriod(1h);  // ticks are driven by hand
  ASSERT_TRUE(live.Start(60s));
  sim.bus.ClearLog();

  sim.bus.FaultNext(sim::Fault::kBadCheck);
  live.Poll();
  ASSERT_TRUE(WaitUntil([&] { return sim.link.badFrame(); }));
  EXPECT_EQ(sim.bus.received().size(), 1u);  // the chain ended with the damaged reply

  live.Poll();  // skipped: nothing sent, flag consumed
  EXPECT_EQ(sim.bus.received().size(), 1u);
  EXPECT_FALSE(sim.link.badFrame());

  amp->SetMeasured(1, 8.5f);
  live.Poll();  // polling resumes
  ASSERT_TRUE(NextChain());
  EXPECT_EQ(live.fieldTexts()[0], "8.50");
  EXPECT_EQ(sim.bus.received().size(), 7u);
  live.StopTimers();
}

TEST_F(LiveFixture, ATickWhileTheChainRunsIsSkippedAndCounted) {
  sim.AddAmplifier(1);
  live.setPollPeriod(1h);  // ticks are driven by hand
  ASSERT_TRUE(live.Start(60s));
  sim.bus.ClearLog();
  // How often value request n went out.
  auto asked = [&](int n) {
    int times = 0;
    for (const auto& [group, parameter] : Requests(sim.bus)) times += group == link::kValues && parameter == n;
    return times;
  };
  auto valueOneRequests = [&] { return asked(1); };

  // A slow reply in the middle: the tick leaves the chain be.
  sim.bus.SetLateDelayMs(200);
  sim.bus.FaultWhen(link::kValues, 5, sim::Fault::kLate);
  live.Poll();
  ASSERT_TRUE(WaitUntil([&] { return asked(5) == 1; }));
  live.Poll();
  EXPECT_EQ(valueOneRequests(), 1);
  EXPECT_EQ(live.skippedPolls(), 1);
  ASSERT_TRUE(NextChain());
  live.Poll();  // the chain ended: the next one starts
  EXPECT_EQ(valueOneRequests(), 2);
  ASSERT_TRUE(NextChain());

  // A reply that never comes: the chain counts as gone after the reply time-out.
  sim.bus.FaultWhen(link::kValues, 2, sim::Fault::kNoReply);
  live.Poll();
  ASSERT_TRUE(WaitUntil([&] { return asked(2) == 3; }));
  live.Poll();
  EXPECT_EQ(live.skippedPolls(), 2);
  QElapsedTimer waited;
  waited.start();
  WaitUntil([&] { return waited.elapsed() > sim.link.timings().replyTimeout.count(); });
  live.Poll();
  EXPECT_EQ(valueOneRequests(), 4);
  EXPECT_EQ(live.skippedPolls(), 2);
  live.StopTimers();
}

TEST_F(LiveFixture, StartWithoutReplyTellsTheUserAndDoesNotRun) {
  for (Language language : {Language::kGerman, Language::kEnglish}) {
    ScriptedUi quietUi;
    SimLink quiet(quietUi);
    quiet.AddAmplifier(1);
    quiet.bus.SetFault(sim::Fault::kNoReply);
    const link::FlowContext quietContext{0, language};
    LiveMeasurement m(quiet.link, quietUi, quietContext);
    EXPECT_FALSE(m.Start(60s));
    EXPECT_FALSE(m.running());
    EXPECT_FALSE(m.polling());
    EXPECT_EQ(quietUi.Messages(), (std::vector<std::string>{test::SimLink::Silent(language)}));
    EXPECT_EQ(quiet.bus.received().size(), 1u);  // nothing after the first read
    EXPECT_TRUE(m.statusLine().empty());
  }
}

TEST_F(LiveFixture, LaterReadsWithoutReplyKeepThePreviousValues) {
  auto amp = sim.AddAmplifier(1);
  amp->SetParameterFloat(32, 2.0f);
  sim.link.module().calibration[1] = -57.5f;
  sim.bus.FaultWhen(2, 33, sim::Fault::kNoReply);
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(60s));
  EXPECT_EQ(live.statusLine(), "Asymmetrie: 2.0  Steilheit: -57.5  ");
  EXPECT_TRUE(ui.Messages().empty());
  live.StopTimers();
}

TEST_F(LiveFixture, StopClearsTheValuesAfterTwoPlusOneSeconds) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(1, 6.5f);
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(60s));
  live.Poll();
  ASSERT_TRUE(NextChain());
  ASSERT_EQ(live.fieldTexts()[0], "6.50");

  int cleared = 0;
  QObject::connect(&live, &LiveMeasurement::fieldTextsChanged, [&] { ++cleared; });
  QElapsedTimer t;
  t.start();
  live.Stop();
  const auto second = sim.link.timings().second.count();
  EXPECT_GE(t.elapsed(), 3 * second - 2);
  EXPECT_FALSE(live.running());
  EXPECT_FALSE(live.polling());
  EXPECT_EQ(live.fieldTexts(), (std::array<std::string, 6>{}));
  EXPECT_EQ(cleared, 1);
  // Labels and the status line stay.
  EXPECT_EQ(live.labels()[0], "pH Wert");
  EXPECT_FALSE(live.statusLine().empty());
}

TEST_F(LiveFixture, ChainInProgressStillCompletesAfterStop) {
  auto amp = sim.AddAmplifier(1);
  amp->SetMeasured(6, 19.96f);
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(60s));
  live.Poll();
  live.StopTimers();  // the chain does not look at the running flag
  ASSERT_TRUE(NextChain());
  EXPECT_EQ(live.fieldTexts()[5], "20.0");
}

TEST_F(LiveFixture, RecordingPeriodHasAFloorOfOneSecond) {
  sim.AddAmplifier(1);
  live.setPollPeriod(1h);
  ASSERT_TRUE(live.Start(0ms));
  EXPECT_EQ(live.recordingPeriod(), 1000ms);
  live.StopTimers();
  ASSERT_TRUE(live.Start(45s));
  EXPECT_EQ(live.recordingPeriod(), 45000ms);
  live.StopTimers();
}

TEST_F(LiveFixture, PollTimerDrivesChains) {
  auto amp = sim.AddAmplifier(1);
  live.setPollPeriod(25ms);
  ASSERT_TRUE(live.Start(60s));
  int chains = 0;
  QObject::connect(&live, &LiveMeasurement::chainCompleted, [&] { ++chains; });
  EXPECT_TRUE(WaitUntil([&] { return chains >= 3; }));
  live.StopTimers();
}

}  // namespace
}  // namespace korvane::test
