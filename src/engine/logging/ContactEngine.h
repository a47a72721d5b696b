#pragma once

#include "logging/ContactViews.h"
#include "logging/LogStore.h"
#include "logging/Points.h"
#include "logging/QsoContact.h"
#include "refdata/CallsignDb.h"
#include "refdata/SpecialStations.h"
#include "seams/Clock.h"
#include "setup/AppState.h"

#include <QString>
#include <QStringList>
#include <array>

// Everything decided about a contact: lookup, duplicate, multiplier, points, logging, totals.
// The QSO screen fills `contact()` from its fields, calls the procedures and shows the results.
class ContactEngine {
public:
    ContactEngine(AppState& app, Database& logDb, Database& callDb, const SpecialStations& specials,
                  const Clock& clock);

    QsoContact& contact() { return m_contact; }
    const ScoreLabels& labels() const { return m_labels; }
    /// The code the station sent last, as the screen's sent-code label shows it.
    void setSentCode(const QString& code) { m_labels.LblContrInit = code; }
    /// Callsign + " " + sent text of the last contact logged.
    QString lastLogged() const { return m_lastLogged; }

    /// `IndicInfo`: looks the callsign up, fills the exchange and the points preview.
    LookupView IndicInfo();
    /// `IndicInfoDubl`: the duplicate check of the current stage, then the multiplier check.
    DupeView IndicInfoDubl();
    /// `IndicMult`: the multiplier check of the current stage; true when `LblNeu` shows.
    bool IndicMult();
    /// `MultiplDA`: declares the contact in hand a new multiplier.
    void MultiplDA();
    /// The received county changed: it is taken and the points are computed again.
    QString countyChanged(const QString& county);
    /// The received code changed; true when it marks a new station ("YL") and `LblNeu` shows.
    bool codeChanged(const QString& code);
    /// `list1_Click`: takes the chosen entry; the county text and whether `CmdEnterCall` is
    /// enabled.
    std::pair<QString, bool> list1_Click(const QString& entry);
    /// `IndicSpec`: the club word for a first letter typed while the error box shows, or `text`.
    /// After a replacement the screen hands the word to `countyChanged` and runs `IndicMult`.
    QString IndicSpec(const QString& text, bool errorBoxVisible) const;
    /// `MsgRoth`: blocks the contact with the station itself; the message and its title.
    std::pair<QString, QString> MsgRoth();
    /// `ClcPct`: the points preview of the contact in hand.
    QString ClcPct();
    /// `VerifLog`: the first entry field that is too short, or empty when the data are complete.
    QString VerifLog() const;
    /// `Enter`: logs the contact in hand.
    EnterResult Enter();
    /// `Anulat`: clears the entry for the next contact.
    void Anulat();
    /// `YOIN`: the callsign field's text for the next contact (the focus follows `log.yoinFocus`).
    QString YOIN();
    /// `ScrMyDat`: the station's own data; also sets the code it sends.
    MyDataView ScrMyDat();
    /// `Init`: chooses stage 1..4; the palette colours of `Lbl1A`..`Lbl2B`.
    std::array<int, 4> Init(int stage);
    /// `TabMult`: the county board and contact counter of `stage` from the log.
    BoardView TabMult(int stage);
    /// `Summe`: recounts the four stages from the log into the totals; false when it failed.
    bool Summe();
    /// `Frame5`: the results table, the current stage first.
    std::array<ResultRow, 4> Frame5() const;
    /// `ViewLogB`: the grid's query for the current stage.
    SqlQuery ViewLogB() const { return LogStore::ViewLogB(m_app.stage); }
    /// The grid's query while a callsign is typed.
    static SqlQuery partialSearch(const QString& beginning) {
        return LogStore::partialSearch(beginning);
    }

    /// `CitQsoLog`: takes the last contact stored (any stage) out of the log into the contact in
    /// hand; the row taken, or nothing when the log is empty or the delete failed.
    std::optional<LogRow> CitQsoLog();
    /// Puts a contact taken out by `CitQsoLog` back into the log as it was.
    bool restore(const LogRow& row);
    /// `Sterge`: deletes the contact with `ID` `id`; false when it failed.
    bool Sterge(qint64 id) { return m_log.remove(id); }
    /// `MaxRap`: the sent code that follows the last contact logged (any mode).
    QString MaxRap();

    /// `SentRcvd`: the sent and received texts of the contact in hand.
    std::pair<QString, QString> SentRcvd() const;
    /// `CalcOraData`: the UTC date "dd.mm.yy" and time "hh:mm" of the local time `now`.
    static std::pair<QString, QString> CalcOraData(const QDateTime& now, int utcOffset);
    /// The serial code after `code`: "001".."009", "010".."099", then unpadded.
    static QString nextSerial(const QString& code);

private:
    const ContestDef& def() const { return m_app.contest(); }
    StationContext station() const;
    bool isDupe(const QString& call, int stage);
    void notMult();
    QString lookupCounty(const QString& call, bool& found);
    /// `Fgrs` (Ardel) and `IndicConc25` (CpTimis): a club-list station gets the club word.
    QString Fgrs(const QString& call, const QString& county);
    bool learn(const QString& call, const QString& county);
    LogRow ScrieTab();

    AppState& m_app;
    LogStore m_log;
    CallsignDb m_calls;
    const SpecialStations& m_specials;
    const Clock& m_clock;
    QsoContact m_contact;
    ScoreLabels m_labels;
    QString m_lastLogged;
};
