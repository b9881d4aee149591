// The parametrization run and the dialog's actions against the simulated amplifier.
#include <gtest/gtest.h>

#include "parametrization/ParamTexts.h"
#include "parametrization/StartParametrization.h"
#include "support/ParametrizationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::parametrization {
namespace {

using test::SpinFor;

platform::LocalTime Noon() { return {2026, 12, 9, 12, 0, 0}; }

using test::Sent;
using test::Trace;

std::size_t Lines(const std::string& s) { return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n')); }

struct RunFixture : ::testing::Test {
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1);
  test::ScriptedParametrizationDialogs dialogs;
  ParamFields fields;
  void Run() { StartParametrization(sim.link, ui, sim.context, dialogs, fields, &Noon); }
};

TEST_F(RunFixture, TypeWrittenAtItsRateThenClosingCommandsAnd4800Again) {
  struct Case {
    int index;
    int baud;
  } cases[] = {{0, 4800}, {7, 4800}, {19, 19200}, {30, 4800}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    sim.bus.ClearLog();
    ui.events.clear();
    dialogs.type = c.index;
    std::vector<int> typeWriteBauds;
    QObject guard;
    QObject::connect(&sim.link, &link::Link::frameSent, &guard, [&](const link::Frame& f) {
      if (link::FrameGroup(f) == link::kWrite && link::FrameParameter(f) == 28)
        typeWriteBauds.push_back(sim.link.baudRate());
    });
    int reportLines = 0;
    dialogs.run = [&](ParametrizationActions& p) { reportLines = static_cast<int>(Lines(p.fields().report)); };
    Run();
    const std::uint8_t n1 = static_cast<std::uint8_t>(c.index + 1);
    EXPECT_EQ(typeWriteBauds, (std::vector<int>{c.baud, c.baud}));
    EXPECT_EQ(Sent(sim.bus, link::kWrite, 28), (std::vector<link::Data4>(2, {n1, 0, 0, 0})));
    EXPECT_EQ(Sent(sim.bus, link::kValues, 69), (std::vector<link::Data4>{{n1, 0, 0, 0}}));
    EXPECT_EQ(Sent(sim.bus, link::kValues, 65), (std::vector<link::Data4>{{n1, 0, 0, 0}}));
    EXPECT_EQ(Trace(sim.bus).back(), "0/65");
    EXPECT_EQ(reportLines, c.index == 7 ? 25 : 24);
    EXPECT_EQ(sim.link.module().typeIndex, c.index);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{texts::kHoldMode, texts::kFinished}));
    EXPECT_EQ(sim.link.baudRate(), 4800);
    EXPECT_FALSE(sim.link.portOpen());
  }
}

TEST_F(RunFixture, CancelledSelectionSendsNothing) {
  sim.link.setBaudRate(19200);
  Run();
  EXPECT_TRUE(sim.bus.received().empty());
  EXPECT_EQ(dialogs.runs, 0);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{texts::kHoldMode}));
  EXPECT_EQ(sim.link.baudRate(), 4800);
  EXPECT_FALSE(sim.link.portOpen());
}

TEST_F(RunFixture, FailureRows) {
  struct Case {
    const char* name;
    std::uint8_t group, parameter;  // the request that gets no reply
    bool inDialog;                  // the fault is set while the dialog is open
    int runs, typeWrites, stores;
    std::vector<std::string> messages;
  } cases[] = {
      {"first type write",
       link::kWrite,
       28,
       false,
       0,
       2,
       1,
       {texts::kHoldMode, sim.link.commErrorMessage(Language::kGerman), texts::kFinished}},
      {"command 69", link::kValues, 69, false, 1, 1, 0, {texts::kHoldMode, texts::kNotFinished}},
      {"second type write", link::kWrite, 28, true, 1, 2, 1, {texts::kHoldMode, texts::kNotFinished}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim.bus.ClearLog();
    sim.bus.ClearFaults();
    ui.events.clear();
    dialogs.runs = 0;
    dialogs.type = 3;
    dialogs.run = [&](ParametrizationActions&) {
      if (c.inDialog) sim.bus.FaultWhen(c.group, c.parameter, sim::Fault::kNoReply);
    };
    if (!c.inDialog) sim.bus.FaultWhen(c.group, c.parameter, sim::Fault::kNoReply);
    Run();
    EXPECT_EQ(ui.Messages(), c.messages);
    EXPECT_EQ(dialogs.runs, c.runs);
    EXPECT_EQ(Sent(sim.bus, link::kWrite, 28).size(), static_cast<std::size_t>(c.typeWrites));
    EXPECT_EQ(Sent(sim.bus, link::kValues, 65).size(), static_cast<std::size_t>(c.stores));
    EXPECT_EQ(sim.link.baudRate(), 4800);
    EXPECT_FALSE(sim.link.portOpen());
  }
}

// One opening of the dialog on a module of the given type.
struct SessionFixture : ::testing::Test {
  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1);
  test::RecordingRawView raw;
  ParamFields fields;
  Parametrization p{sim.link, ui, sim.context, raw, fields, &Noon};

  void Open(int type) {
    sim.link.module().typeIndex = type;
    p.Initialize();
    sim.bus.ClearLog();
    ui.events.clear();
  }
  // The person looks at the raw value window for ms before closing the waiting box.
  void WaitInBox(int ms) {
    ui.onEvent = [ms](const test::UiEvent& e) {
      if (e.text == texts::kWaitStable) SpinFor(ms);
    };
  }
};

