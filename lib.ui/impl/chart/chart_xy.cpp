// The chart's core: construction, plots and their corners, axes, properties, and the helpers its other
// parts share (layout and painting in chart_xy_layout.cpp, pointer and keys in chart_xy_interaction.cpp,
// shapes under the pointer in chart_xy_drag.cpp).
#include "chart/chart_xy.h"

#include "chart/chart_callbacks.h"
#include "chart/chart_legend.h"
#include "chart/chart_xy_p.h"
#include "chart/plot.h"

#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkChartLegend.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkMatrix3x3.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPlotGrid.h>
#include <vtkTooltipItem.h>
#include <vtkTransform2D.h>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace util {

namespace detail {

std::pair<vtkAxis*, vtkAxis*> cornerAxes(const std::vector<vtkAxis*>& axes, int corner)
{
    switch (corner) {
    case 0: return { axes[vtkAxis::BOTTOM], axes[vtkAxis::LEFT] };
    case 1: return { axes[vtkAxis::BOTTOM], axes[vtkAxis::RIGHT] };
    case 2: return { axes[vtkAxis::TOP], axes[vtkAxis::RIGHT] };
    case 3: return { axes[vtkAxis::TOP], axes[vtkAxis::LEFT] };
    default: return { nullptr, nullptr };
    }
}

bool invertible(vtkTransform2D* transform)
{
    const vtkMatrix3x3* m = transform->GetMatrix();
    const double scale[2] = { m->GetElement(0, 0), m->GetElement(1, 1) };
    return scale[0] != 0.0 && scale[1] != 0.0 && std::isfinite(scale[0]) && std::isfinite(scale[1])
        && std::isfinite(m->GetElement(0, 2)) && std::isfinite(m->GetElement(1, 2));
}

vtkIdType nearestPoint(vtkPlot* plot, const vtkVector2f& position, const vtkVector2f& tolerance,
    vtkVector2f* location, vtkIdType* segment)
{
    *segment = -1;
    // The library's points plot answers through its own three-argument search, which VTK's four-argument
    // form would reach only through its deprecated path.
    if (auto* points = PlotPoints::SafeDownCast(plot))
        return points->GetNearestPoint(position, tolerance, location);
    return plot->GetNearestPoint(position, tolerance, location, segment);
}

} // namespace detail

vtkStandardNewMacro(ChartXY);

ChartXY::ChartXY()
    : ChartPrivate(std::make_unique<ChartXYPrivate>())
{
    ChartXYPrivate& p = *ChartPrivate;
    AddItem(p.Clip);

    // Grids are painted first, below the plots.
    vtkNew<vtkPlotGrid> grid1;
    vtkNew<vtkPlotGrid> grid2;
    p.Clip->AddItem(grid1);
    p.Clip->AddItem(grid2);
    vtkNew<vtkContextTransform> corner0;
    p.PlotCorners.push_back(corner0);
    p.Clip->AddItem(corner0);

    for (int i = 0; i < 4; ++i) {
        vtkAxis* axis = ChartAxis::New();
        p.axes.push_back(axis);
        axis->SetVisible(i < 2);
        AttachAxisRangeListener(axis);
        AddItem(axis);
        axis->SetPosition(i); // the index is the vtkAxis position: left, bottom, right, top
    }
    p.axes[vtkAxis::LEFT]->SetTitle("Y Axis");
    p.axes[vtkAxis::BOTTOM]->SetTitle("X Axis");
    grid1->SetXAxis(p.axes[vtkAxis::BOTTOM]);
    grid1->SetYAxis(p.axes[vtkAxis::LEFT]);
    grid2->SetXAxis(p.axes[vtkAxis::TOP]);
    grid2->SetYAxis(p.axes[vtkAxis::RIGHT]);

    Legend = vtkSmartPointer<ChartLegend>::New();
    Legend->SetChart(this);
    Legend->SetVisible(false);
    AddItem(Legend);

    Tooltip = vtkSmartPointer<vtkTooltipItem>::New();
    Tooltip->SetVisible(false);
    AddItem(Tooltip);

    Actions.Zoom() = vtkContextMouseEvent::RIGHT_BUTTON;
    Actions.Select() = -1;
    Actions.ClickAndDrag() = -1;
}

ChartXY::~ChartXY()
{
    for (vtkPlot* plot : ChartPrivate->plots)
        plot->Delete();
    for (vtkAxis* axis : ChartPrivate->axes)
        axis->Delete();
}

