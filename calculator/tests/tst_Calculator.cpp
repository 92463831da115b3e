#include "calculator/Calculator.h"

#include <QTest>

namespace {

// A display, a transcript and a voice without any window. Phrases spoken without interrupting
// are recorded with a leading "~".
class PlainSurface final : public CalculatorSurface
{
public:
    QString displayText() const override { return display; }
    void setDisplayText(const QString &text) override { display = text; }
    void placeInsertionPointAfterSign() override { }
    void appendToTranscript(const QString &text) override { transcript += text; }
    void clearTranscript() override { transcript.clear(); }
    void scrollTranscriptToEnd() override { ++scrolls; }
    void focusDisplay() override { focused = true; }
    void press(OperatorKey key) override { calculator->operatorKey(key); }
    void speak(const QStringList &texts, Interrupt interrupt, Importance) override
    {
        for (const QString &text : texts) {
            phrases.append(interrupt == Interrupt::Yes ? text : u'~' + text);
            interrupt = Interrupt::No;
        }
    }
    bool screenReaderRunning() const override { return screenReader; }

    Calculator *calculator = nullptr;
    QString display;
    QString transcript;
    QStringList phrases;
    int scrolls = 0;
    bool focused = false;
    bool screenReader = false;
};

} // namespace

// On-screen keys written as their captions, with "c" for "C1" and "C" for "C2".
class tst_Calculator : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void clickedKeys_data();
    void clickedKeys();
    void clearsForgetThePendingOperator_data();
    void clearsForgetThePendingOperator();
    void stateAfterKeys_data();
    void stateAfterKeys();
    void typedKeysSpoken_data();
    void typedKeysSpoken();
    void typedKeysLeaveInitialClick();
    void onlyEqualsScrolls();

private:
    void click(const QString &keys);

    CalculatorState state;
    PlainSurface surface;
    Calculator calculator { state, surface };
};

void tst_Calculator::init()
{
    state = CalculatorState();
    surface = PlainSurface();
    surface.calculator = &calculator;
}

void tst_Calculator::click(const QString &keys)
{
    for (QChar key : keys) {
        surface.focused = false;
        if (key.isDigit())
            calculator.digit(key.digitValue());
        else if (key == u'.')
            calculator.point();
        else if (key == u'c' || key == u'C')
            calculator.clear(key == u'C' ? ClearScope::All : ClearScope::WorkArea);
        else
            calculator.keyDown(key == u'x' ? QChar(u'*') : key); // presses the operator key
        QVERIFY2(surface.focused, qPrintable(QStringLiteral("focus not given back after ") + key));
    }
}

