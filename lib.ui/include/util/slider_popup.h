#pragma once

#include <util/util_ui_export.h>

#include <QWidget>

#include <memory>

class DoubleSliderPopupPrivate;
class Int64SliderPopupPrivate;
class UInt64SliderPopupPrivate;

/**
 * @brief Slider popup for double values.
 *
 * The popup's vertical slider is a jog control, not a map of the whole range:
 * moving the handle by one position changes the value by one unit. The two
 * end positions are acceleration zones: while the left button holds the
 * handle there, the value moves on in that direction by 222, 333, 444, ...
 * units, one step about every 16 ms (a timer that runs only while an end is
 * held). Releasing the left button reports the value once with
 * signal_valueEdited(); a double-click counts as a press.
 *
 * The slider's keys, its wheel and the style's middle-button jump move the
 * value in the same relative way. Such a move is reported once, when its
 * gesture ends: at the release of the key (auto-repeats aside) or of the
 * button, when the wheel has rested for half a second, or when the slider
 * loses the focus or is hidden, whichever comes first. A move still
 * unreported when setSliderRange() places the slider is dropped. The right
 * button changes nothing.
 *
 * Labels show the absolute bounds, the bounds of a window of the slider
 * length around the value, and the value. Numbers are rounded to six
 * significant digits or to one decimal, whichever keeps more (trailing zeros
 * dropped), so values a unit apart read differently; from 2^53 on, where
 * doubles lie further apart than a unit, they show the shortest text that
 * reads back as the number. Every computation saturates at the absolute
 * bounds. The popup is a plain child widget (no window flags) and starts
 * with bounds 0..100, value 0 and slider length 5000.
 *
 * The look is read from the resource ":/common.resources/styles/css/SliderPopup.css";
 * without it the popup has no style sheet of its own.
 *
 * A NaN or infinite argument to setSliderRange() refuses the call, with a
 * warning on the "util.popups" logging category; setSliderLength() and
 * setValue() ignore NaN.
 *
 * @see Int64SliderPopup, UInt64SliderPopup
 */
class UTIL_UI_EXPORT DoubleSliderPopup : public QWidget
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit DoubleSliderPopup(QWidget* parent = nullptr);
    ~DoubleSliderPopup() override;

    /**
     * Sets the absolute bounds and the value, and places the slider.
     *
     * When the span (@p maximum - @p minimum) exceeds the slider length and
     * @p fullRange is false, the slider covers a window of the slider length
     * centred on the value (cut at the bounds), one position per unit.
     * Otherwise it covers the whole span; spans beyond the slider's int
     * positions are cut at 2147483645 positions. Bounds given the wrong way
     * round are swapped, the value is clamped into them, and the labels are
     * rewritten.
     */
    void setSliderRange(double minimum, double maximum, double value, bool fullRange);
    /**
     * The largest window the slider spans one position per unit; 5000 by
     * default, clamped into 1..2147483645, used from the next setSliderRange().
     */
    void setSliderLength(double length);
    /// Sets the value without moving the slider or the labels; clamped into the bounds.
    void setValue(double value);
    /// The handle's position in the slider's window (0 at its lower end; the lower acceleration zone reads
    /// 0).
    double value() const;
    /// The size of the slider's window after setSliderRange(); 100 before.
    double localMaximum() const;
    /// Always 0.
    double localMinimum() const;
    /// Rewrites the window bounds and value labels from the current value.
    void updateLabel();

Q_SIGNALS:
    /// The value at the end of a user's gesture on the slider: a left-button drag, a key or button
    /// released, the wheel at rest, the focus lost or the popup hidden.
    void signal_valueEdited(double value);

protected:
    /// Watches the slider's buttons, keys, wheel, focus and visibility; passes every event on.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<DoubleSliderPopupPrivate> const d;
};

/**
 * @brief Slider popup for signed 64-bit values.
 *
 * Works as DoubleSliderPopup does, in whole units.
 */
class UTIL_UI_EXPORT Int64SliderPopup : public QWidget
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit Int64SliderPopup(QWidget* parent = nullptr);
    ~Int64SliderPopup() override;

    /// @copydoc DoubleSliderPopup::setSliderRange
    void setSliderRange(qint64 minimum, qint64 maximum, qint64 value, bool fullRange);
    /// @copydoc DoubleSliderPopup::setSliderLength
    void setSliderLength(qint64 length);
    /// @copydoc DoubleSliderPopup::setValue
    void setValue(qint64 value);
    /// @copydoc DoubleSliderPopup::value
    qint64 value() const;
    /// @copydoc DoubleSliderPopup::localMaximum
    qint64 localMaximum() const;
    /// @copydoc DoubleSliderPopup::localMinimum
    qint64 localMinimum() const;
    /// @copydoc DoubleSliderPopup::updateLabel
    void updateLabel();
    /// Moves the value by @p delta times @p factor, saturating at the bounds, and updates the labels.
    void updateRealValue(qint64 delta, qint64 factor);

Q_SIGNALS:
    /// @copydoc DoubleSliderPopup::signal_valueEdited
    void signal_valueEdited(qint64 value);

protected:
    /// @copydoc DoubleSliderPopup::eventFilter
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Int64SliderPopupPrivate> const d;
};

/**
 * @brief Slider popup for unsigned 64-bit values.
 *
 * Works as DoubleSliderPopup does, in whole units.
 */
class UTIL_UI_EXPORT UInt64SliderPopup : public QWidget
{
    Q_OBJECT
public:
    /// A popup with bounds 0..100 and value 0.
    explicit UInt64SliderPopup(QWidget* parent = nullptr);
    ~UInt64SliderPopup() override;

    /// @copydoc DoubleSliderPopup::setSliderRange
    void setSliderRange(quint64 minimum, quint64 maximum, quint64 value, bool fullRange);
    /// @copydoc DoubleSliderPopup::setSliderLength
    void setSliderLength(quint64 length);
    /// @copydoc DoubleSliderPopup::setValue
    void setValue(quint64 value);
    /// @copydoc DoubleSliderPopup::value
    quint64 value() const;
    /// @copydoc DoubleSliderPopup::localMaximum
    quint64 localMaximum() const;
    /// @copydoc DoubleSliderPopup::localMinimum
    quint64 localMinimum() const;
    /// @copydoc DoubleSliderPopup::updateLabel
    void updateLabel();

Q_SIGNALS:
    /// @copydoc DoubleSliderPopup::signal_valueEdited
    void signal_valueEdited(quint64 value);

protected:
    /// @copydoc DoubleSliderPopup::eventFilter
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<UInt64SliderPopupPrivate> const d;
};
