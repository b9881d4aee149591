// What each flow tells the history, against the simulated module and display unit: the
// kind, the module's identity and the details that matter (the changed fields above all).
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "DisplayUnit.h"
#include "app/LiveMeasurement.h"
#include "app/live_wait.h"
#include "calibration/Calibrate.h"
#include "configuration/ConfigTransfer.h"
#include "display/DisplayTransfer.h"
#include "link/FlowLog.h"
#include "logger/DeviceClock.h"
#include "logger/LoggerReadout.h"
#include "parametrization/StartParametrization.h"
#include "support/ConfigurationDoubles.h"
#include "support/DisplayDoubles.h"
#include "support/ParametrizationDoubles.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::history {
namespace {

struct Kept : link::FlowLog {
  void Record(link::FlowRecord r) override { records.push_back(std::move(r)); }
  std::vector<link::FlowRecord> records;
};

struct QuietHost : calibration::CalibrationHost {
  void SetChannelCaptions(int) override {}
  void StartPolling() override {}
  void StopPolling() override {}
  void ClearValueDisplay() override {}
  void SetStatusLine(const std::string&) override {}
};

platform::LocalTime Noon() { return {2026, 3, 9, 12, 0, 0}; }

// One module (pH, kind 4, "A123") and a display unit on a simulated line.
struct Bench {
  Bench() {
    sim.context.log = &kept;
    sim.bus.Add(unit);
    QObject::connect(&sim.link, &link::Link::frameSent, [this] { sim.bus.SetLineBaud(sim.link.baudRate()); });
  }
  std::string File(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
  test::ScriptedUi ui;
  test::SimLink sim{ui, link::LinkTimings::Fast(), &Noon};
  std::shared_ptr<sim::Amplifier> amp = sim.AddAmplifier(1, 0, 4);
  std::shared_ptr<sim::DisplayUnit> unit = std::make_shared<sim::DisplayUnit>();
  Kept kept;
};

std::string Text(const QJsonObject& d, const char* key) { return d[key].toString().toStdString(); }

std::string Changed(const QJsonObject& d) {
  std::string keys;
  for (const QJsonValue& c : d["changed"].toArray())
    keys += (keys.empty() ? "" : " ") + c["key"].toString().toStdString() + ":" + c["before"].toString().toStdString() +
            ">" + c["after"].toString().toStdString();
  return keys;
}

TEST(FlowRecords, EachFlowTellsWhatItDidToWhichModule) {
  using configuration::ConfigSettings;
  const struct {
    const char* flow;
    std::function<void(Bench&)> run;
    const char* kind;
    const char* identity;
    std::function<std::string(const QJsonObject&)> detail;
    const char* expected;
  } rows[] = {
      {"configuration read, dialog cancelled",
       [](Bench& b) {
         configuration::ConfigTransfer t(b.sim.link, b.ui, b.sim.context);
         t.setPauseBeforeDialog(false);
         test::ScriptedEditor cancel([](ConfigSettings&) { return false; });
         ConfigSettings s;
         t.ReadConfiguration(s, cancel);
       },
       "config-read", "A123", [](const QJsonObject& d) { return Text(d["fields"].toObject(), "IDC_GRENZWERT"); },
       "11.20"},
      {"configuration written from the dialog",
       [](Bench& b) {
         configuration::ConfigTransfer t(b.sim.link, b.ui, b.sim.context);
         t.setPauseBeforeDialog(false);
         test::ScriptedEditor edit([](ConfigSettings& s) {
           s.relay1Limit = "8.5";
           return true;
         });
         ConfigSettings s;
         t.ReadConfiguration(s, edit);
       },
       "config-write", "A123",
       [](const QJsonObject& d) {
         return Changed(d) + " " + Text(d, "source") + " " + (d["complete"].toBool() ? "1" : "0");
       },
       "IDC_GRENZWERT:11.20>8.50 dialog 1"},
      {"calibration saved",
       [](Bench& b) {
         b.amp->SetParameterByte(link::kType.number, 2);  // redox: one point
         b.ui.entries = {25.0f};
         b.ui.results = {1};
         QuietHost host;
         calibration::Calibrate(b.sim.link, b.sim.context, b.ui, b.ui, host);
       },
       "calibration", "A123",
       [](const QJsonObject& d) {
         return Text(d, "procedure") + " " + Text(d, "outcome") + " " +
                QString::number(d["before"][0].toDouble()).toStdString() + ">" +
                QString::number(d["after"][0].toDouble()).toStdString() + " reference " +
                QString::number(d["points"][0]["reference"].toDouble()).toStdString();
       },
       "redox saved -3.5>-28.5 reference 25"},
      {"logger readout",
       [](Bench& b) {
         logger::LoggerReadout r(b.sim.link, b.ui, b.sim.context);
         r.Read(b.File("log.txt"), {false, 4, 0, "A123"});
       },
       "logger-read", "A123",
       [](const QJsonObject& d) {
         return Text(d, "status") + " " + std::to_string(d["records"].toInt()) + " " + Text(d, "first") + ".." +
                Text(d, "last");
       },
       "done 24 2026-01-15 06:30:00..2026-01-15 10:20:00"},
      {"logger cleared", [](Bench& b) { logger::LoggerReadout(b.sim.link, b.ui, b.sim.context).Clear(false, true); },
       "logger-clear", "A123", [](const QJsonObject& d) { return Text(d, "source"); }, "module"},
      {"clock set (the identity asked afterwards)",
       [](Bench& b) {
         logger::SetDeviceClock(b.sim.link, b.ui, b.sim.context, {2026, 3, 9, 14, 5, 33});
       },
       "clock-set", "A123", [](const QJsonObject& d) { return Text(d, "set"); }, "2026-03-09 14:05:33"},
      {"display unit written from the dialog",
       [](Bench& b) {
         display::DisplayTransfer t(b.sim.link, b.ui, Language::kGerman, &Noon, nullptr, &b.kept);
         test::ScriptedDisplayEditor edit([](display::DisplaySettings& s, display::DisplayActions&) {
           s.loggerInterval = 30;
           return true;
         });
         display::DisplaySettings s;
         t.Configure(s, edit);
       },
       "display-write", "", [](const QJsonObject& d) { return Changed(d); }, "LOGGER_INTERVAL:15>30"},
      {"live measurement: its first and last values",
       [](Bench& b) {
         b.amp->SetMeasured(1, 7.02f);
         app::LiveMeasurement live(b.sim.link, b.ui, b.sim.context);
         live.setPollPeriod(std::chrono::milliseconds(20));
         int chains = 0;
         QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] {
           if (++chains == 1) b.amp->SetMeasured(1, 7.05f);
         });
         live.Start(std::chrono::seconds(60));
         test::WaitUntil([&] { return chains >= 3; });
         live.StopTimers();
       },
       "live", "A123",
       [](const QJsonObject& d) {
         return QString::number(d["first"]["values"][0].toDouble()).toStdString() + ">" +
                QString::number(d["last"]["values"][0].toDouble()).toStdString();
       },
       "7.02>7.05"},
      {"parametrization",
       [](Bench& b) {
         test::ScriptedParametrizationDialogs dialogs;
         dialogs.type = 0;
         dialogs.run = [](parametrization::ParametrizationActions& p) {
           p.fields().delay = "7";
           p.WriteCalibrationDelay();
         };
         parametrization::ParamFields fields;
         parametrization::StartParametrization(b.sim.link, b.ui, b.sim.context, dialogs, fields, &Noon);
       },
       "parametrization", "A123",
       [](const QJsonObject& d) {
         const QJsonObject a = d["adjustments"][0].toObject();
         return std::to_string(a["parameter"].toInt()) + "=" + std::to_string(a["value"].toInt());
       },
       "129=7"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.flow);
    Bench b;
    r.run(b);
    ASSERT_EQ(b.kept.records.size(), 1u);
    const link::FlowRecord& k = b.kept.records[0];
    EXPECT_EQ(k.kind, r.kind);
    EXPECT_EQ(k.module.identity, r.identity);
    if (*r.identity) {
      EXPECT_EQ(k.module.deviceKind, 4);
      EXPECT_EQ(k.module.firmware, "1.20");
      EXPECT_GT(k.module.type, 0);
    }
    EXPECT_EQ(r.detail(k.details), r.expected);
  }
}

