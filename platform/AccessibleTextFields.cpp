#include "platform/AccessibleTextFields.h"

#include <QAbstractTextDocumentLayout>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// An offset as assistive technology gives it, within a text of the given length: -1 stands for
// the end, and any other offset outside the text for its nearer end.
int placeWithin(int offset, int length)
{
    return offset == -1 ? length : std::clamp(offset, 0, length);
}

// A text edit as Qt presents it, but for queries outside the text, which read at the nearer end
// (-1 at the end, -2 at the caret), and for writes, which a read-only field never takes.
class AccessibleTextEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextEdit(QTextEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectableText = state.multiLine = true;
        state.readOnly = field()->isReadOnly();
        state.editable = !state.readOnly;
        return state;
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? field()->toPlainText() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(type, text);
    }

    QString text(int startOffset, int endOffset) const override
    {
        QTextCursor range = cursorAt(startOffset);
        range.setPosition(place(endOffset), QTextCursor::KeepAnchor);
        return range.selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override { return field()->document()->characterCount() - 1; }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::Before, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::At, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::After, startOffset, endOffset);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    int cursorPosition() const override { return field()->textCursor().position(); }
    void setCursorPosition(int position) override { field()->setTextCursor(cursorAt(position)); }
    int selectionCount() const override { return field()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = field()->textCursor();
        const bool selected = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = selected ? cursor.selectionStart() : 0;
        *endOffset = selected ? cursor.selectionEnd() : 0;
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor range = cursorAt(startOffset);
        range.setPosition(place(endOffset), QTextCursor::KeepAnchor);
        field()->setTextCursor(range);
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            setCursorPosition(cursorPosition());
    }

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inDocument = field()->viewport()->mapFromGlobal(point) + scrolledBy();
        return field()->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    }
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (field()->isReadOnly())
            return;
        QTextCursor range = cursorAt(startOffset);
        range.setPosition(place(endOffset), QTextCursor::KeepAnchor);
        range.insertText(text);
    }

private:
    QTextEdit *field() const { return static_cast<QTextEdit *>(widget()); }
    int place(int offset) const
    {
        return offset == -2 ? cursorPosition() : placeWithin(offset, characterCount());
    }
    QTextCursor cursorAt(int offset) const
    {
        QTextCursor cursor = field()->textCursor();
        cursor.setPosition(place(offset));
        return cursor;
    }
    QPoint scrolledBy() const
    {
        return { field()->horizontalScrollBar()->sliderPosition(),
            field()->verticalScrollBar()->sliderPosition() };
    }
    // Lines are the lines on screen, as Qt's own cursor helper finds them; the item before or
    // after is the one at the character before or after the item at the offset.
    QString item(int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place,
        int *startOffset, int *endOffset) const
    {
        QTextCursor cursor = cursorAt(offset);
        auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
        if (place != TextItemPlace::At) {
            const int next = place == TextItemPlace::Before ? start - 1 : end;
            if (next < 0 || next >= characterCount()) {
                *startOffset = *endOffset = -1;
                return {};
            }
            cursor.setPosition(next);
            std::tie(start, end) = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
        }
        *startOffset = start;
        *endOffset = end;
        return text(start, end);
    }
};

QRect AccessibleTextEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    const QTextBlock block = field()->document()->findBlock(offset);
    if (character.isEmpty() || !block.isValid())
        return {};
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    if (!line.isValid())
        return {};
    const QFontMetrics metrics(cursorAt(offset + 1).charFormat().font()); // the character's own
    const QPointF corner = layout->position()
        + QPointF(line.cursorToX(offset - block.position()),
            line.y() + line.ascent() + metrics.descent() - metrics.height());
    QRect rect(
        int(corner.x()), int(corner.y()), metrics.horizontalAdvance(character), metrics.height());
    rect.moveTo(field()->viewport()->mapToGlobal(rect.topLeft()));
    return rect.translated(-scrolledBy());
}

void AccessibleTextEdit::scrollToSubstring(int startIndex, int endIndex)
{
    const QRect text
        = field()->cursorRect(cursorAt(startIndex)).united(field()->cursorRect(cursorAt(endIndex)));
    const QSize view = field()->viewport()->size();
    const auto bringIntoView = [](QScrollBar *bar, int low, int high, int extent) {
        bar->setValue(bar->value() + std::max(0, high - extent) + std::min(0, low));
    };
    bringIntoView(field()->horizontalScrollBar(), text.left(), text.right(), view.width());
    bringIntoView(field()->verticalScrollBar(), text.top(), text.bottom(), view.height());
}

