#include "look/DialogAppearance.h"

#include "look/Appearance.h"
#include "look/HighContrast.h"
#include "look/ScaledFont.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

#include <optional>

namespace {

const char *const followed = "followsTheAppearance";

// One laid-out window, kept at the zoom and in the look. A child of the window.
class LaidOutWindow : public QObject
{
public:
    explicit LaidOutWindow(QWidget *window)
        : QObject(window)
        , window(window)
        , ownFont(
              window->testAttribute(Qt::WA_SetFont) ? std::optional(window->font()) : std::nullopt)
    {
        connect(&appearance(), &Appearance::changed, this, &LaidOutWindow::apply);
        apply();
    }

private:
    void apply()
    {
        window->setFont(scaledFont(ownFont, window, appearance().zoomFactor()));
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.append(window);
        for (QWidget *widget : std::as_const(widgets))
            HighContrast::restyle(widget);
    }

    QWidget *window;
    std::optional<QFont> ownFont;
};

bool inMenuBar(const QWidget *menu)
{
    for (const QObject *above = menu->parent(); above; above = above->parent())
        if (qobject_cast<const QMenuBar *>(above))
            return true;
    return false;
}

bool isLaidOut(const QWidget *widget)
{
    return widget->isWindow()
        && (qobject_cast<const QDialog *>(widget)
            || (qobject_cast<const QMenu *>(widget) && !inMenuBar(widget)));
}

} // namespace

DialogAppearance::DialogAppearance(QApplication *application)
    : QObject(application)
{
    application->installEventFilter(this);
}

bool DialogAppearance::eventFilter(QObject *watched, QEvent *event)
{
    // Polished before the window takes its size from its layout, and before it shows.
    if (event->type() == QEvent::Polish) {
        auto *widget = static_cast<QWidget *>(watched);
        if (isLaidOut(widget) && !widget->property(followed).toBool()) {
            widget->setProperty(followed, true);
            new LaidOutWindow(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}
