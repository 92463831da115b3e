#include "program/Globals.h"
#include "info/HelpTexts.h"
#include "info/LinkLabel.h"
#include "info/SpokenLines.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "platform/SingleWindow.h"
#include "platform/UrlOpener.h"
#include "platform/testing/RecordingSpeech.h"
#include "program/ProgramInfo.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTextEdit>

#include <optional>

namespace {

QString resourceText(const char *fileName)
{
    QFile file(QStringLiteral(":/help/") + QLatin1String(fileName));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

template <typename Window> Window *openWindow()
{
    Window *window = SingleWindow<Window>::instance();
    window->show();
    return window;
}

template <typename Control = LinkLabel> Control *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

template <typename Window> void closeWindow()
{
    if (SingleWindow<Window>::isOpen())
        delete SingleWindow<Window>::instance();
}

QString paneText(QWidget *help)
{
    return control<QTextEdit>(help, "EditField1")->toPlainText();
}

// Counts the calls that only stop our speech, which RecordingSpeech cannot show.
class SpeechStops final : public SpeechService
{
public:
    SpeechStops()
        : previous(&speech())
    {
        installSpeech(this);
    }
    ~SpeechStops() override { installSpeech(previous); }

    void speak(const QStringList &phrases, Interrupt interrupt, Importance) override
    {
        count += phrases.isEmpty() && interrupt == Interrupt::Yes;
    }

    int count = 0;

private:
    SpeechService *previous;
};

} // namespace

class InfoWindowsTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    std::optional<HelpTextStore> store; // a fresh one per test, so that reads can be counted
    QList<QUrl> openedUrls;

