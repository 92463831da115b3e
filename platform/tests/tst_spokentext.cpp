#include "platform/SpokenText.h"

#include <QTest>

class SpokenTextTest : public QObject
{
    Q_OBJECT

private slots:
    void namesEditingKeys_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("backspace") << QString(QChar(8)) << "backspace";
        QTest::newRow("tab") << QString(QChar(9)) << "tab";
        QTest::newRow("return") << QString(QChar(13)) << "return";
        QTest::newRow("enter") << QString(QChar(3)) << "enter";
        QTest::newRow("escape") << QString(QChar(27)) << "escape";
        QTest::newRow("left") << QString(QChar(28)) << "left";
        QTest::newRow("right") << QString(QChar(29)) << "right";
        QTest::newRow("up") << QString(QChar(30)) << "up";
        QTest::newRow("down") << QString(QChar(31)) << "down";
        QTest::newRow("delete") << QString(QChar(127)) << "delete";
        QTest::newRow("other control") << QString(QChar(1)) << "control character";
        QTest::newRow("digit") << "7"
                               << "7";
        QTest::newRow("word") << "divide by"
                              << "divide by";
        QTest::newRow("control inside a phrase")
            << QString("a") + QChar(8) << QString("a") + QChar(8);
    }
    void namesEditingKeys()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, spoken);
        QCOMPARE(spokenText(phrase), spoken);
    }
};

QTEST_APPLESS_MAIN(SpokenTextTest)
#include "tst_spokentext.moc"
