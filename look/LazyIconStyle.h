#pragma once

#include <QProxyStyle>

// The desktop's style, except that the menu bar's overflow arrows are loaded only when they are
// first drawn. The first image Qt loads from a file has it load every image-format plugin, and
// the menu bar asks for its arrow as it is made, though the arrow shows only when the menus do
// not fit: done lazily, that work stays off the start of the program.
class LazyIconStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
};
