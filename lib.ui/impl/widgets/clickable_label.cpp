#include "frame/focus_frame.h"

#include <util/clickable_label.h>

#include <QKeyEvent>

namespace util {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent*)
{
    emit signal_clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    emit signal_doubleClicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const bool activates
        = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        emit signal_clicked();
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    detail::paintFocusFrame(*this);
}

} // namespace util
