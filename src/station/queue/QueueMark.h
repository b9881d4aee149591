#pragma once
// What the queue has put on disk, kept beside queue.db in queue.mark, outside SQLite's
// files: a write-ahead log cut short or damaged after a crash takes the queue's last
// commits with it, silently, and only a record outside it can tell how many samples
// went. After every commit the mark holds the first unacknowledged sequence number, the
// end and the number of rows between (synced to disk at most once a second, with the
// checkpoint); after appends and acknowledgements the end of what was appended and the
// acknowledged head (written, not synced: a kill -9 keeps them, a power cut may not).
// 64 bytes, little-endian, each part with its CRC-32.
#include <cstdint>
#include <optional>
#include <string>

namespace korvane::station {

struct CommittedMark {
  std::int64_t head = 0;  // the first unacknowledged sequence number at the commit
  std::int64_t end = 0;   // after the last committed row
  std::int64_t rows = 0;  // rows on disk in [head, end)
};

class QueueMark {
 public:
  QueueMark() = default;
  ~QueueMark();
  QueueMark(const QueueMark&) = delete;
  QueueMark& operator=(const QueueMark&) = delete;

  // Opens (or makes) the file and reads what it holds. False with *why when it cannot
  // be used; the queue then works without it.
  bool Open(const std::string& path, std::string* why);
  void Close();

  // What the file held when it was opened, each part only where its checksum matches.
  const std::optional<CommittedMark>& committed() const { return committed_; }
  std::optional<std::int64_t> appendedEnd() const { return appendedEnd_; }
  std::optional<std::int64_t> releasedHead() const { return releasedHead_; }

  // False when the write (or the sync) failed.
  bool Committed(const CommittedMark& mark, bool sync);
  bool Progress(std::int64_t appendedEnd, std::int64_t releasedHead);

 private:
  int fd_ = -1;
  std::optional<CommittedMark> committed_;
  std::optional<std::int64_t> appendedEnd_;
  std::optional<std::int64_t> releasedHead_;
};

}  // namespace korvane::station
