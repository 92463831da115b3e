#include "calculator/CalculationWords.h"
#include "calculator/Calculator.h"
#include "calculator/NumberText.h"

#include <QtTest>

namespace {

// clang-format off
// how: typed ("t"; "|" in keys switches), beside a screen reader ("r"), speech switched off ("q");
// phrases said without interrupting start with "~"; words: as "Say Last Calculation" says them.
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
    // operation pending just while selected, the operands of "=" at 0, an entry of 8 and one point.
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
                    key == u'\b' ? display.chop(1) : void(display += key);
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
            QVERIFY(focused && QStringLiteral("+-*/").contains(state.sOperation) && state.dSec == 0
                && state.bOperationSelected != state.sOperation.isEmpty() && state.dResult == 0
                && (state.bOperationSelected ? !state.bComputationComplete : !state.bSetForSec)
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
        QTest::newRow("pasted")       << Keys { "",   "2+2=[9][.5][]5", "9.55", "2\n+ 2\n--\n4\n\n", "two|plus|two|equals|~4|refused|five", "2 plus 2 equals 4" };
        QTest::newRow("minus clears") << Keys { "",   "5x=-=",      "25",       "5\nx 5\n---\n25\n\n25\n- ---\n25\n\n", "five|times|equals|~25|minus|equals|~25", "25 minus equals 25" };
        QTest::newRow("sign, minus")  << Keys { "",   "-=c+-5=",    "-5",       "-\n0\n+ 0\n--\n0\n\n\n- 5\n---\n-5\n\n", "negative|equals|~0|clear work area|minus|five|equals|~-5", "minus 5 equals negative 5" };
        QTest::newRow("signs, chains") << Keys { "", "5--3+4=",    "39",       "5\n- -34\n---\n39\n\n", "five|minus|negative|three|four|equals|~39", "5 minus negative 34 equals 39" };
        QTest::newRow("second")       << Keys { "",   "1+.5=+[9]=", "10.5",     "1\n+ .5\n----\n1.5\n\n1.5\n+ 9\n-----\n10.5\n\n", "one|plus|point|five|equals|~1.5|plus|equals|~10.5", "1.5 plus 9 equals 10.5" };
        QTest::newRow("after a sign") << Keys { "",   "1+-[9]=",    "-8",       "1\n+ -9\n---\n-8\n\n", "one|plus|negative|equals|~-8", "1 plus negative 9 equals negative 8" };
        QTest::newRow("point anew")   << Keys { "",   "5/2=.7=.",   ".",        "5\n/ 2\n----\n2.5\n\n7\n+ 0\n--\n7\n\n", "five|divide by|two|equals|~2.5|decimal point already included|seven|equals|~7|point", "7 plus 0 equals 7" };
        QTest::newRow("clears")       << Keys { "",   "5xC3=5xc=",  "0",        "3\n+ 0\n--\n3\n\n5\nx 0\n+ 0\n--\n0\n\n", "five|times|clear all|three|equals|~3|five|times|clear work area|equals|~0", "5 times 0 plus 0 equals 0" };
        QTest::newRow("typed, full")  << Keys { "t",  ".=123456789\b9", "12345678", ".\n+ 0\n--\n0\n\n", "~point|equals|~0|~1|~2|~3|~4|~5|~6|~7|~8", ". plus 0 equals 0" };
        QTest::newRow("typed anew")   << Keys { "t",  "5/2=.\b-",   "-",        "5\n/ 2\n----\n2.5\n\n", "~5|divide by|~2|equals|~2.5|~point|~\b|negative", "5 divide by 2 equals 2.5" };
        QTest::newRow("reader")       << Keys { "r",  "2+|-1..=|/0=", "Infinity", "2\n+ -1.\n--\n1\n\n1\n/ 0\n---------\nInfinity\n\n", "two|plus|negative|decimal point is already included|~1|divide by|zero|INFINITY|~equals|~Infinity", "1 divide by 0 equals Infinity" };
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
        QCOMPARE(QStringList({ surface.display, surface.transcript, surface.phrases.join(u'|'),
                     lastCalculationInWords(surface.transcript) }),
            QStringList({ row.display, row.transcript, row.phrases, row.words }));
    }

    // Number texts both ways, whatever the locale, and which texts the user may enter.
    void numbers()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QStringList texts;
        for (const double value : { 123456789.0, -0.0, 9999999999.0, 9999999999.6, 12345678901.0,
                 1e-6, -2.5e-300, qQNaN() })
            texts.append(numberText(value));
        const QString shown
            = "123456789 0 9999999999 1e+10 1.23456789e+10 0.000001 -2.5e-300 Not a number";
        QCOMPARE(texts.join(u' '), shown);
        texts += QStringList { "-1e999", "1e-999" }; // beyond a double, as the arithmetic has it
        for (QString &text : texts) // each read back
            text = numberText(numberValue(text));
        QCOMPARE(texts.join(u' '), shown + " -Infinity 0");
        QStringList entries = QStringLiteral("0.000001 -1.5 .5 123456789 1e+10 1.2.3").split(u' ');
        entries.removeIf([](const QString &text) { return !isNumberEntry(text); });
        QCOMPARE(entries.join(u' '), "0.000001 -1.5 .5");
    }
};

QTEST_APPLESS_MAIN(tst_Calculator)
#include "tst_Calculator.moc"
