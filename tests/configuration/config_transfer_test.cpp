#include <gtest/gtest.h>

#include <algorithm>

#include "configuration/ConfigLists.h"
#include "configuration/ConfigTransfer.h"
#include "support/ConfigurationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::configuration {
namespace {

using link::Frame;

// Short waits: a missing reply ends after 150 ms.
link::LinkTimings Quick() {
  return {std::chrono::milliseconds(150), std::chrono::milliseconds(5), std::chrono::milliseconds(1)};
}

// "group/parameter@address" of every frame.
std::vector<std::string> Sequence(const std::vector<Frame>& frames) {
  std::vector<std::string> out;
  for (const Frame& f : frames)
    out.push_back(std::to_string(link::FrameGroup(f)) + "/" + std::to_string(link::FrameParameter(f)) + "@" +
                  std::to_string(link::FrameAddress(f)));
  return out;
}

// The frames after the 31 reads.
std::vector<Frame> WriteFrames(const std::vector<Frame>& all) {
  return all.size() > 31 ? std::vector<Frame>(all.begin() + 31, all.end()) : std::vector<Frame>();
}

const Frame* Find(const std::vector<Frame>& frames, std::uint8_t group, std::uint8_t p) {
  for (const Frame& f : frames)
    if (link::FrameGroup(f) == group && link::FrameParameter(f) == p) return &f;
  return nullptr;
}

std::vector<std::string> Writes(std::initializer_list<int> params, int address) {
  std::vector<std::string> out;
  for (int p : params) out.push_back("3/" + std::to_string(p) + "@" + std::to_string(address));
  return out;
}

class Transfer : public ::testing::Test {
 protected:
  std::shared_ptr<sim::Amplifier> Attach(int wireType, std::uint8_t address, int kind) {
    auto amp = sim.AddAmplifier(wireType, address, kind);
    context.address = address;
    return amp;
  }
  // Runs the whole flow; the dialog stand-in applies the dialog's settings rules,
  // lets the test edit, and presses OK with the type check.
  bool Run(const std::function<void(ConfigSettings&)>& edit = {}) {
    test::ScriptedEditor editor([&](ConfigSettings& s, ConfigurationActions& confirm) {
      ++dialogRuns;
      ApplySetupDialogRules(s);
      if (edit) edit(s);
      return confirm.CheckTypeOnOk(s) == TypeCheck::kAccepted;
    });
    return transfer.ReadConfiguration(settings, editor);
  }
  std::vector<int> ProgressPositions(int fromEvent = 0) const {
    std::vector<int> out;
    for (std::size_t i = static_cast<std::size_t>(fromEvent); i < ui.events.size(); ++i)
      if (ui.events[i].kind == "progress-set") out.push_back(ui.events[i].number);
    return out;
  }

