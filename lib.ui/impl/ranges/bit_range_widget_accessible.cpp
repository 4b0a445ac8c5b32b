// The bit-range selector as screen readers meet it: a group whose value is the bit shift, and
// whose text says which bits are shown.
#include "frame/accessible_factory.h"
#include "frame/accessible_value.h"
#include "ranges/bit_range_panel.h"

#include <util/range_slider.h>

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <algorithm>

namespace util {

namespace {

/**
 * Reads everything off the slider, as util::BitRangeWidget documents it: slider value v stands for
 * bit (maximum - v), the slider's interval is the window of shown bits, and the shift counts the bits
 * below the window. Setting the shift moves the slider's window, which the selector follows and
 * reports with signal_bitRange().
 */
class BitRangeWidgetAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit BitRangeWidgetAccessible(BitRangePanel* panel)
        : QAccessibleWidget(panel, QAccessible::Grouping)
    { }

    QString text(QAccessible::Text type) const override
    {
        const RangeSlider& slider = panel()->slider();
        const int top = slider.maximum();
        switch (type) {
        case QAccessible::Name: {
            const QString name = QAccessibleWidget::text(type);
            return name.isEmpty() ? QCoreApplication::translate("util::BitRangeWidget", "Bit range") : name;
        }
        case QAccessible::Value:
            return QCoreApplication::translate("util::BitRangeWidget", "Bits %1 to %2")
                .arg(top - slider.minimumValue())
                .arg(top - slider.maximumValue());
        default: return QAccessibleWidget::text(type);
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return shift(); }
    QVariant minimumValue() const override { return 0; }
    QVariant maximumValue() const override { return largestShift(); }
    QVariant minimumStepSize() const override { return 1; }

    void setCurrentValue(const QVariant& value) override
    {
        const std::optional<int> shift = detail::accessibleNumber<int>(value);
        if (!shift) {
            return;
        }
        RangeSlider& slider = panel()->slider();
        const int upper = slider.maximum() - std::clamp(*shift, 0, largestShift());
        slider.setValues(upper - windowSpan(), upper);
    }

private:
    BitRangePanel* panel() const { return static_cast<BitRangePanel*>(widget()); }
    /// The shown bits less one.
    int windowSpan() const { return panel()->slider().maximumValue() - panel()->slider().minimumValue(); }
    int shift() const { return panel()->slider().maximum() - panel()->slider().maximumValue(); }
    int largestShift() const
    {
        return panel()->slider().maximum() - panel()->slider().minimum() - windowSpan();
    }
};

[[maybe_unused]] const bool registered
    = detail::registerAccessible<BitRangePanel, BitRangeWidgetAccessible>();

} // namespace

} // namespace util
