#include "ExpectedFile.h"
#include "ScreenHarness.h"
#include "rules/CountyTables.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QTableView>

// Every contest as its operator types it, and the sequences where the screen's states combine:
// each story is a line of key strokes and clicks on the real QSO screen, and what it leaves (the
// stored rows, the totals, the board, the messages, the focus) is compared, all stories at once,
// with tests/data/tables/stories.txt. Words of a story:
//   =text      typed into the focused field     Space Enter Tab F12 Alt+X Alt+F2 Ctrl+N  keys
//   c:C,N,J    a contact: the callsign typed after the "YO" offered, Space, the code (none when
//              empty), the county, Space where the field waits for it, Enter
//   @Box ^Box  the focus into a field, caret at its end or its text selected
//   !Name      a button clicked or a menu command triggered
//   del:CALL   the grid row of CALL deleted, the question answered Yes (del-: answered No)
//   ?Box       what the field or label shows now (a list: its lines, "/i" after one in italics,
//              and its height; a button or frame: on, off), or ?focus: the field with the focus
//   known:C=J  the callsign database knows C in county J (known:C: only its callsign list)
//   other:C    another program on the same log logs C
//   paste:text pasted into the focused field with Ctrl+V ("_" for a blank)
//   at:HH:MM   the clock at that UTC time of the contest's first day (at:+HH:MM the next day)
// The set-up column: the contest's option control, the stage and mode buttons pressed ("-"
// none), then own=J for the own county or zodiac sign, sent=N for SENT COD, off=DATE/TIME for an
// off-line log.

