// The display unit's configuration flow against the simulated unit, which listens only
// at 19200 baud: the frames compared with the sequences the unit expects.
#include <gtest/gtest.h>

#include <set>

#include "DisplayUnit.h"
#include "display/DisplayTransfer.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "support/DisplayDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "types/Texts.h"

namespace korvane::display {
namespace {

using link::Frame;

platform::LocalTime FixedTime() { return {2026, 5, 6, 7, 8, 0}; }
constexpr link::LinkTimings kTimings{std::chrono::milliseconds(60), std::chrono::milliseconds(2),
                                     std::chrono::milliseconds(0)};

Frame Read(std::uint8_t p, std::uint8_t length = 1) { return link::BuildFrame(0x80, link::kRead, length, p); }
Frame Write(std::uint8_t p, std::uint8_t value) { return link::BuildFrame(0x80, link::kWrite, 1, p, {value}); }
Frame WriteFloat(std::uint8_t p, float v) { return link::BuildFrame(0x80, link::kWrite, 4, p, link::FloatData(v)); }

// The read sequence: type, firmware, contrast, the positions, the virtual channels (the
// second address before the first value), outputs and relays, logger and serial output.
const std::vector<Frame> kReads = [] {
  std::vector<Frame> f{Read(28), Read(31, 4), Read(164)};
  for (int p = 130; p <= 153; ++p) f.push_back(Read(static_cast<std::uint8_t>(p)));
  for (std::uint8_t p : {154, 156, 155, 157, 158, 159, 161, 160, 162, 163, 51, 52, 67, 68, 77, 80, 78, 79})
    f.push_back(Read(p));
  f.push_back(Read(76, 2));
  return f;
}();

struct DisplayFlow : ::testing::Test {
  DisplayFlow() {
    sim.bus.Add(unit);
    QObject::connect(&sim.link, &link::Link::frameSent, [this](const Frame& f) {
      sent.push_back(f);
      rates.insert(sim.link.baudRate());
      sim.bus.SetLineBaud(sim.link.baudRate());
    });
  }
  std::vector<Frame> SentAfter(std::size_t n) const { return {sent.begin() + static_cast<long>(n), sent.end()}; }
  bool AnyWrite() const {
    return std::any_of(sent.begin(), sent.end(), [](const Frame& f) { return link::FrameGroup(f) == link::kWrite; });
  }
  void ExpectBackAt4800() {
    EXPECT_EQ(sim.link.baudRate(), 4800);
    EXPECT_FALSE(sim.link.portOpen());
    EXPECT_EQ(rates, std::set<int>{19200});  // every frame of the flow went out at 19200
  }

