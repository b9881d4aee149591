#pragma once
// What can still be read of a damaged queue table, in order. A walk over the whole table
// comes first: it follows the pages as they are linked, so a damaged key cannot mislead
// it as it would a search. Where a page cannot be read, the next readable row is found
// by searching further and further ahead (then halving back), so that a damaged page
// costs only its own rows. A row whose key is out of order with its neighbours (a
// damaged sequence number) is put into the gap the order leaves for it; a row whose
// checksum fails is never taken.
#include <cstdint>
#include <functional>

#include <QSqlDatabase>

#include "station/queue/SampleRows.h"

namespace korvane::station {

struct SalvageCount {
  std::uint64_t taken = 0;
  std::uint64_t damaged = 0;     // rows read whose checksum fails
  std::uint64_t reordered = 0;   // rows taken under the sequence number the order gave them
  std::uint64_t unreadable = 0;  // searches that met a page that cannot be read
};

// Every sample with a sequence number in [from, end), once each and in order, to take
// (false from take stops the salvage).
SalvageCount SalvageRows(const QSqlDatabase& source, std::int64_t from, std::int64_t end,
                         const std::function<bool(const QueuedSample&, const QByteArray& stored)>& take);

}  // namespace korvane::station
