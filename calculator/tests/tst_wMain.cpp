#include "calculator/DisplayField.h"
#include "calculator/wMain.h"

#include "WindowTesting.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>

#include <memory>

class tst_wMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The window as it opens.
    void keyLayout_data();
    void keyLayout();
    void fields();
    void frame();
    void opening();
    void openingKeepsThePendingOperator();
    void warmUp();

    // Keys.
    void everyKeyByMouse_data();
    void everyKeyByMouse();
    void typedKeys_data();
    void typedKeys();
    void typingMatchesClicking();

    // Focus, commands and foreign text.
    void focusReturnsToTheDisplay();
    void chordsAreCommands();
    void menuShortcutsPassTheDisplay();
    void paste_data();
    void paste();
    void contextMenuHasNoHiddenEdits();
    void drop();

    void transcriptScrollsToItsEnd();
    void menuItems();

private:
    QPushButton *key(int number) const;
    void warmedUp();
    void click(const QList<int> &numbers);

    std::unique_ptr<RecordingSpeech> speech;
    std::unique_ptr<wMain> window;
    QLineEdit *display = nullptr;
    QTextEdit *transcript = nullptr;
};

void tst_wMain::init()
{
    resetProgramValues();
    speech = std::make_unique<RecordingSpeech>();
    window = std::make_unique<wMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    display = window->findChild<QLineEdit *>(QStringLiteral("efDisplay"));
    transcript = window->findChild<QTextEdit *>(QStringLiteral("efHistory"));
    QVERIFY(display && transcript);
}

void tst_wMain::cleanup()
{
    window.reset();
    speech.reset();
}

QPushButton *tst_wMain::key(int number) const
{
    return window->findChild<QPushButton *>(QStringLiteral("PushButton%1").arg(number));
}

void tst_wMain::warmedUp()
{
    window->Timer1_Action();
    speech->clear();
}

void tst_wMain::click(const QList<int> &numbers)
{
    for (int number : numbers)
        QTest::mouseClick(key(number), Qt::LeftButton);
}

void tst_wMain::keyLayout_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("accessibleName");

    const QStringList words
        = { "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine" };
    const QList<QPoint> digitPlaces = { { 3, 375 }, { 3, 281 }, { 96, 281 }, { 189, 281 },
        { 3, 187 }, { 96, 187 }, { 189, 187 }, { 3, 93 }, { 96, 93 }, { 189, 93 } };
    for (int digit = 0; digit < 10; ++digit)
        QTest::addRow("PushButton%d", digit + 1)
            << digit + 1 << QString::number(digit) << QRect(digitPlaces[digit], QSize(87, 87)) << 72
            << words[digit];
    QTest::newRow("PushButton11") << 11 << "=" << QRect(189, 375, 87, 87) << 72 << "equals";
    QTest::newRow("PushButton12") << 12 << "/" << QRect(281, 93, 87, 87) << 72 << "divide by";
    QTest::newRow("PushButton13") << 13 << "x" << QRect(281, 187, 87, 87) << 72 << "times";
    QTest::newRow("PushButton14") << 14 << "-" << QRect(281, 281, 87, 87) << 72 << "minus";
    QTest::newRow("PushButton15") << 15 << "+" << QRect(281, 375, 87, 87) << 72 << "plus";
    QTest::newRow("PushButton16") << 16 << "." << QRect(96, 375, 87, 87) << 72 << "point";
    QTest::newRow("PushButton17") << 17 << "C1" << QRect(4, 469, 180, 47) << 36
                                  << "clear work area";
    QTest::newRow("PushButton18") << 18 << "C2" << QRect(188, 469, 180, 47) << 36 << "clear all";
}

void tst_wMain::keyLayout()
{
    QFETCH(int, number);
    const QPushButton *button = key(number);
    QVERIFY(button);
    QTEST(button->text(), "caption");
    QTEST(button->geometry(), "geometry");
    QTEST(button->font().pointSize(), "pointSize");
    QTEST(button->accessibleName(), "accessibleName");
    QCOMPARE(button->font().family(), mGlobals.sTheFont);
    QVERIFY(!button->font().bold() && !button->font().italic() && !button->font().underline());
    QVERIFY(!button->isEnabled());
    QVERIFY(!button->isDefault() && !button->autoDefault());
}

