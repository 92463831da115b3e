// Mouse events go through the window, as the desktop sends them, so that a press holds the mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Globals.h"
#include "app/ProgramInfo.h"
#include "info/HelpTexts.h"
#include "info/LinkLabel.h"
#include "info/wHelp.h"
#include "platform/SingleWindow.h"
#include "platform/UrlOpener.h"
#include "platform/testing/RecordingSpeech.h"

#include <QAccessible>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <optional>

namespace {

QString resourceText(const QString &fileName)
{
    QFile file(QStringLiteral(":/help/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    std::optional<HelpTextStore> store; // a fresh one per test, so that reads can be counted
    QList<QUrl> openedUrls;
    QPointer<wHelp> window;

    template <typename Control = LinkLabel> Control *control(const char *name)
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    QTextEdit *pane() { return control<QTextEdit>("EditField1"); }

    void openWindow()
    {
        window = SingleWindow<wHelp>::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void closeWindow()
    {
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    void useStore(const QString &folder)
    {
        installHelpTexts(nullptr);
        store.emplace(folder);
        installHelpTexts(&*store);
    }

private slots:
    void init()
    {
        mGlobals.sTheFont = QStringLiteral("Geneva");
        mGlobals.iTheFontSize = 12;
        mGlobals.bSpeech = true;
        useStore(QStringLiteral(":/help"));
        openedUrls.clear();
        installUrlOpener([this](const QUrl &url) { openedUrls.append(url); });
    }

    void cleanup()
    {
        delete window.data();
        installUrlOpener({});
        installHelpTexts(nullptr);
        QCOMPARE(speech.texts(), QStringList()); // nothing in this window speaks
    }

    void isASingleWindowThatOpensAfreshOnTheIntroduction()
    {
        openWindow();
        QCOMPARE(SingleWindow<wHelp>::instance(), window.data());
        QTest::mouseClick(control("StaticText5"), Qt::LeftButton);
        QCOMPARE(SingleWindow<wHelp>::instance()->findChild<QTextEdit *>()->toPlainText(),
            resourceText("ReadMeFirstMac4.txt")); // asking again keeps the topic shown

        closeWindow();
        openWindow();
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac0.txt"));
    }

    void freshWindowShowsItsLayout_data()
    {
        QTest::addColumn<int>("baseSize");
        QTest::newRow("base size 12") << 12;
        QTest::newRow("base size 16") << 16;
    }
    void freshWindowShowsItsLayout()
    {
        QFETCH(int, baseSize);
        mGlobals.sTheFont = QStringLiteral("DejaVu Serif");
        mGlobals.iTheFontSize = baseSize;
        openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(window->minimumSize(), QSize(700, 500));
        QCOMPARE(window->maximumSize(), QSize(700, 500));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);

        QTextEdit *text = pane();
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->geometry(), QRect(201, 8, 493, 461));
        QCOMPARE(text->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(text->font().pointSize(), baseSize + 2);
        const QString introduction = resourceText("ReadMeFirstMac0.txt");
        QVERIFY(introduction.startsWith(QStringLiteral("Welcome to Numivox Help")));
        QCOMPARE(text->toPlainText(), introduction);

        LinkLabel *linkLine = control("StaticText1");
        QCOMPARE(linkLine->text(), homePageAddress);
        QCOMPARE(linkLine->geometry(), QRect(201, 473, 493, 20));
        QCOMPARE(linkLine->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(linkLine->font().pointSize(), baseSize + 2);
        QVERIFY(linkLine->font().underline());
        QVERIFY(linkLine->alignment() & Qt::AlignHCenter);
        QCOMPARE(linkLine->palette().color(QPalette::WindowText), QColor(0xFF0000));

        const QStringList captions
            = { "General Information", "System Requirements", "What's new in this version?",
                  "Frequently Asked Questions", "Support", "Use and Distribution", "Other Titles" };
        const QStringList names = { "StaticText2", "StaticText3", "StaticText4", "StaticText5",
            "StaticText7", "StaticText8", "StaticText9" };
        const int tops[] = { 32, 62, 92, 122, 182, 212, 242 };
        for (qsizetype i = 0; i < names.size(); ++i) {
            LinkLabel *topic = control(qPrintable(names[i]));
            QCOMPARE(topic->text(), captions[i]);
            QCOMPARE(topic->accessibleName(), captions[i]);
            QCOMPARE(topic->geometry(), QRect(20, tops[i], 175, 20));
            QCOMPARE(topic->font().family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(topic->font().pointSize(), baseSize);
            QVERIFY(topic->font().underline());
            QCOMPARE(topic->palette().color(QPalette::WindowText), QColor(0x0000FF));
        }
    }

    void eachTopicShowsItsOwnText_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("resource");
        QTest::newRow("General Information") << "StaticText2"
                                             << "ReadMeFirstMac1.txt";
        QTest::newRow("System Requirements") << "StaticText3"
                                             << "ReadMeFirstMac2.txt";
        QTest::newRow("What's new") << "StaticText4"
                                    << "ReadMeFirstMac3.txt";
        QTest::newRow("Frequently Asked Questions") << "StaticText5"
                                                    << "ReadMeFirstMac4.txt";
        QTest::newRow("Support") << "StaticText7"
                                 << "ReadMeFirst6.txt";
        QTest::newRow("Use and Distribution") << "StaticText8"
                                              << "ReadMeFirst7.txt";
        QTest::newRow("Other Titles") << "StaticText9"
                                      << "ReadMeFirstMac8.txt";
    }
    void eachTopicShowsItsOwnText()
    {
        QFETCH(QString, link);
        QFETCH(QString, resource);
        const QString expected = resourceText(resource);
        QVERIFY(expected.size() > 200); // a real help text, in valid UTF-8
        QVERIFY(!expected.contains(QChar::ReplacementCharacter));

        openWindow();
        QTest::mouseClick(control(qPrintable(link)), Qt::LeftButton);
        QCOMPARE(pane()->toPlainText(), expected);
        QCOMPARE(openedUrls, QList<QUrl>());
    }

    void eachTextIsReadOnceWhateverTheWindowDoes()
    {
        openWindow();
        QCOMPARE(store->resourceReads(), 1); // the introduction
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(control("StaticText3"), Qt::LeftButton);
        QCOMPARE(store->resourceReads(), 2);
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac2.txt"));

        closeWindow();
        openWindow();
        QTest::mouseClick(control("StaticText3"), Qt::LeftButton);
        QCOMPARE(store->resourceReads(), 2);
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac2.txt"));
    }

    void releaseAnywhereAfterAPressOnATopicShowsIt_data()
    {
        QTest::addColumn<QPoint>("releaseAt"); // in the window
        QTest::newRow("on the topic") << QPoint(40, 72);
        QTest::newRow("on another topic") << QPoint(40, 252);
        QTest::newRow("on the pane") << QPoint(400, 200);
        QTest::newRow("on the link line") << QPoint(400, 480);
        QTest::newRow("outside the window") << QPoint(900, 300);
    }
    void releaseAnywhereAfterAPressOnATopicShowsIt()
    {
        QFETCH(QPoint, releaseAt);
        openWindow();
        const QString introduction = pane()->toPlainText();
        QTest::mousePress(control("StaticText3"), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(pane()->toPlainText(), introduction); // the press alone changes nothing
        if (!window->rect().contains(releaseAt))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
        QTest::mouseRelease(window, Qt::LeftButton, {}, releaseAt);
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac2.txt"));
        QCOMPARE(openedUrls, QList<QUrl>());
    }

    void pressesElsewhereShowNothing()
    {
        openWindow();
        const QString introduction = pane()->toPlainText();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(100, 400)); // below the topics
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 72)); // on a topic
        QTest::mouseClick(control("StaticText3"), Qt::RightButton);
        QCOMPARE(pane()->toPlainText(), introduction);
    }

    void linkLineOpensTheHomePageAndChangesNothing_data()
    {
        QTest::addColumn<QPoint>("releaseAt"); // in the window
        QTest::newRow("on the link line") << QPoint(450, 480);
        QTest::newRow("on a topic") << QPoint(40, 42);
        QTest::newRow("outside the window") << QPoint(300, 700);
    }
    void linkLineOpensTheHomePageAndChangesNothing()
    {
        QFETCH(QPoint, releaseAt);
        openWindow();
        QTest::mouseClick(control("StaticText8"), Qt::LeftButton);
        const QString shown = pane()->toPlainText();
        QTest::mousePress(control("StaticText1"), Qt::LeftButton);
        QVERIFY(openedUrls.isEmpty());
        if (!window->rect().contains(releaseAt))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
        QTest::mouseRelease(window, Qt::LeftButton, {}, releaseAt);
        QCOMPARE(openedUrls, QList<QUrl>({ QUrl(homePageAddress) }));
        QCOMPARE(pane()->toPlainText(), shown);
        QVERIFY(window->isVisible());
    }

    void pointingHandOverEveryLinkOnly()
    {
        openWindow();
        QWindow *frame = window->windowHandle();
        const QPoint awayFromLinks(100, 400);
        for (LinkLabel *link : window->findChildren<LinkLabel *>()) {
            QTest::mouseMove(window, link->geometry().topLeft() + QPoint(5, 10));
            QTRY_COMPARE(frame->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseMove(window, awayFromLinks);
            QTRY_COMPARE(frame->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE(window->findChildren<LinkLabel *>().size(), 8);
    }

    void keyboardShowsATopicAndMovesIntoIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keyboardShowsATopicAndMovesIntoIt()
    {
        QFETCH(int, key);
        openWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), pane());
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("StaticText3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac2.txt"));
        QCOMPARE(QApplication::focusWidget(), pane());
    }

    void screenReadersSeeLinksTheyCanPress()
    {
        openWindow();
        QAccessibleInterface *topic = QAccessible::queryAccessibleInterface(control("StaticText9"));
        QCOMPARE(topic->role(), QAccessible::Link);
        QCOMPARE(topic->text(QAccessible::Name), QStringLiteral("Other Titles"));
        QVERIFY(topic->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        topic->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pane()->toPlainText(), resourceText("ReadMeFirstMac8.txt"));

        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(pane());
        QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Help text"));
    }

    void unreadableTextShowsASentenceSayingSo()
    {
        useStore(QStringLiteral(":/no-such-help"));
        openWindow();
        const QString sentence = pane()->toPlainText();
        QVERIFY(sentence.contains(QStringLiteral("could not be loaded")));
        QTest::mouseClick(control("StaticText2"), Qt::LeftButton);
        QCOMPARE(pane()->toPlainText(), sentence);
        QTest::mouseClick(control("StaticText2"), Qt::LeftButton);
        QCOMPARE(store->resourceReads(), 2); // a failed text is not tried again either
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
