#include "calculator/Calculator.h"

#include "calculator/NumberText.h"
#include "calculator/Phrases.h"

#include <cmath>
#include <utility>

namespace {

constexpr qsizetype entryLimit = 8;
const QString sign = QStringLiteral("-");
const QChar pointCharacter = u'.';
const QString lineBreak = QStringLiteral("\n");

bool isTypedEditingKey(QChar key)
{
    return (key >= u'0' && key <= u'9') || key.unicode() < 32 || key.unicode() == 127;
}

// Why a pasted text, or a deletion, is refused; nothing when the entry it makes is taken. A
// deletion may leave the display empty, as Backspace may.
QString refusalOf(const QString &text, const QString &entry, bool deletion)
{
    if (text.isEmpty() && !deletion)
        return Phrases::nothingToPaste;
    if (entry.size() > entryLimit)
        return Phrases::pasteTooLong;
    return isNumberEntry(entry) || (deletion && entry.isEmpty()) ? QString()
                                                                 : Phrases::pasteNotANumber;
}

double compute(const QString &operation, double first, double second)
{
    if (operation == u"-")
        return first - second;
    if (operation == u"*")
        return first * second;
    if (operation == u"/")
        return first / second;
    return first + second;
}

} // namespace

Calculator::Calculator(CalculatorState &state, CalculatorSurface &surface)
    : state(state)
    , surface(surface)
{ }

void Calculator::digit(int value)
{
    startSecondNumber();
    state.bClear = false;
    replaceResult();
    const QString display = surface.displayText();
    if (display.size() < entryLimit) {
        echo(Phrases::digits.at(value));
        surface.setDisplayText(display + QChar(u'0' + value));
    }
    finishKey();
}

void Calculator::point()
{
    startSecondNumber();
    // Both tests look at the display before a result is cleared away.
    const QString display = surface.displayText();
    if (display.size() < entryLimit) {
        if (!display.contains(pointCharacter)) {
            echo(Phrases::point);
            replaceResult();
            surface.setDisplayText(surface.displayText() + pointCharacter);
        } else {
            echo(Phrases::pointAlreadyIncluded);
        }
    }
    finishKey();
}

void Calculator::clear(ClearScope scope)
{
    echo(scope == ClearScope::All ? Phrases::clearAll : Phrases::clearWorkArea);
    state.reset();
    // Unlike the window's opening, a clear also forgets the pending operator: otherwise "5",
    // "x", clear, "3", "=" would compute 0 x 3.
    state.sOperation.clear();
    if (scope == ClearScope::All) {
        surface.clearTranscript();
        calculations.clear();
    }
    surface.setDisplayText({});
    surface.focusDisplay();
}

void Calculator::operatorKey(OperatorKey key)
{
    switch (key) {
    case OperatorKey::Plus:
        arithmeticOperator(QStringLiteral("+"), Phrases::plus);
        break;
    case OperatorKey::Times:
        arithmeticOperator(QStringLiteral("*"), Phrases::times);
        break;
    case OperatorKey::Divide:
        arithmeticOperator(QStringLiteral("/"), Phrases::divideBy);
        break;
    case OperatorKey::Minus:
        minus();
        break;
    case OperatorKey::Equals:
        equals();
        return; // "=" finishes on its own terms
    }
    finishKey();
}

bool Calculator::keyDown(QChar key)
{
    static constexpr std::pair<char16_t, OperatorKey> operatorCharacters[] = {
        { u'+', OperatorKey::Plus },
        { u'-', OperatorKey::Minus },
        { u'*', OperatorKey::Times },
        { u'/', OperatorKey::Divide },
        { u'=', OperatorKey::Equals },
    };
    for (const auto &[character, operatorKey] : operatorCharacters) {
        if (key == character) {
            keyTyped = true;
            surface.press(operatorKey);
            keyTyped = false;
            return true;
        }
    }

    preClear();
    const QString display = surface.displayText();
    if (display.size() >= entryLimit)
        return true;
    if (isTypedEditingKey(key)) {
        if (echoes(/*typed*/ true))
            surface.speak({ QString(key) }, Interrupt::No, Importance::Echo);
        state.bClear = false;
        return false;
    }
    if (key == pointCharacter) {
        if (!display.contains(pointCharacter)) {
            if (echoes(/*typed*/ true))
                surface.speak({ Phrases::point }, Interrupt::No, Importance::Echo);
            state.bClear = false;
            return false;
        }
        if (state.bSpeech)
            surface.speak(
                { Phrases::typedPointAlreadyIncluded }, Interrupt::Yes, Importance::Essential);
    }
    return true;
}

