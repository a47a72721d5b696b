#include "screens/FieldKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// The order of an entry field's key logic and what the field is left to take.
class FieldKeysTest : public QObject {
    Q_OBJECT
private slots:
    void keyDownThenKeyPressThenField_data() {
        QTest::addColumn<QString>("swallowDownOn");  // key text that KeyDown swallows
        QTest::addColumn<QString>("swallowPressOn"); // character that KeyPress swallows
        QTest::addColumn<bool>("caps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("calls");
        // D key down, P key press, U key up, each with the length of the field's text then
        QTest::newRow("plain") << ""
                               << "" << false << "ab"
                               << "Da0Pa0U1Db1Pb1U2";
        QTest::newRow("capitals") << ""
                                  << "" << true << "AB"
                                  << "Da0Pa0U1Db1Pb1U2";
        QTest::newRow("KeyDown swallows") << "a"
                                          << "" << true << "B"
                                          << "Da0U0Db0Pb0U1";
        QTest::newRow("KeyPress swallows") << ""
                                           << "b" << true << "A"
                                           << "Da0Pa0U1Db1Pb1U1";
    }
    void keyDownThenKeyPressThenField() {
        QFETCH(QString, swallowDownOn);
        QFETCH(QString, swallowPressOn);
        QFETCH(bool, caps);
        QFETCH(QString, shown);
        QFETCH(QString, calls);
        QLineEdit edit;
        FieldKeys keys;
        QString log;
        FieldKeys::Handlers h;
        const auto length = [&] { return QString::number(edit.text().size()); };
        h.keyDown = [&](QKeyEvent& e) {
            log += QLatin1Char('D') + e.text() + length();
            return e.text() == swallowDownOn;
        };
        h.keyPress = [&](QChar& c) {
            log += QLatin1Char('P') + c + length();
            const bool swallow = QString(c) == swallowPressOn;
            if (caps)
                c = c.toUpper();
            return swallow;
        };
        h.keyUp = [&](QKeyEvent&) { log += QLatin1Char('U') + length(); };
        keys.attach(&edit, h);

        QTest::keyClicks(&edit, QStringLiteral("ab"));

        QCOMPARE(edit.text(), shown);
        QCOMPARE(log, calls);
    }

    void enterAndControlKeysReachKeyPress() {
        QLineEdit edit;
        FieldKeys keys;
        QString seen;
        keys.attach(&edit, {{},
                            [&](QChar& c) {
                                seen += c;
                                return c == FieldKeys::kEnter;
                            },
                            {}});
        QTest::keyClicks(&edit, QStringLiteral("x"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QTest::keyClick(&edit, Qt::Key_Enter);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_F1); // no character: KeyPress does not run
        QCOMPARE(seen, QStringLiteral("x\r\r\b"));
        QCOMPARE(edit.text(), QString());
    }
};

QTEST_MAIN(FieldKeysTest)
#include "FieldKeysTest.moc"
