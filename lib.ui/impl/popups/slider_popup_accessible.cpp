// The slider popups as screen readers meet them: the popup, a group, and its jog slider both
// present the popup's value between its absolute bounds, not the jog positions.
#include "frame/accessible_factory.h"
#include "popups/slider_popup_p.h"

#include <util/slider_popup.h>

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace util {

namespace {

/// A widget that presents a popup's value: the value, its bounds, a unit a step, and the value's text.
class PopupValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    PopupValueAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    { }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Value) {
            return QAccessibleWidget::text(type);
        }
        const detail::SliderPopupValue* value = popupValue();
        return value ? value->accessibleText() : QString();
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override
    {
        const detail::SliderPopupValue* value = popupValue();
        return value ? value->accessibleValue() : QVariant();
    }
    QVariant minimumValue() const override
    {
        const detail::SliderPopupValue* value = popupValue();
        return value ? value->accessibleMinimum() : QVariant();
    }
    QVariant maximumValue() const override
    {
        const detail::SliderPopupValue* value = popupValue();
        return value ? value->accessibleMaximum() : QVariant();
    }
    QVariant minimumStepSize() const override { return 1; }
    void setCurrentValue(const QVariant& number) override
    {
        if (detail::SliderPopupValue* value = popupValue()) {
            value->editValue(number);
        }
    }

protected:
    /// The popup's jog slider; null while the popup is being built.
    virtual detail::JogSlider* jog() const = 0;

private:
    detail::SliderPopupValue* popupValue() const
    {
        const detail::JogSlider* slider = jog();
        return slider ? slider->popupValue() : nullptr;
    }
};

/// The popup: a group of the labels and the jog slider, with the popup's value.
class SliderPopupAccessible : public PopupValueAccessible
{
public:
    explicit SliderPopupAccessible(QWidget* popup)
        : PopupValueAccessible(popup, QAccessible::Grouping)
    { }

protected:
    detail::JogSlider* jog() const override { return widget()->findChild<detail::JogSlider*>(); }
};

/// The jog slider, which has the keyboard focus: a slider with the popup's value. Without a name of
/// the host's it is called "Value", and its description tells how it moves the value.
class JogSliderAccessible : public PopupValueAccessible
{
public:
    explicit JogSliderAccessible(detail::JogSlider* slider)
        : PopupValueAccessible(slider, QAccessible::Slider)
    { }

    QString text(QAccessible::Text type) const override
    {
        QString text = PopupValueAccessible::text(type);
        if (text.isEmpty() && type == QAccessible::Name) {
            text = QCoreApplication::translate("SliderPopup", "Value");
        } else if (text.isEmpty() && type == QAccessible::Description) {
            text = QCoreApplication::translate("SliderPopup", "Each step moves the value by one unit");
        }
        return text;
    }

protected:
    detail::JogSlider* jog() const override { return static_cast<detail::JogSlider*>(widget()); }
};

[[maybe_unused]] const bool registeredJog
    = detail::registerAccessible<detail::JogSlider, JogSliderAccessible>();
[[maybe_unused]] const bool registeredDouble
    = detail::registerAccessible<DoubleSliderPopup, SliderPopupAccessible>();
[[maybe_unused]] const bool registeredInt64
    = detail::registerAccessible<Int64SliderPopup, SliderPopupAccessible>();
[[maybe_unused]] const bool registeredUInt64
    = detail::registerAccessible<UInt64SliderPopup, SliderPopupAccessible>();

} // namespace

} // namespace util
