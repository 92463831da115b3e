#pragma once

#include <QObject>
#include <QPointer>

class QApplication;
class QDialog;
class QWidget;

// Says the dialogs and message boxes while no screen reader runs. As a dialog takes the focus:
// its title (and a message box's text) and the focused control. As the focus moves: the control.
// After a key: in a text field, the characters typed or deleted, as typed keys are echoed;
// elsewhere the control's new state, such as the current item of a list or the value of a combo or
// spin box. All of it is read from the widgets' accessible names, roles, values and states, so that
// Qt's own dialogs are covered as they are.
class DialogVoice : public QObject
{
    Q_OBJECT

public:
    explicit DialogVoice(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusMoved(QWidget *now);
    void sayWhatTheKeyChanged();

    QPointer<QDialog> focusedDialog; // where the focus was last, if in a dialog
    QPointer<QWidget> keyTarget; // the control that the key in hand went to, and before the key:
    QString textBefore; // its text, if a text field
    QString typed; // the character the key types, if any
    QString stateBefore;
};
