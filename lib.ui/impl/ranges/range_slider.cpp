#include "ranges/range_slider_p.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace util {

namespace {

/// The step that @p key asks of @p slider, as QAbstractSlider maps keys to actions: inverted
/// controls turn every key round, and a right-to-left layout turns Left and Right round again.
QAbstractSlider::SliderAction actionOfKey(const QAbstractSlider& slider, int key)
{
    const bool leftGoesDown = slider.isRightToLeft() == slider.invertedControls();
    const bool inverted = slider.invertedControls();
    switch (key) {
    case Qt::Key_Left:
        return leftGoesDown ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_Right:
        return leftGoesDown ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_Up:
        return inverted ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_Down:
        return inverted ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_PageUp:
        return inverted ? QAbstractSlider::SliderPageStepSub : QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_PageDown:
        return inverted ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub;
    case Qt::Key_Home: return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End: return QAbstractSlider::SliderToMaximum;
    default: return QAbstractSlider::SliderNoAction;
    }
}

/// Where @p action takes a handle at @p position of @p slider, before clamping.
qint64 stepped(const QAbstractSlider& slider, int position, QAbstractSlider::SliderAction action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return qint64(position) + slider.singleStep();
    case QAbstractSlider::SliderSingleStepSub: return qint64(position) - slider.singleStep();
    case QAbstractSlider::SliderPageStepAdd: return qint64(position) + slider.pageStep();
    case QAbstractSlider::SliderPageStepSub: return qint64(position) - slider.pageStep();
    case QAbstractSlider::SliderToMinimum: return slider.minimum();
    case QAbstractSlider::SliderToMaximum: return slider.maximum();
    default: return position;
    }
}

} // namespace

RangeSliderPrivate::RangeSliderPrivate(RangeSlider& q)
    : q(q)
{ }

RangeSliderPrivate::~RangeSliderPrivate() = default;

int RangeSliderPrivate::along(const QPoint& point) const
{
    return q.orientation() == Qt::Horizontal ? point.x() : point.y();
}

int RangeSliderPrivate::bounded(qint64 value) const
{
    return int(std::clamp<qint64>(value, q.minimum(), q.maximum()));
}

bool RangeSliderPrivate::handleAt(const QPoint& point, int position, int value, QRect* rect) const
{
    QStyleOptionSlider option;
    q.initStyleOption(&option);
    option.sliderPosition = position;
    option.sliderValue = value;
    const QStyle::SubControl control
        = q.style()->hitTestComplexControl(QStyle::CC_Slider, &option, point, &q);
    if (rect) {
        *rect = q.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &q);
    }
    return control == QStyle::SC_SliderHandle;
}

QRect RangeSliderPrivate::handleRect(Handle handle) const
{
    // handleAt() finds the rectangle on the way to its hit test.
    QRect rect;
    const bool lower = handle == MinimumHandle;
    handleAt({}, lower ? minimumPosition : maximumPosition, lower ? minimumValue : maximumValue, &rect);
    return rect;
}

RangeSliderPrivate::Handle RangeSliderPrivate::pickHandle(
    const QPoint& point, QRect* minimumRect, QRect* maximumRect) const
{
    const bool onMinimum = handleAt(point, minimumPosition, minimumValue, minimumRect);
    const bool onMaximum = handleAt(point, maximumPosition, maximumValue, maximumRect);
    if (onMinimum && onMaximum) {
        // Overlapping handles: the one whose far edge is farther from the pointer.
        const bool horizontal = q.orientation() == Qt::Horizontal;
        const int toMinimum
            = horizontal ? point.x() - minimumRect->left() : minimumRect->bottom() - point.y();
        const int toMaximum = horizontal ? maximumRect->right() - point.x() : point.y() - maximumRect->top();
        return toMinimum < toMaximum ? MinimumHandle : MaximumHandle;
    }
    return onMinimum ? MinimumHandle : onMaximum ? MaximumHandle : NoHandle;
}

RangeSliderPrivate::Travel RangeSliderPrivate::travel() const
{
    QStyleOptionSlider option;
    q.initStyleOption(&option);
    const QRect groove = q.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, &q);
    const QRect handle = q.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &q);
    if (q.orientation() == Qt::Horizontal) {
        return { groove.x(), groove.right() - handle.width() + 1 - groove.x(), option.upsideDown };
    }
    return { groove.y(), groove.bottom() - handle.height() + 1 - groove.y(), option.upsideDown };
}

int RangeSliderPrivate::valueAtPixel(int pixel) const
{
    const Travel t = travel();
    return QStyle::sliderValueFromPosition(q.minimum(), q.maximum(), pixel - t.first, t.span, t.upsideDown);
}

