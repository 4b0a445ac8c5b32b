#pragma once

#include <QWidget>

namespace util {

class RangeSlider;

/**
 * The widget a util::BitRangeWidget shows: its label of the shown bits, its slider and its line of
 * description. A class of its own so that screen readers meet the selector's interface, which reads
 * the shown bits off the slider (see bit_range_widget_accessible.cpp).
 */
class BitRangePanel : public QWidget
{
    Q_OBJECT
public:
    /// A panel for @p slider, which the panel's layout takes as a child.
    explicit BitRangePanel(RangeSlider& slider)
        : m_slider(slider)
    { }

    /// The selector's slider.
    RangeSlider& slider() const { return m_slider; }

private:
    RangeSlider& m_slider;
};

} // namespace util
