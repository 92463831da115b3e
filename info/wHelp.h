#pragma once

#include "info/HelpTexts.h"
#include "info/LinkLabel.h"
#include "platform/MenuEnabling.h"

#include <QList>
#include <QWidget>

class QTextEdit;

// The Help window: a column of topic links, a read-only pane with the chosen topic's text
// (the introduction when it opens) and a link line to the home page. Used through
// SingleWindow<wHelp>; it never speaks.
class wHelp : public QWidget, public MenuEnabling
{
    Q_OBJECT

public:
    explicit wHelp(QWidget *parent = nullptr);

    void Event_EnableMenuItems() override { } // adds nothing to the menus

private:
    void Event_Open();
    void mAppearanceUpdate();
    void mShowTopic(HelpText item, LinkLabel::Trigger trigger);
    void mOpenHomePage();

    QTextEdit *EditField1;
    LinkLabel *StaticText1;
    QList<LinkLabel *> topicLinks; // StaticText2 to StaticText5, StaticText7 to StaticText9
};
