#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;

// The About window: the program's name and version, its copyright line and a live link to its
// home page, beside a red bar. Used through SingleWindow<wAbout>. Assistive technology sees a
// dialog; without a screen reader the window says its name, version and copyright itself.
class wAbout : public QWidget
{
    Q_OBJECT

public:
    explicit wAbout(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void Event_Open();
    void Event_Activate();
    void mOpenHomePage();

    QLabel *StaticText1;
    QLabel *StaticText2;
    LinkLabel *StaticText4;
};