  test::ScriptedUi ui;
  test::SimLink sim{ui, Quick()};
  link::FlowContext context;
  ConfigTransfer transfer{sim.link, ui, context};
  ConfigSettings settings;
  int dialogRuns = 0;
};

TEST_F(Transfer, ReadSequenceFillsTheSettings) {
  Attach(1, 0, 3);  // pH, earlier series
  ASSERT_TRUE(transfer.ReadConfigurationSequence(settings));
  const auto& rx = sim.bus.received();
  ASSERT_EQ(rx.size(), 31u);
  for (int n = 0; n < 31; ++n) {
    EXPECT_EQ(link::FrameGroup(rx[n]), 2);
    EXPECT_EQ(link::FrameParameter(rx[n]), kReadOrder[n].number);
    EXPECT_EQ(link::FrameData(rx[n]), (link::Data4{0, 0, 0, 0}));
  }
  EXPECT_EQ(link::FrameLength(rx[0]), 1);   // 28
  EXPECT_EQ(link::FrameLength(rx[1]), 4);   // 39
  EXPECT_EQ(link::FrameLength(rx[30]), 1);  // 29
  EXPECT_EQ(settings.moduleType, 0);
  EXPECT_EQ(settings.AbsoluteType(), 0);
  EXPECT_EQ(settings.deviceKind, 3);
  EXPECT_EQ(settings.calibration1, "-3.5");  // one decimal for pH
  EXPECT_EQ(settings.calibration2, "-59.2");
  EXPECT_EQ(settings.calibration3, "0");
  EXPECT_EQ(settings.calibrationKey1, "3.00");
  EXPECT_EQ(settings.calibrationKey2, "1.00");
  EXPECT_EQ(settings.output0Upper, "14.00");
  EXPECT_EQ(settings.fixedTemperature, "25.0");
  EXPECT_EQ(settings.temperatureOffset, "0.0");
  EXPECT_EQ(settings.output1Source, 5);
  EXPECT_EQ(settings.currentRange, 1);
  EXPECT_EQ(settings.firmware, "Firmware V0.98");
  EXPECT_EQ(settings.identity, "A123");
  EXPECT_EQ(settings.phFix, 1);

  ASSERT_GE(ui.events.size(), 33u);
  EXPECT_EQ(ui.events[0].kind, "progress-open");
  EXPECT_EQ(ui.events[0].title, "Datenübertragung");
  EXPECT_EQ(ui.events[0].text, "Datenübertragung läuft.");
  EXPECT_EQ(ui.events[0].number, 30);
  std::vector<int> expected(31);
  for (int n = 0; n < 31; ++n) expected[n] = n + 1;
  EXPECT_EQ(ProgressPositions(), expected);
  EXPECT_EQ(ui.events.back().kind, "progress-close");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(TransferFaults, ModuleThatStopsAnsweringAtAnyReadOpensNoDialog) {
  for (int n = 1; n <= 31; ++n) {
    test::ScriptedUi ui;
    test::SimLink sim{ui, Quick()};
    sim.AddAmplifier(4, 0, 5);
    link::FlowContext context{0, Language::kEnglish};
    sim.bus.FaultWhen(2, kReadOrder[n - 1].number, sim::Fault::kNoReply, 100);
    ConfigTransfer transfer{sim.link, ui, context};
    ConfigSettings s;
    test::ScriptedEditor editor([](ConfigSettings&) { return true; });
    EXPECT_FALSE(transfer.ReadConfiguration(s, editor)) << n;
    EXPECT_EQ(editor.runs, 0) << n;
    EXPECT_EQ(sim.bus.received().size(), static_cast<std::size_t>(n)) << n;
    ASSERT_GE(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[ui.events.size() - 2].kind, "progress-close") << n;
    EXPECT_EQ(ui.events.back().text, test::SimLink::Silent(Language::kEnglish)) << n;
  }
}

TEST_F(Transfer, PhModuleOfAnEarlierSeriesWritesInTheFixedOrder) {
  auto amp = Attach(1, 0, 3);
  ASSERT_TRUE(Run());
  EXPECT_EQ(dialogRuns, 1);
  const auto writes = WriteFrames(sim.bus.received());
  std::vector<std::string> expected{"2/28@0", "0/67@0"};  // OK check, then adjust mode
  for (const auto& w :
       Writes({39, 41, 40, 42, 51, 52, 32, 33, 34, 35, 36, 30, 48, 47, 55, 56, 63, 67, 72, 38, 73, 81}, 0))
    expected.push_back(w);
  expected.push_back("0/65@0");
  expected.push_back("0/68@0");
  EXPECT_EQ(Sequence(writes), expected);

  // Key values go back as list indices, the rest as read (rounded to the shown decimals).
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 35)), link::FloatData(3.0f));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 36)), link::FloatData(1.0f));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 32)), link::FloatData(-3.5f));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 52)), (link::Data4{5, 0, 0, 0}));
  EXPECT_EQ(link::FrameLength(*Find(writes, 3, 52)), 1);
  EXPECT_EQ(link::FrameLength(*Find(writes, 3, 72)), 4);
  // The closing commands carry the hold byte over the offset float's upper bytes.
  const link::Data4 off = link::FloatData(0.0f);
  const link::Data4 leftover{1, off[1], off[2], off[3]};
  EXPECT_EQ(link::FrameData(*Find(writes, 0, 65)), leftover);
  EXPECT_EQ(link::FrameData(writes.back()), leftover);
  EXPECT_EQ(amp->commands(), (std::vector<std::uint8_t>{67, 65, 68}));

  // Second progress window: resource caption, range 0..25, one step per request.
  auto second = std::find_if(ui.events.begin() + 1, ui.events.end(),
                             [](const test::UiEvent& e) { return e.kind == "progress-open"; });
  ASSERT_NE(second, ui.events.end());
  EXPECT_EQ(second->number, 25);
  EXPECT_EQ(second->title, "Datenübertragung");
  std::vector<int> steps(24);
  for (int i = 0; i < 24; ++i) steps[i] = i + 1;
  EXPECT_EQ(ProgressPositions(static_cast<int>(second - ui.events.begin())), steps);
  EXPECT_EQ(ui.events.back().kind, "progress-close");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(Transfer, ConductivityRangeSwitchWritesTheTypeAfterOffsetBeforeFixedTemperature) {
  auto amp = Attach(4, 0, 3);  // "2000µS"
  std::vector<std::string> offered;
  ASSERT_TRUE(Run([&](ConfigSettings& s) {
    offered = DescribeDialogControls(s).typeListEntries;
    EXPECT_EQ(s.typeListOffset, 2);
    s.measurementType = 2;  // "20mS"
  }));
  EXPECT_EQ(offered, (std::vector<std::string>{"200µS", "2000µS", "20mS", "100mS"}));
  const auto seq = Sequence(WriteFrames(sim.bus.received()));
  const auto at = [&](const char* w) { return std::find(seq.begin(), seq.end(), w) - seq.begin(); };
  ASSERT_LT(at("3/28@0"), static_cast<long>(seq.size()));
  EXPECT_EQ(at("3/28@0"), at("3/38@0") + 1);
  EXPECT_EQ(at("3/73@0"), at("3/28@0") + 1);
  EXPECT_EQ(link::FrameData(*Find(WriteFrames(sim.bus.received()), 3, 28)), (link::Data4{5, 0, 0, 0}));
  EXPECT_EQ(amp->ParameterByte(28), 5);
}