// The formatting of the run of characters around the offset, in IAccessible2's text attributes.
QString AccessibleTextEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int count = characterCount();
    // At or past the end, the last character's, for a reader asks at a caret there.
    offset = offset == -2 ? cursorPosition() : offset == -1 ? count : offset;
    offset = offset == count ? count - 1 : offset;
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const QTextCursor cursor = cursorAt(offset);
    const QTextBlock block = cursor.block();
    const int blockEnd = block.position() + block.length();
    QTextCharFormat format = block.charFormat();
    *startOffset = block.position();
    *endOffset = blockEnd;
    for (auto fragments = block.begin(); !fragments.atEnd(); ++fragments) {
        const QTextFragment fragment = fragments.fragment();
        if (fragment.contains(offset)) {
            format = fragment.charFormat();
            *startOffset = std::max(fragment.position(), block.position());
            *endOffset = std::min(fragment.position() + fragment.length(), blockEnd);
            break;
        }
        *startOffset = fragment.position() + fragment.length();
    }

    const QFont font = format.font();
    QString attributes;
    const auto add = [&attributes](const char *name, const QString &value) {
        attributes += QLatin1StringView(name) + u':' + value + u';';
    };
    QString family = font.family();
    for (const QChar special : u"\\:,=;\""_s)
        family.replace(special, u"\\"_s + special);
    if (!family.isEmpty())
        add("font-family", u'"' + family + u'"');
    if (const int size = int(font.pointSize()))
        add("font-size", QString::number(size) + u"pt"_s);
    add("font-weight", font.weight() > QFont::Normal ? u"bold"_s : u"normal"_s);
    add("font-style",
        font.style() == QFont::StyleItalic        ? u"italic"_s
            : font.style() == QFont::StyleOblique ? u"oblique"_s
                                                  : u"normal"_s);
    if (format.underlineStyle() != QTextCharFormat::NoUnderline || font.underline()) {
        add("text-underline-style", u"solid"_s);
        add("text-underline-type", u"single"_s);
    }
    if (block.textDirection() == Qt::RightToLeft)
        add("writing-mode", u"rl"_s);
    const QTextCharFormat::VerticalAlignment position = format.verticalAlignment();
    add("text-position",
        position == QTextCharFormat::AlignSubScript         ? u"sub"_s
            : position == QTextCharFormat::AlignSuperScript ? u"super"_s
                                                            : u"baseline"_s);
    for (const auto &[name, brush] : { std::pair("background-color", format.background()),
             std::pair("color", format.foreground()) }) {
        const QColor colour = brush.color();
        if (brush.style() == Qt::SolidPattern)
            add(name, u"rgb(%1,%2,%3)"_s.arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    }
    const Qt::Alignment alignment = cursor.blockFormat().alignment()
        & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    for (const auto &[flag, name] :
        { std::pair(Qt::AlignLeft, u"left"_s), std::pair(Qt::AlignRight, u"right"_s),
            std::pair(Qt::AlignHCenter, u"center"_s), std::pair(Qt::AlignJustify, u"justify"_s) }) {
        if (alignment == flag)
            add("text-align", name);
    }
    return attributes;
}

// A spin box as Qt presents it, its text read and written through its line edit's interface.
// Qt's own reads the text through an interface of Qt's own line edit that it makes itself.
class AccessibleSpinBox final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleSpinBox(QAbstractSpinBox *spinBox)
        : QAccessibleWidget(spinBox, QAccessible::SpinBox)
        , lineEdit(spinBox->findChild<QLineEdit *>())
    {
        addControllingSignal(qobject_cast<QDoubleSpinBox *>(spinBox)
                ? QStringLiteral("valueChanged(double)")
                : QStringLiteral("valueChanged(int)"));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface || type == QAccessible::EditableTextInterface)
            return lineEdit.interface_cast(type);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Value)
            return QAccessibleWidget::text(type);
        const auto *decimal = qobject_cast<const QDoubleSpinBox *>(spinBox());
        return decimal ? decimal->textFromValue(decimal->value()) : spinBox()->text();
    }

    QVariant currentValue() const override { return spinBox()->property("value"); }
    void setCurrentValue(const QVariant &value) override { spinBox()->setProperty("value", value); }
    QVariant maximumValue() const override { return spinBox()->property("maximum"); }
    QVariant minimumValue() const override { return spinBox()->property("minimum"); }
    QVariant minimumStepSize() const override { return spinBox()->property("stepSize"); }

