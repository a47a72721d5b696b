// Logs contacts through the contact engine until killed, printing each ID once `Enter` returned;
// with "correct", corrects the newest contact again and again, logging or cancelling each.
#include "RunSetup.h"
#include "contact/ContactEngine.h"
#include "fakes/FakeClock.h"
#include "rules/ContestCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Database logDb(QStringLiteral("LogDb"));
    Database callDb(QStringLiteral("CallDb"));
    if (!logDb.open(folder.filePath(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen"))
             .ok() ||
        !callDb.open(folder.filePath(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud"))
             .ok())
        return 3;
    ContestRun state(folder.path());
    state.chooseContest(*ContestCatalog::findByCode(QStringLiteral("CpTeleorman")));
    state.chooseStage(Stage::A1);
    state.chooseMode(Mode::Cw);
    state.chooseRealContest(true);
    changeRun(state, [](HandOver& h) {
        h.settings.myCall = QStringLiteral("YO9AAA");
        h.settings.myCounty = QStringLiteral("TR");
    });
    const SpecialStations specials;
    const FakeClock clock;
    ContactEngine engine(state, logDb, callDb, specials, clock);
    if (argc > 2 && QByteArray(argv[2]) == "correct") {
        for (int n = 0;; ++n) {
            if (!engine.store().startCorrection().valueOr(std::nullopt))
                return 5;
            engine.rules().countyChanged(n % 2 ? QStringLiteral("CJ") : QStringLiteral("MS"));
            if (!engine.rules().checkMultiplier())
                return 5;
            if (n % 3 == 0 && !engine.store().cancelCorrection())
                return 5;
            if (n % 3 == 0)
                continue;
            if (engine.logContact().status != EnterResult::Status::Logged)
                return 4;
        }
    }
    const QString run = QString::number(QCoreApplication::applicationPid());
    for (int n = 0;; ++n) {
        QsoContact& c = engine.contact();
        c.callsign = QStringLiteral("YO%1X%2").arg(2 + n % 8).arg(run + QString::number(n));
        engine.lookUpCallsign();
        // The serial is reserved when the callsign is accepted, as the QSO screen does.
        if (!engine.store().reserveSerial())
            return 5;
        engine.rules().countyChanged(QStringLiteral("CJ"));
        c.codeReceived = QStringLiteral("001");
        engine.rules().checkDuplicate();
        if (engine.logContact().status != EnterResult::Status::Logged)
            return 4;
        const qint64 id = logDb.scalar(QStringLiteral("SELECT max(ID) FROM LogGen")).toLongLong();
        std::printf("%lld\n", static_cast<long long>(id));
        std::fflush(stdout);
    }
}