void tst_wMain::fields()
{
    QCOMPARE(display->geometry(), QRect(3, 2, 365, 85));
    QCOMPARE(display->font().pointSize(), 48);
    QCOMPARE(display->font().family(), mGlobals.sTheFont);
    QVERIFY(display->alignment() & Qt::AlignRight);
    QCOMPARE(display->accessibleName(), QStringLiteral("Display"));
    QVERIFY(!display->isReadOnly());
    QVERIFY(display->hasFrame());

    QCOMPARE(transcript->geometry(), QRect(375, 3, 145, 520));
    QCOMPARE(transcript->font().pointSize(), 24);
    QCOMPARE(transcript->font().family(), mGlobals.sTheFont);
    QCOMPARE(transcript->accessibleName(), QStringLiteral("Transcript"));
    QVERIFY(transcript->isReadOnly());
    QCOMPARE(transcript->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(transcript->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    for (const QWidget *field :
        { static_cast<QWidget *>(display), static_cast<QWidget *>(transcript) }) {
        QCOMPARE(field->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::black));
    }
}

void tst_wMain::frame()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Numivox v1.5"));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    window->setMenuBar(new QMenuBar);
    window->menuBar()->addMenu(QStringLiteral("File"));
    QTRY_VERIFY(window->height() > 530); // the menu bar sits above the content
    QCOMPARE(window->centralWidget()->size(), QSize(525, 530));
    QCOMPARE(window->minimumSize(), window->maximumSize());
}

void tst_wMain::opening()
{
    QCOMPARE(spoken(*speech), QStringList { "~ready" });
    QCOMPARE(QApplication::focusWidget(), display);
    QVERIFY(display->text().isEmpty());
    QVERIFY(transcript->toPlainText().isEmpty());
}

void tst_wMain::openingKeepsThePendingOperator()
{
    mGlobals.sOperation = QStringLiteral("*");
    mGlobals.dPri = 5;
    mGlobals.bOperationSelected = mGlobals.bSetForSec = true;
    mGlobals.bClear = mGlobals.bInitialClick = false;
    wMain another;
    QCOMPARE(mGlobals.sOperation, QStringLiteral("*"));
    QCOMPARE(mGlobals.dPri, 0.0);
    QVERIFY(!mGlobals.bOperationSelected && !mGlobals.bSetForSec && !mGlobals.bComputationComplete);
    QVERIFY(mGlobals.bClear && mGlobals.bInitialClick);
}

void tst_wMain::warmUp()
{
    QElapsedTimer sinceOpening;
    sinceOpening.start();
    QTest::mouseClick(key(6), Qt::LeftButton);
    QVERIFY(display->text().isEmpty());
    // The display takes typing from the start.
    QTest::keyClick(display, '5');
    QCOMPARE(display->text(), QStringLiteral("5"));

    QTRY_VERIFY_WITH_TIMEOUT(key(1)->isEnabled(), 5000);
    QVERIFY(sinceOpening.elapsed() >= 1000 - 50); // the window opened a moment before
    for (int number = 1; number <= 18; ++number)
        QVERIFY2(key(number)->isEnabled(), qPrintable(key(number)->objectName()));
    QCOMPARE(spoken(*speech), QStringList({ "~ready", "~5" }));
    QCOMPARE(display->text(), QStringLiteral("5"));
}

void tst_wMain::everyKeyByMouse_data()
{
    QTest::addColumn<int>("number");
    for (int number = 1; number <= 18; ++number)
        QTest::addRow("PushButton%d", number) << number;
}

// Each key speaks its name first, interrupting, and leaves the focus in the display.
void tst_wMain::everyKeyByMouse()
{
    QFETCH(int, number);
    warmedUp();
    QTest::keyClick(display, '6');
    speech->clear();
    QTest::mouseClick(key(number), Qt::LeftButton);
    QVERIFY(!speech->phrases.isEmpty());
    QCOMPARE(speech->phrases.first(),
        RecordingSpeech::Phrase({ key(number)->accessibleName(), Interrupt::Yes }));
    QCOMPARE(QApplication::focusWidget(), display);
}

