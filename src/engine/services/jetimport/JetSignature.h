#pragma once

#include <QByteArray>
#include <QString>

// The first bytes every Jet or ACE database starts with, so that a file can be recognised without
// a database library.
namespace JetSignature {

/// How many bytes of a file the check needs.
constexpr int kHeadSize = 21;
/// The page size of a Jet file starting with `head`, 0 when it is not one.
int pageSize(const QByteArray& head);
/// True when the file at `path` starts as a Jet database does.
bool matches(const QString& path);

} // namespace JetSignature
