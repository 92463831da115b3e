#include "transcript/editFieldExtras.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

// Every way of copying from the transcript puts its whole text on the clipboard.
class TranscriptCopyTest : public QObject
{
    Q_OBJECT

private:
    enum class Route { Method, Keyboard, ContextMenu };

    static void chooseCopyInContextMenu(editFieldExtras &field)
    {
        // The menu runs its own event loop: answer it from there.
        QTimer::singleShot(0, &field, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            auto *copyAction = menu->findChild<QAction *>(QStringLiteral("edit-copy"));
            if (copyAction && copyAction->isEnabled())
                copyAction->trigger();
            menu->close();
        });
        const QPoint inside(5, 5);
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, inside, field.viewport()->mapToGlobal(inside));
        QApplication::sendEvent(field.viewport(), &event);
    }

private slots:
    void copiesWholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<int>("selectTo");
        QTest::addColumn<Route>("route");

        const QString transcript = QStringLiteral("12\n+ 3\n---\n15\n\n");
        const struct
        {
            const char *name;
            Route route;
        } routes[] = { { "copy()", Route::Method }, { "Ctrl+C", Route::Keyboard },
            { "context menu", Route::ContextMenu } };
        for (const auto &[name, route] : routes) {
            QTest::addRow("%s, part selected", name) << transcript << 3 << 6 << route;
            QTest::addRow("%s, nothing selected", name) << transcript << 0 << 0 << route;
            QTest::addRow("%s, empty transcript", name) << QString() << 0 << 0 << route;
        }
    }

    void copiesWholeText()
    {
        QFETCH(QString, text);
        QFETCH(int, selectFrom);
        QFETCH(int, selectTo);
        QFETCH(Route, route);

        QWidget window;
        auto *field = new editFieldExtras(&window);
        (new QVBoxLayout(&window))->addWidget(field);
        field->setReadOnly(true);
        field->setPlainText(text);
        QTextCursor selection = field->textCursor();
        selection.setPosition(selectFrom);
        selection.setPosition(selectTo, QTextCursor::KeepAnchor);
        field->setTextCursor(selection);

        // A window-wide Copy shortcut, as a menu bar has, must not take the chord from the field.
        auto *windowCopy = new QAction(&window);
        windowCopy->setShortcut(QKeySequence::Copy);
        window.addAction(windowCopy);
        QSignalSpy windowCopies(windowCopy, &QAction::triggered);

        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));

        switch (route) {
        case Route::Method:
            field->copy();
            break;
        case Route::Keyboard:
            QTest::keySequence(field, QKeySequence::Copy);
            break;
        case Route::ContextMenu:
            chooseCopyInContextMenu(*field);
            break;
        }

        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(windowCopies.count(), 0);
        QCOMPARE(field->toPlainText(), text);
        QCOMPARE(field->textCursor().selectionStart(), selectFrom);
        QCOMPARE(field->textCursor().selectionEnd(), selectTo);
    }
};

QTEST_MAIN(TranscriptCopyTest)
#include "tst_transcriptcopy.moc"
