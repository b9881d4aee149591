#pragma once
// The one serialisation of a JSON value that the history's hashes are taken over: object
// keys sorted by their UTF-8 bytes, no white space, strings in UTF-8 with only '"', '\'
// and the control characters U+0000..U+001F escaped (\" \\ \u00XX, lowercase hex),
// integral numbers of at most 2^53 as integers, other numbers as the shortest text that
// reads back as the same double, non-finite numbers as null. It depends on nothing but
// the value, so a hash made by one program version verifies in every other.
#include <QJsonObject>
#include <QJsonValue>

#include <string>

namespace korvane::history {

std::string CanonicalJson(const QJsonValue& value);
inline std::string CanonicalJson(const QJsonObject& object) { return CanonicalJson(QJsonValue(object)); }
// A UTF-8 string as CanonicalJson writes it, quotes included.
std::string CanonicalString(const std::string& utf8);

}  // namespace korvane::history
