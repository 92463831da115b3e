#include "look/HighContrast.h"

#include "look/Appearance.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

const QColor paper = Qt::black;
const QColor ink = Qt::white;
const QColor focus = QColor(0xFFFF00);
const QColor linkColour = QColor(0x00FFFF);
const QColor subdued = QColor(0xA0A0A0); // frames, and what is disabled: 8:1 on black

} // namespace

QPalette HighContrast::palette()
{
    // clang-format off
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        { QPalette::Window, paper },       { QPalette::WindowText, ink },
        { QPalette::Base, paper },         { QPalette::AlternateBase, paper },
        { QPalette::Text, ink },           { QPalette::PlaceholderText, subdued },
        { QPalette::Button, paper },       { QPalette::ButtonText, ink },
        { QPalette::ToolTipBase, paper },  { QPalette::ToolTipText, ink },
        { QPalette::Highlight, focus },    { QPalette::HighlightedText, paper },
        { QPalette::Link, linkColour },    { QPalette::LinkVisited, linkColour },
        { QPalette::BrightText, focus },   { QPalette::Light, ink },
        { QPalette::Midlight, subdued },   { QPalette::Mid, subdued },
        { QPalette::Dark, subdued },       { QPalette::Shadow, ink },
    };
    // clang-format on
    QPalette palette;
    for (const auto &[role, colour] : roles)
        palette.setColor(role, colour);
    for (QPalette::ColorRole text : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, text, subdued);
    return palette;
}

HighContrast::Style *HighContrast::style()
{
    static QPointer<Style> shared;
    if (!shared)
        shared = new Style(qApp);
    return shared;
}

void HighContrast::restyle(QWidget *widget)
{
    QStyle *chosen = appearance().highContrast() ? style() : nullptr;
    if (chosen || widget->testAttribute(Qt::WA_SetStyle))
        widget->setStyle(chosen);
}

HighContrast::Style::Style(QObject *parent)
{
    setParent(parent);
}

int HighContrast::Style::thickness(int pixels) const
{
    return std::max(pixels, qRound(pixels * appearance().zoomFactor()));
}

int HighContrast::Style::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_DefaultFrameWidth) // room for the ring inside the fields' frames
        return thickness(3);
    if (metric == PM_MenuPanelWidth) // an open menu stands out from the black beneath it
        return thickness(2);
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void HighContrast::Style::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    const QPalette &colours = option->palette;
    const bool pressed = option->state & State_Sunken;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    switch (element) {
    case PE_PanelButtonCommand: {
        const int line = thickness(2);
        const QColor face = colours.color(pressed ? QPalette::Highlight : QPalette::Button);
        painter->setPen(QPen(pressed ? face : colours.color(QPalette::ButtonText), line));
        painter->setBrush(face);
        const qreal inset = line / 2.0;
        painter->drawRoundedRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset),
            thickness(6), thickness(6));
        break;
    }
    case PE_FrameMenu:
    case PE_FrameLineEdit:
    case PE_Frame: {
        const bool menu = element == PE_FrameMenu;
        const int line = pixelMetric(menu ? PM_MenuPanelWidth : PM_DefaultFrameWidth);
        const bool focused = option->state & State_HasFocus && !menu;
        const QColor ring = colours.color(focused ? QPalette::Highlight : QPalette::Mid);
        painter->setPen(QPen(ring, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = line / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        break;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    painter->restore();
}

void HighContrast::Style::drawControl(ControlElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element == CE_PushButtonLabel && button && button->state & State_Sunken) {
        QStyleOptionButton pressed = *button; // dark on the focus colour
        pressed.palette.setColor(
            QPalette::ButtonText, button->palette.color(QPalette::HighlightedText));
        return QProxyStyle::drawControl(element, &pressed, painter, widget);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
