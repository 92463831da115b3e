#include "info/LinkLabel.h"

#include "look/Appearance.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// Presents a LinkLabel to assistive technology as a link that can be pressed.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    { }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<LinkLabel *>(widget())->activate(LinkLabel::Trigger::Keyboard);
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *linkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus); // reached with Tab; a click leaves the focus where it is
}

void LinkLabel::setLinkText(const QString &text)
{
    setText(text);
    setAccessibleName(text);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    pressed = true;
    event->accept(); // keeps the mouse until the release
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed)
        return QLabel::mouseReleaseEvent(event);
    pressed = false;
    event->accept();
    activate(Trigger::Mouse); // wherever the release happened
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            activate(Trigger::Keyboard);
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QRect box = contentsRect();
    // The layout's boxes suit smaller type than most desktops use: a text too wide for its box
    // is condensed to fit rather than cut off.
    const int textWidth = fontMetrics().horizontalAdvance(text());
    if (textWidth > box.width()) {
        painter.setTransform(QTransform::fromTranslate(box.left(), box.top())
                                 .scale(qreal(box.width()) / textWidth, 1));
        box = QRect(0, 0, textWidth, box.height());
    }
    const QRect textBox
        = fontMetrics().boundingRect(box, int(alignment()), text()).adjusted(-2, 0, 2, 0);
    // In high contrast the focus is a solid box in the focus colour, wider than any frame. It
    // starts just above the letters: the space above them may hold the line before.
    const bool markedAsFocused = hasFocus() && appearance().highContrast();
    if (markedAsFocused) {
        const int spaceAbove
            = fontMetrics().ascent() + fontMetrics().tightBoundingRect(text()).top();
        painter.fillRect(textBox.adjusted(-2, spaceAbove - 2, 2, 2), palette().highlight());
    }
    painter.drawItemText(box, int(alignment()), palette(), isEnabled(), text(),
        markedAsFocused ? QPalette::HighlightedText : foregroundRole());

    if (hasFocus() && !markedAsFocused) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = textBox;
        option.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
