#include "look/ScaledFont.h"

#include <QApplication>

QFont scaledFont(const std::optional<QFont> &own, const QWidget *widget, qreal factor)
{
    if (factor == 1)
        return own.value_or(QFont());
    QFont font = own.value_or(QApplication::font(widget));
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}
