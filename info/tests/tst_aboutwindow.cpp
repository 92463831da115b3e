// Mouse events go through the window, as the desktop sends them, so that a press holds the mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Globals.h"
#include "app/ProgramInfo.h"
#include "info/LinkLabel.h"
#include "info/wAbout.h"
#include "platform/SingleWindow.h"
#include "platform/UrlOpener.h"
#include "platform/testing/RecordingSpeech.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

class AboutWindowTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    QList<QUrl> openedUrls;
    QPointer<wAbout> window;

    template <typename Control = QLabel> Control *control(const char *name)
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }

    void openWindow()
    {
        window = SingleWindow<wAbout>::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void init()
    {
        mGlobals.sTheFont = QStringLiteral("Geneva");
        mGlobals.iTheFontSize = 12;
        mGlobals.bSpeech = true;
        openedUrls.clear();
        installUrlOpener([this](const QUrl &url) { openedUrls.append(url); });
    }

    void cleanup()
    {
        delete window.data();
        installUrlOpener({});
        QCOMPARE(speech.texts(), QStringList()); // nothing in this window speaks
    }

    void isASingleWindowMadeAfreshAfterClosing()
    {
        openWindow();
        QCOMPARE(SingleWindow<wAbout>::instance(), window.data());
        const auto abouts = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::count_if(windows.begin(), windows.end(),
                [](QWidget *widget) { return qobject_cast<wAbout *>(widget); });
        };
        QCOMPARE(abouts(), 1);

        window->close();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(abouts(), 0);
        openWindow();
        QCOMPARE(control<LinkLabel>("StaticText4")->text(), homePageAddress);
    }

    void freshWindowShowsItsLayout()
    {
        mGlobals.sTheFont = QStringLiteral("DejaVu Serif"); // only the first line takes it
        openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("About"));
        QCOMPARE(window->minimumSize(), QSize(424, 151));
        QCOMPARE(window->maximumSize(), QSize(424, 151));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        QLabel *title = control("StaticText1");
        QCOMPARE(title->text(), QStringLiteral("Numivox v1.5"));
        QCOMPARE(title->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(title->font().pointSize(), 10);
        QVERIFY(title->font().bold());
        QVERIFY(control("StaticText2")->text().startsWith(QStringLiteral("Copyright ©")));
        QLabel *sentence = control("StaticText3");
        QCOMPARE(sentence->text(),
            QStringLiteral(
                "Check for updates and other information related to Numivox online at "));
        QCOMPARE(sentence->font().family(), QStringLiteral("Geneva"));

        auto *link = control<LinkLabel>("StaticText4");
        QCOMPARE(link->text(), homePageAddress);
        QCOMPARE(link->geometry(), QRect(39, 118, 376, 20));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0xFF0000));
        QVERIFY(link->font().underline());
        QCOMPARE(link->accessibleName(), homePageAddress);
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
    }

    void redBarRunsDownTheLeftEdge()
    {
        openWindow();
        const QImage image = window->grab().toImage();
        for (int y : { 0, 75, 150 }) {
            QCOMPARE(image.pixelColor(0, y), QColor(0xFF0000));
            QCOMPARE(image.pixelColor(29, y), QColor(0xFF0000));
            QCOMPARE(image.pixelColor(30, y), QColor(Qt::white));
        }
    }

    void releaseAnywhereAfterAPressOnTheLinkOpensTheHomePage_data()
    {
        QTest::addColumn<QPoint>("releaseAt"); // in the window
        QTest::newRow("on the link") << QPoint(60, 128);
        QTest::newRow("on the sentence above") << QPoint(100, 100);
        QTest::newRow("on the red bar") << QPoint(10, 10);
        QTest::newRow("outside the window") << QPoint(600, 400);
    }
    void releaseAnywhereAfterAPressOnTheLinkOpensTheHomePage()
    {
        QFETCH(QPoint, releaseAt);
        openWindow();
        QTest::mousePress(control("StaticText4"), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(openedUrls.isEmpty()); // the press alone opens nothing
        if (!window->rect().contains(releaseAt))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
        QTest::mouseRelease(window, Qt::LeftButton, {}, releaseAt);
        QCOMPARE(openedUrls, QList<QUrl>({ QUrl(homePageAddress) }));
        QVERIFY(window->isVisible());
    }

    void otherPressesOpenNothing()
    {
        openWindow();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(60, 128)); // released on the link
        QTest::mouseClick(control("StaticText4"), Qt::RightButton);
        QCOMPARE(openedUrls, QList<QUrl>());
    }

    void keyboardOpensTheHomePage()
    {
        openWindow();
        auto *link = control<LinkLabel>("StaticText4");
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(openedUrls, QList<QUrl>(2, QUrl(homePageAddress)));
    }

    void pointingHandOverTheLinkOnly()
    {
        openWindow();
        QWindow *frame = window->windowHandle();
        QTest::mouseMove(window, QPoint(60, 128));
        QTRY_COMPARE(frame->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(window, QPoint(200, 60));
        QTRY_COMPARE(frame->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(control("StaticText4")->palette().color(QPalette::WindowText), QColor(0xFF0000));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
