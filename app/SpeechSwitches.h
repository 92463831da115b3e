#pragma once

#include <QObject>

class MenuBar1;

// The Speech menu's two switches: Speak Keys, on until the user turns it off, and Read Digits
// Singly, off until turned on. Each is kept in the settings file, checked in the menu and said
// as the user switches it.
class SpeechSwitches : public QObject
{
    Q_OBJECT

public:
    SpeechSwitches(MenuBar1 *menuBar, QObject *parent);

    // At start: each switch as the user left it.
    void restore();

private:
    MenuBar1 *menuBar;
};
