#include "accessibility/AccessibleTextEdit.h"
#include "accessibility/ScreenReaderStatus.h"
#include "app/App.h"
#include "app/CommandLine.h"
#include "info/HelpTexts.h"
#include "platform/SystemRelease.h"
#include "program/Globals.h"
#include "program/Settings.h"
#include "speech/SpeechService.h"
#include "speech/tests/VoiceText.h"
#include "transcript/OutputDialogs.h"

#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

QAtomicInt tries = 0; // to reach a speech daemon never there: once at start, then for each phrase

// The one application object, as the program runs it; what it says and asks lands in `effects`.
class AppTest : public QObject, public SpeechService, public OutputDialogs
{
    Q_OBJECT

    void speak(const QStringList &phrases, Interrupt, Importance) override { effects += phrases; }
    void setVoice(const Voice &voice) override { effects.append(voiceText(voice)); }
    VoiceOffer voiceOffer() const override { return { 85, -75, { "MALE1", "CHILD_FEMALE" } }; }
    bool pageSetup(QPrinter &) override { return effects.append("page setup"), false; }
    bool print(QPrinter &) override { return false; }
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
    QStringList effects;
    const QString tape = QStringLiteral("12\n+ 3\n---\n15\n\n7\n/ -2\n----\n-3.5\n\n");

private slots:
    // Below the oldest release the program says why it ends; from there on, and where the
    // platform tells none (as here), it starts. A damaged settings file reads as the defaults.
    void startPassesTheReleaseGate()
    {
        QFile damaged(qEnvironmentVariable("XDG_CONFIG_HOME") + "/numivox/numivox.conf");
        QVERIFY(QDir().mkpath(QFileInfo(damaged).path()) && damaged.open(QIODevice::WriteOnly)
            && damaged.write("[General\nspeakKeys=\x01\xff") && damaged.flush());
        app.setMessageBox([this](const QString &text) { effects.append(text); });
        for (const int release : { 0x1039, 0x1040 }) {
            installSystemReleaseQuery([release](const char *) { return std::optional(release); });
            QCOMPARE(app.start(), release == 0x1040);
        }
        installSystemReleaseQuery({});
        QVERIFY(effects.size() == 1 && effects[0].contains("Mac OS X 10.4 or higher"));
        QCOMPARE(QStringList({ app.applicationName(), app.applicationVersion(), mGlobals.sTheFont,
                     QString::number(mGlobals.iTheFontSize), item("FileQuit")->text() }),
            QStringList({ "numivox", "1.5", "Geneva", "12", "Quit Numivox" }));
        QVERIFY(!item("HelpAbout")->isVisible() && item("SpeechSpeakKeys")->isChecked()
            && mGlobals.bSpeech);
        QTRY_VERIFY(tries > 1); // "ready", through the application's own speech worker
        auto *tape = mainWindow()->findChild<QTextEdit *>("efHistory"); // read safely by any tool
        QVERIFY(dynamic_cast<AccessibleTextEdit *>(QAccessible::queryAccessibleInterface(tape)));
        installSpeech(this);
        installOutputDialogs(this);
        QTRY_VERIFY(mainWindow()->findChild<QWidget *>("PushButton17")->isEnabled()); // keys wake
        item("HelpHelp")->setEnabled(false); // till a menu opens (F10, below)
        item("FileAbout")->setEnabled(false);
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
        QTest::newRow("clear, say last")      << "Ctrl+L, Ctrl+R, Ctrl+Shift+L, Ctrl+R" << QStringList { "clear work area", "no calculation yet", "clear all", "transcript empty" };
        QTest::newRow("review, use, digits")  << "9, 6, /, 2, =, Ctrl+Shift+P, Ctrl+Shift+N, +, Ctrl+Shift+D, Ctrl+Shift+R, Ctrl+Shift+G, Ctrl+Shift+D, Ctrl+Shift+G, =" << QStringList { "9", "6", "divide by", "2", "equals", "48", "calculation 1 of 1, 96 divided by 2 equals 48", "calculation 1 of 1 is the last", "plus", "48 plus", "48", "read digits singly on", "4 8 plus 4 8", "read digits singly off", "equals", "96" };
        QTest::newRow("say display")          << "Ctrl+D" << QStringList { "12" };
        QTest::newRow("say last")             << "7, /, =, Ctrl+R" << QStringList { "7", "divide by", "equals", "1", "7 divided by 7 equals 1" };
        QTest::newRow("copy transcript")      << "Ctrl+Shift+C" << QStringList { "transcript copied", "copied " + tape };
        QTest::newRow("save transcript")      << "Ctrl+S" << QStringList { "text as untitled.txt", "save cancelled" };
        QTest::newRow("print transcript")     << "Ctrl+P" << QStringList { "page setup", "printing cancelled" };
        QTest::newRow("copy display")         << "EditCopy" << QStringList { "copied 12" };
        QTest::newRow("copy in transcript")   << "*EditCopy" << QStringList { "copied " + tape };
        QTest::newRow("speak keys off")       << "Ctrl+Shift+K" << QStringList { "speak keys off" };
        // Steps start from the daemon's own rate and volume (85 and -75 here) till one is chosen.
        QTest::newRow("steps")                << "Ctrl+Shift+F, Ctrl+Shift+F, Ctrl+Shift+T, Ctrl+Shift+T, Ctrl+Shift+O" << QStringList { "set rate 95", "faster 95", "set rate 100", "fastest", "set rate 100 volume -85", "softer negative 85", "set rate 100 volume -90", "softest", "set rate 100 volume -80", "louder negative 80" };
        QTest::newRow("default voice")        << "Alt+S, V, D" << QStringList { "set", "default voice" };
        QTest::newRow("voice chosen")         << "Alt+S, V, C" << QStringList { "set type CHILD_FEMALE", "voice child female" };
        QTest::newRow("slower")               << "Ctrl+Shift+S" << QStringList { "set rate 75 type CHILD_FEMALE", "slower 75" };
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

    // Help, the manual page and the README name every command of the menu bar with all its
    // shortcuts, no shortcut that is not there, and the settings file where it is.
    void documentationAgreesWithTheMenus()
    {
        QMap<QString, QString> menus; // caption: shortcuts, " or " between them
        for (const QAction *each : app.menuBar()->findChildren<QAction *>())
            if (!each->objectName().isEmpty() && !each->menu() && each->isVisible())
                menus[each->text().remove('&').remove(u'…')]
                    = QKeySequence::listToString(each->shortcuts(), QKeySequence::PortableText)
                          .replace("; ", " or ");
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
        QVERIFY(settingsFilePath().endsWith("/numivox/numivox.conf"));
        for (const QString &text :
            { helpTexts().text(HelpText::ReadMeFirstMac2), documents[1], documents[2] })
            QVERIFY(text.contains("~/.config/numivox/numivox.conf"));
    }

    // The bus's screen-reader switch reaches the calculator, other reports not; no bus, no reader.
    void followsTheScreenReaderSwitch()
    {
        const auto report = [this](const char *name, bool on, const char *of = "org.a11y.Status") {
            QMetaObject::invokeMethod(app.findChild<ScreenReaderStatus *>(), "propertiesChanged",
                Q_ARG(QString, of), Q_ARG(QVariantMap, QVariantMap({ { name, on } })),
                Q_ARG(QStringList, {}));
            return mGlobals.screenReaderRunning;
        };
        QVERIFY(!mGlobals.screenReaderRunning && report("ScreenReaderEnabled", true)
            && report("ScreenReaderEnabled", false, "org.a11y.Other") && report("IsEnabled", false)
            && !report("ScreenReaderEnabled", false));
    }

    // The voice chosen above is kept, what Default Voice took back gone; the next run hands it to
    // speech and checks it in the Voice menu, within the daemon's range whatever the file says.
    // Slower and Louder stop at their limits.
    void voiceOutlastsTheRun()
    {
        QSettings kept = userSettings();
        QVERIFY(kept.value("rate").toInt() == 75 && !kept.contains("volume"));
        kept.setValue("rate", -500);
        kept.setValue("volume", 500);
        kept.sync();
        effects.clear();
        QVERIFY(app.start());
        type("Ctrl+Shift+S, Ctrl+Shift+O");
        const QString limits = QStringLiteral("set rate -100 volume 100 type CHILD_FEMALE");
        QCOMPARE(effects, QStringList({ limits, limits, "slowest", limits, "loudest" }));
        QMenu *voices = item("SpeechVoice")->menu();
        emit voices->aboutToShow();
        QVERIFY(voices->actions().constLast()->isChecked()); // Child Female
    }

    // Last: Speak Keys, turned off above, is kept in ~/.config/numivox/numivox.conf, or read from
    // where the first release kept it, and stays off as the next run starts; Quit closes it all.
    void speakKeysOutlastsTheRunAndQuitEndsIt()
    {
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
    App app(argc, argv, [] { return ++tries, nullptr; });
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
