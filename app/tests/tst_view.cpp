#include "app/App.h"
#include "platform/SpeechService.h"

#include <QtTest>
#include <QtWidgets>

class ViewTest : public QObject, public SpeechService
{
    Q_OBJECT

    QStringList said;
    void speak(const QStringList &phrases, Interrupt, Importance) override { said += phrases; }
    App &app = *static_cast<App *>(qApp);
    QWidget *window() const { return app.menuBar()->window(); }

private slots:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // the display's caret steady for the picture
        QVERIFY(app.start());
        installSpeech(this);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTRY_VERIFY(window()->findChild<QWidget *>("PushButton17")->isEnabled());
        for (const char *key : { "1", "2", "+", "3", "=" })
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    }

    void actualSize()
    {
        QCoreApplication::processEvents();
        const QImage looks = window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage before
            = QImage(QFINDTESTDATA("looks/main.png")).convertToFormat(looks.format());
        if (looks != before)
            looks.save("main.png"); // beside the test, to look at and, if right, copy over
        QCOMPARE(looks, before);
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home; // the user's settings, in a scratch folder
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    App app(argc, argv, [] { return nullptr; });
    ViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view.moc"
