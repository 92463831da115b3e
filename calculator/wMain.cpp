#include "calculator/wMain.h"

#include "calculator/DisplayField.h"
#include "calculator/Operators.h"
#include "calculator/Phrases.h"
#include "calculator/TypedKey.h"
#include "look/LayoutStyle.h"
#include "look/WindowAppearance.h"
#include "program/Globals.h"
#include "program/ProgramInfo.h"
#include "speech/SpeechFilter.h"
#include "transcript/editFieldExtras.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>

#include <algorithm>

namespace {

struct KeyLayout
{
    QString caption;
    QString accessibleName; // the words the key speaks
    QRect geometry;
    int pointSize;
    void (wMain::*action)();
};

// PushButton1 to PushButton18, in order.
std::array<KeyLayout, 18> keyLayouts()
{
    const auto caption = [](Operator op) { return traitsOf(op).caption; };
    const auto name = [](Operator op) { return traitsOf(op).keyWord(); };
    using enum Operator;
    // clang-format off
    return { {
        { QStringLiteral("0"),  Phrases::digit(0),        { 3, 375, 87, 87 },    72, &wMain::PushButton1_Action },
        { QStringLiteral("1"),  Phrases::digit(1),        { 3, 281, 87, 87 },    72, &wMain::PushButton2_Action },
        { QStringLiteral("2"),  Phrases::digit(2),        { 96, 281, 87, 87 },   72, &wMain::PushButton3_Action },
        { QStringLiteral("3"),  Phrases::digit(3),        { 189, 281, 87, 87 },  72, &wMain::PushButton4_Action },
        { QStringLiteral("4"),  Phrases::digit(4),        { 3, 187, 87, 87 },    72, &wMain::PushButton5_Action },
        { QStringLiteral("5"),  Phrases::digit(5),        { 96, 187, 87, 87 },   72, &wMain::PushButton6_Action },
        { QStringLiteral("6"),  Phrases::digit(6),        { 189, 187, 87, 87 },  72, &wMain::PushButton7_Action },
        { QStringLiteral("7"),  Phrases::digit(7),        { 3, 93, 87, 87 },     72, &wMain::PushButton8_Action },
        { QStringLiteral("8"),  Phrases::digit(8),        { 96, 93, 87, 87 },    72, &wMain::PushButton9_Action },
        { QStringLiteral("9"),  Phrases::digit(9),        { 189, 93, 87, 87 },   72, &wMain::PushButton10_Action },
        { QStringLiteral("="),  Phrases::equals(),        { 189, 375, 87, 87 },  72, &wMain::PushButton11_Action },
        { caption(Divide),      name(Divide),             { 281, 93, 87, 87 },   72, &wMain::PushButton12_Action },
        { caption(Times),       name(Times),              { 281, 187, 87, 87 },  72, &wMain::PushButton13_Action },
        { caption(Minus),       name(Minus),              { 281, 281, 87, 87 },  72, &wMain::PushButton14_Action },
        { caption(Plus),        name(Plus),               { 281, 375, 87, 87 },  72, &wMain::PushButton15_Action },
        { QStringLiteral("."),  Phrases::point(),         { 96, 375, 87, 87 },   72, &wMain::PushButton16_Action },
        { QStringLiteral("C1"), Phrases::clearWorkArea(), { 4, 469, 180, 47 },   36, &wMain::PushButton17_Action },
        { QStringLiteral("C2"), Phrases::clearAll(),      { 188, 469, 180, 47 }, 36, &wMain::PushButton18_Action },
    } };
    // clang-format on
}

constexpr QSize contentSize(525, 530);
constexpr QRect displayGeometry(3, 2, 365, 85);
constexpr QRect transcriptGeometry(375, 3, 145, 520);
constexpr int displayPointSize = 48;
constexpr int transcriptPointSize = 24;

} // namespace

wMain::wMain()
    : calculator(mGlobals, *this)
    , review(mGlobals, *this, calculator.history())
{
    setWindowFlags(
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    createControls();
    // Fixed at the content's size plus whatever menu bar the application installs.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Event_Open();

    Timer1.setSingleShot(true);
    Timer1.setInterval(1000);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &wMain::Timer1_Action);
    Timer1.start();
    WindowAppearance::follow(this);
}

