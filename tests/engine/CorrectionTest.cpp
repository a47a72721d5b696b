#include "logging/Correction.h"

#include <QTest>

class CorrectionTest : public QObject {
    Q_OBJECT
private slots:
    void split_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("three words") << "599 012 BV" << QStringList{"599", "012", "BV"};
        QTest::newRow("zodiac: report and sign") << "59 LEU" << QStringList{"59", "", "LEU"};
        QTest::newRow("report only") << "59" << QStringList{"59", "", ""};
        QTest::newRow("empty") << "" << QStringList{"", "", ""};
        QTest::newRow("extra blanks") << " 59  7   CL* " << QStringList{"59", "7", "CL*"};
    }
    void split() {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        const auto got = Correction::CodE(text);
        QCOMPARE((QStringList{got[0], got[1], got[2]}), fields);
    }

    void nextCodeAfterModeChange_data() {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("next");
        QTest::newRow("CW") << "599 008 BV"
                            << "CW"
                            << "009";
        QTest::newRow("SSB") << "59 099 BV"
                             << "SSB"
                             << "100";
        QTest::newRow("nine") << "59 009 BV"
                              << "SSB"
                              << "010";
        QTest::newRow("no code after the report") << "59"
                                                  << "SSB"
                                                  << "001";
        QTest::newRow("word instead of a code") << "599 ABC BV"
                                                << "CW"
                                                << "001";
    }
    void nextCodeAfterModeChange() {
        QFETCH(QString, sent);
        QFETCH(QString, mode);
        QFETCH(QString, next);
        QCOMPARE(Correction::MaxRap(sent, mode), next);
    }
};

QTEST_GUILESS_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
