#include "station/queue/QueuePages.h"

#include <QFile>

#include <optional>

namespace korvane::station {
namespace {

constexpr unsigned char kTableLeaf = 0x0D;
constexpr int kDefaultPageSize = 4096;
constexpr qint64 kMaxFile = qint64{1} << 31;  // what is read at once; the queue's bound keeps far below

std::uint64_t BigEndian(const unsigned char* at, int n) {
  std::uint64_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | at[i];
  return v;
}

bool PlausiblePageSize(std::uint64_t size) { return size >= 512 && size <= 65536 && (size & (size - 1)) == 0; }

// SQLite's varint at p (at most 9 bytes, not beyond end); false when it runs out.
bool Varint(const unsigned char*& p, const unsigned char* end, std::uint64_t* value) {
  std::uint64_t v = 0;
  for (int i = 0; i < 9; ++i) {
    if (p >= end) return false;
    const unsigned char c = *p++;
    if (i == 8) {
      *value = v << 8 | c;
      return true;
    }
    v = v << 7 | (c & 0x7F);
    if (!(c & 0x80)) {
      *value = v;
      return true;
    }
  }
  return false;
}

// A column of the record by its serial type: integers (types 1..6, 8, 9) and blobs.
struct Column {
  std::uint64_t type = 0;
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

std::size_t ColumnSize(std::uint64_t type) {
  static constexpr std::size_t kIntegerSizes[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
  if (type < 10) return kIntegerSizes[type];
  return type >= 12 ? static_cast<std::size_t>((type - 12) / 2) : 0;
}

std::optional<std::int64_t> Integer(const Column& c) {
  if (c.type == 8) return 0;
  if (c.type == 9) return 1;
  if (c.type < 1 || c.type > 6) return std::nullopt;
  std::uint64_t v = BigEndian(c.data, static_cast<int>(c.size));
  const int bits = static_cast<int>(c.size) * 8;
  if (bits < 64 && (v >> (bits - 1)) & 1) v |= ~std::uint64_t{0} << bits;  // the sign
  return static_cast<std::int64_t>(v);
}

// One cell of a table leaf: the rowid and the five columns of a samples row, whole
// inside the page (a row spilling into overflow pages is not one the queue writes).
void DecodeCell(const unsigned char* cell, const unsigned char* pageEnd, const FoundRow& found) {
  const unsigned char* p = cell;
  std::uint64_t payload = 0, rowid = 0, headerSize = 0;
  if (!Varint(p, pageEnd, &payload) || !Varint(p, pageEnd, &rowid)) return;
  const unsigned char* record = p;
  if (payload > static_cast<std::uint64_t>(pageEnd - record)) return;
  const unsigned char* recordEnd = record + payload;
  if (!Varint(p, recordEnd, &headerSize) || headerSize > payload) return;
  const unsigned char* headerEnd = record + headerSize;
  const unsigned char* body = headerEnd;
  Column columns[5];
  for (Column& c : columns) {
    if (p >= headerEnd || !Varint(p, headerEnd, &c.type) || c.type == 7 || c.type == 10 || c.type == 11) return;
    c.size = ColumnSize(c.type);
    if (c.size > static_cast<std::size_t>(recordEnd - body)) return;
    c.data = body;
    body += c.size;
  }
  // seq stands in the rowid (its column is NULL), the payload is a blob.
  if (columns[0].type != 0 || columns[3].type < 12 || columns[3].type % 2 != 0) return;
  const auto time = Integer(columns[1]), address = Integer(columns[2]), checksum = Integer(columns[4]);
  if (!time || !address || !checksum || *address < 0 || *address > 255) return;
  const QByteArray stored(reinterpret_cast<const char*>(columns[3].data), static_cast<qsizetype>(columns[3].size));
  auto json = UnpackJson(stored);
  if (!json) return;
  const QueuedSample s{static_cast<std::int64_t>(rowid), *time, static_cast<std::uint8_t>(*address), std::move(*json)};
  if (SampleChecksum(s) == static_cast<std::uint32_t>(*checksum)) found(s, stored);
}

QByteArray ReadFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFile) return {};
  return f.readAll();
}

}  // namespace

void ScanPageImages(const QByteArray& bytes, qint64 first, qint64 stride, int pageSize,
                    const std::function<bool(qint64 image)>& isPageOne, const FoundRow& found) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  for (qint64 image = first; image + pageSize <= bytes.size(); image += stride) {
    const unsigned char* page = data + image;
    const unsigned char* pageEnd = page + pageSize;
    const unsigned char* header = page + (isPageOne(image) ? 100 : 0);
    if (header[0] != kTableLeaf) continue;
    // The cell pointers: a damaged count of cells must neither hide the cells behind it
    // nor lead beyond the page, so they are read on past it while they point into it.
    const unsigned char* pointers = header + 8;
    const std::uint64_t count = BigEndian(header + 3, 2);
    const std::uint64_t most = static_cast<std::uint64_t>(pageEnd - pointers) / 2;
    for (std::uint64_t i = 0; i < most; ++i) {
      const std::uint64_t at = BigEndian(pointers + 2 * i, 2);
      const bool inPage =
          at >= static_cast<std::uint64_t>(pointers + 2 * (i + 1) - page) && at < static_cast<std::uint64_t>(pageSize);
      if (inPage)
        DecodeCell(page + at, pageEnd, found);
      else if (i >= count)
        break;
    }
  }
}

void ScanQueueFiles(const std::string& path, const FoundRow& found) {
  const QByteArray file = ReadFile(path);
  if (file.size() >= 100) {
    const auto* h = reinterpret_cast<const unsigned char*>(file.constData());
    std::uint64_t size = BigEndian(h + 16, 2);
    if (size == 1) size = 65536;
    const int pageSize = PlausiblePageSize(size) ? static_cast<int>(size) : kDefaultPageSize;
    ScanPageImages(
        file, 0, pageSize, pageSize, [](qint64 image) { return image == 0; }, found);
  }
  // Each frame of the log: 24 bytes of its own, then the page; its page number first.
  const QByteArray wal = ReadFile(path + "-wal");
  if (wal.size() >= 32) {
    const auto* h = reinterpret_cast<const unsigned char*>(wal.constData());
    const std::uint64_t size = BigEndian(h + 8, 4);
    const int pageSize = PlausiblePageSize(size) ? static_cast<int>(size) : kDefaultPageSize;
    ScanPageImages(
        wal, 32 + 24, 24 + pageSize, pageSize, [&](qint64 image) { return BigEndian(h + image - 24, 4) == 1; }, found);
  }
}

}  // namespace korvane::station
