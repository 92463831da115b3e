#include "calculator/wMain.h"
#include "info/wHelp.h"
#include "platform/AccessibleTextFields.h"
#include "program/Globals.h"

#include <QtTest>
#include <QtWidgets>

// Every text field of the program as assistive technology reads and writes it: the display, the
// transcript, the Help text, and a line edit and a spin box of Qt's own dialogs.
class tst_AccessibleText : public QObject
{
    Q_OBJECT

    std::unique_ptr<wMain> window;
    std::unique_ptr<wHelp> help;
    std::unique_ptr<QFileDialog> files;
    QWidget form; // a line edit with a label and a read-only text edit, as Qt presents them too
    QList<QStringList> qtsOwn;

    static QAccessibleInterface *accessible(QWidget *field)
    {
        return QAccessible::queryAccessibleInterface(field);
    }
    QWidget *field(const QString &name) const
    {
        const std::pair<QString, QWidget *> fields[]
            = { { "display", window->findChild<QLineEdit *>() },
                  { "transcript", window->findChild<QTextEdit *>() },
                  { "Help text", help->findChild<QTextEdit *>() },
                  { "file name", files->findChild<QLineEdit *>("fileNameEdit") },
                  { "spin box", files->findChild<QSpinBox *>() } };
        return std::ranges::find(fields, name, &std::pair<QString, QWidget *>::first)->second;
    }
    void typeIntoDisplay(const QString &keys) const
    {
        window->clearAll();
        for (const QString &key : keys.split(' ', Qt::SkipEmptyParts))
            QTest::keySequence(window->findChild<QLineEdit *>(), key);
    }
    static QString textOf(const QWidget *field)
    {
        return field->property(field->inherits("QTextEdit") ? "plainText" : "text").toString();
    }
    // What a screen reader reads of a field: name, role, states, value, caret, selection, the
    // items at every offset within the text, formatting and, of a text edit, where each character
    // is.
    static QStringList readings(QWidget *field)
    {
        QAccessibleInterface *interface = accessible(field);
        QAccessibleTextInterface *text = interface->textInterface();
        const QAccessible::State state = interface->state();
        quint64 states = 0;
        static_assert(sizeof state == sizeof states);
        std::memcpy(&states, &state, sizeof states);
        int start, end, selectionStart, selectionEnd;
        text->selection(0, &selectionStart, &selectionEnd);
        QString formatting = text->attributes(0, &start, &end);
        formatting += QStringLiteral(" %1-%2").arg(start).arg(end);
        QStringList readings { interface->text(QAccessible::Name),
            interface->text(QAccessible::Value), QString::number(interface->role()),
            QString::number(states), QString::number(interface->relations().size()),
            interface->actionInterface()->actionNames().join(','),
            QString::number(text->cursorPosition()), QString::number(selectionEnd - selectionStart),
            formatting };
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
        auto *layout = new QFormLayout(&form);
        auto *lineEdit = new QLineEdit("15 + 2. Yes, 7");
        layout->addRow("&Number:", lineEdit);
        auto *textEdit = new QTextEdit;
        textEdit->setPlainText("12\n+ 3\n---\n15\n\nLong enough to wrap, as a sentence does. Yes.");
        textEdit->setReadOnly(true);
        layout->addRow(textEdit);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        lineEdit->setSelection(4, 2);
        for (QWidget *field :
            { static_cast<QWidget *>(lineEdit), static_cast<QWidget *>(textEdit) }) {
            qtsOwn << readings(field);
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible(field)));
        }
        installTextFieldAccessibility();

        mGlobals.iTheFontSize = 12; // as the application sets it
        window = std::make_unique<wMain>();
        window->Timer1_Action(); // the keys' warm-up over
        help = std::make_unique<wHelp>();
        files = std::make_unique<QFileDialog>(nullptr, QString(), QString(), QString());
        files->setOption(QFileDialog::DontUseNativeDialog);
        files->selectFile("untitled.txt");
        auto *copies = new QSpinBox(files.get()); // as in the print dialog
        copies->setMaximum(999);
        copies->setValue(42);
    }

    // The same as Qt's own interfaces read, but where the characters of a line edit are.
    void readsAsQtsOwn()
    {
        QCOMPARE(readings(form.findChild<QLineEdit *>()), qtsOwn[0]);
        QCOMPARE(readings(form.findChild<QTextEdit *>()), qtsOwn[1]);
        QLineEdit *display = window->findChild<QLineEdit *>();
        display->setText("1234");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QAccessibleTextInterface *text = accessible(display)->textInterface();
        for (int offset = 0; offset < 4; ++offset) // right-aligned, as shown
            QCOMPARE(text->offsetAtPoint(text->characterRect(offset).center()), offset);
    }

    void everyQueryAnswers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys"); // typed into the display first
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("display") << "display"
                                 << "1 5"
                                 << "15";
        QTest::newRow("empty display") << "display"
                                       << ""
                                       << "";
        QTest::newRow("transcript") << "transcript"
                                    << "1 2 + 3 ="
                                    << "";
        QTest::newRow("Help text") << "Help text"
                                   << ""
                                   << "";
        QTest::newRow("file name") << "file name"
                                   << ""
                                   << "txt";
        QTest::newRow("spin box") << "spin box"
                                  << ""
                                  << "42";
    }

    // Any item at any offset, from the caret (-2) and the end (-1) to past it, answers at once (a
    // hang runs out the test's time), and is the text between the offsets it gives.
    void everyQueryAnswers()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        typeIntoDisplay(keys);
        QAccessibleTextInterface *text = accessible(field(name))->textInterface();
        const int count = text->characterCount();
        int start, end;
        for (int offset = -2; offset <= count + 1; ++offset) {
            for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary;
                 ++boundary) {
                using Query = QString (QAccessibleTextInterface::*)(
                    int, QAccessible::TextBoundaryType, int *, int *) const;
                for (const Query query : { &QAccessibleTextInterface::textBeforeOffset,
                         &QAccessibleTextInterface::textAtOffset,
                         &QAccessibleTextInterface::textAfterOffset }) {
                    const QString item = (text->*query)(
                        offset, QAccessible::TextBoundaryType(boundary), &start, &end);
                    QVERIFY(start == -1 ? end == -1 : 0 <= start && start <= end && end <= count);
                    QCOMPARE(item, start == -1 ? QString() : text->text(start, end));
                }
            }
        }
        QTEST(text->textAtOffset(-1, QAccessible::WordBoundary, &start, &end), "lastWord");
    }

    void writes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys"); // typed into the display first
        QTest::addColumn<QString>(
            "write"); // set, insert at or delete from to, as AT-SPI's calls do
        QTest::addColumn<QString>("text"); // the field's text after it, or "=" for unchanged
        // clang-format off
        QTest::newRow("letters")        << "display"    << "1 5"     << "set abc"         << "=";
        QTest::newRow("too long")       << "display"    << "1 5"     << "insert 2 1234567" << "=";
        QTest::newRow("number")         << "display"    << "1 5"     << "insert 1 0.5"    << "10.55";
        QTest::newRow("after a result") << "display"    << "6 * 7 =" << "insert 2 9"      << "9";
        QTest::newRow("over a result")  << "display"    << "6 * 7 =" << "set -1.5"        << "-1.5";
        QTest::newRow("deleted")        << "display"    << "1 5"     << "delete 0 1"      << "5";
        QTest::newRow("emptied")        << "display"    << "1 5"     << "delete 0 -1"     << "";
        QTest::newRow("sign alone")     << "display"    << "- 5"     << "delete 1 2"      << "=";
        QTest::newRow("transcript")     << "transcript" << "1 + 2 =" << "set abc"         << "=";
        QTest::newRow("Help text")      << "Help text"  << ""        << "insert 0 abc"    << "=";
        QTest::newRow("file name")      << "file name"  << ""        << "set a.txt"       << "a.txt";
        QTest::newRow("spin box")       << "spin box"   << ""        << "set abc"         << "=";
        QTest::newRow("spin box value") << "spin box"   << ""        << "insert 0 1"      << "142";
        // clang-format on
    }

    // A write takes effect only as the field's own editing would, the display's as a paste; a
    // read-only field offers no way to write at all, and its value does not change either.
    void writes()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QString, write);
        typeIntoDisplay(keys);
        QWidget *written = field(name);
        const QString before = textOf(written);
        QAccessibleInterface *interface = accessible(written);
        const QStringList words = write.split(' ');
        if (QAccessibleEditableTextInterface *editable = interface->editableTextInterface()) {
            if (words[0] == "set")
                editable->replaceText(0, interface->textInterface()->characterCount(), words[1]);
            else if (words[0] == "insert")
                editable->insertText(words[1].toInt(), words[2]);
            else
                editable->deleteText(words[1].toInt(), words[2].toInt());
        } else {
            QVERIFY(interface->state().readOnly);
            interface->setText(QAccessible::Value, "abc");
        }
        const QString after = textOf(written);
        QTEST(after == before ? QStringLiteral("=") : after, "text");
    }
};

QTEST_MAIN(tst_AccessibleText)
#include "tst_accessibletext.moc"
