#pragma once

#include <util/range_slider.h>

#include <QRect>
#include <QString>

#include <array>
#include <initializer_list>

namespace util {

/// State of a util::RangeSlider; a subclass may derive its own from it.
class RangeSliderPrivate
{
public:
    enum Handle { NoHandle = 0, MinimumHandle = 1, MaximumHandle = 2, BothHandles = 3 };

    /// The slider's signals, in declaration order.
    enum Signal {
        MinimumValueSignal,
        MaximumValueSignal,
        ValuesSignal,
        MinimumPositionSignal,
        MaximumPositionSignal,
        PositionsSignal,
        SignalCount
    };

    /// A lower and an upper value, or a lower and an upper position.
    struct Span
    {
        int min;
        int max;
        bool operator==(const Span& other) const { return min == other.min && max == other.max; }
        bool operator!=(const Span& other) const { return !(*this == other); }
    };

    explicit RangeSliderPrivate(RangeSlider& q);
    virtual ~RangeSliderPrivate();

    /// The private object of @p slider, for the slider's accessible interface.
    static RangeSliderPrivate& of(RangeSlider& slider) { return *slider.d; }
    /// Index of @p handle among the slider's accessible children: the lower handle, then the upper one.
    static int accessibleChild(Handle handle) { return handle == MaximumHandle ? 1 : 0; }

    Span values() const { return { minimumValue, maximumValue }; }
    Span positions() const { return { minimumPosition, maximumPosition }; }
    /**
     * Emits, in @p order, each signal whose values differ from what it last carried, with the
     * slider's values at that moment; position signals only while the slider is down. A change
     * made by a listener meanwhile is announced on the same terms, so that every listener hears
     * the slider's final values last. @p positionsBefore and @p valuesBefore are what the signals
     * last carried when no announcement is running.
     */
    void announce(Span positionsBefore, Span valuesBefore, std::initializer_list<Signal> order);

    /// Pixels along the axis that a handle's leading edge travels: first, first + span.
    struct Travel
    {
        int first;
        int span;
        bool upsideDown;
    };

    /// Which handle is under @p point; both handle rectangles are stored on the way.
    Handle pickHandle(const QPoint& point, QRect* minimumRect, QRect* maximumRect) const;
    /// Whether @p point lies on the handle drawn at @p position; stores its rectangle in @p rect.
    bool handleAt(const QPoint& point, int position, int value, QRect* rect = nullptr) const;
    /// The rectangle of @p handle (the lower or the upper one).
    QRect handleRect(Handle handle) const;
    Travel travel() const;
    int valueAtPixel(int pixel) const;
    int pixelOfValue(int value) const;
    /**
     * Where the two positions go when @p handle is moved to @p position as a drag moves it: a
     * handle stops at the other one, or moves it the opposite way with symmetric moves; both
     * handles together keep their half span. Clamped into the range and ordered.
     */
    Span movedTo(Handle handle, int position) const;
    /// Position of the handle that keys and the wheel move.
    int activePosition() const;
    /// Committed value of the handle that keys and the wheel move.
    int activeValue() const;
    /// Makes @p handle the one that keys and the wheel move, and tells accessibility clients: the
    /// slider's accessible value is the active handle's, and the handle becomes the focused child.
    /// The caller repaints.
    void activate(Handle handle);
    /// Tells accessibility clients which handle values changed from @p before, and whether the active
    /// one did.
    void notifyAccessibleValues(Span before);
    /// Moves the active handle towards @p position as a drag would and commits where it ends;
    /// returns whether anything moved.
    bool moveActiveHandle(qint64 position);
    /**
     * Turns the wheel by @p notches standard notches (an angle delta over 120) with @p modifiers,
     * as QAbstractSlider counts a turn: wheelScrollLines() single steps a notch, or a page with Ctrl
     * or Shift, at most a page an event, fractions kept for the next event. Returns whether the
     * turn was used: it moved the active handle, or the handle can still go that way.
     */
    bool turnWheel(qreal notches, Qt::KeyboardModifiers modifiers);
    /// Coordinate of @p point along the slider's axis.
    int along(const QPoint& point) const;
    /// @p value clamped into the slider's range.
    int bounded(qint64 value) const;

    RangeSlider& q;
    int maximumValue = 100;
    int minimumValue = 0;
    int maximumPosition = 100;
    int minimumPosition = 0;
    int clickOffset = 0;
    int pressPosition = 0;
    int halfSpan = 0;
    int pressedHandles = NoHandle;
    /// The handle that keys and the wheel move: the one last pressed, or chosen with Space.
    Handle activeHandle = MinimumHandle;
    /// Single steps the wheel turned but did not make yet.
    qreal wheelSteps = 0;
    bool symmetricMoves = false;
    QString handleToolTip;
    int firstPaintWidth = 0;
    /// What each signal last carried, while announcing.
    std::array<Span, SignalCount> carried {};
    /// Depth of nested announcements: changes made by listeners.
    int announcing = 0;
};

} // namespace util
