// The heads kept in korvane.conf: one line per history whatever its name holds, read back
// as written, only ever replaced by a later head, and the other lines of the file kept.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/HistoryWitness.h"
#include "app/OwnSettings.h"

namespace korvane::app {
namespace {

history::SeenHead Seen(std::int64_t seq, char digit) {
  return {{seq, std::string(64, digit)}, 1773061533123, "korvane-cli 1.0.0"};
}

TEST(HistoryWitness, OneLinePerHistoryOnlyEverForward) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  OwnSettings own;
  own.Set(kTechnicianKey, "Anna Berger");
  ASSERT_TRUE(SaveOwnSettings(folder, own, nullptr, Language::kEnglish));

  OwnSettingsWitness witness(folder);
  const struct {
    const char* history;
    history::SeenHead seen;
    std::int64_t kept;  // the seq remembered afterwards
  } rows[] = {
      {"/data/a=b%c\nd.sqlite", Seen(7, 'a'), 7},
      {"/data/a=b%c\nd.sqlite", Seen(9, 'b'), 9},
      {"/data/a=b%c\nd.sqlite", Seen(8, 'c'), 9},  // an older head does not replace a later one
      {"postgresql://db.example:5432/korvane", Seen(3, 'd'), 3},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.history);
    ASSERT_TRUE(witness.Remember(r.history, r.seen, nullptr));
    const std::optional<history::SeenHead> kept = witness.Remembered(r.history);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->head.seq, r.kept);
    EXPECT_EQ(kept->seenMs, r.seen.seenMs);
    EXPECT_EQ(kept->program, "korvane-cli 1.0.0");
  }
  const OwnSettings after = LoadOwnSettings(folder);
  EXPECT_EQ(after.Get(kTechnicianKey), "Anna Berger");
  EXPECT_EQ(after.values.size(), 3u);
  EXPECT_TRUE(after.Get("witness./data/a%3Db%25c%0Ad.sqlite"));
  EXPECT_FALSE(witness.Remembered("/data/other.sqlite"));
  EXPECT_EQ(witness.Where(), OwnSettingsPath(folder));
}

}  // namespace
}  // namespace korvane::app