namespace {
struct Story {
    const char* name;
    const char* setup;
    const char* keys;
};

// clang-format off
const Story kStories[] = {
    // One to four contacts in every contest, through the fields its screen shows.
    {"CampNatUS: code passed on, 1B in SSB", "OpBCNUS Cmd1A CmdCW",
     "c:5AAA,123,CJ c:5BBB,7,CJ c:yo5AAA,124,CJ ?TxtIndic !CmdAbbruchX !Cmd1B !CmdSSB c:5AAA,125,CJ"},
    {"CampNatUS: a duplicate in either mode", "OpBCNUS Cmd1A CmdCW", "c:5AAA,1,CJ !CmdSSB at:12:35 c:5AAA,2,CJ ?Frame3"},
    {"CampNatUS: maritime is AA", "OpBCNUS Cmd2B CmdCW", "c:5MAR/MM,12, c:8SSS,13,IS"},
    {"LMAYO: NY always a multiplier", "OpbLamultiani Cmd1A -", "c:5AAA,123,NY c:5BBB,124,NY c:5CCC,125,AB"},
    {"CpBraila: BR once per mode", "OpbCupaBraila Cmd1A CmdCW", "@TxtIndic c:4AAA,123,BR c:4BBB,124,BR c:5CCC,125,CJ"},
    {"CpBraila: 1B waits 5 minutes for the other mode", "OpbCupaBraila Cmd1B CmdCW",
     "@TxtIndic c:4AAA,1,BR !CmdSSB @TxtIndic at:12:09 c:4AAA,2,BR ?Frame3 !CmdAbbruchX at:12:10 c:4AAA,3,BR"},
    {"CpCaras: names, serials padded", "OpbCaras Cmd1A CmdCW", "c:2AAA,7,ION c:2BBB,12,MARIUS"},
    {"ConcBUC: sectors, AA once", "OpbBucuresti Cmd1A CmdCW own=XA", "c:YO3AAA,1,XC c:YO3BBB,2,XA c:DL1AA,3,AA c:DL2BB,4,AA !Cmd1B c:DL3CC,5,AA"},
    {"ConcBUC: the other mode after 10 minutes", "OpbBucuresti Cmd1A CmdCW own=XA",
     "c:YO3AAA,1,XC !CmdSSB at:12:14 c:YO3AAA,2,XC ?Frame3 !CmdAbbruchX at:12:15 c:YO3AAA,3,XC"},
    {"ConcBUC: 10 minutes past midnight", "OpbBucuresti Cmd1A CmdCW own=XA",
     "at:23:58 c:YO3AAA,1,XC !CmdSSB at:+00:07 c:YO3AAA,2,XC ?Frame3 !CmdAbbruchX at:+00:08 c:YO3AAA,3,XC"},
    {"ConcBUC: off-line does not wait", "OpbBucuresti Cmd1A CmdCW own=XA off=01.03.26/12:00",
     "@TxtIndic =YO3AAA Space =01 =1 Space =XC @TxtIndic Enter !CmdSSB @TxtIndic =YO3AAA Space =02 =2 Space =XC @TxtIndic Enter"},
    {"ConcBUC: BU refused", "OpbBucuresti Cmd1A CmdSSB own=XA", "c:YO3CCC,5,BU ?focus"},
    {"CpIndep: BZ on one side, the other mode new", "OpbIndepend Cmd1A CmdSSB", "c:9AAA,1,BZ c:5BBB,2,CJ !CmdCW c:9AAA,3,BZ"},
    {"CpTeleorman: TR, no CW doubling", "OpBTeleorman Cmd1A CmdCW", "c:9AAA,1,TR c:5BBB,2,CJ @TxtIndic =5PAD Space @TxtRstR3 =CJ @TxtRSTR2 =7 Enter"},
    {"CpTransmis: T is TRS", "OpBCpTransm Cmd1A CmdCW", "=5TR1 Space =12 Space =T Space Enter c:5TR2,13,TR !CmdSSB c:5TR1,14,T"},
    {"CpTransmis: R is no county", "OpBCpTransm Cmd1A CmdCW", "=5TR3 Space =14 Space =R Space ?focus =CJ Space Enter"},
    {"CpTransmis: RVR is no county", "OpBCpTransm Cmd1A CmdCW", "=5TR4 Space =15 Space =RVR Space ?focus"},
    {"CpDimbovita: DB always", "OpbDimbovita Cmd1A CmdCW", "c:9AAA,1,DB c:9BBB,2,DB c:5CCC,3,CJ"},
    {"Cp25Oct: T is TRS, R is RVR", "OpB25Oct Cmd1A CmdCW", "=5TR1 Space =1 Space =T Space Enter =5RV1 Space =2 Space =R Enter c:2TM1,3,TM"},
    {"Cp25Oct: X refused", "OpB25Oct Cmd1A CmdCW", "=5XX1 Space =4 Space =X Enter ?focus"},
    {"CpCFR: the other mode free in 1A, waiting in 2A", "OpbFeroviar Cmd1A CmdCW",
     "c:5AAA,1,CJ !CmdSSB c:5AAA,2,CJ !Cmd2A !CmdCW c:5AAA,3,CJ !CmdSSB c:5AAA,4,CJ ?Frame3"},
    {"CpCFR: C is CF, the special station", "OpbFeroviar Cmd1A CmdCW", "=5CF1 Space =1 Space =C Space Enter c:5CJ1,2,CJ c:3CFR,3,BU !CmdSSB c:3CFR,4,BU"},
    {"Cp1Dec: the special station", "Opb1dec Cmd1A CmdCW", "c:1D,1,CJ c:5BBB,2,CJ !CmdSSB c:1D,3,CJ ?Frame3"},
    {"Tresin: DB class", "OpbTresin Cmd1A CmdSSB", "c:9AAA,1,DB c:5BBB,2,CJ"},
    {"Valdora: the event station", "OpbValdora - CmdCW", "c:YR8V,1,BT c:8BBB,2,BT c:5CCC,3,CJ"},
    {"Telecom: T is TLC", "ObBTelecom Cmd1A CmdCW", "=8TL2 Space =012 =T Space Enter"},
    {"Telecom: Enter after a whole county", "ObBTelecom Cmd1A CmdCW", "=8EN1 Space =011 =BC Enter Enter"},
    {"Telecom: TM, TL and TLC typed whole", "ObBTelecom Cmd1A CmdSSB", "c:2LLL,1,TM c:4TL1,2,TL c:2MMM,3,TLC"},
    {"CpMoldova: both sides, a Moldovan district", "OpBMoldova Cmd1A CmdCW", "c:8AAA,1,IS c:ER3AB,2,CL c:5CCC,3,CJ"},
    {"MemYO: foreign is AA", "OpbMemorialYO - CmdCW", "c:DL1AA,1, c:YO5BBB,2,CJ c:F5CC,3,"},
    {"CpTimis: the QT club, the own county", "Option1 Cmd1A CmdCW own=TM",
     "known:YO2QTA=TM known:YO2BBB=TM c:2QTA,1, c:2BBB,2, c:5CCC,3,CJ"},
    {"CpPitesti: Enter, F12 and IN LOG", "OpBCpArges Cmd1A CmdCW own=LEU",
     "=8ZZ1 Space =BER Enter =8ZZ2 Space =TAU F12 =8ZZ3 Space =GEM !CmdEnterCall !Cmd2A !CmdSSB c:8ZZ4,,LEU"},
    {"CpPitesti: no such sign", "OpBCpArges Cmd1A CmdCW own=LEU", "=8ZZ5 Space =AG ?focus"},
    {"CpElevi: young and grown", "OpBCpElevilor Cmd1B CmdCW sent=930", "c:5AAA,118,CJ c:5BBB,919,CJ c:5KAB,125,CJ"},
    {"Ardel: the club, YL", "OpBArdel Cmd1A CmdSSB sent=101",
     "known:YO6AA=BV known:YO6DD=BV c:6AA,, c:6DD,17, c:6XX,17,BV c:5XX,17,CJ c:5YL,000,CJ"},
    {"Martisor: ready at once", "OpBMartisor - - sent=105", "c:5AAA,117,CJ c:5BBB,119,CJ"},
    {"CpCarpati: always two", "OpBCarpati Cmd1A CmdCW sent=1", "c:5AAA,1,CJ c:5BBB,2,MS"},

    // An unknown callsign: the county list of its call area, a Moldovan district starred.
    {"county lists of the call areas", "OpBCNUS Cmd1A CmdCW",
     "=9xyz Space ?TxtEroare ?list1 =123 =ph ?LblNeu Enter ?LblNeu =4xyz Space ?list1 =124 =gl Enter ^TxtIndic =ER3XY Space ?list1 =125 =cl Enter"},
    // The county a known callsign brings, in contests that count sectors, zodiac signs or names.
    {"known calls: sectors", "OpbBucuresti Cmd1A CmdCW own=XA",
     "known:YO3ABD=B3 known:YO3ABE=BU =YO3ABD Space ?TxtRstR3 !CmdAbbruchX =YO3ABE Space ?TxtRstR3 "
     "!CmdAbbruchX =YO3AB Space ?TxtEroare ?list1"},
    {"known calls: sector outside a sector contest", "OpBCNUS Cmd1A CmdCW",
     "known:YO3ABD=B3 known:YR5ABC=CJ =3ABD Space ?TxtRstR3 !CmdAbbruchX ^TxtIndic =YR5ABC Space ?TxtRstR3"},
    {"known calls: zodiac signs", "OpBCpArges Cmd1A CmdCW own=LEU", "known:YO7ABC=AG =7ABC Space ?TxtRstR3"},
    {"known calls: names", "OpbCaras Cmd1A CmdCW", "=2AB Space ?TxtEroare ?list1"},
    // A recovered contact is judged again in the stage and mode it is logged in.
    {"recovery into another stage", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:3ABD,123,BU !Cmd1B c:8XYZ,045,IS !Cmd1A @TxtIndic =8QQQ Space =045 =IS ?LblMlt "
     "!CmdAbbruchX !Cmd1B !mnuRecup @TxtIndic Enter ?LblMlt"},
    {"recovery into another mode", "OpBCNUS Cmd1A CmdCW sent=312",
     "@TxtIndic =8QQQ Space =045 =IS !CmdAbbruchX !CmdSSB !mnuRecup @TxtIndic Enter"},
    {"recovered correction logged once", "OpBTeleorman Cmd1A CmdCW",
     "c:5AAA,011,CJ c:6BBB,012,MS Alt+F2 ?TxtIndic !CmdAbbruchX !mnuRecup ?TxtIndic Enter c:7CCC,013,DJ"},
    {"correction edited in place, serials untouched", "OpBTeleorman Cmd1A CmdCW",
     "c:5AAA,1,CJ c:6BBB,2,MS Alt+F2 ?TxtRSTE2 !CmdAbbruchX Alt+F2 ^TxtIndic =YO6BBC Space ^TxtRstR3 =HR Enter ?TxtRSTE2 c:7CCC,3,DJ"},
    {"correction kept in the stage of its row", "OpBCNUS Cmd1A CmdCW",
     "c:5AAA,001,CJ !Cmd1B Alt+F2 ?TxtIndic ^TxtRstR3 =MS !CmdAbbruchX !mnuRecup ?TxtRstR3 @TxtIndic Enter"},
    {"duplicate under correction", "OpBCNUS Cmd1A CmdCW",
     "c:5AAA,001,CJ c:5BBB,002,CJ Alt+F2 ^TxtIndic =YO5AAA Tab =MS ?Frame3 ?CmdEnterCall "
     "^TxtIndic =YO5BBB ?Frame3 ?CmdEnterCall Enter"},
    {"closed until stage and mode", "OpBCNUS - -", "!CmdCW ?TxtRSTE1 ?TxtIndic !Cmd1A ?focus c:5AAA,001,CJ"},
    {"Space in a short callsign is a blank", "OpBCNUS Cmd1A CmdCW", "@TxtIndic Space ?TxtIndic =5SPC Space =012 =CJ Enter"},
    // A delete leaves the fields in hand as typed and judges the contact again.
    {"delete beside a contact in hand", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:3ABD,123,BU c:8XYZ,045,IS @TxtIndic =8XY Space =077 =IS ^TxtRSTR1 =579 Space "
     "del:YO8XYZ ?TxtRSTR1 ?TxtRSTE2 @TxtIndic Enter"},
    {"delete during a correction", "ObBTelecom Cmd1A CmdCW",
     "c:5AAA,001,CJ c:5BBB,002,CJ c:5CCC,003,CJ Alt+F2 del:YO5AAA ?TxtRSTE2 @TxtIndic Enter"},
    {"delete asked first, the serial follows", "OpBTeleorman Cmd1A CmdCW",
     "c:5AAA,011,CJ c:5BBB,011,CJ c:5CCC,011,CJ del-:YO5CCC del:YO5CCC ?LblContrInit ?TxtRSTE2 c:5DDD,011,HR"},
    // The multiplier moves to the earliest contact that earns it; each stage has its own.
    {"delete of a multiplier's holder", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:8XYZ,045,IS c:8QQQ,046,IS del:YO8XYZ ?LblMlt"},
    {"each stage its own board", "OpBCNUS Cmd1A CmdCW", "c:2AAA,011,TM !Cmd1B c:5CCC,012,CJ c:5DDD,013,CJ"},
    // Whatever enabled it, Enter stores nothing that may not be stored.
    {"callsign edited into a worked one", "OpBCNUS Cmd1A CmdCW",
     "c:5AAA,011,CJ @TxtIndic =5AAB Space =012 =CJ @TxtIndic Backspace =A Enter F12 !CmdEnterCall"},
    {"stage button in the middle of a contact", "OpBCNUS Cmd1A CmdCW",
     "@TxtIndic =6BBB Space =012 =MS !Cmd1B @TxtIndic Enter F12"},
    {"own call refused, recovered, never logged", "OpBCNUS Cmd1A CmdCW",
     "@TxtIndic =3ABC Tab ?TxtIndic !mnuRecup ?TxtIndic Enter"},
    // Every way of logging checks the contact is whole; Space stays in an empty county.
    {"space in an empty county", "OpBCNUS Cmd1A CmdCW sent=312", "@TxtIndic =8kaa Space =012 Space =bc Enter"},
    {"IN LOG with no exchange", "OpBCNUS Cmd1A CmdCW sent=312", "@TxtIndic =8kaa Space !CmdEnterCall F12 ?focus"},
    {"Enter on the offered YO alone", "OpBCNUS Cmd1A CmdCW", "Enter"},
    // An Alt+key of a hidden button types nothing.
    {"Alt of a hidden stage", "ObBTelecom Cmd1A CmdCW", "@TxtIndic =5ABC Alt+2 Space =001 =CJ Space @TxtIndic Enter"},
    // Characters no callsign or exchange holds are refused as they are typed.
    {"foreign letters", "OpBCNUS Cmd1A CmdCW sent=312", "@TxtIndic =9Ж'HÎD中 Space =0x45 =I'S @TxtIndic Enter"},
    {"callsign past its longest", "OpBCNUS Cmd1A CmdCW sent=312",
     "@TxtIndic =1234567890ABCDEFGHIJ Space =045 =IS @TxtIndic Enter"},
    // A contact pushed aside by a correction or a mode is kept for REC&UP.
    {"contact pushed aside by a correction", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:3ABD,123,BU @TxtIndic =5BBB Space =011 =CJ Alt+F2 ?TxtIndic !mnuRecup @TxtIndic Enter"},
    // Off-line, the date and time typed must be whole; once they are, Enter logs from anywhere.
    {"off-line without a date", "OpBCNUS Cmd1A CmdCW sent=312 off=-/23:00",
     "@TxtIndic =8kaa Space ?TxtUTC @TxtRSTR2 =012 =IS ?focus Enter ?focus"},
    {"off-line, the time completed", "OpBCNUS Cmd1A CmdCW sent=312 off=28.02.2026/00:10",
     "@TxtIndic =8kaa Space @TxtRSTR2 =012 =IS Enter ?focus =30 ?focus Enter"},
    {"off-line, a leap day after 23:59", "OpBCNUS Cmd1A CmdCW sent=312 off=28.02.24/23:59",
     "@TxtIndic =8aaa Space ^TxtDate =290224 ^TxtUTC =0000 =012 =IS @TxtIndic Enter @TxtIndic =8bbb Space ?TxtDate ?TxtUTC"},
    {"off-line, an earlier first time", "OpBCNUS Cmd1A CmdCW sent=312 off=01.03.26/14:30",
     "@TxtIndic =8aaa Space ^TxtDate =010326 ^TxtUTC =1355 @TxtRSTR2 =012 =IS @TxtIndic Enter @TxtIndic =8bbb Space ?TxtDate ?TxtUTC"},
    {"off-line, an earlier date typed", "OpBCNUS Cmd1A CmdCW sent=312 off=01.03.26/00:10",
     "@TxtIndic =8aaa Space ^TxtDate =280226 ^TxtUTC =2359 =012 =IS @TxtIndic Enter @TxtIndic =8bbb Space ?TxtDate ?TxtUTC"},
    // Off-line past midnight: an earlier time offers the next day, which F2 corrects; the dots
    // and the colon go out with the digit before them.
    {"off-line past midnight", "OpBCNUS Cmd1A CmdCW sent=312 off=30.11.26/23:50",
     "@TxtIndic =8aaa Space =55 =012 =IS @TxtIndic Enter @TxtIndic =8bbb Space ?TxtUTC Backspace "
     "?TxtUTC Backspace =0005 ?TxtDate =013 =IS @TxtIndic Enter @TxtIndic =8ccc Space ?TxtDate "
     "?TxtUTC =07 F2 =02 ?TxtDate @TxtDate Backspace Backspace Backspace ?TxtDate =226 ?TxtDate"},
    // Paste takes what the field's own keys take.
    {"paste into the callsign", "OpBCNUS Cmd1A CmdCW sent=312",
     "^TxtIndic paste:yo8-pa_st ?TxtIndic Space paste:0x4.5 ?TxtRSTR2 =IS @TxtIndic Enter"},
    // The partial check: typed, chosen by Ctrl+number, following Backspace and the log as it
    // stands (a deleted call's mark gone, another program's call marked).
    {"partial check", "OpBCNUS Cmd1A CmdCW",
     "known:YO5AAA=CJ known:YO5ABC=CJ known:YO8XAB/P=IS known:YO5ABD ^TxtIndic =A ?PartialCheck "
     "=B ?PartialCheck Ctrl+3 ?TxtIndic ?PartialCheck ^TxtIndic =YO5ABC Space =001 =CJ Enter "
     "^TxtIndic =5A ?PartialCheck Ctrl+2 ?TxtIndic Backspace ?PartialCheck !Cmd1A del:YO5ABC other:YO5AXY "
     "^TxtIndic =5A ?PartialCheck"},
    // IN LOG only for a contact that can be logged as it stands; NOU never beside a duplicate.
    {"IN LOG after a delete beside a contact in hand", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:8NEX,123,BU @TxtIndic =8NE Space =012 del:YO8NEX ?CmdEnterCall @TxtRstR3 =IS ?CmdEnterCall"},
    {"IN LOG after REC&UP", "OpBCNUS Cmd1A CmdCW sent=312",
     "@TxtIndic =8NEW Space =012 !CmdAbbruchX !mnuRecup ?CmdEnterCall !CmdEnterCall F12"},
    {"NOU beside a duplicate", "OpBCNUS Cmd1A CmdCW sent=312",
     "c:8XYZ,045,IS @TxtIndic =8XYZ Space =046 =CJ ?Frame3 ?LblNeu"},
    // The error line names a callsign; it goes when the callsign is edited.
    {"error line after the callsign is edited", "OpBCNUS Cmd1A CmdCW sent=312",
     "@TxtIndic =8NEW Space ?TxtEroare @TxtIndic Backspace ?TxtEroare"},
    // A correction pushed aside by a mode comes back with REC&UP, not an older contact, and is
    // logged once, in place; the serial goes on from the log.
    {"mode during a correction", "OpBTeleorman Cmd1A CmdCW",
     "c:5AAA,011,CJ c:6BBB,012,MS @TxtIndic =7CCC Space !CmdAbbruchX Alt+F2 ^TxtRSTR2 =013 !CmdSSB "
     "!mnuRecup ?TxtIndic @TxtIndic Enter c:7DDD,014,DJ"},
    // The delete question names the mode of a station worked in both in one minute.
    {"delete question names the mode", "ObBTelecom Cmd1A CmdCW",
     "c:5AAA,001,CJ !CmdSSB c:5AAA,002,CJ del:YO5AAA"},
};
// clang-format on

void keyWord(ScreenHarness& h, const QString& w) {
    static const QHash<QString, Qt::Key> keys = {
        {"Space", Qt::Key_Space}, {"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
        {"F2", Qt::Key_F2},       {"F12", Qt::Key_F12},      {"Backspace", Qt::Key_Backspace}};
    if (w == QLatin1String("Alt+F2"))
        h.key(Qt::Key_F2, Qt::AltModifier);
    else if (w.startsWith(QLatin1String("Ctrl+")))
        QTest::keyClick(h.focused(), w.at(5).toLatin1(), Qt::ControlModifier);
    else if (w.startsWith(QLatin1String("Alt+")))
        QTest::keyClick(h.focused(), w.at(4).toLower().toLatin1(), Qt::AltModifier);
    else if (keys.contains(w))
        h.key(keys.value(w));
    else
        qFatal("no key %s", qPrintable(w));
}

// Typed one character at a time, letters outside Latin-1 as a keyboard layout delivers them.
void type(ScreenHarness& h, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(h.focused(), c.toLatin1());
            continue;
        }
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(h.focused(), &e);
        }
    }
}

// A contact through the keys only: Space moves on from a field the cursor has not left itself.
void contact(ScreenHarness& h, const QStringList& parts) {
    type(h, parts[0]);
    h.key(Qt::Key_Space);
    if (!parts[1].isEmpty()) {
        type(h, parts[1]);
        if (h.focused() == h.qsoBox("TxtRSTR2"))
            h.key(Qt::Key_Space);
    }
    type(h, parts[2]);
    if (h.focused() == h.qsoBox("TxtRstR3"))
        h.key(Qt::Key_Space);
    h.key(Qt::Key_Return);
}

void deleteRow(ScreenHarness& h, const QString& call, Dialogs::Answer answer) {
    auto* grid = h.find<QTableView>(h.qso.get(), "DBGrid1");
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 1).data().toString() == call) {
            grid->setFocus();
            grid->selectRow(r);
            h.dialogs.script = {answer};
            QTest::keyClick(grid, Qt::Key_Delete);
            return;
        }
    qFatal("no row %s", qPrintable(call));
}

