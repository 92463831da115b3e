#include "calculator/CalculationReview.h"
#include "calculator/CalculationWords.h"
#include "calculator/Calculator.h"
#include "calculator/NumberText.h"
#include "program/Globals.h"
#include "speech/ScreenReaderStatus.h"
#include "testing/RecordingSpeech.h"

#include <QtTest>

namespace {

// A display and a transcript without any window, running keys through the calculator, which
// speaks to the tests' recording service.
struct PlainSurface final : CalculatorSurface
{
    QString displayText() const override { return display; }
    void setDisplayText(const QString &text) override { display = text; }
    void placeInsertionPointAfterSign() override { }
    void appendToTranscript(const QString &text) override { transcript += text; }
    void clearTranscript() override { transcript.clear(); }
    bool transcriptIsEmpty() const override { return transcript.isEmpty(); }
    void scrollTranscriptToEnd() override { }
    void focusDisplay() override { focused = true; }
    bool keysEnabled() const override { return true; }

    // Clicks or types keys ("c", "C": the clear keys; "[text]" pastes at the end; "S", "P", "N",
    // "U", "L", "D": say so far, previous, next, use result, say last, say display). After each
    // key: the focus back, an operation pending just while selected, "=" operands at 0, entry or
    // number.
    void run(const QString &keys, bool typed)
    {
        static constexpr std::array commands = { &CalculationReview::sayCalculationSoFar,
            &CalculationReview::previous, &CalculationReview::next, &CalculationReview::useResult,
            &CalculationReview::sayLastCalculation, &CalculationReview::sayDisplay };
        const CalculatorState &state = mGlobals;
        for (qsizetype i = 0; i < keys.size() && !QTest::currentTestFailed(); ++i) {
            const QChar key = keys.at(i);
            const qsizetype command = QStringLiteral("SPNULD").indexOf(key);
            focused = typed || key == u'[' || key == u'|' || command >= 0;
            if (command >= 0) {
                (review.*commands[command])();
            } else if (key == u'|') {
                typed = !typed;
            } else if (key == u'[') {
                const qsizetype end = keys.indexOf(u']', i);
                if (!calculator.insertIntoDisplay(keys.mid(i + 1, end - i - 1), display.size(), 0))
                    speech.calls += "refused";
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
            } else if (key == u'=') {
                calculator.equals();
            } else {
                calculator.operatorKey(Operator(QStringLiteral("+-x/").indexOf(key)));
            }
            const bool entry = display.size() <= 8 && display.count(u'.') <= 1;
            QVERIFY(focused && state.dSec == 0 && state.dResult == 0
                && state.bOperationSelected == state.sOperation.has_value()
                && (state.bOperationSelected ? !state.bComputationComplete : !state.bSetForSec)
                && (entry || display == numberText(numberValue(display))));
        }
    }

    RecordingSpeech speech;
    Calculator calculator { mGlobals, *this };
    CalculationReview review { mGlobals, *this, calculator.history() };
    QString display, transcript;
    bool focused = false;
};

} // namespace

