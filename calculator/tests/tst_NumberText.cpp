#include "calculator/NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void reads_data();
    void reads();
    void readsBackWhatItWrites();
    void ignoresTheLocale();
    void numberEntries_data();
    void numberEntries();
};

void tst_NumberText::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("integer") << 15.0 << "15";
    QTest::newRow("negative") << -2.0 << "-2";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fraction") << 2.5 << "2.5";
    QTest::newRow("ten significant digits") << 1.0 / 3 << "0.3333333333";
    QTest::newRow("rounded up") << 2.0 / 3 << "0.6666666667";
    QTest::newRow("largest plain") << 9999999999.0 << "9999999999";
    QTest::newRow("rounds into exponent") << 9999999999.6 << "1e+10";
    QTest::newRow("too many digits") << 12345678901.0 << "1.23456789e+10";
    QTest::newRow("large") << 1e20 << "1e+20";
    QTest::newRow("small plain") << 0.000001 << "0.000001";
    QTest::newRow("small") << 1.5e-7 << "1.5e-07";
    QTest::newRow("tiny negative") << -2.5e-300 << "-2.5e-300";
    QTest::newRow("infinity") << infinity << "Infinity";
    QTest::newRow("negative infinity") << -infinity << "-Infinity";
    QTest::newRow("not a number") << std::nan("") << "Not a number";
}

void tst_NumberText::formats()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

void tst_NumberText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("negative fraction") << "-.25" << -0.25;
    QTest::newRow("exponent") << "1.5e-07" << 1.5e-7;
    QTest::newRow("typed past the sign") << "5-3" << 5.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("4\u20ac2") << 4.0;
    QTest::newRow("overflow") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("underflow") << "-1e-999" << 0.0;
}

void tst_NumberText::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(numberValue(text), value);
}

void tst_NumberText::readsBackWhatItWrites()
{
    QVERIFY(std::isnan(numberValue(numberText(std::nan("")))));
    QCOMPARE(numberValue(numberText(-HUGE_VAL)), -HUGE_VAL);
    // Every text the formatter writes reads back as a value that it writes the same way.
    for (double value : { 1.0 / 7, -123456.789, 6.02214076e23, 1.6e-19, 9999999999.0, 0.1 + 0.2 }) {
        const QString text = numberText(value);
        QCOMPARE(numberText(numberValue(text)), text);
        QCOMPARE(numberValue(text), text.toDouble());
    }
}

void tst_NumberText::ignoresTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = numberText(1234.5);
    const double value = numberValue(QStringLiteral("2.5"));
    QLocale::setDefault(previous);
    QCOMPARE(text, QStringLiteral("1234.5"));
    QCOMPARE(value, 2.5);
}

void tst_NumberText::numberEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digits") << "42" << true;
    QTest::newRow("eight characters") << "-123.456" << true;
    QTest::newRow("nine characters") << "123456789" << false;
    QTest::newRow("leading point") << ".5" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("sign alone") << "-" << false;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("sign inside") << "5-3" << false;
    QTest::newRow("two signs") << "--3" << false;
    QTest::newRow("exponent") << "1e+20" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0663") << false;
}

void tst_NumberText::numberEntries()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isNumberEntry(text), accepted);
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_NumberText.moc"
