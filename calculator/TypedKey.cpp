#include "calculator/TypedKey.h"

#include <QKeyEvent>

bool isCommandChord(const QKeyEvent *event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

std::optional<QChar> typedCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar(9);
    case Qt::Key_Return:
        return QChar(13);
    case Qt::Key_Enter:
        return QChar(3);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Left:
        return QChar(28);
    case Qt::Key_Right:
        return QChar(29);
    case Qt::Key_Up:
        return QChar(30);
    case Qt::Key_Down:
        return QChar(31);
    case Qt::Key_Delete:
        return QChar(127);
    }
    // The keypad's decimal key enters the point, whatever the layout gives it: a German one a
    // comma.
    if (event->modifiers() & Qt::KeypadModifier
        && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period))
        return QChar(u'.');
    const QString text = event->text();
    if (text.size() != 1 || !text.front().isPrint())
        return std::nullopt;
    return text.front();
}
