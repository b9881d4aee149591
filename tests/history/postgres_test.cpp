// The history on a real PostgreSQL server, started by the test on a Unix socket of its
// own: two writers keep one chain, the queries and the check work as on SQLite, and a
// server that refuses or is down costs the record, never the flow.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

#include "history/HistoryStore.h"
#include "history/Recorder.h"
#include "support/LocalPostgres.h"

namespace korvane::history {
namespace {

store::Location Url(const std::string& url) { return *store::Location::Parse(url, nullptr); }

TEST(PostgresHistory, SharedByTwoWritersAndGivenUpWhenTheServerRefusesOrIsDown) {
  if (!test::LocalPostgres::Available()) GTEST_SKIP() << "PostgreSQL's server programs are not installed";
  QTemporaryDir dir;
  test::LocalPostgres server(dir.path());
  std::string why;
  ASSERT_TRUE(server.Start(&why)) << why;
  const store::Location shared = Url(server.Url());
  // The driver is loaded once, as each program loads it in one thread.
  HistoryStore().Open(Url(server.Url("korvane", "none_such")), {}, nullptr, nullptr);

  constexpr int kEach = 15;
  auto writer = [&](const char* identity) {
    HistoryStore store;
    std::string error;
    ASSERT_TRUE(store.Open(shared, {}, &error, nullptr)) << error;
    for (int i = 0; i < kEach; ++i) {
      Event e;
      e.timeMs = i;
      e.identity = identity;
      e.address = 1;
      e.type = 1;
      e.deviceKind = 4;
      e.firmware = i < 10 ? "1.20" : "1.30";
      e.kind = "config-read";
      e.details = QJsonObject{{"fields", QJsonObject{{"IDC_GRENZWERT", "7.50"}}}};
      ASSERT_TRUE(store.Append(e, nullptr, &error, nullptr)) << error;
    }
  };
  std::thread desktop(writer, "A123"), cli(writer, "B456");
  desktop.join();
  cli.join();

  HistoryStore store;
  ASSERT_TRUE(store.Open(shared, {}, &why, nullptr)) << why;
  Verification v;
  ASSERT_TRUE(store.Verify(&v, &why)) << why;
  EXPECT_FALSE(v.broken);
  EXPECT_EQ(v.events, 2 * (kEach + 2));  // each module seen first, then with a new firmware
  EXPECT_EQ(store.Events({.identity = "B456", .kind = "module"}, nullptr).size(), 2u);
  EXPECT_EQ(store.Events({}, nullptr).back().details["fields"].toObject()["IDC_GRENZWERT"].toString(), "7.50");

  const auto given_up = [](const std::string& url) {
    Recorder::Options o;
    o.location = Url(url);
    Recorder recorder(o);
    link::FlowRecord r;
    r.kind = "logger-read";
    recorder.Record(r);
    EXPECT_TRUE(recorder.Flush(recorder.patience()));
    const auto failures = recorder.TakeFailures();
    return failures.size() == 1 ? failures[0].failure : store::OpenFailure::kNone;
  };
  EXPECT_EQ(given_up(server.Url("nobody_such")), store::OpenFailure::kUnreachable);
  server.Stop();
  EXPECT_EQ(given_up(server.Url()), store::OpenFailure::kUnreachable);
}

}  // namespace
}  // namespace korvane::history
