#include "calculator/Calculator.h"

#include "calculator/CalculationWords.h"
#include "calculator/NumberText.h"
#include "calculator/Operators.h"
#include "calculator/Phrases.h"
#include "speech/SpeechFilter.h"

namespace {

constexpr qsizetype entryLimit = 8;
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
        return Phrases::nothingToPaste();
    if (entry.size() > entryLimit)
        return Phrases::pasteTooLong();
    return isNumberEntry(entry) || (deletion && entry.isEmpty()) ? QString()
                                                                 : Phrases::pasteNotANumber();
}

PhraseKind echoOf(KeyOrigin origin)
{
    return origin == KeyOrigin::Typed ? PhraseKind::TypedEcho : PhraseKind::ClickEcho;
}

// A key's own word, which cuts off whatever the program is still saying.
void echo(PhraseKind kind, const QString &phrase)
{
    speak(kind, { phrase }, Interrupt::Yes, Importance::Echo);
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
        echo(PhraseKind::ClickEcho, Phrases::digit(value));
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
            echo(PhraseKind::ClickEcho, Phrases::point());
            replaceResult();
            surface.setDisplayText(surface.displayText() + pointCharacter);
        } else { // a warning, to be heard as every warning is
            speak(PhraseKind::ClickEcho, { Phrases::pointAlreadyIncluded() }, Interrupt::Yes,
                Importance::Essential);
        }
    }
    finishKey();
}

void Calculator::clear(ClearScope scope)
{
    echo(PhraseKind::ClickEcho,
        scope == ClearScope::All ? Phrases::clearAll() : Phrases::clearWorkArea());
    state.reset();
    // Unlike the window's opening, a clear also forgets the pending operator: otherwise "5",
    // "x", clear, "3", "=" would compute 0 x 3.
    state.sOperation.reset();
    if (scope == ClearScope::All) {
        surface.clearTranscript();
        calculations.clear();
    }
    surface.setDisplayText({});
    surface.focusDisplay();
}

void Calculator::operatorKey(Operator op, KeyOrigin origin)
{
    if (op == Operator::Minus)
        minus(origin);
    else
        arithmeticOperator(op, origin);
    finishKey();
}

bool Calculator::keyDown(QChar key)
{
    if (key == u'=' || operatorTyped(key)) {
        pressTyped(key);
        return true;
    }
    preClear();
    const QString display = surface.displayText();
    if (display.size() >= entryLimit)
        return true;
    if (isTypedEditingKey(key)) {
        speak(PhraseKind::TypedEcho, { QString(key) }, Interrupt::No, Importance::Echo);
        state.bClear = false;
        return false;
    }
    if (key == pointCharacter) {
        if (!display.contains(pointCharacter)) {
            speak(PhraseKind::TypedEcho, { Phrases::point() }, Interrupt::No, Importance::Echo);
            state.bClear = false;
            return false;
        }
        speak(PhraseKind::ClickEcho, { Phrases::typedPointAlreadyIncluded() }, Interrupt::Yes,
            Importance::Essential);
    }
    return true;
}

// As its on-screen key would, which does nothing while the keys are still disabled.
void Calculator::pressTyped(QChar key)
{
    if (!surface.keysEnabled())
        return;
    if (const std::optional<Operator> op = operatorTyped(key))
        operatorKey(*op, KeyOrigin::Typed);
    else
        equals(KeyOrigin::Typed);
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
        answer(refusal);
        return false;
    }
    preClear();
    state.bClear = false;
    surface.setDisplayText(entry);
    return true;
}

void Calculator::arithmeticOperator(Operator op, KeyOrigin origin)
{
    const QString display = surface.displayText();
    if (state.bOperationSelected || display.isEmpty())
        return;
    state.bOperationSelected = true;
    state.bSetForSec = true;
    state.bComputationComplete = false;
    echo(echoOf(origin), traitsOf(op).keyWord());
    state.sOperation = op;
    state.dPri = numberValue(display);
    appendOperand(display, op);
}

