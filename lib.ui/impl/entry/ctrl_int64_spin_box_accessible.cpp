// The 64-bit spin boxes as screen readers meet them: spin boxes whose value is the whole 64-bit
// number and whose value text is the shown one, in the display base with prefix and suffix.
#include "entry/int64_steps.h"
#include "frame/accessible_factory.h"
#include "frame/accessible_value.h"

#include <util/ctrl_int64_spin_box.h>

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLineEdit>

#include <optional>
#include <utility>

namespace util {

namespace {

/**
 * The text interfaces of a spin box, read and edited in its line edit through QLineEdit's public
 * calls. Qt gives the line edit of a spin box no interface of its own (the box answers for it), so
 * these stand in for Qt's line edit interface. Edits go in as typing does: through the line edit's
 * validator, announced with textEdited(), on which the box takes the text; a read-only box takes
 * none. A character's rectangle is measured from the cursor, which the line edit places.
 */
class LineEditText : public QAccessibleTextInterface, public QAccessibleEditableTextInterface
{
public:
    void selection(int index, int* start, int* end) const override
    {
        const QLineEdit* edit = lineEdit();
        const bool exists = index == 0 && edit->hasSelectedText();
        *start = exists ? edit->selectionStart() : 0;
        *end = exists ? edit->selectionEnd() : 0;
    }
    int selectionCount() const override { return lineEdit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0) {
            lineEdit()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0) {
            lineEdit()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return lineEdit()->cursorPosition(); }
    void setCursorPosition(int position) override { lineEdit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return lineEdit()->text().mid(start, end - start); }
    int characterCount() const override { return lineEdit()->text().size(); }

    QRect characterRect(int offset) const override
    {
        const QLineEdit* edit = lineEdit();
        const QString text = edit->text();
        if (offset < 0 || offset >= text.size()) {
            return {};
        }
        const QFontMetrics metrics(edit->font());
        const int cursor = edit->cursorPosition();
        const QRect cursorRect = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int left = cursorRect.center().x()
            + (offset >= cursor ? metrics.horizontalAdvance(text.mid(cursor, offset - cursor))
                                : -metrics.horizontalAdvance(text.mid(offset, cursor - offset)));
        const QRect local(
            left, cursorRect.top(), metrics.horizontalAdvance(text.at(offset)), cursorRect.height());
        return { edit->mapToGlobal(local.topLeft()), local.size() };
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        QLineEdit* edit = lineEdit();
        const QPoint local = edit->mapFromGlobal(point);
        return edit->rect().contains(local) ? edit->cursorPositionAt(local) : -1;
    }

    void scrollToSubstring(int start, int end) override
    {
        // The line edit scrolls to show its cursor.
        lineEdit()->setCursorPosition(end);
        lineEdit()->setCursorPosition(start);
    }

    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    void deleteText(int start, int end) override
    {
        if (select(start, end)) {
            lineEdit()->del();
        }
    }
    void insertText(int offset, const QString& text) override
    {
        if (select(offset, offset)) {
            lineEdit()->insert(text);
        }
    }
    void replaceText(int start, int end, const QString& text) override
    {
        if (select(start, end)) {
            lineEdit()->insert(text);
        }
    }

protected:
    virtual QLineEdit* lineEdit() const = 0;

private:
    /// Selects @p start to @p end for an edit, or puts the cursor at @p start when they are equal;
    /// false when the line edit takes no edits.
    bool select(int start, int end)
    {
        QLineEdit* edit = lineEdit();
        if (edit->isReadOnly()) {
            return false;
        }
        if (start == end) {
            edit->setCursorPosition(start);
        } else {
            edit->setSelection(start, end - start);
        }
        return true;
    }
};

/**
 * The interface of @p Box (CtrlInt64SpinBox or CtrlUInt64SpinBox). The value goes out as a qlonglong
 * or qulonglong, never cut to an int. An assistive tool sets it with a number, which is clamped into
 * the range (a double, as AT-SPI sends, is rounded), or with text, which the box takes as typed. The
 * increase and decrease actions step as the arrow keys do. The text interfaces are the line edit's,
 * which has no interface of its own, as for Qt's spin boxes.
 */
template<class Box>
class Int64SpinBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public LineEditText
{
    using T = decltype(std::declval<const Box&>().value());

public:
    using LineEditText::text;

    explicit Int64SpinBoxAccessible(Box* box)
        : QAccessibleWidget(box, QAccessible::SpinBox)
    { }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? box()->displayedText() : QAccessibleWidget::text(type);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        switch (type) {
        case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
        default: return QAccessibleWidget::interface_cast(type);
        }
    }

    // QAccessibleValueInterface

    QVariant currentValue() const override { return QVariant::fromValue(box()->value()); }
    QVariant minimumValue() const override { return QVariant::fromValue(box()->minimum()); }
    QVariant maximumValue() const override { return QVariant::fromValue(box()->maximum()); }
    QVariant minimumStepSize() const override { return box()->singleStep(); }

    void setCurrentValue(const QVariant& value) override
    {
        if (value.userType() == QMetaType::QString) {
            box()->setValueText(value.toString());
        } else if (const std::optional<T> number = detail::accessibleNumber<T>(value)) {
            box()->setValue(detail::clampInt64(*number, box()->minimum(), box()->maximum()));
        }
    }

    // QAccessibleActionInterface

    QStringList actionNames() const override
    {
        QStringList names;
        if (steppable()) {
            names << increaseAction() << decreaseAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != increaseAction() && name != decreaseAction()) {
            QAccessibleWidget::doAction(name);
        } else if (steppable()) {
            box()->stepBy(name == increaseAction() ? 1 : -1);
        }
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == increaseAction()) {
            return { QKeySequence(Qt::Key_Up).toString(QKeySequence::NativeText) };
        }
        if (name == decreaseAction()) {
            return { QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText) };
        }
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    Box* box() const { return static_cast<Box*>(widget()); }

    /// Whether the arrow keys may step the box: enabled, not read-only.
    bool steppable() const { return box()->isEnabled() && !box()->isReadOnly(); }

    /// The box's line edit, which QAbstractSpinBox keeps to its subclasses: its only direct QLineEdit child.
    QLineEdit* lineEdit() const override
    {
        return box()->template findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

[[maybe_unused]] const bool registeredSigned
    = detail::registerAccessible<CtrlInt64SpinBox, Int64SpinBoxAccessible<CtrlInt64SpinBox>>();
[[maybe_unused]] const bool registeredUnsigned
    = detail::registerAccessible<CtrlUInt64SpinBox, Int64SpinBoxAccessible<CtrlUInt64SpinBox>>();

} // namespace

} // namespace util
