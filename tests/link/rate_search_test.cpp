// The module left at another rate, against the simulated module that answers only at the
// rate it listens at: found with one harmless request per rate, set back to 4800 baud
// with the baud command (the PC with it), the flow's own request answered afterwards; a
// module that answers nowhere leaves the line at the rate it had.
#include <gtest/gtest.h>

#include <set>

#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

// Requests the module received, as "group/parameter@rate".
std::vector<std::string> Requests(const sim::Bus& bus, const std::vector<int>& rates) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < bus.received().size(); ++i)
    out.push_back(std::to_string(bus.received()[i][2]) + "/" + std::to_string(bus.received()[i][4]) + "@" +
                  std::to_string(rates[i]));
  return out;
}

TEST(RateSearch, FindsTheModuleAndSetsItBackTo4800) {
  const struct {
    int module;      // the rate the module listens at
    int configured;  // the line's rate when the flow begins
    int found;       // rateRecovered's rate; 0: none (answered at once, or nowhere)
    bool answered;
    std::vector<std::string> requests;
  } rows[] = {
      // A readout whose line went away left it at 19200: the type at 19200, then the
      // baud command there, and the flow's read again at 4800.
      {19200, 4800, 19200, true, {"2/32@4800", "2/28@19200", "1/71@19200", "2/32@4800"}},
      {38400, 4800, 38400, true, {"2/32@4800", "2/28@19200", "2/28@38400", "1/71@38400", "2/32@4800"}},
      // The settings kept 19200, the module is back at 4800: only the PC changes.
      {4800, 19200, 4800, true, {"2/32@19200", "2/28@4800", "2/32@4800"}},
      {4800, 4800, 0, true, {"2/32@4800"}},
      // Nowhere: the line is back at the rate it had.
      {0, 4800, 0, false, {"2/32@4800", "2/28@19200", "2/28@38400"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.module) + " at " + std::to_string(r.configured));
    ScriptedUi ui;
    SimLink sim(ui);
    sim.FollowLineRate();
    auto amp = sim.AddAmplifier(1);
    if (r.module == 0)
      sim.bus.SetSilent(0, true);
    else
      amp->SetBaud(r.module);
    sim.link.setRateSearch(true);
    sim.link.setBaudRate(r.configured);
    std::vector<int> rates;
    QObject::connect(&sim.link, &link::Link::frameSent, [&] { rates.push_back(sim.link.baudRate()); });
    std::vector<int> recovered;
    QObject::connect(&sim.link, &link::Link::rateRecovered, [&](int found) { recovered.push_back(found); });

    const link::LineLease line = sim.link.TakeLine();
    ASSERT_TRUE(sim.link.OpenPort(Language::kGerman));
    EXPECT_EQ(sim.link.Read(0, link::kCalibration1), r.answered);
    EXPECT_EQ(Requests(sim.bus, rates), r.requests);
    EXPECT_EQ(recovered, r.found ? std::vector<int>{r.found} : std::vector<int>{});
    EXPECT_EQ(sim.link.baudRate(), r.answered ? 4800 : r.configured);
    if (r.module != 0) {
      EXPECT_EQ(amp->baud(), 4800);
    }
  }
}

TEST(RateSearch, NotForShortWaitsTheDisplayUnitAChosenRateOrAnAnsweringModule) {
  const struct {
    const char* why;
    bool silent;  // the module answers nothing; else only the calibration read goes unanswered
    std::function<void(link::Link&)> flow;
  } rows[] = {
      {"a scan's short wait", true, [](link::Link& l) { l.Read(0, link::kType, l.timings().scanTimeout); }},
      {"the display unit, whose rate is its own", true,
       [](link::Link& l) { l.Read(link::kDisplayAddress, link::kType); }},
      {"a rate the flow chose for its device", true,
       [](link::Link& l) {
         l.ClosePort();
         l.setBaudRate(link::kMediumBaud);
         if (l.OpenPort(Language::kGerman)) l.Read(0, link::kType);
       }},
      {"a module that answered at this rate", false,
       [](link::Link& l) {
         if (l.Read(0, link::kType)) l.Read(0, link::kCalibration1);
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    ScriptedUi ui;
    SimLink sim(ui);
    sim.AddAmplifier(1);
    if (r.silent)
      sim.bus.SetSilent(0, true);
    else
      sim.bus.FaultWhen(link::kRead, link::kCalibration1.number, sim::Fault::kNoReply, -1);
    sim.link.setRateSearch(true);
    std::set<int> rates;
    QObject::connect(&sim.link, &link::Link::frameSent, [&] { rates.insert(sim.link.baudRate()); });
    const link::LineLease line = sim.link.TakeLine();
    ASSERT_TRUE(sim.link.OpenPort(Language::kGerman));
    r.flow(sim.link);
    EXPECT_EQ(rates.size(), 1u);  // every request at the one rate: no search
  }
}

}  // namespace
}  // namespace korvane::test
