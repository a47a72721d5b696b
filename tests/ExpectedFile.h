#pragma once

#include <QDir>
#include <QFile>
#include <QtGlobal>

// Compares a whole output with its expected file, named from tests/; a difference leaves the
// output beside the test.
inline bool sameAsExpected(const QByteArray& actual, const QString& name) {
    QFile expected(QStringLiteral(VELT_SOURCE_DIR "/tests/") + name);
    if (expected.open(QIODevice::ReadOnly) && actual == expected.readAll())
        return true;
    const QString out = QDir::current().filePath(QString(name).replace(u'/', u'_') + ".actual");
    QFile f(out);
    if (f.open(QIODevice::WriteOnly))
        f.write(actual);
    qWarning("%s differs; the output is in %s", qPrintable(name), qPrintable(out));
    return false;
}

/// A Jet file of tests/data/jet, named from there; empty when it cannot be read.
inline QByteArray jetFixture(const QString& name) {
    QFile f(QStringLiteral(VELT_JET_FIXTURES "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
