// Calibrations led by the assistant against the simulated module with a settling sensor:
// the sensor's time runs two seconds per poll, the assistant is answered from a script.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTimer>

#include <cmath>

#include "calibration/AssistantTexts.h"
#include "calibration/Calibrate.h"
#include "calibration/CalibrationTexts.h"
#include "link/FlowLog.h"
#include "platform/Texts.h"
#include "support/ScriptedAssistant.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "types/Texts.h"

namespace korvane::calibration {
namespace {

using link::BuildFrame;
using link::FloatData;
using link::Frame;
using test::ScriptedAssistant;
using End = PointSession::End;

struct AssistKept : link::FlowLog {
  void Record(link::FlowRecord r) override { records.push_back(std::move(r)); }
  std::vector<link::FlowRecord> records;
};

// Polls the module the way the main window does while a calibration runs.
class FlowPoller : public CalibrationHost {
 public:
  explicit FlowPoller(link::Link& link) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [&link] {
      if (link.badFrame()) return link.clearBadFrame();
      link.Send(0, link::kMeasuredValue1);
    });
  }
  void SetChannelCaptions(int) override {}
  void StartPolling() override { timer_.start(); }
  void StopPolling() override { timer_.stop(); }
  void ClearValueDisplay() override {}
  void SetStatusLine(const std::string&) override {}

 private:
  QTimer timer_;
};

// A module whose sensor settles (time constant 8 s), at 12 °C, and two seconds of the
// sensor's time per poll.
struct AssistBench {
  explicit AssistBench(int wireType) : amp(sim.AddAmplifier(wireType)) {
    amp->SetSettle(8, 0.02);
    amp->SetMeasured(6, 12.0f);
    context.log = &kept;
    parts.ui = &assistant;
    parts.seconds = [this] { return now; };
    QObject::connect(&sim.link, &link::Link::chainEnded, [this] {
      now += 2;
      sim.bus.Advance(2);
    });
  }
  CalibrationRun Run() { return Calibrate(sim.link, context, ui, ui, host, &parts); }
  std::vector<Frame> Writes() const {
    std::vector<Frame> out;
    for (const Frame& f : sim.bus.received())
      if (link::FrameGroup(f) == link::kWrite ||
          (link::FrameGroup(f) == link::kValues && link::FrameParameter(f) == 65))
        out.push_back(f);
    return out;
  }
  QJsonObject Details() const { return kept.records.empty() ? QJsonObject() : kept.records.back().details; }
  QJsonObject Point(int n) const { return Details()["points"].toArray()[n].toObject(); }
  // The buffers the sensor goes into, one per point.
  void Solutions(std::vector<double> values) {
    assistant.onPoint = [this, values, n = std::make_shared<std::size_t>(0)](PointSession&) {
      if (*n < values.size()) amp->SetSolution(values[(*n)++]);
    };
  }

  test::ScriptedUi ui;
  test::SimLink sim{ui};
  std::shared_ptr<sim::Amplifier> amp;
  FlowPoller host{sim.link};
  link::FlowContext context;
  AssistKept kept;
  ScriptedAssistant assistant;
  AssistantParts parts;
  double now = 0;
};