void wMain::createControls()
{
    auto *content = new QWidget;
    content->setFixedSize(contentSize);
    setCentralWidget(content);

    efDisplay = new DisplayField(content);
    efDisplay->setObjectName(QStringLiteral("efDisplay"));
    efDisplay->setAccessibleName(tr("Display"));
    efDisplay->setGeometry(displayGeometry);
    efDisplay->setFont(layoutFont(displayPointSize));
    efDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    efDisplay->setAttribute(Qt::WA_MacShowFocusRect, false);
    setBlackOnWhite(efDisplay);
    efDisplay->keyDown = [this](QChar key) { return efDisplay_KeyDown(key); };
    efDisplay->insertText = [this](const QString &text, int position, int replaced) {
        return calculator.insertIntoDisplay(text, position, replaced);
    };

    const std::array<KeyLayout, 18> layouts = keyLayouts();
    for (size_t i = 0; i < keys.size(); ++i) {
        const KeyLayout &layout = layouts[i];
        if (layout.caption == u"C2") { // the transcript comes between "C1" and "C2" in the order
            efHistory = new editFieldExtras(content);
            efHistory->setObjectName(QStringLiteral("efHistory"));
            efHistory->setAccessibleName(tr("Transcript"));
            efHistory->setGeometry(transcriptGeometry);
            efHistory->setFont(layoutFont(transcriptPointSize));
            efHistory->setReadOnly(true);
            efHistory->setUndoRedoEnabled(false); // the tape grows for the whole run
            efHistory->setTabChangesFocus(false);
            efHistory->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            efHistory->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            efHistory->setAttribute(Qt::WA_MacShowFocusRect, false);
            QTextOption rightAligned = efHistory->document()->defaultTextOption();
            rightAligned.setAlignment(Qt::AlignRight);
            efHistory->document()->setDefaultTextOption(rightAligned);
            setBlackOnWhite(efHistory);
            efHistory->installEventFilter(this);
        }
        QPushButton *key = new QPushButton(layout.caption, content);
        key->setObjectName(QStringLiteral("PushButton%1").arg(i + 1));
        key->setAccessibleName(layout.accessibleName);
        key->setGeometry(layout.geometry);
        key->setFont(layoutFont(layout.pointSize));
        key->setAutoDefault(false);
        key->setEnabled(false);
        // The display is the keyboard's home: a click leaves the focus there.
        key->setFocusPolicy(Qt::NoFocus);
        key->installEventFilter(this);
        connect(key, &QPushButton::clicked, this, layout.action);
        keys[i] = key;
    }
}

void wMain::Event_Open()
{
    setWindowTitle(programTitle());
    speak(PhraseKind::Answer, { Phrases::ready() }, Interrupt::No, Importance::Essential);
    mGlobals.reset(); // the flags and the three operands; sOperation stays
    mAppearanceUpdate();
}

void wMain::mAppearanceUpdate()
{
    for (QPushButton *key : keys)
        setFontFamily(key, mGlobals.sTheFont);
    setFontFamily(efHistory, mGlobals.sTheFont);
    setFontFamily(efDisplay, mGlobals.sTheFont);
    efDisplay->clear();
    efDisplay->setFocus();
}

void wMain::Timer1_Action()
{
    for (QPushButton *key : keys)
        key->setEnabled(true);
}

bool wMain::efDisplay_KeyDown(QChar key)
{
    return calculator.keyDown(key);
}

bool wMain::efHistory_KeyDown()
{
    efDisplay->setFocus();
    return false;
}

void wMain::PushButton_GotFocus()
{
    efDisplay->setFocus();
}

void wMain::PushButton1_Action()
{
    calculator.digit(0);
}
void wMain::PushButton2_Action()
{
    calculator.digit(1);
}
void wMain::PushButton3_Action()
{
    calculator.digit(2);
}
void wMain::PushButton4_Action()
{
    calculator.digit(3);
}
void wMain::PushButton5_Action()
{
    calculator.digit(4);
}
void wMain::PushButton6_Action()
{
    calculator.digit(5);
}
void wMain::PushButton7_Action()
{
    calculator.digit(6);
}
void wMain::PushButton8_Action()
{
    calculator.digit(7);
}
void wMain::PushButton9_Action()
{
    calculator.digit(8);
}
void wMain::PushButton10_Action()
{
    calculator.digit(9);
}
void wMain::PushButton11_Action()
{
    calculator.equals();
}
void wMain::PushButton12_Action()
{
    calculator.operatorKey(Operator::Divide);
}
void wMain::PushButton13_Action()
{
    calculator.operatorKey(Operator::Times);
}
void wMain::PushButton14_Action()
{
    calculator.operatorKey(Operator::Minus);
}
void wMain::PushButton15_Action()
{
    calculator.operatorKey(Operator::Plus);
}
void wMain::PushButton16_Action()
{
    calculator.point();
}
void wMain::PushButton17_Action()
{
    calculator.clear(ClearScope::WorkArea);
}
void wMain::PushButton18_Action()
{
    calculator.clear(ClearScope::All);
}

QAction *wMain::menuItem(const QString &name) const
{
    const QWidget *bar = menuWidget();
    return bar ? bar->findChild<QAction *>(name) : nullptr;
}

