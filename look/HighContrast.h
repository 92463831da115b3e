#pragma once

#include <QPalette>
#include <QProxyStyle>

// The high-contrast look: light text on black, links in cyan, the focus and the selection in
// yellow, which stands out against the black of the key faces and of the windows alike.
namespace HighContrast {

QPalette palette();

// What a palette cannot say, for the controls and menus of the program's windows: each key
// outlined, and in the focus colour while pressed; the text fields framed, by a ring in the focus
// colour while they have the focus; the menus framed. Rings are at least 3 px thick, and every
// line grows with the appearance's zoom. The windows share one, made as it is first asked for.
class Style : public QProxyStyle
{
public:
    explicit Style(QObject *parent);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;

private:
    int thickness(int pixels) const;
};

Style *style();

// Gives a widget the look the appearance is in: the high-contrast style while it is on, the style
// the widget would have otherwise again after.
void restyle(QWidget *widget);

} // namespace HighContrast
