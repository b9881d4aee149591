#include "station/queue/SampleQueue.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/SafeFile.h"
#include "station/log/StationLog.h"

namespace korvane::station {
namespace {

constexpr const char* kSuffix = ".queue";

std::optional<std::uint64_t> SegmentSeq(const std::string& name) {
  if (name.size() != 16 + std::strlen(kSuffix) || name.compare(16, std::string::npos, kSuffix) != 0)
    return std::nullopt;
  std::uint64_t seq = 0;
  for (int i = 0; i < 16; ++i) {
    const char c = name[static_cast<std::size_t>(i)];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return std::nullopt;
    seq = seq * 16 + static_cast<std::uint64_t>(digit);
  }
  return seq;
}

std::int64_t SegmentBytes(const QueueLimits& limits) {
  if (limits.segmentBytes > 0) return limits.segmentBytes;
  return std::clamp<std::int64_t>(limits.maxBytes / 16, 4 << 10, 8 << 20);
}

}  // namespace

SampleQueue::~SampleQueue() { Close(); }

void SampleQueue::Close() {
  std::string ignored;
  Sync(&ignored);
  segments_.clear();
  memory_.clear();
  memoryBytes_ = 0;
  diskBytes_ = 0;
  if (lockFd_ >= 0) ::close(lockFd_);
  lockFd_ = -1;
}

std::string SampleQueue::SegmentPath(std::uint64_t firstSeq) const {
  char name[32];
  std::snprintf(name, sizeof name, "%016" PRIx64 "%s", firstSeq, kSuffix);
  return folder_ + "/" + name;
}

bool SampleQueue::Open(const std::string& folder, const QueueLimits& limits, OpenReport* report, std::string* error) {
  folder_ = folder;
  limits_ = limits;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    *error = folder + ": " + ec.message();
    return false;
  }
  lockFd_ = ::open((folder + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd_ < 0) {
    *error = folder + "/lock: " + std::strerror(errno);
    return false;
  }
  if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    *error = folder + " is in use by another station";
    return false;
  }
  if (const auto text = platform::ReadWholeFile(folder + "/head")) head_ = std::strtoull(text->c_str(), nullptr, 10);

  std::vector<std::uint64_t> seqs;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (const auto seq = SegmentSeq(entry.path().filename().string())) seqs.push_back(*seq);
  if (ec) {
    *error = folder + ": " + ec.message();
    return false;
  }
  std::sort(seqs.begin(), seqs.end());
  *report = {};
  nextSeq_ = head_;
  for (const std::uint64_t seq : seqs) {
    std::uint64_t torn = 0;
    auto segment = QueueSegment::Open(SegmentPath(seq), seq, error, &torn);
    if (!segment) return false;
    report->tornBytes += torn;
    if (segment->count() == 0 || segment->lastSeq() < head_) {
      segment->Remove();  // empty, or acknowledged before the stop
      continue;
    }
    nextSeq_ = std::max(nextSeq_, segment->lastSeq() + 1);
    diskBytes_ += static_cast<std::int64_t>(segment->bytes());
    segments_.push_back(std::move(segment));
  }
  report->records = Pending();
  Rewind();
  return true;
}

SampleQueue::AppendResult SampleQueue::Append(std::string_view payload) {
  AppendResult result;
  result.seq = nextSeq_++;
  // Records waiting in memory go to disk first, so the files keep the order.
  while (!memory_.empty() && AppendToDisk(memory_.front().seq, memory_.front().payload, result)) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().payload.size());
    memory_.pop_front();
  }
  if (memory_.empty() && AppendToDisk(result.seq, payload, result)) return result;
  result.onDisk = false;
  memory_.push_back({result.seq, std::string(payload)});
  memoryBytes_ += static_cast<std::int64_t>(payload.size());
  while (memoryBytes_ > limits_.memoryBytes && memory_.size() > 1) {
    if (memory_.front().seq >= head_) ++result.dropped;
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().payload.size());
    memory_.pop_front();
  }
  return result;
}

