#pragma once
// What a failed statement means to a caller that must go on: the disk refused a write
// (full, a size limit, read-only, an I/O error), the file is damaged, or another
// connection holds it. SQLite's result codes; anything else, and PostgreSQL, is kOther.
#include <QSqlError>

#include <string>

namespace korvane::store {

enum class SqlTrouble { kOther, kDiskRefused, kDamaged, kBusy };

SqlTrouble TroubleOf(const QSqlError& error);

// The driver's and the database's texts of error, in one line.
std::string ErrorText(const QSqlError& error);

}  // namespace korvane::store
