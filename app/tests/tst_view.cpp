#include "app/App.h"
#include "look/Appearance.h"
#include "look/DesktopContrast.h"
#include "program/Settings.h"
#include "testing/Pictures.h"
#include "testing/RecordingSpeech.h"
#include "transcript/PagePrinting.h"

#include <QtDBus>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

// WCAG 2: a colour's relative luminance, plus 0.05 to make the ratio of two their contrast.
double luminance(const QColor &colour)
{
    const auto linear
        = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF()) + 0.05;
}

// The View menu in the running program, on a screen of 1280 by 1024 whose windows have 2-pixel
// frames. What the program says lands in `said`.
class ViewTest : public QObject
{
    Q_OBJECT

    RecordingSpeech speech;
    QStringList &said = speech.calls;

    App &app = *static_cast<App *>(qApp);
    QMainWindow *window() const { return static_cast<QMainWindow *>(app.menuBar()->window()); }
    QWidgetList controls; // display, keys and transcript, with their sizes and font sizes
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

private slots:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // the display's caret steady for the picture
        QVERIFY(app.start());
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTRY_VERIFY(window()->findChild<QWidget *>("PushButton17")->isEnabled());
        type("1 2 + 3 =");
        controls = window()->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls)
            atActualSize.append({ control->size(), control->font().pointSizeF() });
    }
    void init()
    {
        app.menuBar()->item("ViewHighContrast")->setChecked(false); // in the normal look,
        appearance().setHighContrast(false);
        appearance().setZoom(100); // at actual size, with nothing kept from an earlier test
        userSettings().clear();
        said.clear();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }

    // At actual size in the normal look, the window looks as before the View menu came, but for
    // its caption; and just so again after a larger zoom in high contrast.
    void actualSizeAsBefore()
    {
        const QImage before(QFINDTESTDATA("looks/main.png"));
        const QImage looks = picture(window()).convertToFormat(before.format());
        const int bar = window()->menuBar()->height();
        const int view = app.menuBar()->actionGeometry(app.menuBar()->item("ViewMenu")).left();
        const auto same
            = [&](const QRect &area) { return looksAlike(looks.copy(area), before.copy(area)); };
        QVERIFY(looks.size() == before.size() && same({ 0, 0, view, bar })
            && same(before.rect().adjusted(0, bar, 0, 0)));
        appearance().setZoom(150), appearance().setHighContrast(true), picture(window());
        appearance().setZoom(100), appearance().setHighContrast(false);
        QVERIFY(looksAlike(picture(window()), looks));
    }

    // The menu bar's overflow arrows, read only once drawn, are the desktop style's own.
    void overflowArrows()
    {
        const std::unique_ptr<QStyle> desktop(QStyleFactory::create("Fusion"));
        const auto looks = [](QStyle *style, QStyle::StandardPixmap icon) {
            return style->standardIcon(icon).pixmap(16).toImage();
        };
        QVERIFY(!window()->menuBar()->findChild<QToolButton *>()->icon().isNull());
        for (const auto icon : { QStyle::SP_ToolBarHorizontalExtensionButton,
                 QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton })
            QCOMPARE(looks(QApplication::style(), icon), looks(desktop.get(), icon));
    }

    // Every step scales each control's size and font size, and the menu bar's font.
    void everyStep()
    {
        for (const qreal factor : { 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0 }) {
            appearance().setZoom(qRound(factor * 100));
            for (int i = 0; i < controls.size(); ++i) {
                const QSize difference = controls[i]->size() - atActualSize[i].first * factor;
                QVERIFY(std::max(std::abs(difference.width()), std::abs(difference.height())) <= 1);
                QCOMPARE(controls[i]->font().pointSizeF(), atActualSize[i].second * factor);
            }
            QCOMPARE(window()->menuBar()->font().pointSizeF(),
                QApplication::font(window()->menuBar()).pointSizeF() * factor);
        }
    }

    void zoom_data()
    {
        QTest::addColumn<QString>("chords");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("zoom");
        // clang-format off
        QTest::newRow("in to the cap")  << "Ctrl+= Ctrl++ Ctrl+= Ctrl+=" << "125 150 175 175 is the largest that fits the screen" << 175;
        QTest::newRow("out to the end") << "Ctrl+- Ctrl+- Ctrl+-" << "75 75 is the smallest 75 is the smallest" << 75;
        QTest::newRow("actual size")    << "Ctrl+= Ctrl+0" << "125 100" << 100;
        QTest::newRow("from Help")      << "Ctrl+H Ctrl+=" << "Help 125" << 125;
        // clang-format on
    }

    // From the keyboard, each step is heard ("zoom N percent" and what follows) and kept; Help
    // grows too.
    void zoom()
    {
        QFETCH(QString, chords);
        QFETCH(int, zoom);
        type(chords);
        QTEST(said.join(' ').remove("!zoom ").remove(" percent"), "said");
        QVERIFY(appearance().zoom() == zoom && userSettings().value("zoom").toInt() == zoom
            && window()->screen()->availableGeometry().contains(window()->frameGeometry()));
        QWidget *help = QApplication::activeWindow(); // closed, if it is Help
        QVERIFY(help == window()
            || (help->size() == QSize(700, 500) * (zoom / 100.0) && help->close()));
    }

    // High contrast from the keyboard, heard and kept: light on black faces at 15:1 or more, a
    // focus ring that stands out, 3 pixels thick around the display; printing unchanged.
    void highContrast()
    {
        type("Ctrl+Shift+H");
        QVERIFY(app.menuBar()->item("ViewHighContrast")->isChecked()
            && userSettings().value("highContrast").toBool());
        const QPalette colours = QApplication::palette();
        using P = QPalette;
        for (const auto &[light, dark, least] : { std::tuple(P::ButtonText, P::Button, 15),
                 { P::Text, P::Base, 15 }, { P::WindowText, P::Window, 15 },
                 { P::Link, P::Window, 15 }, { P::Highlight, P::HighlightedText, 15 },
                 { P::Highlight, P::Button, 3 }, { P::Highlight, P::Window, 3 } })
            QVERIFY(luminance(colours.color(light)) / luminance(colours.color(dark)) >= least);
        QVERIFY(luminance(colours.color(P::Button)) < 0.1); // the key faces' under 0.05
        const QImage looks = picture(window());
        for (const int zoom : { 200, 100 }) { // the ring grows with the zoom
            appearance().setZoom(zoom);
            const QImage display = picture(controls[0]);
            QCOMPARE(display.pixel(zoom * 3 / 100 - 1, 9), colours.color(P::Highlight).rgb());
        }
        QVERIFY(looksAlike(looks, QImage(QFINDTESTDATA("looks/main-high-contrast.png"))));
        const QTemporaryDir folder; // the transcript still printed in black on white
        QPrinter printer;
        printer.setOutputFileName(folder.filePath("tape.pdf"));
        printPages(*window()->findChild<QTextEdit *>()->document(), printer, false);
        QProcess::execute("pdftoppm",
            { "-gray", "-singlefile", printer.outputFileName(), folder.filePath("tape") });
        const QImage sheet(folder.filePath("tape.pgm"));
        QVERIFY(sheet.pixel(0, 0) == qRgb(255, 255, 255)
            && *std::min_element(sheet.constBits(), sheet.constBits() + sheet.sizeInBytes()) < 64);
        type("Ctrl+Shift+H");
        QVERIFY(said == QStringList({ "!high contrast on", "!high contrast off" })
            && !userSettings().value("highContrast").toBool());
    }

    // Dialogs, message boxes and context menus open as large as the windows, Qt's own too, and
    // in their look: a field of the save dialog framed in the focus colour in high contrast.
    void dialogsFollow()
    {
        QFileDialog files(window());
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.show();
        QVERIFY(QTest::qWaitForWindowActive(&files));
        auto *name = files.findChild<QLineEdit *>("fileNameEdit");
        const int atActualSize = name->height();
        appearance().setZoom(200), appearance().setHighContrast(true);
        QTRY_VERIFY(name->height() > 1.5 * atActualSize);
        QCOMPARE(picture(name).pixel(3, name->height() / 2),
            QApplication::palette().color(QPalette::Highlight).rgb());
        QMessageBox message(
            QMessageBox::Warning, "Numivox", "A message", QMessageBox::Ok, window());
        message.show();
        QContextMenuEvent openMenu(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(controls[0], &openMenu); // the display's
        for (QWidget *opened :
            { static_cast<QWidget *>(&message), QApplication::activePopupWidget() })
            QCOMPARE(opened->font().pointSizeF(), QApplication::font(opened).pointSizeF() * 2);
        QApplication::activePopupWidget()->close();
    }

    // Until the user chooses a look, the desktop's preference decides it, unheard. The next run
    // opens as the last one left off, as large as the screen allows.
    void keptForTheNextRun()
    {
        userSettings().remove("highContrast");
        userSettings().setValue("zoom", 300);
        QVERIFY(app.start() && appearance().zoom() == 175 && !appearance().highContrast());
        said.clear(); // the voice the run restored
        const auto desktopSets = [this](const char *group, const char *key, QVariant value) {
            QDBusMessage change = QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                "org.freedesktop.portal.Settings", "SettingChanged");
            change << group << key << QVariant::fromValue(QDBusVariant(value));
            QMetaObject::invokeMethod(
                app.findChild<DesktopContrast *>(), "settingChanged", Q_ARG(QDBusMessage, change));
            return appearance().highContrast();
        };
        QVERIFY(!desktopSets("org.freedesktop.appearance", "color-scheme", 1u)
            && desktopSets("org.freedesktop.appearance", "contrast", 1u)
            && app.menuBar()->item("ViewHighContrast")->isChecked() && said.isEmpty());
        type("Ctrl+Shift+H");
        QVERIFY(!desktopSets("org.gnome.desktop.a11y.interface", "high-contrast", true));
        appearance().setHighContrast(true);
        QVERIFY(app.start() && !appearance().highContrast());
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home; // the user's settings, in a scratch folder
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    App app(argc, argv, [](QString &) { return nullptr; });
    ViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view.moc"
