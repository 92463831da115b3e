#pragma once

#include <QProxyStyle>

// The desktop's style, except that the keyboard and the mouse rest on an unavailable menu item
// as on any other, so that it is heard, "unavailable", rather than passed over in silence.
class ReachableMenuItems : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override
    {
        return hint == SH_Menu_AllowActiveAndDisabled
            || QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
