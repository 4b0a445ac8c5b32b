#pragma once

#include <util/util_ui_export.h>

#include <QSlider>

#include <memory>

class QStyleOptionSlider;

namespace util {

class RangeSliderPrivate;

/**
 * @brief A slider with two handles that select the interval [minimumValue, maximumValue].
 *
 * The user drags either handle, or presses the groove between the two handles
 * and drags both together. With symmetricMoves() on, dragging one handle moves
 * the other by the same amount the opposite way. The part of the groove
 * between the handles is drawn in the palette's highlight colour.
 *
 * As in QSlider, each handle has a position (where it is drawn) and a value
 * (what is committed). With tracking on (the default) every drag step commits
 * the positions as values; with tracking off the values stay until the host
 * commits them, for example with setValues(minimumPosition(), maximumPosition())
 * on sliderReleased().
 *
 * Every setter orders its two arguments and clamps them into
 * [minimum(), maximum()]; a change of the slider's range clamps values and
 * positions into the new range.
 *
 * Each signal carries the values the slider has when it goes out. A listener
 * may change the values from its slot: that change is announced at once, and
 * a signal that was still on its way to later listeners with the overtaken
 * values goes out again with the new ones, so that every listener hears the
 * slider's final values last. A change made from a slot with the slider's
 * signals blocked is announced in the same way, once they are open again.
 *
 * Without a mouse, the keys and the wheel move one handle, the active one:
 * the handle last pressed, the lower one at first. Space makes the other
 * handle active (Tab leaves the slider, as for every widget). The arrow keys,
 * Page Up and Page Down, Home and End and the wheel take the active handle
 * where they take QSlider's handle (single and page steps, the controls'
 * direction, the wheel's scroll lines and partial notches), under the rules
 * of a drag: a handle stops at the other one, or with symmetricMoves() moves
 * it the opposite way. They commit at once whatever the tracking, as QSlider's
 * keys do, so they emit the value signals and no position signal. Where the
 * style shows the keyboard focus on a handle, it shows it on the active one
 * only. QSlider's own value(), which this slider does not show, never moves.
 *
 * A press is ignored when the range is empty (minimum() == maximum()), when
 * another mouse button is already held, or when it hits the groove outside
 * the two handles. Dragging beyond the style's QStyle::PM_MaximumDragDistance
 * from the widget puts the pressed handle (or both) back where it was at the
 * press.
 *
 * A vertical slider keeps at least twice the width it had at its first paint.
 */
class UTIL_UI_EXPORT RangeSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int minimumValue READ minimumValue WRITE setMinimumValue)
    Q_PROPERTY(int maximumValue READ maximumValue WRITE setMaximumValue)
    Q_PROPERTY(int minimumPosition READ minimumPosition WRITE setMinimumPosition)
    Q_PROPERTY(int maximumPosition READ maximumPosition WRITE setMaximumPosition)
    Q_PROPERTY(bool symmetricMoves READ symmetricMoves WRITE setSymmetricMoves)
    Q_PROPERTY(QString handleToolTip READ handleToolTip WRITE setHandleToolTip)