private:
    QAbstractSpinBox *spinBox() const { return static_cast<QAbstractSpinBox *>(widget()); }

    AccessibleLineEdit lineEdit;
};

QAccessibleInterface *textFieldInterface(const QString &className, QObject *object)
{
    // A spin box at its most derived class, before Qt's own interface for it is asked.
    if (auto *spinBox = qobject_cast<QAbstractSpinBox *>(object))
        return new AccessibleSpinBox(spinBox);
    if (className == u"QLineEdit")
        return new AccessibleLineEdit(static_cast<QLineEdit *>(object));
    if (className == u"QTextEdit")
        return new AccessibleTextEdit(static_cast<QTextEdit *>(object));
    return nullptr;
}

} // namespace

void installTextFieldAccessibility()
{
    // Factories installed later are asked first: this one before Qt's own.
    static const bool installed = (QAccessible::installFactory(textFieldInterface), true);
    Q_UNUSED(installed);
}

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleLineEdit::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = state.selectableText = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    return state;
}

QString AccessibleLineEdit::text(QAccessible::Text type) const
{
    QString text;
    if (type == QAccessible::Value && lineEdit()->echoMode() != QLineEdit::NoEcho)
        text = readableText().isEmpty() ? QString(lineEdit()->text().size(), u'*') : readableText();
    if (text.isEmpty())
        text = QAccessibleWidget::text(type);
    if (text.isEmpty() && type == QAccessible::Description)
        text = lineEdit()->placeholderText();
    return text;
}

void AccessibleLineEdit::setText(QAccessible::Text type, const QString &text)
{
    if (type == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(type, text);
}

QString AccessibleLineEdit::readableText() const
{
    return lineEdit()->echoMode() == QLineEdit::Normal ? lineEdit()->text() : QString();
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString text = readableText();
    const int start = placeWithin(startOffset, int(text.size()));
    return text.mid(start, std::max(0, placeWithin(endOffset, int(text.size())) - start));
}

int AccessibleLineEdit::characterCount() const
{
    return int(lineEdit()->text().size());
}

QString AccessibleLineEdit::item(int offset, QAccessible::TextBoundaryType boundary,
    TextItemPlace place, int *startOffset, int *endOffset) const
{
    const QString text = readableText();
    const TextSpan span = textItem(text, offset == -2 ? cursorPosition() : offset, boundary, place);
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

QString AccessibleLineEdit::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const
{
    return item(offset, boundary, TextItemPlace::Before, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const
{
    return item(offset, boundary, TextItemPlace::At, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const
{
    return item(offset, boundary, TextItemPlace::After, startOffset, endOffset);
}

QString AccessibleLineEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset; // a line edit's text has no formatting of its own
    return {};
}

int AccessibleLineEdit::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

int AccessibleLineEdit::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool selected = selectionIndex == 0 && lineEdit()->hasSelectedText();
    *startOffset = selected ? lineEdit()->selectionStart() : 0;
    *endOffset = selected ? lineEdit()->selectionEnd() : 0;
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

// Where the character is on screen: as far from the caret as the text between them is wide.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty() || offset < 0)
        return {};
    const QLineEdit *field = lineEdit();
    const QFontMetrics metrics(field->font());
    const QString text = field->text();
    const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(field->cursorPosition()));
    return { field->mapToGlobal(QPoint(x, caret.y())),
        QSize(metrics.horizontalAdvance(character), caret.height()) };
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    const int length = characterCount();
    const int start = placeWithin(startOffset, length);
    edit(start, std::max(start, placeWithin(endOffset, length)), text);
}

void AccessibleLineEdit::edit(int start, int end, const QString &text)
{
    QLineEdit *field = lineEdit();
    if (field->isReadOnly())
        return;
    field->setCursorPosition(start);
    field->cursorForward(/*mark*/ true, end - start);
    field->insert(text);
}
