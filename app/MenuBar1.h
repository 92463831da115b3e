#pragma once

#include <QMenuBar>

// The program's one menu bar: File, Edit, View, Speech, Review and Help; F10 opens it. Every item is found
// by its name (objectName), as the application object and the windows do.
class MenuBar1 : public QMenuBar
{
    Q_OBJECT

public:
    explicit MenuBar1(QWidget *parent = nullptr);

    QAction *item(const QString &name) const;

private:
    QMenu *addNamedMenu(
        const QString &name, const QString &caption, const QString &parentMenuName = {});
    void addMenuSeparator(const QString &menuName);
    QAction *addNamedItem(const QString &menuName, const QString &name, const QString &caption,
        const QKeySequence &shortcut = {});
};
