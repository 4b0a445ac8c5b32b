// The three-argument nearest-point query is deprecated in VTK 9 but is the one
// the chart asks; silence the deprecation for this file only.
#define VTK_DEPRECATION_LEVEL 0

#include "chart/plot.h"

#include "chart/marker_thinning.h"
#include "chart/nearest_point_index.h"

#include <cmath>

#include <vtkBrush.h>
#include <vtkContext2D.h>
#include <vtkContextDevice2D.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextTransform.h>
#include <vtkIdTypeArray.h>
#include <vtkMatrix3x3.h>
#include <vtkObjectFactory.h>
#include <vtkOpenGLGL2PSHelper.h>
#include <vtkPen.h>
#include <vtkPoints2D.h>
#include <vtkTransform2D.h>
#include <vtkUnsignedCharArray.h>

namespace util {

void Plot::printPlot(ostream& os, vtkIndent indent) const
{
    os << indent << "Name: " << name.toStdString() << "\n"
       << indent << "Shape: " << shape << "\n"
       << indent << "LinkedPlot: " << linkedPlot << "\n"
       << indent << "IsHandle: " << isHandle << "\n"
       << indent << "TooltipEnabled: " << tooltipEnabled << "\n"
       << indent << "DragAlongX: " << dragAlongX << "\n"
       << indent << "DragAlongY: " << dragAlongY << "\n"
       << indent << "Selected: " << selected << "\n";
}

Plot* plotInfo(vtkPlot* plot)
{
    return dynamic_cast<Plot*>(plot);
}

#define UTIL_UI_DEFINE_PLOT(Name)                                                                            \
    vtkStandardNewMacro(Name);                                                                               \
    void Name::PrintSelf(ostream& os, vtkIndent indent)                                                      \
    {                                                                                                        \
        Superclass::PrintSelf(os, indent);                                                                   \
        printPlot(os, indent);                                                                               \
    }

UTIL_UI_DEFINE_PLOT(PlotLine)
UTIL_UI_DEFINE_PLOT(PlotBar)
UTIL_UI_DEFINE_PLOT(PlotStacked)
UTIL_UI_DEFINE_PLOT(PlotBag)
UTIL_UI_DEFINE_PLOT(PlotFunctionalBag)
UTIL_UI_DEFINE_PLOT(PlotArea)
UTIL_UI_DEFINE_PLOT(PlotPoints)

#undef UTIL_UI_DEFINE_PLOT

PlotPoints::PlotPoints() = default;
PlotPoints::~PlotPoints() = default;

vtkIdType PlotPoints::GetNearestPoint(
    const vtkVector2f& point, const vtkVector2f& tolerance, vtkVector2f* location)
{
    // VTK's own search would sort a copy of the points on the first query after every data change; the
    // index costs one pass over data sorted by x, as profiles are, and answers for every point.
    if (!Points || Points->GetDataType() != VTK_FLOAT)
        return -1;
    if (!index || indexTime != BuildTime.GetMTime()) {
        if (!index)
            index = std::make_unique<NearestPointIndex>();
        index->build(static_cast<const float*>(Points->GetVoidPointer(0)), Points->GetNumberOfPoints());
        indexTime = BuildTime.GetMTime();
    }
    return index->find(point, tolerance, location);
}

bool PlotPoints::Paint(vtkContext2D* painter)
{
    vtkContextDevice2D* device = painter ? painter->GetDevice() : nullptr;
    // The device's matrix maps the part of the scene that it shows (all of it, or one tile of a large export)
    // to device pixels from (0, 0) on; the device's viewport rectangle gives the size of that part.
    const vtkRecti area = device ? device->GetViewportRect() : vtkRecti();
    vtkOpenGLGL2PSHelper* exporter = vtkOpenGLGL2PSHelper::GetInstance();
    const bool plain = ThinMarkers && Visible && device && !device->GetBufferIdMode() && Points
        && Points->GetDataType() == VTK_FLOAT && Points->GetNumberOfPoints() > 0
        && MarkerStyle != VTK_MARKER_NONE && MarkerSize > 0.0f && !(ScalarVisibility && Colors)
        && !(Selection && Selection->GetNumberOfTuples() > 0)
        && !(exporter && exporter->GetActiveState() != vtkOpenGLGL2PSHelper::Inactive);
    if (!plain)
        return Superclass::Paint(painter);
    if (!thinning)
        thinning = std::make_unique<MarkerThinning>();
    vtkNew<vtkMatrix3x3> matrix;
    device->GetMatrix(matrix);
    vtkIdType kept = 0;
    // VTK's bad points, a non-finite coordinate or a zero in the valid-point mask, are not painted.
    const vtkIdType bad = BadPoints ? BadPoints->GetNumberOfTuples() : 0;
    float* points = thinning->thin(static_cast<const float*>(Points->GetVoidPointer(0)),
        Points->GetNumberOfPoints(), bad > 0 ? BadPoints->GetPointer(0) : nullptr, bad, matrix->GetData(),
        area.GetWidth(), area.GetHeight(), MarkerSize, kept);
    if (!points)
        return Superclass::Paint(painter);
    painter->ApplyPen(Pen);
    painter->ApplyBrush(Brush);
    painter->GetPen()->SetWidth(MarkerSize);
    if (kept > 0)
        painter->DrawMarkers(MarkerStyle, false, points, int(std::min<vtkIdType>(kept, VTK_INT_MAX)));
    return true;
}

bool PlotPoints::Hit(const vtkContextMouseEvent& mouse)
{
    if (!Interactive || !Visible)
        return false;
    // The pick zone of vtkPlot::Hit(): 5 pixels in the parent transform's scale.
    constexpr double zone = 5.0;
    vtkVector2f tolerance(0.0f, 0.0f);
    if (auto* transform = vtkContextTransform::SafeDownCast(Parent)) {
        vtkMatrix3x3* matrix = transform->GetTransform()->GetMatrix();
        tolerance.Set(float(std::fabs(zone / matrix->GetElement(0, 0))),
            float(std::fabs(zone / matrix->GetElement(1, 1))));
    }
    vtkVector2f location;
    return GetNearestPoint(mouse.GetPos(), tolerance, &location) >= 0;
}

void PlotPoints::setSearchRange(double xMin, double xMax)
{
    this->xMin = xMin;
    this->xMax = xMax;
    index.reset();
}

} // namespace util
