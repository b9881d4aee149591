// The heads kept in korvane.conf: one line per history whatever its name holds, only ever
// replaced by a later head, the file's other lines kept.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

#include "app/HistoryWitness.h"
#include "app/OwnSettings.h"

namespace korvane::app {
namespace {

TEST(HistoryWitness, OneLinePerHistoryOnlyEverForward) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  ASSERT_TRUE(SaveOwnSettings(folder, OwnSettings{{{kTechnicianKey, "Anna Berger"}}}, nullptr, Language::kEnglish));
  OwnSettingsWitness witness(folder);
  const std::string odd = "/data/a=b%c\nd.sqlite";
  const std::tuple<std::string, int, int> rows[] = {{odd, 7, 7}, {odd, 9, 9}, {odd, 8, 9}, {"pg", 3, 3}};
  for (const auto& [history, seq, kept] : rows) {
    ASSERT_TRUE(witness.Remember(history, {{seq, std::string(64, 'a')}, 1773061533123, "korvane-cli 1.0.0"}, nullptr));
    const std::optional<history::SeenHead> seen = witness.Remembered(history);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->head.seq, kept);
    EXPECT_EQ(seen->seenMs, 1773061533123);
    EXPECT_EQ(seen->program, "korvane-cli 1.0.0");
  }
  const OwnSettings after = LoadOwnSettings(folder);
  EXPECT_EQ(after.Get(kTechnicianKey), "Anna Berger");
  EXPECT_TRUE(after.Get("witness./data/a%3Db%25c%0Ad.sqlite"));
  EXPECT_EQ(after.values.size(), 3u);
}

}  // namespace
}  // namespace korvane::app
