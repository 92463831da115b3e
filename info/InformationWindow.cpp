#include "info/InformationWindow.h"

#include "platform/Appearance.h"

#include <QLabel>
#include <QWidget>

void setUpInformationWindow(QWidget *window, const QString &title, const QSize &contentSize)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(title);
    window->setFixedSize(contentSize);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QLabel *layOutText(QLabel *label, const char *name, const QRect &geometry, const TextStyle &style)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(style.alignment);
    label->setWordWrap(style.multiLine);

    QFont font = layoutFont(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    label->setFont(font);

    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, style.colour);
    label->setPalette(palette);
    return label;
}
