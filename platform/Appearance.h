#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <optional>

class QStyle;
class QWidget;
namespace HighContrast {
class Style;
}

// The font family every window carries in its layout, before it applies the program's own.
inline const QString layoutFontFamily = QStringLiteral("Geneva");

// The layout family at the given size; an installed sans stands in where it is missing.
QFont layoutFont(int pointSize);

// Replaces a control's font family, and its point size when one is given.
void setFontFamily(QWidget *widget, const QString &family, std::optional<int> pointSize = {});

// Black text on white, whatever the desktop's theme: the fields' paper.
void setBlackOnWhite(QWidget *widget);

// The one place that decides how large the windows are drawn and in which look. Every window
// asks it once, through follow(), and is then kept in step with it.
class Appearance : public QObject
{
    Q_OBJECT

public:
    // In percent of the layout's own size.
    static constexpr std::array<int, 8> zoomSteps { 75, 100, 125, 150, 175, 200, 250, 300 };
    static constexpr int actualSize = 100;

    int zoom() const { return zoomPercent; }
    qreal zoomFactor() const { return zoomPercent / qreal(actualSize); }
    bool highContrast() const { return highContrastOn; }
    void setZoom(int percent);
    void setHighContrast(bool on);

    // The largest step at which each window that follows fits the available area of its screen,
    // frame and menu bar included; the smallest step where none does.
    int largestZoomThatFits() const;

    // Draws the window, the controls placed on it and its menu bar at the zoom and in the look,
    // now and whenever either changes.
    void follow(QWidget *window);

    // The style of the controls and menus of the windows: null for the application's own.
    QStyle *controlStyle();

signals:
    void changed();

private:
    int zoomPercent = actualSize;
    bool highContrastOn = false;
    QList<QPointer<QWidget>> windows;
    QPointer<HighContrast::Style> highContrastStyle;
};

Appearance &appearance();
