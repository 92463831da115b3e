#include "accessibility/AccessibleTextFields.h"
#include "calculator/NumberText.h"
#include "calculator/wMain.h"
#include "program/Globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Random input through every channel a user or a tool has: keys clicked and typed, text pasted
// and dropped, what assistive technology writes and asks of the display and the transcript, and
// the menu commands. After each, the display holds a number entry or a result, the transcript has
// only grown (but for Clear All), and the focus is in the display. A failure names its seed,
// which RANDOM_INPUT_SEED replays.
class tst_RandomInput : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHold();
};

void tst_RandomInput::invariantsHold()
{
    installTextFieldAccessibility();
    wMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Timer1_Action();
    auto *display = window.findChild<QLineEdit *>();
    auto *transcript = window.findChild<QTextEdit *>();
    const QList<QPushButton *> keys = window.findChildren<QPushButton *>();
    const QStringList typedKeys
        = u"0 1 2 3 4 5 6 7 8 9 . + - * / = X , A Space Backspace Del Left "
          "Right Home End Tab Backtab Return Esc Ctrl+A Ctrl+C Ctrl+X Ctrl+Z"_s.split(u' ');
    CalculationReview &review = window.reviewCommands();
    const QList<std::function<void()>> commands = { [&] { window.clearWorkArea(); },
        [&] { window.clearAll(); }, [&] { window.copyTranscript(); },
        [&] { review.sayCalculationSoFar(); }, [&] { review.sayLastCalculation(); },
        [&] { review.previous(); }, [&] { review.next(); }, [&] { review.useResult(); } };
    const QList queries = { &QAccessibleTextInterface::textBeforeOffset,
        &QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textAfterOffset };
    static const QRegularExpression entry(u"^(?!.*\\..*\\.)(?!.*-.*-)[-0-9.]{0,8}$"_s);

    const quint32 seed = qEnvironmentVariableIsSet("RANDOM_INPUT_SEED")
        ? qEnvironmentVariable("RANDOM_INPUT_SEED").toUInt()
        : QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    const auto pick
        = [&random](const auto &list) { return list.at(random.bounded(int(list.size()))); };
    QString history, tape;
    for (int step = 0; step < 100'000; ++step) {
        QString done, text; // for pastes, drops and writes
        for (int length = random.bounded(10); length > 0; --length)
            text += pick(u"0123456789.-+e x\n"_s);
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(
            random.bounded(2) ? static_cast<QWidget *>(display) : transcript);
        const int count = field->textInterface()->characterCount();
        int start = random.bounded(-2, count + 2), end = random.bounded(-2, count + 2);
        QPushButton *key = pick(keys);
        switch (random.bounded(6)) {
        case 0:
            done = key->text();
            key->click();
            break;
        case 1:
            done = pick(typedKeys);
            QTest::keySequence(display, done);
            break;
        case 2: // pasted, or dropped at a random place
            done = u"paste or drop "_s + text;
            QGuiApplication::clipboard()->setText(text);
            if (random.bounded(2)) {
                QTest::keySequence(display, QKeySequence::Paste);
            } else {
                QMimeData dropped;
                dropped.setText(text);
                QDropEvent drop(QPointF(random.bounded(display->width()), display->height() / 2),
                    Qt::CopyAction, &dropped, Qt::LeftButton, {});
                QApplication::sendEvent(display, &drop);
            }
            break;
        case 3: // AT-SPI's set, insert, paste and delete, or the value of a read-only field
            done = u"write %1 %2 "_s.arg(start).arg(end) + text;
            if (auto *editable = field->editableTextInterface(); !editable)
                field->setText(QAccessible::Value, text);
            else if (text.isEmpty())
                editable->deleteText(start, end);
            else if (random.bounded(2))
                editable->insertText(start, text);
            else
                editable->replaceText(start, end, text);
            break;
        case 4:
            done = u"query at %1"_s.arg(start);
            std::invoke(pick(queries), field->textInterface(), start,
                QAccessible::TextBoundaryType(random.bounded(6)), &start, &end);
            break;
        default:
            const int command = random.bounded(int(commands.size()));
            done = command == 1 ? u"C2"_s : u"command %1"_s.arg(command);
            commands[command]();
            mGlobals.bSpeech ^= random.bounded(6) == 0; // Speak Keys switched, now and then
        }
        history = (history + u" | "_s + done).right(300); // the last steps, to report a failure
        const QString shown = display->text(), now = transcript->toPlainText();
        QVERIFY2(entry.match(shown).hasMatch() || shown == numberText(numberValue(shown)),
            qPrintable(shown + u" shown after"_s + history));
        QVERIFY2(now.startsWith(tape) || (done == u"C2" && now.isEmpty()),
            qPrintable(u"transcript cut after"_s + history));
        QVERIFY2(window.focusWidget() == display, qPrintable(u"focus lost after"_s + history));
        tape = now;
    }
}

QTEST_MAIN(tst_RandomInput)
#include "tst_RandomInput.moc"
