// The three-argument nearest-point query is deprecated in VTK 9 but is the one
// the chart asks; silence the deprecation for this file only.
#define VTK_DEPRECATION_LEVEL 0

#include "chart/plot.h"

#include "chart/marker_thinning.h"
#include "chart/nearest_point_index.h"

#include <algorithm>
#include <cmath>

#include <vtkBrush.h>
#include <vtkContext2D.h>
#include <vtkContextDevice2D.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkIdTypeArray.h>
#include <vtkMatrix3x3.h>
#include <vtkObjectFactory.h>
#include <vtkOpenGLGL2PSHelper.h>
#include <vtkPen.h>
#include <vtkPoints2D.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkTransform2D.h>
#include <vtkUnsignedCharArray.h>

namespace util {

namespace {

/**
 * For its lifetime, a plot's pen width and marker size in device pixels: the
 * pen is swapped for a scaled copy and the marker size multiplied, then both
 * are put back. Neither the plot nor its pen is marked modified: a modified
 * plot would rebuild its point cache on every frame.
 */
class DeviceSizes
{
public:
    DeviceSizes(double scale, vtkSmartPointer<vtkPen>& pen, float& markerSize)
        : pen(pen)
        , markerSize(markerSize)
        , originalPen(pen)
        , originalMarkerSize(markerSize)
    {
        if (scale == 1.0 || !pen)
            return;
        vtkNew<vtkPen> scaled;
        scaled->DeepCopy(originalPen);
        scaled->SetWidth(float(originalPen->GetWidth() * scale));
        pen = scaled;
        // A negative size asks for one derived from the pen width, which is scaled already.
        if (markerSize > 0.0f)
            markerSize = float(markerSize * scale);
    }
    ~DeviceSizes()
    {
        pen = originalPen;
        markerSize = originalMarkerSize;
    }
    DeviceSizes(const DeviceSizes&) = delete;
    DeviceSizes& operator=(const DeviceSizes&) = delete;

private:
    vtkSmartPointer<vtkPen>& pen;
    float& markerSize;
    const vtkSmartPointer<vtkPen> originalPen;
    const float originalMarkerSize;
};

} // namespace

double dpiScale(vtkContextScene* scene)
{
    vtkRenderer* renderer = scene ? scene->GetRenderer() : nullptr;
    vtkRenderWindow* window = renderer ? renderer->GetRenderWindow() : nullptr;
    return window && window->GetDPI() > 0 ? window->GetDPI() / 72.0 : 1.0;
}

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

bool PlotLine::Paint(vtkContext2D* painter)
{
    const DeviceSizes sizes(dpiScale(GetScene()), Pen, MarkerSize);
    return Superclass::Paint(painter);
}

bool PlotLine::PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int legendIndex)
{
    const DeviceSizes sizes(dpiScale(GetScene()), Pen, MarkerSize);
    return Superclass::PaintLegend(painter, rect, legendIndex);
}

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
    const double scale = dpiScale(GetScene());
    // VTK's painting of every marker, at the device sizes.
    const auto paintAll = [this, painter, scale] {
        const DeviceSizes sizes(scale, Pen, MarkerSize);
        return Superclass::Paint(painter);
    };
    if (!plain)
        return paintAll();
    if (!thinning)
        thinning = std::make_unique<MarkerThinning>();
    vtkNew<vtkMatrix3x3> matrix;
    device->GetMatrix(matrix);
    vtkIdType kept = 0;
    // VTK's bad points, a non-finite coordinate or a zero in the valid-point mask, are not painted.
    const vtkIdType bad = BadPoints ? BadPoints->GetNumberOfTuples() : 0;
    float* points = thinning->thin(static_cast<const float*>(Points->GetVoidPointer(0)),
        Points->GetNumberOfPoints(), bad > 0 ? BadPoints->GetPointer(0) : nullptr, bad, matrix->GetData(),
        area.GetWidth(), area.GetHeight(), float(MarkerSize * scale), kept);
    if (!points)
        return paintAll();
    painter->ApplyPen(Pen);
    painter->ApplyBrush(Brush);
    painter->GetPen()->SetWidth(float(MarkerSize * scale));
    if (kept > 0)
        painter->DrawMarkers(MarkerStyle, false, points, int(std::min<vtkIdType>(kept, VTK_INT_MAX)));
    return true;
}

bool PlotPoints::PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int)
{
    if (MarkerStyle == VTK_MARKER_NONE)
        return true;
    painter->ApplyPen(Pen);
    painter->ApplyBrush(Brush);
    painter->GetPen()->SetWidth(float(std::max(8.0, 2.3 * Pen->GetWidth()) * dpiScale(GetScene())));
    float centre[] = { rect.GetX() + 0.5f * rect.GetWidth(), rect.GetY() + 0.5f * rect.GetHeight() };
    painter->DrawMarkers(MarkerStyle, false, centre, 1);
    return true;
}

bool PlotPoints::Hit(const vtkContextMouseEvent& mouse)
{
    if (!Interactive || !Visible)
        return false;
    // The pick zone of vtkPlot::Hit() in the parent transform's scale.
    const double zone = pickZone * dpiScale(GetScene());
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