QString shownText(ScreenHarness& h, const QString& name) {
    if (name == QLatin1String("focus"))
        return h.focused()->objectName();
    auto* w = h.find<QWidget>(h.qso.get(), name.toLatin1().constData());
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text() + (label->isVisible() ? "" : " hidden");
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return box->text() + (box->isVisible() ? "" : " hidden");
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text() + (list->item(i)->font().italic() ? "/i" : "");
        return items.join(u',') + u'/' + QString::number(list->isVisible() ? list->height() : 0);
    }
    return w->isVisible() && w->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
}

// Plays the story; what the ?-words saw, in order.
QStringList play(ScreenHarness& h, const QString& story) {
    QStringList seen;
    for (const QString& w : story.split(u' ', Qt::SkipEmptyParts)) {
        if (w.startsWith(u'=')) {
            type(h, w.mid(1));
        } else if (w.startsWith(u'@') || w.startsWith(u'^')) {
            QLineEdit* box = h.qsoBox(w.mid(1).toLatin1().constData());
            box->setFocus();
            if (w.startsWith(u'^'))
                box->selectAll();
            else
                box->end(false);
        } else if (w.startsWith(u'!')) {
            const QByteArray name = w.mid(1).toLatin1();
            if (h.qso->findChild<QAction*>(QString::fromLatin1(name)))
                h.trigger(h.qso.get(), name.constData());
            else
                h.click(h.qso.get(), name.constData());
        } else if (w.startsWith(QLatin1String("paste:"))) {
            QGuiApplication::clipboard()->setText(w.mid(6).replace(u'_', u' '));
            h.key(Qt::Key_V, Qt::ControlModifier);
        } else if (w.startsWith(QLatin1String("c:"))) {
            contact(h, w.mid(2).split(u','));
        } else if (w.startsWith(QLatin1String("del"))) {
            deleteRow(h, w.section(u':', 1),
                      w.startsWith(QLatin1String("del-")) ? Dialogs::AnswerNo : Dialogs::AnswerYes);
        } else if (w.startsWith(QLatin1String("known:"))) {
            const QString call = w.mid(6).section(u'=', 0, 0);
            const QString county = w.section(u'=', 1);
            if (!(county.isEmpty()
                      ? h.callDb.exec(QStringLiteral("INSERT INTO KnownCall VALUES (?)"), {call})
                      : h.callDb.exec(
                            QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                            {call, county})))
                qFatal("callsign database not written");
        } else if (w.startsWith(QLatin1String("other:"))) {
            if (!h.addContact(w.mid(6), "01.03.26", "12:06", 1, "CJ", "2"))
                qFatal("log not written");
        } else if (w.startsWith(QLatin1String("at:"))) {
            const QDate day = QDate(2026, 3, 1).addDays(w.contains(u'+') ? 1 : 0);
            h.clock.current =
                QDateTime(day, QTime::fromString(w.right(5), u"hh:mm"), QTimeZone::utc())
                    .toTimeZone(h.clock.current.timeZone());
        } else if (w.startsWith(u'?')) {
            seen << w.mid(1) + u'=' + shownText(h, w.mid(1));
        } else {
            keyWord(h, w);
        }
    }
    return seen;
}