QAction *wMain::HelpMenu() const
{
    return menuItem(QStringLiteral("HelpMenu"));
}
QAction *wMain::HelpAbout() const
{
    return menuItem(QStringLiteral("HelpAbout"));
}
QAction *wMain::HelpHelp() const
{
    return menuItem(QStringLiteral("HelpHelp"));
}
QAction *wMain::EditMenu() const
{
    return menuItem(QStringLiteral("EditMenu"));
}
QAction *wMain::EditCopy() const
{
    return menuItem(QStringLiteral("EditCopy"));
}
QAction *wMain::FileMenu() const
{
    return menuItem(QStringLiteral("FileMenu"));
}
QAction *wMain::FileAbout() const
{
    return menuItem(QStringLiteral("FileAbout"));
}
QAction *wMain::FileQuit() const
{
    return menuItem(QStringLiteral("FileQuit"));
}

void wMain::AddMenuHandlers()
{
    const auto attach = [this](const QString &itemName, void (wMain::*handler)()) {
        if (QAction *item = menuItem(itemName))
            connect(item, &QAction::triggered, this, handler);
    };
    attach(QStringLiteral("EditCopyTranscript"), &wMain::copyTranscript);
    attach(QStringLiteral("FileSaveTranscript"), &wMain::saveTranscript);
    attach(QStringLiteral("FilePrintTranscript"), &wMain::printTranscript);
    attach(QStringLiteral("EditClearWorkArea"), &wMain::clearWorkArea);
    attach(QStringLiteral("EditClearAll"), &wMain::clearAll);
    const auto attachReview = [this](
                                  const QString &itemName, void (CalculationReview::*command)()) {
        if (QAction *item = menuItem(itemName))
            connect(item, &QAction::triggered, this, [this, command] { (review.*command)(); });
    };
    attachReview(QStringLiteral("SpeechSayDisplay"), &CalculationReview::sayDisplay);
    attachReview(
        QStringLiteral("SpeechSayLastCalculation"), &CalculationReview::sayLastCalculation);
    attachReview(
        QStringLiteral("ReviewSayCalculationSoFar"), &CalculationReview::sayCalculationSoFar);
    attachReview(QStringLiteral("ReviewPreviousCalculation"), &CalculationReview::previous);
    attachReview(QStringLiteral("ReviewNextCalculation"), &CalculationReview::next);
    attachReview(QStringLiteral("ReviewUseResult"), &CalculationReview::useResult);
}

// Only the program knows how these ended: they are said beside a screen reader too.
void wMain::copyTranscript()
{
    sayCopied(efHistory->copy());
}

void wMain::saveTranscript()
{
    answer(inWords(efHistory->save()));
}

void wMain::printTranscript()
{
    answer(inWords(efHistory->print(/*pageNumbers*/ true)));
}

// A click does nothing while the keys are still disabled after opening, just as a mouse's.
void wMain::clearWorkArea()
{
    keyCaptioned(QStringLiteral("C1"))->click();
}

void wMain::clearAll()
{
    keyCaptioned(QStringLiteral("C2"))->click();
}

QPushButton *wMain::keyCaptioned(const QString &caption) const
{
    return *std::ranges::find(keys, caption, &QPushButton::text);
}

void wMain::Event_EnableMenuItems()
{
    if (QAction *about = FileAbout())
        about->setEnabled(true);
}

void wMain::Event_Close()
{
    QGuiApplication::quit();
}

void wMain::closeEvent(QCloseEvent *event)
{
    Event_Close();
    QMainWindow::closeEvent(event);
}

void wMain::showEvent(QShowEvent *event)
{
    if (!centred) {
        centred = true;
        const QScreen *screen = QGuiApplication::primaryScreen();
        setGeometry(QStyle::alignedRect(
            layoutDirection(), Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QMainWindow::showEvent(event);
}

bool wMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && std::ranges::count(keys, watched) > 0) {
        PushButton_GotFocus();
    } else if (watched == efHistory && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isCommandChord(key) && typedCharacter(key)) {
            efHistory_KeyDown();
            // The read-only transcript would pass Tab on to move the focus away again.
            return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString wMain::displayText() const
{
    return efDisplay->text();
}

void wMain::setDisplayText(const QString &text)
{
    efDisplay->setText(text);
}

void wMain::placeInsertionPointAfterSign()
{
    efDisplay->setCursorPosition(1);
}

void wMain::appendToTranscript(const QString &text)
{
    QTextCursor end(efHistory->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void wMain::clearTranscript()
{
    efHistory->clear();
}

bool wMain::transcriptIsEmpty() const
{
    return efHistory->document()->isEmpty();
}

void wMain::scrollTranscriptToEnd()
{
    // A scroll bar set to its maximum can stop short of the end of a large, lazily laid-out text.
    QTextCursor end = efHistory->textCursor();
    end.movePosition(QTextCursor::End);
    efHistory->setTextCursor(end);
    efHistory->ensureCursorVisible();
    // Now that the text is laid out to its end, the bottom margin comes into view as well.
    efHistory->verticalScrollBar()->setValue(efHistory->verticalScrollBar()->maximum());
}

void wMain::focusDisplay()
{
    efDisplay->setFocus();
}

bool wMain::keysEnabled() const
{
    return keys.front()->isEnabled(); // all of them at once, a second after opening
}
