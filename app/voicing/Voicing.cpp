#include "app/voicing/Voicing.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QRegularExpression>
#include <QWidget>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Voicing", text);
}

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
        return translated(QT_TRANSLATE_NOOP("Voicing", "button"));
    case QAccessible::CheckBox:
        return translated(QT_TRANSLATE_NOOP("Voicing", "check box"));
    case QAccessible::RadioButton:
        return translated(QT_TRANSLATE_NOOP("Voicing", "radio button"));
    case QAccessible::ComboBox:
        return translated(QT_TRANSLATE_NOOP("Voicing", "combo box"));
    case QAccessible::SpinBox:
        return translated(QT_TRANSLATE_NOOP("Voicing", "spin box"));
    case QAccessible::EditableText:
        return translated(QT_TRANSLATE_NOOP("Voicing", "text field"));
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
        return translated(QT_TRANSLATE_NOOP("Voicing", "list"));
    case QAccessible::PageTab:
        return translated(QT_TRANSLATE_NOOP("Voicing", "tab"));
    case QAccessible::Slider:
        return translated(QT_TRANSLATE_NOOP("Voicing", "slider"));
    case QAccessible::Link:
        return translated(QT_TRANSLATE_NOOP("Voicing", "link"));
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
    const QHash<QString, QString> keyWords = {
        { QStringLiteral("+"), translated(QT_TRANSLATE_NOOP("Voicing", "plus")) },
        { QStringLiteral("-"), translated(QT_TRANSLATE_NOOP("Voicing", "minus")) },
        { QStringLiteral("="), translated(QT_TRANSLATE_NOOP("Voicing", "equals")) },
    };
    QStringList words;
    for (int i = 0; i < shortcut.count(); ++i) {
        const Qt::KeyboardModifiers modifiers = shortcut[i].keyboardModifiers();
        if (modifiers & Qt::ControlModifier)
            words.append(translated(QT_TRANSLATE_NOOP("Voicing", "control")));
        if (modifiers & Qt::AltModifier)
            words.append(translated(QT_TRANSLATE_NOOP("Voicing", "alt")));
        if (modifiers & Qt::ShiftModifier)
            words.append(translated(QT_TRANSLATE_NOOP("Voicing", "shift")));
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
        parts.append(item->isChecked() ? translated(QT_TRANSLATE_NOOP("Voicing", "on"))
                                       : translated(QT_TRANSLATE_NOOP("Voicing", "off")));
    if (item->menu())
        parts.append(translated(QT_TRANSLATE_NOOP("Voicing", "submenu")));
    if (!item->isEnabled())
        parts.append(translated(QT_TRANSLATE_NOOP("Voicing", "unavailable")));
    if (!shortcut.isEmpty())
        parts.append(spokenShortcut(shortcut));
    return parts.join(separator);
}

QString spokenMenu(const QMenu *menu)
{
    const QString caption = plainCaption(menu->title());
    return caption.isEmpty() ? translated(QT_TRANSLATE_NOOP("Voicing", "context menu"))
                             : QCoreApplication::translate("Voicing", "%1 menu").arg(caption);
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
        return state.checked ? translated(QT_TRANSLATE_NOOP("Voicing", "checked"))
                             : translated(QT_TRANSLATE_NOOP("Voicing", "not checked"));
    if (QAccessibleInterface *current = control->focusChild(); current && current != control)
        return current->text(QAccessible::Name);
    return control->text(QAccessible::Value);
}

QString inOnePhrase(const QStringList &parts)
{
    return parts.join(separator);
}
