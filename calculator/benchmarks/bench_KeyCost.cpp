// Prints what one key press and one "=" cost in the real window, with 10, 1,000 and 10,000
// calculations already in the transcript.

#include "calculator/wMain.h"
#include "program/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int calculations = 10'000;
constexpr int sampleWindow = 10; // calculations measured before each checkpoint
const QList<int> checkpoints = { 10, 1'000, 10'000 };

double medianMicroseconds(QList<qint64> nanoseconds)
{
    std::ranges::sort(nanoseconds);
    return nanoseconds.at(nanoseconds.size() / 2) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    mGlobals.sTheFont = QStringLiteral("Geneva");

    wMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.Timer1_Action();
    const auto key = [&](int number) {
        return window.findChild<QPushButton *>(QStringLiteral("PushButton%1").arg(number));
    };
    // 12 + 34 =
    const QList<QPushButton *> keys = { key(2), key(3), key(15), key(4), key(5) };
    QPushButton *equals = key(11);

    std::printf("%12s %14s %14s\n", "calculations", "key (us)", "= (us)");
    QList<qint64> keyCosts;
    QList<qint64> equalsCosts;
    QList<double> keyMedians;
    QList<double> equalsMedians;
    QElapsedTimer timer;
    for (int done = 1; done <= calculations; ++done) {
        for (QPushButton *button : keys) {
            timer.start();
            QTest::mouseClick(button, Qt::LeftButton);
            keyCosts.append(timer.nsecsElapsed());
        }
        timer.start();
        QTest::mouseClick(equals, Qt::LeftButton);
        equalsCosts.append(timer.nsecsElapsed());

        if (checkpoints.contains(done)) {
            keyMedians.append(medianMicroseconds(keyCosts.last(sampleWindow * keys.size())));
            equalsMedians.append(medianMicroseconds(equalsCosts.last(sampleWindow)));
            std::printf("%12d %14.1f %14.1f\n", done, keyMedians.last(), equalsMedians.last());
        }
    }
    std::printf("ratio 10,000 / 10: key %.2f, = %.2f (target at most 1.2; key under 1000 us)\n",
        keyMedians.last() / keyMedians.first(), equalsMedians.last() / equalsMedians.first());
    return 0;
}
