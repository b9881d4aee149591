// The station's publisher against a real mosquitto on loopback: what a subscriber
// receives, a broker that dies mid-run and refuses the station on its return, a full
// disk that frees again while the broker is away, TLS with the test's own CA, and the
// status topic's will and clean stop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <set>

#include "pty_fixture.h"
#include "station/messages/SampleJson.h"
#include "station/StationService.h"
#include "support/FileSizeLimit.h"
#include "support/LocalBroker.h"
#include "support/PhSample.h"

namespace korvane::station {
namespace {

using korvane::test::LocalBroker;
using korvane::test::TestSubscriber;
using korvane::test::WaitFor;
using namespace std::chrono_literals;

bus::BusSample Sample(std::uint8_t address, int n) {
  return test::PhSample(address, std::chrono::system_clock::time_point(std::chrono::milliseconds(1767225600000LL + n)));
}

// The (time, address) of a sample's JSON.
std::string Key(const std::string& json) {
  const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
  return o["time"].toString().toStdString() + "@" + std::to_string(o["address"].toInt());
}

// The (time, address) of each state message, in arrival order.
std::vector<std::string> StateKeys(const std::vector<TestSubscriber::Message>& messages) {
  std::vector<std::string> keys;
  for (const auto& m : messages)
    if (m.topic.ends_with("/state")) keys.push_back(Key(m.payload));
  return keys;
}

std::vector<std::string> FirstOccurrences(const std::vector<std::string>& keys) {
  std::vector<std::string> out;
  std::set<std::string> seen;
  for (const auto& k : keys)
    if (seen.insert(k).second) out.push_back(k);
  return out;
}

class StationBroker : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LocalBroker::Available()) GTEST_SKIP() << "mosquitto is not installed (scripts/setup installs it)";
    ASSERT_TRUE(dir.isValid());
  }

  StationSetup SetupFor(int port, bool tls = false) {
    StationSetup s;
    s.endpoint.broker = {tls, "127.0.0.1", port};
    s.endpoint.clientId = "korvane-station-test";
    s.prefix = "korvane/test";
    s.bufferFolder = dir.filePath("buffer").toStdString();
    s.timings.reconnect = {50ms, 200ms};
    s.timings.sync = 100ms;
    s.timings.stopGrace = 2000ms;
    s.limits.reserveBytes = 1 << 20;
    return s;
  }

  std::vector<std::string> Logged(LogLevel level) {
    std::vector<std::string> out;
    for (const auto& [l, text] : logged)
      if (l == level) out.push_back(text);
    return out;
  }
  bool LogHas(const std::string& part) {
    for (const auto& [l, text] : logged)
      if (text.find(part) != std::string::npos) return true;
    return false;
  }

  QTemporaryDir dir;
  std::vector<std::pair<LogLevel, std::string>> logged;
  StationLog log{[this](LogLevel l, const std::string& text) { logged.emplace_back(l, text); }, LogLevel::kDebug};
};

TEST_F(StationBroker, SamplesArriveAsJsonWithStatusAndDiscovery) {
  LocalBroker broker(dir.path(), {""});
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(), "#"));

  StationService service(SetupFor(broker.port()), log);
  std::string error;
  ASSERT_TRUE(service.Start(&error)) << error;
  ASSERT_TRUE(WaitFor([&] { return service.IsConnected(); }, 10000));
  service.Publish(Sample(3, 0));
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0 && sub.Count() >= 9; }, 10000));

  bool online = false, line = false, state = false;
  int discovery = 0;
  for (const auto& m : sub.Messages()) {
    if (m.topic == "korvane/test/status") online = m.payload == "online";
    if (m.topic == "korvane/test/line") line = m.payload == "online";
    if (m.topic == "korvane/test/3/state") state = Key(m.payload) == "2026-01-01T00:00:00.000Z@3";
    if (m.topic.rfind("homeassistant/sensor/korvane_test_3_", 0) == 0 && !m.payload.empty()) ++discovery;
  }
  EXPECT_TRUE(online);
  EXPECT_TRUE(line);
  EXPECT_TRUE(state);
  EXPECT_EQ(discovery, 3);  // the three named fields

  // The line goes: the module's state says so, once, without values.
  service.ReportLineLost();
  service.ReportLineLost();
  ASSERT_TRUE(sub.WaitFor(
      [](const auto& ms) { return ms.back().topic == "korvane/test/line" && ms.back().payload == "offline"; }));
  int lost = 0;
  for (const auto& m : sub.Messages())
    if (m.topic == "korvane/test/3/state" && m.payload.find("\"state\":\"line_lost\"") != std::string::npos) {
      ++lost;
      EXPECT_EQ(m.payload.find("\"value\":7.02"), std::string::npos) << m.payload;
    }
  EXPECT_EQ(lost, 1);

  bool stopped = false;
  QObject::connect(&service, &StationService::Stopped, [&] { stopped = true; });
  service.Stop();
  ASSERT_TRUE(WaitFor([&] { return stopped; }, 10000));
  ASSERT_TRUE(sub.WaitFor(
      [](const auto& ms) { return ms.back().topic == "korvane/test/status" && ms.back().payload == "offline"; }));
}

