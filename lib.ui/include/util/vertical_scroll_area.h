#pragma once

#include <util/util_ui_export.h>

#include <QScrollArea>

namespace util {

/**
 * @brief A scroll area that scrolls only vertically and widens itself to fit its content.
 *
 * The content widget is resized with the area, the horizontal scroll bar is
 * never shown and the vertical one as needed. After every resize the area's
 * minimum width becomes the content's minimum width plus the width the
 * vertical scroll bar takes when shown (its size hint, the style's scroll-bar
 * extent), whether it is shown yet or not, so content is never clipped
 * horizontally. Without a content widget the minimum width is left alone.
 */
class UTIL_UI_EXPORT VerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    /// An empty scroll area without a horizontal scroll bar.
    explicit VerticalScrollArea(QWidget* parent = nullptr);

protected:
    /// Keeps the area at least as wide as its content.
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace util
