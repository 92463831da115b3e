#include "look/WindowAppearance.h"

#include "look/Appearance.h"
#include "look/HighContrast.h"
#include "look/ScaledFont.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <mutex>

namespace {

// Edges rather than sizes, so that controls side by side stay exactly as far apart.
QRect scaled(const QRect &rect, qreal factor)
{
    const auto at = [factor](int edge) { return qRound(edge * factor); };
    return { QPoint(at(rect.left()), at(rect.top())),
        QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1) };
}

// The application's palette: an empty one gives the desktop's back.
void followWithApplicationPalette(const Appearance &appearance)
{
    static bool shown = false; // the high-contrast palette, that is
    const auto apply = [&appearance] {
        if (appearance.highContrast() == shown)
            return;
        shown = appearance.highContrast();
        QApplication::setPalette(shown ? HighContrast::palette() : QPalette());
    };
    QObject::connect(&appearance, &Appearance::changed, qApp, apply);
    apply();
}

} // namespace

void WindowAppearance::follow(QWidget *window)
{
    // Before any window's own follower, so that each window finds the application's palette
    // already switched.
    Appearance &shared = ::appearance();
    static std::once_flag paletteFollows;
    std::call_once(paletteFollows, [&shared] { followWithApplicationPalette(shared); });
    shared.watch(window);
    new WindowAppearance(window, shared);
}

WindowAppearance::WindowAppearance(QWidget *window, Appearance &appearance)
    : QObject(window)
    , appearance(appearance)
    , window(window)
{
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    content = mainWindow ? mainWindow->centralWidget() : window;
    contentSize = content->minimumSize();
    connect(&appearance, &Appearance::changed, this, &WindowAppearance::apply);
    apply();
}

void WindowAppearance::apply()
{
    const qreal factor = appearance.zoomFactor();
    for (QWidget *widget : members()) {
        const Original &was = original(widget);
        const bool placed = widget->parentWidget() == content;
        if (placed)
            widget->setGeometry(scaled(was.geometry, factor));
        // Set again at each step: a frame takes its new thickness as its style is set.
        if (placed || widget->inherits("QMenu"))
            HighContrast::restyle(widget);
        if (widget != window && widget != content)
            widget->setFont(scaledFont(was.font, widget, factor));
        if (was.palette)
            widget->setPalette(appearance.highContrast() ? HighContrast::palette() : *was.palette);
    }
    content->setFixedSize(contentSize * factor);
    if (window->layout())
        window->layout()->activate(); // the main window takes its new size at once
    keepOnScreen();
}

// The window, its content, the controls placed on the content, and the menu bar with its menus.
QList<QWidget *> WindowAppearance::members() const
{
    QList<QWidget *> found { window };
    if (content != window)
        found.append(content);
    for (QWidget *child : content->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            found.append(child);
    for (QMenuBar *bar : window->findChildren<QMenuBar *>(Qt::FindDirectChildrenOnly)) {
        found.append(bar);
        for (QMenu *menu : bar->findChildren<QMenu *>())
            found.append(menu);
    }
    return found;
}

// Taken the first time the widget is seen, before anything here has changed it.
const WindowAppearance::Original &WindowAppearance::original(QWidget *widget)
{
    const auto known = std::ranges::find_if(
        originals, [widget](const Original &original) { return original.widget == widget; });
    if (known != originals.end())
        return *known;
    const auto own = [widget](Qt::WidgetAttribute attribute, auto value) {
        return widget->testAttribute(attribute) ? std::optional(value) : std::nullopt;
    };
    return originals.emplace_back(widget, widget->geometry(), own(Qt::WA_SetFont, widget->font()),
        own(Qt::WA_SetPalette, widget->palette()));
}

// As it grows, the window moves as far as it must to stay within its screen's available area.
void WindowAppearance::keepOnScreen()
{
    if (!window->isVisible())
        return;
    const QRect available = window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    window->move(frame.topLeft());
}