bool Calculator::insertIntoDisplay(const QString &text, int position, int replaced)
{
    const bool deletion = text.isEmpty() && replaced > 0;
    const QString display = surface.displayText();
    QString entry = displayAfterPreClears();
    if (entry != display) {
        position = 0;
        replaced = 0;
    }
    entry.replace(position, replaced, text);
    if (const QString refusal = refusalOf(text, entry, deletion); !refusal.isEmpty()) {
        // Said beside a screen reader too: only the program knows why.
        surface.speak({ refusal }, Interrupt::Yes, Importance::Essential);
        return false;
    }
    preClear();
    state.bClear = false;
    surface.setDisplayText(entry);
    return true;
}

void Calculator::arithmeticOperator(const QString &symbol, const QString &phrase)
{
    const QString display = surface.displayText();
    if (state.bOperationSelected || display.isEmpty())
        return;
    state.bOperationSelected = true;
    state.bSetForSec = true;
    state.bComputationComplete = false;
    echo(phrase, keyTyped);
    state.sOperation = symbol;
    state.dPri = numberValue(display);
    appendOperand(display, symbol);
}

void Calculator::minus()
{
    const QString display = surface.displayText();
    if (!state.bOperationSelected && state.bInitialClick && display.isEmpty()) {
        state.bSetForSec = false;
        state.bComputationComplete = false;
        enterSign();
    } else if (!state.bOperationSelected) {
        // Subtraction takes an empty display as 0 and clears the display at once.
        state.bOperationSelected = true;
        state.bSetForSec = true;
        state.bComputationComplete = false;
        echo(Phrases::minus, keyTyped);
        state.sOperation = sign;
        state.dPri = numberValue(display);
        appendOperand(display, sign);
        surface.setDisplayText({});
    } else if (state.bSetForSec) {
        enterSign(); // of the second number, before any of its digits
    }
}

void Calculator::enterSign()
{
    echo(Phrases::negative);
    surface.setDisplayText(sign);
    surface.placeInsertionPointAfterSign();
}

void Calculator::equals()
{
    state.bComputationComplete = true;
    const QString display = surface.displayText();
    QString lines;
    if (!display.isEmpty())
        lines += display + lineBreak;

    if (state.bClear) {
        // Nothing entered since the start or a clear: 0 + 0, whatever the display shows.
        state.dPri = 0;
        state.sOperation = QStringLiteral("+");
        state.dSec = 0;
        lines += QStringLiteral("0\n+ 0\n");
    } else {
        if (!state.sOperation.isEmpty()) {
            state.dSec = numberValue(display);
        } else {
            if (!display.isEmpty())
                state.dPri = numberValue(display);
            state.sOperation = QStringLiteral("+");
            state.dSec = 0;
            lines += QStringLiteral("+ 0\n");
        }
        state.dResult = compute(state.sOperation, state.dPri, state.dSec);
    }
    calculations.add({ state.dPri, state.sOperation.front(), state.dSec, state.dResult });
    // The warning, then "equals", then the result: one utterance, so that none cuts off another.
    QStringList phrases;
    if (state.bSpeech && state.sOperation == u"/" && state.dSec == 0)
        phrases.append(Phrases::divisionByZero);

    state.sOperation.clear();
    state.bOperationSelected = false;
    state.bSetForSec = false;

    // The rule is one dash longer than the result.
    const QString result = numberText(state.dResult);
    lines += QString(result.size() + 1, u'-') + lineBreak + result + lineBreak + lineBreak;
    surface.appendToTranscript(lines);
    if (echoes(keyTyped))
        phrases.append(Phrases::equals);
    surface.scrollTranscriptToEnd();
    surface.setDisplayText(result);
    // The result is said even with echoes off. A warning or "equals" before it cuts off the
    // speech of the key before; the result alone follows it.
    const Interrupt interrupt = phrases.isEmpty() ? Interrupt::No : Interrupt::Yes;
    phrases.append(spokenNumber(surface.displayText(), numberReading()));
    surface.speak(phrases, interrupt, Importance::Essential);

    state.dPri = state.dResult;
    state.dSec = 0;
    state.dResult = 0;
    state.bInitialClick = true;
    surface.focusDisplay();
}

