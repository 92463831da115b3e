#pragma once

#include <QAccessible>
#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The frame shared by the About and Help windows: a document window of a fixed content size on
// white, with close and minimise buttons but no maximise button, that Escape closes. Assistive
// technology sees it in the given role (a dialog, or a window), named by its title.
void setUpInformationWindow(
    QWidget *window, const QString &title, const QSize &contentSize, QAccessible::Role role);

// How a static text of these windows looks in their layout, before the window adjusts its font.
struct TextStyle
{
    QColor colour;
    int pointSize;
    bool bold = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool multiLine = false;
};

// Names a static text after its control, puts it in place and styles it; returns it.
QLabel *layOutText(QLabel *label, const char *name, const QRect &geometry, const TextStyle &style);
