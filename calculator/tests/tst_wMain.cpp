#include "calculator/wMain.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"
#include "speech/ScreenReaderStatus.h"
#include "testing/RecordingSpeech.h"

#include <QtTest>
#include <QtWidgets>

// What the window adds to the calculator: keys, routing, focus, foreign text, the transcript.
// Speech, and the window's own Undo and Copy, land in `said`.
class tst_wMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<wMain> window;
    RecordingSpeech speech;
    QStringList &said = speech.calls;
    QLineEdit *display() const { return window->findChild<QLineEdit *>(); }
    QTextEdit *transcript() const { return window->findChild<QTextEdit *>(); }

    // By name ("1 Left"), to an open menu first; "@" focuses the transcript, "Menu" opens its menu
    void type(const QString &keys)
    {
        for (const QString &key : keys.split(u' ')) {
            QContextMenuEvent openMenu(QContextMenuEvent::Keyboard, {}, {});
            QWidget *menu = QApplication::activePopupWidget();
            if (key == u"@")
                transcript()->setFocus();
            else if (key == u"Menu")
                QApplication::sendEvent(display(), &openMenu);
            else
                QTest::keySequence(menu ? menu : window->focusWidget(), key);
        }
    }

private slots:
    void init()
    {
        mGlobals = {};
        mGlobals.sTheFont = QStringLiteral("DejaVu Serif"); // the program's, not the layout's
        mGlobals.bInitialClick = false; // left over from an earlier window: opening resets it
        screenReader().setRunning(false);
        window.reset(new wMain);
        window->addAction(QString(), QKeySequence::Undo, [this] { said << "undo"; });
        window->addAction(QString(), QKeySequence::Copy, [this] { said << "copy"; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(), said.clear(); }

    // The window opens centred, fixed, saying "ready", the display taking typing while the keys, on
    // a grid, are off; then each key says its name first, interrupting, acts, and keeps the focus.
    void opening()
    {
        const QPoint offCentre
            = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(window->windowTitle() == programTitle() && offCentre.manhattanLength() <= 1
            && window->minimumSize() == window->maximumSize() && display()->hasFocus());
        QList<QPushButton *> keys;
        QSet<int> columns, rows; // the grid's and the two clear keys'
        QSet<QString> families { display()->font().family(), transcript()->font().family() };
        for (int i = 1; i <= 18; ++i) {
            auto *key = window->findChild<QPushButton *>(QStringLiteral("PushButton%1").arg(i));
            const QPushButton *like = keys.value(i < 17 ? 0 : 16, key);
            QVERIFY(key->size() == like->size() && key->font() == like->font());
            keys << key, columns << key->x(), rows << key->y(), families << key->font().family();
        }
        QVERIFY(std::ranges::none_of(keys, &QPushButton::isEnabled) && columns.size() == 4 + 2
            && rows.size() == 4 + 1 && families == QSet { mGlobals.sTheFont }
            && keys.first()->font().pointSize() > keys.last()->font().pointSize());
        type(QStringLiteral("5"));
        QCOMPARE(said << display()->text(), QStringList({ "ready", "~5", "5" }));
        QTRY_VERIFY_WITH_TIMEOUT(std::ranges::all_of(keys, &QPushButton::isEnabled), 5000);
        for (const QString &caption :
            QStringLiteral("C1 9 8 / 4 = x 1 . 5 = - 7 6 = + 3 0 2 = C2").split(u' ')) {
            QPushButton *key = *std::ranges::find(keys, caption, &QPushButton::text);
            QTest::mouseClick(key, Qt::LeftButton);
            QVERIFY((said.last().remove(u'~') + ' ').startsWith('!' + key->accessibleName() + ' '));
        }
        QVERIFY(transcript()->toPlainText().isEmpty() && display()->hasFocus());
    }

    void typed_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said"); // and last, what the display shows
        // clang-format off
        QTest::newRow("editing")    << "- 1 2 Left Ctrl+V Left 3 Backspace Del" << "!~negative|~1|~2|~\x1c|~\x1c|~3|~\b|~\x7f|-17";
        QTest::newRow("other keys") << "5 Return Enter Esc Tab Backtab Right Up Down X , Space A 4" << "~5|~\r|~\x03|~\x1b|~\t|~\t|~\x1d|~\x1e|~\x1f|~4|54";
        QTest::newRow("operators")  << "9 / 3 = * 2 = - 1 = + 5 =" << "~9|!~divide by|~3|!equals 3|!~times|~2|!equals 6|!~minus|~1|!equals 5|!~plus|~5|!equals 10|10";
        QTest::newRow("chords")     << "1 5 Ctrl+A Ctrl+C 2 Ctrl+A Ctrl+X Shift+Del Ctrl+Backspace Ctrl+Z End Ctrl+V" << "~1|~5|!copied|~2|undo|215";
        QTest::newRow("transcript") << "@ Ctrl+C Home 5 7 @ Tab 8 @ Backtab 9" << "!transcript empty, clipboard emptied|~7|~8|~9|789";
        QTest::newRow("menu paste") << "1 5 Menu Down Return 2 Menu Esc" << "~1|~5|~2|1572";
        QTest::newRow("keypad")     << "1 Num+, Num+, 5 ," << "~1|~point|!decimal point is already included|~5|1.5";
        // clang-format on
    }

    // Keys typed on a key or in the transcript reach the display, edits as control characters, Tab
    // too; it copies, selects all, pastes via the calculator, leaves other chords to the menus.
    void typed()
    {
        QFETCH(QString, keys);
        window->Timer1_Action(); // the keys' warm-up over
        QGuiApplication::clipboard()->setText(QStringLiteral(" 7\n"));
        window->findChild<QPushButton *>()->setFocus();
        type(keys);
        QTEST((said.sliced(1) << display()->text()).join(u'|'), "said"); // after "ready"
        QTRY_VERIFY(display()->findChildren<QMenu *>().isEmpty()); // a closed menu is gone
    }

    // The transcript grows at its end, its caret and view following, without undo; drops paste.
    void transcriptAndDrop()
    {
        window->Timer1_Action();
        for (int i = 0; i < 40; ++i) {
            transcript()->moveCursor(QTextCursor::Start); // as a click into the text would
            type(QStringLiteral("1 2 + 3 4 ="));
        }
        QVERIFY(transcript()->toPlainText().startsWith("12\n+ 34\n---\n46\n\n12\n+ 34\n"));
        QVERIFY(transcript()->textCursor().atEnd() && !transcript()->document()->isUndoAvailable()
            && transcript()->isReadOnly());
        const QScrollBar *bar = transcript()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0 && bar->value() == bar->maximum() && bar->isVisible());
        type(QStringLiteral("1 2"));
        QMimeData dropped;
        dropped.setText(QStringLiteral("5"));
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QDragMoveEvent move(QPoint(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        for (QEvent *event : std::initializer_list<QEvent *> { &enter, &move, &drop })
            QApplication::sendEvent(display(), event);
        QVERIFY(move.isAccepted() && drop.isAccepted() && display()->text() == "512");
    }
};

QTEST_MAIN(tst_wMain)
#include "tst_wMain.moc"
