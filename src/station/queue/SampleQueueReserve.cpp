// The queue's reserve on disk: made and topped up while the disk has room, used when
// it has none (QueueReserve.h).
#include <algorithm>

#include "platform/NumberText.h"
#include "station/log/StationLog.h"
#include "station/queue/QueueReserve.h"
#include "station/queue/SampleQueue.h"

namespace korvane::station {
namespace {

double InMegabytes(std::int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

}  // namespace

std::int64_t SampleQueue::BatchLimit() const { return std::min(limits_.batchBytes, limits_.maxBytes / 4); }

std::int64_t SampleQueue::TightRoom() const { return 2 * BatchLimit() + 2 * limits_.reserveStep; }

bool SampleQueue::UseReserve() {
  const std::int64_t freed = ReleaseReserve(db_.handle(), BatchLimit() + BatchLimit() / 2);
  if (freed <= 0) return false;
  reserveHeld_ = std::max<std::int64_t>(0, ReserveSize(db_.handle()));
  // The pages just freed are still there for the samples: they count as left.
  if (!reserveInUse_)
    log_.Warning(platform::StringPrintf(
        "queue: the disk has no room left: samples go into the queue's reserve on it (%.1f MB of %.4g MB left)",
        InMegabytes(reserveHeld_ + freed), InMegabytes(limits_.reserveBytes)));
  reserveInUse_ = true;
  return true;
}

void SampleQueue::TopUpReserve(bool whole) {
  if (!db_.isOpen() || refused_ || limits_.reserveBytes <= 0) return;
  // The fillers change only here and in UseReserve: a whole reserve needs no look.
  if (!whole && reserveHeld_ >= limits_.reserveBytes && !reserveInUse_ && !reserveShort_) return;
  reserveHeld_ = ReserveSize(db_.handle());
  if (reserveHeld_ < 0) return;
  const bool room = RoomToGrow(DatabasePath()) >= TightRoom() + limits_.reserveStep;
  std::string why;
  if (reserveHeld_ >= limits_.reserveBytes) {
    // After a start the write-ahead log is new: a filler written anew gives it its room.
    if (whole && room) RenewReserve(db_.handle(), &why);
    if (reserveInUse_ || reserveShort_)
      log_.Info(platform::StringPrintf("queue: the disk has room again; the queue's reserve of %.4g MB is whole",
                                       InMegabytes(limits_.reserveBytes)));
    reserveInUse_ = reserveShort_ = false;
    return;
  }
  // At the start larger steps, while the bus waits anyway; later one step at a Sync, so
  // that the bus poll on the same thread never waits long.
  const std::int64_t step = whole ? 4 * limits_.reserveStep : limits_.reserveStep;
  while (room && reserveHeld_ < limits_.reserveBytes) {
    if (!GrowReserve(db_.handle(), std::min(step, limits_.reserveBytes - reserveHeld_), &why)) break;
    reserveHeld_ = std::max<std::int64_t>(0, ReserveSize(db_.handle()));
    if (!whole) return;
  }
  if (reserveHeld_ < limits_.reserveBytes && !reserveShort_ && !reserveInUse_)
    log_.Warning(platform::StringPrintf(
        "queue: the disk has no room for the whole reserve of the queue (%.1f MB of %.4g MB are there%s%s): when it "
        "is full, samples wait in memory after those",
        InMegabytes(reserveHeld_), InMegabytes(limits_.reserveBytes), why.empty() ? "" : "; ", why.c_str()));
  reserveShort_ = reserveHeld_ < limits_.reserveBytes;
}

}  // namespace korvane::station
