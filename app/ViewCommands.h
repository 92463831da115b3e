#pragma once

#include <QObject>
#include <QPointer>

class MenuBar1;
class QAction;

// The View menu's commands: Zoom In, Zoom Out, Actual Size and High Contrast, each heard. The zoom
// and the user's own choice of look outlast the run; until the user chooses a look, the desktop's
// contrast preference decides it.
class ViewCommands : public QObject
{
    Q_OBJECT

public:
    ViewCommands(MenuBar1 *menuBar, QObject *parent);

    // At start: the zoom kept from the last run, as far as the screen allows, and the look.
    void restore();

    void zoomIn();
    void zoomOut();
    void actualSize();
    void setHighContrast(bool on); // the user's choice

private:
    void zoomTo(int percent);
    void showHighContrast(bool on);

    QPointer<QAction> highContrastItem;
};
