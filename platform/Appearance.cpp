#include "platform/Appearance.h"

#include "platform/HighContrast.h"
#include "platform/WindowAppearance.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QFont layoutFont(int pointSize)
{
    QFont font(layoutFontFamily, pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void setFontFamily(QWidget *widget, const QString &family, std::optional<int> pointSize)
{
    QFont font = widget->font();
    font.setFamily(family);
    if (pointSize)
        font.setPointSize(*pointSize);
    widget->setFont(font);
}

void setBlackOnWhite(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

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
    // Dialogs, menus and scroll bars take the look from the application's palette; an empty one
    // gives the desktop's back.
    QApplication::setPalette(on ? HighContrast::palette() : QPalette());
    emit changed();
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

QStyle *Appearance::controlStyle()
{
    if (!highContrastOn)
        return nullptr;
    if (!highContrastStyle)
        highContrastStyle = new HighContrast::Style(qApp);
    return highContrastStyle;
}

void Appearance::follow(QWidget *window)
{
    windows.removeAll(nullptr);
    windows.append(window);
    new WindowAppearance(window, *this);
}
