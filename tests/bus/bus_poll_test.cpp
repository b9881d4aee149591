// The bus poll engine against three simulated modules on one in-process line: the
// modules in list order, each chain whole before the next. Each row scripts what happens to the bus before a cycle and
// lists, per cycle, what each module's sample said: L live, P live with a value it left unanswered ("---"), T live
// after its type changed, M missing after it was asked, m missing without being asked
// (backed off).
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "bus/BusPoll.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "../app/live_wait.h"

namespace korvane::bus {
namespace {

using namespace std::chrono_literals;

struct Env {
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::map<std::uint8_t, std::shared_ptr<sim::Amplifier>> amps;
  Env() {
    amps[3] = sim.AddAmplifier(1, 3);
    amps[5] = sim.AddAmplifier(3, 5);
    amps[7] = sim.AddAmplifier(10, 7);
    sim.link.OpenPort(Language::kGerman);
  }
};

struct Scenario {
  const char* name;
  // Runs before cycle n (1 = before the start).
  std::function<void(Env&, int n)> before;
  std::vector<std::string> cycles;  // one letter per module, in address order
  const char* endReason;            // "" when the run is stopped after the cycles
};

TEST(BusPoll, CyclesMissesBackOffReturnSwapAndLoss) {
  auto silentFrom = [](std::uint8_t a, int from, int to) {
    return [=](Env& e, int n) {
      if (n == from) e.sim.bus.SetSilent(a, true);
      if (n == to) e.sim.bus.SetSilent(a, false);
    };
  };
  const std::vector<std::string> allLive(3, "LLL");
  const Scenario rows[] = {
      {"all answer", [](Env&, int) {}, allLive, ""},
      {"a damaged reply",
       [](Env& e, int n) {
         if (n == 2) e.sim.bus.FaultNext(sim::Fault::kBadCheck);
       },
       {"LLL", "MLL", "LLL"},
       ""},
      {"one silent module", silentFrom(5, 1, 0), {"LML", "LML", "LML", "LmL", "LmL"}, ""},
      {"back-off and return",
       silentFrom(5, 1, 8),
       {"LML", "LML", "LML", "LmL", "LmL", "LmL", "LmL", "LmL", "LmL", "LmL", "LmL", "LmL", "LLL", "LLL"},
       ""},
      {"module replaced",
       [](Env& e, int n) {
         if (n == 2) e.sim.bus.SetSilent(5, true);
         if (n == 3) {
           e.sim.bus.SetSilent(5, false);
           e.amps[5]->SetParameterByte(28, 1);
         }
       },
       {"LLL", "LML", "LTL", "LLL"},
       ""},
      {"value 2 unanswered by each module in one cycle",
       [](Env& e, int n) {
         if (n == 2) e.sim.bus.FaultWhen(link::kValues, 2, sim::Fault::kNoReply, 3);
       },
       {"LLL", "PPP", "LLL"},
       ""},
      {"line lost",
       [](Env& e, int n) {
         if (n == 2) e.sim.bus.SetFault(sim::Fault::kHangUp);
       },
       {"LLL", ""},
       "simulated line hung up"},
  };
  for (const Scenario& row : rows) {
    SCOPED_TRACE(row.name);
    Env e;
    row.before(e, 1);
    BusPoll poll(e.sim.link, {{3, 5, 7}, 50ms, Language::kEnglish});
    std::vector<std::string> seen(1);
    std::vector<BusSample> samples;
    std::size_t cycleStart = 0;
    bool ended = false;
    QString reason = "not ended";
    QObject::connect(&poll, &BusPoll::sampleReady, [&](const BusSample& s) {
      bool asked = false;
      const auto& frames = e.sim.bus.received();
      for (std::size_t i = cycleStart; i < frames.size(); ++i)
        asked |= link::FrameAddress(frames[i]) == s.address && frames[i][2] == 0 && frames[i][4] == 1;
      // Modules in list order, each live one's chain of six whole and in its order.
      EXPECT_EQ(s.address, 3 + 2 * (seen.back().size()));
      if (s.state == ModuleState::kLive) {
        std::vector<int> chain;
        for (std::size_t i = cycleStart; i < frames.size(); ++i)
          if (frames[i][2] == 0) chain.push_back(link::FrameAddress(frames[i]) == s.address ? frames[i][4] : -1);
        ASSERT_GE(chain.size(), 6u);
        EXPECT_EQ(std::vector<int>(chain.end() - 6, chain.end()), (std::vector<int>{1, 2, 5, 4, 3, 6}));
      }
      const bool partial = s.channels[1].text == "---" && !s.channels[1].value;
      seen.back() += s.state == ModuleState::kLive ? (s.previousType ? 'T' : partial ? 'P' : 'L') : (asked ? 'M' : 'm');
      samples.push_back(s);
    });
    QObject::connect(&poll, &BusPoll::cycleEnded, [&](int n) {
      if (static_cast<std::size_t>(n) >= row.cycles.size()) {
        poll.Stop();
        return;
      }
      seen.emplace_back();
      cycleStart = e.sim.bus.received().size();
      row.before(e, n + 1);
    });
    QObject::connect(&poll, &BusPoll::ended, [&](const QString& r) {
      ended = true;
      reason = r;
    });
    e.sim.bus.ClearLog();
    ASSERT_TRUE(poll.Start()) << poll.startFailure();
    cycleStart = e.sim.bus.received().size();
    ASSERT_TRUE(test::WaitUntil([&] { return ended; }, 5000));
    EXPECT_EQ(seen, row.cycles);
    EXPECT_EQ(reason.toStdString(), row.endReason);
    EXPECT_FALSE(poll.running());
    EXPECT_FALSE(e.sim.link.lineHeld());
    for (const BusSample& s : samples) {
      EXPECT_EQ(s.channels[0].text.empty(), s.state == ModuleState::kMissing) << int(s.address);
      if (s.previousType) {
        EXPECT_EQ(s.previousType, 3);
        EXPECT_EQ(s.type, 1);
        EXPECT_EQ(s.typeName, "pH");
      }
    }
  }
}

}  // namespace
}  // namespace korvane::bus
