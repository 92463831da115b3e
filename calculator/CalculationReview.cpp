#include "calculator/CalculationReview.h"

#include "calculator/CalculationWords.h"
#include "calculator/NumberText.h"
#include "calculator/Phrases.h"
#include "speech/SpeechFilter.h"

#include <cmath>

CalculationReview::CalculationReview(
    CalculatorState &state, CalculatorSurface &surface, CalculationHistory &history)
    : state(state)
    , surface(surface)
    , history(history)
{ }

void CalculationReview::sayDisplay()
{
    const QString display = surface.displayText();
    answer(display.isEmpty() ? Phrases::displayEmpty() : spokenNumber(display, readingFor(state)));
}

void CalculationReview::sayLastCalculation()
{
    // Built from what "=" computed, never from the tape, whose lines a clear may have left
    // half-written.
    const Calculation *newest = history.newest();
    answer(newest                         ? calculationInWords(*newest, readingFor(state))
            : surface.transcriptIsEmpty() ? Phrases::transcriptEmpty()
                                          : Phrases::noCalculationYet());
}

void CalculationReview::sayCalculationSoFar()
{
    if (!state.bOperationSelected)
        return sayDisplay();
    // Until its first digit, the second number shows only as a sign.
    const QString display = surface.displayText();
    const bool secondStarted = !state.bSetForSec || display == negativeSign;
    answer(calculationSoFarInWords(
        state.dPri, *state.sOperation, secondStarted ? display : QString(), readingFor(state)));
}

void CalculationReview::previous()
{
    step(/*back*/ true);
}

void CalculationReview::next()
{
    step(/*back*/ false);
}

void CalculationReview::step(bool back)
{
    if (history.size() == 0)
        return answer(Phrases::noCalculationYet());
    const bool moved = back ? history.stepBack() : history.stepForward();
    const int number = history.heardNumber();
    if (!moved)
        return answer((back ? Phrases::firstCalculation() : Phrases::lastCalculation())
                          .arg(number)
                          .arg(history.size()));
    answer(Phrases::calculationAt()
               .arg(number)
               .arg(history.size())
               .arg(calculationInWords(*history.heard(), readingFor(state))));
}

void CalculationReview::useResult()
{
    const Calculation *heard = history.heard();
    if (!heard)
        return answer(Phrases::noCalculationYet());
    if (!std::isfinite(heard->result))
        return answer(Phrases::resultNotANumber());
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
    // Said beside a screen reader too, which reads what a command puts into the focused field
    // only at times.
    answer(spokenNumber(result, readingFor(state)));
    surface.focusDisplay();
}
