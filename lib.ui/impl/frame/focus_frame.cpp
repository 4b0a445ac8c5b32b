#include "frame/focus_frame.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace util::detail {

void paintFocusFrame(QWidget& widget)
{
    if (!widget.hasFocus())
        return;
    QStylePainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace util::detail
