#include "ExpectedFile.h"
#include "keyer/MorseTable.h"
#include "keyer/MorseTiming.h"
#include "refdata/CountyTables.h"
#include "setup/ContestCatalog.h"

#include <QTest>

namespace {
QString flag(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}
template <typename E> QString num(E e) {
    return QString::number(static_cast<int>(e));
}

// Every column of a contest row, derived rules included: the flags of a group run together.
QStringList columns(const ContestDef& d) {
    const ScreenShape& s = d.screen;
    const ExchangeShape& x = s.exchange;
    const LogRules& l = d.log;
    const ReportRules& r = d.report;
    QStringList c{QString::number(d.number), d.control, d.caption, d.code, d.title, d.titleReopen};
    c << "start=" + num(d.sentCode) + QString::number(d.stageCount) + flag(d.presetStage) +
             flag(d.ssbOnly) + flag(d.cabrillo) + flag(d.sentCodeIsStartNumber()) +
             flag(d.cutsSentCodeInCw()) + flag(d.continuesSerialAtStart())
      << "screen=" + QString::fromLatin1(s.prompt) + u'/' + flag(s.asksCwByPc) +
             flag(s.hidesCwTexts) + flag(s.modesAfterStage) + flag(s.enablesModes) +
             flag(s.opensReady) + flag(s.ssbChoosesStage1A) + flag(s.ssbSerialFromOne) +
             num(s.opening)
      << "fields=" +
             QStringList{x.sentCaption, x.receivedCaption, x.macroHelp, x.ownCaption,
                         x.ownMacroHelp}
                 .join(u'/') +
             u'/' + QString::number(x.sentWidth) + u'/' + QString::number(x.receivedWidth) + u'/' +
             QString::number(x.ownWidth) + u'/' + flag(x.smallFont) + flag(x.codeFields) +
             flag(x.multipliers) + flag(x.codeMacroHelp)
      << "exchange=" + num(l.exchange) + u'/' + l.exchangeWords;
    for (const DupeRule& u : l.dupe)
        c << "dupe=" + flag(u.modeAware) + flag(u.otherModeFree) + QString::number(u.waitMinutes) +
                 flag(u.otherModeAlwaysNew) + flag(u.dupeMarksOtherMode);
    c << "special=" + QString::fromLatin1(l.special.candidates) + u'/' + flag(l.special.always) +
             flag(l.special.specialStation) + QString::number(l.special.lastStage)
      << "mult=" + flag(l.aaMultFirstStage) + flag(l.multByQuery) + flag(l.ownCountyNoMult) +
             flag(l.elvMult) + u'/' + l.ylCode
      << "points=" + num(l.points) + u'/' + QString::number(l.cw) + u'/' + QString::number(l.ssb) +
             u'/' + l.classWords + u'/' + flag(l.cwDoubles) + num(l.classPoints) +
             num(l.pointsOverride) + flag(l.clubWordShortcuts)
      << "next=" + num(l.nextCode) + num(l.lookup) + u'/' + l.boardClub + u'/' + flag(l.aaOnBoard) +
             flag(l.yoPrefill) + flag(l.yoinFocus) + u'/' + l.stationLists + u'/' + l.clubWord +
             u'/' + l.clubHomeCounty
      << "report=" + QStringList{r.cabrilloName, r.summaryTitle, r.printTitle}.join(u'/') +
             num(r.claim) + num(r.summary) + flag(r.summaryHeading) + num(r.printed) + u'/' +
             QString::number(r.bandMeters) + flag(r.multipliers);
    return c;
}
} // namespace

// Each table the program keeps, compared once and whole with its expected file.
class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void contestCatalogue() {
        QString out;
        for (const ContestDef& d : ContestCatalog::all())
            out += columns(d).join(u'|') + u'\n';
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/contests.txt"));
    }

    void countyLists() {
        QString out = "counties " + CountyTables::counties().join(u' ') + "\nzodiac " +
                      CountyTables::zodiac().join(u' ') + "\nmoldova " +
                      CountyTables::moldovaRegion().join(u' ') + u'\n';
        QStringList calls{"DL5ABC", "YO"};
        for (const char* prefix : {"YO", "YR", "YQ", "YP", "ER"})
            for (int area = 0; area <= 9; ++area)
                calls << prefix + QString::number(area) + "ABC";
        for (const QString& call : calls)
            out += call + u' ' + CountyTables::countyChoices(call).join(u',') + u'\n';
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/counties.txt"));
    }

    // The code of each character, and "ET" keyed at 30 wpm in each weight.
    void morse() {
        QString out;
        for (const MorseEntry& e : MorseTable::entries())
            out += QString(QLatin1Char(e.character)) + u' ' + e.pattern + u'\n';
        for (CwWeight w : {CwWeight::Even, CwWeight::Heavy, CwWeight::Heavier}) {
            for (const KeyStep& s : MorseTiming::steps("ET", 30, w).steps)
                out += (s.keyDown ? u'+' : u'-') + QString::number(s.ms) + u' ';
            out += u'\n';
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/morse.txt"));
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "TablesTest.moc"