// Opens the QSO screen as the set-up column says.
void open(ScreenHarness& h, const QString& setup) {
    const QStringList words = setup.split(u' ');
    auto option = [&](const char* name) {
        const QStringList found =
            words.filter(QRegularExpression(QStringLiteral("^%1=").arg(name)));
        return found.isEmpty() ? std::optional<QString>() : found[0].section(u'=', 1);
    };
    const QByteArray stage = words[1].toLatin1();
    const QByteArray mode = words[2].toLatin1();
    for (const char* list : {"Cp1Dec special YO1D", "CpCFR special YO3CFR", "Valdora special YR8V",
                             "Ardel club100 YO6AA", "Ardel club YO6DD", "CpTimis club YO2QTA"}) {
        const QStringList w = QString::fromLatin1(list).split(u' ');
        h.specials.set(w[0], w[1], {w[2]});
    }
    h.openQso(words[0].toLatin1().constData(), option("sent").value_or(QStringLiteral("312")),
              stage == "-" ? nullptr : stage.constData(), mode == "-" ? nullptr : mode.constData(),
              [&] {
                  if (const auto own = option("own"))
                      h.initBox("TxtMyBezirkA")->setText(*own);
                  if (const auto off = option("off")) {
                      h.trigger(h.init.get(), "mnuInpLog");
                      const QString date = off->section(u'/', 0, 0);
                      h.initBox("TxtSD")->setText(date == u"-" ? QString() : date);
                      h.initBox("TxtST")->setText(off->section(u'/', 1));
                  }
              });
    h.dialogs.shown.clear();
}