TEST_F(SessionFixture, InitializationTakesTheModuleDataAndType7ShowsTheAirPressure) {
  amp->SetParameter(26, {'X', 'Y', 'Z', 0});
  amp->SetParameterByte(129, 42);
  amp->SetParameterByte(83, 1);
  amp->SetParameter(25, link::U16Data(3999));
  sim.link.module().measured[3] = 1013.9f;
  Open(7);
  EXPECT_EQ(fields.deviceNumber, "XYZ");
  EXPECT_EQ(fields.delay, "42");
  EXPECT_TRUE(fields.screenSaverOff);
  EXPECT_EQ(fields.dac[7], "3999");
  EXPECT_EQ(fields.dac[0], "410");
  EXPECT_EQ(fields.airPressure, "1013");
  EXPECT_TRUE(fields.initialized);
  EXPECT_TRUE(p.enabling().measureAirPressure);
  EXPECT_EQ(Lines(fields.report), 25u);
  EXPECT_EQ(fields.report.substr(0, 19), "09.12.2026  12:00\n\r");
}

TEST_F(SessionFixture, ReportFailureRows) {
  Open(0);
  // A later request without reply: its line keeps the value held before.
  sim.link.module().parameter[7] = link::U16Data(4321);
  sim.bus.FaultWhen(link::kRead, 7, sim::Fault::kNoReply);
  EXPECT_EQ(p.ReadParameterReport(), Parametrization::ReportStatus::kDone);
  EXPECT_NE(fields.report.find("PARA01_I          4321\n\r"), std::string::npos);
  EXPECT_EQ(Lines(fields.report), 24u);
  EXPECT_TRUE(ui.Messages().empty());
  // The first request without reply: the report stays empty.
  sim.bus.FaultWhen(link::kRead, 0, sim::Fault::kNoReply);
  EXPECT_EQ(p.ReadParameterReport(), Parametrization::ReportStatus::kNoAnswer);
  EXPECT_EQ(fields.report, "");
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{sim.link.commErrorMessage(Language::kGerman)}));
  EXPECT_EQ(ui.Kinds().back(), "progress-close");
}

TEST_F(SessionFixture, PrintGoesToTheDocumentDaten_Parametrieren) {
  Open(0);
  ui.printAccept = true;
  EXPECT_TRUE(p.PrintParameterReport());
  EXPECT_EQ(ui.events.back().text, texts::kDocumentName);
  ASSERT_TRUE(ui.lastPage);
  EXPECT_EQ(ui.lastPage->texts.size(), 24u);
  ui.printAccept = false;
  EXPECT_FALSE(p.PrintParameterReport());
}

TEST_F(SessionFixture, MeasureStoresTheWindowValueOfTheLastTick) {
  amp->PinRaw(60, 1234);
  amp->PinRaw(61, 8111, 2222);
  struct Case {
    Control control;
    int lookMs;  // 0: closed before the first tick
    std::uint8_t parameter;
    std::uint16_t stored;
  } cases[] = {{Control::kRange00, 0, 6, 0},
               {Control::kRange00, 60, 6, 1234},
               {Control::kTemperature100, 60, 1, 8111},
               {Control::kRange11Second, 60, 9, 2222}};
  Open(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.control));
    sim.bus.ClearLog();
    raw.events.clear();
    WaitInBox(c.lookMs);
    p.Measure(c.control);
    EXPECT_EQ(Sent(sim.bus, link::kWrite, c.parameter), (std::vector<link::Data4>{link::U16Data(c.stored)}));
    EXPECT_EQ(raw.events.front(), "open 0");
    EXPECT_EQ(raw.events.back(), "close");
    EXPECT_EQ(raw.events.size(), c.lookMs ? 3u : 2u);
    EXPECT_FALSE(raw.open);
  }
}

