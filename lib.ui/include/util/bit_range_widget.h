#pragma once

#include <util/util_ui_export.h>

#include <QWidgetAction>

class QLabel;

namespace util {

class RangeSlider;

/**
 * @brief Chooses which eight consecutive bits of a deep image to show as an 8-bit image.
 *
 * A QWidgetAction, so that it can sit in a menu or a tool bar. Its widget
 * holds a label with the chosen bits, a util::RangeSlider whose interval is
 * always eight values wide (the whole slider when it has fewer), and a line
 * of description. Slider value v stands for bit (slider maximum - v): the
 * left end is the most significant bit. The choice is reported as a bit
 * shift, the number of bits below the eight shown ones.
 *
 * When the slider's values change, the window follows the upper value if
 * the user drags the upper handle alone, or if a key, the wheel or the host
 * moved the upper value and not the lower one; otherwise it starts at the
 * new lower value. The slider's listeners hear the window it ends at (see
 * util::RangeSlider).
 *
 * Starts at 16 bits with the eight most significant ones shown (shift 8).
 */
class UTIL_UI_EXPORT BitRangeWidget : public QWidgetAction
{
    Q_OBJECT
public:
    /// A selector for 16-bit images showing bits 15 to 8.
    explicit BitRangeWidget(QObject* parent);
    ~BitRangeWidget() override;

    /**
     * Sets the image depth and shows its eight most significant bits.
     * @p bits is clamped into 1..24: deeper images are treated as 24-bit
     * (with a warning on the "util.ranges" logging category), so the window
     * still shows eight bits. Images of up to 8 bits use a slider of 8
     * values, up to 16 of 16, up to 24 of 24. Emits signal_bitRange() once,
     * with the new shift, when the shift changed.
     */
    void setBitRange(int bits);
    /**
     * Shows the eight bits above the lowest @p shift bits and emits
     * signal_bitRange(). A window that would leave the slider is moved back
     * into it; bitShift() and the signal tell where it ended.
     */
    void setBitShift(int shift);
    /// The number of bits below the eight shown ones.
    int bitShift() const;
    /// The embedded slider.
    RangeSlider* rangeSlider() const;

Q_SIGNALS:
    /// The bit shift, whenever a change of the slider moves the window, and after every setBitShift().
    void signal_bitRange(int value);

private:
    /// Follows a change of the slider's values; reports a changed shift.
    void updateRange(int min, int max);
    /// Moves the window to the eight values the change to @p min .. @p max asks for.
    void placeWindow(int min, int max);
    void updateLabel();

    QLabel* m_intensityLabel;
    RangeSlider* m_rangeSlider;
    int m_bitShift = 0;
};

} // namespace util
