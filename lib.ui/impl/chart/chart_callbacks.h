#pragma once

#include <functional>

namespace util {

/**
 * @brief The calls a ChartXY makes back into its owner.
 *
 * Shared by util::ChartWidget, which owns it, and its chart. An empty slot is
 * skipped by the chart.
 */
struct ChartCallbacks
{
    /// Something visible changed; the owner should render at its next opportunity (always called with true).
    std::function<void(bool)> renderRequest;
    /// Maps (index of the point in its series, x value) to the x value a tooltip shows.
    std::function<double(int, double)> xTooltip;
    /// Maps (index of the point in its series, y value) to the y value a tooltip shows.
    std::function<double(int, double)> yTooltip;
    /// Hover state on every mouse move: 2 over a draggable shape's body, else 0.
    std::function<void(int)> hoverState;
};

} // namespace util