TEST_F(StationBroker, BrokerKilledAndRefusingOnReturnLosesNoSample) {
  const QString passwords = dir.filePath("passwd");
  ASSERT_TRUE(test::WritePasswordFile(passwords, {{"reader", "r-pw"}, {"station", "s-pw"}}));
  LocalBroker broker(dir.path(), {""}, "allow_anonymous false\npassword_file " + passwords.toStdString() + "\n");
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(), "korvane/test/+/state", "reader", "r-pw"));
  StationSetup setup = SetupFor(broker.port());
  setup.endpoint.user = "station";
  setup.endpoint.password = "s-pw";
  StationService service(setup, log);
  std::string error;
  ASSERT_TRUE(service.Start(&error)) << error;
  ASSERT_TRUE(WaitFor([&] { return service.IsConnected(); }, 10000));

  std::vector<std::string> sent;
  auto publish = [&](int from, int to) {
    for (int n = from; n < to; ++n) {
      const auto address = static_cast<std::uint8_t>(n % 7);
      service.Publish(Sample(address, n));
      sent.push_back(Key(SampleJson(Sample(address, n))));
    }
  };
  publish(0, 100);
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0 && sub.Count() >= 100; }, 10000));
  // A burst the broker takes off the wire but never acknowledges: it hangs, then dies.
  // (A broker killed while it runs may lose messages it acknowledged but had not yet
  // passed on to the subscriber; that is its own loss, not the station's.)
  broker.Freeze();
  publish(100, 150);
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 50; }, 10000));
  broker.Kill();
  ASSERT_TRUE(WaitFor([&] { return !service.IsConnected(); }, 10000));
  publish(150, 300);  // into the queue while the broker is away

  // Back, but without the station's user: refused with the reason, and tried again.
  ASSERT_TRUE(test::WritePasswordFile(passwords, {{"reader", "r-pw"}}));
  ASSERT_TRUE(broker.Start());
  ASSERT_TRUE(sub.Subscribe(broker.port(), "korvane/test/+/state", "reader", "r-pw"));
  auto refusals = [&] {
    int n = 0;
    for (const auto& text : Logged(LogLevel::kWarning))
      n += text.find("refused the connection: not authorised") != std::string::npos;
    return n;
  };
  ASSERT_TRUE(WaitFor([&] { return refusals() >= 2; }, 10000));
  EXPECT_GE(service.Pending(), 150u);  // nothing got past the refusal

  ASSERT_TRUE(test::WritePasswordFile(passwords, {{"reader", "r-pw"}, {"station", "s-pw"}}));
  broker.Reload();
  publish(300, 400);
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0; }, 20000)) << service.Pending() << " not acknowledged";
  ASSERT_TRUE(sub.WaitFor([&](const auto& ms) { return FirstOccurrences(StateKeys(ms)).size() >= sent.size(); }))
      << FirstOccurrences(StateKeys(sub.Messages())).size() << " of " << sent.size() << [&] {
           std::set<std::string> got;
           for (const auto& k : StateKeys(sub.Messages())) got.insert(k);
           std::string missing;
           for (std::size_t i = 0; i < sent.size(); ++i)
             if (!got.count(sent[i])) missing += std::to_string(i) + " ";
           return " missing " + missing;
         }();
  EXPECT_EQ(FirstOccurrences(StateKeys(sub.Messages())), sent);
  for (const auto& [level, text] : logged) EXPECT_EQ(text.find("s-pw"), std::string::npos) << text;
}

