// Whole calibration runs against the simulated module, with a scripted user and a
// host that polls the live values the way the main window does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "calibration/Calibrate.h"
#include "calibration/CalibrationTexts.h"
#include "platform/Texts.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::calibration {
namespace {

using link::BuildFrame;
using link::FloatData;
using link::Frame;

bool WaitUntil(const std::function<bool()>& done, int limitMs = 2000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > limitMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
  }
  return true;
}

// Stands in for the main window: polls value 1 (the chain does the rest) on a timer.
class PollingHost : public CalibrationHost {
 public:
  explicit PollingHost(link::Link& link) : link_(link) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (link_.badFrame()) {
        link_.clearBadFrame();
        return;
      }
      link_.Send(0, link::kMeasuredValue1);
    });
  }
  void SetChannelCaptions(int typeIndex) override {
    calls.push_back("captions");
    captionsType = typeIndex;
  }
  void StartPolling() override {
    calls.push_back("start");
    timer_.start();
  }
  void StopPolling() override {
    calls.push_back("stop");
    timer_.stop();
  }
  void ClearValueDisplay() override {
    calls.push_back("clear");
    link_.WaitSeconds(1);
  }
  void SetStatusLine(const std::string& text) override {
    calls.push_back("status");
    status = text;
  }
  bool polling() const { return timer_.isActive(); }

  std::vector<std::string> calls;
  std::string status;
  int captionsType = -1;

 private:
  link::Link& link_;
  QTimer timer_;
};

using Pins = std::vector<std::pair<int, float>>;  // (channel 1..6, value)

struct Bench {
  explicit Bench(int wireType, Language language = Language::kGerman) : amp(sim.AddAmplifier(wireType)) {
    context.language = language;
    ui.onEvent = [this](const test::UiEvent& e) { OnEvent(e); };
  }

  // What the module measures from the n-th "wait until stable" box on; the scripted
  // user presses OK once the live display shows it.
  std::vector<Pins> atWait;
  // What the module measures while the n-th value entry is open.
  std::vector<Pins> atEntry;
  bool allSeen = true;
  bool pollingDuringPrompts = true;

  void Run() { Calibrate(sim.link, context, ui, ui, host); }

  // Everything shown, one line per interaction (progress window left out).
  std::vector<std::string> Shown() const {
    std::vector<std::string> out;
    for (const test::UiEvent& e : ui.events) {
      if (e.kind == "message") out.push_back(e.text);
      if (e.kind == "entry") out.push_back("entry " + e.text + " [" + e.title + "] " + std::to_string(e.number));
      if (e.kind == "choice") out.push_back("choice " + e.text);
      if (e.kind == "result") out.push_back("result " + e.text + "|" + e.title);
    }
    return out;
  }
  const test::UiEvent* Result() const {
    for (const test::UiEvent& e : ui.events)
      if (e.kind == "result") return &e;
    return nullptr;
  }
  // The frames that change the module: parameter writes and the store command.
  std::vector<Frame> Writes() const {
    std::vector<Frame> out;
    for (const Frame& f : sim.bus.received())
      if (link::FrameGroup(f) == link::kWrite ||
          (link::FrameGroup(f) == link::kValues && link::FrameParameter(f) == 65))
        out.push_back(f);
    return out;
  }
  std::vector<Frame> ExpectedSave(const KValues& k) const {
    return {BuildFrame(0, 3, 4, 32, FloatData(k[0])), BuildFrame(0, 3, 4, 33, FloatData(k[1])),
            BuildFrame(0, 3, 4, 34, FloatData(k[2])), BuildFrame(0, 3, 4, 37, FloatData(k[3])),
            BuildFrame(0, 0, 4, 65, FloatData(k[3]))};
  }
  KValues Stored() const {
    return {amp->ParameterFloat(32), amp->ParameterFloat(33), amp->ParameterFloat(34), amp->ParameterFloat(37)};
  }

  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp;
  PollingHost host{sim.link};
  link::FlowContext context;