bool SampleQueue::AppendToDisk(std::uint64_t seq, std::string_view payload, AppendResult& result) {
  const auto size = static_cast<std::int64_t>(kRecordHeaderBytes + payload.size());
  const bool roll =
      segments_.empty() || (segments_.back()->count() > 0 &&
                            static_cast<std::int64_t>(segments_.back()->bytes()) + size > SegmentBytes(limits_));
  while (diskBytes_ + size > limits_.maxBytes && segments_.size() > (roll ? 0u : 1u))
    result.dropped += DropOldestSegment();
  if (roll) {
    std::uint64_t torn = 0;
    auto segment = QueueSegment::Open(SegmentPath(seq), seq, &result.diskError, &torn);
    if (!segment) return false;
    segments_.push_back(std::move(segment));
  }
  QueueSegment& last = *segments_.back();
  const auto before = static_cast<std::int64_t>(last.bytes());
  if (!last.Append(seq, payload, &result.diskError)) {
    if (last.count() == 0) {
      last.Remove();
      segments_.pop_back();
    }
    return false;
  }
  diskBytes_ += static_cast<std::int64_t>(last.bytes()) - before;
  return true;
}

std::uint64_t SampleQueue::DropOldestSegment() {
  QueueSegment& oldest = *segments_.front();
  std::uint64_t unacknowledged = 0;
  if (oldest.count() > 0 && oldest.lastSeq() >= head_)
    unacknowledged = oldest.lastSeq() + 1 - std::max(head_, oldest.firstSeq());
  if (oldest.count() > 0) {
    head_ = std::max(head_, oldest.lastSeq() + 1);
    headDirty_ = true;
  }
  diskBytes_ -= static_cast<std::int64_t>(oldest.bytes());
  oldest.Remove();
  segments_.pop_front();
  reader_.nextSeq = std::max(reader_.nextSeq, head_);
  return unacknowledged;
}

QueueSegment* SampleQueue::FindSegment(std::uint64_t firstSeq) const {
  for (const auto& s : segments_)
    if (s->firstSeq() == firstSeq) return s.get();
  return nullptr;
}

std::optional<QueuedRecord> SampleQueue::Next() {
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    QueueSegment& segment = *segments_[i];
    if (segment.count() == 0 || segment.lastSeq() < reader_.nextSeq) continue;
    if (segment.firstSeq() != reader_.segment) reader_ = {segment.firstSeq(), 0, reader_.nextSeq};
    while (reader_.offset < segment.bytes()) {
      // Acknowledged records before the reader are passed by their headers.
      const auto header = segment.ReadAt(reader_.offset, false);
      if (header && header->seq < reader_.nextSeq) {
        reader_.offset = header->next;
        continue;
      }
      auto record = header ? segment.ReadAt(reader_.offset, true) : std::nullopt;
      if (!record) break;  // damaged since it was written: the rest of this segment is lost
      reader_.offset = record->next;
      reader_.nextSeq = record->seq + 1;
      return QueuedRecord{record->seq, std::move(record->payload)};
    }
    reader_.nextSeq = std::max(reader_.nextSeq, segment.lastSeq() + 1);
  }
  for (const QueuedRecord& record : memory_) {
    if (record.seq < reader_.nextSeq) continue;
    reader_.nextSeq = record.seq + 1;
    return record;
  }
  return std::nullopt;
}

void SampleQueue::Rewind() { reader_ = {~std::uint64_t{0}, 0, head_}; }

void SampleQueue::Release(std::uint64_t seq) {
  if (seq <= head_) return;
  head_ = std::min(seq, nextSeq_);
  headDirty_ = true;
  while (!memory_.empty() && memory_.front().seq < head_) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().payload.size());
    memory_.pop_front();
  }
  RemoveReleasedSegments();
}

void SampleQueue::RemoveReleasedSegments() {
  // The last segment stays for appending, even when all of it is acknowledged.
  while (segments_.size() > 1 && segments_.front()->lastSeq() < head_) {
    diskBytes_ -= static_cast<std::int64_t>(segments_.front()->bytes());
    segments_.front()->Remove();
    segments_.pop_front();
  }
}

bool SampleQueue::Sync(std::string* error) {
  bool ok = true;
  for (auto& segment : segments_) ok = segment->Sync(error) && ok;
  if (headDirty_ && !folder_.empty()) {
    if (platform::SaveFileReplacing(folder_ + "/head", std::to_string(head_) + "\n", error, kLogLanguage))
      headDirty_ = false;
    else
      ok = false;
  }
  return ok;
}

}  // namespace korvane::station