void tst_wMain::typedKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("one calculation") << "12+3="
                                     << "15"
                                     << "12\n+ 3\n---\n15\n\n"
                                     << QStringList { "~1", "~2", "plus", "~3", "equals", "~15" };
    QTest::newRow("x is not times") << "5x"
                                    << "5"
                                    << "" << QStringList { "~5" };
    QTest::newRow("star is times") << "5*3="
                                   << "15"
                                   << "5\nx 3\n---\n15\n\n"
                                   << QStringList { "~5", "times", "~3", "equals", "~15" };
    QTest::newRow("slash divides") << "9/3="
                                   << "3"
                                   << "9\n/ 3\n--\n3\n\n"
                                   << QStringList { "~9", "divide by", "~3", "equals", "~3" };
    QTest::newRow("letters and punctuation refused") << "a, 4"
                                                     << "4"
                                                     << "" << QStringList { "~4" };
    QTest::newRow("return and enter do not evaluate") << "5\r\x03"
                                                      << "5"
                                                      << "" << QStringList { "~5", "~\r", "~\x03" };
    QTest::newRow("escape and tab are echoed") << "5\x1b\t"
                                               << "5"
                                               << "" << QStringList { "~5", "~\x1b", "~\t" };
    QTest::newRow("backspace edits") << "12\b3"
                                     << "13"
                                     << "" << QStringList { "~1", "~2", "~\b", "~3" };
    QTest::newRow("insertion point moves") << "12\x1c"
                                              "3"
                                           << "132"
                                           << "" << QStringList { "~1", "~2", "~\x1c", "~3" };
    QTest::newRow("delete after moving left") << "12\x1c\x7f"
                                              << "1"
                                              << "" << QStringList { "~1", "~2", "~\x1c", "~\x7f" };
    QTest::newRow("second point refused")
        << "..5"
        << ".5"
        << "" << QStringList { "~point", "decimal point is already included", "~5" };
    QTest::newRow("ninth character refused")
        << "123456789"
        << "12345678"
        << "" << QStringList { "~1", "~2", "~3", "~4", "~5", "~6", "~7", "~8" };
    QTest::newRow("full display refuses backspace")
        << "12345678\b\x7f"
        << "12345678"
        << "" << QStringList { "~1", "~2", "~3", "~4", "~5", "~6", "~7", "~8" };
    QTest::newRow("digits follow a sign") << "-5"
                                          << "-5"
                                          << "" << QStringList { "negative", "~5" };
    QTest::newRow("sign of the second number")
        << "1+-2"
        << "-2"
        << "1\n+ " << QStringList { "~1", "plus", "negative", "~2" };
    QTest::newRow("typing keeps bInitialClick") << "5\b-"
                                                << "-"
                                                << "" << QStringList { "~5", "~\b", "negative" };
    QTest::newRow("a refused letter still removes the result")
        << "2+2=a"
        << ""
        << "2\n+ 2\n--\n4\n\n"
        << QStringList { "~2", "plus", "~2", "equals", "~4" };
    QTest::newRow("an arrow removes the result")
        << "2+2=\x1e"
        << ""
        << "2\n+ 2\n--\n4\n\n"
        << QStringList { "~2", "plus", "~2", "equals", "~4", "~\x1e" };
    QTest::newRow("point after a result with a point")
        << "5/2=."
        << "."
        << "5\n/ 2\n----\n2.5\n\n"
        << QStringList { "~5", "divide by", "~2", "equals", "~2.5", "~point" };
}

void tst_wMain::typedKeys()
{
    QFETCH(QString, typed);
    warmedUp();
    typeKeys(display, typed);
    QTEST(display->text(), "display");
    QTEST(transcript->toPlainText(), "transcript");
    QTEST(spoken(*speech), "phrases");
    QCOMPARE(QApplication::focusWidget(), display);
}

void tst_wMain::typingMatchesClicking()
{
    warmedUp();
    click({ 2, 3, 15, 4, 11, 14, 6, 13, 16, 6, 11 }); // 12+3=-5x.5=
    const QString clickedTranscript = transcript->toPlainText();
    QCOMPARE(display->text(), QStringLiteral("9.5")); // "x" ignored while "-" is pending
    click({ 18 });
    typeKeys(display, QStringLiteral("12+3=-5*.5="));
    QCOMPARE(display->text(), QStringLiteral("9.5"));
    QCOMPARE(transcript->toPlainText(), clickedTranscript);
}

void tst_wMain::focusReturnsToTheDisplay()
{
    warmedUp();
    transcript->setFocus();
    QTest::keyClick(transcript, '5');
    QCOMPARE(QApplication::focusWidget(), display);
    QVERIFY(display->text().isEmpty()); // the key itself went nowhere
    QVERIFY(speech->phrases.isEmpty());

    transcript->setFocus();
    QTest::keyClick(transcript, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), display);

    key(7)->setFocus();
    QCOMPARE(QApplication::focusWidget(), display);

    QTest::keyClick(display, Qt::Key_Tab);
    QTest::keyClick(display, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), display);
}

