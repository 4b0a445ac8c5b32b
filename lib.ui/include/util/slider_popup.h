#pragma once

#include <util/util_ui_export.h>

#include <QWidget>

#include <memory>

class QSlider;

namespace util {

class AbstractSliderPopupPrivate;

/**
 * @brief What the three slider popups share: the "SliderPopup" form, the mouse handling and the acceleration.
 *
 * The popup's vertical slider is a jog control, not a map of the whole range:
 * moving the handle by one position changes the value by one unit. The two
 * end positions are acceleration zones: while the left button holds the
 * handle there, the value moves on in that direction by 222, 333, 444, ...
 * units, one step about every 16 ms (a timer that runs only while an end is
 * held). Releasing the left button reports the value once with
 * signal_valueEdited(). Other buttons change nothing.
 *
 * Labels show the absolute bounds, the bounds of a window of the slider
 * length around the value, and the value. Every computation saturates at
 * the absolute bounds.
 *
 * The look is read from the resource ":/common.resources/styles/css/SliderPopup.css";
 * without it the popup has no style sheet of its own.
 */
class UTIL_UI_EXPORT AbstractSliderPopup : public QWidget
{
    Q_OBJECT
public:
    ~AbstractSliderPopup() override;

protected:
    /// Builds the form; the popup is a plain child widget (no window flags).
    explicit AbstractSliderPopup(QWidget* parent);

    /// Watches the slider's left presses and releases; passes every event on.
    bool eventFilter(QObject* watched, QEvent* event) override;

    /// The jog slider.
    QSlider* slider() const;
    /// Gives the slider the positions 0..@p top (plus the two acceleration zones) and puts the handle at @p
    /// position.
    void placeSlider(int top, int position);
    /// Writes the absolute bounds.
    void setBoundLabels(const QString& maximum, const QString& minimum);
    /// Writes the window's bounds and the value.
    void setWindowLabels(const QString& maximum, const QString& value, const QString& minimum);
    /// Moves the value up or down by @p amount units, stopping at the bounds, and updates the labels.
    virtual void shiftValue(bool up, quint64 amount) = 0;

private:
    virtual void emitValueEdited() = 0;
    void onSliderValueChanged(int position);
    void accelerate();
    void updateTimer();

    std::unique_ptr<AbstractSliderPopupPrivate> const d;
};

/**
 * @brief The slider popup for values of type @p T (double, qint64 or quint64).
 *
 * Starts with bounds 0..100, value 0 and slider length 5000.
 */
template<typename T> class UTIL_UI_EXPORT BasicSliderPopup : public AbstractSliderPopup
{
public:
    /**
     * Sets the absolute bounds and the value, and places the slider.
     *
     * When the span (@p maximum - @p minimum) exceeds the slider length and
     * @p fullRange is false, the slider covers a window of the slider length
     * centred on the value (cut at the bounds), one position per unit.
     * Otherwise it covers the whole span; spans beyond the slider's int
     * positions are cut at 2147483645 positions. Bounds given the wrong way
     * round are swapped, the value is clamped into them, and the labels are
     * rewritten. A NaN or infinite argument (DoubleSliderPopup) refuses the
     * call, with a warning on the "util.popups" logging category.
     */
    void setSliderRange(T minimum, T maximum, T value, bool fullRange);
    /**
     * The largest window the slider spans one position per unit; 5000 by
     * default, clamped into 1..2147483645, used from the next setSliderRange().
     * NaN is ignored.
     */
    void setSliderLength(T length);
    /// Sets the value without moving the slider or the labels; clamped into the bounds, NaN ignored.
    void setValue(T value);
    /// The handle's position in the slider's window (0 at its lower end; the lower acceleration zone reads
    /// 0).
    T value() const;
    /// The size of the slider's window after setSliderRange(); 100 before.
    T localMaximum() const;
    /// Always 0.
    T localMinimum() const;
    /// Rewrites the window bounds and value labels from the current value.
    void updateLabel();

protected:
    /// Builds the form with the default bounds.
    explicit BasicSliderPopup(QWidget* parent);
    /// Moves the value up or down by @p amount units, stopping at the bounds, and updates the labels.
    void shiftValue(bool up, quint64 amount) override;
    /// The current value.
    T currentValue() const { return m_value; }

private:
    T m_localMaximum = 100;
    T m_minimum = 0;
    T m_maximum = 100;
    T m_value = 0;
    T m_halfWindow = 1;
    T m_sliderLength = 5000;
    bool m_fullRange = false;
};

extern template class BasicSliderPopup<double>;
extern template class BasicSliderPopup<qint64>;
extern template class BasicSliderPopup<quint64>;

} // namespace util

/// @brief Slider popup for double values; labels show six significant digits.
class UTIL_UI_EXPORT DoubleSliderPopup : public util::BasicSliderPopup<double>
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit DoubleSliderPopup(QWidget* parent = nullptr);

Q_SIGNALS:
    /// The value at the release of the left mouse button.
    void signal_valueEdited(double value);

private:
    void emitValueEdited() override;
};

/// @brief Slider popup for signed 64-bit values.
class UTIL_UI_EXPORT Int64SliderPopup : public util::BasicSliderPopup<qint64>
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit Int64SliderPopup(QWidget* parent = nullptr);

    /// Moves the value by @p delta times @p factor, saturating at the bounds, and updates the labels.
    void updateRealValue(qint64 delta, qint64 factor);

Q_SIGNALS:
    /// The value at the release of the left mouse button.
    void signal_valueEdited(qint64 value);

private:
    void emitValueEdited() override;
};

/// @brief Slider popup for unsigned 64-bit values.
class UTIL_UI_EXPORT UInt64SliderPopup : public util::BasicSliderPopup<quint64>
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit UInt64SliderPopup(QWidget* parent = nullptr);

Q_SIGNALS:
    /// The value at the release of the left mouse button.
    void signal_valueEdited(quint64 value);

private:
    void emitValueEdited() override;
};