 private:
  void OnEvent(const test::UiEvent& e) {
    if (e.kind == "entry" ||
        (e.kind == "message" && e.text.rfind(platform::Tr(Language::kGerman, kCommError), 0) != 0 &&
         e.text.rfind(platform::Tr(Language::kEnglish, kCommError), 0) != 0))
      pollingDuringPrompts = pollingDuringPrompts && host.polling();
    if (e.kind == "entry") {
      if (entries_ < atEntry.size()) Pin(atEntry[entries_]);
      ++entries_;
    }
    if (e.kind != "message" || (e.text != platform::Tr(Language::kGerman, kWaitStable) &&
                                e.text != platform::Tr(Language::kEnglish, kWaitStable)))
      return;
    if (waits_ < atWait.size()) Pin(atWait[waits_]);
    ++waits_;
  }
  void Pin(const Pins& pins) {
    for (auto [channel, value] : pins) amp->SetMeasured(channel, value);
    allSeen = WaitUntil([&] {
                for (auto [channel, value] : pins)
                  if (sim.link.module().measured[channel - 1] != value) return false;
                return true;
              }) &&
              allSeen;
  }
  std::size_t waits_ = 0;
  std::size_t entries_ = 0;
  static constexpr platform::Text kCommError = types::kCommError;
};

const std::string kError = "Kalibrierfehler!";
const std::string kWait = platform::Tr(Language::kGerman, kWaitStable);

// --- two-point pH ------------------------------------------------------------------------

TEST(CalibratePhTest, WorkedExampleSavedToTheModule) {
  Bench b(1);  // pH
  b.atWait = {{{2, 0.0f}, {6, 25.0f}}, {{2, 177.5f}}};
  // The voltage drifts while the buffer value is typed: the captured one counts.
  b.atEntry = {{{2, 40.0f}}, {{2, 300.0f}}};
  b.ui.entries = {7.0f, 4.0f};
  b.ui.results = {1};
  b.Run();

  EXPECT_TRUE(b.allSeen);
  EXPECT_TRUE(b.pollingDuringPrompts);
  EXPECT_EQ(b.Shown(), (std::vector<std::string>{
                           "Sensor in 1. Pufferlösung tauchen.", kWait, "entry Aktuellen Pufferwert eingeben. [pH] 0",
                           "Sensor in 2. Pufferlösung tauchen.", kWait,
                           "entry Aktuellen Pufferwert eingeben. [pH] 7",  // opens with the first buffer
                           "result Speichern|Beenden"}));
  const test::UiEvent* result = b.Result();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->rows.labels, (std::array<std::string, 3>{"Asymmetrie", "Steilheit", ""}));
  EXPECT_EQ(result->rows.values, (std::array<std::string, 3>{"0.0 mV", "-59.2 mV/pH", ""}));

  const KValues k = b.sim.link.module().calibration;
  EXPECT_NEAR(k[1], -59.1667f, 1e-3);
  EXPECT_NEAR(k[0], 0.0f, 1e-4);
  EXPECT_EQ(b.Writes(), b.ExpectedSave(k));
  EXPECT_EQ(b.Stored(), k);
  EXPECT_EQ(b.amp->commands(), std::vector<std::uint8_t>{65});

  EXPECT_EQ(b.host.captionsType, 0);
  EXPECT_EQ(b.host.calls, (std::vector<std::string>{"captions", "start", "stop", "stop", "clear", "status"}));
  EXPECT_EQ(b.host.status, "Asymmetrie: 0.0  Steilheit: -59.2  ");
}

TEST(CalibratePhTest, ExitWritesNothingButShowsTheNewValues) {
  Bench b(1);
  b.atWait = {{{2, 0.0f}, {6, 25.0f}}, {{2, 177.5f}}};
  b.ui.entries = {7.0f, 4.0f};
  b.ui.results = {2};
  b.Run();
  EXPECT_TRUE(b.Writes().empty());
  EXPECT_EQ(b.amp->ParameterFloat(32), -3.5f);
  EXPECT_EQ(b.amp->ParameterFloat(33), -59.2f);
  EXPECT_EQ(b.host.status, "Asymmetrie: 0.0  Steilheit: -59.2  ");
}

