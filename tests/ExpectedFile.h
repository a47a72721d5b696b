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

/// A table of questions and their answers, "question => answer" a line, "#" lines comments: each
/// question answered again by `answer`, and the whole compared with the table.
template <typename Answer> bool answersAsExpected(const QString& name, Answer answer) {
    QFile table(QStringLiteral(VELT_SOURCE_DIR "/tests/") + name);
    if (!table.open(QIODevice::ReadOnly))
        return false;
    QString out;
    for (const QString& line :
         QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString question = line.section(QStringLiteral(" => "), 0, 0);
        out +=
            (line.startsWith(u'#') ? line : question + QStringLiteral(" => ") + answer(question)) +
            u'\n';
    }
    return sameAsExpected(out.toUtf8(), name);
}

/// A Jet file of tests/data/jet, named from there; empty when it cannot be read.
inline QByteArray jetFixture(const QString& name) {
    QFile f(QStringLiteral(VELT_JET_FIXTURES "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