void ChartXY::PrintSelf(ostream& os, vtkIndent indent)
{
    Superclass::PrintSelf(os, indent);
    os << indent << "Axes:\n";
    for (vtkAxis* axis : ChartPrivate->axes)
        axis->PrintSelf(os, indent.GetNextIndent());
    os << indent << "Number of plots: " << ChartPrivate->plots.size() << "\n";
    os << indent << "AutoAxes: " << AutoAxes << "\n"
       << indent << "HiddenAxisBorder: " << HiddenAxisBorder << "\n"
       << indent << "ZoomWithMouseWheel: " << ZoomWithMouseWheel << "\n"
       << indent << "KeepAspectRatio: " << KeepAspectRatio << "\n"
       << indent << "TooltipDefaultLabelFormat: " << TooltipDefaultLabelFormat << "\n";
}

vtkPlot* ChartXY::AddPlot(int type)
{
    vtkColor3ub color = ChartPrivate->Colors->GetColorRepeating(int(ChartPrivate->plots.size()));
    vtkPlot* plot = nullptr;
    switch (type) {
    case LINE:
        plot = PlotLine::New();
        plot->GetPen()->SetColor(color.GetData());
        break;
    case POINTS:
        plot = PlotPoints::New();
        plot->GetPen()->SetColor(color.GetData());
        break;
    case BAR:
        plot = PlotBar::New();
        plot->GetBrush()->SetColor(color.GetData());
        break;
    case STACKED:
        plot = PlotStacked::New();
        plot->SetParent(this);
        plot->GetBrush()->SetColor(color.GetData());
        break;
    case BAG:
        plot = PlotBag::New();
        plot->SetParent(this);
        plot->GetBrush()->SetColor(color.GetData());
        break;
    case FUNCTIONALBAG:
        plot = PlotFunctionalBag::New();
        plot->GetPen()->SetColor(color.GetData());
        plot->GetBrush()->SetColor(color.GetData());
        break;
    case AREA:
        plot = PlotArea::New();
        plot->SetParent(this);
        plot->GetBrush()->SetColor(color.GetData());
        break;
    default: return nullptr;
    }
    AddPlot(plot);
    plot->Delete();
    return plot;
}

vtkIdType ChartXY::AddPlot(vtkPlot* plot)
{
    if (!plot)
        return -1;
    if (!plotInfo(plot)) {
        vtkWarningMacro("Refusing a plot of class " << plot->GetClassName()
                                                    << ": only the library's plot classes can be added.");
        return -1;
    }
    plot->Register(this);
    ChartPrivate->plots.push_back(plot);
    const vtkIdType index = vtkIdType(ChartPrivate->plots.size()) - 1;
    SetPlotCorner(plot, 0);
    PlotTransformValid = false;
    if (Scene)
        Scene->SetDirty(true);
    return index;
}

bool ChartXY::RemovePlot(vtkIdType index)
{
    std::vector<vtkPlot*>& plots = ChartPrivate->plots;
    if (index < 0 || index >= vtkIdType(plots.size()))
        return false;
    vtkPlot* plot = plots[std::size_t(index)];
    for (vtkContextTransform* corner : ChartPrivate->PlotCorners) {
        if (corner->RemoveItem(plot))
            break;
    }
    plot->Delete();
    plots.erase(plots.begin() + index);
    PlotTransformValid = false;
    if (Scene)
        Scene->SetDirty(true);
    return true;
}

void ChartXY::ClearPlots()
{
    ChartXYPrivate& p = *ChartPrivate;
    for (vtkPlot* plot : p.plots)
        plot->Delete();
    p.plots.clear();
    for (std::size_t i = 0; i < p.PlotCorners.size(); ++i) {
        p.PlotCorners[i]->ClearItems();
        if (i > 0)
            p.Clip->RemoveItem(p.PlotCorners[i]);
    }
    p.PlotCorners.resize(1);
    PlotTransformValid = false;
    if (Scene)
        Scene->SetDirty(true);
}

vtkPlot* ChartXY::GetPlot(vtkIdType index)
{
    const std::vector<vtkPlot*>& plots = ChartPrivate->plots;
    return index >= 0 && index < vtkIdType(plots.size()) ? plots[std::size_t(index)] : nullptr;
}

vtkIdType ChartXY::GetNumberOfPlots()
{
    return vtkIdType(ChartPrivate->plots.size());
}

vtkIdType ChartXY::GetPlotIndex(vtkPlot* plot)
{
    const int corner = GetPlotCorner(plot);
    if (corner < 0 || corner >= int(ChartPrivate->PlotCorners.size()))
        return -1;
    return ChartPrivate->PlotCorners[std::size_t(corner)]->GetItemIndex(plot);
}

