// The range slider as screen readers meet it: a slider whose value is the active handle's, with
// the lower and the upper handle as its two children.
#include "frame/accessible_factory.h"
#include "frame/accessible_value.h"
#include "ranges/range_slider_p.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <array>

namespace util {

namespace {

using Handle = RangeSliderPrivate::Handle;

/// What the keys or an assistive tool can do to one handle of a range slider.
class HandleValue
{
public:
    HandleValue(RangeSlider* slider, Handle handle)
        : m_slider(slider)
        , m_handle(handle)
    { }

    int value() const
    {
        return m_handle == Handle::MinimumHandle ? m_slider->minimumValue() : m_slider->maximumValue();
    }

    /// Moves the handle through the slider's public setters, so that its own signals go out.
    void setValue(const QVariant& value) const
    {
        const std::optional<int> number = detail::accessibleNumber<int>(value);
        if (!number) {
            return;
        }
        if (m_handle == Handle::MinimumHandle) {
            m_slider->setMinimumValue(*number);
        } else {
            m_slider->setMaximumValue(*number);
        }
    }

private:
    RangeSlider* m_slider;
    Handle m_handle;
};

/// One handle: a child without an object of its own, which its slider's interface owns.
class RangeSliderHandleAccessible : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    RangeSliderHandleAccessible(RangeSlider* slider, Handle handle)
        : m_slider(slider)
        , m_handle(handle)
    { }

    bool isValid() const override { return !m_slider.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_slider); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Slider; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid()) {
            return {};
        }
        switch (type) {
        case QAccessible::Name:
            return m_handle == Handle::MinimumHandle
                ? QCoreApplication::translate("util::RangeSlider", "Lower value")
                : QCoreApplication::translate("util::RangeSlider", "Upper value");
        case QAccessible::Value: return QString::number(value().value());
        default: return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect local = RangeSliderPrivate::of(*m_slider).handleRect(m_handle);
        return { m_slider->mapToGlobal(local.topLeft()), local.size() };
    }

    /// The slider's state; focused only while it is the active handle of a focused slider, pressed
    /// while a drag holds it.
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state = parent()->state();
        state.focused = state.focused && RangeSliderPrivate::of(*m_slider).activeHandle == m_handle;
        state.pressed = m_handle == Handle::MinimumHandle ? m_slider->isMinimumSliderDown()
                                                          : m_slider->isMaximumSliderDown();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    }

    QVariant currentValue() const override { return isValid() ? QVariant(value().value()) : QVariant(); }
    void setCurrentValue(const QVariant& number) override
    {
        if (isValid()) {
            value().setValue(number);
        }
    }
    QVariant minimumValue() const override { return isValid() ? QVariant(m_slider->minimum()) : QVariant(); }
    QVariant maximumValue() const override { return isValid() ? QVariant(m_slider->maximum()) : QVariant(); }
    QVariant minimumStepSize() const override
    {
        return isValid() ? QVariant(m_slider->singleStep()) : QVariant();
    }

private:
    HandleValue value() const { return { m_slider, m_handle }; }

    QPointer<RangeSlider> m_slider;
    Handle m_handle;
};

/// The slider: its value is the active handle's (what the keys move), its two children the handles.
class RangeSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit RangeSliderAccessible(RangeSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    { }

    ~RangeSliderAccessible() override
    {
        for (const QAccessible::Id id : m_handles) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return int(m_handles.size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = m_handles[std::size_t(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new RangeSliderHandleAccessible(slider(),
                index == RangeSliderPrivate::accessibleChild(Handle::MinimumHandle) ? Handle::MinimumHandle
                                                                                    : Handle::MaximumHandle));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (m_handles[std::size_t(index)] != 0
                && QAccessible::accessibleInterface(m_handles[std::size_t(index)]) == child) {
                return index;
            }
        }
        return -1;
    }

    /// The handle under the global point (@p x, @p y), as a press there would pick it.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QRect lower;
        QRect upper;
        const Handle handle = RangeSliderPrivate::of(*slider()).pickHandle(
            slider()->mapFromGlobal(QPoint(x, y)), &lower, &upper);
        return handle == Handle::NoHandle ? nullptr : child(RangeSliderPrivate::accessibleChild(handle));
    }

    /// The active handle while the slider has the keyboard focus.
    QAccessibleInterface* focusChild() const override
    {
        if (!slider()->hasFocus()) {
            return QAccessibleWidget::focusChild();
        }
        return child(RangeSliderPrivate::accessibleChild(RangeSliderPrivate::of(*slider()).activeHandle));
    }

    /// The value is the active handle's; without a description of the host's, the description
    /// names the selected interval.
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value) {
            return QString::number(activeValue().value());
        }
        QString text = QAccessibleWidget::text(type);
        if (type == QAccessible::Description && text.isEmpty()) {
            text = QCoreApplication::translate("util::RangeSlider", "%1 to %2")
                       .arg(slider()->minimumValue())
                       .arg(slider()->maximumValue());
        }
        return text;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return activeValue().value(); }
    void setCurrentValue(const QVariant& value) override { activeValue().setValue(value); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    RangeSlider* slider() const { return static_cast<RangeSlider*>(widget()); }
    HandleValue activeValue() const { return { slider(), RangeSliderPrivate::of(*slider()).activeHandle }; }

    /// The handles' interfaces, made on first request; 0 until then.
    mutable std::array<QAccessible::Id, 2> m_handles {};
};

[[maybe_unused]] const bool registered = detail::registerAccessible<RangeSlider, RangeSliderAccessible>();

} // namespace

} // namespace util
