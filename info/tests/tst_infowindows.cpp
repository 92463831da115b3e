#define QTEST_QPA_MOUSE_HANDLING // through the window, as the desktop sends them

#include "info/SpokenLines.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "platform/SpeechService.h"
#include "platform/UrlOpener.h"
#include "program/Globals.h"

#include <QtTest>
#include <QtWidgets>

class InfoWindowsTest : public QObject, public SpeechService
{
    Q_OBJECT

    QStringList calls; // each call to speech: "!" first when it interrupts, "~" when a mere echo
    void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) override
    {
        calls.append(QString(interrupt == Interrupt::Yes ? "!" : "")
            + (importance == Importance::Echo ? "~" : "") + phrases.join(' '));
    }

    void aboutAndHelp(bool screenReader)
    {
        mGlobals = { {}, "DejaVu Serif", 16, 0, screenReader }; // font, base size, screen reader
        QApplication::setCursorFlashTime(0); // the text's caret steady for the pictures
        calls.clear();
        installSpeech(this);
        installUrlOpener([this](const QUrl &url) { calls.append("open " + url.toString()); });

        wAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Dialog);
        auto *link = about.findChild<LinkLabel *>(); // Space opens it; Tab shows the focus
        QTest::keySequence(link, QKeySequence("Space, A, Ctrl+Return, Tab"));
        QAccessibleInterface *linkFace = QAccessible::queryAccessibleInterface(link);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        const QImage focused = link->grab().toImage();
        link->clearFocus();
        QVERIFY(link->grab().toImage() != focused);
        linkFace->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(link->hasFocus() && linkFace->role() == QAccessible::Link);
        const QString opened = "open https://www.numivox.org/numivox.htm";
        QStringList expected
            = { "Numivox version 1.5. Copyright 2024 The Numivox Project. All rights reserved.",
                  opened, opened, "Help" };

        wHelp help;
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help) && help.minimumSize() == help.maximumSize());
        QCOMPARE(QAccessible::queryAccessibleInterface(&help)->role(), QAccessible::Window);
        QStringList names; // what a screen reader reads; and the looks, as in the pictures:
        for (QWidget *window : QWidgetList { &about, &help }) {
            for (QWidget *text :
                window->findChildren<QWidget *>(QRegularExpression("^(EditField|StaticText[124])")))
                names << text->accessibleName();
            const QString picture = window->windowTitle().toLower() + ".png"; // saved if it differs
            const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            if (image != QImage(QFINDTESTDATA("looks/" + picture)).convertToFormat(image.format()))
                QFAIL(qPrintable(picture + (image.save(picture) ? " looks different now" : "")));
        }
        QCOMPARE(names.join('|'),
            "Numivox version 1.5|Copyright 2024 The Numivox Project. All rights reserved.|"
            "https://www.numivox.org/numivox.htm|Help text|https://www.numivox.org/numivox.htm|"
            "General Information|What's new in this version?");
        QVERIFY(help.findChild<LinkLabel *>("StaticText1")->font().underline()); // past the edge

        auto *pane = help.findChild<QTextEdit *>();
        const auto press = [&expected](Qt::Key key) { // Tab says the name of where it goes
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

        QTest::keyClick(pane, Qt::Key_Escape); // closes Help, stopping its reading
        about.activateWindow(); // About, in front again, says again what it is
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(calls, screenReader ? QStringList(2, opened) : expected << "!" << expected[0]);
    }

private slots:
    void alone() { aboutAndHelp(false); }
    void besideAScreenReader() { aboutAndHelp(true); }
};

QTEST_MAIN(InfoWindowsTest)
#include "tst_infowindows.moc"
