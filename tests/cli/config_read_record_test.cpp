// What a configuration read records is what the setup file of the same read holds, key by
// key, for every measurement type of the catalogue on each device kind.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

#include "Commands.h"
#include "history/HistoryStore.h"
#include "link/FlowLog.h"
#include "support/ScriptedUi.h"
#include "support/SimLink.h"
#include "types/Catalogue.h"
#include "types/KeyValueText.h"

namespace korvane::test {
namespace {

TEST(ConfigReadRecord, HoldsWhatItsSetupFileHolds) {
  QTemporaryDir dir;
  const std::string history = dir.filePath("h.sqlite").toStdString();
  for (int kind : {2, 4, 5}) {
    for (int type = 1; type <= types::kTypeCount; ++type) {
      SCOPED_TRACE("type " + std::to_string(type) + ", kind " + std::to_string(kind));
      ScriptedUi ui;
      SimLink sim(ui);
      sim.AddAmplifier(type, 0, kind);
      cli::CommonOptions o;
      o.settingsFolder = dir.filePath("settings").toStdString();
      o.language = Language::kEnglish;
      o.history = history;
      const std::string file = dir.filePath("read.qx4").toStdString();
      std::ostringstream out, err;
      {
        cli::CliContext ctx(o, out, err, &sim.link);
        ASSERT_EQ(cli::RunCommand(ctx, "config-read", {"-o", file}), 0) << err.str();
      }
      QFile saved(QString::fromStdString(file));
      ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
      const QJsonObject inFile = link::FlowFields(types::KeyValueLines(saved.readAll().toStdString()));

      history::HistoryStore store;
      ASSERT_TRUE(store.Open(*store::Location::Parse(history, nullptr), {}, nullptr, nullptr));
      const std::vector<history::Event> reads = store.Events({.kind = "config-read"}, nullptr);
      ASSERT_FALSE(reads.empty());
      const QJsonObject recorded = reads.back().details["fields"].toObject();
      EXPECT_EQ(recorded.keys(), inFile.keys());
      for (const QString& key : inFile.keys())
        EXPECT_EQ(recorded[key].toString(), inFile[key].toString()) << key.toStdString();
    }
  }
}

}  // namespace
}  // namespace korvane::test