int RangeSliderPrivate::pixelOfValue(int value) const
{
    const Travel t = travel();
    return t.first + QStyle::sliderPositionFromValue(q.minimum(), q.maximum(), value, t.span, t.upsideDown);
}

RangeSliderPrivate::Span RangeSliderPrivate::movedTo(Handle handle, int position) const
{
    qint64 newMin = minimumPosition;
    qint64 newMax = maximumPosition;
    switch (handle) {
    case MinimumHandle:
        newMin = std::min(position, maximumPosition);
        if (symmetricMoves) {
            newMax = qint64(maximumPosition) + (minimumPosition - newMin);
        }
        break;
    case MaximumHandle:
        newMax = std::max(minimumPosition, position);
        if (symmetricMoves) {
            newMin = qint64(minimumPosition) - (newMax - maximumPosition);
        }
        break;
    default:
        newMin = qint64(position) - halfSpan;
        newMax = qint64(position) + halfSpan;
        break;
    }
    return { bounded(std::min(newMin, newMax)), bounded(std::max(newMin, newMax)) };
}

int RangeSliderPrivate::activePosition() const
{
    return activeHandle == MinimumHandle ? minimumPosition : maximumPosition;
}

int RangeSliderPrivate::activeValue() const
{
    return activeHandle == MinimumHandle ? minimumValue : maximumValue;
}

void RangeSliderPrivate::activate(Handle handle)
{
    const int valueBefore = activeValue();
    activeHandle = handle;
    if (!QAccessible::isActive()) {
        return;
    }
    if (activeValue() != valueBefore) {
        QAccessibleValueChangeEvent value(&q, activeValue());
        QAccessible::updateAccessibility(&value);
    }
    if (q.hasFocus()) {
        QAccessibleEvent focus(&q, QAccessible::Focus);
        focus.setChild(accessibleChild(handle));
        QAccessible::updateAccessibility(&focus);
    }
}

void RangeSliderPrivate::notifyAccessibleValues(Span before)
{
    if (!QAccessible::isActive()) {
        return;
    }
    // Child -1 is the slider itself, whose value is the active handle's.
    const auto notify = [this](int child, int value) {
        QAccessibleValueChangeEvent event(&q, value);
        event.setChild(child);
        QAccessible::updateAccessibility(&event);
    };
    if (minimumValue != before.min) {
        notify(accessibleChild(MinimumHandle), minimumValue);
    }
    if (maximumValue != before.max) {
        notify(accessibleChild(MaximumHandle), maximumValue);
    }
    if (activeValue() != (activeHandle == MinimumHandle ? before.min : before.max)) {
        notify(-1, activeValue());
    }
}

bool RangeSliderPrivate::moveActiveHandle(qint64 position)
{
    const Span moved = movedTo(activeHandle, bounded(position));
    if (moved == positions() && moved == values()) {
        return false;
    }
    q.setValues(moved.min, moved.max);
    return true;
}

bool RangeSliderPrivate::turnWheel(qreal notches, Qt::KeyboardModifiers modifiers)
{
    const int page = q.pageStep();
    qreal steps = 0;
    if (modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) {
        steps = notches * page;
        wheelSteps = 0;
    } else {
        // Steps left over from earlier events count, unless the wheel turned back.
        if (notches * wheelSteps < 0) {
            wheelSteps = 0;
        }
        wheelSteps += QApplication::wheelScrollLines() * notches * q.singleStep();
        steps = wheelSteps;
        wheelSteps -= std::trunc(wheelSteps);
    }
    qint64 whole = qint64(std::trunc(std::clamp<qreal>(steps, -page, page)));
    if (whole == 0) {
        // Less than a step so far: keep the event while the handle can still go that way.
        const qreal way = q.invertedControls() ? -wheelSteps : wheelSteps;
        const qint64 towards = qint64(activePosition()) + (way > 0 ? 1 : -1);
        if (way != 0 && movedTo(activeHandle, bounded(towards)) != positions()) {
            return true;
        }
        wheelSteps = 0;
        return false;
    }
    if (q.invertedControls()) {
        whole = -whole;
    }
    if (!moveActiveHandle(activePosition() + whole)) {
        wheelSteps = 0;
        return false;
    }
    return true;
}