TEST(AssistedPhTest, SettlesRecognisesTheBuffersAndWritesWhatTheClassicFormulaGives) {
  AssistBench b(1);  // pH: the module holds -3.5 mV / -59.2 mV/pH; the electrode is at 8 mV / -57.8 mV/pH
  // The technical 7.00 and 4.01 buffers at 12 °C are pH 7.052 and 4.00.
  b.Solutions({7.052, 4.00});
  b.assistant.results = {ResultChoice::kSave};
  const CalibrationRun run = b.Run();

  ASSERT_EQ(b.assistant.shownPoints.size(), 2u);
  for (const auto& p : b.assistant.shownPoints) {
    EXPECT_EQ(p.end, End::kAutomatic);
    EXPECT_TRUE(p.sawUnstable && p.sawStable);  // the drift fell to "stabil"
  }
  EXPECT_EQ(b.assistant.shownPoints[0].instruction, platform::Tr(Language::kGerman, kFirstPoint));
  EXPECT_TRUE(b.assistant.shownPoints[1].sawWaitingToLeave);  // the sensor still stood in the first buffer
  ASSERT_EQ(b.assistant.requests.size(), 2u);
  EXPECT_NEAR(*b.assistant.requests[0].preset, 7.052f, 1e-4);
  EXPECT_EQ(b.assistant.requests[0].presetText,
            "Puffer 7.00 (Technisch 4.01 / 7.00 / 10.01 (9.21)) erkannt: pH 7.052 bei 12.0 °C.");
  EXPECT_NEAR(*b.assistant.requests[1].preset, 4.00f, 1e-4);
  EXPECT_TRUE(b.assistant.requests[1].warning.empty());

  ASSERT_EQ(b.assistant.views.size(), 1u);
  const ResultJudgement& j = b.assistant.views[0].judgement;
  EXPECT_TRUE(j.plausible());
  EXPECT_NEAR(*j.slopePercent, -57.8 / -59.16 * 100, 0.3);
  EXPECT_NEAR(*j.zeroPointMv, 8.0, 0.3);
  EXPECT_EQ(run.outcome, "saved");

  // With the captured values the classic procedure writes the same bytes.
  const QJsonObject p1 = b.Point(0), p2 = b.Point(1);
  const Outcome classic = TwoPointPh(
      run.before, static_cast<float>(p1["captured"].toDouble()), static_cast<float>(p2["captured"].toDouble()),
      static_cast<float>(p1["reference"].toDouble()), static_cast<float>(p2["reference"].toDouble()), 12.0f);
  const KValues& k = classic.k;
  EXPECT_EQ(b.Writes(),
            (std::vector<Frame>{BuildFrame(0, 3, 4, 32, FloatData(k[0])), BuildFrame(0, 3, 4, 33, FloatData(k[1])),
                                BuildFrame(0, 3, 4, 34, FloatData(k[2])), BuildFrame(0, 3, 4, 37, FloatData(k[3])),
                                BuildFrame(0, 0, 4, 65, FloatData(k[3]))}));

  // Every point's figures are in the record.
  EXPECT_EQ(b.Details()["mode"].toString(), "assistant");
  for (const QJsonObject& p : {p1, p2}) {
    EXPECT_TRUE(p["stable"].toBool());
    EXPECT_EQ(p["taken"].toString(), "auto");
    EXPECT_LE(std::fabs(p["drift"].toDouble()), 0.5);
    EXPECT_EQ(p["drift_unit"].toString(), "mV/min");
    EXPECT_GT(p["seconds_to_stable"].toDouble(), 30.0);
    EXPECT_EQ(p["buffer_set"].toString(), "technical");
  }
  EXPECT_EQ(p1["buffer"].toString(), "7.00");
  EXPECT_EQ(p2["buffer"].toString(), "4.01");
}

TEST(AssistedPhTest, TheSameBufferIsToldBeforeTheSecondReference) {
  AssistBench b(1);
  b.Solutions({7.052, 7.052});
  b.assistant.points = {ScriptedAssistant::PointAction::kWait, ScriptedAssistant::PointAction::kTakeNow};
  b.assistant.results = {ResultChoice::kSave};
  const CalibrationRun run = b.Run();
  ASSERT_EQ(b.assistant.requests.size(), 2u);
  EXPECT_EQ(b.assistant.requests[1].warning, "Gleicher Puffer (7.00) wie beim 1. Punkt!");
  // Typed as offered, the two points are equal: no result, nothing written.
  EXPECT_EQ(b.assistant.told, std::vector<std::string>{std::string(platform::Tr(Language::kGerman, kCalibrationError)) +
                                                       "\n" + "Beide Punkte sind gleich (Messwert oder Referenz)."});
  EXPECT_EQ(run.outcome, "refused");
  EXPECT_TRUE(b.Writes().empty());
  EXPECT_EQ(b.Point(1)["taken"].toString(), "hand");
}

TEST(AssistedPhTest, ABufferOutsideItsTableIsRecognisedButNotPreFilled) {
  AssistBench b(1);
  b.amp->SetSolution(9.27);  // the 9.21 buffer's table knows 25 °C only
  b.sim.bus.Advance(200);
  b.assistant.references = {9.27f, std::nullopt};  // the second point is given up
  b.assistant.points = {ScriptedAssistant::PointAction::kTakeNow, ScriptedAssistant::PointAction::kCancel};
  const CalibrationRun run = b.Run();
  ASSERT_FALSE(b.assistant.requests.empty());
  EXPECT_FALSE(b.assistant.requests[0].preset);
  EXPECT_EQ(b.assistant.requests[0].presetText,
            "Puffer 9.21 erkannt, doch seine Tabelle reicht nur von 25 bis 25 °C, nicht bis 12.0 °C: bitte den Wert "
            "von der Flasche eingeben.");
  EXPECT_EQ(run.outcome, "cancelled");
  EXPECT_EQ(b.assistant.ended, "Abgebrochen: nichts wurde geschrieben.");
  EXPECT_TRUE(b.Writes().empty());
}

