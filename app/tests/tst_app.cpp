#include "app/App.h"
#include "app/Globals.h"
#include "app/MenuBar1.h"
#include "app/ReleaseGate.h"
#include "calculator/wMain.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "platform/SingleWindow.h"
#include "platform/SystemRelease.h"
#include "platform/testing/RecordingSpeech.h"
#include "transcript/editFieldExtras.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

// Runs against the one application object, as the program does: start-up first, then the
// menu commands on the open main window.
class AppTest : public QObject
{
    Q_OBJECT

public:
    explicit AppTest(App &app)
        : app(app)
    { }

private:
    QAction *item(const char *name) const { return app.menuBar()->item(QLatin1String(name)); }

    wMain *mainWindow() const { return SingleWindow<wMain>::instance(); }

    QStringList shownMessages;
    App &app;

private slots:
    void initTestCase()
    {
        app.setMessageBox([this](const QString &text) { shownMessages.append(text); });
    }

    void init() { shownMessages.clear(); }

    void releaseGate_data()
    {
        QTest::addColumn<std::optional<int>>("release");
        QTest::addColumn<bool>("runs");
        QTest::newRow("10.3.9 is refused") << std::optional<int>(0x1039) << false;
        QTest::newRow("10.4.0 runs") << std::optional<int>(0x1040) << true;
        QTest::newRow("10.4.9 runs") << std::optional<int>(0x1049) << true;
        QTest::newRow("no release query runs") << std::optional<int>() << true;
    }
    void releaseGate()
    {
        QFETCH(std::optional<int>, release);
        QFETCH(bool, runs);
        installSystemReleaseQuery([release](const char *selector) {
            return QByteArray(selector) == "sysv" ? release : std::nullopt;
        });
        QCOMPARE(app.Event_Open(), runs);
        installSystemReleaseQuery({});

        if (runs) {
            QVERIFY(shownMessages.isEmpty());
        } else {
            QCOMPARE(shownMessages,
                QStringList("This program requires Mac OS X 10.4 or higher. Please visit the "
                            "program home page at https://www.numivox.org/numivox.htm for "
                            "information about versions of this program for other systems."));
        }
    }

    void startOpensOnlyTheMainWindow()
    {
        RecordingSpeech speech;
        mGlobals = ProgramValues {};
        QVERIFY(app.start());

        QCOMPARE(mGlobals.sTheFont, "Geneva");
        QCOMPARE(mGlobals.iTheFontSize, 12);
        QVERIFY(mGlobals.bSpeech);
        QCOMPARE(item("FileQuit")->text(), "Quit Numivox");
        QVERIFY(!item("HelpAbout")->isVisible());
        QVERIFY(item("HelpHelp")->isVisible());
        QCOMPARE(mainWindow()->menuBar(), app.menuBar());
        QCOMPARE(QApplication::topLevelWidgets().count(mainWindow()), 1);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isWindow() && window->isVisible())
                QCOMPARE(window, mainWindow());
        }
        QCOMPARE(speech.texts(), QStringList("ready"));
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    }

    void menuEnablePassesEnableTheirItems()
    {
        for (const char *name : { "HelpHelp", "FileAbout" })
            item(name)->setEnabled(false);
        item("FileMenu")->menu()->popup({});
        QVERIFY(item("HelpHelp")->isEnabled());
        QVERIFY(item("FileAbout")->isEnabled());
        item("FileMenu")->menu()->close();
    }

    void aboutIsASingleWindowInFront()
    {
        item("FileAbout")->trigger();
        QPointer<wAbout> about = SingleWindow<wAbout>::instance();
        QVERIFY(about->isVisible());
        item("FileAbout")->trigger();
        item("HelpAbout")->trigger(); // the hidden item does the same
        QCOMPARE(SingleWindow<wAbout>::instance(), about.data());
        QCOMPARE(QApplication::topLevelWidgets().count(about.data()), 1);
        about->close();
        QTRY_VERIFY(about.isNull());
        mainWindow()->activateWindow(); // the offscreen platform activates no other window itself
    }

    void helpShortcutOpensHelpFromAnyWindow()
    {
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
        QTest::keyClick(mainWindow()->focusWidget(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(SingleWindow<wHelp>::isOpen());
        QPointer<wHelp> help = SingleWindow<wHelp>::instance();
        QTRY_VERIFY(help->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(SingleWindow<wHelp>::instance(), help.data());
        help->close();
        QTRY_VERIFY(help.isNull());
        mainWindow()->activateWindow();
    }

    void copyReachesTheFocusedField_data()
    {
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("menu command") << false;
        QTest::newRow("shortcut") << true;
    }
    void copyReachesTheFocusedField()
    {
        QFETCH(bool, byShortcut);
        wMain *window = mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *transcript = window->findChild<editFieldExtras *>(QStringLiteral("efHistory"));
        auto *display = window->findChild<QLineEdit *>(QStringLiteral("efDisplay"));
        QVERIFY(transcript && display);
        const auto copy = [&](QWidget *focused) {
            QApplication::clipboard()->setText(QStringLiteral("before"));
            if (byShortcut)
                QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
            else
                item("EditCopy")->trigger();
            return QApplication::clipboard()->text();
        };

        // The transcript gives all of its text, whatever is selected.
        transcript->setPlainText(QStringLiteral("12\n+ 3\n---\n15\n"));
        QTextCursor selection = transcript->textCursor();
        selection.setPosition(1);
        selection.setPosition(3, QTextCursor::KeepAnchor);
        transcript->setTextCursor(selection);
        transcript->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), transcript);
        QCOMPARE(copy(transcript), transcript->toPlainText());

        // The display gives its selection only, and its key rules never run.
        display->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), display);
        display->setText(QStringLiteral("1234"));
        display->setSelection(1, 2);
        const CalculatorState before = mGlobals;
        QCOMPARE(copy(display), "23");
        QCOMPARE(display->text(), "1234");
        QCOMPARE(mGlobals.bClear, before.bClear);
        display->clear();

        // With no text field focused nothing is copied.
        if (!byShortcut) {
            QApplication::focusWidget()->clearFocus();
            QCOMPARE(copy(nullptr), "before");
        }
        transcript->clear();
    }

    // Last: closing the main window ends the event loop with status 0. (Quitting through the
    // File menu's shortcut is proven on a real desktop by the end-to-end test.)
    void closingTheMainWindowEndsTheProgram()
    {
        QPointer<wMain> window = mainWindow();
        QTimer::singleShot(0, window, &QWidget::close);
        QTimer::singleShot(5000, &app, [this] { app.exit(1); }); // had the close not quit
        QCOMPARE(app.exec(), 0);
        QTRY_VERIFY(window.isNull());
    }
};

int main(int argc, char *argv[])
{
    // No speech daemon is reached from these tests.
    App app(argc, argv, [] { return std::unique_ptr<SpeechConnection>(); });
    AppTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
