#include "station/queue/SampleRows.h"

#include <QSqlQuery>
#include <QVariant>

#include <zlib.h>

namespace korvane::station {
namespace {

constexpr std::uint32_t kMaxJson = 1u << 20;

}  // namespace

QVariant SqlInteger(std::int64_t n) { return QVariant::fromValue<qlonglong>(n); }

std::vector<store::Migration> QueueMigrations() {
  return {{1,
           {"CREATE TABLE samples (seq INTEGER PRIMARY KEY, time INTEGER NOT NULL, address INTEGER NOT NULL, "
            "payload BLOB NOT NULL, checksum INTEGER NOT NULL)"},
           {}}};
}

std::uint32_t SampleChecksum(const QueuedSample& s) {
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(s.json.data()), static_cast<uInt>(s.json.size()));
  unsigned char tail[9] = {s.address};
  for (int i = 0; i < 8; ++i) tail[1 + i] = static_cast<unsigned char>(static_cast<std::uint64_t>(s.timeMs) >> (8 * i));
  return static_cast<std::uint32_t>(crc32(crc, tail, sizeof tail));
}

QByteArray PackJson(const std::string& json) {
  uLongf size = compressBound(static_cast<uLong>(json.size()));
  QByteArray out(static_cast<qsizetype>(4 + size), Qt::Uninitialized);
  const auto length = static_cast<std::uint32_t>(json.size());
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(length >> (24 - 8 * i));
  compress2(reinterpret_cast<Bytef*>(out.data() + 4), &size, reinterpret_cast<const Bytef*>(json.data()),
            static_cast<uLong>(json.size()), Z_DEFAULT_COMPRESSION);
  out.resize(static_cast<qsizetype>(4 + size));
  return out;
}

std::optional<std::string> UnpackJson(const QByteArray& stored) {
  if (stored.size() < 4) return std::nullopt;
  std::uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length = (length << 8) | static_cast<unsigned char>(stored[i]);
  if (length > kMaxJson) return std::nullopt;
  std::string json(length, '\0');
  uLongf size = length;
  if (uncompress(reinterpret_cast<Bytef*>(json.data()), &size, reinterpret_cast<const Bytef*>(stored.data() + 4),
                 static_cast<uLong>(stored.size() - 4)) != Z_OK ||
      size != length)
    return std::nullopt;
  return json;
}

bool PrepareInsert(QSqlQuery& q) {
  return q.prepare("INSERT INTO samples (seq, time, address, payload, checksum) VALUES (?, ?, ?, ?, ?)");
}

bool InsertRow(QSqlQuery& q, const QueuedSample& s, const QByteArray& stored) {
  q.bindValue(0, SqlInteger(s.seq));
  q.bindValue(1, SqlInteger(s.timeMs));
  q.bindValue(2, static_cast<int>(s.address));
  q.bindValue(3, stored);
  q.bindValue(4, SqlInteger(SampleChecksum(s)));
  return q.exec();
}

ReadRow ReadRowOf(const QSqlQuery& q) {
  ReadRow row;
  row.seq = q.value(0).toLongLong();
  row.stored = q.value(3).toByteArray();
  QueuedSample s{row.seq, q.value(1).toLongLong(), static_cast<std::uint8_t>(q.value(2).toInt()), {}};
  auto json = UnpackJson(row.stored);
  if (!json) return row;
  s.json = std::move(*json);
  if (SampleChecksum(s) == static_cast<std::uint32_t>(q.value(4).toLongLong())) row.sample = std::move(s);
  return row;
}

}  // namespace korvane::station
