#pragma once
// How the queue keeps a sample in its table: one row with its sequence number, time,
// address, the JSON compressed behind its length, and a CRC-32 over the JSON, the
// address and the time, checked before the sample is sent.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QVariant>

#include "store/Database.h"

class QSqlQuery;

namespace korvane::station {

struct QueuedSample {
  std::int64_t seq = 0;     // the order of the appends
  std::int64_t timeMs = 0;  // the sample's time, ms since 1970 UTC
  std::uint8_t address = 0;
  std::string json;
};

std::vector<store::Migration> QueueMigrations();

// The JSON's length (4 bytes, big-endian) and its zlib stream.
QByteArray PackJson(const std::string& json);
// Nothing when the stored bytes do not unpack to the length they give.
std::optional<std::string> UnpackJson(const QByteArray& stored);
std::uint32_t SampleChecksum(const QueuedSample& sample);

// What a row costs on disk beside its payload, roughly: the queue's bound counts it.
inline constexpr std::int64_t kRowOverhead = 40;
inline std::int64_t RowBytes(const QByteArray& stored) { return stored.size() + kRowOverhead; }

// A sequence number or time bound to a statement.
QVariant SqlInteger(std::int64_t n);

// The columns every read of rows selects, in this order.
inline constexpr const char* kSelectRows = "SELECT seq, time, address, payload, checksum FROM samples";
// Prepares q for InsertRow.
bool PrepareInsert(QSqlQuery& q);
bool InsertRow(QSqlQuery& q, const QueuedSample& sample, const QByteArray& stored);

// The row q stands on (columns of kSelectRows): the sample with its stored payload, or
// nothing in sample when the payload does not unpack or the checksum does not match.
struct ReadRow {
  std::int64_t seq = 0;
  std::optional<QueuedSample> sample;
  QByteArray stored;
};
ReadRow ReadRowOf(const QSqlQuery& q);

}  // namespace korvane::station