class tst_Calculator : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        // how (typed "t", "|" in keys switches; screen reader "r"; speech off "q"; digits singly
        // "d"), keys, then the display, transcript, what is said, words of the last calculation.
        QTest::addColumn<QStringList>("row");
        // clang-format off
        QTest::newRow("pasted")       << QStringList { "",    "2+2=[.5][]5[1.2][e5][12345][6]", ".5512345", "2\n+ 2\n--\n4\n\n", "!~two|!~plus|!~two|!equals 4|!nothing to paste|refused|!~five|!not pasted, not a number|refused|!not pasted, not a number|refused|!not pasted, more than 8 characters|refused", "2 plus 2 equals 4" };
        QTest::newRow("minus clears") << QStringList { "",    "5x=-=",       "25",       "5\nx 5\n---\n25\n\n25\n- ---\n25\n\n", "!~five|!~times|!equals 25|!~minus|!equals 25", "25 minus 0 equals 25" };
        QTest::newRow("sign, minus")  << QStringList { "",    "-=c+-5=",     "-5",       "-\n0\n+ 0\n--\n0\n\n\n- 5\n---\n-5\n\n", "!~negative|!equals 0|!~clear work area|!~minus|!~five|!equals -5", "0 minus 5 equals negative 5" };
        QTest::newRow("signs, chains") << QStringList { "",    "5--3+4=",     "39",       "5\n- -34\n---\n39\n\n", "!~five|!~minus|!~negative|!~three|!~four|!equals 39", "5 minus negative 34 equals 39" };
        QTest::newRow("second")       << QStringList { "",    "1+.5=+[9]=",  "10.5",     "1\n+ .5\n----\n1.5\n\n1.5\n+ 9\n-----\n10.5\n\n", "!~one|!~plus|!~point|!~five|!equals 1.5|!~plus|!equals 10.5", "1.5 plus 9 equals 10.5" };
        QTest::newRow("after a sign") << QStringList { "",    "1+-[9]=",     "-8",       "1\n+ -9\n---\n-8\n\n", "!~one|!~plus|!~negative|!equals -8", "1 plus negative 9 equals negative 8" };
        QTest::newRow("point anew")   << QStringList { "",    "5/2=.7=.",    ".",        "5\n/ 2\n----\n2.5\n\n7\n+ 0\n--\n7\n\n", "!~five|!~divide by|!~two|!equals 2.5|!decimal point already included|!~seven|!equals 7|!~point", "7 plus 0 equals 7" };
        QTest::newRow("clears, entry") << QStringList { "",    "5xC3=5xc=0123456789.", "01234567", "3\n+ 0\n--\n3\n\n5\nx 0\n+ 0\n--\n0\n\n", "!~five|!~times|!~clear all|!~three|!equals 3|!~five|!~times|!~clear work area|!equals 0|!~zero|!~one|!~two|!~three|!~four|!~five|!~six|!~seven", "0 plus 0 equals 0" };
        QTest::newRow("record")       << QStringList { "",    "2x3=C5xc3+4=", "7",        "5\nx 3\n+ 4\n--\n7\n\n", "!~two|!~times|!~three|!equals 6|!~clear all|!~five|!~times|!~clear work area|!~three|!~plus|!~four|!equals 7", "3 plus 4 equals 7" };
        QTest::newRow("cleared")      << QStringList { "",    "2x3=C5x",     "5",        "5\nx ", "!~two|!~times|!~three|!equals 6|!~clear all|!~five|!~times", "" };
        QTest::newRow("typed, full")  << QStringList { "t",   ".=123456789\b9", "12345678", ".\n+ 0\n--\n0\n\n", "~point|!equals 0|~1|~2|~3|~4|~5|~6|~7|~8", "0 plus 0 equals 0" };
        QTest::newRow("typed anew")   << QStringList { "t",   "5/2=.\b-",    "-",        "5\n/ 2\n----\n2.5\n\n", "~5|!~divide by|~2|!equals 2.5|~point|~\b|!~negative", "5 divided by 2 equals 2.5" };
        QTest::newRow("reader")       << QStringList { "r",   "2+|-1..=|/0=", "Infinity", "2\n+ -1.\n--\n1\n\n1\n/ 0\n---------\nInfinity\n\n", "!~two|!~plus|!~negative|!decimal point is already included|1|!~divide by|!~zero|!INFINITY equals Infinity", "1 divided by 0 equals Infinity" };
        QTest::newRow("quiet")        << QStringList { "tq",  "-5/0=",       "-Infinity", "-5\n/ 0\n----------\n-Infinity\n\n", "-Infinity", "negative 5 divided by 0 equals negative Infinity" };
        QTest::newRow("review")       << QStringList { "q",   "PL7x6=2+3=PPPNNU+1=", "6",        "7\nx 6\n---\n42\n\n2\n+ 3\n--\n5\n\n5\n+ 1\n--\n6\n\n", "!no calculation yet|!transcript empty|42|5|!calculation 2 of 2, 2 plus 3 equals 5|!calculation 1 of 2, 7 times 6 equals 42|!calculation 1 of 2 is the first|!calculation 2 of 2, 2 plus 3 equals 5|!calculation 2 of 2 is the last|!5|6", "5 plus 1 equals 6" };
        QTest::newRow("use, waiting") << QStringList { "q",   "9x9=50+U=N",  "131",      "9\nx 9\n---\n81\n\n50\n+ 81\n----\n131\n\n", "81|!81|131|!calculation 2 of 2 is the last", "50 plus 81 equals 131" };
        QTest::newRow("use after")    << QStringList { "",    "4/0=U2x3=cU=cU7=5..UCUPL", "",         "", "!~four|!~divide by|!~zero|!INFINITY equals Infinity|!not used, not a number|!~two|!~times|!~three|!equals 6|!~clear work area|!6|!equals 6|!~clear work area|!6|!~seven|!equals 7|!~five|!~point|!decimal point already included|!7|!~clear all|!no calculation yet|!no calculation yet|!transcript empty", "" };
        QTest::newRow("use, reader")  << QStringList { "r",   "6x7=1PU",     "42",       "6\nx 7\n---\n42\n\n", "!~six|!~times|!~seven|!equals 42|!~one|!calculation 1 of 1, 6 times 7 equals 42|!42", "6 times 7 equals 42" };
        QTest::newRow("so far")       << QStringList { "",    "S100-S-S7S=S", "107",      "100\n- -7\n----\n107\n\n", "!display empty|!~one|!~zero|!~zero|!~minus|!100 minus|!~negative|!100 minus negative|!~seven|!100 minus negative 7|!equals 107|!107", "100 minus negative 7 equals 107" };
        QTest::newRow("so far, x")    << QStringList { "qd",  ".5xSc[007]S", "007",      ".5\nx ", "!0 point 5 times|!0 0 7", "" };
        QTest::newRow("digits")       << QStringList { "qd",  "99999999x=C.0000001x=143.5x-2=DL", "-287",     ".0000001\nx .0000001\n------\n1e-14\n\n143.5\nx -2\n-----\n-287\n\n", "9 point 9 9 9 9 9 9 8 exponent 1 5|1 exponent negative 1 4|negative 2 8 7|!negative 2 8 7|!1 4 3 point 5 times negative 2 equals negative 2 8 7", "143.5 times negative 2 equals negative 287" };
        // clang-format on
    }

    void keys()
    {
        QFETCH(QStringList, row);
        mGlobals = {};
        mGlobals.bSpeech = !row[0].contains(u'q');
        mGlobals.bDigitsSingly = row[0].contains(u'd');
        screenReader().setRunning(row[0].contains(u'r'));
        PlainSurface surface;
        surface.run(row[1], row[0].contains(u't'));
        const Calculation *last = surface.calculator.history().newest();
        QCOMPARE(QStringList({ surface.display, surface.transcript, surface.speech.calls.join(u'|'),
                     last ? calculationInWords(*last, NumberReading::Whole) : QString() }),
            row.sliced(2));
    }

    void spokenInEachLanguage_data()
    {
        // The translation's language; "w" a number said whole, "d" digit by digit, "c" the
        // calculation 7 / -2 = -3.5 in words; then what the synthesiser is given.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("said");
        // clang-format off
        QTest::newRow("en")        << "en" << "w -3.5 1.5e-07 Infinity" << "-3.5 1.5e-07 Infinity";
        QTest::newRow("en, c")     << "en" << "c" << "7 divided by negative 2 equals negative 3.5";
        QTest::newRow("de")        << "de" << "w 3.5 -2 1.5e-07 -Infinity" << "3,5 negativ 2 1,5 mal zehn hoch negativ 07 negativ unendlich";
        QTest::newRow("de, d")     << "de" << "d -143.5 1.5e-07" << "negativ 1 4 3 Komma 5 1 Komma 5 Exponent negativ 0 7";
        QTest::newRow("de, c")     << "de" << "c" << "7 geteilt durch negativ 2 gleich negativ 3,5";
        QTest::newRow("fr")        << "fr" << "w 3.5 -2 1e+20 Not" << "3,5 négatif 2 1 fois dix puissance +20 pas un nombre";
        QTest::newRow("fr, d")     << "fr" << "d -2.5" << "négatif 2 virgule 5";
        QTest::newRow("es")        << "es" << "w 3.5 -2 1.5e-07 Infinity" << "3,5 negativo 2 1,5 por diez elevado a negativo 07 infinito";
        QTest::newRow("es, d")     << "es" << "d 1e+20" << "1 exponente 2 0";
        // clang-format on
    }

    // Numbers as each language writes them, for its synthesiser to read: decimals, negatives,
    // exponents, said whole or digit by digit; the display's own texts stay as they are.
    void spokenInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, number);
        QTranslator translation;
        QVERIFY(language == "en" || translation.load(":/i18n/numivox_" + language));
        QCoreApplication::installTranslator(&translation);
        QStringList said = number.replace("Not", "Not_a_number").split(' ');
        const auto reading
            = said.takeFirst() == "d" ? NumberReading::DigitsSingly : NumberReading::Whole;
        for (QString &text : said)
            text = spokenNumber(text.replace('_', ' '), reading);
        if (number == "c")
            said = QStringList { calculationInWords({ 7, Operator::Divide, -2, -3.5 }, reading) };
        QTEST(said.join(' '), "said");
    }

    // Number texts both ways, whatever the locale.
    void numbers()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QStringList texts;
        for (const double value :
            { -0.0, 9999999999.0, 9999999999.6, 12345678901.0, 1e-6, -2.5e-7, qQNaN() })
            texts.append(numberText(value));
        const QString shown = "0 9999999999 1e+10 1.23456789e+10 0.000001 -2.5e-07 Not a number";
        QCOMPARE(texts.join(u' '), shown);
        texts += QStringList { "-1e999", "1e-999" }; // beyond a double, as the arithmetic has it
        for (QString &text : texts) // each read back
            text = numberText(numberValue(text));
        QCOMPARE(texts.join(u' '), shown + " -Infinity 0");
    }
};

QTEST_GUILESS_MAIN(tst_Calculator)
#include "tst_Calculator.moc"
