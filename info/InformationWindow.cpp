#include "info/InformationWindow.h"

#include "look/LayoutStyle.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QShortcut>
#include <QWidget>

namespace {

const char *const accessibleRoleProperty = "informationWindowRole";

// A plain QWidget window would show assistive technology the role of a mere filler.
QAccessibleInterface *informationWindowAccessible(const QString &, QObject *object)
{
    auto *window = qobject_cast<QWidget *>(object);
    const QVariant role = window ? window->property(accessibleRoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Role(role.toInt()));
}

} // namespace

void setUpInformationWindow(
    QWidget *window, const QString &title, const QSize &contentSize, QAccessible::Role role)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(informationWindowAccessible);
        return true;
    }();
    // Before anything that would make the window known to assistive technology in another role.
    window->setProperty(accessibleRoleProperty, int(role));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(title);
    window->setFixedSize(contentSize);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
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
    palette.setColor(label->foregroundRole(), style.colour);
    label->setPalette(palette);
    return label;
}
