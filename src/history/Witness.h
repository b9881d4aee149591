#pragma once
// The end of a history, anchored outside it. The chain tells an event changed, removed or
// moved in the middle, but not that the newest ones were removed or the chain written
// anew after some event. So every program remembers, per history, the last head it saw
// or wrote (the last event's sequence number and hash) in its own state, and a history
// that no longer holds that head is "rolled back or rewritten". A head printed on a
// report or published elsewhere is checked the same way.
#include <cstdint>
#include <optional>
#include <string>

#include "history/Event.h"
#include "store/Database.h"

namespace korvane::history {

class HistoryStore;

// The last event of a chain: its place and its hash (kNoPredecessor for no events).
struct Head {
  std::int64_t seq = 0;
  std::string hash = kNoPredecessor;
};

// "SEQ:HASH" with the full hash, as `history head` prints it.
std::string HeadText(const Head& head);
// The first 12 hex digits, as the report's chain line prints a hash.
std::string ShortHash(const std::string& hash);
// "SEQ:HASH" with at least 12 hex digits of the hash (the short form of a report, or all
// 64); nothing for anything else.
std::optional<Head> ParseHead(const std::string& text);

// A head as a program saw it: when, and which program.
struct SeenHead {
  Head head;
  std::int64_t seenMs = 0;  // UTC
  std::string program;      // "korvane-cli 1.0.0"
};

// Where a program keeps the heads it saw, one per history (desktop and command line:
// korvane.conf). Remember replaces what was kept for that history.
class WitnessBook {
 public:
  virtual ~WitnessBook() = default;
  virtual std::optional<SeenHead> Remembered(const std::string& history) const = 0;
  virtual bool Remember(const std::string& history, const SeenHead& seen, std::string* error) = 0;
  // For messages: where the heads are kept ("/home/anna/.config/Korvane/korvane.conf").
  virtual std::string Where() const = 0;
};

// The name a history is remembered by: its file's absolute path, or the PostgreSQL
// database without the user (every role sees the same history).
std::string WitnessKey(const store::Location& location);

// A history that does not hold a head it should.
struct Rollback {
  SeenHead expected;
  std::optional<std::string> found;  // the hash at its place; none: no event there
  std::string where;                 // where the head was kept, or "--head"
};

// Whether store holds expected (the event at its place with its hash; a short hash
// matches as a prefix). False when the store could not be read.
bool HoldsHead(HistoryStore& store, const SeenHead& expected, const std::string& where,
               std::optional<Rollback>* rollback, std::string* error);

// The history's head checked against what book remembers of it. Nothing remembered, or
// the head still there: none.
bool CheckWitness(HistoryStore& store, const WitnessBook& book, std::optional<Rollback>* rollback, std::string* error);

}  // namespace korvane::history