// What a story left: what it saw, the rows, the totals of each stage, the board, the messages.
QString outcome(ScreenHarness& h, const QStringList& seen) {
    QStringList out;
    if (!seen.isEmpty())
        out << "seen " + seen.join(u' ');
    for (const QString& r : h.logRows()) {
        QStringList c = r.split(u'|');
        if (c[8].trimmed().isEmpty())
            c[8] = u'-';
        out << c.join(u'|');
    }
    QStringList totals;
    for (const char* suffix : {"", "1", "2", "3"}) {
        auto text = [&](const char* base) {
            return h.find<QLabel>(h.qso.get(), (QByteArray(base) + suffix).constData())->text();
        };
        const QLabel* band =
            h.find<QLabel>(h.qso.get(), (QByteArray("LblBand") + suffix).constData());
        if (band->isVisibleTo(band->parentWidget()))
            totals << text("LblBand") + u' ' + text("LblQSO") + u'/' + text("LblPkt") + u'/' +
                          text("LblMlt");
    }
    out << "totals " + totals.join(QStringLiteral(", "));
    QStringList grey;
    for (const QString& code :
         CountyTables::counties() + QStringList{"XA", "XB", "XC", "XD", "XE", "XF", "NY"}) {
        auto* l = h.qso->findChild<QLabel*>(QStringLiteral("Lbl") + code);
        if (l && l->isVisibleTo(l->parentWidget()) && ScreenHarness::rgb(l) == 0xC0C0C0)
            grey << code;
    }
    out << "board " + grey.join(u' ');
    for (const QString& said : h.dialogs.texts())
        out << "said " + said;
    return out.join(u'\n');
}
} // namespace

class OperatorStoriesTest : public QObject {
    Q_OBJECT
private slots:
    void everyStory() {
        QString out;
        for (const Story& s : kStories) {
            ScreenHarness h;
            open(h, QString::fromLatin1(s.setup));
            const QStringList seen = play(h, QString::fromUtf8(s.keys));
            out += QStringLiteral("== %1 (%2)\n")
                       .arg(QString::fromUtf8(s.name), h.run.contest().codeString()) +
                   outcome(h, seen) + u'\n';
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/stories.txt"));
    }
};

QTEST_MAIN(OperatorStoriesTest)
#include "OperatorStoriesTest.moc"
