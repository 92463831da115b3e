#include "app/App.h"
#include "platform/Appearance.h"
#include "platform/DesktopContrast.h"
#include "platform/SpeechService.h"
#include "program/Settings.h"
#include "transcript/OutputDialogs.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <cmath>

namespace {

// WCAG 2: the relative luminance of a colour, and the contrast ratio of two.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour))
        + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb one, QRgb other)
{
    const auto [darker, lighter] = std::minmax({ luminance(one), luminance(other) });
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace

// The View menu in the running program, on a screen of 1280 by 1024 whose windows have 2-pixel
// frames. What the program says lands in `said`; it prints into a file.
class ViewTest : public QObject, public SpeechService, public OutputDialogs
{
    Q_OBJECT

    QStringList said;
    void speak(const QStringList &phrases, Interrupt, Importance) override { said += phrases; }
    const QTemporaryDir folder;
    bool pageSetup(QPrinter &printer) override
    {
        printer.setOutputFileName(folder.filePath("tape.pdf"));
        return true;
    }
    bool print(QPrinter &) override { return true; }
    QString saveFileName(const QString &, const QString &, QWidget *) override { return {}; }

    App &app = *static_cast<App *>(qApp);
    QMainWindow *window() const { return static_cast<QMainWindow *>(app.menuBar()->window()); }
    QWidgetList controls; // the keys, display and transcript, and each one's size and font size
    QList<std::pair<QSize, qreal>> atActualSize;

    QImage picture(QWidget *widget) const
    {
        QCoreApplication::processEvents(); // the application's palette reaches every widget
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void type(const QString &chords) // each to the control with the focus
    {
        for (const QString &chord : chords.split(' ')) {
            QTest::keySequence(QApplication::focusWidget(), chord);
            QCoreApplication::processEvents(); // a window it opens comes to the front
        }
    }
    QVariant kept(const QString &key) const { return userSettings().value(key); }

private slots:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // the display's caret steady for the picture
        installOutputDialogs(this);
        QVERIFY(app.start());
        installSpeech(this);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTRY_VERIFY(window()->findChild<QWidget *>("PushButton17")->isEnabled());
        type("1 2 + 3 =");
        controls = window()->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls)
            atActualSize.append({ control->size(), control->font().pointSizeF() });
    }
    void init()
    {
        appearance().setZoom(100);
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        said.clear();
    }

    // At actual size in the normal look, the window looks as before the View menu came, but for the
    // menu's caption; and everything it is drawn from is as it was after the largest zoom in high
    // contrast. (Qt draws the large captions' edges a shade differently once it has drawn them
    // larger, so a second picture could not tell.)
    void actualSizeAsBefore()
    {
        const QImage before(QFINDTESTDATA("looks/main.png"));
        const QImage looks = picture(window()).convertToFormat(before.format());
        if (looks != before)
            looks.save("main.png"); // beside the test, to look at
        const int bar = window()->menuBar()->height(), width = before.width();
        const int view = app.menuBar()->actionGeometry(app.menuBar()->item("ViewMenu")).left();
        QVERIFY(looks.size() == before.size()
            && looks.copy(0, 0, view, bar) == before.copy(0, 0, view, bar)
            && looks.copy(0, bar, width, looks.height() - bar)
                == before.copy(0, bar, width, before.height() - bar));

        const auto drawnFrom = [this] {
            QString all;
            QDebug out(&all);
            const auto colours = [&out](const QPalette &palette) {
                for (int role = 0; role < QPalette::NColorRoles; ++role)
                    out << palette.color(QPalette::ColorRole(role)).rgb();
            };
            colours(QApplication::palette());
            for (QWidget *each : window()->findChildren<QWidget *>())
                if (each->isVisible()) {
                    out << each << each->geometry() << each->font() << each->style()
                        << each->testAttribute(Qt::WA_SetFont)
                        << each->testAttribute(Qt::WA_SetPalette);
                    colours(each->palette());
                }
            return all;
        };
        const QString atFirst = drawnFrom();
        appearance().setZoom(300), appearance().setHighContrast(true), picture(window());
        appearance().setZoom(100), appearance().setHighContrast(false);
        QCoreApplication::processEvents(); // the application's palette reaches every widget
        QCOMPARE(drawnFrom(), atFirst);
    }

    // Every step scales each control's size and font size, the window's too.
    void everyStep()
    {
        for (int zoom : Appearance::zoomSteps) {
            appearance().setZoom(zoom);
            const qreal factor = zoom / 100.0;
            for (int i = 0; i < controls.size(); ++i) {
                const QSize expected = atActualSize[i].first * factor;
                QVERIFY(std::abs(controls[i]->width() - expected.width()) <= 1
                    && std::abs(controls[i]->height() - expected.height()) <= 1);
                QCOMPARE(controls[i]->font().pointSizeF(), atActualSize[i].second * factor);
            }
            QCOMPARE(window()->menuBar()->font().pointSizeF(),
                QApplication::font(window()->menuBar()).pointSizeF() * factor);
            QCOMPARE(window()->width(), qRound(525 * factor));
        }
    }

    void zoom_data()
    {
        QTest::addColumn<QString>("chords");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<int>("zoom");
        // clang-format off
        QTest::newRow("in to the cap")  << "Ctrl+= Ctrl++ Ctrl+= Ctrl+=" << QStringList { "zoom 125 percent", "zoom 150 percent", "zoom 175 percent", "zoom 175 percent is the largest that fits the screen" } << 175;
        QTest::newRow("out to the end") << "Ctrl+- Ctrl+- Ctrl+-" << QStringList { "zoom 75 percent", "zoom 75 percent is the smallest", "zoom 75 percent is the smallest" } << 75;
        QTest::newRow("actual size")    << "Ctrl+= Ctrl+0" << QStringList { "zoom 125 percent", "zoom 100 percent" } << 100;
        QTest::newRow("from Help")      << "Ctrl+H Ctrl+=" << QStringList { "Help", "zoom 125 percent" } << 125;
        // clang-format on
    }

    // From the keyboard, each step is heard and kept; Help grows too.
    void zoom()
    {
        QFETCH(QString, chords);
        QFETCH(int, zoom);
        type(chords);
        QTEST(said, "said");
        QVERIFY(appearance().zoom() == zoom && kept("zoom").toInt() == zoom);
        if (QWidget *help = QApplication::activeWindow(); help != window()) {
            QCOMPARE(help->size(), QSize(700, 500) * (zoom / 100.0));
            help->close();
        }
    }

    // High contrast, on and off from the keyboard: heard and kept. Light on black faces, 15:1 or
    // more, with a focus ring that stands out, 3 pixels thick around the display. Printed in black.
    void highContrast()
    {
        type("Ctrl+Shift+H");
        QVERIFY(
            app.menuBar()->item("ViewHighContrast")->isChecked() && kept("highContrast").toBool());
        const QPalette colours = QApplication::palette();
        const auto ratio = [&colours](QPalette::ColorRole one, QPalette::ColorRole other) {
            return contrast(colours.color(one).rgb(), colours.color(other).rgb());
        };
        QVERIFY(ratio(QPalette::ButtonText, QPalette::Button) >= 15
            && ratio(QPalette::Text, QPalette::Base) >= 15
            && ratio(QPalette::WindowText, QPalette::Window) >= 15
            && ratio(QPalette::Link, QPalette::Window) >= 15
            && ratio(QPalette::HighlightedText, QPalette::Highlight) >= 15
            && ratio(QPalette::Highlight, QPalette::Button) >= 3
            && ratio(QPalette::Highlight, QPalette::Window) >= 3
            && luminance(colours.color(QPalette::Button).rgb()) < 0.05);
        const QImage key = picture(controls[1]);
        QCOMPARE(
            key.pixel(key.width() / 10, key.height() / 10), colours.color(QPalette::Button).rgb());
        const QImage ring = picture(window()->findChild<QLineEdit *>());
        for (int x : { 0, 1, 2 }) // 3 pixels in the focus colour around the focused display
            QCOMPARE(ring.pixel(x, ring.height() / 2), colours.color(QPalette::Highlight).rgb());
        type("Ctrl+P");
        QProcess::execute("pdftoppm",
            { "-gray", "-singlefile", folder.filePath("tape.pdf"), folder.filePath("tape") });
        const QImage sheet(folder.filePath("tape.pgm"));
        QVERIFY(!sheet.isNull()
            && *std::min_element(sheet.constBits(), sheet.constBits() + sheet.sizeInBytes()) < 64
            && sheet.pixel(5, 5) == qRgb(255, 255, 255));
        type("Ctrl+Shift+H");
        QCOMPARE(said, QStringList({ "high contrast on", "high contrast off" }));
        QVERIFY(!appearance().highContrast() && !kept("highContrast").toBool());
    }

    // Until the user chooses a look, the desktop's preference decides it, unheard.
    void desktopPreference()
    {
        userSettings().remove("highContrast");
        QVERIFY(app.start());
        auto *desktop = app.findChild<DesktopContrast *>();
        emit desktop->highContrastPreferred(true);
        QVERIFY(
            appearance().highContrast() && app.menuBar()->item("ViewHighContrast")->isChecked());
        emit desktop->highContrastPreferred(false);
        type("Ctrl+Shift+H");
        emit desktop->highContrastPreferred(false);
        QVERIFY(appearance().highContrast() && said == QStringList { "high contrast on" });
    }

    // Last: the next run opens as the last one left off, as large as the screen allows.
    void keptForTheNextRun()
    {
        userSettings().setValue("zoom", 300);
        appearance().setHighContrast(false);
        QVERIFY(app.start());
        QVERIFY(appearance().zoom() == 175 && appearance().highContrast());
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home; // the user's settings, and the screen
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QFile screen(home.filePath("screen.json"));
    if (!screen.open(QIODevice::WriteOnly)
        || !screen.write(R"({"screens": [{"width": 1280, "height": 1024}]})"))
        return 1;
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    App app(argc, argv, [] { return nullptr; });
    ViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view.moc"
