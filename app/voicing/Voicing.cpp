#include "app/voicing/Voicing.h"

#include <QAccessible>
#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QRegularExpression>
#include <QWidget>

namespace {

const QString separator = QStringLiteral(", ");

QString plainCaption(QString caption)
{
    static const QRegularExpression accessKey(QStringLiteral("&(.)"));
    caption.replace(accessKey, QStringLiteral("\\1")); // "&&" stays a single "&"
    if (caption.endsWith(u'…'))
        caption.chop(1);
    else if (caption.endsWith(QLatin1String("...")))
        caption.chop(3);
    return caption.trimmed();
}

QString spokenKind(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
        return QStringLiteral("button");
    case QAccessible::CheckBox:
        return QStringLiteral("check box");
    case QAccessible::RadioButton:
        return QStringLiteral("radio button");
    case QAccessible::ComboBox:
        return QStringLiteral("combo box");
    case QAccessible::SpinBox:
        return QStringLiteral("spin box");
    case QAccessible::EditableText:
        return QStringLiteral("text field");
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
        return QStringLiteral("list");
    case QAccessible::PageTab:
        return QStringLiteral("tab");
    case QAccessible::Slider:
        return QStringLiteral("slider");
    case QAccessible::Link:
        return QStringLiteral("link");
    default:
        return {};
    }
}

// The non-empty texts, each once, comma separated.
QString listed(const QStringList &texts)
{
    QStringList parts;
    for (const QString &text : texts)
        if (!text.isEmpty() && !parts.contains(text))
            parts.append(text);
    return parts.join(separator);
}

} // namespace

QString spokenShortcut(const QKeySequence &shortcut)
{
    static const QHash<QString, QString> keyWords = {
        { QStringLiteral("+"), QStringLiteral("plus") },
        { QStringLiteral("-"), QStringLiteral("minus") },
        { QStringLiteral("="), QStringLiteral("equals") },
    };
    QStringList words;
    for (int i = 0; i < shortcut.count(); ++i) {
        const Qt::KeyboardModifiers modifiers = shortcut[i].keyboardModifiers();
        if (modifiers & Qt::ControlModifier)
            words.append(QStringLiteral("control"));
        if (modifiers & Qt::AltModifier)
            words.append(QStringLiteral("alt"));
        if (modifiers & Qt::ShiftModifier)
            words.append(QStringLiteral("shift"));
        const QString key = QKeySequence(shortcut[i].key()).toString(QKeySequence::PortableText);
        words.append(keyWords.value(key, key));
    }
    return words.join(u' ');
}

QString spokenMenuItem(const QAction *item)
{
    QString caption = item->text();
    QKeySequence shortcut = item->shortcut();
    // Context menus show their shortcuts after a tab in the caption itself.
    if (const qsizetype tab = caption.indexOf(u'\t'); tab >= 0) {
        if (shortcut.isEmpty())
            shortcut = QKeySequence::fromString(caption.mid(tab + 1), QKeySequence::NativeText);
        caption.truncate(tab);
    }
    QStringList parts { plainCaption(caption) };
    if (item->isCheckable())
        parts.append(item->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
    if (item->menu())
        parts.append(QStringLiteral("submenu"));
    if (!item->isEnabled())
        parts.append(QStringLiteral("unavailable"));
    if (!shortcut.isEmpty())
        parts.append(spokenShortcut(shortcut));
    return parts.join(separator);
}

QString spokenMenu(const QMenu *menu)
{
    const QString caption = plainCaption(menu->title());
    return caption.isEmpty() ? QStringLiteral("context menu") : caption + QStringLiteral(" menu");
}

QString spokenWindow(QWidget *window)
{
    // A message box's accessible value and description are its text and informative text.
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window);
    return listed({ window->windowTitle(), face->text(QAccessible::Name),
        face->text(QAccessible::Value), face->text(QAccessible::Description) });
}

QString spokenControl(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    QString name = face->text(QAccessible::Name);
    if (name.endsWith(u':')) // the label's colon
        name.chop(1);
    return listed({ name, spokenKind(face->role()), spokenState(face) });
}

QString spokenState(QAccessibleInterface *control)
{
    const QAccessible::State state = control->state();
    if (state.checkable)
        return state.checked ? QStringLiteral("checked") : QStringLiteral("not checked");
    if (QAccessibleInterface *current = control->focusChild(); current && current != control)
        return current->text(QAccessible::Name);
    return control->text(QAccessible::Value);
}

QString inOnePhrase(const QStringList &parts)
{
    return parts.join(separator);
}
