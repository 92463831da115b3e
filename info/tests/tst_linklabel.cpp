// Mouse events go through the window, as the desktop sends them, so that a press holds the mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "info/LinkLabel.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// Two links side by side in a window, as the Help window's topics are.
class LinkLabelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    LinkLabel *first = nullptr;
    LinkLabel *second = nullptr;

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(400, 100);
        first = new LinkLabel(window.get());
        first->setGeometry(10, 10, 100, 20);
        first->setLinkText(QStringLiteral("First"));
        second = new LinkLabel(window.get());
        second->setGeometry(10, 50, 100, 20);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void releaseAnywhereAfterAPressActivates_data()
    {
        QTest::addColumn<QPoint>("releaseAt"); // in the window
        QTest::newRow("on the link") << QPoint(20, 20);
        QTest::newRow("on another link") << QPoint(20, 60);
        QTest::newRow("beside the links") << QPoint(300, 50);
        QTest::newRow("outside the window") << QPoint(600, 300);
    }
    void releaseAnywhereAfterAPressActivates()
    {
        QFETCH(QPoint, releaseAt);
        QSignalSpy firstActivated(first, &LinkLabel::activated);
        QSignalSpy secondActivated(second, &LinkLabel::activated);
        QTest::mousePress(first, Qt::LeftButton);
        QCOMPARE(firstActivated.size(), 0); // the press alone does nothing
        if (!window->rect().contains(releaseAt))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, releaseAt);
        QCOMPARE(firstActivated.size(), 1);
        QCOMPARE(firstActivated.at(0).at(0).value<LinkLabel::Trigger>(), LinkLabel::Trigger::Mouse);
        QCOMPARE(secondActivated.size(), 0);
    }

    void otherPressesDoNothing()
    {
        QSignalSpy activated(first, &LinkLabel::activated);
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(300, 50));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(20, 20)); // on the link
        QTest::mouseClick(first, Qt::RightButton);
        QCOMPARE(activated.size(), 0);
    }

    void pointingHandOverTheLinkOnly()
    {
        const QPalette before = first->palette();
        QTest::mouseMove(window.get(), QPoint(20, 20));
        QTRY_COMPARE(window->windowHandle()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(first->palette(), before); // no colour change under the pointer
        QTest::mouseMove(window.get(), QPoint(300, 50));
        QTRY_COMPARE(window->windowHandle()->cursor().shape(), Qt::ArrowCursor);
    }

    void keyboardAndScreenReadersActivate()
    {
        QSignalSpy activated(second, &LinkLabel::activated);
        first->setFocus();
        QTest::keyClick(window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A })
            QTest::keyClick(second, key);
        QCOMPARE(activated.size(), 3);

        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(first);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("First"));
        QSignalSpy pressed(first, &LinkLabel::activated);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(pressed.at(0).at(0).value<LinkLabel::Trigger>(), LinkLabel::Trigger::Keyboard);
    }
};

QTEST_MAIN(LinkLabelTest)
#include "tst_linklabel.moc"
