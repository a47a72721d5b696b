#pragma once

#include <QString>

class QFileDevice;
class QSqlError;

// Where a failure of the file system or of the database becomes the operator's words: messages
// are Romanian, so the system's own English texts never reach them.
namespace ErrorReason {
/// The reason for the system error number `error`.
QString ofErrno(int error);
/// Why `file` could not be opened, read or written; `writing` when it was opened to be written.
QString ofFile(const QFileDevice& file, bool writing);
/// Why a database statement or open failed.
QString ofSql(const QSqlError& error);
/// The reason of an SQLite result code.
QString ofSqliteCode(int code);
} // namespace ErrorReason
