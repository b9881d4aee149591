#include "store/SqlTrouble.h"

namespace korvane::store {

SqlTrouble TroubleOf(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok) & 0xFF;  // extended codes keep the primary one in the low byte
  if (!ok) return SqlTrouble::kOther;
  switch (code) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
      return SqlTrouble::kBusy;
    case 8:   // SQLITE_READONLY
    case 10:  // SQLITE_IOERR
    case 13:  // SQLITE_FULL
      return SqlTrouble::kDiskRefused;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
      return SqlTrouble::kDamaged;
    default: return SqlTrouble::kOther;
  }
}

std::string ErrorText(const QSqlError& error) {
  QString text = error.databaseText();
  if (text.isEmpty()) text = error.driverText();
  // PostgreSQL's text ends its lines before the SQLSTATE: one line for a message.
  return text.simplified().toStdString();
}

}  // namespace korvane::store
