#include "look/LayoutStyle.h"

#include <QPalette>
#include <QWidget>

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
