#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct ContestDef;

// The special stations of the contests (they change every year), read from a text file:
// one list per line, "contest-code list-name callsign ...", "#" starts a comment, and a line
// "year yyyy" names the year the lists are for.
class SpecialStations {
public:
    /// What a read gave: the lists, and one Romanian message per line that was skipped.
    struct LoadResult;

    /// Reads the file at `path`; a missing file gives no lists and one message.
    static LoadResult load(const QString& path);
    /// Reads the text of such a file; `fileName` names it in the messages.
    static LoadResult parse(const QString& text, const QString& fileName);

    /// The callsigns of list `name` of contest `code`.
    QStringList list(const QString& code, const QString& name) const;
    /// True when `callsign` is in list `name` of contest `code`.
    bool contains(const QString& code, const QString& name, const QString& callsign) const;
    /// The one special station of contest `code` (list "special"), or empty.
    QString special(const QString& code) const;
    void set(const QString& code, const QString& name, const QStringList& calls);
    /// The year the file names; 0 when it names none.
    int year() const { return m_year; }
    /// What to tell the operator before contest `def` starts in `thisYear`: the lists it needs
    /// that the file lacks, or that the file is not of `thisYear`; empty when all is well.
    QString notice(const ContestDef& def, int thisYear) const;

private:
    QHash<QString, QStringList> m_lists; // key "code name"
    int m_year = 0;
};

struct SpecialStations::LoadResult {
    SpecialStations stations;
    QStringList messages;

    /// The one message to show for all skipped lines: their count and the first few; empty when
    /// nothing was skipped.
    QString message() const;
};