TEST_F(SessionFixture, DacOutputFollowsTheEditsInAdjustModeUntilAMeasurementOrTheClose) {
  Open(0);
  fields.dac[1] = "2000";
  p.SetDacOutput(1);
  fields.dac[6] = "500";
  p.SetDacOutput(6);
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"0/67", "0/63", "0/63"}));
  EXPECT_EQ(Sent(sim.bus, link::kValues, 63), (std::vector<link::Data4>{{0xD0, 0x07, 0, 0}, {0xF4, 0x01, 3, 0}}));
  EXPECT_TRUE(amp->dacAdjustMode());
  EXPECT_EQ(amp->dacOutput(3), 500);

  // A measurement leaves adjust mode before its raw request.
  sim.bus.ClearLog();
  WaitInBox(0);
  p.Measure(Control::kRange00);
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"0/68", "0/60", "3/6"}));
  EXPECT_FALSE(fields.dacAdjustMode);

  // The close leaves it too, once it is on again.
  p.SetDacOutput(0);
  sim.bus.ClearLog();
  p.Close();
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"0/68"}));
  EXPECT_FALSE(amp->dacAdjustMode());
  p.Close();
  EXPECT_EQ(sim.bus.received().size(), 1u);

  // Before initialization an edit change does nothing.
  fields.initialized = false;
  p.SetDacOutput(0);
  EXPECT_EQ(sim.bus.received().size(), 1u);
}

TEST_F(SessionFixture, DacValuesOutsideTheirRangeAreNeverSent) {
  Open(0);
  fields.dac[3] = "809";
  p.SetDacOutput(3);
  EXPECT_TRUE(Sent(sim.bus, link::kValues, 63).empty());
  p.ProgramDacLimits();
  EXPECT_TRUE(Sent(sim.bus, link::kWrite, 21).empty());
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>(2, DacRangeProblem(3, 809))));
  EXPECT_EQ(amp->dacOutput(1), 0);
}

TEST_F(SessionFixture, ProgramDacLimitsWritesEightOrStopsAfterTheFirst) {
  Open(0);
  for (int i = 0; i < 8; ++i) fields.dac[i] = std::to_string(i % 2 ? 900 + i : 100 + i);
  p.ProgramDacLimits();
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(amp->Parameter(static_cast<std::uint8_t>(18 + i)), link::U16Data(i % 2 ? 900 + i : 100 + i));
  std::vector<int> positions;
  for (const auto& e : ui.events)
    if (e.kind == "progress-set") positions.push_back(e.number);
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));

  sim.bus.ClearLog();
  sim.bus.FaultWhen(link::kWrite, 18, sim::Fault::kNoReply);
  p.ProgramDacLimits();
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"3/18"}));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{sim.link.commErrorMessage(Language::kGerman)}));
}

TEST_F(SessionFixture, AirPressureMeasurement) {
  amp->PinRaw(62, 40000);
  struct Case {
    const char* hPa;
    std::optional<std::uint16_t> stored;  // parameter 14; nullopt: nothing sent
    bool windowShown;
    const char* message;  // besides the waiting box; nullptr: none
  } cases[] = {
      {"799", std::nullopt, false, texts::kEnterAirPressure},
      {"800", 0, false, nullptr},
      {"1000", 40520, true, nullptr},
      {"1013", 40000, true, nullptr},
      {"1100", 36836, true, nullptr},
      {"1101", std::nullopt, false, texts::kEnterAirPressure},
  };
  Open(7);
  WaitInBox(60);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hPa);
    sim.bus.ClearLog();
    ui.events.clear();
    raw.events.clear();
    fields.airPressure = c.hPa;
    p.MeasureAirPressure();
    if (c.stored) {
      EXPECT_EQ(Sent(sim.bus, link::kWrite, 14), (std::vector<link::Data4>{link::U16Data(*c.stored)}));
      EXPECT_EQ(Sent(sim.bus, link::kWrite, 37), (std::vector<link::Data4>{{0x00, 0x00, 0x80, 0x3F}}));
    } else {
      EXPECT_TRUE(sim.bus.received().empty());
    }
    EXPECT_EQ(!raw.events.empty(), c.windowShown);
    std::vector<std::string> messages = ui.Messages();
    std::erase(messages, std::string(texts::kWaitStable));
    EXPECT_EQ(messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

TEST_F(SessionFixture, AirPressureAdjustmentBeyond16BitsIsRefused) {
  amp->PinRaw(62, 65535);
  Open(7);
  WaitInBox(60);
  fields.airPressure = "801";
  p.MeasureAirPressure();
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"0/62", "0/62"}));
  EXPECT_NE(ui.Messages().back().find("82880"), std::string::npos);
}