public:
    /// A vertical slider (QSlider's default) over 0..99 selecting all of it.
    explicit RangeSlider(QWidget* parent = nullptr);
    /// A slider of @p orientation over 0..99 selecting all of it.
    explicit RangeSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~RangeSlider() override;

    /// The committed lower value; starts at minimum().
    int minimumValue() const;
    /// The committed upper value; starts at maximum().
    int maximumValue() const;
    /// Where the lower handle is drawn; equals minimumValue() except while dragging without tracking.
    int minimumPosition() const;
    /// Where the upper handle is drawn; equals maximumValue() except while dragging without tracking.
    int maximumPosition() const;

    /// Sets the lower position; the upper one is raised to @p min if it is below. @see setPositions
    void setMinimumPosition(int min);
    /// Sets the upper position; the lower one is lowered to @p max if it is above. @see setPositions
    void setMaximumPosition(int max);
    /**
     * Moves both handles without committing them, unless tracking is on.
     * The arguments are ordered and clamped into the range. While the slider
     * is down it emits minimumPositionChanged(), maximumPositionChanged() (for
     * what changed) and then positionsChanged(), each with the positions of
     * that moment; with tracking on it then commits the positions with
     * setValues().
     */
    void setPositions(int min, int max);

    /// Whether dragging one handle moves the other the opposite way; false by default.
    bool symmetricMoves() const;
    /// Switches symmetric moves on or off. @see symmetricMoves
    void setSymmetricMoves(bool symmetry);

    /// Tooltip shown over a handle, "%1" standing for its value; empty (no handle tooltip) by default.
    QString handleToolTip() const;
    /// Sets the handle tooltip template. @see handleToolTip
    void setHandleToolTip(const QString& toolTip);

    /// Whether the lower handle is pressed (alone or with the upper one, in a groove drag).
    bool isMinimumSliderDown() const;
    /// Whether the upper handle is pressed (alone or with the lower one, in a groove drag).
    bool isMaximumSliderDown() const;

public Q_SLOTS:
    /// Sets the lower value; the upper one is raised to @p min if it is below. @see setValues
    void setMinimumValue(int min);
    /// Sets the upper value; the lower one is lowered to @p max if it is above. @see setValues
    void setMaximumValue(int max);
    /**
     * Sets both values and both positions. The arguments are ordered and
     * clamped into the range. While the slider is down it first emits
     * positionsChanged(), minimumPositionChanged() and maximumPositionChanged()
     * (for what changed); then, when a value changed, valuesChanged(),
     * minimumValueChanged() and maximumValueChanged() (for what changed).
     * Each signal carries the values of the moment it goes out.
     */
    void setValues(int min, int max);

Q_SIGNALS:
    /// The lower value changed.
    void minimumValueChanged(int min);
    /// The upper value changed.
    void maximumValueChanged(int max);
    /// One or both values changed; emitted before the single-value signals.
    void valuesChanged(int min, int max);
    /// The lower position changed during a drag.
    void minimumPositionChanged(int min);
    /// The upper position changed during a drag.
    void maximumPositionChanged(int max);
    /// One or both positions changed during a drag.
    void positionsChanged(int min, int max);

protected Q_SLOTS:
    /// Clamps values and positions into the slider's new range.
    void onRangeChanged(int minimum, int maximum);

protected:
    /// For subclasses with their own private object; takes ownership of @p dd.
    RangeSlider(RangeSliderPrivate& dd, QWidget* parent);
    /// For subclasses with their own private object; takes ownership of @p dd.
    RangeSlider(RangeSliderPrivate& dd, Qt::Orientation orientation, QWidget* parent);

    /// Fills the style option used to draw the lower handle; QSlider's by default.
    virtual void initMinimumSliderStyleOption(QStyleOptionSlider* option) const;
    /// Fills the style option used to draw the upper handle; QSlider's by default.
    virtual void initMaximumSliderStyleOption(QStyleOptionSlider* option) const;

    /// Shows the handle tooltip over a handle.
    bool event(QEvent* event) override;
    /// Grabs a handle, or both handles between them.
    void mousePressEvent(QMouseEvent* event) override;
    /// Drags the grabbed handles.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Lets the grabbed handles go.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Moves the active handle with the arrow, Page and Home/End keys; Space makes the other one active.
    void keyPressEvent(QKeyEvent* event) override;
    /// Moves the active handle as QSlider's wheel moves its handle.
    void wheelEvent(QWheelEvent* event) override;
    /// Draws the groove, the selected interval and both handles.
    void paintEvent(QPaintEvent* event) override;

    /// The private object.
    std::unique_ptr<RangeSliderPrivate> const d;

private:
    friend class RangeSliderPrivate;
    Q_DISABLE_COPY(RangeSlider)
};

} // namespace util
