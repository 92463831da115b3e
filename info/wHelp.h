#pragma once

#include "info/HelpTexts.h"
#include "info/LinkLabel.h"
#include "platform/MenuEnabling.h"

#include <QList>
#include <QWidget>

class QTextEdit;

// The Help window: a column of topic links, a read-only pane with the chosen topic's text
// (the introduction when it opens) and a link line to the home page. Used through
// SingleWindow<wHelp>. A topic chosen from the keyboard is read out by the screen reader as the
// pane takes the focus. Without one, the window reads out every chosen topic itself, from the
// keyboard or the mouse, and also says its name when it comes to the front and the name of each
// control that Tab reaches.
class wHelp : public QWidget, public MenuEnabling
{
    Q_OBJECT

public:
    explicit wHelp(QWidget *parent = nullptr);

    void Event_EnableMenuItems() override { } // adds nothing to the menus

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Event_Open();
    void Event_Activate();
    void Event_Close();
    void mAppearanceUpdate();
    void mShowTopic(HelpText item, LinkLabel::Trigger trigger);
    void mOpenHomePage();

    QTextEdit *EditField1;
    LinkLabel *StaticText1;
    QList<LinkLabel *> topicLinks; // StaticText2 to StaticText5, StaticText7 to StaticText9
    bool readingAloud = false; // a topic this window read out may still be under way
};