TEST_F(StationBroker, ADiskThatFillsAndFreesWhileTheBrokerIsAwayLosesNothingAcrossARestart) {
  LocalBroker broker(dir.path(), {""});
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(), "korvane/test/+/state"));
  std::vector<std::string> sent;
  auto publish = [&](StationService& service, int from, int to) {
    for (int n = from; n < to; ++n) {
      service.Publish(Sample(static_cast<std::uint8_t>(n % 7), n));
      sent.push_back(Key(SampleJson(Sample(static_cast<std::uint8_t>(n % 7), n))));
    }
  };
  {
    StationService service(SetupFor(broker.port()), log);
    std::string error;
    ASSERT_TRUE(service.Start(&error)) << error;
    ASSERT_TRUE(WaitFor([&] { return service.IsConnected(); }, 10000));
    publish(service, 0, 20);
    ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0; }, 10000));
    broker.Kill();
    ASSERT_TRUE(WaitFor([&] { return !service.IsConnected(); }, 10000));
    publish(service, 20, 40);  // to disk
    {
      test::FileSizeLimit full(1);
      ASSERT_TRUE(full.ok());
      publish(service, 40, 80);  // in memory
      ASSERT_TRUE(WaitFor([&] { return LogHas("could not grow"); }, 10000));
      WaitFor([] { return false; }, 300);  // a few more tries
    }
    publish(service, 80, 100);
    ASSERT_TRUE(WaitFor([&] { return LogHas("takes samples again"); }, 10000));
    bool stopped = false;
    QObject::connect(&service, &StationService::Stopped, [&] { stopped = true; });
    service.Stop();
    ASSERT_TRUE(WaitFor([&] { return stopped; }, 10000));
  }
  int grow = 0;
  for (const auto& text : Logged(LogLevel::kError)) grow += text.find("could not grow") != std::string::npos;
  EXPECT_EQ(grow, 1);  // said once, not for every try

  // Restarted, with the broker back: everything from before arrives first, in order.
  ASSERT_TRUE(broker.Start());
  ASSERT_TRUE(sub.Subscribe(broker.port(), "korvane/test/+/state"));
  StationService service(SetupFor(broker.port()), log);
  std::string error;
  ASSERT_TRUE(service.Start(&error)) << error;
  EXPECT_TRUE(LogHas("80 samples from before wait to be sent"));
  publish(service, 100, 110);
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0; }, 10000)) << service.Pending();
  ASSERT_TRUE(sub.WaitFor([&](const auto& ms) { return FirstOccurrences(StateKeys(ms)).size() >= sent.size(); }))
      << FirstOccurrences(StateKeys(sub.Messages())).size() << " of " << sent.size();
  EXPECT_EQ(FirstOccurrences(StateKeys(sub.Messages())), sent);
}

TEST_F(StationBroker, TwoStationsWhosePrefixesDifferOnlyInTheirSeparatorsKeepTheirSensorsApart) {
  LocalBroker broker(dir.path(), {""});
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(), "homeassistant/#"));
  std::vector<std::unique_ptr<StationService>> stations;
  for (const std::string prefix : {"korvane/a_b", "korvane/a/b"}) {
    StationSetup setup = SetupFor(broker.port());
    setup.prefix = prefix;
    setup.endpoint.clientId = "station-" + std::to_string(stations.size());
    setup.bufferFolder += std::to_string(stations.size());
    stations.push_back(std::make_unique<StationService>(setup, log));
    std::string error;
    ASSERT_TRUE(stations.back()->Start(&error)) << error;
    ASSERT_TRUE(WaitFor([&] { return stations.back()->IsConnected(); }, 10000));
    stations.back()->Publish(Sample(3, 0));
  }
  // Each announces its three named fields and its module's in-service sensor, and no
  // config stands for both.
  ASSERT_TRUE(sub.WaitFor([](const auto& ms) {
    return std::count_if(ms.begin(), ms.end(), [](const auto& m) { return !m.payload.empty(); }) >= 8;
  }));
  std::set<std::string> topics, uniqueIds, devices;
  for (const auto& m : sub.Messages()) {
    if (m.payload.empty()) continue;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(m.payload)).object();
    topics.insert(m.topic);
    uniqueIds.insert(o["unique_id"].toString().toStdString());
    devices.insert(o["device"].toObject()["identifiers"].toArray()[0].toString().toStdString());
  }
  EXPECT_EQ(topics.size(), 8u);
  EXPECT_EQ(uniqueIds.size(), 8u);
  EXPECT_EQ(devices.size(), 2u);
}

// Runs openssl with args in folder; true when it succeeded.
bool OpenSsl(const QString& folder, const QStringList& args) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(test::Program("openssl"), args);
  const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (!ok) ADD_FAILURE() << "openssl " << args.join(' ').toStdString() << ": " << p.readAll().toStdString();
  return ok;
}