TEST(CalibratePhTest, EqualPointsEndWithoutResult) {
  const struct {
    const char* name;
    std::vector<std::optional<float>> entries;
    std::vector<Pins> pins;
  } cases[] = {
      {"same buffer typed twice", {7.0f, 7.0f}, {{{2, 0.0f}}, {{2, 177.5f}}}},
      // The second entry opens with 7 and keeps it when closed without OK.
      {"second entry closed", {7.0f, std::nullopt}, {{{2, 0.0f}}, {{2, 177.5f}}}},
      {"same voltage", {7.0f, 4.0f}, {{{2, 12.0f}}, {{2, 12.0f}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b(1);
    b.atWait = c.pins;
    b.ui.entries.assign(c.entries.begin(), c.entries.end());
    b.ui.results = {1};
    b.Run();
    const std::vector<std::string> shown = b.Shown();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[5], "entry Aktuellen Pufferwert eingeben. [pH] 7");
    EXPECT_EQ(shown[6], kError);
    EXPECT_EQ(b.Result(), nullptr);
    EXPECT_TRUE(b.Writes().empty());
    EXPECT_EQ(b.host.status, "Asymmetrie: -3.5  Steilheit: -59.2  ");
  }
}

TEST(CalibratePhTest, EnglishTexts) {
  Bench b(1, Language::kEnglish);
  b.atWait = {{{2, 0.0f}, {6, 25.0f}}, {{2, 177.5f}}};
  b.ui.entries = {7.0f, 4.0f};
  b.Run();
  EXPECT_EQ(b.Shown(), (std::vector<std::string>{
                           "Put sensor in 1. buffer solution.", "Wait until the value is stable. Than press OK button.",
                           "entry Input current buffer value. [pH] 0", "Put sensor in 2. buffer solution.",
                           "Wait until the value is stable. Than press OK button.",
                           "entry Input current buffer value. [pH] 7", "result Save|Exit"}));
  ASSERT_NE(b.Result(), nullptr);
  EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"asymmetrie", "slope", ""}));
  EXPECT_EQ(b.host.status, "asymmetrie: 0.0  slope: -59.2  ");
}

TEST(CalibratePhTest, ImplausibleResultWarnsAndCanStillBeSaved) {
  Bench b(1);
  b.atWait = {{{2, 0.0f}, {6, 25.0f}}, {{2, 120.0f}}};  // 40 mV/pH
  b.ui.entries = {7.0f, 4.0f};
  b.ui.results = {1};
  b.Run();
  const std::vector<std::string> shown = b.Shown();
  ASSERT_EQ(shown.size(), 8u);
  EXPECT_EQ(shown[6], kError);
  EXPECT_EQ(shown[7], "result Speichern|Beenden");
  EXPECT_EQ(b.Result()->rows.values[1], "-40.0 mV/pH");
  EXPECT_EQ(b.Writes().size(), 5u);
  EXPECT_NEAR(b.amp->ParameterFloat(33), -40.0f, 1e-4);
}

// --- single-point procedures ---------------------------------------------------------------