void RangeSliderPrivate::announce(
    Span positionsBefore, Span valuesBefore, std::initializer_list<Signal> order)
{
    if (announcing == 0) {
        carried
            = { valuesBefore, valuesBefore, valuesBefore, positionsBefore, positionsBefore, positionsBefore };
    }
    ++announcing;
    for (bool sent = true; sent;) {
        sent = false;
        for (const Signal signal : order) {
            const bool position = signal >= MinimumPositionSignal;
            const Span now = position ? positions() : values();
            Span& told = carried[signal];
            const bool due = [&] {
                switch (signal) {
                case MinimumValueSignal:
                case MinimumPositionSignal: return now.min != told.min;
                case MaximumValueSignal:
                case MaximumPositionSignal: return now.max != told.max;
                default: return now != told;
                }
            }();
            // A signal nobody hears stays due, for an announcement further out to make; position
            // signals go out only during a drag.
            if (!due || q.signalsBlocked() || (position && !q.isSliderDown())) {
                continue;
            }
            told = now;
            switch (signal) {
            case MinimumValueSignal: emit q.minimumValueChanged(now.min); break;
            case MaximumValueSignal: emit q.maximumValueChanged(now.max); break;
            case ValuesSignal: emit q.valuesChanged(now.min, now.max); break;
            case MinimumPositionSignal: emit q.minimumPositionChanged(now.min); break;
            case MaximumPositionSignal: emit q.maximumPositionChanged(now.max); break;
            case PositionsSignal: emit q.positionsChanged(now.min, now.max); break;
            case SignalCount: break;
            }
            // Listeners after one that changed the values again heard `now` last: if the values
            // moved on, this signal goes out once more.
            told = now;
            sent = true;
        }
    }
    --announcing;
}

RangeSlider::RangeSlider(QWidget* parent)
    : RangeSlider(*new RangeSliderPrivate(*this), parent)
{ }

RangeSlider::RangeSlider(Qt::Orientation orientation, QWidget* parent)
    : RangeSlider(*new RangeSliderPrivate(*this), orientation, parent)
{ }

RangeSlider::RangeSlider(RangeSliderPrivate& dd, QWidget* parent)
    : QSlider(parent)
    , d(&dd)
{
    d->minimumValue = d->minimumPosition = minimum();
    d->maximumValue = d->maximumPosition = maximum();
    connect(this, &QAbstractSlider::rangeChanged, this, &RangeSlider::onRangeChanged);
}

RangeSlider::RangeSlider(RangeSliderPrivate& dd, Qt::Orientation orientation, QWidget* parent)
    : RangeSlider(dd, parent)
{
    setOrientation(orientation);
}

RangeSlider::~RangeSlider() = default;

int RangeSlider::minimumValue() const
{
    return d->minimumValue;
}

int RangeSlider::maximumValue() const
{
    return d->maximumValue;
}

int RangeSlider::minimumPosition() const
{
    return d->minimumPosition;
}

int RangeSlider::maximumPosition() const
{
    return d->maximumPosition;
}

void RangeSlider::setMinimumValue(int min)
{
    setValues(min, std::max(d->maximumValue, min));
}

void RangeSlider::setMaximumValue(int max)
{
    setValues(std::min(d->minimumValue, max), max);
}

void RangeSlider::setValues(int min, int max)
{
    const RangeSliderPrivate::Span positionsBefore = d->positions();
    const RangeSliderPrivate::Span valuesBefore = d->values();
    d->minimumValue = d->minimumPosition = d->bounded(std::min(min, max));
    d->maximumValue = d->maximumPosition = d->bounded(std::max(min, max));
    if (d->positions() == positionsBefore && d->values() == valuesBefore) {
        return;
    }
    update();
    d->notifyAccessibleValues(valuesBefore);
    d->announce(positionsBefore, valuesBefore,
        { RangeSliderPrivate::PositionsSignal, RangeSliderPrivate::MinimumPositionSignal,
            RangeSliderPrivate::MaximumPositionSignal, RangeSliderPrivate::ValuesSignal,
            RangeSliderPrivate::MinimumValueSignal, RangeSliderPrivate::MaximumValueSignal });
}

void RangeSlider::setMinimumPosition(int min)
{
    setPositions(min, std::max(min, d->maximumPosition));
}

void RangeSlider::setMaximumPosition(int max)
{
    setPositions(std::min(d->minimumPosition, max), max);
}

void RangeSlider::setPositions(int min, int max)
{
    const RangeSliderPrivate::Span before = d->positions();
    d->minimumPosition = d->bounded(std::min(min, max));
    d->maximumPosition = d->bounded(std::max(min, max));
    if (d->positions() == before) {
        return;
    }
    if (!hasTracking()) {
        update();
    }
    d->announce(before, d->values(),
        { RangeSliderPrivate::MinimumPositionSignal, RangeSliderPrivate::MaximumPositionSignal,
            RangeSliderPrivate::PositionsSignal });
    if (hasTracking()) {
        triggerAction(SliderMove);
        setValues(d->minimumPosition, d->maximumPosition);
    }
}

