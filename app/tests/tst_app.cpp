#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/ReleaseGate.h"
#include "calculator/wMain.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "platform/SingleWindow.h"
#include "platform/SystemRelease.h"
#include "platform/testing/RecordingSpeech.h"
#include "program/Globals.h"
#include "transcript/OutputDialogs.h"
#include "transcript/editFieldExtras.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Cancels every print and save question, noting which were asked.
class CancellingDialogs final : public OutputDialogs
{
public:
    CancellingDialogs() { installOutputDialogs(this); }
    ~CancellingDialogs() override { installOutputDialogs(nullptr); }

    bool pageSetup(QPrinter &) override { return asked(QStringLiteral("page setup")); }
    bool print(QPrinter &) override { return asked(QStringLiteral("print")); }
    QString saveFileName(const QString &type, const QString &name, QWidget *) override
    {
        asked(QStringLiteral("save %1 as %2").arg(type, name));
        return {};
    }

    QStringList questions;

private:
    bool asked(const QString &question)
    {
        questions.append(question);
        return false;
    }
};

} // namespace

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

    // Every window command from the keyboard, with the focus in the display.
    void windowCommandsFromTheKeyboard_data()
    {
        QTest::addColumn<QKeyCombination>("chord");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("transcript");
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<QString>("displayAfter");
        QTest::addColumn<QString>("transcriptAfter");

        const QString tape = QStringLiteral("12\n+ 3\n---\n15\n\n7\n/ -2\n----\n-3.5\n\n");
        const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
        const auto ctrlShift = [](Qt::Key key) {
            return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, key);
        };
        // clang-format off
        QTest::newRow("clear work area") << ctrl(Qt::Key_L)      << "12" << tape << QStringList { "clear work area" } << "" << tape;
        QTest::newRow("clear all")       << ctrlShift(Qt::Key_L) << "12" << tape << QStringList { "clear all" }       << "" << "";
        QTest::newRow("say display")     << ctrl(Qt::Key_D)      << "-0.5" << "" << QStringList { "-0.5" }          << "-0.5" << "";
        QTest::newRow("say empty display") << ctrl(Qt::Key_D)    << "" << ""     << QStringList { "display empty" }   << "" << "";
        QTest::newRow("say last calculation") << ctrl(Qt::Key_R) << "" << tape   << QStringList { "7 divide by negative 2 equals negative 3.5" } << "" << tape;
        QTest::newRow("say pending operand") << ctrl(Qt::Key_R) << "" << "4\nx " << QStringList { "4 times" }       << "" << "4\nx ";
        QTest::newRow("say empty transcript") << ctrl(Qt::Key_R) << "" << ""     << QStringList { "transcript empty" } << "" << "";
        // clang-format on
    }
    void windowCommandsFromTheKeyboard()
    {
        QFETCH(QKeyCombination, chord);
        QFETCH(QString, display);
        QFETCH(QString, transcript);
        QFETCH(QStringList, phrases);
        QFETCH(QString, displayAfter);
        QFETCH(QString, transcriptAfter);

        wMain *window = mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *displayField = window->findChild<QLineEdit *>(QStringLiteral("efDisplay"));
        auto *transcriptField = window->findChild<editFieldExtras *>(QStringLiteral("efHistory"));
        QTRY_VERIFY(window->findChild<QPushButton *>(QStringLiteral("PushButton17"))->isEnabled());
        displayField->setText(display);
        transcriptField->setPlainText(transcript);
        displayField->setFocus();

        RecordingSpeech speech;
        QTest::keyClick(displayField, chord.key(), chord.keyboardModifiers());
        QCOMPARE(speech.texts(), phrases);
        QCOMPARE(displayField->text(), displayAfter);
        QCOMPARE(transcriptField->toPlainText(), transcriptAfter);
        QCOMPARE(QApplication::focusWidget(), displayField);
    }

    void transcriptCopiedSavedAndPrintedFromTheDisplay()
    {
        wMain *window = mainWindow();
        auto *displayField = window->findChild<QLineEdit *>(QStringLiteral("efDisplay"));
        window->findChild<editFieldExtras *>(QStringLiteral("efHistory"))
            ->setPlainText(QStringLiteral("1\n+ 2\n--\n3\n"));
        displayField->setText(QStringLiteral("3"));
        displayField->selectAll();
        displayField->setFocus();

        QTest::keyClick(displayField, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), "1\n+ 2\n--\n3\n");

        CancellingDialogs dialogs;
        QTest::keyClick(displayField, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(displayField, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs.questions, QStringList({ "save text as untitled.txt", "page setup" }));
    }

    void menusOpenWithF10()
    {
        QTest::keyClick(mainWindow()->focusWidget(), Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), item("FileMenu")->menu());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(app.menuBar(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        mainWindow()->activateWindow();
    }

    // The settings file main() damaged read as the defaults; the user's choice is kept.
    void speakKeysIsRemembered()
    {
        QAction *speakKeys = item("SpeechSpeakKeys");
        QVERIFY(speakKeys->isChecked());
        QVERIFY(mGlobals.bSpeech);

        RecordingSpeech speech;
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
        for (const bool on : { false, true }) {
            QTest::keyClick(mainWindow()->focusWidget(), Qt::Key_K,
                Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(speakKeys->isChecked(), on);
            QCOMPARE(mGlobals.bSpeech, on);
            QSettings saved(QSettings::IniFormat, QSettings::UserScope, "numivox", "numivox");
            QCOMPARE(saved.value("speakKeys").toBool(), on);
        }
        QCOMPARE(speech.texts(), QStringList({ "speak keys off", "speak keys on" }));
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
    // The user's settings live in a scratch folder, damaged to begin with.
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QDir(settingsHome.path()).mkpath(QStringLiteral("numivox"));
    QFile damaged(settingsHome.filePath(QStringLiteral("numivox/numivox.conf")));
    if (!damaged.open(QIODevice::WriteOnly) || damaged.write("[General\nspeakKeys=\x01\xff") < 0)
        return 1;
    damaged.close();

    // No speech daemon is reached from these tests.
    App app(argc, argv, [] { return std::unique_ptr<SpeechConnection>(); });
    AppTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
