// The history's store: module events, the queries, two writers at once, and a store
// that cannot take a record (every record given up with its reason, nothing there lost,
// the next record trying again).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <thread>

#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"
#include "history/Recorder.h"
#include "support/FileSizeLimit.h"
#include "types/Cp1252.h"

namespace korvane::history {
namespace {

Event At(int seconds, const char* identity, int address, const char* kind, const char* firmware = "1.20") {
  Event e;
  e.timeMs = seconds * 1000LL;
  e.identity = identity;
  e.address = address;
  e.type = 1;
  e.deviceKind = 4;
  e.firmware = firmware;
  e.kind = kind;
  return e;
}

store::Location File(const QString& path) {
  store::Location l;
  l.path = path.toStdString();
  return l;
}

TEST(HistoryStore, NamesEachModuleWhenFirstSeenOrChangedAndFindsEventsByFilter) {
  QTemporaryDir dir;
  HistoryStore store;
  ASSERT_TRUE(store.Open(File(dir.filePath("h.sqlite")), {}, nullptr, nullptr));
  const std::string odd = types::FromWindows1252("\x01Z\x9D\\");  // what a module may send
  for (const Event& e :
       {At(10, "A123", 5, "config-read"), At(20, "A123", 5, "config-write"), At(30, "A123", 5, "calibration", "1.30"),
        At(40, odd.c_str(), 3, "logger-read"), At(50, "A123", 6, "logger-read", "")})
    ASSERT_TRUE(store.Append(e, nullptr, nullptr, nullptr));

  const auto kinds = [&](const EventFilter& f) {
    std::string k;
    for (const Event& e : store.Events(f, nullptr)) k += (k.empty() ? "" : " ") + std::to_string(e.seq) + e.kind;
    return k;
  };
  EXPECT_EQ(kinds({}), "1module 2config-read 3config-write 4module 5calibration 6module 7logger-read 8logger-read");
  EXPECT_EQ(kinds({.identity = "A123", .kind = "module"}), "1module 4module");
  EXPECT_EQ(kinds({.identity = odd}), "6module 7logger-read");
  EXPECT_EQ(kinds({.address = 5, .sinceMs = 20000, .untilMs = 30000}), "3config-write");
  EXPECT_EQ(store.Events({.identity = "A123", .kind = "module"}, nullptr)
                .back()
                .details["previous"]
                .toObject()["firmware"]
                .toString(),
            "1.20");
  EXPECT_EQ(ShownIdentity(odd), "\\x01Z\\x9D\\x5C");

  const std::vector<KnownModule> modules = store.Modules(nullptr);
  ASSERT_EQ(modules.size(), 2u);
  EXPECT_EQ(modules[1].identity, "A123");
  EXPECT_EQ(modules[1].address, 6);
  EXPECT_EQ(modules[1].firmware, "1.30");
  EXPECT_EQ(modules[1].lastCalibrationMs, 30000);
}

// The desktop program and a command at the same time: both record, one chain.
TEST(HistoryStore, TwoWritersAtOnceKeepOneChain) {
  QTemporaryDir dir;
  const store::Location location = File(dir.filePath("h.sqlite"));
  // The driver is loaded once, as each program loads it in one thread; the two writers
  // then race to make the new file.
  HistoryStore().Open(File(dir.filePath("first.sqlite")), {}, nullptr, nullptr);
  constexpr int kEach = 40;
  auto writer = [&](const char* program) {
    HistoryStore store;
    std::string why;
    store::OpenFailure failure = store::OpenFailure::kNone;
    ASSERT_TRUE(store.Open(location, {}, &why, &failure)) << why << " " << static_cast<int>(failure);
    for (int i = 0; i < kEach; ++i) {
      Event e = At(i, "", 1, "config-read");
      e.program = program;
      ASSERT_TRUE(store.Append(e, nullptr, &why, nullptr)) << why;
    }
  };
  std::thread desktop(writer, "korvane"), cli(writer, "korvane-cli");
  desktop.join();
  cli.join();
  HistoryStore store;
  ASSERT_TRUE(store.Open(location, {}, nullptr, nullptr));
  Verification v;
  ASSERT_TRUE(store.Verify(&v, nullptr));
  EXPECT_EQ(v.events, 2 * kEach);
  EXPECT_FALSE(v.broken);
}

QByteArray Bytes(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};  // a FIFO is never opened
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

link::FlowRecord ConfigRead() {
  link::FlowRecord r;
  r.kind = "config-read";
  r.module = {"A123", 5, 1, 4, "1.20"};
  return r;
}

TEST(Recorder, AStoreThatCannotTakeARecordLosesNothingAndTheNextRecordTriesAgain) {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.sqlite");
  {
    HistoryStore store;
    ASSERT_TRUE(store.Open(File(good), {}, nullptr, nullptr));
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(store.Append(At(i, "A123", 5, "config-read"), nullptr, nullptr, nullptr));
  }
  // A copy of the good history (or a new file) with bytes written over it at offset.
  const auto overwritten = [&](const char* name, qint64 offset, const QByteArray& bytes, bool copy = true) {
    const QString p = dir.filePath(name);
    if (copy) QFile::copy(good, p);
    QFile f(p);
    f.open(QIODevice::ReadWrite);
    f.seek(offset);
    f.write(bytes);
    return p;
  };
  std::optional<QSqlDatabase> holder;  // another program's connection
  std::optional<test::FileSizeLimit> full;
  const struct {
    const char* what;
    std::function<QString()> make;
    store::OpenFailure failure;
    std::function<void()> mend;  // takes the cause away; the next record is written
  } rows[] = {
      {"no database", [&] { return overwritten("text", 0, QByteArray(8192, 'x'), false); },
       store::OpenFailure::kNotDatabase, nullptr},
      {"damaged", [&] { return overwritten("damaged.sqlite", 4096, QByteArray(8192, '\x5A')); },
       store::OpenFailure::kNotDatabase, nullptr},
      // The schema's version stands at byte 60 of the file's header.
      {"newer schema", [&] { return overwritten("newer.sqlite", 60, QByteArray("\0\0\0\x63", 4)); },
       store::OpenFailure::kNewerSchema, nullptr},
      {"a place no file may be made", [&] { return QString("/proc/korvane-history.sqlite"); },
       store::OpenFailure::kUnreachable, nullptr},
      {"fifo",
       [&] {
         ::mkfifo(dir.filePath("fifo").toLocal8Bit().constData(), 0600);
         return dir.filePath("fifo");
       },
       store::OpenFailure::kUnreachable, nullptr},
      {"full disk",
       [&] {
         const QString p = overwritten("full.sqlite", 0, {});
         full.emplace(512);  // not even the journal of one write fits
         return p;
       },
       store::OpenFailure::kFailed, [&] { full.reset(); }},
      {"locked by another program",
       [&] {
         const QString p = overwritten("locked.sqlite", 0, {});
         holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
         holder->setDatabaseName(p);
         holder->open();
         QSqlQuery(*holder).exec("BEGIN EXCLUSIVE");
         return p;
       },
       store::OpenFailure::kLocked,
       [&] {
         QSqlQuery(*holder).exec("COMMIT");
         holder->close();
         holder.reset();
         QSqlDatabase::removeDatabase("holder");
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    const QString path = r.make();
    const QByteArray before = Bytes(path);
    Recorder::Options o;
    o.location = File(path);
    o.open.busyTimeoutMs = 100;
    Recorder recorder(o);
    recorder.Record(ConfigRead());
    ASSERT_TRUE(recorder.Flush(recorder.patience()));
    const std::vector<NotRecorded> failures = recorder.TakeFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].failure, r.failure) << failures[0].reason;
    EXPECT_EQ(failures[0].identity, "A123");
    const std::string text = NotRecordedText(failures, Language::kEnglish);
    EXPECT_NE(text.find("config-read (module A123, address 5)"), std::string::npos) << text;
    EXPECT_NE(text.find(path.toStdString()), std::string::npos) << text;
    EXPECT_EQ(Bytes(path), before) << "what was there stays";
    if (!r.mend) continue;
    r.mend();
    recorder.Record(ConfigRead());
    ASSERT_TRUE(recorder.Flush(recorder.patience()));
    EXPECT_TRUE(recorder.TakeFailures().empty());
    EXPECT_EQ(recorder.written(), 1);
  }
}

}  // namespace
}  // namespace korvane::history
