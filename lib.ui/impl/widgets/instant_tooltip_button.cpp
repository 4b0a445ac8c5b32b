#include <util/instant_tooltip_button.h>

#include <QMouseEvent>
#include <QToolTip>

namespace util {

InstantTooltipButton::InstantTooltipButton(QWidget* parent)
    : QPushButton(parent)
{ }

void InstantTooltipButton::mouseMoveEvent(QMouseEvent* event)
{
    QToolTip::showText(event->globalPos(), toolTip(), this);
    // The base handler keeps the pressed look in step with the pointer.
    QPushButton::mouseMoveEvent(event);
}

} // namespace util
