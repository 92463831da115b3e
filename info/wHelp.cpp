#include "info/wHelp.h"

#include "info/InformationWindow.h"
#include "info/SpokenLines.h"
#include "look/LayoutStyle.h"
#include "look/WindowAppearance.h"
#include "platform/UrlOpener.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"
#include "speech/SpeechFilter.h"
#include "transcript/TranscriptOutcomes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTextEdit>

namespace {

// What a screen reader would say in this window; with one running, it says it itself.
bool sayAsScreenReader(const QStringList &phrases, Interrupt interrupt, Importance importance)
{
    return speak(PhraseKind::ScreenReaderWouldSay, phrases, interrupt, importance);
}

bool isTabbing(const QFocusEvent *event)
{
    return event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
}

struct Topic
{
    const char *control;
    int top;
    const char *caption;
    HelpText item;
};

constexpr Topic topics[] = {
    { "StaticText2", 32, QT_TRANSLATE_NOOP("wHelp", "General Information"),
        HelpText::ReadMeFirstMac1 },
    { "StaticText3", 62, QT_TRANSLATE_NOOP("wHelp", "System Requirements"),
        HelpText::ReadMeFirstMac2 },
    { "StaticText4", 92, QT_TRANSLATE_NOOP("wHelp", "What's new in this version?"),
        HelpText::ReadMeFirstMac3 },
    { "StaticText5", 122, QT_TRANSLATE_NOOP("wHelp", "Frequently Asked Questions"),
        HelpText::ReadMeFirstMac4 },
    { "StaticText7", 182, QT_TRANSLATE_NOOP("wHelp", "Support"), HelpText::ReadMeFirst6 },
    { "StaticText8", 212, QT_TRANSLATE_NOOP("wHelp", "Use and Distribution"),
        HelpText::ReadMeFirst7 },
    { "StaticText9", 242, QT_TRANSLATE_NOOP("wHelp", "Other Titles"), HelpText::ReadMeFirstMac8 },
};

} // namespace

wHelp::wHelp(QWidget *parent)
    : QWidget(parent)
{
    setUpInformationWindow(this, tr("Help"), { 700, 500 }, QAccessible::Window);

    EditField1 = new QTextEdit(this);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setAccessibleName(tr("Help text"));
    EditField1->setGeometry(201, 8, 493, 461);
    EditField1->setReadOnly(true);
    // A caret lets a screen reader read the text line by line.
    EditField1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    EditField1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditField1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EditField1->setAttribute(Qt::WA_MacShowFocusRect, false);
    EditField1->setFont(layoutFont(12));
    setBlackOnWhite(EditField1);
    EditField1->installEventFilter(this);

    StaticText1 = new LinkLabel(this);
    layOutText(StaticText1, "StaticText1", { 201, 473, 493, 20 },
        { .colour = QColor(0xFF0000),
            .pointSize = 12,
            .underline = true,
            .alignment = Qt::AlignHCenter | Qt::AlignTop });
    connect(StaticText1, &LinkLabel::activated, this, &wHelp::mOpenHomePage);
    StaticText1->installEventFilter(this);

    for (const Topic &topic : topics) {
        auto *link = new LinkLabel(this);
        layOutText(link, topic.control, { 20, topic.top, 175, 20 },
            { .colour = QColor(0x0000FF), .pointSize = 12, .underline = true });
        link->setLinkText(tr(topic.caption));
        connect(link, &LinkLabel::activated, this,
            [this, item = topic.item](LinkLabel::Trigger trigger) { mShowTopic(item, trigger); });
        link->installEventFilter(this);
        topicLinks.append(link);
    }

    // Tab runs from the text to the topics in their order and on to the home page.
    QWidget *previous = EditField1;
    for (QWidget *next : std::as_const(topicLinks)) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, StaticText1);
    EditField1->setFocus();

    Event_Open();
    WindowAppearance::follow(this);
}

void wHelp::Event_Open()
{
    mAppearanceUpdate();
    EditField1->setPlainText(helpTexts().text(HelpText::ReadMeFirstMac0));
}

void wHelp::mAppearanceUpdate()
{
    setFontFamily(EditField1, mGlobals.sTheFont, mGlobals.iTheFontSize + 2);
    setFontFamily(StaticText1, mGlobals.sTheFont, mGlobals.iTheFontSize + 2);
    for (LinkLabel *link : std::as_const(topicLinks))
        setFontFamily(link, mGlobals.sTheFont, mGlobals.iTheFontSize);
    StaticText1->setLinkText(homePageAddress);
}

void wHelp::mShowTopic(HelpText item, LinkLabel::Trigger trigger)
{
    const QString text = helpTexts().text(item);
    if (trigger == LinkLabel::Trigger::Keyboard) {
        // From the keyboard the reader follows the text. As the pane takes the focus, a screen
        // reader says the line at the caret, the topic's title, and then the pane's description:
        // the rest. The focus moves before the text changes: a screen reader still catching up
        // with the window's opening would take the change for the move, and say nothing.
        EditField1->setFocus(Qt::OtherFocusReason);
        EditField1->setAccessibleDescription(text.section(u'\n', 1).trimmed());
    } else {
        EditField1->setAccessibleDescription({});
    }
    EditField1->setPlainText(text);
    // A new topic supersedes the one being read.
    if (sayAsScreenReader(spokenLines(text), Interrupt::Yes, Importance::Essential))
        readingAloud = true;
}

void wHelp::mOpenHomePage()
{
    openUrl(QUrl(homePageAddress));
}

void wHelp::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Event_Activate();
}

void wHelp::Event_Activate()
{
    sayAsScreenReader({ windowTitle() }, Interrupt::No, Importance::Essential);
}

void wHelp::closeEvent(QCloseEvent *event)
{
    Event_Close();
    QWidget::closeEvent(event);
}

void wHelp::Event_Close()
{
    if (readingAloud)
        sayAsScreenReader({}, Interrupt::Yes, Importance::Essential); // stops the reading
}

bool wHelp::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::KeyPress && control == EditField1
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        sayCopied(copyFrom(EditField1)); // as the Edit menu's Copy
        return true;
    }
    if (event->type() == QEvent::FocusIn && isTabbing(static_cast<QFocusEvent *>(event))) {
        // Each Tab supersedes the name before.
        sayAsScreenReader({ control->accessibleName() }, Interrupt::Yes, Importance::Echo);
    } else if (event->type() == QEvent::FocusOut && control == EditField1) {
        // The description would have a screen reader read the whole topic again on each return.
        EditField1->setAccessibleDescription({});
    }
    return QWidget::eventFilter(watched, event);
}