void tst_Calculator::clickedKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QStringList>("phrases");

    // Number entry.
    QTest::newRow("leading zeros stay") << "007"
                                        << "007"
                                        << "" << QStringList { "zero", "zero", "seven" };
    QTest::newRow("ninth digit refused")
        << "123456789"
        << "12345678"
        << "" << QStringList { "one", "two", "three", "four", "five", "six", "seven", "eight" };
    QTest::newRow("sign counts as a character")
        << "-12345678"
        << "-1234567"
        << "" << QStringList { "negative", "one", "two", "three", "four", "five", "six", "seven" };
    QTest::newRow("leading point") << ".5"
                                   << ".5"
                                   << "" << QStringList { "point", "five" };
    QTest::newRow("second point refused")
        << "5.."
        << "5."
        << "" << QStringList { "five", "point", "decimal point already included" };
    QTest::newRow("second number replaces the first")
        << "1+2"
        << "2"
        << "1\n+ " << QStringList { "one", "plus", "two" };
    QTest::newRow("sign of the second number")
        << "1+-2"
        << "-2"
        << "1\n+ " << QStringList { "one", "plus", "negative", "two" };

    // Operators and equals.
    QTest::newRow("one calculation")
        << "12+3="
        << "15"
        << "12\n+ 3\n---\n15\n\n"
        << QStringList { "one", "two", "plus", "three", "equals", "~15" };
    QTest::newRow("operand taken twice") << "5+="
                                         << "10"
                                         << "5\n+ 5\n---\n10\n\n"
                                         << QStringList { "five", "plus", "equals", "~10" };
    QTest::newRow("square") << "5x="
                            << "25"
                            << "5\nx 5\n---\n25\n\n"
                            << QStringList { "five", "times", "equals", "~25" };
    QTest::newRow("divide by itself") << "5/="
                                      << "1"
                                      << "5\n/ 5\n--\n1\n\n"
                                      << QStringList { "five", "divide by", "equals", "~1" };
    QTest::newRow("minus empties the display") << "5-="
                                               << "5"
                                               << "5\n- --\n5\n\n"
                                               << QStringList { "five", "minus", "equals", "~5" };
    QTest::newRow("equals at start") << "="
                                     << "0"
                                     << "0\n+ 0\n--\n0\n\n"
                                     << QStringList { "equals", "~0" };
    QTest::newRow("number and equals twice")
        << "7=="
        << "7"
        << "7\n+ 0\n--\n7\n\n7\n+ 0\n--\n7\n\n"
        << QStringList { "seven", "equals", "~7", "equals", "~7" };
    QTest::newRow("negative first number")
        << "-5+3="
        << "-2"
        << "-5\n+ 3\n---\n-2\n\n"
        << QStringList { "negative", "five", "plus", "three", "equals", "~-2" };
    QTest::newRow("minus a negative number")
        << "5--3="
        << "8"
        << "5\n- -3\n--\n8\n\n"
        << QStringList { "five", "minus", "negative", "three", "equals", "~8" };
    QTest::newRow("operators do not chain")
        << "1+2+3="
        << "24"
        << "1\n+ 23\n---\n24\n\n"
        << QStringList { "one", "plus", "two", "three", "equals", "~24" };
    QTest::newRow("ignored plus makes minus subtract")
        << "+-5="
        << "-5"
        << "\n- 5\n---\n-5\n\n"
        << QStringList { "minus", "five", "equals", "~-5" };
    QTest::newRow("division by zero")
        << "5/0="
        << "Infinity"
        << "5\n/ 0\n---------\nInfinity\n\n"
        << QStringList { "five", "divide by", "zero", "INFINITY", "~equals", "~Infinity" };
    QTest::newRow("zero by zero") << "0/0="
                                  << "Not a number"
                                  << "0\n/ 0\n-------------\nNot a number\n\n"
                                  << QStringList { "zero", "divide by", "zero", "INFINITY",
                                         "~equals", "~Not a number" };
    QTest::newRow("no binary noise")
        << ".1+.2="
        << "0.3"
        << ".1\n+ .2\n----\n0.3\n\n"
        << QStringList { "point", "one", "plus", "point", "two", "equals", "~0.3" };
    QTest::newRow("sign alone reads as zero")
        << "1+-="
        << "1"
        << "1\n+ -\n--\n1\n\n"
        << QStringList { "one", "plus", "negative", "equals", "~1" };

    // After a result.
    QTest::newRow("result carries into the next calculation")
        << "12+3=-5="
        << "10"
        << "12\n+ 3\n---\n15\n\n15\n- 5\n---\n10\n\n"
        << QStringList { "one", "two", "plus", "three", "equals", "~15", "minus", "five", "equals",
               "~10" };
    QTest::newRow("digit replaces the result")
        << "2+2=7"
        << "7"
        << "2\n+ 2\n--\n4\n\n"
        << QStringList { "two", "plus", "two", "equals", "~4", "seven" };
    QTest::newRow("point starts a new number")
        << "2+2=."
        << "."
        << "2\n+ 2\n--\n4\n\n"
        << QStringList { "two", "plus", "two", "equals", "~4", "point" };
    QTest::newRow("point refused by a result with a point")
        << "5/2=."
        << "2.5"
        << "5\n/ 2\n----\n2.5\n\n"
        << QStringList { "five", "divide by", "two", "equals", "~2.5",
               "decimal point already included" };
    QTest::newRow("digit after a refused point replaces the result")
        << "5/2=.7"
        << "7"
        << "5\n/ 2\n----\n2.5\n\n"
        << QStringList { "five", "divide by", "two", "equals", "~2.5",
               "decimal point already included", "seven" };
    QTest::newRow("point silent after a long result")
        << "1/3=."
        << "0.3333333333"
        << "1\n/ 3\n-------------\n0.3333333333\n\n"
        << QStringList { "one", "divide by", "three", "equals", "~0.3333333333" };
    QTest::newRow("digit replaces a long result")
        << "1/3=4"
        << "4"
        << "1\n/ 3\n-------------\n0.3333333333\n\n"
        << QStringList { "one", "divide by", "three", "equals", "~0.3333333333", "four" };

    // Clearing.
    QTest::newRow("clear work area keeps the transcript")
        << "5xc"
        << ""
        << "5\nx " << QStringList { "five", "times", "clear work area" };
    QTest::newRow("clear all empties the transcript")
        << "12+3=C"
        << ""
        << "" << QStringList { "one", "two", "plus", "three", "equals", "~15", "clear all" };
    QTest::newRow("equals after a clear adds zeros")
        << "5c="
        << "0"
        << "0\n+ 0\n--\n0\n\n"
        << QStringList { "five", "clear work area", "equals", "~0" };
}

void tst_Calculator::clickedKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, transcript);
    QFETCH(QStringList, phrases);

    click(keys);
    QCOMPARE(surface.display, display);
    QCOMPARE(surface.transcript, transcript);
    QCOMPARE(surface.phrases, phrases);
}

// The two clear keys leave no operator behind, so what follows is a fresh calculation.
void tst_Calculator::clearsForgetThePendingOperator_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("times, clear work area")
        << "5xc3="
        << "3"
        << "5\nx 3\n+ 0\n--\n3\n\n"
        << QStringList { "five", "times", "clear work area", "three", "equals", "~3" };
    QTest::newRow("times, clear all")
        << "5xC3="
        << "3"
        << "3\n+ 0\n--\n3\n\n"
        << QStringList { "five", "times", "clear all", "three", "equals", "~3" };
    QTest::newRow("divide, clear, zero: no division by zero")
        << "5/c0="
        << "0"
        << "5\n/ 0\n+ 0\n--\n0\n\n"
        << QStringList { "five", "divide by", "clear work area", "zero", "equals", "~0" };
}

