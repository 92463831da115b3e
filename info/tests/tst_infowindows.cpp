#define QTEST_QPA_MOUSE_HANDLING // through the window, as the desktop sends them

#include "info/HelpTexts.h"
#include "info/SpokenLines.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "look/Appearance.h"
#include "platform/UrlOpener.h"
#include "program/Globals.h"
#include "speech/ScreenReaderStatus.h"
#include "testing/Pictures.h"
#include "testing/RecordingSpeech.h"

#include <QtTest>
#include <QtWidgets>

class InfoWindowsTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    QStringList &calls = speech.calls;

    void aboutAndHelp(bool running)
    {
        mGlobals = {};
        mGlobals.sTheFont = "DejaVu Serif";
        mGlobals.iTheFontSize = 16;
        screenReader().setRunning(running);
        QApplication::setCursorFlashTime(0); // the text's caret steady for the pictures
        calls.clear();
        installUrlOpener([this](const QUrl &url) { calls.append("open " + url.toString()); });

        wAbout about;
        wHelp help;
        for (QWidget *window : QWidgetList { &about, &help }) { // the looks, as in the pictures
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window)
                && window->minimumSize() == window->maximumSize());
            const QString picture = window->windowTitle().toLower() + ".png";
            const QImage looks = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(looksAlike(looks, QImage(QFINDTESTDATA("looks/" + picture))));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&help)->role(), QAccessible::Window);
        QVERIFY(help.findChild<LinkLabel *>("StaticText1")->font().underline()); // past the edge
        const QString home = "https://www.numivox.org/numivox.htm", opened = "open " + home;
        QStringList expected // each window's name as it comes to the front; Tab's first two
            = { "Numivox version 1.5. Copyright 2024 The Numivox Project. Free software under the "
                "GNU General Public License, version 3 or later.",
                  "Help", "!~" + home, opened, "!~Help text" };

        auto *pane = help.findChild<QTextEdit *>();
        const auto press = [&expected](Qt::Key key) { // Tab says the name of where it goes
            QTest::keyClick(QApplication::focusWidget(), key);
            expected.append("!~" + QApplication::focusWidget()->accessibleName());
        };
        QTest::keyClick(pane, Qt::Key_Backtab); // to the home page's link, which Return opens
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // and back to the text
        for (int topic = 1; topic <= 7; ++topic) {
            for (int tab = 0; tab < topic; ++tab)
                press(Qt::Key_Tab);
            QVERIFY(pane->accessibleDescription().isEmpty()); // the last topic's is read once only
            const QString title = QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // shows it, to read
            const QString text = pane->toPlainText();
            QVERIFY(pane->hasFocus() && text.startsWith(title + '\n')
                && pane->accessibleDescription() == text.section('\n', 1).trimmed());
            expected.append("!" + spokenLines(text).join(' '));
        }

        QTest::mouseMove(&help, QPoint(30, 40)); // over the first topic
        QTRY_COMPARE(help.windowHandle()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(&help, Qt::LeftButton, {}, QPoint(30, 40)); // the link holds the mouse:
        QTest::mouseRelease(&help, Qt::LeftButton, {}, QPoint(30, 70)); // let go anywhere, it opens
        QVERIFY(pane->toPlainText().startsWith("General Information\n") && pane->hasFocus()
            && pane->accessibleDescription().isEmpty());
        expected.append("!" + spokenLines(pane->toPlainText()).join(' ')); // read out as well
        const QStringList copies = { "!nothing selected", "!copied" }; // heard beside a reader too
        for (const auto keys : { QKeySequence::Copy, QKeySequence::SelectAll, QKeySequence::Copy })
            QTest::keySequence(pane, keys);
        QCOMPARE(QGuiApplication::clipboard()->text(), pane->toPlainText());
        expected << copies;
        QTest::keyClick(pane, Qt::Key_Escape); // closes Help, stopping its reading
        about.activateWindow(); // About, in front again, says again what it is
        QVERIFY(QTest::qWaitForWindowActive(&about));

        auto *link = about.findChild<LinkLabel *>(); // Space opens it; Tab shows the focus
        QTest::keySequence(link, QKeySequence("Space, A, Ctrl+Return, Tab"));
        QAccessibleInterface *linkFace = QAccessible::queryAccessibleInterface(link);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        const QImage focused = link->grab().toImage();
        link->clearFocus();
        QVERIFY(link->grab().toImage() != focused);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(link->hasFocus() && linkFace->role() == QAccessible::Link);
        appearance().setHighContrast(true); // the focus a box in the focus colour, not a frame
        const QImage box = link->grab().toImage();
        QVERIFY(looksAlike(box, QImage(QFINDTESTDATA("looks/link-hc.png"))));
        appearance().setHighContrast(false);
        expected << "!" << expected[0] << opened << opened;
        QCOMPARE(calls, running ? QStringList { opened } + copies + expected.last(2) : expected); // a screen reader: these
    }

private slots:
    void alone() { aboutAndHelp(false); }
    void besideAScreenReader() { aboutAndHelp(true); }

    void helpTopicReadOnce() // and kept for the run, whatever becomes of its file
    {
        QTemporaryDir folder;
        QFile topic(folder.filePath("ReadMeFirstMac0.txt"));
        QVERIFY(topic.open(QIODevice::WriteOnly) && topic.write("Intro") && topic.flush());
        HelpTextStore store(folder.path());
        const QString first = store.text(HelpText::ReadMeFirstMac0);
        QVERIFY(
            first == "Intro" && topic.remove() && store.text(HelpText::ReadMeFirstMac0) == first);
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "tst_infowindows.moc"
