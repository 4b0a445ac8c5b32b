#include <util/circular_slider.h>

#include <QKeyEvent>

namespace util {

CircularSlider::CircularSlider(QWidget* parent)
    : QSlider(parent)
{ }

void CircularSlider::keyPressEvent(QKeyEvent* event)
{
    const bool wrapToMinimum = event->key() == Qt::Key_Right && value() >= maximum();
    const bool wrapToMaximum = event->key() == Qt::Key_Left && value() <= minimum();
    QSlider::keyPressEvent(event);
    if (wrapToMinimum) {
        setValue(minimum());
    } else if (wrapToMaximum) {
        setValue(maximum());
    }
}

} // namespace util