TEST(AssistedPhTest, AnImplausibleResultIsSavedOnlyAfterTheSecondQuestion) {
  for (bool confirmed : {false, true}) {
    SCOPED_TRACE(confirmed);
    AssistBench b(1);
    b.amp->SetElectrode(8.0, -40.0);  // a worn electrode: 68 % of Nernst's slope
    b.Solutions({7.052, 4.00});
    b.assistant.results = {ResultChoice::kSave, confirmed ? ResultChoice::kSave : ResultChoice::kExit};
    b.assistant.confirms = {false, confirmed};
    const CalibrationRun run = b.Run();
    ASSERT_FALSE(b.assistant.views.empty());
    EXPECT_EQ(b.assistant.views[0].verdict.rfind(platform::Tr(Language::kGerman, kCalibrationError), 0), 0u);
    EXPECT_NE(b.assistant.views[0].verdict.find("Steilheit"), std::string::npos) << b.assistant.views[0].verdict;
    EXPECT_EQ(b.assistant.questions.size(), confirmed ? 2u : 1u);
    EXPECT_EQ(run.outcome, confirmed ? "saved" : "discarded");
    EXPECT_EQ(b.Writes().size(), confirmed ? 5u : 0u);
    EXPECT_EQ(run.verdict, Verdict::kImplausible);
  }
}

TEST(AssistedRedoxTest, ASensorThatDoesNotSettleIsTakenByHandAndRecordedUnstable) {
  AssistBench b(2);          // redox
  b.amp->SetSettle(8, 2.0);  // 6 mV of noise
  b.parts.settings.timeLimitSeconds = 60;
  b.assistant.points = {ScriptedAssistant::PointAction::kTakeWhenTimedOut};
  b.assistant.references = {225.0f};
  b.assistant.results = {ResultChoice::kExit};
  const CalibrationRun run = b.Run();
  ASSERT_EQ(b.assistant.shownPoints.size(), 1u);
  EXPECT_TRUE(b.assistant.shownPoints[0].sawTimedOut);
  EXPECT_FALSE(b.assistant.shownPoints[0].sawStable);
  EXPECT_EQ(b.Point(0)["stable"].toBool(), false);
  EXPECT_EQ(b.Point(0)["taken"].toString(), "hand");
  EXPECT_GE(b.Point(0)["seconds"].toDouble(), 60.0);
  EXPECT_EQ(run.outcome, "discarded");
}

TEST(AssistedRedoxTest, TheLineLostDuringAPointWritesNothingAndIsRecorded) {
  AssistBench b(2);
  b.assistant.onPoint = [&b](PointSession&) { b.sim.bus.SetFault(sim::Fault::kHangUp); };
  const CalibrationRun run = b.Run();
  EXPECT_EQ(run.outcome, "line-lost");
  EXPECT_EQ(b.Details()["outcome"].toString(), "line-lost");
  EXPECT_EQ(b.assistant.told, std::vector<std::string>{test::SimLink::kHungUp});
  EXPECT_TRUE(b.assistant.requests.empty());
  EXPECT_TRUE(b.Writes().empty());
}

TEST(AssistedRedoxTest, AModuleThatFallsSilentDuringAPointEndsItAsTheLineLostDoes) {
  AssistBench b(2);
  b.assistant.onPoint = [&b](PointSession& s) {
    b.sim.bus.SetFault(sim::Fault::kNoReply);
    QTimer::singleShot(50, [&b, &s] {
      s.CheckSilence();  // a poll's worth without answer is not yet silence
      b.now += PointSession::kSilentSeconds;
      s.CheckSilence();
    });
  };
  const CalibrationRun run = b.Run();
  ASSERT_EQ(b.assistant.shownPoints.size(), 1u);
  EXPECT_EQ(b.assistant.shownPoints[0].end, End::kSilent);
  EXPECT_EQ(run.outcome, "line-lost");
  EXPECT_EQ(b.assistant.told, std::vector<std::string>{Tr(Language::kGerman, types::kModuleSilent)});
  EXPECT_TRUE(b.assistant.requests.empty());
  EXPECT_TRUE(b.Writes().empty());
}

TEST(AssistedRedoxTest, TheReferenceStartsFromTheLastValueTheHistoryKnows) {
  AssistBench b(2);
  std::vector<ReferenceQuery> asked;
  b.parts.lastReference = [&](const ReferenceQuery& q) -> std::optional<float> {
    asked.push_back(q);
    return 230.0f;
  };
  b.assistant.results = {ResultChoice::kExit};
  b.Run();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].procedure, "redox");
  EXPECT_EQ(asked[0].wireType, 2);
  EXPECT_EQ(asked[0].point, 0);
  ASSERT_EQ(b.assistant.requests.size(), 1u);
  EXPECT_EQ(b.assistant.requests[0].preset, 230.0f);
  EXPECT_EQ(b.assistant.requests[0].presetText, "Zuletzt bei diesem Modul verwendet.");
}

}  // namespace
}  // namespace korvane::calibration