// Command chords never run the display's key rules: Ctrl+C after a result leaves the result.
void tst_wMain::chordsAreCommands()
{
    warmedUp();
    typeKeys(display, QStringLiteral("12+3="));
    speech->clear();
    QTest::keyClick(display, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("15"));
    QTest::keyClick(display, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_Backspace, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(display->text(), QStringLiteral("15"));
    QVERIFY(mGlobals.bComputationComplete);
    QVERIFY(speech->phrases.isEmpty());

    QTest::keyClick(display, '4');
    QTest::keyClick(display, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(display->text(), QStringLiteral("4")); // no undo behind the calculator's back
}

void tst_wMain::menuShortcutsPassTheDisplay()
{
    auto *bar = new QMenuBar;
    QMenu *file = bar->addMenu(QStringLiteral("File"));
    QAction *quit = file->addAction(QStringLiteral("Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QAction *help = file->addAction(QStringLiteral("Help"));
    help->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    window->setMenuBar(bar);
    QTRY_VERIFY(bar->isVisible());
    QSignalSpy quits(quit, &QAction::triggered);
    QSignalSpy helps(help, &QAction::triggered);

    display->setFocus();
    QTest::keyClick(display, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(quits.count(), 1);
    QCOMPARE(helps.count(), 1);
}

void tst_wMain::paste_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("display");

    QTest::newRow("number") << ""
                            << "42"
                            << "42";
    QTest::newRow("surrounding blanks") << ""
                                        << " 42\n"
                                        << "42";
    QTest::newRow("joined to the entry") << "12"
                                         << ".5"
                                         << "12.5";
    QTest::newRow("negative fraction") << ""
                                       << "-1.25"
                                       << "-1.25";
    QTest::newRow("letters refused") << "7"
                                     << "abc"
                                     << "7";
    QTest::newRow("too long refused") << "1234567"
                                      << "89"
                                      << "1234567";
    QTest::newRow("second point refused") << "1.5"
                                          << ".2"
                                          << "1.5";
    QTest::newRow("replaces the result") << "2+2="
                                         << "9"
                                         << "9";
    QTest::newRow("starts the second number") << "1+"
                                              << "9"
                                              << "9";
    QTest::newRow("after the sign of the second number") << "1+-"
                                                         << "9"
                                                         << "-9";
    QTest::newRow("result too long to join") << "1/3="
                                             << "1234567890"
                                             << "0.3333333333";
}

void tst_wMain::paste()
{
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    warmedUp();
    typeKeys(display, typed);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(display, Qt::Key_V, Qt::ControlModifier);
    QTEST(display->text(), "display");
    QCOMPARE(QApplication::focusWidget(), display);
}

void tst_wMain::contextMenuHasNoHiddenEdits()
{
    warmedUp();
    typeKeys(display, QStringLiteral("12"));
    display->selectAll();
    std::unique_ptr<QMenu> menu(static_cast<DisplayField *>(display)->createContextMenu());
    QStringList names;
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        names.append(action->objectName());
        if (action->objectName() == u"edit-paste")
            paste = action;
    }
    QVERIFY2(
        names.contains("edit-copy") && names.contains("select-all"), qPrintable(names.join(',')));
    for (const char *edit : { "edit-undo", "edit-redo", "edit-cut", "edit-delete" })
        QVERIFY2(!names.contains(edit), edit);
    QVERIFY(paste);
    QGuiApplication::clipboard()->setText(QStringLiteral("x1"));
    paste->trigger();
    QCOMPARE(display->text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    paste->trigger();
    QCOMPARE(display->text(), QStringLiteral("7")); // replaced the selection
}

void tst_wMain::drop()
{
    warmedUp();
    const QPointF centre = display->rect().center();
    for (const QString &text : { QStringLiteral("4x"), QStringLiteral("42") }) {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(
            centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(display, &enter);
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(display, &drop);
    }
    QCOMPARE(display->text(), QStringLiteral("42"));
}

void tst_wMain::transcriptScrollsToItsEnd()
{
    warmedUp();
    for (int i = 0; i < 40; ++i)
        typeKeys(display, QStringLiteral("12+34="));
    const QScrollBar *bar = transcript->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    click({ 18 });
    QVERIFY(transcript->toPlainText().isEmpty());
    typeKeys(display, QStringLiteral("1="));
    QVERIFY(transcript->document()->defaultTextOption().alignment() & Qt::AlignRight);
    QCOMPARE(transcript->toPlainText(), QStringLiteral("1\n+ 0\n--\n1\n\n"));
}

void tst_wMain::menuItems()
{
    QCOMPARE(window->FileAbout(), nullptr);
    window->Event_EnableMenuItems(); // harmless without a menu bar

    auto *bar = new QMenuBar;
    QMenu *file = bar->addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    QAction *about = file->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("FileAbout"));
    about->setEnabled(false);
    window->setMenuBar(bar);

    QCOMPARE(window->FileMenu(), file->menuAction());
    QCOMPARE(window->FileAbout(), about);
    QCOMPARE(window->HelpHelp(), nullptr);
    window->Event_EnableMenuItems();
    QVERIFY(about->isEnabled());
}

QTEST_MAIN(tst_wMain)
#include "tst_wMain.moc"
