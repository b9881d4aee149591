#pragma once
// Rows of the queue's table read straight from the page images of its files, whatever
// the pages above them say: where SQLite cannot reach a row (a damaged interior page, a
// damaged file header, a frame of the write-ahead log after a damaged one), its leaf
// page may still hold it. A page is taken as a table leaf by its type byte; each of its
// cells is decoded as a row of the samples' table and taken only when its checksum
// matches. Freed pages hold rows that were deleted, and a page may stand in the log
// more than once: the caller takes the sequence numbers it is missing, once each.
#include <cstdint>
#include <functional>
#include <string>

#include <QByteArray>

#include "station/queue/SampleRows.h"

namespace korvane::station {

using FoundRow = std::function<void(const QueuedSample& sample, const QByteArray& stored)>;

// The rows in the page images of bytes: pages of pageSize from first on, one every
// stride bytes (a database file: first 0, stride pageSize; a write-ahead log: its
// frames), page one where onePage says so.
void ScanPageImages(const QByteArray& bytes, qint64 first, qint64 stride, int pageSize,
                    const std::function<bool(qint64 image)>& isPageOne, const FoundRow& found);

// The rows in the database file at path and in its write-ahead log (path + "-wal"),
// with the page sizes their headers give (4096 where a header is damaged).
void ScanQueueFiles(const std::string& path, const FoundRow& found);

}  // namespace korvane::station
