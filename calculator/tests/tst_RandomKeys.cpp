#include "calculator/NumberText.h"
#include "calculator/wMain.h"

#include "WindowTesting.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <memory>

// Random keys, clicked and typed, with the calculator's invariants checked after each.
class tst_RandomKeys : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHold();
};

namespace {

constexpr int keyCount = 100'000;

const QString typedKeys = QStringLiteral("0123456789.+-*/=x, a\b\t\r\x03\x1b\x1c\x1d\x1e\x1f\x7f");
const QStringList pastedTexts = { "42", "-1.5", "abc", "123456789", ".", "7" };

QString invariantBroken(const CalculatorState &state, const QString &display)
{
    static const QStringList operations = { "", "+", "-", "*", "/" };
    if (!operations.contains(state.sOperation))
        return QStringLiteral("sOperation is ") + state.sOperation;
    if (state.bSetForSec && !state.bOperationSelected)
        return QStringLiteral("bSetForSec without bOperationSelected");
    if (state.bComputationComplete && (state.bSetForSec || state.bOperationSelected))
        return QStringLiteral("bComputationComplete with an operator pending");
    if (state.bOperationSelected && state.sOperation.isEmpty())
        return QStringLiteral("bOperationSelected without sOperation");
    if (state.dSec != 0 || state.dResult != 0)
        return QStringLiteral("dSec or dResult not 0");
    // Entries stay within 8 characters and one point; only a result may be longer.
    const bool entry = display.size() <= 8 && display.count(u'.') <= 1;
    if (!entry && display != numberText(numberValue(display)))
        return QStringLiteral("display holds ") + display;
    return {};
}

} // namespace

void tst_RandomKeys::invariantsHold()
{
    resetProgramValues();
    RecordingSpeech speech;
    wMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Timer1_Action();
    auto *display = window.findChild<QLineEdit *>(QStringLiteral("efDisplay"));
    QList<QPushButton *> keys;
    for (int number = 1; number <= 18; ++number)
        keys.append(window.findChild<QPushButton *>(QStringLiteral("PushButton%1").arg(number)));

    // A failure names its seed; RANDOM_KEYS_SEED replays it.
    const quint32 seed = qEnvironmentVariableIsSet("RANDOM_KEYS_SEED")
        ? qEnvironmentVariable("RANDOM_KEYS_SEED").toUInt()
        : QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    QString history;
    for (int i = 0; i < keyCount; ++i) {
        const int kind = random.bounded(100);
        if (kind < 50) {
            const int index = random.bounded(keys.size());
            keys[index]->click();
            history += QStringLiteral(" B%1").arg(index + 1);
        } else if (kind < 97) {
            const QChar key = typedKeys.at(random.bounded(typedKeys.size()));
            typeKeys(display, key);
            history += QStringLiteral(" T%1").arg(key.unicode());
        } else {
            QGuiApplication::clipboard()->setText(
                pastedTexts.at(random.bounded(pastedTexts.size())));
            QTest::keyClick(display, Qt::Key_V, Qt::ControlModifier);
            history += QStringLiteral(" paste");
        }
        history = history.right(200); // the last keys, to report a failure
        speech.clear();

        const QString broken = invariantBroken(mGlobals, display->text());
        QVERIFY2(broken.isEmpty(), qPrintable(broken + QStringLiteral(" after") + history));
        QVERIFY2(window.focusWidget() == display,
            qPrintable(QStringLiteral("focus lost after") + history));
    }
}

QTEST_MAIN(tst_RandomKeys)
#include "tst_RandomKeys.moc"
