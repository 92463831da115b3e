#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QRect>

#include <optional>
#include <vector>

class Appearance;
class QWidget;

// Keeps one window drawn at the appearance's zoom and in its look. From what they were at actual
// size it scales the content's fixed size, the geometry and font of each control placed on it and
// the fonts of the menu bar and its menus. In high contrast, whatever has colours of its own takes
// the high-contrast palette instead, and the controls and menus the high-contrast style; the
// application's palette, which dialogs, menus and scroll bars take, follows the look as well. A
// child of the window.
class WindowAppearance : public QObject
{
public:
    // The window follows the program's appearance from now on.
    static void follow(QWidget *window);

private:
    WindowAppearance(QWidget *window, Appearance &appearance);

    // A widget as the window laid it out, at actual size and in the normal look.
    struct Original
    {
        QPointer<QWidget> widget;
        QRect geometry; // kept for the controls placed on the content
        std::optional<QFont> font; // where it has one of its own
        std::optional<QPalette> palette; // likewise
    };

    void apply();
    QList<QWidget *> members() const;
    const Original &original(QWidget *widget);
    void keepOnScreen();

    Appearance &appearance;
    QWidget *window;
    QWidget *content;
    QSize contentSize;
    std::vector<Original> originals;
};