// A CA and a certificate it signed for name (with 127.0.0.1 as its address).
bool MakeCertificates(const QString& folder) {
  const QStringList ec{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
  QFile ext(folder + "/ext.cnf");
  if (!ext.open(QIODevice::WriteOnly) || ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n") < 0) return false;
  ext.close();
  for (const QString ca : {"ca", "other-ca"})
    if (!OpenSsl(folder,
                 QStringList{"req", "-x509"} + ec +
                     QStringList{"-keyout", ca + ".key", "-out", ca + ".crt", "-days", "2", "-subj", "/CN=" + ca}))
      return false;
  for (const QString name : {"server", "client"}) {
    if (!OpenSsl(folder, QStringList{"req"} + ec +
                             QStringList{"-keyout", name + ".key", "-out", name + ".csr", "-subj", "/CN=" + name}) ||
        !OpenSsl(folder, {"x509", "-req", "-in", name + ".csr", "-CA", "ca.crt", "-CAkey", "ca.key", "-CAcreateserial",
                          "-out", name + ".crt", "-days", "2", "-extfile", "ext.cnf"}))
      return false;
  }
  return true;
}

TEST_F(StationBroker, TlsWithTheRightCaOnlyAndNeverPlain) {
  if (test::Program("openssl").isEmpty()) GTEST_SKIP() << "openssl is not installed (scripts/setup installs it)";
  const QString tls = dir.filePath("tls");
  ASSERT_TRUE(QDir().mkpath(tls));
  ASSERT_TRUE(MakeCertificates(tls));
  const std::string t = tls.toStdString();
  LocalBroker broker(dir.path(), {"", "cafile " + t + "/ca.crt\ncertfile " + t + "/server.crt\nkeyfile " + t +
                                          "/server.key\nrequire_certificate true\n"});
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(0), "korvane/#"));

  struct Row {
    const char* name;
    int listener;
    const char* ca;
    const char* failure;  // part of the logged reason; empty: the sample arrives
    bool tls = true;
  } const rows[] = {
      {"right CA, client certificate", 1, "ca.crt", ""},
      {"the broker's certificate from another CA", 1, "other-ca.crt", "TLS: certificate verify failed"},
      {"mqtts:// at a plain listener", 0, "ca.crt", "TLS: "},
      {"mqtt:// at a TLS listener", 1, "ca.crt", "it may expect TLS (mqtts://)", false},
  };
  int n = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    logged.clear();
    StationSetup setup = SetupFor(broker.port(static_cast<std::size_t>(row.listener)), row.tls);
    setup.endpoint.caFile = t + "/" + row.ca;
    setup.endpoint.certFile = t + "/client.crt";
    setup.endpoint.keyFile = t + "/client.key";
    setup.endpoint.clientId += std::to_string(n);
    setup.prefix = "korvane/row" + std::to_string(n++);
    setup.bufferFolder += std::to_string(n);
    StationService service(setup, log);
    std::string error;
    ASSERT_TRUE(service.Start(&error)) << error;
    service.Publish(Sample(1, n));
    if (std::string(row.failure).empty()) {
      ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0; }, 10000));
      ASSERT_TRUE(sub.WaitFor([&](const auto& ms) {
        return std::any_of(ms.begin(), ms.end(), [&](const auto& m) { return m.topic == setup.prefix + "/1/state"; });
      }));
      continue;  // the service goes without a clean stop: the broker sends its will
    }
    // Refused with the reason in one line, and tried again; never connected.
    auto failures = [&] {
      int count = 0;
      for (const auto& text : Logged(LogLevel::kWarning)) {
        count += text.find(row.failure) != std::string::npos;
        EXPECT_EQ(text.find('\n'), std::string::npos);
      }
      return count;
    };
    ASSERT_TRUE(WaitFor([&] { return failures() >= 2; }, 10000)) << (logged.empty() ? "" : logged.back().second);
    EXPECT_FALSE(service.IsConnected());
    EXPECT_EQ(service.Pending(), 1u);
  }
  EXPECT_TRUE(sub.WaitFor([](const auto& ms) {
    return std::any_of(ms.begin(), ms.end(),
                       [](const auto& m) { return m.topic == "korvane/row0/status" && m.payload == "offline"; });
  }));
  for (const auto& m : sub.Messages()) EXPECT_NE(m.topic, "korvane/row1/status");  // never connected
  // The plain listener never saw the station's client id.
  EXPECT_EQ(broker.Log().find("as korvane-station-test2"), std::string::npos);
}

}  // namespace
}  // namespace korvane::station
