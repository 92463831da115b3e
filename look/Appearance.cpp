#include "look/Appearance.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

Appearance &appearance()
{
    static Appearance theAppearance;
    return theAppearance;
}

void Appearance::setZoom(int percent)
{
    if (percent == zoomPercent)
        return;
    zoomPercent = percent;
    emit changed();
}

void Appearance::setHighContrast(bool on)
{
    if (on == highContrastOn)
        return;
    highContrastOn = on;
    emit changed();
}

void Appearance::watch(QWidget *window)
{
    windows.removeAll(nullptr);
    windows.append(window);
}

int Appearance::largestZoomThatFits() const
{
    const auto fits = [this](int percent) {
        return std::ranges::all_of(windows, [this, percent](const QWidget *window) {
            if (!window)
                return true;
            const QSize frame = window->frameGeometry().size() - window->size();
            const QSize grown = frame + window->size() * (qreal(percent) / zoomPercent);
            return window->screen()->availableGeometry().size().boundedTo(grown) == grown;
        });
    };
    const auto fitting = std::find_if(zoomSteps.rbegin(), zoomSteps.rend(), fits);
    return fitting == zoomSteps.rend() ? zoomSteps.front() : *fitting;
}