void Calculator::minus(KeyOrigin origin)
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
        echo(echoOf(origin), traitsOf(Operator::Minus).keyWord());
        state.sOperation = Operator::Minus;
        state.dPri = numberValue(display);
        appendOperand(display, Operator::Minus);
        surface.setDisplayText({});
    } else if (state.bSetForSec) {
        enterSign(); // of the second number, before any of its digits
    }
}

void Calculator::enterSign()
{
    // Typed or clicked, only the program knows that the minus became a sign.
    echo(PhraseKind::ClickEcho, Phrases::negative());
    surface.setDisplayText(negativeSign);
    surface.placeInsertionPointAfterSign();
}

void Calculator::equals(KeyOrigin origin)
{
    state.bComputationComplete = true;
    const QString display = surface.displayText();
    const Operands operands = chooseOperands(display);
    const Calculation calculation = compute(operands);
    calculations.add(calculation);
    state.sOperation.reset();
    state.bOperationSelected = false;
    state.bSetForSec = false;

    const QString result = numberText(calculation.result);
    writeCalculation(display, operands, result);
    surface.setDisplayText(result);
    sayResult(calculation, result, origin);

    state.dPri = state.dResult;
    state.dSec = 0;
    state.dResult = 0;
    state.bInitialClick = true;
    surface.focusDisplay();
}

Calculator::Operands Calculator::chooseOperands(const QString &display)
{
    if (state.bClear) {
        // Nothing entered since the start or a clear: 0 + 0, whatever the display shows.
        state.dPri = 0;
        state.sOperation = Operator::Plus;
        state.dSec = 0;
        return Operands::NothingEntered;
    }
    if (state.sOperation) {
        state.dSec = numberValue(display);
        return Operands::AsEntered;
    }
    // A number alone is that number plus 0; an empty display keeps the first operand.
    if (!display.isEmpty())
        state.dPri = numberValue(display);
    state.sOperation = Operator::Plus;
    state.dSec = 0;
    return Operands::NumberPlusZero;
}

Calculation Calculator::compute(Operands operands)
{
    // With nothing entered, the result stays the 0 it holds between keys.
    if (operands != Operands::NothingEntered)
        state.dResult = traitsOf(*state.sOperation).apply(state.dPri, state.dSec);
    return { state.dPri, *state.sOperation, state.dSec, state.dResult };
}

void Calculator::writeCalculation(const QString &display, Operands operands, const QString &result)
{
    QString lines = display.isEmpty() ? QString() : display + lineBreak;
    if (operands == Operands::NothingEntered)
        lines += QStringLiteral("0\n+ 0\n");
    else if (operands == Operands::NumberPlusZero)
        lines += QStringLiteral("+ 0\n");
    // The rule is one dash longer than the result.
    lines += QString(result.size() + 1, u'-') + lineBreak + result + lineBreak + lineBreak;
    surface.appendToTranscript(lines);
    surface.scrollTranscriptToEnd();
}

// The warning, then "equals", then the result: one utterance, so that none cuts off another.
// Either word before the result cuts off the speech of the key before; the result alone, with
// the words unheard, follows it.
void Calculator::sayResult(const Calculation &calculation, const QString &result, KeyOrigin origin)
{
    QList<Spoken> phrases;
    if (calculation.operation == Operator::Divide && calculation.second == 0)
        phrases.append({ PhraseKind::ClickEcho, Phrases::divisionByZero() });
    phrases.append({ echoOf(origin), Phrases::equals() });
    phrases.append({ PhraseKind::Answer, spokenNumber(result, readingFor(state)) });
    speak(phrases, Interrupt::Yes, Importance::Essential);
}

void Calculator::startSecondNumber()
{
    if (!state.bSetForSec)
        return;
    if (surface.displayText() != negativeSign)
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
    const bool emptied
        = (state.bSetForSec && display != negativeSign) || state.bComputationComplete;
    return emptied ? QString() : display;
}

void Calculator::appendOperand(const QString &display, Operator op)
{
    surface.appendToTranscript(display + lineBreak + traitsOf(op).tapeTag);
}

void Calculator::finishKey()
{
    state.bInitialClick = false;
    surface.focusDisplay();
}
