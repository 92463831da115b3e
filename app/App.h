#pragma once

#include <QApplication>
#include <QPointer>

#include <functional>
#include <memory>

#include "app/MenuBar1.h"
#include "speech/SpeechConnection.h"

class SpeechSwitches;
class SpeechWorker;
class VoiceCommands;
class ViewCommands;

// The application object: owns the speech service and the menu bar, sets the program-wide
// presentation values, applies the release gate and handles the application's menu commands.
class App : public QApplication
{
    Q_OBJECT

public:
    // Speech reaches the daemon through connections that openSpeech makes.
    App(int &argc, char **argv, SpeechConnectionFactory openSpeech);
    ~App() override;

    // Runs the Open event and opens the main window. False when the release gate refused the
    // platform: the program then ends with status 0.
    bool start();

    bool Event_Open();
    void Event_EnableMenuItems();
    void _HelpHelp_Action();
    void _FileAbout_Action();
    void _HelpAbout_Action();

    MenuBar1 *menuBar() const { return menuBar1; }

    // Shows the release gate's message modally; tests answer it without a window.
    using MessageBox = std::function<void(const QString &text)>;
    void setMessageBox(MessageBox messageBox);

private:
    void AddMenuHandlers();
    void runMenuEnablePasses();
    void copyFromFocusedField();
    void quitApplication();

    std::unique_ptr<SpeechWorker> speechService;
    QPointer<MenuBar1> menuBar1; // handed to the main window, which then owns it
    VoiceCommands *voiceCommands = nullptr;
    ViewCommands *viewCommands = nullptr;
    SpeechSwitches *speechSwitches = nullptr;
    MessageBox showMessage;
};