void Calculator::startSecondNumber()
{
    if (!state.bSetForSec)
        return;
    if (surface.displayText() != sign)
        surface.setDisplayText({});
    state.bSetForSec = false;
}

void Calculator::replaceResult()
{
    if (state.bComputationComplete && !surface.displayText().isEmpty()) {
        surface.setDisplayText({});
        state.bComputationComplete = false;
    }
}

void Calculator::preClear()
{
    startSecondNumber();
    replaceResult();
}

QString Calculator::displayAfterPreClears() const
{
    const QString display = surface.displayText();
    const bool emptied = (state.bSetForSec && display != sign) || state.bComputationComplete;
    return emptied ? QString() : display;
}

void Calculator::appendOperand(const QString &display, const QString &symbol)
{
    const QString tag = symbol == u"*" ? QStringLiteral("x ") : symbol + u' ';
    surface.appendToTranscript(display + lineBreak + tag);
}

void Calculator::echo(const QString &phrase, bool typed)
{
    if (echoes(typed))
        surface.speak({ phrase }, Interrupt::Yes, Importance::Echo);
}

bool Calculator::echoes(bool typed) const
{
    return state.bSpeech && !(typed && surface.screenReaderRunning());
}

void Calculator::finishKey()
{
    state.bInitialClick = false;
    surface.focusDisplay();
}

void Calculator::answer(const QString &phrase)
{
    surface.speak({ phrase }, Interrupt::Yes, Importance::Essential);
}

NumberReading Calculator::numberReading() const
{
    return state.bDigitsSingly ? NumberReading::DigitsSingly : NumberReading::Whole;
}

void Calculator::sayDisplay()
{
    const QString display = surface.displayText();
    answer(display.isEmpty() ? Phrases::displayEmpty : spokenNumber(display, numberReading()));
}

void Calculator::sayLastCalculation()
{
    // Built from what "=" computed, never from the tape, whose lines a clear may have left
    // half-written.
    const Calculation *newest = calculations.newest();
    answer(newest                         ? calculationInWords(*newest, numberReading())
            : surface.transcriptIsEmpty() ? Phrases::transcriptEmpty
                                          : Phrases::noCalculationYet);
}

void Calculator::sayCalculationSoFar()
{
    if (!state.bOperationSelected)
        return sayDisplay();
    // Until its first digit, the second number shows only as a sign.
    const QString display = surface.displayText();
    const QString secondSoFar = !state.bSetForSec || display == sign ? display : QString();
    answer(calculationSoFarInWords(
        state.dPri, state.sOperation.front(), secondSoFar, numberReading()));
}

void Calculator::reviewPrevious()
{
    review(/*back*/ true);
}

void Calculator::reviewNext()
{
    review(/*back*/ false);
}

void Calculator::review(bool back)
{
    if (calculations.size() == 0)
        return answer(Phrases::noCalculationYet);
    const bool moved = back ? calculations.stepBack() : calculations.stepForward();
    const int number = calculations.heardNumber();
    if (!moved)
        return answer((back ? Phrases::firstCalculation : Phrases::lastCalculation)
                          .arg(number)
                          .arg(calculations.size()));
    answer(Phrases::calculationAt.arg(number)
               .arg(calculations.size())
               .arg(calculationInWords(*calculations.heard(), numberReading())));
}

void Calculator::useResult()
{
    const Calculation *heard = calculations.heard();
    if (!heard)
        return answer(Phrases::noCalculationYet);
    if (!std::isfinite(heard->result))
        return answer(Phrases::resultNotANumber);
    const QString result = numberText(heard->result);
    surface.setDisplayText(result);
    // Entered, as if typed: "=" no longer takes the display for nothing at all.
    state.bClear = false;
    state.bSetForSec = false;
    if (!state.bOperationSelected) {
        state.bComputationComplete = true;
        state.dPri = heard->result;
        state.bInitialClick = true;
    }
    // Beside a screen reader the display's new text is the reader's to say: it reads what a
    // command puts into the focused field, and the field as the focus comes back from a menu.
    if (!surface.screenReaderRunning())
        answer(spokenNumber(result, numberReading()));
    surface.focusDisplay();
}
