#include <util/vertical_scroll_area.h>

#include <QScrollBar>

namespace util {

VerticalScrollArea::VerticalScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void VerticalScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (const QWidget* content = widget())
        setMinimumWidth(content->minimumSizeHint().width() + verticalScrollBar()->width());
}

} // namespace util
