#include "app/MenuBar1.h"

#include <QMenu>
#include <QShortcut>

MenuBar1::MenuBar1(QWidget *parent)
    : QMenuBar(parent)
{
    addNamedMenu(QStringLiteral("FileMenu"), tr("&File"));
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FileSaveTranscript"),
        tr("&Save Transcript…"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FilePrintTranscript"),
        tr("&Print Transcript…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    addMenuSeparator(QStringLiteral("FileMenu"));
    // Written out: the platform's standard Quit chord is empty on some desktops.
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FileQuit"), tr("&Quit"),
        QKeySequence(Qt::CTRL | Qt::Key_Q))
        ->setMenuRole(QAction::QuitRole);
    addNamedItem(QStringLiteral("FileMenu"), QStringLiteral("FileAbout"), tr("&About Numivox"))
        ->setMenuRole(QAction::AboutRole);

    // Beside the display's own Ctrl+C, Ctrl+A and Ctrl+V, and clear of the screen reader's and
    // the desktop's global keys, which take Insert, Caps Lock, Alt+Fn or Super.
    addNamedMenu(QStringLiteral("EditMenu"), tr("&Edit"));
    addNamedItem(QStringLiteral("EditMenu"), QStringLiteral("EditCopy"), tr("&Copy"),
        QKeySequence(Qt::CTRL | Qt::Key_C));
    addNamedItem(QStringLiteral("EditMenu"), QStringLiteral("EditCopyTranscript"),
        tr("Copy &Transcript"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addMenuSeparator(QStringLiteral("EditMenu"));
    addNamedItem(QStringLiteral("EditMenu"), QStringLiteral("EditClearWorkArea"),
        tr("Clear &Work Area"), QKeySequence(Qt::CTRL | Qt::Key_L));
    addNamedItem(QStringLiteral("EditMenu"), QStringLiteral("EditClearAll"), tr("Clear &All"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));

    // Ctrl with "+" or "=" (one key on many keyboards), "-" and "0", as browsers and editors have
    // them; typed without Ctrl, those keys stay the calculator's.
    addNamedMenu(QStringLiteral("ViewMenu"), tr("&View"));
    addNamedItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewZoomIn"), tr("Zoom &In"))
        ->setShortcuts(
            { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    addNamedItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewZoomOut"), tr("Zoom &Out"),
        QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addNamedItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewActualSize"), tr("&Actual Size"),
        QKeySequence(Qt::CTRL | Qt::Key_0));
    addMenuSeparator(QStringLiteral("ViewMenu"));
    addNamedItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewHighContrast"),
        tr("&High Contrast"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H))
        ->setCheckable(true);

    addNamedMenu(QStringLiteral("SpeechMenu"), tr("&Speech"));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechSayDisplay"),
        tr("Say &Display"), QKeySequence(Qt::CTRL | Qt::Key_D));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechSayLastCalculation"),
        tr("Say &Last Calculation"), QKeySequence(Qt::CTRL | Qt::Key_R));
    addMenuSeparator(QStringLiteral("SpeechMenu"));
    // Each chord takes its item's access key: clear of the desktops' and the screen reader's keys,
    // the fields' own chords, and the input method's Ctrl+Shift+U and Ctrl+Shift+E.
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechSpeakKeys"), tr("Speak &Keys"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K))
        ->setCheckable(true);
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechReadDigitsSingly"),
        tr("Read Di&gits Singly"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G))
        ->setCheckable(true);
    addMenuSeparator(QStringLiteral("SpeechMenu"));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechFaster"), tr("&Faster"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechSlower"), tr("&Slower"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechLouder"), tr("L&ouder"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    addNamedItem(QStringLiteral("SpeechMenu"), QStringLiteral("SpeechSofter"), tr("Sof&ter"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    // The voice types the daemon offers follow, once it has told them.
    addNamedMenu(QStringLiteral("SpeechVoice"), tr("&Voice"), QStringLiteral("SpeechMenu"));
    addNamedItem(
        QStringLiteral("SpeechVoice"), QStringLiteral("SpeechDefaultVoice"), tr("&Default Voice"))
        ->setCheckable(true);
    addMenuSeparator(QStringLiteral("SpeechVoice"));

    // Say Calculation So Far goes with Say Display's Ctrl+D, Use Result with Say Last Calculation's
    // Ctrl+R; the steps take their access keys.
    addNamedMenu(QStringLiteral("ReviewMenu"), tr("&Review"));
    addNamedItem(QStringLiteral("ReviewMenu"), QStringLiteral("ReviewSayCalculationSoFar"),
        tr("&Say Calculation So Far"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    addNamedItem(QStringLiteral("ReviewMenu"), QStringLiteral("ReviewPreviousCalculation"),
        tr("&Previous Calculation"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addNamedItem(QStringLiteral("ReviewMenu"), QStringLiteral("ReviewNextCalculation"),
        tr("&Next Calculation"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    addMenuSeparator(QStringLiteral("ReviewMenu"));
    addNamedItem(QStringLiteral("ReviewMenu"), QStringLiteral("ReviewUseResult"), tr("Use &Result"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));

    addNamedMenu(QStringLiteral("HelpMenu"), tr("Help"));
    addNamedItem(QStringLiteral("HelpMenu"), QStringLiteral("HelpHelp"), tr("Numivox &Help"),
        QKeySequence(Qt::CTRL | Qt::Key_H));
    addNamedItem(QStringLiteral("HelpMenu"), QStringLiteral("HelpAbout"), tr("&About Numivox"));

    // F10 opens the first menu, as on the rest of the desktop, with its first item highlighted
    // as Alt+F has it: the item that is heard, and that Return chooses.
    auto *openMenus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenus, &QShortcut::activated, this, [this] {
        QMenu *first = actions().constFirst()->menu();
        setActiveAction(first->menuAction());
        first->setActiveAction(first->actions().constFirst());
    });
}

QAction *MenuBar1::item(const QString &name) const
{
    return findChild<QAction *>(name);
}

QMenu *MenuBar1::addNamedMenu(
    const QString &name, const QString &caption, const QString &parentMenuName)
{
    QMenu *menu = parentMenuName.isEmpty() ? addMenu(caption)
                                           : item(parentMenuName)->menu()->addMenu(caption);
    menu->setObjectName(name + QStringLiteral("Items"));
    menu->menuAction()->setObjectName(name);
    return menu;
}

void MenuBar1::addMenuSeparator(const QString &menuName)
{
    item(menuName)->menu()->addSeparator();
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
