#pragma once

#include <QObject>
#include <QPointer>

#include <array>

class QWidget;

// The one owner of how large the windows are drawn and in which look. Those who draw follow it:
// each window through its WindowAppearance, the controls through the high-contrast style.
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

    // Counts the window in when it asks how large the windows may grow.
    void watch(QWidget *window);
    // The largest step at which each watched window fits the available area of its screen,
    // frame and menu bar included; the smallest step where none does.
    int largestZoomThatFits() const;

signals:
    void changed();

private:
    int zoomPercent = actualSize;
    bool highContrastOn = false;
    QList<QPointer<QWidget>> windows;
};

Appearance &appearance();
