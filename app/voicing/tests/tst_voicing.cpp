#include "app/voicing/DialogVoice.h"
#include "app/voicing/MenuVoice.h"
#include "app/voicing/ReachableMenuItems.h"
#include "program/Globals.h"
#include "speech/ScreenReaderStatus.h"
#include "testing/RecordingSpeech.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

// Menus and Qt's own dialogs driven by keys, and what the program says of them.
class VoicingTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    QStringList &said = speech.calls;
    QTemporaryDir folder; // where the save dialog opens, on two files
    QPrinter printer;

    // A window with the program's kinds of menu items: the bar holds the items, as the program's
    // bar does; one checkable, one unavailable with its shortcut in its caption, as in context
    // menus, a submenu, shortcuts with keys said as words.
    QWidget *menuWindow()
    {
        auto *window = new QMainWindow;
        QMenuBar *bar = window->menuBar();
        const auto add = [bar](QMenu *menu, const QString &caption, const QString &keys) {
            auto *item = new QAction(caption, bar);
            item->setShortcut(QKeySequence(keys));
            menu->addAction(item);
            return item;
        };
        QMenu *file = bar->addMenu("&File"), *edit = bar->addMenu("&Edit");
        add(file, "&Save Transcript…", "Ctrl+S");
        add(file, "Speak &Keys", "Ctrl+Shift+K")->setCheckable(true);
        add(file, "Paste\tCtrl+V", "")->setEnabled(false);
        file->addSeparator();
        add(file, "Zoom &In", "Ctrl++");
        add(edit, "&Copy", "Ctrl+C");
        edit->addMenu("&Voice")->addAction("Male");
        window->setCentralWidget(new QLineEdit);
        return window;
    }

    QWidget *dialog(const QString &kind)
    {
        if (kind == "save") {
            auto *save = new QFileDialog(nullptr, QString(), folder.path());
            save->setOptions(QFileDialog::DontUseNativeDialog);
            save->setAcceptMode(QFileDialog::AcceptSave);
            save->setNameFilters({ "Text (*.txt)", "All (*)" });
            save->selectFile("untitled.txt");
            return save;
        }
        if (kind == "question")
            return new QMessageBox(QMessageBox::Warning, "Confirm Save As",
                "a.txt already exists.\nDo you want to replace it?",
                QMessageBox::Yes | QMessageBox::No);
        if (kind == "setup")
            return new QPageSetupDialog(&printer);
        return kind == "print" ? new QPrintDialog(&printer) : menuWindow();
    }

private slots:
    void initTestCase()
    {
        qApp->setStyle(new ReachableMenuItems);
        new MenuVoice(qApp);
        new DialogVoice(qApp);
        for (const char *name : { "a.txt", "b.txt" })
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        printer.setOutputFileName(folder.filePath("sheets.pdf"));
    }

    void voiced_data()
    {
        QTest::addColumn<QString>("window"); // with "beside a screen reader" or "speak keys off"
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        // clang-format off
        QTest::newRow("menus")         << "menus" << "Alt+F Down Down Down Right Down Right Esc Esc Esc" << "!~File menu, Save Transcript, control S|!~Speak Keys, off, control shift K|!~Paste, unavailable, control V|!~Zoom In, control plus|!~Edit menu, Copy, control C|!~Voice, submenu|!~Voice menu, Male|!~Voice, submenu|!~Edit menu";
        QTest::newRow("menus, reader") << "menus beside a screen reader" << "Alt+F Down Right Esc Esc" << "";
        QTest::newRow("save")          << "save" << "t u Left Backspace Tab Down Backtab Backtab Down" << "!Save As, File name, text field, untitled.txt|~t|~u|~t|!~Text (*.txt), combo box|!~All (*)|!~File name, text field, u|!~Files, list, a.txt|!~b.txt";
        QTest::newRow("save, quiet")   << "save speak keys off" << "s u Backspace Tab" << "!Save As, File name, text field, untitled.txt|!~Text (*.txt), combo box";
        QTest::newRow("question")      << "question" << "Tab" << "!Confirm Save As, a.txt already exists.\nDo you want to replace it?, Yes, button|!~No, button";
        QTest::newRow("page setup")    << "setup" << "Tab Tab Down Tab Up" << "!Page Setup, A4, combo box|!~Millimeters (mm), combo box|!~Portrait, radio button, checked|!~Landscape, radio button, checked|!~top margin, spin box, 3.53|!~4.53";
        QTest::newRow("print")         << "print" << "Tab" << "!Print, Print to File (PDF), combo box|!~Properties, button";
        // clang-format on
    }

    void voiced()
    {
        QFETCH(QString, window);
        screenReader().setRunning(window.contains("screen reader"));
        mGlobals.bSpeech = !window.contains("off");
        said.clear();
        std::unique_ptr<QWidget> opened(dialog(window.section(' ', 0, 0)));
        opened->show();
        QVERIFY(QTest::qWaitForWindowActive(opened.get()));
        QFETCH(QString, keys);
        for (const QString &key : keys.split(' ')) {
            QWidget *popup = QApplication::activePopupWidget();
            QTest::keySequence(popup ? popup : QApplication::focusWidget(), QKeySequence(key));
            QCoreApplication::processEvents();
        }
        QTEST(said.join('|'), "said");
    }
};

QTEST_MAIN(VoicingTest)
#include "tst_voicing.moc"
