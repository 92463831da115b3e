#include "info/wAbout.h"

#include "info/InformationWindow.h"
#include "info/LinkLabel.h"
#include "info/SpokenLines.h"
#include "look/LayoutStyle.h"
#include "look/WindowAppearance.h"
#include "platform/UrlOpener.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"
#include "speech/SpeechFilter.h"

#include <QEvent>
#include <QFrame>

namespace {

// What a synthesiser needs to say the first two lines right: "v1.5" would be spelt out letter by
// letter, and "©" said as a second "copyright".
QString spokenTitle()
{
    return wAbout::tr("Numivox version %1").arg(programVersion);
}

QString spokenCopyright(const QString &copyright)
{
    return QString(copyright).remove(QStringLiteral("© "));
}

} // namespace

wAbout::wAbout(QWidget *parent)
    : QWidget(parent)
{
    setUpInformationWindow(this, tr("About"), { 424, 151 }, QAccessible::Dialog);

    StaticText1 = layOutText(new QLabel(this), "StaticText1", { 39, 7, 376, 29 },
        { .colour = Qt::black, .pointSize = 10, .bold = true });
    StaticText2 = layOutText(new QLabel(this), "StaticText2", { 39, 54, 376, 30 },
        { .colour = Qt::black, .pointSize = 10, .multiLine = true });

    // Reaches past the left, top and bottom edges: what shows is a red bar 30 pixels wide.
    auto *rectangle = new QFrame(this);
    rectangle->setObjectName(QStringLiteral("Rectangle1"));
    rectangle->setGeometry(-38, -10, 68, 176);
    rectangle->setFrameStyle(QFrame::Box | QFrame::Plain);
    rectangle->setLineWidth(1);
    QPalette red = rectangle->palette();
    red.setColor(QPalette::Window, QColor(0xFF0000));
    red.setColor(QPalette::WindowText, QColor(0xFF0000)); // the border
    rectangle->setPalette(red);
    rectangle->setAutoFillBackground(true);

    QLabel *sentence = layOutText(new QLabel(this), "StaticText3", { 39, 95, 376, 32 },
        { .colour = Qt::black, .pointSize = 10, .multiLine = true });
    sentence->setText(tr("Check for updates and other information related to Numivox online at "));

    // The link's box overlaps the sentence's second line: its text sits at the bottom, clear of it.
    StaticText4 = new LinkLabel(this);
    layOutText(StaticText4, "StaticText4", { 39, 118, 376, 20 },
        { .colour = QColor(0xFF0000),
            .pointSize = 10,
            .underline = true,
            .alignment = Qt::AlignLeft | Qt::AlignBottom });
    connect(StaticText4, &LinkLabel::activated, this, &wAbout::mOpenHomePage);

    Event_Open();
    WindowAppearance::follow(this);
}

void wAbout::Event_Open()
{
    setFontFamily(StaticText1, mGlobals.sTheFont);
    StaticText1->setText(programTitle());
    StaticText1->setAccessibleName(spokenTitle());
    StaticText2->setText(tr("Copyright © 2024 The Numivox Project. Free software under the GNU "
                            "General Public License, version 3 or later."));
    StaticText2->setAccessibleName(spokenCopyright(StaticText2->text()));
    StaticText4->setLinkText(homePageAddress);
}

void wAbout::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Event_Activate();
}

// Whenever the window comes to the front, as a screen reader presents a dialog then: the
// screen reader reads the dialog's texts itself.
void wAbout::Event_Activate()
{
    speak(PhraseKind::ScreenReaderWouldSay,
        spokenLines(StaticText1->accessibleName() + u'\n' + StaticText2->accessibleName()),
        Interrupt::No, Importance::Essential);
}

void wAbout::mOpenHomePage()
{
    openUrl(QUrl(homePageAddress));
}
