#pragma once

#include <QObject>

class QApplication;

// Keeps the windows that their layouts size, the dialogs, message boxes and context menus, Qt's
// own among them, at the program's zoom and in its look from the moment each is first shown: its
// font scaled, which its controls inherit, and in high contrast the high-contrast style for it
// and its controls. The windows with a fixed layout and the menu bar's menus follow the
// appearance through WindowAppearance instead.
class DialogAppearance : public QObject
{
public:
    explicit DialogAppearance(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
