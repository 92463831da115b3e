#pragma once

#include "speech/SpeechService.h"

#include <QString>

class QAccessibleInterface;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// The words for what menus and dialogs show, read from the widgets' own actions and accessible
// names, roles, values and states, and the one way the voicing says them.

// "control shift C"; the keys "+", "-" and "=" as "plus", "minus" and "equals".
QString spokenShortcut(const QKeySequence &shortcut);

// The caption without its access key and trailing ellipsis, then "on" or "off" for a checkable
// item, "submenu", "unavailable" for a disabled item, and its shortcut in words, comma separated.
QString spokenMenuItem(const QAction *item);

// "File menu"; a menu without a caption is a "context menu".
QString spokenMenu(const QMenu *menu);

// A dialog as it opens: its title, and the text of a message box.
QString spokenWindow(QWidget *window);

// A control: its name, its kind ("button", "text field", ...) and its state.
QString spokenControl(QWidget *control);

// A control's state: "checked" or "not checked", the current item of a list, or the value.
QString spokenState(QAccessibleInterface *control);

// Says the parts as one comma-separated phrase unless a screen reader runs: beside one, menus
// and dialogs are its own.
void sayWithoutScreenReader(const QStringList &parts, Interrupt interrupt, Importance importance);
