#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The special stations of the contests (they change every year), read from a text file:
// one list per line, "contest-code list-name callsign ...", "#" starts a comment.
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

private:
    QHash<QString, QStringList> m_lists; // key "code name"
};

struct SpecialStations::LoadResult {
    SpecialStations stations;
    QStringList messages;

    /// The one message to show for all skipped lines: their count and the first few; empty when
    /// nothing was skipped.
    QString message() const;
};
