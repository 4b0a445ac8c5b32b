#pragma once

#include <util/range.h>

#include <QColor>
#include <QString>

class Vorn3dParametricCurveArray;

namespace util {

/// What the y value of a series' points is.
enum ChartPlotKind : int {
    Profile = 0, ///< profile heights; the series feeds the chart's x and y data bounds
    Reflectance = 1, ///< the "reflectance" per-point data (16-bit); feeds only the x bounds
    PeakWidth = 2, ///< the "peak_width" per-point data (8-bit); feeds only the x bounds
};

/**
 * @brief One data series handed to util::ChartWidget::setData().
 *
 * A plain copyable record. The chart keeps only the pointer to the curves;
 * they must stay valid while the record is in the chart's cached list
 * (util::ChartWidget::cachedPlot()).
 */
struct ChartPlot
{
    /// The series' points; not owned. Null is a series without points.
    Vorn3dParametricCurveArray* curves = nullptr;
    /// Series name: the legend label and the name of the table's y column.
    QString name;
    /// Marker colour (alpha is ignored).
    QColor color = Qt::white;
    /// A ChartPlotKind; any other value gives a series without points.
    int kind = Profile;
    /// Plot corner 0..3: 0 bottom/left axes, 1 bottom/right, 2 top/right, 3 top/left. Others are refused.
    int corner = 0;
    /// Whether the series is drawn.
    bool visible = true;
    /// Fixed x extent of a Profile series; used instead of its data bounds only when yRange is set too.
    Range xRange;
    /// Fixed y extent of a Profile series; see xRange.
    Range yRange;
};

} // namespace util
