#include "calculator/CalculationWords.h"
#include "calculator/Calculator.h"
#include "calculator/NumberText.h"

#include <QtTest>

#include <cmath>

namespace {

// clang-format off
// how: typed ("t"; "|" in keys switches between typing and clicking), beside a screen reader ("r"),
// with the speech switch off ("q"); phrases said without interrupting start with "~"; words: the
// last calculation as "Say Last Calculation" says it.
struct Keys { const char *how, *keys, *display, *transcript, *phrases, *words; };
// clang-format on

// A display, a transcript and a voice without any window, running keys through the calculator.
struct PlainSurface final : CalculatorSurface
{
    QString displayText() const override { return display; }
    void setDisplayText(const QString &text) override { display = text; }
    void placeInsertionPointAfterSign() override { }
    void appendToTranscript(const QString &text) override { transcript += text; }
    void clearTranscript() override { transcript.clear(); }
    void scrollTranscriptToEnd() override { }
    void focusDisplay() override { focused = true; }
    void press(OperatorKey key) override { calculator.operatorKey(key); }
    void speak(const QStringList &texts, Interrupt interrupt, Importance) override
    {
        for (const QString &text : texts)
            phrases += (std::exchange(interrupt, Interrupt::No) == Interrupt::No ? "~" : "") + text;
    }
    bool screenReaderRunning() const override { return screenReader; }

    // Clicks keys ("c", "C": the clear keys) or types them, the display editing its end with what
    // the calculator leaves to it; "[text]" pastes at the end. After each key: the focus back, an
    // operation pending just while one is selected, the operands of "=" at 0, an entry of 8
    // characters and one point.
    void run(const QString &keys, bool typed)
    {
        for (qsizetype i = 0; i < keys.size() && !QTest::currentTestFailed(); ++i) {
            const QChar key = keys.at(i);
            focused = typed || key == u'[' || key == u'|';
            if (key == u'|') {
                typed = !typed;
            } else if (key == u'[') {
                const qsizetype end = keys.indexOf(u']', i);
                if (!calculator.insertIntoDisplay(keys.mid(i + 1, end - i - 1), display.size(), 0))
                    phrases += "refused";
                i = end;
            } else if (typed) {
                if (!calculator.keyDown(key))
                    key == u'\b' ? display.chop(1)
                                 : void(display += key.isPrint() ? QString(key) : QString());
            } else if (key.isDigit()) {
                calculator.digit(key.digitValue());
            } else if (key == u'.') {
                calculator.point();
            } else if (key.toLower() == u'c') {
                calculator.clear(key == u'C' ? ClearScope::All : ClearScope::WorkArea);
            } else {
                calculator.operatorKey(OperatorKey(QStringLiteral("+-x/=").indexOf(key)));
            }
            const bool entry = display.size() <= 8 && display.count(u'.') <= 1;
            QVERIFY(focused && QStringList({ "", "+", "-", "*", "/" }).contains(state.sOperation)
                && state.bOperationSelected != state.sOperation.isEmpty()
                && (state.bOperationSelected ? !state.bComputationComplete : !state.bSetForSec)
                && state.dSec == 0 && state.dResult == 0
                && (entry || display == numberText(numberValue(display))));
        }
    }

    CalculatorState state;
    Calculator calculator { state, *this };
    QString display, transcript;
    QStringList phrases;
    bool focused = false, screenReader = false;
};

} // namespace

