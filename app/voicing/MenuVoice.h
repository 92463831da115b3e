#pragma once

#include <QObject>
#include <QPointer>

class QApplication;
class QMenu;

// Says the menus while no screen reader runs: a menu as it opens, its caption and the highlighted
// item; each item the highlight moves to; the item or the menu bar's menu that the highlight
// returns to as a menu closes.
// Every phrase supersedes the one before, as key echoes do. Context menus are menus too. With
// ReachableMenuItems as the application's style, the highlight rests on unavailable items too.
class MenuVoice : public QObject
{
    Q_OBJECT

public:
    explicit MenuVoice(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void saySoon();
    void sayWhatIsHighlighted();

    QPointer<QMenu> opened; // shown since the last phrase: its caption comes first
    bool phrasePending = false;
};