TEST(CalibrateSinglePointTest, RedoxOffsetReadsTheValueAfterTheEntry) {
  Bench b(2);  // Redox, offset 0
  b.atWait = {{{1, 100.0f}}};
  b.atEntry = {{{1, 230.0f}}};
  b.ui.entries = {225.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(),
            (std::vector<std::string>{"Sensor in Pufferlösung tauchen.", kWait,
                                      "entry Aktuellen Pufferwert eingeben. [mV] 0", "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"Offset", "", ""}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"5.0 mV", "", ""}));
  EXPECT_EQ(b.amp->ParameterFloat(32), 5.0f);
  EXPECT_EQ(b.host.status, "Offset: 5.0  ");
}

TEST(CalibrateSinglePointTest, CellConstantLimitsByElectrodeCount) {
  const struct {
    int wireType;
    float oldK1;
    float measured, entered;
    const char* row1;
    bool warned;
  } cases[] = {
      {4, 1.0f, 1350.0f, 1413.0f, "1.05 1/cm", false},  // "2000µS/cm"
      {4, 1.0f, 1000.0f, 200.0f, "0.20 1/cm", true},
      {21, 0.5f, 1000.0f, 200.0f, "0.10 1/cm", false},  // "200µS/cm (4)"
      {24, 0.5f, 1000.0f, 50.0f, "0.03 1/cm", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row1);
    Bench b(c.wireType);
    b.atWait = {{{1, c.measured}}};
    b.atEntry = {{{1, 5.0f}}};
    b.ui.entries = {c.entered};
    b.ui.results = {1};
    b.Run();
    const std::vector<std::string> shown = b.Shown();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), kError), c.warned ? 1 : 0);
    ASSERT_NE(b.Result(), nullptr);
    EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"Zellkonstante", "Temperaturkoef.", ""}));
    EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{c.row1, "2.00 %/K", ""}));
    EXPECT_NEAR(b.amp->ParameterFloat(32), c.entered / c.measured * c.oldK1, 1e-6);
  }
}

TEST(CalibrateSinglePointTest, LinearChlorineNeedsMoreThan4mA) {
  const struct {
    float current;
    const char* row1;
  } cases[] = {{12.0f, "0.4 mg/l / mA"}, {4.0f, "0.5 mg/l / mA"}, {3.2f, "0.5 mg/l / mA"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.current);
    Bench b(11);  // "freies Chlor", current input; slope 0.5
    b.atWait = {{{2, 20.0f}}};
    b.atEntry = {{{2, c.current}}};
    b.ui.entries = {3.0f};
    b.ui.results = {2};
    b.Run();
    ASSERT_NE(b.Result(), nullptr);
    EXPECT_EQ(b.Result()->rows.values[0], c.row1);
    EXPECT_EQ(b.Shown()[2], "entry Aktuellen Pufferwert eingeben. [mg/l] 0");
  }
}

// --- oxygen and air pressure -----------------------------------------------------------------

TEST(CalibrateOxygenTest, SlopeFromTheValuesAfterTheEntry) {
  Bench b(8);  // "Sauerstoff": slope 60, membrane 2.9 / 2.3, factor 1
  b.atWait = {{{3, 10.0f}, {5, 900.0f}, {6, 30.0f}}};
  b.atEntry = {{{3, 30.0f}, {5, 1013.0f}, {6, 20.0f}}};
  b.ui.choices = {1};
  b.ui.entries = {100.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(),
            (std::vector<std::string>{"choice Sauerstoff|Luftdruck", "Sensor in Pufferlösung tauchen.", kWait,
                                      "entry Aktuellen Pufferwert eingeben. [%] 0", "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"Anstieg", "B < 20°C", "B > 20°C"}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"29.7 nA/100%", "3 ", "2 "}));
  EXPECT_NEAR(b.amp->ParameterFloat(32), 29.7466f, 1e-3);
}

TEST(CalibrateOxygenTest, AirPressureScalesTheFactor) {
  for (int wireType : {8, 30}) {
    SCOPED_TRACE(wireType);
    Bench b(wireType);
    b.atWait = {{{5, 1000.0f}}};
    b.ui.choices = {2};
    b.ui.entries = {1013.0f};
    b.ui.results = {1};
    b.Run();
    EXPECT_EQ(b.Shown(),
              (std::vector<std::string>{"choice Sauerstoff|Luftdruck", kWait,
                                        "entry Aktuellen Luftdruck eingeben. [hPa] 1000", "result Speichern|Beenden"}));
    EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"", "Luftdruck", ""}));
    EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"", "1013 hPa", ""}));
    EXPECT_FLOAT_EQ(b.amp->ParameterFloat(37), 1.013f);
  }
}

