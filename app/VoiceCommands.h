#pragma once

#include "speech/Voice.h"

#include <QObject>
#include <QPointer>

class MenuBar1;
class QActionGroup;
class QMenu;

// The Speech menu's Faster, Slower, Louder and Softer, and its Voice choice: each change is
// remembered in the settings file and confirmed in the new voice. Until the user changes a
// setting, none is sent, and the speech daemon's own voice rules.
class VoiceCommands : public QObject
{
    Q_OBJECT

public:
    explicit VoiceCommands(MenuBar1 *menuBar, QObject *parent = nullptr);

    // Hands the remembered voice to speech, for the phrases to come.
    void restore();

private:
    struct Step;
    void step(const Step &step);
    void choose(const QString &type);
    void useDefaultVoice();
    void listVoiceTypes();
    void confirm(const QString &phrase);

    Voice voice;
    QPointer<QMenu> voiceMenu;
    QActionGroup *voiceChoice;
};
