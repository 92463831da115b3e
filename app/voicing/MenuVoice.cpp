#include "app/voicing/MenuVoice.h"

#include "app/voicing/Voicing.h"
#include "speech/SpeechFilter.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <utility>

MenuVoice::MenuVoice(QApplication *application)
    : QObject(application)
{
    application->installEventFilter(this);
}

bool MenuVoice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return QObject::eventFilter(watched, event);
    if (auto *menu = qobject_cast<QMenu *>(watched)) {
        opened = menu;
        connect(menu, &QMenu::hovered, this, &MenuVoice::saySoon, Qt::UniqueConnection);
        // A menu that closes gives the highlight back to the menu or the bar it came from.
        connect(menu, &QMenu::aboutToHide, this, &MenuVoice::saySoon, Qt::UniqueConnection);
        saySoon();
    } else if (auto *bar = qobject_cast<QMenuBar *>(watched)) {
        // The bar tells of the moves among its menus, and in menus whose items it holds itself.
        connect(bar, &QMenuBar::hovered, this, &MenuVoice::saySoon, Qt::UniqueConnection);
    }
    return QObject::eventFilter(watched, event);
}

// A menu opens, and then its first item is highlighted: one phrase says both, once the key or
// click that caused them has been handled.
void MenuVoice::saySoon()
{
    if (!std::exchange(phrasePending, true))
        QTimer::singleShot(0, this, &MenuVoice::sayWhatIsHighlighted);
}

void MenuVoice::sayWhatIsHighlighted()
{
    phrasePending = false;
    QStringList phrases;
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        if (menu == opened)
            phrases.append(spokenMenu(menu));
        if (const QAction *item = menu->activeAction())
            phrases.append(spokenMenuItem(item));
    } else if (auto *bar = qobject_cast<QMenuBar *>(QApplication::focusWidget())) {
        if (const QAction *title = bar->activeAction(); title && title->menu())
            phrases.append(spokenMenu(title->menu()));
    }
    opened.clear();
    if (!phrases.isEmpty())
        speak(PhraseKind::ScreenReaderWouldSay, { inOnePhrase(phrases) }, Interrupt::Yes,
            Importance::Echo);
}