class tst_Calculator : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<Keys>("row");
        // clang-format off
        QTest::newRow("entry")        << Keys { "",   "0123456789.", "01234567", "", "zero|one|two|three|four|five|six|seven", "" };
        QTest::newRow("pasted")       << Keys { "",   "12[.5][]",   "12.5",     "", "one|two|refused", "" };
        QTest::newRow("results carry") << Keys { "",  "5x=/=",      "1",        "5\nx 5\n---\n25\n\n25\n/ 25\n--\n1\n\n", "five|times|equals|~25|divide by|equals|~1", "25 divide by 25 equals 1" };
        QTest::newRow("minus clears") << Keys { "",   "5-=",        "5",        "5\n- --\n5\n\n", "five|minus|equals|~5", "5 minus equals 5" };
        QTest::newRow("sign, 0 + 0")  << Keys { "",   "-=",         "0",        "-\n0\n+ 0\n--\n0\n\n", "negative|equals|~0", "negative 0 plus 0 equals 0" };
        QTest::newRow("signs")        << Keys { "",   "5--3=",      "8",        "5\n- -3\n--\n8\n\n", "five|minus|negative|three|equals|~8", "5 minus negative 3 equals 8" };
        QTest::newRow("sign alone")   << Keys { "",   "1+-=",       "1",        "1\n+ -\n--\n1\n\n", "one|plus|negative|equals|~1", "1 plus negative equals 1" };
        QTest::newRow("no chains")    << Keys { "",   "1+2+3=",     "24",       "1\n+ 23\n---\n24\n\n", "one|plus|two|three|equals|~24", "1 plus 23 equals 24" };
        QTest::newRow("minus first")  << Keys { "",   "+-5=",       "-5",       "\n- 5\n---\n-5\n\n", "minus|five|equals|~-5", "minus 5 equals negative 5" };
        QTest::newRow("point second") << Keys { "",   "1+.5=",      "1.5",      "1\n+ .5\n----\n1.5\n\n", "one|plus|point|five|equals|~1.5", "1 plus .5 equals 1.5" };
        QTest::newRow("pasted second") << Keys { "",  "1+[9]=",     "10",       "1\n+ 9\n---\n10\n\n", "one|plus|equals|~10", "1 plus 9 equals 10" };
        QTest::newRow("after a sign") << Keys { "",   "1+-[9]=",    "-8",       "1\n+ -9\n---\n-8\n\n", "one|plus|negative|equals|~-8", "1 plus negative 9 equals negative 8" };
        QTest::newRow("point anew")   << Keys { "",   "2+2=.",      ".",        "2\n+ 2\n--\n4\n\n", "two|plus|two|equals|~4|point", "2 plus 2 equals 4" };
        QTest::newRow("paste anew")   << Keys { "",   "2+2=[9]5",   "95",       "2\n+ 2\n--\n4\n\n", "two|plus|two|equals|~4|five", "2 plus 2 equals 4" };
        QTest::newRow("point, digit") << Keys { "",   "5/2=.7",     "7",        "5\n/ 2\n----\n2.5\n\n", "five|divide by|two|equals|~2.5|decimal point already included|seven", "5 divide by 2 equals 2.5" };
        QTest::newRow("clear all")    << Keys { "",   "5xC3=",      "3",        "3\n+ 0\n--\n3\n\n", "five|times|clear all|three|equals|~3", "3 plus 0 equals 3" };
        QTest::newRow("cleared, =")   << Keys { "",   "5xc=",       "0",        "5\nx 0\n+ 0\n--\n0\n\n", "five|times|clear work area|equals|~0", "5 times 0 plus 0 equals 0" };
        QTest::newRow("typed, full")  << Keys { "t",  "123456789\b9", "12345678", "", "~1|~2|~3|~4|~5|~6|~7|~8", "" };
        QTest::newRow("typed point")  << Keys { "t",  ".=",         "0",        ".\n+ 0\n--\n0\n\n", "~point|equals|~0", ". plus 0 equals 0" };
        QTest::newRow("sign anew")    << Keys { "t",  "7=\b-",      "-",        "7\n+ 0\n--\n7\n\n", "~7|equals|~7|~\b|negative", "7 plus 0 equals 7" };
        QTest::newRow("typed anew")   << Keys { "t",  "5/2=.",      ".",        "5\n/ 2\n----\n2.5\n\n", "~5|divide by|~2|equals|~2.5|~point", "5 divide by 2 equals 2.5" };
        QTest::newRow("reader, sign") << Keys { "tr", "-1..",       "-1.",      "", "negative|decimal point is already included", "" };
        QTest::newRow("typed, clicked") << Keys { "r", "2+|3=|/0=",  "Infinity", "2\n+ 3\n--\n5\n\n5\n/ 0\n---------\nInfinity\n\n", "two|plus|~5|divide by|zero|INFINITY|~equals|~Infinity", "5 divide by 0 equals Infinity" };
        QTest::newRow("quiet")        << Keys { "tq", "-5/0=",      "-Infinity", "-5\n/ 0\n----------\n-Infinity\n\n", "~-Infinity", "negative 5 divide by 0 equals negative Infinity" };
        // clang-format on
    }

    void keys()
    {
        QFETCH(Keys, row);
        PlainSurface surface;
        surface.state.bSpeech = !QByteArray(row.how).contains('q');
        surface.screenReader = QByteArray(row.how).contains('r');
        surface.run(row.keys, QByteArray(row.how).contains('t'));
        QCOMPARE(surface.display, row.display);
        QCOMPARE(surface.transcript, row.transcript);
        QCOMPARE(surface.phrases.join(u'|'), row.phrases);
        QCOMPARE(lastCalculationInWords(surface.transcript), row.words);
    }

    // Number texts both ways, whatever the locale, and which texts the user may enter.
    void numbers()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QStringList texts;
        for (const double value : { 123456789.0, -0.0, 9999999999.0, 9999999999.6, 12345678901.0,
                 1e-6, -2.5e-300, std::nan("") })
            texts.append(numberText(value));
        QCOMPARE(texts.join(u' '),
            "123456789 0 9999999999 1e+10 1.23456789e+10 0.000001 -2.5e-300 Not a number");
        QList<double> values; // too large and too small as the arithmetic would have them
        for (const QString &text :
            QStringLiteral("123456789 9999999999 0.000001 -2.5e-300 -1e999 1e-999").split(u' '))
            values.append(numberValue(text));
        QCOMPARE(values, QList<double>({ 123456789, 9999999999, 1e-6, -2.5e-300, -HUGE_VAL, 0 }));
        QVERIFY(std::isnan(numberValue(QStringLiteral("Not a number"))));
        QStringList entries = QStringLiteral("0.000001 -1.5 .5 123456789 1e+10 1.2.3").split(u' ');
        entries.removeIf([](const QString &text) { return !isNumberEntry(text); });
        QCOMPARE(entries.join(u' '), "0.000001 -1.5 .5");
    }
};

QTEST_APPLESS_MAIN(tst_Calculator)
#include "tst_Calculator.moc"
