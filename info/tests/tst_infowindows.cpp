#define QTEST_QPA_MOUSE_HANDLING // through the window, as the desktop sends them

#include "info/SpokenLines.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "platform/SpeechService.h"
#include "platform/UrlOpener.h"
#include "program/Globals.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

// Each call to speech lands in `calls`: "!" first when it interrupts, "~" when a mere echo.
class InfoWindowsTest : public QObject, public SpeechService
{
    Q_OBJECT

    QStringList calls;
    void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) override
    {
        calls.append(QString(interrupt == Interrupt::Yes ? "!" : "")
            + (importance == Importance::Echo ? "~" : "") + phrases.join(' '));
    }

    // Layout, fonts and colours against a reference picture; a differing window is saved beside
    // the test, to be looked at and, if right, copied over the reference.
    static void looksAsBefore(QWidget *window, const QString &name)
    {
        const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (image
            != QImage(QFINDTESTDATA("looks/" + name + ".png")).convertToFormat(image.format())) {
            image.save(name + ".png");
            QFAIL(qPrintable(name + ".png looks different now"));
        }
    }

private slots:
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

    void aboutAndHelp_data()
    {
        QTest::addColumn<bool>("screenReader");
        QTest::newRow("alone") << false;
        QTest::newRow("beside a screen reader") << true;
    }
    void aboutAndHelp()
    {
        QFETCH(bool, screenReader);
        mGlobals = { {}, "DejaVu Serif", 16, 0, screenReader }; // font, base size, screen reader
        QApplication::setCursorFlashTime(0); // the text's caret steady for the pictures
        calls.clear();
        installSpeech(this);
        installUrlOpener([this](const QUrl &url) { calls.append("open " + url.toString()); });

        auto *about = new wAbout;
        about->show();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Dialog);
        auto *link = about->findChild<LinkLabel *>();
        QTest::keySequence(link, QKeySequence("Space, A, Ctrl+Return")); // the first opens it
        QAccessibleInterface *linkFace = QAccessible::queryAccessibleInterface(link);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::keyClick(link, Qt::Key_Tab); // from the keyboard, the focus shows
        const QImage focused = link->grab().toImage();
        link->clearFocus();
        QVERIFY(link->grab().toImage() != focused);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(link->hasFocus() && linkFace->role() == QAccessible::Link);
        const QString opened = "open https://www.numivox.org/numivox.htm";
        QStringList expected
            = { "Numivox version 1.5. Copyright 2024 The Numivox Project. All rights reserved.",
                  opened, opened, "Help" };

        auto *help = new wHelp;
        help->show();
        QVERIFY(QTest::qWaitForWindowActive(help) && help->minimumSize() == help->maximumSize());
        QCOMPARE(QAccessible::queryAccessibleInterface(help)->role(), QAccessible::Window);
        auto *pane = help->findChild<QTextEdit *>();
        QVERIFY(pane->toPlainText().startsWith("Welcome to Numivox Help\n")); // the introduction
        QStringList names; // what a screen reader reads
        for (QWidget *window : QWidgetList { about, help })
            for (QWidget *text :
                window->findChildren<QWidget *>(QRegularExpression("^(EditField|StaticText[124])")))
                names << text->accessibleName();
        QCOMPARE(names.join('|'),
            "Numivox version 1.5|Copyright 2024 The Numivox Project. All rights reserved.|"
            "https://www.numivox.org/numivox.htm|Help text|https://www.numivox.org/numivox.htm|"
            "General Information|What's new in this version?");
        looksAsBefore(about, "about");
        looksAsBefore(help, "help");
        QVERIFY(help->findChild<LinkLabel *>("StaticText1")->font().underline()); // drawn past the edge

        // Tab says names; Return on a topic shows and reads it, or has a screen reader read it.
        const auto press = [&expected](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
            expected.append("!~" + QApplication::focusWidget()->accessibleName());
        };
        press(Qt::Key_Backtab); // to the home page's link, and back to the text
        press(Qt::Key_Tab);
        for (int topic = 1; topic <= 7; ++topic) {
            for (int tab = 0; tab < topic; ++tab)
                press(Qt::Key_Tab);
            QVERIFY(pane->accessibleDescription().isEmpty()); // the last topic's is read once only
            const QString title = QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const QString text = pane->toPlainText();
            QVERIFY(pane->hasFocus() && text.startsWith(title + '\n')
                && pane->accessibleDescription() == text.section('\n', 1).trimmed());
            expected.append("!" + spokenLines(text).join(' '));
        }
        // A press on a link holds the mouse: the release activates it wherever it happens.
        QTest::mouseMove(help, QPoint(30, 40)); // over the first topic
        QTRY_COMPARE(help->windowHandle()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(help, Qt::LeftButton, {}, QPoint(30, 40));
        QTest::mouseRelease(help, Qt::LeftButton, {}, QPoint(30, 70)); // over the second
        QVERIFY(pane->toPlainText().startsWith("General Information\n"));
        QVERIFY(pane->hasFocus() && pane->accessibleDescription().isEmpty());

        // Escape closes Help and stops its reading; About again in front says again what it is.
        QTest::keyClick(pane, Qt::Key_Escape);
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(calls, screenReader ? QStringList(2, opened) : expected << "!" << expected[0]);
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "tst_infowindows.moc"
