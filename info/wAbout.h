#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;

// The About window: the program's name and version, its copyright line and a live link to its
// home page, beside a red bar. Used through SingleWindow<wAbout>; it never speaks.
class wAbout : public QWidget
{
    Q_OBJECT

public:
    explicit wAbout(QWidget *parent = nullptr);

private:
    void Event_Open();
    void mOpenHomePage();

    QLabel *StaticText1;
    QLabel *StaticText2;
    LinkLabel *StaticText4;
};
