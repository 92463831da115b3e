#include "accessibility/AccessibleTextFields.h"
#include "calculator/wMain.h"
#include "info/wHelp.h"
#include "program/Globals.h"

#include <QtTest>
#include <QtWidgets>

// Every text field of the program as assistive technology reads and writes it: the display, the
// transcript, the Help text, and a line edit and a spin box of Qt's own dialogs.
class tst_AccessibleText : public QObject
{
    Q_OBJECT

    const int fontSize = mGlobals.iTheFontSize = 12; // as the application sets them
    const QString family = mGlobals.sTheFont = QStringLiteral("DejaVu Sans");
    wMain window;
    wHelp help;
    QFileDialog files;
    QHash<QString, QWidget *> fields;
    QList<QStringList> qtsOwn; // what Qt's own interfaces read of the transcript, Help, file name
    int start, end; // of an item

    static constexpr auto accessible = &QAccessible::queryAccessibleInterface;
    // A field's name, role, states, value, caret and formatting, the items at every offset within
    // its text, and where each character of a text edit is.
    QStringList readings(QWidget *field)
    {
        QAccessibleInterface *interface = accessible(field);
        QAccessibleTextInterface *text = interface->textInterface();
        QStringList readings { interface->text(QAccessible::Name),
            interface->text(QAccessible::Value), QString::number(interface->role()),
            QString::number(std::bit_cast<quint64>(interface->state())),
            QString::number(text->cursorPosition()), text->attributes(0, &start, &end),
            QString::number(end) }; // read in order: once attributes() has set it
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary;
                 ++boundary)
                readings << text->textAtOffset(
                    offset, QAccessible::TextBoundaryType(boundary), &start, &end);
            if (field->inherits("QTextEdit"))
                readings << QVariant(text->characterRect(offset)).toString();
        }
        return readings;
    }

