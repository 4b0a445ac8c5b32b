#pragma once

#include <QSlider>
#include <QVariant>

namespace util::detail {

/**
 * A slider popup's value as assistive tools read and set it: the absolute value between the
 * absolute bounds, a unit a step, as numbers of the popup's type (double, qlonglong or qulonglong).
 */
class SliderPopupValue
{
public:
    virtual QVariant accessibleValue() const = 0;
    virtual QVariant accessibleMinimum() const = 0;
    virtual QVariant accessibleMaximum() const = 0;
    /// The value as the popup's value label writes it.
    virtual QString accessibleText() const = 0;
    /**
     * Moves the value to @p value, a number as an assistive tool sends it (see accessibleNumber()),
     * as a move of the user's: clamped into the bounds, the slider and the labels placed around it,
     * and reported with the popup's signal_valueEdited().
     */
    virtual void editValue(const QVariant& value) = 0;

protected:
    ~SliderPopupValue() = default;
};

/**
 * The popup's jog control. A class of its own so that screen readers meet it as the popup's value
 * rather than as the jog positions it runs through (see slider_popup_accessible.cpp).
 */
class JogSlider : public QSlider
{
    Q_OBJECT
public:
    explicit JogSlider(QWidget* parent)
        : QSlider(parent)
    { }

    /// The value of the popup the slider belongs to; null until the popup is built.
    SliderPopupValue* popupValue() const { return m_popupValue; }
    /// Links the slider to its popup's value.
    void setPopupValue(SliderPopupValue* value) { m_popupValue = value; }

private:
    SliderPopupValue* m_popupValue = nullptr;
};

} // namespace util::detail