vtkIdType ChartXY::StackPlotAbove(vtkPlot* plot, vtkPlot* under)
{
    const vtkIdType plotIndex = GetPlotIndex(plot);
    const int corner = GetPlotCorner(plot);
    if (plotIndex < 0 || corner != GetPlotCorner(under))
        return plotIndex;
    return ChartPrivate->PlotCorners[std::size_t(corner)]->StackAbove(plotIndex, GetPlotIndex(under));
}

vtkIdType ChartXY::StackPlotUnder(vtkPlot* plot, vtkPlot* above)
{
    const vtkIdType plotIndex = GetPlotIndex(plot);
    const int corner = GetPlotCorner(plot);
    if (plotIndex < 0 || corner != GetPlotCorner(above))
        return plotIndex;
    return ChartPrivate->PlotCorners[std::size_t(corner)]->StackUnder(plotIndex, GetPlotIndex(above));
}

vtkIdType ChartXY::LowerPlot(vtkPlot* plot)
{
    const vtkIdType plotIndex = GetPlotIndex(plot);
    if (plotIndex < 0)
        return plotIndex;
    return ChartPrivate->PlotCorners[std::size_t(GetPlotCorner(plot))]->Lower(plotIndex);
}

void ChartXY::LowerPlots(const std::vector<vtkPlot*>& plots)
{
    ChartXYPrivate& p = *ChartPrivate;
    for (std::size_t c = 0; c < p.PlotCorners.size(); ++c) {
        vtkContextTransform* corner = p.PlotCorners[c];
        std::unordered_set<vtkAbstractContextItem*> lowered;
        std::vector<vtkSmartPointer<vtkAbstractContextItem>> items;
        // Lowering one plot after the other leaves the last one at the bottom.
        for (auto it = plots.rbegin(); it != plots.rend(); ++it) {
            if (*it && (*it)->GetParent() == corner && lowered.insert(*it).second)
                items.emplace_back(*it);
        }
        if (items.empty())
            continue;
        for (vtkIdType i = 0; i < corner->GetNumberOfItems(); ++i) {
            if (!lowered.count(corner->GetItem(i)))
                items.emplace_back(corner->GetItem(i));
        }
        SetCornerItems(c, items);
    }
}

void ChartXY::RemovePlotInstances(const std::vector<vtkPlot*>& plots)
{
    ChartXYPrivate& p = *ChartPrivate;
    const std::unordered_set<vtkAbstractContextItem*> removed(plots.begin(), plots.end());
    for (std::size_t c = 0; c < p.PlotCorners.size(); ++c) {
        vtkContextTransform* corner = p.PlotCorners[c];
        std::vector<vtkSmartPointer<vtkAbstractContextItem>> items;
        for (vtkIdType i = 0; i < corner->GetNumberOfItems(); ++i) {
            if (!removed.count(corner->GetItem(i)))
                items.emplace_back(corner->GetItem(i));
        }
        if (vtkIdType(items.size()) != corner->GetNumberOfItems())
            SetCornerItems(c, items);
    }
    const auto end = std::remove_if(p.plots.begin(), p.plots.end(), [&removed](vtkPlot* plot) {
        if (!removed.count(plot))
            return false;
        plot->Delete();
        return true;
    });
    if (end == p.plots.end())
        return;
    p.plots.erase(end, p.plots.end());
    PlotTransformValid = false;
    SetSceneDirty();
}

void ChartXY::SetCornerItems(
    std::size_t corner, const std::vector<vtkSmartPointer<vtkAbstractContextItem>>& items)
{
    vtkContextTransform* transform = ChartPrivate->PlotCorners[corner];
    transform->ClearItems();
    for (vtkAbstractContextItem* item : items)
        transform->AddItem(item);
    SetSceneDirty();
}

int ChartXY::GetPlotCorner(vtkPlot* plot)
{
    if (plot) {
        for (int corner = 0; corner < 4; ++corner) {
            const auto axes = detail::cornerAxes(ChartPrivate->axes, corner);
            if (plot->GetXAxis() == axes.first && plot->GetYAxis() == axes.second)
                return corner;
        }
    }
    return 4;
}

