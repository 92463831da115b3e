#include "app/MenuBar1.h"

MenuBar1::MenuBar1(QWidget *parent)
    : QMenuBar(parent)
{
    addNamedMenu(QStringLiteral("FileMenu"), tr("&File"));
    // Written out: the platform's standard Quit chord is empty on some desktops.
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FileQuit"), tr("Quit"),
        QKeySequence(Qt::CTRL | Qt::Key_Q))
        ->setMenuRole(QAction::QuitRole);
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FileAbout"), tr("About Numivox"))
        ->setMenuRole(QAction::AboutRole);

    addNamedMenu(QStringLiteral("EditMenu"), tr("&Edit"));
    addNamedItem(QStringLiteral("EditMenu"), QStringLiteral("EditCopy"), tr("&Copy"),
        QKeySequence(Qt::CTRL | Qt::Key_C));

    addNamedMenu(QStringLiteral("HelpMenu"), tr("Help"));
    addNamedItem(QStringLiteral("HelpMenu"), QStringLiteral("HelpHelp"), tr("Numivox Help"),
        QKeySequence(Qt::CTRL | Qt::Key_H));
    addNamedItem(QStringLiteral("HelpMenu"), QStringLiteral("HelpAbout"), tr("About Numivox"));
}

QAction *MenuBar1::item(const QString &name) const
{
    return findChild<QAction *>(name);
}

QMenu *MenuBar1::addNamedMenu(const QString &name, const QString &caption)
{
    QMenu *menu = addMenu(caption);
    menu->setObjectName(name + QStringLiteral("Items"));
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction *MenuBar1::addNamedItem(const QString &menuName, const QString &name,
    const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    // The commands work whichever of the program's windows is in front.
    action->setShortcutContext(Qt::ApplicationShortcut);
    item(menuName)->menu()->addAction(action);
    return action;
}
