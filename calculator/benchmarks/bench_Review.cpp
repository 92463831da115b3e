// Prints what a step through the calculations costs with 10 and with 100,000 of them kept, and
// the heap that keeping them takes, per calculation. The calculator runs without a window: the
// paper tape's own cost is bench_KeyCost's.

#include "calculator/CalculationReview.h"
#include "calculator/Calculator.h"
#include "program/Globals.h"
#include "speech/SpeechService.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {

constexpr int calculations = 100'000;
constexpr int stepsMeasured = 20'000;

// A voice that keeps the last phrases it was given.
struct LastWords final : SpeechService
{
    void speak(const QStringList &phrases, Interrupt, Importance) override { said = phrases; }
    QStringList said;
};

// A display that keeps only what the next key needs.
struct BareSurface final : CalculatorSurface
{
    QString displayText() const override { return display; }
    void setDisplayText(const QString &text) override { display = text; }
    void placeInsertionPointAfterSign() override { }
    void appendToTranscript(const QString &) override { }
    void clearTranscript() override { }
    bool transcriptIsEmpty() const override { return false; }
    void scrollTranscriptToEnd() override { }
    void focusDisplay() override { }
    bool keysEnabled() const override { return true; }

    Calculator calculator { mGlobals, *this };
    CalculationReview review { mGlobals, *this, calculator.history() };
    QString display;
};

void calculate(Calculator &calculator, int number)
{
    for (const QChar digit : QString::number(number))
        calculator.digit(digit.digitValue());
    calculator.operatorKey(Operator::Times);
    calculator.digit(7);
    calculator.equals();
}

// The median of single steps, back and forth between the newest two.
double medianStepMicroseconds(CalculationReview &review)
{
    std::vector<qint64> nanoseconds;
    QElapsedTimer timer;
    review.previous();
    for (int step = 0; step < stepsMeasured; ++step) {
        timer.start();
        step % 2 ? review.next() : review.previous();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::ranges::nth_element(nanoseconds, nanoseconds.begin() + stepsMeasured / 2);
    return nanoseconds[stepsMeasured / 2] / 1000.0;
}

// Allocated bytes, large blocks that malloc maps on their own included.
size_t heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

} // namespace

int main()
{
    LastWords voice;
    installSpeech(&voice);
    BareSurface surface;
    mGlobals.bSpeech = false;
    const size_t heapBefore = heapInUse();
    for (int done = 1; done <= 10; ++done)
        calculate(surface.calculator, done);
    const double fewSteps = medianStepMicroseconds(surface.review);
    for (int done = 11; done <= calculations; ++done)
        calculate(surface.calculator, done);
    const double grownBy = double(heapInUse() - heapBefore) / calculations;
    const double manySteps = medianStepMicroseconds(surface.review);

    std::printf("step at %d calculations: %.2f us\n", 10, fewSteps);
    std::printf("step at %d calculations: %.2f us (%s)\n", calculations, manySteps,
        qPrintable(voice.said.join(u' ')));
    std::printf("ratio %.2f (target at most 1.2); heap %.1f bytes per calculation kept (target at "
                "most 64)\n",
        manySteps / fewSteps, grownBy);
    return 0;
}