void ChartXY::SetPlotCorner(vtkPlot* plot, int corner)
{
    if (corner < 0 || corner > 3) {
        vtkWarningMacro("Invalid corner specified, should be between 0 and 3: " << corner);
        return;
    }
    if (!plot || GetPlotCorner(plot) == corner)
        return;
    ChartXYPrivate& p = *ChartPrivate;
    // Only the corner holding the plot is searched: adding a new plot stays cheap however many there are.
    vtkAbstractContextItem* parent = plot->GetParent();
    if (parent && std::find(p.PlotCorners.begin(), p.PlotCorners.end(), parent) != p.PlotCorners.end())
        parent->RemoveItem(plot);
    while (int(p.PlotCorners.size()) <= corner) {
        vtkNew<vtkContextTransform> transform;
        p.PlotCorners.push_back(transform);
        p.Clip->AddItem(transform);
    }
    p.PlotCorners[std::size_t(corner)]->AddItem(plot);
    const auto axes = detail::cornerAxes(p.axes, corner);
    plot->SetXAxis(axes.first);
    plot->SetYAxis(axes.second);
    PlotTransformValid = false;
}

const std::vector<vtkContextTransform*>& ChartXY::GetTransforms() const
{
    return ChartPrivate->PlotCorners;
}

vtkAxis* ChartXY::GetAxis(int axisIndex)
{
    return axisIndex >= 0 && axisIndex < 4 ? ChartPrivate->axes[std::size_t(axisIndex)] : nullptr;
}

vtkIdType ChartXY::GetNumberOfAxes()
{
    return 4;
}

void ChartXY::RecalculateBounds()
{
    PlotTransformValid = false;
    if (Scene)
        Scene->SetDirty(true);
}

void ChartXY::SetSelectionMethod(int method)
{
    if (method == SelectionMethod)
        return;
    if (method == vtkChart::SELECTION_PLOTS) {
        for (vtkPlot* plot : ChartPrivate->plots)
            plot->SetSelection(nullptr);
    }
    Superclass::SetSelectionMethod(method);
}

void ChartXY::SetShowLegend(bool visible)
{
    Superclass::SetShowLegend(visible);
    Legend->SetVisible(visible);
}

vtkChartLegend* ChartXY::GetLegend()
{
    return Legend;
}

void ChartXY::SetTooltip(vtkTooltipItem* tooltip)
{
    if (tooltip == Tooltip)
        return;
    if (Tooltip)
        RemoveItem(Tooltip);
    Tooltip = tooltip;
    if (Tooltip)
        AddItem(Tooltip);
    Modified();
}

vtkTooltipItem* ChartXY::GetTooltip()
{
    return Tooltip;
}

void ChartXY::GetAxisZoom(bool zoom[4])
{
    std::copy(AxisZoom, AxisZoom + 4, zoom);
}

void ChartXY::GetAxisZoom(bool& left, bool& bottom, bool& right, bool& top)
{
    left = AxisZoom[vtkAxis::LEFT];
    bottom = AxisZoom[vtkAxis::BOTTOM];
    right = AxisZoom[vtkAxis::RIGHT];
    top = AxisZoom[vtkAxis::TOP];
}

bool* ChartXY::GetAxisZoom()
{
    return AxisZoom;
}

void ChartXY::SetCallbacks(ChartCallbacks* callbacks)
{
    if (Callbacks == callbacks)
        return;
    Callbacks = callbacks;
    Modified();
}

ChartCallbacks* ChartXY::GetCallbacks()
{
    return Callbacks;
}

void ChartXY::RequestRender()
{
    if (Callbacks && Callbacks->renderRequest)
        Callbacks->renderRequest(true);
}

void ChartXY::SetSceneDirty()
{
    if (Scene)
        Scene->SetDirty(true);
}

std::vector<vtkSmartPointer<vtkPlot>> ChartXY::CornerPlots(std::size_t corner)
{
    std::vector<vtkSmartPointer<vtkPlot>> plots;
    vtkContextTransform* transform = ChartPrivate->PlotCorners[corner];
    plots.reserve(std::size_t(transform->GetNumberOfItems()));
    for (vtkIdType i = 0; i < transform->GetNumberOfItems(); ++i) {
        if (auto* plot = vtkPlot::SafeDownCast(transform->GetItem(i)))
            plots.emplace_back(plot);
    }
    return plots;
}

void ChartXY::CornerQuery(
    std::size_t corner, const vtkContextMouseEvent& mouse, vtkVector2f& position, vtkVector2f& tolerance)
{
    vtkTransform2D* transform = ChartPrivate->PlotCorners[corner]->GetTransform();
    transform->InverseTransformPoints(mouse.GetPos().GetData(), position.GetData(), 1);
    // The pick zone each way, in device pixels.
    const double zone = pickZone * dpiScale(Scene);
    tolerance = vtkVector2f(float(std::fabs(zone / transform->GetMatrix()->GetElement(0, 0))),
        float(std::fabs(zone / transform->GetMatrix()->GetElement(1, 1))));
}

} // namespace util
