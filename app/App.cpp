#include "app/App.h"

#include "accessibility/AccessibleTextFields.h"
#include "app/MenuBar1.h"
#include "app/ReleaseGate.h"
#include "app/SpeechOpening.h"
#include "app/SpeechSwitches.h"
#include "app/ViewCommands.h"
#include "app/VoiceCommands.h"
#include "app/voicing/DialogVoice.h"
#include "app/voicing/MenuVoice.h"
#include "app/voicing/ReachableMenuItems.h"
#include "calculator/wMain.h"
#include "info/wAbout.h"
#include "info/wHelp.h"
#include "look/DialogAppearance.h"
#include "look/LayoutStyle.h"
#include "look/LazyIconStyle.h"
#include "platform/MenuEnabling.h"
#include "platform/SingleWindow.h"
#include "platform/SystemRelease.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"
#include "program/Settings.h"
#include "speech/ScreenReaderStatus.h"
#include "speech/SpeechWorker.h"
#include "translations/Translations.h"
#include "transcript/TranscriptOutcomes.h"

#include <QFont>
#include <QMessageBox>

namespace {

void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

App::App(int &argc, char **argv, SpeechConnectionFactory openSpeech)
    : QApplication(argc, argv)
    , speechService(std::make_unique<SpeechWorker>(std::move(openSpeech)))
    , showMessage([](const QString &text) { QMessageBox::information(nullptr, QString(), text); })
{
    setApplicationName(QStringLiteral("numivox"));
    setApplicationVersion(programVersion);
    installTranslations(); // before the first word of the menus, windows and speech
    speechService->setLanguage(translationLanguage());
    setQuitOnLastWindowClosed(false); // only the main window's closing ends the program
    // Where the layout's family is missing, an installed legible sans stands in.
    QFont::insertSubstitutions(layoutFontFamily,
        { QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Noto Sans") });
    // Set before any widget exists, which would otherwise be made and polished twice.
    setStyle(new ReachableMenuItems(new LazyIconStyle));
    installSpeech(speechService.get());
    new SpeechOpening(*speechService, this);
    installTextFieldAccessibility();
    // Without a screen reader the menus and dialogs say what they show, the release gate's too.
    new MenuVoice(this);
    new DialogVoice(this);
    // Dialogs and context menus as large as the windows, and in their look.
    new DialogAppearance(this);
    menuBar1 = new MenuBar1;
    voiceCommands = new VoiceCommands(menuBar1, this);
    viewCommands = new ViewCommands(menuBar1, this);
    speechSwitches = new SpeechSwitches(menuBar1, this);
    screenReader().watchDesktop();
    AddMenuHandlers();
}

App::~App()
{
    delete menuBar1.data(); // still ours when the main window never took it
    installSpeech(nullptr);
}

bool App::start()
{
    if (!Event_Open())
        return false;
    speechSwitches->restore();
    voiceCommands->restore(); // before the window says "ready"
    wMain *window = SingleWindow<wMain>::instance();
    if (window->menuWidget() != menuBar1) {
        window->setMenuBar(menuBar1);
        window->AddMenuHandlers();
    }
    viewCommands->restore(); // once the window and its menu bar are there to follow it
    window->show();
    return true;
}

bool App::Event_Open()
{
    mGlobals.sTheFont = layoutFontFamily;
    menuBar1->item(QStringLiteral("FileQuit"))->setText(tr("&Quit Numivox"));
    mGlobals.bSpeech = true;
    menuBar1->item(QStringLiteral("HelpAbout"))->setVisible(false);

    const std::optional<int> release = querySystemRelease("sysv");
    mGlobals.sysVersion = release.value_or(0);
    if (!releaseIsSupported(release)) {
        showMessage(releaseGateMessage());
        return false;
    }

    mGlobals.iTheFontSize = 12;
    return true;
}

void App::Event_EnableMenuItems()
{
    menuBar1->item(QStringLiteral("HelpHelp"))->setEnabled(true);
    menuBar1->item(QStringLiteral("FileAbout"))->setEnabled(true);
}

void App::_HelpHelp_Action()
{
    bringToFront(SingleWindow<wHelp>::instance());
}

void App::_FileAbout_Action()
{
    bringToFront(SingleWindow<wAbout>::instance());
}

void App::_HelpAbout_Action()
{
    _FileAbout_Action();
}

void App::setMessageBox(MessageBox messageBox)
{
    showMessage = std::move(messageBox);
}

void App::AddMenuHandlers()
{
    const auto attach = [this](const QString &itemName, void (App::*handler)()) {
        connect(menuBar1->item(itemName), &QAction::triggered, this, handler);
    };
    attach(QStringLiteral("HelpHelp"), &App::_HelpHelp_Action);
    attach(QStringLiteral("FileAbout"), &App::_FileAbout_Action);
    attach(QStringLiteral("HelpAbout"), &App::_HelpAbout_Action);
    attach(QStringLiteral("EditCopy"), &App::copyFromFocusedField);
    attach(QStringLiteral("FileQuit"), &App::quitApplication);

    for (QMenu *menu : menuBar1->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, &App::runMenuEnablePasses);
}

void App::runMenuEnablePasses()
{
    Event_EnableMenuItems();
    if (auto *window = dynamic_cast<MenuEnabling *>(activeWindow()))
        window->Event_EnableMenuItems();
}

// Copy is the focused text field's own: the whole transcript, or a field's selection.
void App::copyFromFocusedField()
{
    sayCopied(copyFrom(focusWidget()));
}

void App::quitApplication()
{
    closeAllWindows(); // the main window's closing ends the run
}
