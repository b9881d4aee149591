// The three PostgreSQL roles of the README, made by its own SQL on a real server: the
// owner makes the history, a technician appends but cannot empty it, an auditor reads,
// verifies and reports but records nothing; no open puts a server notice on stderr; a
// server that stops answering in the middle of a write costs that record, said so, and
// the write is not committed when the server answers again.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

#include "Commands.h"
#include "history/HistoryStore.h"
#include "history/HistoryTexts.h"
#include "history/Recorder.h"
#include "support/LocalPostgres.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"

namespace korvane::test {
namespace {

// The README's blocks of SQL that begin with "-- korvane roles", in their order.
std::vector<std::vector<QString>> ReadmeRoles() {
  QFile readme(QStringLiteral(KORVANE_README));
  if (!readme.open(QIODevice::ReadOnly)) return {};
  std::vector<std::vector<QString>> blocks;
  const QRegularExpression block("```sql\\n(-- korvane roles.*?)```", QRegularExpression::DotMatchesEverythingOption);
  for (auto m = block.globalMatch(QString::fromUtf8(readme.readAll())); m.hasNext();) {
    QString sql;
    for (const QString& line : m.next().captured(1).split('\n'))
      if (!line.trimmed().startsWith("--")) sql += line + '\n';
    std::vector<QString> statements;
    for (const QString& s : sql.split(';'))
      if (!s.trimmed().isEmpty()) statements.push_back(s.trimmed());
    blocks.push_back(statements);
  }
  return blocks;
}

class Roles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LocalPostgres::Available()) GTEST_SKIP() << "PostgreSQL's server programs are not installed";
    std::string why;
    ASSERT_TRUE(server.Start(&why)) << why;
  }

  std::string Url(const char* role) const { return server.Url(role, "korvane_history"); }
  int Cli(const std::string& history, std::vector<std::string> line, link::Link* link = nullptr) {
    out.str("");
    err.str("");
    cli::CommonOptions o;
    o.settingsFolder = dir.filePath("settings").toStdString();
    o.language = Language::kEnglish;
    o.history = history;
    cli::CliContext ctx(o, out, err, link);
    const std::string command = line.front();
    line.erase(line.begin());
    return cli::RunCommand(ctx, command, line);
  }

  QTemporaryDir dir;
  LocalPostgres server{dir.path()};
  std::ostringstream out, err;
};

TEST_F(Roles, OwnerMakesTechnicianAppendsAuditorReadsAndNoOneEmptiesIt) {
  const auto blocks = ReadmeRoles();
  ASSERT_EQ(blocks.size(), 2u) << "the README's two blocks of role SQL";
  std::string why;
  for (const QString& s : blocks[0]) ASSERT_TRUE(server.Sql("postgres", s, &why)) << s.toStdString() << ": " << why;
  ASSERT_EQ(Cli(Url("korvane_owner"), {"history", "init"}), 0) << err.str();
  for (const QString& s : blocks[1])
    ASSERT_TRUE(server.Sql("korvane_history", s, &why, "korvane_owner")) << s.toStdString() << ": " << why;

  // The client library writes a server's notices to stderr itself.
  ::testing::internal::CaptureStderr();
  {
    history::HistoryStore technician;
    ASSERT_TRUE(technician.Open(*store::Location::Parse(Url("korvane_technician"), nullptr), {}, &why, nullptr)) << why;
    for (int i = 0; i < 3; ++i) {
      history::Event e;
      e.timeMs = QDateTime::currentMSecsSinceEpoch();
      e.kind = "logger-read";
      ASSERT_TRUE(technician.Append(e, nullptr, &why, nullptr)) << why;
    }
  }
  for (const char* statement : {"TRUNCATE events", "DELETE FROM events", "UPDATE events SET technician = 'x'"})
    EXPECT_FALSE(server.Sql("korvane_history", statement, nullptr, "korvane_technician")) << statement;

  const struct {
    std::vector<std::string> line;
    int status;
    const char* said;  // on stdout ("" not looked at)
  } reads[] = {
      {{"history", "verify"}, 0, "3 events, chain intact\n"},
      {{"history", "head"}, 0, "3:"},
      {{"history", "--kind", "logger-read"}, 0, ""},
      {{"report", "--since", "2000-01-01", "-o", dir.filePath("audit.pdf").toStdString()}, 0, "service report written"},
  };
  for (const auto& r : reads) {
    SCOPED_TRACE(r.line.front() + " " + r.line[1]);
    EXPECT_EQ(Cli(Url("korvane_auditor"), r.line), r.status) << err.str();
    EXPECT_EQ(out.str().rfind(r.said, 0), 0u) << out.str();
  }
  EXPECT_EQ(Cli(Url("korvane_owner"), {"history", "init"}), 0) << err.str();  // an open for writing
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.find("NOTICE"), std::string::npos) << said;

  // The auditor's flows run; their records are refused, and said to be.
  ScriptedUi ui;
  SimLink sim(ui);
  sim.AddAmplifier(1, 0, 4);
  const std::string file = dir.filePath("a.qx4").toStdString();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Cli(Url("korvane_auditor"), {"config-read", "-o", file}, &sim.link), 0);
  const std::string driver = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(driver.find("Unable to free statement"), std::string::npos) << driver;
  EXPECT_NE(err.str().find("Not recorded in the history: config-read"), std::string::npos) << err.str();
  EXPECT_EQ(Cli(Url("korvane_auditor"), {"config-diff", file}, &sim.link), 0) << err.str();
  EXPECT_EQ(Cli(Url("korvane_auditor"), {"history", "verify"}), 0) << out.str();
}

TEST_F(Roles, AServerThatStopsAnsweringCostsTheRecordSaidSoAndNeverCommittedLater) {
  const std::string url = server.Url("korvane", "postgres");
  history::Recorder::Options o;
  o.location = *store::Location::Parse(url, nullptr);
  o.patience = std::chrono::milliseconds(800);
  history::Recorder recorder(o);
  link::FlowRecord r;
  r.kind = "logger-read";
  recorder.Record(r);
  ASSERT_TRUE(recorder.Flush(std::chrono::seconds(10)));
  ASSERT_TRUE(recorder.TakeFailures().empty());

  // The recorder's server process stops where it is, as a hung server would.
  QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "watch");
  db.setHostName(QString::fromStdString(o.location.host));
  db.setUserName("korvane");
  db.setDatabaseName("postgres");
  ASSERT_TRUE(db.open());
  QSqlQuery q(db);
  ASSERT_TRUE(q.exec("SELECT pid FROM pg_stat_activity WHERE datname = 'postgres' AND pid <> pg_backend_pid() "
                     "AND backend_type = 'client backend'") &&
              q.next());
  const pid_t backend = q.value(0).toInt();
  ASSERT_EQ(::kill(backend, SIGSTOP), 0);
  recorder.Record(r);
  EXPECT_FALSE(recorder.Flush(o.patience * 2));
  recorder.GiveUpPending();
  const auto failures = recorder.TakeFailures();
  ::kill(backend, SIGCONT);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(history::NotRecordedText(failures, Language::kEnglish).find("cannot be written: no answer within 0.8 s"),
            std::string::npos)
      << history::NotRecordedText(failures, Language::kEnglish);
  ASSERT_TRUE(recorder.Flush(std::chrono::seconds(10)));
  ASSERT_TRUE(q.exec("SELECT count(*) FROM events"));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toInt(), 1) << "the record given up was rolled back";
  q = QSqlQuery();
  db.close();
  db = QSqlDatabase();
  QSqlDatabase::removeDatabase("watch");
}

}  // namespace
}  // namespace korvane::test