    void useHelpTexts(const QString &folder)
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
        mGlobals.screenReaderRunning = false;
        speech.clear();
        useHelpTexts(QStringLiteral(":/help"));
        openedUrls.clear();
        installUrlOpener([this](const QUrl &url) { openedUrls.append(url); });
    }

    void cleanup()
    {
        closeWindow<wAbout>();
        closeWindow<wHelp>();
        installUrlOpener({});
        installHelpTexts(nullptr);
    }

    void aboutShowsItsLayoutAndOpensTheHomePage()
    {
        mGlobals.sTheFont = QStringLiteral("DejaVu Serif"); // only the first line takes it
        auto *about = openWindow<wAbout>();
        QCOMPARE(SingleWindow<wAbout>::instance(), about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->maximumSize(), QSize(424, 151));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));

        auto *title = control<QLabel>(about, "StaticText1");
        QCOMPARE(title->text(), QStringLiteral("Numivox v1.5"));
        QCOMPARE(title->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(title->font().bold());
        QCOMPARE(control<QLabel>(about, "StaticText3")->font().family(), QStringLiteral("Geneva"));

        const QImage image = about->grab().toImage(); // the red bar shows 30 pixels wide
        for (int y : { 0, 75, 150 }) {
            QCOMPARE(image.pixelColor(29, y), QColor(0xFF0000));
            QCOMPARE(image.pixelColor(30, y), QColor(Qt::white));
        }

        LinkLabel *link = control(about, "StaticText4");
        QCOMPARE(link->text(), homePageAddress);
        link->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(openedUrls, QList<QUrl>({ QUrl(homePageAddress) }));
    }

    void helpShowsItsLayout_data()
    {
        QTest::addColumn<int>("baseSize");
        QTest::newRow("base size 12") << 12;
        QTest::newRow("base size 16") << 16;
    }
    void helpShowsItsLayout()
    {
        QFETCH(int, baseSize);
        mGlobals.sTheFont = QStringLiteral("DejaVu Serif");
        mGlobals.iTheFontSize = baseSize;
        auto *help = openWindow<wHelp>();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->maximumSize(), QSize(700, 500));
        QVERIFY(paneText(help).startsWith(QStringLiteral("Welcome to Numivox Help")));
        QCOMPARE(control(help, "StaticText1")->text(), homePageAddress);

        const auto fontOf = [help](const char *name) {
            const QFont font = control<QWidget>(help, name)->font();
            return std::pair(font.family(), font.pointSize());
        };
        QCOMPARE(fontOf("EditField1"), std::pair(QStringLiteral("DejaVu Serif"), baseSize + 2));
        QCOMPARE(fontOf("StaticText1"), std::pair(QStringLiteral("DejaVu Serif"), baseSize + 2));
        const QList<LinkLabel *> links = help->findChildren<LinkLabel *>();
        QCOMPARE(links.size(), 8);
        for (LinkLabel *topic : links) {
            if (topic->objectName() != QLatin1String("StaticText1"))
                QCOMPARE(fontOf(qPrintable(topic->objectName())),
                    std::pair(QStringLiteral("DejaVu Serif"), baseSize));
        }
    }

    void eachTopicShowsItsOwnText_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("resource");
        const auto row = [](const char *link, const char *caption, const char *resource) {
            QTest::newRow(link) << QByteArray(link) << QString(caption) << QByteArray(resource);
        };
        row("StaticText2", "General Information", "ReadMeFirstMac1.txt");
        row("StaticText3", "System Requirements", "ReadMeFirstMac2.txt");
        row("StaticText4", "What's new in this version?", "ReadMeFirstMac3.txt");
        row("StaticText5", "Frequently Asked Questions", "ReadMeFirstMac4.txt");
        row("StaticText7", "Support", "ReadMeFirst6.txt");
        row("StaticText8", "Use and Distribution", "ReadMeFirst7.txt");
        row("StaticText9", "Other Titles", "ReadMeFirstMac8.txt");
    }
    void eachTopicShowsItsOwnText()
    {
        QFETCH(QByteArray, link);
        QFETCH(QString, caption);
        QFETCH(QByteArray, resource);
        const QString expected = resourceText(resource);
        QVERIFY(expected.size() > 200); // a real help text, in valid UTF-8
        QVERIFY(!expected.contains(QChar::ReplacementCharacter));

        auto *help = openWindow<wHelp>();
        QCOMPARE(control(help, link)->text(), caption);
        control(help, link)->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(paneText(help), expected);
        QCOMPARE(openedUrls, QList<QUrl>());
    }

    void helpTextsAreReadOnceWhateverTheWindowDoes()
    {
        auto *help = openWindow<wHelp>();
        QCOMPARE(store->resourceReads(), 1); // the introduction
        for (int click = 0; click < 2; ++click)
            control(help, "StaticText3")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(store->resourceReads(), 2);

        QPointer<wHelp> closed = help;
        help->close();
        QTRY_VERIFY(closed.isNull());
        help = openWindow<wHelp>();
        QCOMPARE(paneText(help), resourceText("ReadMeFirstMac0.txt")); // afresh
        control(help, "StaticText3")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(paneText(help), resourceText("ReadMeFirstMac2.txt"));
        QCOMPARE(store->resourceReads(), 2);
    }

    void helpLinkLineOpensTheHomePageAndChangesNothing()
    {
        auto *help = openWindow<wHelp>();
        control(help, "StaticText8")->activate(LinkLabel::Trigger::Mouse);
        control(help, "StaticText1")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(openedUrls, QList<QUrl>({ QUrl(homePageAddress) }));
        QCOMPARE(SingleWindow<wHelp>::instance(), help); // asking again keeps the topic shown
        QCOMPARE(paneText(help), resourceText("ReadMeFirst7.txt"));
    }

    void eachWindowHasItsRoleAndEscapeClosesIt_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QByteArray>("focused");
        QTest::newRow("About") << true << QAccessible::Dialog << QByteArray("StaticText4");
        QTest::newRow("Help") << false << QAccessible::Window << QByteArray("EditField1");
    }
    void eachWindowHasItsRoleAndEscapeClosesIt()
    {
        QFETCH(bool, about);
        QFETCH(QAccessible::Role, role);
        QFETCH(QByteArray, focused);
        QPointer<QWidget> window = about ? static_cast<QWidget *>(openWindow<wAbout>())
                                         : static_cast<QWidget *>(openWindow<wHelp>());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());

        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(window, focused));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }

    void aboutSaysWhatItIsWhenItComesToTheFront()
    {
        auto *about = openWindow<wAbout>();
        QVERIFY(QTest::qWaitForWindowActive(about));
        // What a screen reader reads in the dialog, and what the window says without one.
        QCOMPARE(control<QLabel>(about, "StaticText1")->accessibleName(),
            QStringLiteral("Numivox version 1.5"));
        QCOMPARE(control<QLabel>(about, "StaticText2")->accessibleName(),
            QStringLiteral("Copyright 2024 The Numivox Project. All rights reserved."));
        const QStringList spoken = { QStringLiteral("Numivox version 1.5."),
            QStringLiteral("Copyright 2024 The Numivox Project. All rights reserved.") };
        QCOMPARE(speech.texts(), spoken);
        QCOMPARE(speech.phrases.first().interrupt, Interrupt::No);
        QCOMPARE(speech.importances, QList<Importance>(2, Importance::Essential));

        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        about->activateWindow();
        QTRY_COMPARE(speech.texts(), spoken + spoken);
    }

    void helpSaysWhereTheKeyboardIsAndReadsTheChosenTopic()
    {
        auto *help = openWindow<wHelp>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        auto *pane = control<QTextEdit>(help, "EditField1");
        for (Qt::Key key : { Qt::Key_Backtab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab })
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(speech.texts(),
            QStringList({ "Help", homePageAddress, "Help text", "General Information",
                "System Requirements" }));
        // The window's name waits for speech under way; each name under Tab cuts off the last.
        QCOMPARE(speech.phrases[0].interrupt, Interrupt::No);
        QCOMPARE(speech.phrases[1].interrupt, Interrupt::Yes);

        speech.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString topic = resourceText("ReadMeFirstMac2.txt");
        QCOMPARE(paneText(help), topic);
        QCOMPARE(QApplication::focusWidget(), pane);
        QCOMPARE(speech.texts().size(), topic.split(u'\n', Qt::SkipEmptyParts).size());
        QCOMPARE(speech.texts().first(), QStringLiteral("System Requirements."));
        QCOMPARE(speech.phrases.first().interrupt, Interrupt::Yes); // a new topic supersedes
        QVERIFY(!speech.importances.contains(Importance::Echo));

        // A choice by mouse leaves the keyboard, and the reading, where they are.
        speech.clear();
        control(help, "StaticText2")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(speech.texts(), QStringList());
    }

    void besideAScreenReaderItReadsTheWindows()
    {
        mGlobals.screenReaderRunning = true;
        QVERIFY(QTest::qWaitForWindowActive(openWindow<wAbout>()));
        auto *help = openWindow<wHelp>();
        QVERIFY(QTest::qWaitForWindowActive(help));
        auto *pane = control<QTextEdit>(help, "EditField1");
        for (Qt::Key key : { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return })
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(speech.texts(), QStringList());

        // As the pane takes the focus, the screen reader says the line at the caret, the title,
        // and then the description. Coming back later, or after a choice by mouse, the line alone.
        const QString topic = resourceText("ReadMeFirstMac2.txt");
        QCOMPARE(QApplication::focusWidget(), pane);
        QCOMPARE(pane->textCursor().position(), 0);
        QVERIFY(topic.startsWith(QStringLiteral("System Requirements\n")));
        QCOMPARE(pane->accessibleDescription(), topic.section(u'\n', 1).trimmed());
        QTest::keyClick(pane, Qt::Key_Tab);
        QCOMPARE(pane->accessibleDescription(), QString());
        control(help, "StaticText3")->activate(LinkLabel::Trigger::Keyboard);
        control(help, "StaticText2")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(pane->accessibleDescription(), QString());
    }

    void closingHelpStopsItsReading()
    {
        SpeechStops stops;
        QPointer<wHelp> help = openWindow<wHelp>();
        control(help, "StaticText2")->activate(LinkLabel::Trigger::Mouse); // nothing to stop
        help->close();
        QTRY_VERIFY(help.isNull());
        QCOMPARE(stops.count, 0);

        help = openWindow<wHelp>();
        control(help, "StaticText2")->activate(LinkLabel::Trigger::Keyboard);
        help->close();
        QCOMPARE(stops.count, 1);
    }

    void spokenLinesPauseWhereTheLinesEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("phrases");
        QTest::newRow("title and paragraph")
            << "Support\n\nFor updates, visit the home page.\n"
            << QStringList { "Support.", "For updates, visit the home page." };
        QTest::newRow("list") << "You need:\n  a keyboard;\nspeakers\n \n"
                              << QStringList { "You need:", "a keyboard;", "speakers." };
        QTest::newRow("question") << "What's new?" << QStringList { "What's new?" };
        QTest::newRow("nothing") << "\n\n" << QStringList();
    }
    void spokenLinesPauseWhereTheLinesEnd()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, phrases);
        QCOMPARE(spokenLines(text), phrases);
    }

    void unreadableTextShowsASentenceSayingSo()
    {
        useHelpTexts(QStringLiteral(":/no-such-help"));
        auto *help = openWindow<wHelp>();
        QCOMPARE(paneText(help), QStringLiteral("Sorry, this help topic could not be loaded."));
        control(help, "StaticText2")->activate(LinkLabel::Trigger::Mouse);
        QCOMPARE(paneText(help), QStringLiteral("Sorry, this help topic could not be loaded."));
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "tst_infowindows.moc"
