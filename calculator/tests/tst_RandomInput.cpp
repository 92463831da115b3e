#include "calculator/NumberText.h"
#include "calculator/wMain.h"
#include "platform/AccessibleTextFields.h"
#include "program/Globals.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Random input through every channel a user or a tool has: the keys clicked, keys typed, text
// pasted and dropped, what assistive technology writes and asks of the display and the transcript,
// and the menu commands. After each, the display holds a number entry or a result, the transcript
// has only grown (but for Clear All), and the focus is in the display. A failure names its seed,
// which RANDOM_INPUT_SEED replays.
class tst_RandomInput : public QObject, SpeechService
{
    Q_OBJECT

    void speak(const QStringList &, Interrupt, Importance) override { }

private slots:
    void invariantsHold();
};

void tst_RandomInput::invariantsHold()
{
    installSpeech(this);
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
    const QList<void (wMain::*)()> commands = { &wMain::clearWorkArea, &wMain::clearAll,
        &wMain::copyTranscript, &wMain::sayDisplay, &wMain::sayLastCalculation };

    const quint32 seed = qEnvironmentVariableIsSet("RANDOM_INPUT_SEED")
        ? qEnvironmentVariable("RANDOM_INPUT_SEED").toUInt()
        : QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    const auto pick
        = [&random](const auto &list) { return list.at(random.bounded(int(list.size()))); };
    const auto randomText = [&] {
        QString text;
        for (int length = random.bounded(10); length > 0; --length)
            text += pick(u"0123456789.-+e x\n"_s);
        return text;
    };
    const auto randomField = [&] {
        return QAccessible::queryAccessibleInterface(
            random.bounded(2) ? static_cast<QWidget *>(display) : transcript);
    };
    const auto offsetIn = [&random](QAccessibleTextInterface *text) {
        return random.bounded(-2, text->characterCount() + 2);
    };
    QString answersBroken; // of a query: the text between the offsets it gave, or none

    const std::function<QString()> channels[] = {
        [&] {
            QPushButton *key = pick(keys);
            return key->click(), key->text();
        },
        [&] {
            const QString key = pick(typedKeys);
            return QTest::keySequence(display, key), key;
        },
        [&] {
            QGuiApplication::clipboard()->setText(randomText());
            QTest::keySequence(display, QKeySequence::Paste);
            return u"paste"_s;
        },
        [&] {
            QMimeData dropped;
            dropped.setText(randomText());
            const QPointF at(random.bounded(display->width()), display->height() / 2);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(display, &enter);
            QApplication::sendEvent(display, &drop);
            return u"drop"_s;
        },
        [&] {
            QAccessibleInterface *field = randomField();
            QAccessibleTextInterface *text = field->textInterface();
            QAccessibleEditableTextInterface *editable = field->editableTextInterface();
            const int start = offsetIn(text), end = offsetIn(text);
            switch (editable ? random.bounded(4) : 4) {
            case 0:
                return editable->replaceText(0, text->characterCount(), randomText()), u"set"_s;
            case 1:
                return editable->insertText(start, randomText()), u"insert"_s;
            case 2:
                return editable->deleteText(start, end), u"delete"_s;
            case 3:
                editable->insertText(start, QGuiApplication::clipboard()->text());
                return u"paste through accessibility"_s;
            }
            return field->setText(QAccessible::Value, randomText()), u"set the transcript"_s;
        },
        [&] {
            QAccessibleTextInterface *text = randomField()->textInterface();
            const auto boundary = QAccessible::TextBoundaryType(random.bounded(6));
            int start, end;
            const auto query = pick(QList { &QAccessibleTextInterface::textBeforeOffset,
                &QAccessibleTextInterface::textAtOffset,
                &QAccessibleTextInterface::textAfterOffset });
            const QString item = std::invoke(query, text, offsetIn(text), boundary, &start, &end);
            if (item != (start == -1 ? QString() : text->text(start, end)))
                answersBroken = item;
            return u"query"_s;
        },
        [&] {
            if (random.bounded(commands.size() + 1) == 0)
                return mGlobals.bSpeech = !mGlobals.bSpeech, u"Speak Keys"_s;
            const auto command = pick(commands);
            (window.*command)();
            return command == &wMain::clearAll ? u"C2"_s : u"command"_s;
        },
    };

    static const QRegularExpression entry(u"^(?!.*\\..*\\.)(?!.*-.*-)[-0-9.]{0,8}$"_s);
    QString history, tape;
    for (int step = 0; step < 100'000; ++step) {
        const QString done = channels[random.bounded(int(std::size(channels)))]();
        history = (history + u' ' + done).right(300); // the last steps, to report a failure
        const QString shown = display->text(), now = transcript->toPlainText();
        const QString broken
            = !entry.match(shown).hasMatch() && shown != numberText(numberValue(shown))
            ? u"the display holds "_s + shown
            : !now.startsWith(tape) && !(done == u"C2" && now.isEmpty())
            ? u"the transcript lost "_s + tape
            : window.focusWidget() != display ? u"the focus left the display"_s
            : !answersBroken.isNull()         ? u"a query answered "_s + answersBroken
                                              : QString();
        QVERIFY2(broken.isEmpty(), qPrintable(broken + u" after"_s + history));
        tape = now;
    }
}

QTEST_MAIN(tst_RandomInput)
#include "tst_RandomInput.moc"
