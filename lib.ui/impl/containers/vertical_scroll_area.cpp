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
    // The bar's size hint is the width the area lays it out with; its current width is a
    // default 100 px until it has been shown once.
    if (const QWidget* content = widget())
        setMinimumWidth(content->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width());
}

} // namespace util
