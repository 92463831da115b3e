#include "calculator/CalculationWords.h"
#include "calculator/Calculator.h"
#include "calculator/NumberText.h"

#include <QtTest>

#include <cmath>

namespace {

// clang-format off
// how: typed ("t"), beside a screen reader ("r"), with the speech switch off ("q"); phrases said
// without interrupting start with "~"; words: the last calculation as "Say Last Calculation" says it.
struct Keys { const char *how, *keys, *display, *transcript, *phrases, *words; };
struct Number { const char *text; double value; const char *way; bool entry; }; // way "=", ">" (formats), "<" (reads)
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
    // the calculator leaves to it; "[text]" pastes at the end. After each key: the focus back, one
    // operation pending at most, the operands of "=" at 0, an entry of 8 characters and one point.
    void run(const QString &keys, bool typed)
    {
        for (qsizetype i = 0; i < keys.size() && !QTest::currentTestFailed(); ++i) {
            const QChar key = keys.at(i);
            focused = typed || key == u'[';
            if (key == u'[') {
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
                && (state.bOperationSelected
                        ? !state.sOperation.isEmpty() && !state.bComputationComplete
                        : !state.bSetForSec)
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
        QTest::newRow("entry")        << Keys { "",   "0123456789", "01234567", "", "zero|one|two|three|four|five|six|seven", "" };
        QTest::newRow("points")       << Keys { "",   "..5",        ".5",       "", "point|decimal point already included|five", "" };
        QTest::newRow("pasted")       << Keys { "",   "12[.5][]",   "12.5",     "", "one|two|refused", "" };
        QTest::newRow("calculation")  << Keys { "",   "12+3=",      "15",       "12\n+ 3\n---\n15\n\n", "one|two|plus|three|equals|~15", "12 plus 3 equals 15" };
        QTest::newRow("results carry") << Keys { "",  "5x=/=",      "1",        "5\nx 5\n---\n25\n\n25\n/ 25\n--\n1\n\n", "five|times|equals|~25|divide by|equals|~1", "25 divide by 25 equals 1" };
        QTest::newRow("minus clears") << Keys { "",   "5-=",        "5",        "5\n- --\n5\n\n", "five|minus|equals|~5", "5 minus equals 5" };
        QTest::newRow("sign, 0 + 0")  << Keys { "",   "-=",         "0",        "-\n0\n+ 0\n--\n0\n\n", "negative|equals|~0", "negative 0 plus 0 equals 0" };
        QTest::newRow("signs")        << Keys { "",   "5--3=",      "8",        "5\n- -3\n--\n8\n\n", "five|minus|negative|three|equals|~8", "5 minus negative 3 equals 8" };
        QTest::newRow("sign alone")   << Keys { "",   "1+-=",       "1",        "1\n+ -\n--\n1\n\n", "one|plus|negative|equals|~1", "1 plus negative equals 1" };
        QTest::newRow("no chains")    << Keys { "",   "1+2+3=",     "24",       "1\n+ 23\n---\n24\n\n", "one|plus|two|three|equals|~24", "1 plus 23 equals 24" };
        QTest::newRow("minus first")  << Keys { "",   "+-5=",       "-5",       "\n- 5\n---\n-5\n\n", "minus|five|equals|~-5", "minus 5 equals negative 5" };
        QTest::newRow("by zero")      << Keys { "",   "5/0=",       "Infinity", "5\n/ 0\n---------\nInfinity\n\n", "five|divide by|zero|INFINITY|~equals|~Infinity", "5 divide by 0 equals Infinity" };
        QTest::newRow("pasted, =")    << Keys { "",   "[42]=",      "42",       "42\n+ 0\n---\n42\n\n", "equals|~42", "42 plus 0 equals 42" };
        QTest::newRow("pasted second") << Keys { "",  "1+[9]=",     "10",       "1\n+ 9\n---\n10\n\n", "one|plus|equals|~10", "1 plus 9 equals 10" };
        QTest::newRow("after a sign") << Keys { "",   "1+-[9]=",    "-8",       "1\n+ -9\n---\n-8\n\n", "one|plus|negative|equals|~-8", "1 plus negative 9 equals negative 8" };
        QTest::newRow("point anew")   << Keys { "",   "2+2=.",      ".",        "2\n+ 2\n--\n4\n\n", "two|plus|two|equals|~4|point", "2 plus 2 equals 4" };
        QTest::newRow("paste anew")   << Keys { "",   "2+2=[9]5",   "95",       "2\n+ 2\n--\n4\n\n", "two|plus|two|equals|~4|five", "2 plus 2 equals 4" };
        QTest::newRow("point, digit") << Keys { "",   "5/2=.7",     "7",        "5\n/ 2\n----\n2.5\n\n", "five|divide by|two|equals|~2.5|decimal point already included|seven", "5 divide by 2 equals 2.5" };
        QTest::newRow("long result")  << Keys { "",   "1/3=.4",     "4",        "1\n/ 3\n-------------\n0.3333333333\n\n", "one|divide by|three|equals|~0.3333333333|four", "1 divide by 3 equals 0.3333333333" };
        QTest::newRow("clear pending") << Keys { "",  "5xc3=",      "3",        "5\nx 3\n+ 0\n--\n3\n\n", "five|times|clear work area|three|equals|~3", "5 times 3 plus 0 equals 3" };
        QTest::newRow("clear all")    << Keys { "",   "5xC3=",      "3",        "3\n+ 0\n--\n3\n\n", "five|times|clear all|three|equals|~3", "3 plus 0 equals 3" };
        QTest::newRow("cleared, =")   << Keys { "",   "5xc=",       "0",        "5\nx 0\n+ 0\n--\n0\n\n", "five|times|clear work area|equals|~0", "5 times 0 plus 0 equals 0" };
        QTest::newRow("pending")      << Keys { "",   "4xc",        "",         "4\nx ", "four|times|clear work area", "4 times" };
        QTest::newRow("typed")        << Keys { "t",  "1+2=",       "3",        "1\n+ 2\n--\n3\n\n", "~1|plus|~2|equals|~3", "1 plus 2 equals 3" };
        QTest::newRow("typed, full")  << Keys { "t",  "123456789\b", "12345678", "", "~1|~2|~3|~4|~5|~6|~7|~8", "" };
        QTest::newRow("sign anew")    << Keys { "t",  "7=\b-",      "-",        "7\n+ 0\n--\n7\n\n", "~7|equals|~7|~\b|negative", "7 plus 0 equals 7" };
        QTest::newRow("letter anew")  << Keys { "t",  "2+2=a",      "",         "2\n+ 2\n--\n4\n\n", "~2|plus|~2|equals|~4", "2 plus 2 equals 4" };
        QTest::newRow("typed anew")   << Keys { "t",  "5/2=.",      ".",        "5\n/ 2\n----\n2.5\n\n", "~5|divide by|~2|equals|~2.5|~point", "5 divide by 2 equals 2.5" };
        QTest::newRow("reader")       << Keys { "r",  "1+2=",       "3",        "1\n+ 2\n--\n3\n\n", "one|plus|two|equals|~3", "1 plus 2 equals 3" };
        QTest::newRow("typed, reader") << Keys { "tr", "1+2=",      "3",        "1\n+ 2\n--\n3\n\n", "~3", "1 plus 2 equals 3" };
        QTest::newRow("reader, sign") << Keys { "tr", "-1..",       "-1.",      "", "negative|decimal point is already included", "" };
        QTest::newRow("reader, zero") << Keys { "tr", "5/0=",       "Infinity", "5\n/ 0\n---------\nInfinity\n\n", "INFINITY|~Infinity", "5 divide by 0 equals Infinity" };
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

    void numbers_data()
    {
        QTest::addColumn<Number>("row");
        // clang-format off
        QTest::newRow("8 characters")  << Number { "-123.456",       -123.456,      "=", true };
        QTest::newRow("9 characters")  << Number { "123456789",      123456789,     "=", false };
        QTest::newRow("negative zero") << Number { "0",              -0.0,          ">", true };
        QTest::newRow("widest plain")  << Number { "9999999999",     9999999999,    "=", false };
        QTest::newRow("rounded up")    << Number { "1e+10",          9999999999.6,  ">", false };
        QTest::newRow("11 digits")     << Number { "1.23456789e+10", 12345678901,   ">", false };
        QTest::newRow("small plain")   << Number { "0.000001",       0.000001,      "=", true };
        QTest::newRow("small")         << Number { "-2.5e-300",      -2.5e-300,     "=", false };
        QTest::newRow("not a number")  << Number { "Not a number",   std::nan(""),  "=", false };
        QTest::newRow("beyond Latin-1") << Number { "4\u20ac2",      4,             "<", false };
        QTest::newRow("too large")     << Number { "-1e999",         -HUGE_VAL,     "<", false };
        QTest::newRow("too small")     << Number { "1e-999",         0,             "<", false };
        // clang-format on
    }

    // Number texts both ways, and which of them the user may enter.
    void numbers()
    {
        QFETCH(Number, row);
        QLocale::setDefault(QLocale(QLocale::German)); // which the texts ignore
        if (row.way != QByteArray("<"))
            QCOMPARE(numberText(row.value), QString::fromUtf8(row.text));
        if (row.way != QByteArray(">"))
            QCOMPARE(numberValue(QString::fromUtf8(row.text)), row.value);
        QCOMPARE(isNumberEntry(QString::fromUtf8(row.text)), row.entry);
    }
};

QTEST_APPLESS_MAIN(tst_Calculator)
#include "tst_Calculator.moc"