TEST_F(SessionFixture, LineLostDuringAMeasurementStoresNothing) {
  amp->PinRaw(60, 1234);
  Open(0);
  ui.onEvent = [&](const test::UiEvent& e) {
    if (e.text != texts::kWaitStable) return;
    SpinFor(60);
    sim.bus.SetFault(sim::Fault::kHangUp);
    SpinFor(60);
    EXPECT_FALSE(raw.open);  // closed while the box is still open
  };
  p.Measure(Control::kRange00);
  EXPECT_TRUE(Sent(sim.bus, link::kWrite, 6).empty());
  EXPECT_EQ(ui.Messages().back(), texts::kMeasurementLost);
  EXPECT_EQ(raw.events.back(), "close");
}

TEST_F(SessionFixture, RangeSwitchWritesTheRangeCodeAndStoresIt) {
  struct Case {
    int type;
    int button;
    std::uint8_t code;
  } cases[] = {{3, 0, 3}, {3, 3, 6}, {21, 0, 21}, {21, 3, 24}};
  for (const Case& c : cases) {
    Open(c.type);
    p.SwitchRange(c.button);
    EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"3/28", "0/65"}));
    EXPECT_EQ(Sent(sim.bus, link::kWrite, 28), (std::vector<link::Data4>{{c.code, 0, 0, 0}}));
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{texts::kRangeSwitched}));
    EXPECT_EQ(sim.link.module().typeIndex, c.type);
  }
  Open(3);
  sim.bus.FaultWhen(link::kWrite, 28, sim::Fault::kNoReply);
  p.SwitchRange(1);
  EXPECT_EQ(Trace(sim.bus), (std::vector<std::string>{"3/28"}));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{sim.link.commErrorMessage(Language::kGerman)}));
}

TEST_F(SessionFixture, ProgButtonsWriteDeviceDataOrRefuse) {
  Open(0);
  struct Case {
    const char* number;
    const char* delay;
    void (Parametrization::*action)();
    std::uint8_t parameter;
    std::optional<link::Data4> sent;
  } cases[] = {
      {"AB", "10", &Parametrization::WriteDeviceNumber, 26, std::nullopt},
      {"ABC", "10", &Parametrization::WriteDeviceNumber, 26, link::Data4{'A', 'B', 'C', 0}},
      {"ABCD", "10", &Parametrization::WriteDeviceNumber, 26, link::Data4{'A', 'B', 'C', 'D'}},
      {"ABCD", "251", &Parametrization::WriteCalibrationDelay, 129, std::nullopt},
      {"ABCD", "250", &Parametrization::WriteCalibrationDelay, 129, link::Data4{250, 0, 0, 0}},
      {"ABCD", "251", &Parametrization::WriteDeviceNumber, 26, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.number) + " " + c.delay);
    sim.bus.ClearLog();
    ui.events.clear();
    fields.deviceNumber = c.number;
    fields.delay = c.delay;
    (p.*c.action)();
    if (c.sent) {
      EXPECT_EQ(Sent(sim.bus, link::kWrite, c.parameter), (std::vector<link::Data4>{*c.sent}));
      EXPECT_TRUE(ui.Messages().empty());
    } else {
      EXPECT_TRUE(sim.bus.received().empty());
      EXPECT_EQ(ui.Messages().size(), 1u);
    }
  }
  // Every field is taken over: the delay of 251 still stops it.
  fields.screenSaverOff = true;
  p.WriteScreenSaver();
  EXPECT_EQ(amp->ParameterByte(83), 0);
  fields.delay = "10";
  p.WriteScreenSaver();
  EXPECT_EQ(amp->ParameterByte(83), 1);
}

}  // namespace
}  // namespace korvane::parametrization
