#include <util/circular_slider.h>

#include <QKeyEvent>

namespace util {

CircularSlider::CircularSlider(QWidget* parent)
    : QSlider(parent)
{ }

void CircularSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
        QSlider::keyPressEvent(event);
        return;
    }
    // QAbstractSlider decides which way the key steps; a step past an end goes round to the other
    // end before the new value goes out.
    const QMetaObject::Connection wrap
        = connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
              if (action == SliderSingleStepAdd && value() >= maximum()) {
                  setSliderPosition(minimum());
              } else if (action == SliderSingleStepSub && value() <= minimum()) {
                  setSliderPosition(maximum());
              }
          });
    QSlider::keyPressEvent(event);
    disconnect(wrap);
}

} // namespace util