bool RangeSlider::symmetricMoves() const
{
    return d->symmetricMoves;
}

void RangeSlider::setSymmetricMoves(bool symmetry)
{
    d->symmetricMoves = symmetry;
}

QString RangeSlider::handleToolTip() const
{
    return d->handleToolTip;
}

void RangeSlider::setHandleToolTip(const QString& toolTip)
{
    d->handleToolTip = toolTip;
}

bool RangeSlider::isMinimumSliderDown() const
{
    return d->pressedHandles & RangeSliderPrivate::MinimumHandle;
}

bool RangeSlider::isMaximumSliderDown() const
{
    return d->pressedHandles & RangeSliderPrivate::MaximumHandle;
}

void RangeSlider::onRangeChanged(int, int)
{
    setValues(d->minimumValue, d->maximumValue);
}

void RangeSlider::initMinimumSliderStyleOption(QStyleOptionSlider* option) const
{
    initStyleOption(option);
}

void RangeSlider::initMaximumSliderStyleOption(QStyleOptionSlider* option) const
{
    initStyleOption(option);
}

bool RangeSlider::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !d->handleToolTip.isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        int value = 0;
        if (d->handleAt(help->pos(), d->minimumPosition, d->minimumValue)) {
            value = d->minimumValue;
        } else if (d->handleAt(help->pos(), d->maximumPosition, d->maximumValue)) {
            value = d->maximumValue;
        } else {
            return QSlider::event(event);
        }
        QToolTip::showText(help->globalPos(), d->handleToolTip.arg(value), this);
        event->accept();
        return true;
    }
    return QSlider::event(event);
}

void RangeSlider::mousePressEvent(QMouseEvent* event)
{
    if (minimum() == maximum() || event->buttons() != event->button()) {
        event->ignore();
        return;
    }
    const int pixel = d->along(event->pos());
    QRect lowerRect;
    QRect upperRect;
    const auto handle = d->pickHandle(event->pos(), &lowerRect, &upperRect);
    if (handle != RangeSliderPrivate::NoHandle) {
        const bool lower = handle == RangeSliderPrivate::MinimumHandle;
        d->pressPosition = lower ? d->minimumPosition : d->maximumPosition;
        d->clickOffset = pixel - d->along((lower ? lowerRect : upperRect).topLeft());
        setSliderDown(true);
        if (d->activeHandle != handle) {
            d->activate(handle);
            update(lowerRect | upperRect);
        }
        if (d->pressedHandles != handle) {
            d->pressedHandles = handle;
            update(lower ? lowerRect : upperRect);
        }
        event->accept();
        return;
    }

    // Only the stretch of groove between the two handles grabs both of them.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = d->minimumPosition;
    option.sliderValue = d->minimumValue;
    const QStyle::SubControl control
        = style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->pos(), this);
    const int lowerCentre = d->along(lowerRect.center());
    const int upperCentre = d->along(upperRect.center());
    if (control != QStyle::SC_SliderGroove || pixel <= std::min(lowerCentre, upperCentre)
        || pixel >= std::max(lowerCentre, upperCentre)) {
        event->ignore();
        return;
    }
    d->pressPosition = int((qint64(d->maximumPosition) + d->minimumPosition) / 2);
    d->clickOffset = pixel - d->pixelOfValue(d->pressPosition);
    d->halfSpan = int((qint64(d->maximumPosition) - d->minimumPosition) / 2);
    setSliderDown(true);
    if (d->pressedHandles != RangeSliderPrivate::BothHandles) {
        d->pressedHandles = RangeSliderPrivate::BothHandles;
        update(lowerRect | upperRect
            | style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this));
    }
    event->accept();
}

void RangeSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (d->pressedHandles == RangeSliderPrivate::NoHandle) {
        event->ignore();
        return;
    }
    int newPosition = d->valueAtPixel(d->along(event->pos()) - d->clickOffset);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int dragDistance = style()->pixelMetric(QStyle::PM_MaximumDragDistance, &option, this);
    if (dragDistance >= 0
        && !rect()
                .adjusted(-dragDistance, -dragDistance, dragDistance, dragDistance)
                .contains(event->pos())) {
        newPosition = d->pressPosition;
    }

    const RangeSliderPrivate::Span moved
        = d->movedTo(RangeSliderPrivate::Handle(d->pressedHandles), newPosition);
    setPositions(moved.min, moved.max);
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (d->pressedHandles == RangeSliderPrivate::NoHandle) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    setSliderDown(false);
    d->pressedHandles = RangeSliderPrivate::NoHandle;
    update();
    event->accept();
}

void RangeSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        d->activate(d->activeHandle == RangeSliderPrivate::MinimumHandle ? RangeSliderPrivate::MaximumHandle
                                                                         : RangeSliderPrivate::MinimumHandle);
        update();
        event->accept();
        return;
    }
    const SliderAction action = actionOfKey(*this, event->key());
    if (action == SliderNoAction) {
        event->ignore();
        return;
    }
    d->moveActiveHandle(stepped(*this, d->activePosition(), action));
    event->accept();
}

void RangeSlider::wheelEvent(QWheelEvent* event)
{
    // As QAbstractSlider reads a wheel: a turn to the right counts as a turn down.
    const QPoint angle = event->angleDelta();
    const qreal notches = (angle.y() != 0 ? qreal(angle.y()) : -qreal(angle.x())) / 120;
    event->setAccepted(d->turnWheel(event->inverted() ? -notches : notches, event->modifiers()));
}

void RangeSlider::paintEvent(QPaintEvent*)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QStylePainter painter(this);

    // The groove alone: a position outside the range draws no handle and no filled part.
    option.subControls = QStyle::SC_SliderGroove;
    if (tickPosition() != NoTicks) {
        option.subControls |= QStyle::SC_SliderTickmarks;
    }
    option.sliderPosition = option.sliderValue
        = int(std::max<qint64>(std::numeric_limits<int>::min(), qint64(minimum()) - maximum()));
    painter.drawComplexControl(QStyle::CC_Slider, option);

    option.sliderPosition = d->minimumPosition;
    const QRect lowerHandle
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    option.sliderPosition = d->maximumPosition;
    const QRect upperHandle
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);

    QRect rangeBox;
    if (orientation() == Qt::Horizontal) {
        rangeBox = QRect(
            QPoint(std::min(lowerHandle.center().x(), upperHandle.center().x()), groove.center().y() - 2),
            QPoint(std::max(lowerHandle.center().x(), upperHandle.center().x()), groove.center().y() + 1));
    } else {
        rangeBox = QRect(
            QPoint(groove.center().x() - 2, std::min(lowerHandle.center().y(), upperHandle.center().y())),
            QPoint(groove.center().x() + 1, std::max(lowerHandle.center().y(), upperHandle.center().y())));
        if (d->firstPaintWidth == 0) {
            d->firstPaintWidth = width();
        }
        setMinimumWidth(2 * d->firstPaintWidth);
    }

    groove.adjust(0, 0, -1, 0);
    const QColor highlight = palette().color(QPalette::Normal, QPalette::Highlight);
    QLinearGradient gradient = orientation() == Qt::Horizontal
        ? QLinearGradient(groove.center().x(), groove.top(), groove.center().x(), groove.bottom())
        : QLinearGradient(groove.left(), groove.center().y(), groove.right(), groove.center().y());
    gradient.setColorAt(0, highlight.darker(120));
    gradient.setColorAt(1, highlight.lighter(160));
    painter.setPen(QPen(highlight.darker(150), 0));
    painter.setBrush(gradient);
    painter.drawRect(rangeBox.intersected(groove));

    const auto drawHandle = [&](RangeSliderPrivate::Handle handle) {
        QStyleOptionSlider handleOption;
        const bool lower = handle == RangeSliderPrivate::MinimumHandle;
        if (lower) {
            initMinimumSliderStyleOption(&handleOption);
        } else {
            initMaximumSliderStyleOption(&handleOption);
        }
        handleOption.subControls = QStyle::SC_SliderHandle;
        handleOption.sliderPosition = lower ? d->minimumPosition : d->maximumPosition;
        handleOption.sliderValue = lower ? d->minimumValue : d->maximumValue;
        if (d->pressedHandles & handle) {
            handleOption.activeSubControls = QStyle::SC_SliderHandle;
            handleOption.state |= QStyle::State_Sunken;
        }
        if (d->activeHandle != handle) {
            handleOption.state &= ~QStyle::State_HasFocus;
        }
        painter.drawComplexControl(QStyle::CC_Slider, handleOption);
    };
    if (isMinimumSliderDown()) {
        drawHandle(RangeSliderPrivate::MaximumHandle);
        drawHandle(RangeSliderPrivate::MinimumHandle);
    } else {
        drawHandle(RangeSliderPrivate::MinimumHandle);
        drawHandle(RangeSliderPrivate::MaximumHandle);
    }
}

} // namespace util
