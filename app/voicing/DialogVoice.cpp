#include "app/voicing/DialogVoice.h"

#include "app/voicing/Voicing.h"
#include "speech/SpeechFilter.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <utility>

namespace {

// The dialog a control belongs to, through the popups (a combo box's list) that it opens.
QDialog *dialogOf(QWidget *control)
{
    for (QWidget *widget = control; widget; widget = widget->parentWidget())
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            return dialog;
    return nullptr;
}

bool isTextField(QAccessibleInterface *control)
{
    return control->role() == QAccessible::EditableText && !control->state().readOnly;
}

// What an edit took out of a text and put in its place.
std::pair<QString, QString> removedAndInserted(const QString &before, const QString &after)
{
    qsizetype start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < before.size() - start && end < after.size() - start
        && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return { before.mid(start, before.size() - start - end),
        after.mid(start, after.size() - start - end) };
}

} // namespace

DialogVoice::DialogVoice(QApplication *application)
    : QObject(application)
{
    application->installEventFilter(this);
    connect(application, &QApplication::focusChanged, this,
        [this](QWidget *, QWidget *now) { focusMoved(now); });
}

void DialogVoice::focusMoved(QWidget *now)
{
    if (!now || qobject_cast<QMenu *>(now) || qobject_cast<QMenuBar *>(now))
        return; // menus are their own
    QDialog *dialog = dialogOf(now);
    const bool opening = dialog != focusedDialog;
    focusedDialog = dialog;
    if (!dialog)
        return;
    QStringList phrases;
    if (opening)
        phrases.append(spokenWindow(dialog));
    phrases.append(spokenControl(now));
    speak(PhraseKind::ScreenReaderWouldSay, { inOnePhrase(phrases) }, Interrupt::Yes,
        opening ? Importance::Essential : Importance::Echo);
}

bool DialogVoice::eventFilter(QObject *watched, QEvent *event)
{
    // The key goes to the focused control first, then perhaps on to its parents.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()
        && dialogOf(QApplication::focusWidget())) {
        keyTarget = QApplication::focusWidget();
        const QString text = static_cast<QKeyEvent *>(event)->text();
        typed = text.size() == 1 && text.front().isPrint() ? text : QString();
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(keyTarget);
        textBefore = control->text(QAccessible::Value);
        stateBefore = spokenState(control);
        QTimer::singleShot(0, this, &DialogVoice::sayWhatTheKeyChanged);
    }
    return QObject::eventFilter(watched, event);
}

void DialogVoice::sayWhatTheKeyChanged()
{
    QWidget *control = std::exchange(keyTarget, nullptr);
    if (!control || control != QApplication::focusWidget())
        return; // gone, or the focus moved on: said as it moved
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    if (isTextField(face)) {
        const QString after = face->text(QAccessible::Value);
        const auto [removed, inserted] = removedAndInserted(textBefore, after);
        // A typed character as typed, though it replaced a selection that ended in the same.
        const QString echo = !typed.isEmpty() && after != textBefore ? typed
            : inserted.isEmpty()                                     ? removed
                                                                     : inserted;
        if (!echo.isEmpty())
            speak(PhraseKind::TypedEcho, { echo == u" " ? tr("space") : echo },
                Interrupt::No, Importance::Echo);
    } else if (const QString state = spokenState(face); state != stateBefore) {
        speak(PhraseKind::ScreenReaderWouldSay, { state }, Interrupt::Yes, Importance::Echo);
    }
}
