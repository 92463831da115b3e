#pragma once

#include <QString>
#include <QStringList>

class QAccessibleInterface;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// The words for what menus and dialogs show, read from the widgets' own actions and accessible
// names, roles, values and states.

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

// The parts as one phrase, comma separated.
QString inOnePhrase(const QStringList &parts);
