#pragma once

#include <util/util_ui_export.h>

#include <QSlider>

namespace util {

/**
 * @brief A slider whose arrow keys wrap around at the ends of the range.
 *
 * Right arrow at maximum() goes to minimum(); Left arrow at minimum() goes to
 * maximum(). All other keys, and the arrows anywhere else, behave as in
 * QSlider. Vertical by default, like QSlider.
 */
class UTIL_UI_EXPORT CircularSlider : public QSlider
{
    Q_OBJECT
public:
    /// A vertical slider over 0..99.
    explicit CircularSlider(QWidget* parent);

protected:
    /// Steps as QSlider does, wrapping Right at the maximum and Left at the minimum.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace util
