#pragma once

#include <vtkColorSeries.h>
#include <vtkContextClip.h>
#include <vtkSmartPointer.h>
#include <vtkTimeStamp.h>

#include <vector>

class vtkAxis;
class vtkContextTransform;
class vtkPlot;

namespace util {

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
};

} // namespace util
