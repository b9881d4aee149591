// The canonical text the hashes are taken over, and the chain's verification of a
// history changed behind the program's back.
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "history/CanonicalJson.h"
#include "history/HistoryStore.h"

namespace korvane::history {
namespace {

TEST(CanonicalJson, OneTextPerValue) {
  const struct {
    QJsonValue value;
    const char* text;
  } rows[] = {
      {QJsonObject{{"b", 1}, {"a", QJsonArray{true, QJsonValue()}}, {"ä", "x"}, {"B", 2}},
       "{\"B\":2,\"a\":[true,null],\"b\":1,\"ä\":\"x\"}"},
      {QString::fromUtf8("q\"\\\x01\n°"), "\"q\\\"\\\\\\u0001\\u000a°\""},
      {-59.2, "-59.2"},
      {3.0, "3"},
      {1e300, "1e+300"},
      {9007199254740993.0, "9007199254740992"},
  };
  for (const auto& r : rows) EXPECT_EQ(CanonicalJson(r.value), r.text) << r.text;
}

Event Sample(std::int64_t time, const char* kind) {
  Event e;
  e.timeMs = time;
  e.identity = "A123";
  e.address = 5;
  e.type = 1;
  e.deviceKind = 4;
  e.firmware = "1.20";
  e.technician = "Anna";
  e.host = "bench";
  e.program = "korvane-cli 1.0.0";
  e.kind = kind;
  e.details = QJsonObject{{"records", 24}};
  e.previous = kNoPredecessor;
  return e;
}

// The documented text and its hash: a program that writes either differently breaks
// every chain written before it.
TEST(EventText, IsPinned) {
  const Event e = Sample(1773061533123, "logger-read");
  EXPECT_EQ(EventText(e),
            "{\"address\":5,\"details\":{\"records\":24},\"device_kind\":4,\"firmware\":\"1.20\",\"host\":\"bench\","
            "\"identity\":\"A123\",\"kind\":\"logger-read\",\"previous\":\"" +
                kNoPredecessor +
                "\",\"program\":\"korvane-cli 1.0.0\",\"technician\":\"Anna\",\"time\":1773061533123,\"type\":1}");
  EXPECT_EQ(EventHash(e), "eed55b517d38689fb1b13e26dcebaf4f72f06079ba5f6126182ea021a2a3fed9");
}

// Four events in a fresh history; the guards that keep the program from changing them
// are dropped, as someone working behind its back would.
class Tampered : public ::testing::Test {
 protected:
  void SetUp() override { Fresh("h.sqlite"); }
  void Fresh(const QString& name) {
    location.path = dir.filePath(name).toStdString();
    HistoryStore store;
    ASSERT_TRUE(store.Open(location, {}, nullptr, nullptr));
    for (int i = 0; i < 4; ++i) {
      Event e = Sample(1000 + i, "config-read");
      e.identity.clear();  // no module events between them
      ASSERT_TRUE(store.Append(e, nullptr, nullptr, nullptr));
    }
  }
  void Sql(const std::vector<QString>& statements) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "tamper");
      db.setDatabaseName(QString::fromStdString(location.path));
      ASSERT_TRUE(db.open());
      QSqlQuery q(db);
      EXPECT_FALSE(q.exec("DELETE FROM events WHERE seq = 4")) << "the store's guard refuses it";
      for (const QString& s : statements) ASSERT_TRUE(q.exec(s)) << s.toStdString();
    }
    QSqlDatabase::removeDatabase("tamper");
  }
  QTemporaryDir dir;
  store::Location location;
};

TEST_F(Tampered, TheFirstEventThatBreaksTheChainIsNamed) {
  using P = ChainBreak::Problem;
  const struct {
    const char* what;
    std::vector<QString> sql;
    std::optional<P> problem;
    std::int64_t seq, predecessor;
  } rows[] = {
      {"untouched", {}, std::nullopt, 0, 0},
      {"changed", {"UPDATE events SET details = '{\"fields\":{}}' WHERE seq = 2"}, P::kHashMismatch, 2, 0},
      {"changed address", {"UPDATE events SET address = 7 WHERE seq = 3"}, P::kHashMismatch, 3, 0},
      {"removed", {"DELETE FROM events WHERE seq = 2"}, P::kMissingPredecessor, 3, 0},
      {"first removed", {"DELETE FROM events WHERE seq = 1"}, P::kMissingPredecessor, 2, 0},
      {"reordered",
       {"UPDATE events SET seq = -1 WHERE seq = 2", "UPDATE events SET seq = 2 WHERE seq = 3",
        "UPDATE events SET seq = 3 WHERE seq = -1"},
       P::kOutOfOrder,
       2,
       3},
  };
  for (const auto& r : rows) {
    Fresh(r.what);
    std::vector<QString> sql{"DROP TRIGGER events_never_changed", "DROP TRIGGER events_never_removed"};
    sql.insert(sql.end(), r.sql.begin(), r.sql.end());
    Sql(sql);
    HistoryStore store;
    ASSERT_TRUE(store.Open(location, {}, nullptr, nullptr)) << r.what;
    Verification v;
    ASSERT_TRUE(store.Verify(&v, nullptr)) << r.what;
    ASSERT_EQ(v.broken.has_value(), r.problem.has_value()) << r.what;
    if (!r.problem) continue;
    EXPECT_EQ(v.broken->problem, *r.problem) << r.what;
    EXPECT_EQ(v.broken->event.seq, r.seq) << r.what;
    EXPECT_EQ(v.broken->predecessorSeq, r.predecessor) << r.what;
  }
}

}  // namespace
}  // namespace korvane::history
