#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

// Where a slider's style draws things, computed as QSlider does, for tests
// that press and drag at real handle and groove positions.
namespace slider_geometry {

inline QRect subControlRect(const QSlider& slider, QStyle::SubControl control, int position)
{
    QStyleOptionSlider opt;
    opt.initFrom(&slider);
    opt.orientation = slider.orientation();
    opt.minimum = slider.minimum();
    opt.maximum = slider.maximum();
    opt.tickPosition = slider.tickPosition();
    opt.tickInterval = slider.tickInterval();
    opt.upsideDown = slider.orientation() == Qt::Horizontal
        ? slider.invertedAppearance() != (opt.direction == Qt::RightToLeft)
        : !slider.invertedAppearance();
    opt.direction = Qt::LeftToRight;
    opt.sliderPosition = position;
    if (slider.orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return slider.style()->subControlRect(QStyle::CC_Slider, &opt, control, &slider);
}

inline QPoint handleAt(const QSlider& slider, int position)
{
    return subControlRect(slider, QStyle::SC_SliderHandle, position).center();
}

inline QRect grooveRect(const QSlider& slider)
{
    return subControlRect(slider, QStyle::SC_SliderGroove, slider.minimum());
}

/// Sends a mouse event of @p type at @p pos; returns whether the widget accepted it.
inline bool send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
    Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

/// A drag step to @p pos with the left button held.
inline void moveTo(QWidget* widget, QPoint pos)
{
    send(widget, QEvent::MouseMove, pos, Qt::NoButton);
}

inline void release(QWidget* widget, QPoint pos)
{
    send(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

/// A left-button drag from @p from to @p to in one step.
inline void drag(QWidget* widget, QPoint from, QPoint to)
{
    send(widget, QEvent::MouseButtonPress, from);
    moveTo(widget, to);
    release(widget, to);
}

} // namespace slider_geometry
