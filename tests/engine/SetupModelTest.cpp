#include "models/SetupModel.h"
#include "EngineFixture.h"

namespace {
// A set-up on the fixture's log: `code` chosen, SIMULARE, own station YO3ABC in BU.
struct Setup {
    explicit Setup(const QString& code) : f(code), run(f.dir.path()), model(run, f.log(), f.clock) {
        if (const ContestDef* def = ContestCatalog::findByCode(code))
            model.chooseContest(*def);
        model.chooseRunKind(false);
        form.ownCall = QStringLiteral("YO3ABC");
        form.ownCounty = QStringLiteral("BU");
        form.sentCode = QStringLiteral("312");
        form.utcOffset = QStringLiteral("2");
    }
    EngineFixture f;
    ContestRun run;
    SetupModel model;
    SetupForm form;
};
} // namespace

// The hand-over to the QSO screen: its stamps, keyer options and the old log's question.
class SetupModelTest : public QObject {
    Q_OBJECT
private slots:
    // On line the run starts now, by the clock; off line at what was typed. The start number
    // is the leading number of SENT COD only where the contest has one.
    void handOverStampsAndStartNumber_data() {
        // contest, off line, SENT COD, port, start code, date, time
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("on line, start number", "CampNatUS 0 312x 3x 312 01.03.26 12:05");
        row("on line, serial contest", "CpTeleorman 0 312 - 0 01.03.26 12:05");
        row("off line", "CampNatUS 1 312 - 312 05.03.26 00:00");
    }
    void handOverStampsAndStartNumber() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        Setup s(f[0]);
        s.f.clock.current = QDateTime(QDate(2026, 3, 1), QTime(12, 5, 59), Qt::UTC);
        if (f[1] == u'1') {
            s.model.startOffLine();
            s.form.startDate = QStringLiteral("05.03.26");
            s.form.startTime = s.model.offLineStartStamp().second;
        }
        s.form.sentCode = f[2];
        s.form.port = f[3];
        const auto result = s.model.handOver(s.form);
        if (const auto* refusal = std::get_if<SetupRefusal>(&result))
            QFAIL(qPrintable(refusal->message));
        const HandOver h = std::get<HandOver>(result);
        QCOMPARE(h.startCode, f[4].toInt());
        QCOMPARE(h.startDate, f[5]);
        QCOMPARE(h.startTime, f[6]);
        QCOMPARE(h.offLine, f[1] == u'1');
        QCOMPARE(h.settings.comPort, f[3].isEmpty() ? 0 : 3);
        QCOMPARE(h.settings.utcOffset.text, QStringLiteral("2"));
        s.model.begin(h);
        QCOMPARE(s.run.startDate(), f[5]);
        QCOMPARE(s.run.settings().myCall, QStringLiteral("YO3ABC"));
    }

    // A repeat needs its keying by the PC; SSB by the PC needs a sound output; the off-line log
    // transmits nothing; a screen shown again for a run begun keeps the run's options.
    void keyerOptions() {
        Setup s(QStringLiteral("CampNatUS"));
        s.model.setCwRepeat(true);
        s.model.setSoundCard(false);
        s.model.playSsbByPc(true);
        s.model.setSsbRepeat(true);
        QVERIFY(!s.model.keyer().cwRepeat && !s.model.keyer().ssbByPc &&
                !s.model.keyer().ssbRepeat);
        s.model.setSoundCard(true);
        s.model.keyCwByPc(true);
        s.model.setCwRepeat(true);
        s.model.playSsbByPc(true);
        s.model.setSsbRepeat(true);
        const KeyerOptions all = s.model.keyer();
        QVERIFY(all.cwByPc && all.cwRepeat && all.ssbByPc && all.ssbRepeat);
        s.model.keyCwByPc(false);
        QVERIFY(!s.model.keyer().cwRepeat);
        s.model.begin(std::get<HandOver>(s.model.handOver(s.form)));

        s.model.startOffLine();
        const KeyerOptions off = s.model.keyer();
        QVERIFY(!off.cwByPc && !off.cwRepeat && !off.ssbByPc && !off.ssbRepeat);
        s.run.reopenSetup();
        s.model.startSetup();
        QVERIFY(!s.model.offLine() && s.model.keyer().ssbRepeat && !s.model.keyer().cwByPc);
    }

    // An old log is named before a real contest on line, once a run; never for SIMULARE or off
    // line.
    void oldLogQuestionAskedOnce() {
        Setup s(QStringLiteral("CampNatUS"));
        s.f.logged(QStringLiteral("YO5AAA"), 1, QStringLiteral("CW"), QStringLiteral("10:00"));
        s.f.clock.current = QDateTime(QDate(2026, 4, 1), QTime(12, 0), Qt::UTC);
        QVERIFY(s.model.contestLogQuestion().isEmpty());
        s.model.chooseRunKind(true);
        s.model.startOffLine();
        QVERIFY(s.model.contestLogQuestion().isEmpty());
        s.model.startSetup();
        QVERIFY(s.model.contestLogQuestion().startsWith(QStringLiteral("LOGUL CONTINE 1")));
        QVERIFY(s.model.contestLogQuestion().isEmpty());
    }
};

QTEST_MAIN(SetupModelTest)
#include "SetupModelTest.moc"