  test::ScriptedUi ui;
  test::SimLink sim{ui, kTimings, FixedTime};
  std::shared_ptr<sim::DisplayUnit> unit = std::make_shared<sim::DisplayUnit>();
  DisplayTransfer transfer{sim.link, ui, Language::kGerman, FixedTime};
  DisplaySettings s;
  std::vector<Frame> sent;
  std::set<int> rates;
};

TEST_F(DisplayFlow, ReadsTheWholeConfigurationAndShowsIt) {
  test::ScriptedDisplayEditor editor([](DisplaySettings& shown, DisplayActions&) {
    EXPECT_EQ(shown.firmwareText, "Firmware V3.10");
    EXPECT_EQ(shown.contrast, 12);
    EXPECT_EQ(shown.positions[2].choice, 6);  // temperature
    EXPECT_EQ(shown.positions[3].choice, 7);  // virtual 1
    EXPECT_EQ(shown.positions[4].choice, 0);
    EXPECT_EQ(shown.virtuals[1].operation, 2);  // free chlorine
    EXPECT_EQ(shown.serialInterval, 90);
    EXPECT_EQ(shown.loggerInterval, 15);
    EXPECT_EQ(shown.relay1Position, 2);
    return false;
  });
  EXPECT_FALSE(transfer.Configure(s, editor));
  EXPECT_EQ(editor.runs, 1);
  EXPECT_EQ(sent, kReads);
  EXPECT_TRUE(ui.Messages().empty());
  ExpectBackAt4800();
}

TEST_F(DisplayFlow, WritesTheEditedConfigurationFrameForFrameAndStoresIt) {
  // Position 5 is switched off by its mode whatever its value says.
  unit->SetParameter(142, link::ByteData(9));
  unit->SetParameter(143, link::ByteData(3));
  test::ScriptedDisplayEditor editor([](DisplaySettings& e, DisplayActions&) {
    e.positions[0].choice = 8;  // "virtuell 2"
    e.serialInterval = 300;
    return true;
  });
  EXPECT_TRUE(transfer.Configure(s, editor));
  const std::vector<Frame> expected{Write(130, 1),
                                    Write(131, 7),
                                    Write(132, 3),
                                    Write(133, 1),
                                    Write(134, 1),
                                    Write(135, 1),
                                    Write(136, 1),
                                    Write(137, 5),
                                    Write(138, 1),
                                    Write(139, 0),
                                    Write(140, 6),
                                    Write(141, 2),
                                    Write(142, 9),
                                    Write(143, 0),
                                    Write(144, 0),
                                    Write(145, 0),
                                    Write(146, 0),
                                    Write(147, 0),
                                    Write(148, 0),
                                    Write(149, 0),
                                    Write(150, 0),
                                    Write(151, 0),
                                    Write(152, 0),
                                    Write(153, 0),
                                    Write(154, 1),
                                    Write(156, 2),
                                    Write(155, 0),
                                    Write(157, 0),
                                    Write(158, 2),
                                    Write(159, 1),
                                    Write(161, 1),
                                    Write(160, 0),
                                    Write(162, 1),
                                    Write(163, 3),
                                    Write(51, 0),
                                    Write(52, 1),
                                    Write(67, 0),
                                    Write(68, 2),
                                    Write(77, 1),
                                    Write(80, 0),
                                    Write(78, 0),
                                    Write(79, 5),
                                    link::BuildFrame(0x80, link::kWrite, 2, 76, link::U16Data(15)),
                                    link::BuildFrame(0x80, link::kValues, 4, 0x41)};
  EXPECT_EQ(SentAfter(kReads.size()), expected);
  EXPECT_EQ(unit->StoredParameter(131)[0], 7);
  EXPECT_TRUE(ui.Messages().empty());
  ExpectBackAt4800();
}

TEST_F(DisplayFlow, SerialIntervalIsSplitIntoMinutesAndSeconds) {
  struct Case {
    int interval;
    std::uint8_t seconds, minutes;
  };
  for (const Case& c : {Case{300, 0, 5}, Case{10, 10, 0}, Case{61, 1, 1}}) {
    test::ScriptedDisplayEditor editor([&](DisplaySettings& e, DisplayActions&) {
      e.serialInterval = c.interval;
      return true;
    });
    ASSERT_TRUE(transfer.Configure(s, editor));
    EXPECT_EQ(unit->StoredParameter(78)[0], c.seconds) << c.interval;
    EXPECT_EQ(unit->StoredParameter(79)[0], c.minutes) << c.interval;
  }
}

TEST_F(DisplayFlow, AUnitThatStopsAnsweringAtAnyReadShowsNoDialogAndWritesNothing) {
  for (const Frame& read : kReads) {
    SCOPED_TRACE(int(link::FrameParameter(read)));
    sent.clear();
    ui.events.clear();
    sim.bus.ClearFaults();
    sim.bus.FaultWhen(link::kRead, link::FrameParameter(read), sim::Fault::kNoReply, -1);
    test::ScriptedDisplayEditor editor([](DisplaySettings&, DisplayActions&) { return true; });
    EXPECT_FALSE(transfer.Configure(s, editor));
    EXPECT_EQ(editor.runs, 0);
    EXPECT_EQ(sent.back(), read);  // nothing after the request left without reply
    EXPECT_FALSE(AnyWrite());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{test::SimLink::Silent(Language::kGerman)});
    ExpectBackAt4800();
  }
}

TEST_F(DisplayFlow, EveryPathEndsAt4800AndAWriteThatWentWrongIsReported) {
  struct Case {
    const char* name;
    sim::Fault fault;  // on the write of parameter 140
    bool accept;
    bool written;
    std::vector<std::string> messages;
    bool stored;
  };
  const Case cases[] = {
      {"cancel", sim::Fault::kNone, false, false, {}, false},
      {"ok", sim::Fault::kNone, true, true, {}, true},
      {"write unanswered",
       sim::Fault::kNoReply,
       true,
       false,
       {platform::Fill(Tr(Language::kGerman, types::kUnansweredWrites), 1)},
       true},
      {"line lost while writing",
       sim::Fault::kHangUp,
       true,
       false,
       {Tr(Language::kGerman, types::kLineLostWhileWriting)},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sent.clear();
    ui.events.clear();
    sim.bus.ClearFaults();
    if (c.fault != sim::Fault::kNone) sim.bus.FaultWhen(link::kWrite, 140, c.fault);
    test::ScriptedDisplayEditor editor([&](DisplaySettings&, DisplayActions&) { return c.accept; });
    EXPECT_EQ(transfer.Configure(s, editor), c.written);
    EXPECT_EQ(ui.Messages(), c.messages);
    EXPECT_EQ(sent.back() == link::BuildFrame(0x80, link::kValues, 4, 0x41), c.stored);
    ExpectBackAt4800();
  }
}

TEST_F(DisplayFlow, DialogButtonsReachTheUnitAt19200) {
  test::ScriptedDisplayEditor editor([](DisplaySettings&, DisplayActions& a) {
    const std::optional<std::string> info = a.LoggerInformation();
    EXPECT_TRUE(info && info->find("Datenlogger ist freigegeben.") != std::string::npos);
    a.SetClock({2027, 12, 31, 8, 7, 0});
    a.SetContrast(0);
    return false;
  });
  transfer.Configure(s, editor);
  const std::vector<Frame> tail = SentAfter(sent.size() - 4);
  EXPECT_EQ(tail, (std::vector<Frame>{link::BuildFrame(0x80, 1, 3, 59, link::TimeData(8, 7, 0)),
                                      link::BuildFrame(0x80, 1, 3, 58, link::DateData(2027, 12, 31)), Write(164, 43),
                                      link::BuildFrame(0x80, 0, 1, 53, {43})}));
  EXPECT_EQ(unit->clock().year, 2027);
  ExpectBackAt4800();
}

TEST_F(DisplayFlow, OutputsAreReadEditedAndWrittenInTheirOrder) {
  ASSERT_TRUE(transfer.UseDisplayRate());
  test::ScriptedOutputsEditor cancel([](DisplayOutputs& o) {
    EXPECT_EQ(o.dac1Lower, "-500.00");
    EXPECT_EQ(o.relay0Hysteresis, "0.25");
    EXPECT_EQ(o.relay0Maximum, 1);
    return false;
  });
  transfer.ConfigureOutputs(s.outputs, cancel);
  EXPECT_EQ(sent, (std::vector<Frame>{Read(39, 4), Read(41, 4), Read(40, 4), Read(42, 4), Read(47), Read(48), Read(63),
                                      Read(64), Read(55, 4), Read(57, 4), Read(56, 4), Read(58, 4)}));

  sent.clear();
  test::ScriptedOutputsEditor edit([](DisplayOutputs& o) {
    o.dac0Lower = "1,5";
    o.outputKind = 0;
    return true;
  });
  transfer.ConfigureOutputs(s.outputs, edit);
  EXPECT_EQ(SentAfter(12), (std::vector<Frame>{Write(47, 1), Write(48, 0), Write(63, 1), Write(64, 0),
                                               WriteFloat(39, 1.5f), WriteFloat(41, -500.0f), WriteFloat(40, 14.0f),
                                               WriteFloat(42, 500.0f), WriteFloat(55, 7.5f), WriteFloat(57, 30.0f),
                                               WriteFloat(56, 0.25f), WriteFloat(58, 1.0f)}));

  // Text that is no number is never sent, not even as 0.
  sent.clear();
  s.outputs.relay1Limit = "1.5.2";
  EXPECT_FALSE(transfer.WriteOutputs(s.outputs));
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(ui.Messages().back(), "Relais1 Grenzwert: bitte eine Zahl eingeben (z. B. 12,5).");
  transfer.RestoreRate();
}

}  // namespace
}  // namespace korvane::display
