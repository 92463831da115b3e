#include "accessibility/AccessibleTextFields.h"

#include "accessibility/AccessibleLineEdit.h"
#include "accessibility/AccessibleTextEdit.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTextEdit>

#include <mutex>

namespace {

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
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(textFieldInterface); });
}
