#include "calculator/wMain.h"
#include "platform/testing/RecordingSpeech.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"

#include <QtTest>
#include <QtWidgets>

// What the window adds to the calculator: keys, routing, focus, foreign text, the transcript.
class tst_wMain : public QObject
{
    Q_OBJECT

    RecordingSpeech *speech = nullptr;
    std::unique_ptr<wMain> window;
    QLineEdit *display = nullptr;
    QTextEdit *transcript = nullptr;

    void type(const QString &keys) // by name, such as "1 Left Backspace"
    {
        for (const QString &key : keys.split(u' '))
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }

private slots:
    void init()
    {
        mGlobals = { {}, QStringLiteral("Geneva") };
        speech = new RecordingSpeech;
        window.reset(new wMain);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        display = window->findChild<QLineEdit *>();
        transcript = window->findChild<QTextEdit *>();
        if (QTest::currentTestFunction() != QByteArrayView("opening"))
            window->Timer1_Action(); // the keys' warm-up over
    }
    void cleanup() { window.reset(), delete speech; }

    // The window opens centred, fixed, saying "ready", the focus in the display. Its keys, on a
    // grid, take no clicks at first, while the display takes typing; then each says its name
    // first, interrupting, does what its caption says and leaves the focus in the display.
    void opening()
    {
        QCOMPARE(speech->phrases, QList({ RecordingSpeech::Phrase { "ready", Interrupt::No } }));
        QVERIFY(window->windowTitle() == programTitle
            && window->minimumSize() == window->maximumSize());
        const QPoint offCentre
            = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 1 && QApplication::focusWidget() == display);
        const QList<QPushButton *> keys = window->findChildren<QPushButton *>();
        QSet<int> columns, rows; // the grid's and the two clear keys'
        for (QPushButton *key : keys) {
            const QPushButton *like = keys.at(key->text().startsWith(u'C') ? 17 : 0);
            QVERIFY(
                key->size() == like->size() && key->font() == like->font() && !key->isEnabled());
            QCOMPARE(key->font().family(), "Geneva");
            columns << key->x(), rows << key->y();
        }
        QVERIFY(keys.size() == 18 && columns.size() == 4 + 2 && rows.size() == 4 + 1);
        QTest::mouseClick(keys.at(5), Qt::LeftButton);
        type(QStringLiteral("5"));
        QCOMPARE(display->text(), "5");
        QTRY_VERIFY_WITH_TIMEOUT(std::ranges::all_of(keys, &QPushButton::isEnabled), 5000);
        for (const QString &caption :
            QStringLiteral("C1 9 8 / 4 = x 1 . 5 = - 7 6 = + 3 0 2 = C2").split(u' ')) {
            QPushButton *key = *std::ranges::find(keys, caption, &QPushButton::text);
            QVERIFY(
                caption != u"C2" || transcript->toPlainText().endsWith("302\n-------\n262.75\n\n"));
            speech->clear();
            QTest::mouseClick(key, Qt::LeftButton);
            QCOMPARE(speech->phrases.value(0),
                RecordingSpeech::Phrase({ key->accessibleName(), Interrupt::Yes }));
            QCOMPARE(QApplication::focusWidget(), display);
        }
        QVERIFY(transcript->toPlainText().isEmpty());
    }

    void typed_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("phrases");
        // clang-format off
        QTest::newRow("editing")    << "- 1 2 Left 3 Backspace Del" << "-1" << "negative|1|2|\x1c|3|\b|\x7f";
        QTest::newRow("other keys") << "5 Return Enter Esc Tab Backtab Right Up Down X , Space A 4" << "54" << "5|\r|\x03|\x1b|\t|\t|\x1d|\x1e|\x1f|4";
        QTest::newRow("operators")  << "9 / 3 = * 2 = - 1 = + 5 =" << "10" << "9|divide by|3|equals|3|times|2|equals|6|minus|1|equals|5|plus|5|equals|10";
        // clang-format on
    }

    // Typed keys reach the calculator as characters, editing keys as control characters, and
    // the display does the rest; the focus stays, Tab too.
    void typed()
    {
        QFETCH(QString, keys);
        speech->clear();
        type(keys);
        QTEST(display->text(), "display");
        QTEST(speech->texts().join(u'|'), "phrases");
        QCOMPARE(QApplication::focusWidget(), display);
    }

    // A key typed into the transcript, or a key's focus, goes to the display, the key nowhere;
    // chords stay. The display copies, selects all and pastes itself, through the calculator,
    // other chords are the menus', nothing edits it unasked; dropped text goes in too.
    void chordsAndForeignText()
    {
        speech->clear();
        for (const auto &[keys, stays] :
            { std::pair("Ctrl+C", true), { "Home", true }, { "5", false }, { "Tab", false } }) {
            transcript->setFocus();
            type(QString::fromLatin1(keys));
            QCOMPARE(QApplication::focusWidget() == transcript, stays);
        }
        window->findChild<QPushButton *>()->setFocus();
        int undos = 0, copies = 0;
        window->addAction(QString(), QKeySequence::Undo, [&] { ++undos; });
        window->addAction(QString(), QKeySequence::Copy, [&] { ++copies; });
        type(QStringLiteral("1 2 + 3 = Ctrl+A Ctrl+C Ctrl+Z Ctrl+X Shift+Del Ctrl+Backspace"));
        QVERIFY(QGuiApplication::clipboard()->text() == "15" && display->text() == "15");
        QVERIFY(undos == 1 && copies == 0 && mGlobals.bComputationComplete);
        QCOMPARE(speech->texts().join(u'|'), "1|2|plus|3|equals|15");

        QGuiApplication::clipboard()->setText(QStringLiteral(" 7\n"));
        type(QStringLiteral("1 2 Left Ctrl+V"));
        QMimeData five;
        five.setText(QStringLiteral("5"));
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &five, Qt::LeftButton, {});
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &five, Qt::LeftButton, {});
        QApplication::sendEvent(display, &enter);
        QApplication::sendEvent(display, &drop);
        QVERIFY(drop.isAccepted() && display->text() == "5172");
    }

    // The transcript grows at its end and follows it, the caret too, keeping no undo history.
    void transcriptFollowsItsEnd()
    {
        transcript->moveCursor(QTextCursor::Start);
        for (int i = 0; i < 40; ++i)
            type(QStringLiteral("1 2 + 3 4 ="));
        QVERIFY(transcript->toPlainText().startsWith("12\n+ 34\n---\n46\n\n12\n+ 34\n"));
        QVERIFY(transcript->textCursor().atEnd() && !transcript->document()->isUndoAvailable()
            && transcript->isReadOnly());
        const QScrollBar *bar = transcript->verticalScrollBar();
        QVERIFY(bar->maximum() > 0 && bar->value() == bar->maximum() && bar->isVisible());
    }
};

QTEST_MAIN(tst_wMain)
#include "tst_wMain.moc"
