#include "look/LazyIconStyle.h"

#include <QIconEngine>
#include <QPointer>

#include <functional>
#include <optional>

namespace {

// An icon that is read the first time it is drawn or measured.
class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> load)
        : load(std::move(load))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return loaded ? loaded->isNull() : false; }
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!loaded)
            loaded = load();
        return *loaded;
    }

    std::function<QIcon()> load;
    std::optional<QIcon> loaded;
};

} // namespace

QIcon LazyIconStyle::standardIcon(
    StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Drawn long after this call, if ever: the widget may be gone, the option is not kept, and the
    // style may have been replaced.
    return QIcon(new LazyIconEngine([style = QPointer<QStyle>(baseStyle()), icon] {
        return style ? style->standardIcon(icon) : QIcon();
    }));
}
