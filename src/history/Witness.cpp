#include "history/Witness.h"

#include <QFileInfo>

#include <algorithm>
#include <cctype>

#include "history/HistoryStore.h"

namespace korvane::history {
namespace {

constexpr std::size_t kShortHash = 12;

bool Hex(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

std::string HeadText(const Head& head) { return std::to_string(head.seq) + ":" + head.hash; }

std::string ShortHash(const std::string& hash) { return hash.substr(0, kShortHash); }

std::optional<Head> ParseHead(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 18) return std::nullopt;
  const std::string seq = text.substr(0, colon);
  std::string hash = text.substr(colon + 1);
  if (!std::all_of(seq.begin(), seq.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  if (hash.size() < kShortHash || hash.size() > 64 || !Hex(hash)) return std::nullopt;
  std::transform(hash.begin(), hash.end(), hash.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
  return Head{std::stoll(seq), hash};
}

std::string WitnessKey(const store::Location& location) {
  if (location.backend == store::Location::Backend::kSqlite) {
    const QFileInfo file(QString::fromStdString(location.path));
    // The same file by every name it is given (a link, a relative path).
    const QString canonical = file.canonicalFilePath();
    return (canonical.isEmpty() ? file.absoluteFilePath() : canonical).toStdString();
  }
  return "postgresql://" + location.host + ":" + std::to_string(location.port) + "/" + location.database;
}

bool HoldsHead(HistoryStore& store, const SeenHead& expected, const std::string& where,
               std::optional<Rollback>* rollback, std::string* error) {
  rollback->reset();
  if (expected.head.seq <= 0) return true;  // an empty history is a prefix of every one
  std::optional<std::string> found;
  if (!store.HashAt(expected.head.seq, &found, error)) return false;
  if (found && found->rfind(expected.head.hash, 0) == 0) return true;
  *rollback = Rollback{expected, found, where};
  return true;
}

bool CheckWitness(HistoryStore& store, const WitnessBook& book, std::optional<Rollback>* rollback, std::string* error) {
  rollback->reset();
  const std::optional<SeenHead> seen = book.Remembered(WitnessKey(store.location()));
  if (!seen) return true;
  return HoldsHead(store, *seen, book.Where(), rollback, error);
}

}  // namespace korvane::history