private slots:
    void initTestCase()
    {
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.selectFile("untitled.txt");
        fields = { { "display", window.findChild<QLineEdit *>() },
            { "transcript", window.findChild<QTextEdit *>() },
            { "Help text", help.findChild<QTextEdit *>() },
            { "file name", files.findChild<QLineEdit *>("fileNameEdit") } };
        window.Timer1_Action(); // the keys' warm-up over
        fields["display"]->setProperty("text", "45.6");
        fields["transcript"]->setProperty("plainText", "12\n+ 3\n---\n15\n\n");
        fields["Help text"]->setProperty(
            "plainText", QStringLiteral("\u05e9\u05dc\u05d5\u05dd 7.\n5 + 2"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : { "transcript", "Help text", "file name" }) {
            qtsOwn << readings(fields[name]);
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible(fields[name])));
        }
        installTextFieldAccessibility();
        // As in the print dialog; made, as the program makes every field, once they are installed.
        fields["spin box"] = new QSpinBox(&files);
        fields["spin box"]->setProperty("value", 42);
    }

    // As Qt's own interfaces read, but that the display's characters are where they are shown,
    // and that its last word is read at its end, where a line edit of Qt's never answers.
    void readsAsQtsOwn()
    {
        QCOMPARE(QList({ readings(fields["transcript"]), readings(fields["Help text"]),
                     readings(fields["file name"]) }),
            qtsOwn);
        QAccessibleTextInterface *tape = accessible(fields["transcript"])->textInterface();
        QVERIFY(tape->textBeforeOffset(4, QAccessible::LineBoundary, &start, &end) == "12"
            && tape->textAfterOffset(4, QAccessible::LineBoundary, &start, &end) == "---");
        QAccessibleTextInterface *text = accessible(fields["display"])->textInterface();
        QCOMPARE(text->textAtOffset(-1, QAccessible::WordBoundary, &start, &end), "45.6");
        for (int offset = 0; offset < 4; ++offset) // right-aligned
            QCOMPARE(text->offsetAtPoint(text->characterRect(offset).center()), offset);
        text->setCursorPosition(2);
        QCOMPARE(text->cursorPosition(), 2);
        text->scrollToSubstring(1, 3); // the caret to the passage's start
        QCOMPARE(text->cursorPosition(), 1);
        text->selection(0, &start, &end);
        QVERIFY(text->selectionCount() == 0 && start == 0 && end == 0);
        text->setSelection(0, 1, 3);
        QCOMPARE(fields["display"]->property("selectedText").toString(), "5.");

        // A reader that follows the text brings each passage it reads into view, back up too.
        auto *transcript = static_cast<QTextEdit *>(fields["transcript"]);
        transcript->setPlainText(QStringLiteral("1\n").repeated(100));
        text = accessible(transcript)->textInterface();
        const QWidget *view = transcript->viewport();
        for (const int at : { 198, 0 }) {
            text->scrollToSubstring(at, at + 1);
            QVERIFY(view->rect().contains(view->mapFromGlobal(text->characterRect(at).center())));
        }
    }

    void queriesAndWrites_data()
    {
        // the field, keys typed into the display first, a write (from, to (-1: the end), and the
        // text put there, or none: a deletion) and the field's text after it, "=" for the same
        QTest::addColumn<QStringList>("row");
        QTest::newRow("letters") << QStringList { "display", "1 5", "0 -1 abc", "=" };
        QTest::newRow("after a result") << QStringList { "display", "6 * 7 =", "2 2 9", "9" };
        QTest::newRow("deleted") << QStringList { "display", "1 5", "0 1", "5" };
        QTest::newRow("emptied") << QStringList { "display", "1 5", "0 -1", "" };
        QTest::newRow("sign alone") << QStringList { "display", "- 5", "1 2", "=" };
        QTest::newRow("transcript") << QStringList { "transcript", "1 + 2 =", "0 -1 abc", "=" };
        QTest::newRow("Help text") << QStringList { "Help text", "", "0 0 abc", "=" };
        QTest::newRow("file name") << QStringList { "file name", "", "0 -1 a.txt", "a.txt" };
        QTest::newRow("spin box") << QStringList { "spin box", "", "0 -1 abc", "=" };
        QTest::newRow("spin box value") << QStringList { "spin box", "", "0 -1 7", "7" };
    }

    // Any item at any offset, from the caret (-2) and the end (-1) to past it, answers at once (a
    // hang runs out the test's time) with the text between the offsets it gives. A write takes
    // effect only as the field's own editing would, the display's as a paste would; a read-only
    // field offers no way to write, and its value does not change either.
    void queriesAndWrites()
    {
        QFETCH(QStringList, row);
        window.clearAll();
        for (const QString &key : row[1].split(' ', Qt::SkipEmptyParts))
            QTest::keySequence(fields["display"], key);
        QAccessibleInterface *interface = accessible(fields[row[0]]);
        QAccessibleTextInterface *text = interface->textInterface();
        const int count = text->characterCount();
        for (int offset = -2; offset <= count + 1; ++offset) {
            for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary;
                 ++boundary) {
                for (const auto query : { &QAccessibleTextInterface::textBeforeOffset,
                         &QAccessibleTextInterface::textAtOffset,
                         &QAccessibleTextInterface::textAfterOffset }) {
                    const QString item = std::invoke(
                        query, text, offset, QAccessible::TextBoundaryType(boundary), &start, &end);
                    QVERIFY(start == -1 ? end == -1 : 0 <= start && start <= end && end <= count);
                    QCOMPARE(item, start == -1 ? QString() : text->text(start, end));
                }
            }
        }

        const QString before = interface->text(QAccessible::Value);
        const QStringList words = row[2].split(' ');
        if (QAccessibleEditableTextInterface *editable = interface->editableTextInterface())
            words.size() > 2 ? editable->replaceText(words[0].toInt(), words[1].toInt(), words[2])
                             : editable->deleteText(words[0].toInt(), words[1].toInt());
        else
            interface->setText(QAccessible::Value, words.value(2));
        const QString after = interface->text(QAccessible::Value);
        QCOMPARE(after == before ? QStringLiteral("=") : after, row[3]);
    }
};

QTEST_MAIN(tst_AccessibleText)
#include "tst_accessibletext.moc"
