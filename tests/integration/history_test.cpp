// The module history of korvane-cli on the simulated module over a pseudo-terminal: a
// configuration read, a write of one changed field and a logger readout make three
// events of the module (after the one that names it); the chain holds until a record is
// changed behind the program's back; config-diff tells two files and the module apart.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "cli_runner.h"
#include "configuration/SetupFile.h"

namespace korvane::test {
namespace {

class HistoryOverPty : public LinkOverPty {
 protected:
  void SetUp() override {
    LinkOverPty::SetUp();
    link.reset();  // the port is the commands'
    env.insert("KORVANE_REPLY_TIMEOUT_MS", "300");
    env.insert("KORVANE_SECOND_MS", "50");
  }
  // history: where the commands record ("none": nowhere).
  CliResult Cli(QStringList args, QString history = {}) {
    return RunCli(QStringList{"--settings", dir.path(), "--port", "1", "--lang", "en", "--history",
                              history.isEmpty() ? History() : history, "--technician", "Anna Berger"} +
                      args,
                  env);
  }
  QString History() const { return dir.filePath("history.sqlite"); }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST_F(HistoryOverPty, ThreeFlowsThreeEventsAChainThatHoldsAndConfigDiff) {
  ASSERT_EQ(Cli({"config-read", "-o", dir.filePath("a.qx4")}).exitCode, 0);
  QFile a(dir.filePath("a.qx4")), b(dir.filePath("b.qx4"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::WriteOnly));
  configuration::ConfigSettings s;  // the file with one field changed
  configuration::SetupFile::ParseSetupText(a.readAll().toStdString(), s, true);
  s.relay1Limit = "8.00";
  b.write(QByteArray::fromStdString(configuration::SetupFile::BuildSetupText(s)));
  b.close();

  ASSERT_EQ(Cli({"config-diff", dir.filePath("b.qx4")}, "none").exitCode, 5);
  ASSERT_EQ(Cli({"config-write", dir.filePath("b.qx4")}).exitCode, 0);
  ASSERT_EQ(Cli({"config-diff", dir.filePath("b.qx4")}, "none").exitCode, 0);
  ASSERT_EQ(Cli({"logger-read", "-o", dir.filePath("log.txt")}).exitCode, 0);

  const CliResult listing = Cli({"history", "--json"});
  ASSERT_EQ(listing.exitCode, 0) << listing.err;
  std::vector<QJsonObject> events;
  for (const QByteArray& line : QByteArray::fromStdString(listing.out).split('\n'))
    if (!line.isEmpty()) events.push_back(QJsonDocument::fromJson(line).object());
  ASSERT_EQ(events.size(), 4u);
  const char* kinds[] = {"module", "config-read", "config-write", "logger-read"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(events[i]["kind"].toString(), kinds[i]);
    EXPECT_EQ(events[i]["identity"].toString(), "A123");
    EXPECT_EQ(events[i]["address"].toInt(), 0);
    EXPECT_EQ(events[i]["type"].toInt(), 1);
    EXPECT_EQ(events[i]["technician"].toString(), "Anna Berger");
  }
  const QJsonArray changed = events[2]["details"].toObject()["changed"].toArray();
  ASSERT_EQ(changed.size(), 1);
  EXPECT_EQ(changed[0].toObject(), (QJsonObject{{"key", "IDC_GRENZWERT"}, {"before", "11.20"}, {"after", "8.00"}}));
  EXPECT_EQ(events[3]["details"].toObject()["records"].toInt(), 24);

  CliResult verify = Cli({"history", "verify"});
  EXPECT_EQ(verify.exitCode, 0);
  EXPECT_EQ(verify.out, "4 events, chain intact\n");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "behind");
    db.setDatabaseName(History());
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("DROP TRIGGER events_never_changed"));
    ASSERT_TRUE(q.exec("UPDATE events SET details = replace(details, '8.00', '9.00') WHERE seq = 3"));
  }
  QSqlDatabase::removeDatabase("behind");
  verify = Cli({"history", "verify"});
  EXPECT_EQ(verify.exitCode, 1);
  EXPECT_NE(verify.out.find("breaks at event 3 ("), std::string::npos) << verify.out;
  EXPECT_NE(verify.out.find("A123, config-write): its content was changed"), std::string::npos) << verify.out;
}

}  // namespace
}  // namespace korvane::test
