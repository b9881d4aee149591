#include "station/queue/EarlierQueue.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <zlib.h>

#include "platform/SafeFile.h"

namespace korvane::station {
namespace {

constexpr std::size_t kHeaderBytes = 16;
constexpr std::uint32_t kMaxPayload = 1u << 20;
// How far past a damaged record the next sequence number may be and still be taken as
// the one that follows.
constexpr std::uint64_t kMaxSkip = 1u << 16;

std::uint64_t Le(const std::string& bytes, std::size_t at, int count) {
  std::uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

bool IsSegmentName(const std::string& name) {
  return name.size() == 22 && name.compare(16, 6, ".queue") == 0 &&
         std::all_of(name.begin(), name.begin() + 16,
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

struct Record {
  std::uint64_t seq = 0;
  std::size_t next = 0;
  std::string_view payload;
};

// The whole, intact record at offset whose sequence number is expected or a little
// beyond, if there is one. The checksum is the last thing looked at, so that a search
// through damaged bytes stays cheap.
std::optional<Record> RecordAt(const std::string& bytes, std::size_t offset, std::uint64_t expected) {
  if (offset + kHeaderBytes > bytes.size()) return std::nullopt;
  const auto length = static_cast<std::uint32_t>(Le(bytes, offset, 4));
  const std::uint64_t seq = Le(bytes, offset + 8, 8);
  if (length > kMaxPayload || offset + kHeaderBytes + length > bytes.size() || seq < expected ||
      seq - expected > kMaxSkip)
    return std::nullopt;
  Record r{seq, offset + kHeaderBytes + length, std::string_view(bytes).substr(offset + kHeaderBytes, length)};
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(bytes.data() + offset + 8), 8);
  crc = crc32(crc, reinterpret_cast<const Bytef*>(r.payload.data()), static_cast<uInt>(r.payload.size()));
  if (static_cast<std::uint32_t>(crc) != static_cast<std::uint32_t>(Le(bytes, offset + 4, 4))) return std::nullopt;
  return r;
}

}  // namespace

EarlierQueue FindEarlierQueue(const std::string& folder) {
  EarlierQueue q;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (IsSegmentName(name)) q.segments.push_back(entry.path().string());
  }
  if (q.segments.empty()) return q;
  std::sort(q.segments.begin(), q.segments.end());
  q.files = q.segments;
  for (const char* name : {"/head", "/lock"})
    if (std::filesystem::exists(folder + name, ec)) q.files.push_back(folder + name);
  if (const auto text = platform::ReadWholeFile(folder + "/head")) q.head = std::strtoull(text->c_str(), nullptr, 10);
  return q;
}

std::vector<EarlierSample> ReadEarlierSegment(const std::string& path, std::uint64_t head, std::uint64_t* damaged) {
  std::vector<EarlierSample> samples;
  const auto bytes = platform::ReadWholeFile(path);
  if (!bytes) return samples;
  // The file is named for the sequence number of its first record.
  std::uint64_t expected =
      std::strtoull(std::filesystem::path(path).filename().string().substr(0, 16).c_str(), nullptr, 16);
  std::size_t offset = 0;
  while (offset + kHeaderBytes <= bytes->size()) {
    const auto record = RecordAt(*bytes, offset, expected);
    if (!record) {
      ++offset;  // damaged: the next whole record is looked for byte by byte
      continue;
    }
    const std::uint64_t lostFrom = std::max(expected, head);
    if (record->seq > lostFrom) *damaged += record->seq - lostFrom;
    expected = record->seq + 1;
    offset = record->next;
    if (record->seq < head || record->payload.size() < 2) continue;
    EarlierSample s;
    s.address = static_cast<std::uint8_t>(record->payload.front());
    s.json = std::string(record->payload.substr(1));
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(s.json)).object();
    s.timeMs = QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch();
    samples.push_back(std::move(s));
  }
  return samples;
}

}  // namespace korvane::station