// Every record is filed under the module that answered: a measurement's under the one
// it started with, whatever the address field says by its end; a flow whose module never
// answered says so instead of naming a type it only assumed.
TEST(FlowRecords, EachRecordNamesTheModuleThatAnsweredOrSaysNoneDid) {
  const struct {
    const char* flow;
    std::function<void(Bench&)> run;
    std::string module;  // identity@address type
    bool answered;
  } rows[] = {
      {"live measurement, the address moved to an empty one during the run",
       [](Bench& b) {
         app::LiveMeasurement live(b.sim.link, b.ui, b.sim.context);
         live.setPollPeriod(std::chrono::milliseconds(20));
         int chains = 0;
         QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] { ++chains; });
         live.Start(std::chrono::seconds(60));
         test::WaitUntil([&] { return chains >= 1; });
         b.sim.context.address = 5;
         test::WaitUntil([&] { return chains >= 3; });
         live.StopTimers();
       },
       "A123@0 1", true},
      {"a flow at an address where nothing answers",
       [](Bench& b) {
         b.sim.context.address = 5;
         const link::LineLease line = b.sim.link.TakeLine();
         b.sim.link.OpenPort(Language::kGerman);
         b.sim.link.Read(5, link::kType);
         link::FlowRecord r;
         r.kind = "calibration";
         r.module.type = 1;  // what the flow assumed
         link::RecordFlow(b.sim.link, b.sim.context, std::move(r));
       },
       "@5 0", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.flow);
    Bench b;
    r.run(b);
    ASSERT_EQ(b.kept.records.size(), 1u);
    const link::ModuleIdentity& m = b.kept.records[0].module;
    EXPECT_EQ(m.identity + "@" + std::to_string(m.address) + " " + std::to_string(m.type), r.module);
    EXPECT_EQ(b.kept.records[0].details.value("module_answered") != QJsonValue(false), r.answered);
  }
}

}  // namespace
}  // namespace korvane::history