TEST_F(Transfer, Type18WithFixedPhWritesOneAndParameter37) {
  Attach(19, 0, 3);
  ASSERT_TRUE(Run([](ConfigSettings& s) {
    s.phFix = 1;
    s.calibrationKey1 = "5.5";
    s.calibration4 = "7.25";
  }));
  const auto writes = WriteFrames(sim.bus.received());
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 35)), link::FloatData(1.0f));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 37)), link::FloatData(7.25f));
  const auto seq = Sequence(writes);
  const auto p36 = std::find(seq.begin(), seq.end(), "3/36@0");
  ASSERT_NE(p36, seq.end());
  EXPECT_EQ(*(p36 + 1), "3/37@0");
  EXPECT_EQ(*(p36 + 2), "3/30@0");
  EXPECT_EQ(Find(writes, 3, 28), nullptr);
}

TEST_F(Transfer, DeviceKind4SkipsRelay2AndKeepsTheTdsFactor) {
  Attach(22, 0, 4);  // "2000µS (4)"
  ASSERT_TRUE(Run());
  const auto writes = WriteFrames(sim.bus.received());
  for (int p : {57, 58, 64, 68}) EXPECT_EQ(Find(writes, 3, static_cast<std::uint8_t>(p)), nullptr) << p;
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 35)), link::FloatData(0.64f));  // not cut to 0
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 36)), link::FloatData(0.0f));   // emptied by the dialog
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 28)), (link::Data4{22, 0, 0, 0}));
  auto second = std::find_if(ui.events.rbegin(), ui.events.rend(),
                             [](const test::UiEvent& e) { return e.kind == "progress-open"; });
  EXPECT_EQ(second->number, 25);
}

TEST_F(Transfer, DeviceKind5WritesRelay2AfterRelay1) {
  Attach(1, 0, 5);
  ASSERT_TRUE(Run([](ConfigSettings& s) {
    s.relay2Limit = "9.5";
    s.relay2Source = -1;
  }));
  const auto writes = WriteFrames(sim.bus.received());
  const auto seq = Sequence(writes);
  const auto r1 = std::find(seq.begin(), seq.end(), "3/67@0");
  ASSERT_NE(r1, seq.end());
  EXPECT_EQ(std::vector<std::string>(r1 + 1, r1 + 6),
            (std::vector<std::string>{"3/57@0", "3/58@0", "3/64@0", "3/68@0", "3/72@0"}));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 57)), link::FloatData(9.5f));
  EXPECT_EQ(link::FrameData(*Find(writes, 3, 68)), (link::Data4{255, 0, 0, 0}));
  auto second = std::find_if(ui.events.rbegin(), ui.events.rend(),
                             [](const test::UiEvent& e) { return e.kind == "progress-open"; });
  EXPECT_EQ(second->number, 29);
}

TEST_F(Transfer, AddressChangeTakesEffectAfterParameter30) {
  auto amp = Attach(1, 1, 3);
  ASSERT_TRUE(Run([](ConfigSettings& s) { s.address = 5; }));
  const auto seq = Sequence(WriteFrames(sim.bus.received()));
  const auto p30 = std::find(seq.begin(), seq.end(), "3/30@1");
  ASSERT_NE(p30, seq.end());
  for (auto it = seq.begin(); it <= p30; ++it) EXPECT_EQ(it->substr(it->find('@')), "@1") << *it;
  EXPECT_EQ(*(p30 + 1), "3/48@5");
  for (auto it = p30 + 1; it != seq.end(); ++it) EXPECT_EQ(it->substr(it->find('@')), "@5") << *it;
  EXPECT_EQ(seq.back(), "0/68@5");
  EXPECT_EQ(context.address, 5);
  EXPECT_EQ(amp->address(), 5);
  EXPECT_EQ(amp->commands(), (std::vector<std::uint8_t>{67, 65, 68}));  // the module heard all of them
}