TEST(CalibrateOxygenTest, SaveSendsTheFourValuesLittleEndianThenTheStoreCommand) {
  Bench b(8);
  b.atWait = {{{5, 1000.0f}}};
  b.ui.choices = {2};
  b.ui.entries = {1013.0f};
  b.ui.results = {1};
  b.Run();
  const std::vector<Frame> writes = b.Writes();
  ASSERT_EQ(writes.size(), 5u);
  // 60.0 = 0x42700000, low byte first; check byte 0x15 = XOR of bytes 1..8.
  EXPECT_EQ(writes[0], (Frame{0x28, 0x00, 0x03, 0x04, 0x20, 0x00, 0x00, 0x70, 0x42, 0x15, 0x29}));
  EXPECT_EQ(writes, b.ExpectedSave({60.0f, 2.9f, 2.3f, 1013.0f / 1000.0f}));
  // Progress window of five steps around the writes.
  std::vector<int> steps;
  for (const test::UiEvent& e : b.ui.events)
    if (e.kind == "progress-set") steps.push_back(e.number);
  EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(CalibrateOxygenTest, AirPressureOutsideTheRangeIsRefused) {
  for (float entered : {800.0f, 1200.0f}) {
    SCOPED_TRACE(entered);
    Bench b(8);
    b.atWait = {{{5, 1000.0f}}};
    b.ui.choices = {2};
    b.ui.entries = {entered};
    b.ui.results = {1};
    b.Run();
    EXPECT_EQ(b.Shown().back(), kError);
    EXPECT_EQ(b.Result(), nullptr);
    EXPECT_TRUE(b.Writes().empty());
    EXPECT_EQ(b.sim.link.module().calibration[3], 1.0f);
  }
}

TEST(CalibrateOxygenTest, SaturationBelowOneCountsAsOne) {
  Bench b(30);  // "Sauerstoff" listed as OPX
  b.amp->SetParameterFloat(32, 1.0f);
  b.atWait = {{{1, 80.0f}}};
  b.atEntry = {{{1, 0.5f}}};
  b.ui.choices = {1};
  b.ui.entries = {1.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(),
            (std::vector<std::string>{"choice Sauerstoff|Luftdruck", "Sensor in Pufferlösung tauchen.", kWait,
                                      "entry Aktuellen Pufferwert eingeben. [%] 0", "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"1.0 %", "", ""}));
  EXPECT_EQ(b.amp->ParameterFloat(32), 1.0f);
}

TEST(CalibrateOxygenTest, EnglishChoiceCaptions) {
  const struct {
    int wireType;
    const char* choice;
  } cases[] = {{8, "choice Oxygen|Air pressure"}, {30, "choice Oxygen|Air pressure"}, {19, "choice chlorien|pH"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice);
    Bench b(c.wireType, Language::kEnglish);
    b.ui.choices = {2};
    b.ui.entries = {1013.0f};
    b.Run();
    ASSERT_FALSE(b.Shown().empty());
    EXPECT_EQ(b.Shown()[0], c.choice);
  }
  Bench air(8, Language::kEnglish);
  air.atWait = {{{5, 1000.0f}}};
  air.ui.choices = {2};
  air.ui.entries = {1013.0f};
  air.Run();
  ASSERT_NE(air.Result(), nullptr);
  EXPECT_EQ(air.Shown()[2], "entry Input current air pressure. [hPa] 1000");
  EXPECT_EQ(air.Result()->rows.labels[1], "Air pressure");
}

// --- ISE and chlorine --------------------------------------------------------------------------

TEST(CalibrateIseTest, SlopePerDecade) {
  Bench b(10);  // ISE
  b.atWait = {{{1, 100.0f}}, {{1, 41.0f}}};
  b.atEntry = {{{1, 0.0f}}, {{1, 0.0f}}};
  b.ui.entries = {10.0f, 1.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(), (std::vector<std::string>{
                           "Sensor in 1. Pufferlösung tauchen.", kWait, "entry Aktuellen Pufferwert eingeben. [ppm] 0",
                           "Sensor in 2. Pufferlösung tauchen.", kWait, "entry Aktuellen Pufferwert eingeben. [ppm] 10",
                           "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"Steilheit", "Messpunkt 1", "Eingabewert 1"}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"59.0 mV/ppm", "100.0 mV", "10.0 mV"}));
  EXPECT_EQ(b.Stored()[1], 100.0f);
  EXPECT_EQ(b.Stored()[2], 10.0f);
  EXPECT_NEAR(b.Stored()[0], 59.0f, 1e-4);
}

TEST(CalibrateIseTest, NonPositiveRatioIsNeverOfferedForSaving) {
  for (float second : {-1.0f, 0.0f}) {
    SCOPED_TRACE(second);
    Bench b(10);
    b.atWait = {{{1, 100.0f}}, {{1, 41.0f}}};
    b.ui.entries = {10.0f, second};
    b.ui.results = {1};
    b.Run();
    EXPECT_EQ(b.Shown().back(), kError);
    EXPECT_EQ(b.Result(), nullptr);
    EXPECT_TRUE(b.Writes().empty());
    EXPECT_EQ(b.sim.link.module().calibration[0], 59.2f);  // the old slope stays
    EXPECT_TRUE(std::isfinite(b.sim.link.module().calibration[0]));
  }
}

TEST(CalibrateChlorineTest, SlopeFromTheCapturedValue) {
  Bench b(19);  // "freies Chlor" with pH channel: slope 45
  b.atWait = {{{1, 1.5f}}};
  b.atEntry = {{{1, 3.0f}}};
  b.ui.choices = {1};
  b.ui.entries = {2.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(),
            (std::vector<std::string>{"choice Chlor|pH", "Sensor in Pufferlösung tauchen.", kWait,
                                      "entry Aktuellen Pufferwert eingeben. [mg/l] 0", "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"33.8 nA/mg", "", ""}));
  EXPECT_EQ(b.amp->ParameterFloat(32), 33.75f);
}

TEST(CalibrateChlorineTest, PhCompensationStoresOnlyTheOffset) {
  Bench b(19);
  b.atWait = {{{4, 0.0f}, {6, 25.0f}}, {{4, 177.5f}}};
  b.atEntry = {{{4, 40.0f}}, {{4, 300.0f}}};
  b.ui.choices = {2};
  b.ui.entries = {7.0f, 4.0f};
  b.ui.results = {1};
  b.Run();
  EXPECT_EQ(b.Shown(), (std::vector<std::string>{
                           "choice Chlor|pH", "Sensor in 1. Pufferlösung tauchen.", kWait,
                           "entry Aktuellen Pufferwert eingeben. [pH] 0", "Sensor in 2. Pufferlösung tauchen.", kWait,
                           "entry Aktuellen Pufferwert eingeben. [pH] 7", "result Speichern|Beenden"}));
  EXPECT_EQ(b.Result()->rows.labels, (std::array<std::string, 3>{"Offset Co", "K Wert", ""}));
  EXPECT_EQ(b.Result()->rows.values, (std::array<std::string, 3>{"0.0 mV", "-59.2 mV/pH", ""}));
  const KValues k = b.sim.link.module().calibration;
  EXPECT_EQ(b.Writes(), b.ExpectedSave({45.0f, 7.2f, k[2], 7.5f}));
  EXPECT_NEAR(b.sim.link.module().calibrationKey[0], -59.1667f, 1e-3);
  EXPECT_EQ(b.amp->ParameterFloat(35), 0.0f);  // the slope does not reach the module
  EXPECT_EQ(b.host.status, "Anstieg: 45.00  pH Kompensation: 7.20  Offset Co: 0.00  ");
}

// --- start and types without a procedure -----------------------------------------------------

TEST(CalibrateStartTest, TypesWithoutProcedureOnlyRefreshTheStatusLine) {
  const struct {
    int wireType;
    const char* status;
  } cases[] = {{9, ": 0.00  1V/4mA Wert: 0.0  5V/20mA Wert: 100.0  "},  // "linear"
               {7, "Basis: 0  Faktor: 1.0000  "},                       // "Trübung"
               {16, ": 0  "}};                                          // an empty record
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    Bench b(c.wireType);
    b.Run();
    EXPECT_TRUE(b.ui.events.empty());
    EXPECT_TRUE(b.Writes().empty());
    EXPECT_EQ(b.host.calls, (std::vector<std::string>{"captions", "start", "stop", "clear", "status"}));
    EXPECT_EQ(b.host.status, c.status);
  }
}

TEST(CalibrateStartTest, ReadsTypeThenCalibrationValues) {
  Bench b(9);
  b.Run();
  std::vector<std::pair<int, int>> reads;
  for (const Frame& f : b.sim.bus.received())
    if (link::FrameGroup(f) == link::kRead) reads.push_back({link::FrameParameter(f), link::FrameLength(f)});
  EXPECT_EQ(reads, (std::vector<std::pair<int, int>>{{28, 1}, {32, 4}, {33, 4}, {34, 4}, {37, 4}}));
}

TEST(CalibrateStartTest, NoReplyToTheTypeReadEndsAtOnce) {
  for (Language language : {Language::kGerman, Language::kEnglish}) {
    Bench b(1, language);
    b.sim.bus.FaultWhen(link::kRead, 28, sim::Fault::kNoReply);
    b.Run();
    EXPECT_EQ(b.ui.Messages(), std::vector<std::string>{test::SimLink::Silent(language)});
    EXPECT_TRUE(b.host.calls.empty());
    EXPECT_EQ(b.sim.bus.received().size(), 1u);
  }
}

TEST(CalibrateStartTest, MissingCalibrationReplyKeepsThePreviousValue) {
  Bench b(9);
  b.sim.link.module().calibration = {1.5f, 2.5f, 3.5f, 4.5f};
  b.sim.bus.FaultWhen(link::kRead, 33, sim::Fault::kNoReply);
  b.Run();
  EXPECT_EQ(b.sim.link.module().calibration, (KValues{0.0f, 2.5f, 100.0f, 0.0f}));
  EXPECT_EQ(b.host.status, ": 0.00  1V/4mA Wert: 2.5  5V/20mA Wert: 100.0  ");
}

TEST(CalibrateStartTest, LineLostWhileAPromptIsOpenEndsWithTheCommunicationError) {
  Bench b(2);
  b.ui.entries = {225.0f};
  b.ui.results = {1};
  b.ui.onEvent = [&b](const test::UiEvent& e) {
    if (e.kind != "entry") return;
    b.sim.bus.SetFault(sim::Fault::kHangUp);
    WaitUntil([&b] { return !b.sim.link.portOpen(); });
  };
  b.Run();
  EXPECT_EQ(b.Shown().back(), test::SimLink::kHungUp);
  EXPECT_EQ(b.Result(), nullptr);
  EXPECT_TRUE(b.Writes().empty());
  EXPECT_EQ(b.host.calls.back(), "status");
}

TEST(CalibrateStartTest, LineLostWhileSavingIsReported) {
  Bench b(2);
  b.atWait = {{{1, 230.0f}}};
  b.ui.entries = {225.0f};
  b.ui.results = {1};
  b.sim.bus.FaultWhen(link::kWrite, 32, sim::Fault::kHangUp);
  b.Run();
  ASSERT_NE(b.Result(), nullptr);
  EXPECT_EQ(b.ui.Messages().back(), test::SimLink::kHungUp);
  EXPECT_EQ(b.amp->ParameterFloat(32), 0.0f);
}

}  // namespace
}  // namespace korvane::calibration
