#pragma once

#include <util/util_ui_export.h>

#include <QSlider>

namespace util {

/**
 * @brief A slider whose arrow keys wrap around at the ends of the range.
 *
 * A Left or Right arrow that would step past one end of the range goes to
 * the other end: with the default controls, Right at maximum() goes to
 * minimum() and Left at minimum() goes to maximum(). The arrows step as in
 * QSlider, so inverted controls and a right-to-left layout turn them round,
 * and the wrap with them. valueChanged() goes out once, with the new value.
 * All other keys, and the arrows anywhere else, behave as in QSlider.
 * Vertical by default, like QSlider.
 */
class UTIL_UI_EXPORT CircularSlider : public QSlider
{
    Q_OBJECT
public:
    /// A vertical slider over 0..99.
    explicit CircularSlider(QWidget* parent);

protected:
    /// Steps as QSlider does, wrapping a Left or Right step past an end to the other end.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace util
