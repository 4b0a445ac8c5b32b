#pragma once

#include <vtkAxis.h>
#include <vtkColorSeries.h>
#include <vtkContextClip.h>
#include <vtkSmartPointer.h>
#include <vtkTimeStamp.h>
#include <vtkType.h>
#include <vtkVector.h>

#include <utility>
#include <vector>

class vtkContextTransform;
class vtkPlot;
class vtkTransform2D;

namespace util {

/**
 * @brief The axis of a ChartXY: a vtkAxis whose two fixed distances in pixels
 * follow the DPI as the rest of the chart does (see dpiScale()).
 *
 * VTK spaces ticks at least 30 pixels apart on a vertical axis and 45 on a
 * horizontal one, and sets the title 10 pixels beyond the labels, whatever the
 * DPI. This axis counts both in pixels at 72 DPI.
 */
class ChartAxis : public vtkAxis
{
public:
    static ChartAxis* New();
    vtkTypeMacro(ChartAxis, vtkAxis);

    /// Spaces the ticks as vtkAxis does on an axis dpiScale() times shorter.
    void RecalculateTickSpacing() override;
    /// Paints as vtkAxis does, the title 10 pixels times dpiScale() beyond the labels.
    bool Paint(vtkContext2D* painter) override;

protected:
    ChartAxis() = default;
    ~ChartAxis() override = default;

private:
    ChartAxis(const ChartAxis&) = delete;
    void operator=(const ChartAxis&) = delete;
};

/// The plots, corners and axes of a ChartXY.
class ChartXYPrivate
{
public:
    std::vector<vtkPlot*> plots; ///< each registered by the chart
    std::vector<vtkContextTransform*> PlotCorners; ///< by corner 0..3, owned by Clip
    std::vector<vtkAxis*> axes; ///< always four, by vtkAxis position; owned
    vtkSmartPointer<vtkColorSeries> Colors = vtkSmartPointer<vtkColorSeries>::New();
    vtkSmartPointer<vtkContextClip> Clip = vtkSmartPointer<vtkContextClip>::New();
    int Borders[4] = { 60, 50, 20, 20 }; ///< by axis index
    vtkTimeStamp TransformCalculatedTime;
    double ItemScale = 1.0; ///< the dpiScale() that the axes' and the legend's pixel sizes are set for
};

// What the parts of ChartXY (chart_xy.cpp, chart_xy_layout.cpp, chart_xy_interaction.cpp,
// chart_xy_drag.cpp) share; defined in chart_xy.cpp.
namespace detail {

/// The wheel, panning and the equal scale never move a range end beyond this magnitude.
constexpr double wheelLimit = 7.5e14;

/// The x and y axes of a corner, by the corner convention; null for a corner outside 0..3.
std::pair<vtkAxis*, vtkAxis*> cornerAxes(const std::vector<vtkAxis*>& axes, int corner);

/// Whether @p transform maps scene positions back to finite data positions: a plot transform made over an
/// empty axis range (or before its axes had one) scales by infinity and does not.
bool invertible(vtkTransform2D* transform);

/// Index of the nearest point of @p plot within @p tolerance of @p position, or -1.
vtkIdType nearestPoint(vtkPlot* plot, const vtkVector2f& position, const vtkVector2f& tolerance,
    vtkVector2f* location, vtkIdType* segment);

} // namespace detail

} // namespace util
