#include "app/MenuBar1.h"
#include "app/VoiceCommands.h"
#include "platform/SpeechService.h"
#include "platform/tests/VoiceText.h"
#include "program/Settings.h"

#include <QMainWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

// The voice commands in a window's menu bar, speaking into `effects`: "set" and the settings
// handed to speech, then what is said.
class VoiceCommandsTest : public QObject, public SpeechService
{
    Q_OBJECT

    void speak(const QStringList &phrases, Interrupt, Importance) override { effects += phrases; }
    void setVoice(const Voice &voice) override { effects.append(voiceText(voice)); }
    VoiceOffer voiceOffer() const override
    {
        return { 85, 100, { "MALE1", "FEMALE1", "CHILD_FEMALE" } };
    }
    QStringList effects;

private slots:
    void initTestCase() { installSpeech(this); }

    // Each row starts a run with the settings file holding `kept`: what the commands the keys give
    // hand to speech, say, and check in the Voice menu, and what the file then keeps. A step starts
    // from the daemon's own rate of 85 and volume of 100 when none is kept.
    void commands_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("effects");
        QTest::addColumn<QString>("keptAfter");
        // clang-format off
        QTest::newRow("faster to the top") << "" << "Ctrl+Shift+F, Ctrl+Shift+F, Ctrl+Shift+F" << QStringList { "set", "set rate 95", "faster 95", "set rate 100", "fastest", "set rate 100", "fastest", "Default Voice" } << "rate=100";
        QTest::newRow("slower to the foot")<< "rate=-85" << "Ctrl+Shift+S, Ctrl+Shift+S" << QStringList { "set rate -85", "set rate -95", "slower negative 95", "set rate -100", "slowest", "Default Voice" } << "rate=-100";
        QTest::newRow("louder, softer")    << "" << "Ctrl+Shift+O, Ctrl+Shift+T" << QStringList { "set", "set volume 100", "loudest", "set volume 90", "softer 90", "Default Voice" } << "volume=90";
        QTest::newRow("softest heard")     << "rate=5 volume=-80" << "Ctrl+Shift+T, Ctrl+Shift+T" << QStringList { "set rate 5 volume -80", "set rate 5 volume -90", "softest", "set rate 5 volume -90", "softest", "Default Voice" } << "rate=5 volume=-90";
        QTest::newRow("voice chosen")      << "rate=30" << "Alt+S, V, F" << QStringList { "set rate 30", "set rate 30 type FEMALE1", "voice female 1", "Female 1" } << "rate=30 voiceType=FEMALE1";
        QTest::newRow("default voice")     << "rate=30 voiceType=CHILD_FEMALE volume=-20" << "Alt+S, V, D" << QStringList { "set rate 30 volume -20 type CHILD_FEMALE", "set", "default voice", "Default Voice" } << "";
        QTest::newRow("kept voice")        << "voiceType=CHILD_FEMALE" << "" << QStringList { "set type CHILD_FEMALE", "Child Female" } << "voiceType=CHILD_FEMALE";
        QTest::newRow("damaged settings")  << "rate=fast voiceType= volume=500" << "" << QStringList { "set volume 100", "Default Voice" } << "rate=fast voiceType= volume=500";
        // clang-format on
    }
    void commands()
    {
        QFETCH(QString, kept);
        QFETCH(QString, keys);
        QSettings file = userSettings();
        file.clear();
        for (const QString &setting : kept.split(u' ', Qt::SkipEmptyParts))
            file.setValue(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        file.sync();
        effects.clear();

        QMainWindow window;
        auto *menuBar = new MenuBar1;
        window.setMenuBar(menuBar);
        VoiceCommands commands(menuBar);
        commands.restore();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString &chord : keys.split(", ", Qt::SkipEmptyParts)) {
            QWidget *popup = QApplication::activePopupWidget();
            QTest::keySequence(popup ? popup : &window, QKeySequence(chord));
        }
        QMenu *voiceMenu = menuBar->item("SpeechVoice")->menu();
        emit voiceMenu->aboutToShow();
        for (const QAction *item : voiceMenu->actions())
            if (item->isChecked())
                effects.append(item->text().remove(u'&'));
        QTEST(effects, "effects");

        file.sync();
        QStringList keptAfter;
        for (const QString &key : file.allKeys())
            keptAfter.append(key + u'=' + file.value(key).toString());
        QTEST(keptAfter.join(u' '), "keptAfter");
        QStringList listed; // the daemon's voice types in its order, each with an access key
        for (const QAction *item : voiceMenu->actions())
            listed.append(item->text());
        QCOMPARE(
            listed, QStringList({ "&Default Voice", "", "&Male 1", "&Female 1", "&Child Female" }));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home; // the user's settings, in a scratch folder
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    VoiceCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_voicecommands.moc"
