#include "history/CanonicalJson.h"

#include <QJsonArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane::history {
namespace {

void Utf8String(std::string& out, std::string_view utf8) {
  out += '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

void String(std::string& out, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  Utf8String(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void Number(std::string& out, double v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  constexpr double kExact = 9007199254740992.0;  // 2^53
  char buffer[32];
  if (v == std::trunc(v) && std::fabs(v) <= kExact) {
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(v));
    out.append(buffer, r.ptr);
    return;
  }
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, r.ptr);
}

void Value(std::string& out, const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: out += "null"; return;
    case QJsonValue::Bool: out += v.toBool() ? "true" : "false"; return;
    case QJsonValue::Double: Number(out, v.toDouble()); return;
    case QJsonValue::String: String(out, v.toString()); return;
    case QJsonValue::Array: {
      out += '[';
      bool first = true;
      for (const QJsonValue& item : v.toArray()) {
        if (!first) out += ',';
        first = false;
        Value(out, item);
      }
      out += ']';
      return;
    }
    case QJsonValue::Object: {
      const QJsonObject o = v.toObject();
      std::vector<std::pair<QByteArray, QString>> keys;
      keys.reserve(static_cast<std::size_t>(o.size()));
      for (auto it = o.begin(); it != o.end(); ++it) keys.emplace_back(it.key().toUtf8(), it.key());
      std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
      out += '{';
      bool first = true;
      for (const auto& [utf8, key] : keys) {
        if (!first) out += ',';
        first = false;
        String(out, key);
        out += ':';
        Value(out, o.value(key));
      }
      out += '}';
      return;
    }
  }
}

}  // namespace

std::string CanonicalJson(const QJsonValue& value) {
  std::string out;
  Value(out, value);
  return out;
}

std::string CanonicalString(const std::string& utf8) {
  std::string out;
  Utf8String(out, utf8);
  return out;
}

}  // namespace korvane::history
