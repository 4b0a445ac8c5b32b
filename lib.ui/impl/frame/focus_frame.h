#pragma once

class QWidget;

namespace util::detail {

/**
 * Paints the style's focus frame over @p widget while it has the keyboard focus, for the labels
 * that take the focus: a label shows none of its own. Called at the end of the label's paintEvent().
 */
void paintFocusFrame(QWidget& widget);

} // namespace util::detail