void tst_Calculator::clearsForgetThePendingOperator()
{
    clickedKeys();
    QVERIFY(state.sOperation.isEmpty());
}

void tst_Calculator::stateAfterKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("dPri");
    QTest::addColumn<QString>("sOperation");
    QTest::addColumn<bool>("bOperationSelected");
    QTest::addColumn<bool>("bSetForSec");
    QTest::addColumn<bool>("bComputationComplete");
    QTest::addColumn<bool>("bClear");
    QTest::addColumn<bool>("bInitialClick");

    QTest::newRow("start") << "" << 0.0 << "" << false << false << false << true << true;
    QTest::newRow("first number") << "12" << 0.0 << "" << false << false << false << false << false;
    QTest::newRow("point keeps bClear")
        << "." << 0.0 << "" << false << false << false << true << false;
    QTest::newRow("sign keeps bClear")
        << "-" << 0.0 << "" << false << false << false << true << false;
    QTest::newRow("ignored operator")
        << "+" << 0.0 << "" << false << false << false << true << false;
    QTest::newRow("operator pending")
        << "12x" << 12.0 << "*" << true << true << false << false << false;
    QTest::newRow("second number")
        << "12x3" << 12.0 << "*" << true << false << false << false << false;
    QTest::newRow("result shown") << "12x3=" << 36.0 << "" << false << false << true << false
                                  << true;
    QTest::newRow("operator after a result")
        << "12x3=/" << 36.0 << "/" << true << true << false << false << false;
    QTest::newRow("cleared") << "12x3c" << 0.0 << "" << false << false << false << true << true;
    QTest::newRow("full display keeps clearing flags")
        << "12345678+9" << 12345678.0 << "+" << true << false << false << false << false;
}

void tst_Calculator::stateAfterKeys()
{
    QFETCH(QString, keys);
    click(keys);
    QTEST(state.dPri, "dPri");
    QTEST(state.sOperation, "sOperation");
    QTEST(state.bOperationSelected, "bOperationSelected");
    QTEST(state.bSetForSec, "bSetForSec");
    QTEST(state.bComputationComplete, "bComputationComplete");
    QTEST(state.bClear, "bClear");
    QTEST(state.bInitialClick, "bInitialClick");
    QCOMPARE(state.dSec, 0.0);
    QCOMPARE(state.dResult, 0.0);
}

// Typed keys, the display taking those that the calculator leaves to it. A screen reader echoes
// typed keys itself; what only the calculator knows is still said, and the switch silences echoes.
void tst_Calculator::typedKeysSpoken_data()
{
    QTest::addColumn<bool>("speakKeys");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("phrases");

    // clang-format off
    QTest::newRow("echoed")                  << true  << false << "1+2=" << QStringList { "~1", "plus", "~2", "equals", "~3" };
    QTest::newRow("reader: result only")     << true  << true  << "1+2=" << QStringList { "~3" };
    QTest::newRow("reader: sign and point")  << true  << true  << "-1.." << QStringList { "negative", "decimal point is already included" };
    QTest::newRow("reader: division by zero") << true << true  << "5/0=" << QStringList { "INFINITY", "~Infinity" };
    QTest::newRow("switch off")              << false << false << "-5/0=" << QStringList { "~-Infinity" };
    // clang-format on
}

void tst_Calculator::typedKeysSpoken()
{
    QFETCH(bool, speakKeys);
    QFETCH(bool, screenReader);
    QFETCH(QString, keys);
    QFETCH(QStringList, phrases);

    state.bSpeech = speakKeys;
    surface.screenReader = screenReader;
    for (QChar key : keys) {
        if (!calculator.keyDown(key))
            surface.display += key;
    }
    QCOMPARE(surface.phrases, phrases);
}

void tst_Calculator::typedKeysLeaveInitialClick()
{
    QVERIFY(!calculator.keyDown(u'5'));
    surface.display = QStringLiteral("5");
    QVERIFY(!calculator.keyDown(QChar(8)));
    surface.display.clear();
    QVERIFY(state.bInitialClick);
    QVERIFY(calculator.keyDown(u'-'));
    QCOMPARE(surface.display, QStringLiteral("-"));
    QCOMPARE(surface.phrases, QStringList({ "~5", "~\b", "negative" }));
}

void tst_Calculator::onlyEqualsScrolls()
{
    click(QStringLiteral("12+3c4-5"));
    QCOMPARE(surface.scrolls, 0);
    click(QStringLiteral("="));
    QCOMPARE(surface.scrolls, 1);
}

QTEST_APPLESS_MAIN(tst_Calculator)
#include "tst_Calculator.moc"
