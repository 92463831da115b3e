#include "app/ViewCommands.h"

#include "app/MenuBar1.h"
#include "look/Appearance.h"
#include "look/DesktopContrast.h"
#include "program/Settings.h"
#include "speech/SpeechFilter.h"

#include <QAction>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace {

const QString zoomKey = QStringLiteral("zoom"); // in percent
const QString highContrastKey = QStringLiteral("highContrast"); // absent: the desktop's choice

const auto &steps = Appearance::zoomSteps;

// The look the user chose, if any; absent or unreadable, the desktop's preference rules.
std::optional<bool> chosenHighContrast()
{
    const QString look = userSettings().value(highContrastKey).toString();
    if (look == QLatin1String("true") || look == QLatin1String("false"))
        return look == QLatin1String("true");
    return std::nullopt;
}

} // namespace

ViewCommands::ViewCommands(MenuBar1 *menuBar, QObject *parent)
    : QObject(parent)
    , highContrastItem(menuBar->item(QStringLiteral("ViewHighContrast")))
{
    const auto attach = [this, menuBar](const QString &itemName, void (ViewCommands::*command)()) {
        connect(menuBar->item(itemName), &QAction::triggered, this, command);
    };
    attach(QStringLiteral("ViewZoomIn"), &ViewCommands::zoomIn);
    attach(QStringLiteral("ViewZoomOut"), &ViewCommands::zoomOut);
    attach(QStringLiteral("ViewActualSize"), &ViewCommands::actualSize);
    connect(highContrastItem, &QAction::toggled, this, &ViewCommands::setHighContrast);
    connect(
        new DesktopContrast(this), &DesktopContrast::highContrastPreferred, this, [this](bool on) {
            if (!chosenHighContrast())
                showHighContrast(on);
        });
}

void ViewCommands::restore()
{
    const QSettings settings = userSettings();
    const int zoom = settings.value(zoomKey).toInt();
    if (std::ranges::count(steps, zoom) > 0)
        appearance().setZoom(std::min(zoom, appearance().largestZoomThatFits()));
    if (const std::optional<bool> on = chosenHighContrast())
        showHighContrast(*on);
}

void ViewCommands::zoomIn()
{
    const int zoom = appearance().zoom();
    const auto larger = std::ranges::upper_bound(steps, zoom);
    if (larger == steps.end())
        answer(tr("zoom %1 percent is the largest").arg(zoom));
    else if (*larger > appearance().largestZoomThatFits())
        answer(tr("zoom %1 percent is the largest that fits the screen").arg(zoom));
    else
        zoomTo(*larger);
}

void ViewCommands::zoomOut()
{
    const int zoom = appearance().zoom();
    const auto atOrAbove = std::ranges::lower_bound(steps, zoom);
    if (atOrAbove == steps.begin())
        answer(tr("zoom %1 percent is the smallest").arg(zoom));
    else
        zoomTo(*std::prev(atOrAbove));
}

void ViewCommands::actualSize()
{
    zoomTo(Appearance::actualSize);
}

void ViewCommands::zoomTo(int percent)
{
    appearance().setZoom(percent);
    userSettings().setValue(zoomKey, percent);
    answer(tr("zoom %1 percent").arg(percent));
}

void ViewCommands::setHighContrast(bool on)
{
    appearance().setHighContrast(on);
    userSettings().setValue(highContrastKey, on);
    answer(on ? tr("high contrast on") : tr("high contrast off"));
}

// The item shows the look, whoever chose it.
void ViewCommands::showHighContrast(bool on)
{
    appearance().setHighContrast(on);
    const QSignalBlocker notTheUsersChoice(highContrastItem);
    highContrastItem->setChecked(on);
}