TEST_F(Transfer, WriteThatBreaksOffIsCountedAndReported) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> parameters;  // the writes that go wrong
    sim::Fault fault;
    int unanswered;
    bool lineLost;
    const char* message;
  } cases[] = {
      {"two writes unacknowledged",
       {73, 81},
       sim::Fault::kNoReply,
       2,
       false,
       "Das Modul hat 2 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig "
       "gespeichert."},
      {"line lost at the output kind",
       {48},
       sim::Fault::kHangUp,
       0,
       true,
       "Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig "
       "gespeichert."},
  };
  Attach(1, 0, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim.link.ClosePort();
    for (std::uint8_t p : c.parameters) sim.bus.FaultWhen(link::kWrite, p, c.fault);
    ui.events.clear();
    const std::size_t sentBefore = sim.bus.received().size();
    EXPECT_FALSE(Run());
    EXPECT_EQ(transfer.lastWrite().unanswered, c.unanswered);
    EXPECT_EQ(transfer.lastWrite().lineLost, c.lineLost);
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages().back(), c.message);
    // A lost line stops the sequence: nothing after the write that broke off.
    const std::vector<Frame> run(sim.bus.received().begin() + static_cast<std::ptrdiff_t>(sentBefore),
                                 sim.bus.received().end());
    if (c.lineLost) {
      EXPECT_EQ(Sequence(run).back(), "3/" + std::to_string(c.parameters[0]) + "@0");
    }
  }
}

TEST_F(Transfer, CancelWritesNothing) {
  Attach(1, 0, 3);
  test::ScriptedEditor cancel([](ConfigSettings&) { return false; });
  EXPECT_FALSE(transfer.ReadConfiguration(settings, cancel));
  EXPECT_EQ(sim.bus.received().size(), 31u);
}

TEST_F(Transfer, OkCheckFamilyRule) {
  Attach(4, 0, 3);  // module type 3
  struct Case {
    int chosen;
    TypeCheck result;
  } cases[] = {{3, TypeCheck::kAccepted},
               {5, TypeCheck::kAccepted},
               {2, TypeCheck::kAccepted},
               {0, TypeCheck::kTypeMismatch},
               {20, TypeCheck::kTypeMismatch}};
  for (const Case& c : cases) {
    ConfigSettings s;
    s.measurementType = c.chosen;
    ui.events.clear();
    EXPECT_EQ(transfer.CheckTypeOnOk(s), c.result) << c.chosen;
    EXPECT_EQ(s.moduleType, 3);
    if (c.result == TypeCheck::kTypeMismatch) {
      EXPECT_EQ(
          ui.Messages(),
          (std::vector<std::string>{"Fehler!\nDer Typ des angeschlossenen Verstärkers paßt nicht zur Einstellung!"}));
    } else {
      EXPECT_TRUE(ui.Messages().empty());
    }
  }
  ConfigSettings english;
  english.language = Language::kEnglish;
  english.measurementType = 0;
  transfer.CheckTypeOnOk(english);
  EXPECT_EQ(ui.Messages().back(), "Error! The adjusted amplifier type dose not fit to the connected type!");
  sim.bus.FaultWhen(2, 28, sim::Fault::kNoReply);
  EXPECT_EQ(transfer.CheckTypeOnOk(english), TypeCheck::kNoReply);
  EXPECT_EQ(ui.Messages().back(), test::SimLink::Silent(Language::kEnglish));
}

TEST_F(Transfer, TypeOutsideTheCatalogueBehavesAsAnEmptyRecord) {
  for (int wire : {0, 40}) {
    test::ScriptedUi ui2;
    test::SimLink sim2{ui2, Quick()};
    auto amp = sim2.AddAmplifier(1, 0, 3);
    amp->SetParameterByte(28, static_cast<std::uint8_t>(wire));
    link::FlowContext context2;
    ConfigTransfer t2{sim2.link, ui2, context2};
    ConfigSettings s;
    DialogControlStates shown;
    test::ScriptedEditor editor([&](ConfigSettings& c, ConfigurationActions& confirm) {
      shown = SetupDialogControls(c);
      return confirm.CheckTypeOnOk(c) == TypeCheck::kAccepted;
    });
    ASSERT_TRUE(t2.ReadConfiguration(s, editor)) << wire;
    EXPECT_EQ(s.moduleType, wire - 1);
    EXPECT_EQ(shown.typeListEntries.size(), 31u);
    EXPECT_FALSE(shown.get(ctl::kMeasurementType).enabled);
    EXPECT_EQ(shown.sourceNames[0], "");
    EXPECT_EQ(s.calibration1, "-4");  // -3.5 without decimals: no record gives none
    EXPECT_EQ(Find(WriteFrames(sim2.bus.received()), 3, 28), nullptr);
  }
}

}  // namespace
}  // namespace korvane::configuration
