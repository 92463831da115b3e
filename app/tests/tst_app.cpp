#include "accessibility/AccessibleTextEdit.h"
#include "app/App.h"
#include "app/CommandLine.h"
#include "info/HelpTexts.h"
#include "platform/SystemRelease.h"
#include "program/Globals.h"
#include "program/Settings.h"
#include "speech/ScreenReaderStatus.h"
#include "testing/RecordingSpeech.h"
#include "transcript/OutputDialogs.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

QAtomicInt tries = 0; // to reach a speech daemon never there

// The one application object, as the program runs it, started afresh for each test with no
// settings kept; what it says and asks lands in `effects`.
class AppTest : public QObject, public OutputDialogs
{
    Q_OBJECT

    bool pageSetup(QPrinter &) override { return effects.append("page setup"), !printTo.isEmpty(); }
    bool print(QPrinter &printer) override
    {
        printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    QString saveFileName(const QString &type, const QString &name, QWidget *) override
    {
        return effects.append(type + " as " + name), QString();
    }
    App &app = *static_cast<App *>(qApp);
    QAction *item(const QString &name) const { return app.menuBar()->item(name); }
    QWidget *mainWindow() const { return app.menuBar()->window(); }
    static void type(const QString &keys) // each chord into the focus, or the menu it opened
    {
        for (const QString &chord : keys.split(", ")) {
            QWidget *menu = QApplication::activePopupWidget();
            QTest::keySequence(menu ? menu : QApplication::focusWidget(), QKeySequence(chord));
        }
    }
    RecordingSpeech speech;
    QStringList &effects = speech.calls;
    QStringList messages; // of the release gate
    QString printTo; // the file the print dialog chooses; none, and it is cancelled
    const QString tape = QStringLiteral("12\n+ 3\n---\n15\n\n7\n/ -2\n----\n-3.5\n\n");

private slots:
    void init()
    {
        const QDir settings = QFileInfo(settingsFilePath()).dir();
        for (const char *file : { "numivox.conf", "numivox.ini" }) // the first release's too
            QFile::remove(settings.filePath(file));
        installSystemReleaseQuery({});
        installOutputDialogs(this);
        printTo.clear();
        app.setMessageBox([this](const QString &text) { messages.append(text); });
        screenReader().setRunning(false);
        speech.offer = { 85, 10, { "MALE1", "CHILD_FEMALE" } };
        QVERIFY(app.start());
        QTRY_VERIFY(mainWindow()->findChild<QWidget *>("PushButton17")->isEnabled()); // keys wake
        mainWindow()->activateWindow(); // whatever window an earlier test left in front
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
        item("EditClearAll")->trigger(); // what an earlier test calculated
        effects.clear();
    }

    // Below the oldest release the program says why it ends; from there on, and where the
    // platform tells none (as here), it starts. A damaged settings file reads as the defaults.
    void startPassesTheReleaseGate()
    {
        QFile damaged(settingsFilePath());
        QVERIFY(QDir().mkpath(QFileInfo(damaged).path()) && damaged.open(QIODevice::WriteOnly)
            && damaged.write("[General\nspeakKeys=\x01\xff") && damaged.flush());
        for (const int release : { 0x1039, 0x1040 }) {
            installSystemReleaseQuery([release](const char *) { return std::optional(release); });
            QCOMPARE(app.start(), release == 0x1040);
        }
        QVERIFY(messages.size() == 1 && messages[0].contains("Mac OS X 10.4 or higher"));
        QCOMPARE(QStringList({ app.applicationName(), app.applicationVersion(), mGlobals.sTheFont,
                     QString::number(mGlobals.iTheFontSize), item("FileQuit")->text() }),
            QStringList({ "numivox", "1.5", "Geneva", "12", "&Quit Numivox" }));
        QVERIFY(!item("HelpAbout")->isVisible() && item("SpeechSpeakKeys")->isChecked()
            && mGlobals.bSpeech);
        QTRY_VERIFY(tries > 0); // the application's own speech worker, open
        auto *tape = mainWindow()->findChild<QTextEdit *>("efHistory"); // read safely by any tool
        QVERIFY(dynamic_cast<AccessibleTextEdit *>(QAccessible::queryAccessibleInterface(tape)));
    }

    // A command line: exit status, output | errors. Or a chord or menu item, given with "12"
    // selected in the display or focus in the transcript (*): all it says, asks, copies, opens.
    void commands_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("done");
        // clang-format off
        QTest::newRow("Qt's options")         << "numivox -platform offscreen --style=Fusion -reverse -session 1 -name n -title t -visual 33 -icon i" << QStringList { "the calculator starts" };
        QTest::newRow("-h with Qt's")         << "numivox -platform xcb -h" << QStringList { "0 Usage: " };
        QTest::newRow("--version")            << "numivox --version" << QStringList { "0 numivox 1.5\n|" };
        QTest::newRow("unknown option")       << "numivox --bogus" << QStringList { "2 |numivox: Unknown option 'bogus'.\n\nUsage:" };
        QTest::newRow("clear, say last")      << "Ctrl+L, Ctrl+R, Ctrl+Shift+L, Ctrl+R" << QStringList { "!~clear work area", "!no calculation yet", "!~clear all", "!transcript empty" };
        QTest::newRow("review, use, digits")  << "9, 6, /, 2, =, Ctrl+Shift+P, Ctrl+Shift+N, +, Ctrl+Shift+D, Ctrl+Shift+R, Ctrl+Shift+G, Ctrl+Shift+D, Ctrl+Shift+G, =" << QStringList { "~9", "~6", "!~divide by", "~2", "!equals 48", "!calculation 1 of 1, 96 divided by 2 equals 48", "!calculation 1 of 1 is the last", "!~plus", "!48 plus", "!48", "!read digits singly on", "!4 8 plus 4 8", "!read digits singly off", "!equals 96" };
        QTest::newRow("say display")          << "Ctrl+D" << QStringList { "!12" };
        QTest::newRow("say last")             << "7, /, =, Ctrl+R" << QStringList { "~7", "!~divide by", "!equals 1", "!7 divided by 7 equals 1" };
        QTest::newRow("copy transcript")      << "Ctrl+Shift+C" << QStringList { "!transcript copied", "copied " + tape };
        QTest::newRow("save transcript")      << "Ctrl+S" << QStringList { "text as untitled.txt", "!save cancelled" };
        QTest::newRow("print transcript")     << "Ctrl+P" << QStringList { "page setup", "!printing cancelled" };
        QTest::newRow("copy display")         << "EditCopy" << QStringList { "!copied", "copied 12" };
        QTest::newRow("copy, keys")           << "Ctrl+C" << QStringList { "!copied", "copied 12" };
        QTest::newRow("nothing selected")     << "End, Ctrl+C" << QStringList { "!nothing selected" };
        QTest::newRow("copy in transcript")   << "*EditCopy" << QStringList { "!transcript copied", "copied " + tape };
        QTest::newRow("speak keys off")       << "Ctrl+Shift+K, 7" << QStringList { "!speak keys off" };
        // Steps start from the daemon's own rate and volume (85 and 10 here) till one is chosen.
        QTest::newRow("steps")                << "Ctrl+Shift+F, Ctrl+Shift+F, Ctrl+Shift+T, Ctrl+Shift+T, Ctrl+Shift+O" << QStringList { "set rate 95", "!faster 95", "set rate 100", "!fastest", "set rate 100 volume 0", "!softer 0", "set rate 100 volume -10", "!softer negative 10", "set rate 100 volume 0", "!louder 0" };
        QTest::newRow("voice chosen, slower") << "Alt+S, V, C, Ctrl+Shift+S" << QStringList { "set type CHILD_FEMALE", "!voice child female", "set rate 75 type CHILD_FEMALE", "!slower 75" };
        QTest::newRow("default voice")        << "Ctrl+Shift+S, Alt+S, V, D" << QStringList { "set rate 75", "!slower 75", "set", "!default voice" };
        QTest::newRow("menus")                << "F10" << QStringList { "FileMenuItems" };
        QTest::newRow("help")                 << "Ctrl+H" << QStringList { "Help" };
        QTest::newRow("about")                << "FileAbout" << QStringList { "About" };
        QTest::newRow("about, hidden item")   << "HelpAbout" << QStringList { "About" };
        // clang-format on
    }
    void commands()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, done);
        if (keys.startsWith("numivox")) {
            QString printed = QStringLiteral("the calculator starts");
            if (const auto given = answerCommandLine(keys.split(' ')))
                printed = QString::number(given->exitStatus) + ' ' + given->standardOutput + '|'
                    + given->standardError;
            QCOMPARE(printed.left(done[0].size()), done[0]);
            return;
        }
        mainWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
        auto *display = mainWindow()->findChild<QLineEdit *>("efDisplay");
        auto *transcript = mainWindow()->findChild<QTextEdit *>("efHistory");
        display->setText("12");
        display->selectAll();
        transcript->setPlainText(tape);
        (keys.startsWith('*') ? static_cast<QWidget *>(transcript) : display)->setFocus();
        QApplication::clipboard()->clear();
        effects.clear();
        QAction *menuItem = item(keys.remove('*'));
        menuItem ? menuItem->trigger() : type(keys);
        if (const QString copied = QApplication::clipboard()->text(); !copied.isEmpty())
            effects.append("copied " + copied);
        for (QWidget *opened : QApplication::topLevelWidgets())
            if (opened != mainWindow() && opened->isVisible() && opened->close())
                effects.append(opened->windowTitle() + opened->objectName());
        QCOMPARE(effects, done);
    }

    // Print Transcript numbers each sheet below the text.
    void printsNumberedSheets()
    {
        const QTemporaryDir folder;
        printTo = folder.filePath("tape.pdf");
        mainWindow()->findChild<QTextEdit *>("efHistory")->setPlainText(tape);
        type("Ctrl+P");
        QCOMPARE(effects, QStringList({ "page setup", "!1 page printed to tape.pdf" }));
        QProcess pdftotext;
        pdftotext.start("pdftotext", { printTo, "-" });
        QVERIFY(pdftotext.waitForFinished() && pdftotext.readAll().contains("Page: 1"));
    }

    // Help, the manual page and the README name every command of the menu bar with all its
    // shortcuts, no shortcut that is not there, which commands have none, and the settings file
    // where it is.
    void documentationAgreesWithTheMenus()
    {
        QMap<QString, QString> menus; // caption: shortcuts, " or " between them
        for (const QAction *each : app.menuBar()->findChildren<QAction *>())
            if (!each->objectName().isEmpty() && !each->menu() && each->isVisible())
                menus[each->text().remove('&').remove(u'…')]
                    = QKeySequence::listToString(each->shortcuts(), QKeySequence::PortableText)
                          .replace("; ", " or ");
        QCOMPARE(menus.keys(QString()), QStringList({ "About Numivox", "Default Voice" }));
        const QString withoutShortcuts = "but About Numivox, Default Voice and the voice types";
        QFile manual(QFINDTESTDATA("../../packaging/numivox.1")),
            readme(QFINDTESTDATA("../../README.md"));
        QVERIFY(manual.open(QIODevice::ReadOnly) && readme.open(QIODevice::ReadOnly));
        const QString manualText = QString(manual.readAll()).remove("\\&").replace("\\-", "-");
        const QStringList documents
            = { helpTexts().text(HelpText::ReadMeFirstMac1), manualText, readme.readAll() };
        const QRegularExpression entry[] = { // caption and shortcuts in Help, manual and README
            QRegularExpression("\"([^\"]+)\"(?: \\((Ctrl\\+[^)]+)\\))?"),
            QRegularExpression("^\\.BR? \"?([^\"\\n]+?)\"?(?: \" \\(([^)]+)\\)\")?$",
                QRegularExpression::MultilineOption),
            QRegularExpression("^  \\| \\w+ \\| ([^|(]+?) (?:\\([^|]+)?\\| ((?:Ctrl[^|]*?)?) ?\\|$",
                QRegularExpression::MultilineOption)
        };
        for (int i = 0; i < 3; ++i) {
            QMap<QString, QString> documented;
            for (const auto &found : entry[i].globalMatch(documents[i]))
                documented[found.captured(1).remove("...").remove(u'…')]
                    = found.captured(2).replace(", ", " or ");
            for (const auto &[caption, keys] : menus.asKeyValueRange())
                QVERIFY2(documented.contains(caption) && documented[caption] == keys,
                    qPrintable(caption + " (" + keys + ") in document " + QString::number(i)));
            for (const auto &[caption, keys] : documented.asKeyValueRange())
                QVERIFY2(keys.isEmpty() || menus.contains(caption), qPrintable(caption));
        }
        for (const QString &text : { helpTexts().text(HelpText::ReadMeFirstMac0), documents[0],
                 helpTexts().text(HelpText::ReadMeFirstMac3), documents[2] })
            QVERIFY(text.contains(withoutShortcuts));
        QVERIFY(settingsFilePath().endsWith("/numivox/numivox.conf"));
        for (const QString &text :
            { helpTexts().text(HelpText::ReadMeFirstMac2), documents[1], documents[2] })
            QVERIFY(text.contains("~/.config/numivox/numivox.conf"));
    }

    // Every item of every menu has a letter of its own there, the voice types too.
    void accessKeys()
    {
        emit item("SpeechVoice")->menu()->aboutToShow();
        for (const QMenu *menu : app.menuBar()->findChildren<QMenu *>()) {
            QSet<QChar> keys;
            for (const QAction *each : menu->actions()) {
                const QString caption = each->text();
                const qsizetype marked = caption.indexOf(u'&');
                QVERIFY2(each->isSeparator() || !each->isVisible()
                        || (marked >= 0 && !keys.contains(caption[marked + 1].toLower())),
                    qPrintable(caption));
                keys << (marked >= 0 ? caption[marked + 1].toLower() : QChar());
            }
        }
    }

    // Each menu, as it opens, enables the items its pass enables.
    void menuEnablePass()
    {
        item("HelpHelp")->setEnabled(false);
        item("FileAbout")->setEnabled(false);
        type("F10"); // the File menu, its first item highlighted
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(item("HelpHelp")->isEnabled() && item("FileAbout")->isEnabled()
            && menu->activeAction() == menu->actions().constFirst());
        QApplication::activePopupWidget()->close();
    }

    // The bus's screen-reader switch reaches the program, other reports not; no bus, no reader.
    void followsTheScreenReaderSwitch()
    {
        const auto report = [](const char *name, bool on, const char *of = "org.a11y.Status") {
            QMetaObject::invokeMethod(&screenReader(), "propertiesChanged", Q_ARG(QString, of),
                Q_ARG(QVariantMap, QVariantMap({ { name, on } })), Q_ARG(QStringList, {}));
            return screenReader().running();
        };
        QVERIFY(!screenReader().running() && report("ScreenReaderEnabled", true)
            && report("ScreenReaderEnabled", false, "org.a11y.Other") && report("IsEnabled", false)
            && !report("ScreenReaderEnabled", false));
    }

    // The voice chosen is kept, and what Default Voice took back gone; the next run hands it to
    // speech and checks it in the Voice menu, within the daemon's range whatever the file says.
    // Slower and Louder stop at their limits.
    void voiceOutlastsTheRun()
    {
        type("Ctrl+Shift+T, Alt+S, V, C, Ctrl+Shift+S, Alt+S, V, D, Alt+S, V, C, Ctrl+Shift+S");
        QSettings kept = userSettings();
        QVERIFY(kept.value("rate").toInt() == 75 && !kept.contains("volume"));
        kept.setValue("rate", -500);
        kept.setValue("volume", 500);
        kept.sync();
        effects.clear();
        QVERIFY(app.start());
        type("Ctrl+Shift+S, Ctrl+Shift+O");
        const QString limits = QStringLiteral("set rate -100 volume 100 type CHILD_FEMALE");
        QCOMPARE(effects, QStringList({ limits, limits, "!slowest", limits, "!loudest" }));
        QMenu *voices = item("SpeechVoice")->menu();
        emit voices->aboutToShow();
        QVERIFY(voices->actions().constLast()->isChecked()); // Child Female
    }

    // Last: Speak Keys, turned off, is kept in ~/.config/numivox/numivox.conf, or read from
    // where the first release kept it, and stays off as the next run starts; Quit closes it all.
    void speakKeysOutlastsTheRunAndQuitEndsIt()
    {
        type("Ctrl+Shift+K");
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/numivox/";
        QFile kept(folder + "numivox.conf");
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll().contains("\nspeakKeys=false"));
        QVERIFY(kept.rename(folder + "numivox.ini"));
        QVERIFY(app.start() && !mGlobals.bSpeech && !item("SpeechSpeakKeys")->isChecked());
        QPointer<QWidget> window = mainWindow();
        QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(window.isNull());
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home; // the user's settings, in a scratch folder
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    App app(argc, argv, [](QString &) { return ++tries, nullptr; });
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
