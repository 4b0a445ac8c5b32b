#include <util/clickable_label.h>

namespace util {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{ }

void ClickableLabel::mousePressEvent(QMouseEvent*)
{
    emit signal_clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    emit signal_doubleClicked();
}

} // namespace util
