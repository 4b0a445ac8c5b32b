#include "chart/chart_xy.h"

#include "chart/chart_callbacks.h"
#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "chart/saturate.h"

#include <util/range.h>
#include <util/shape.h>

#include <vtkAnnotationLink.h>
#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkChartLegend.h>
#include <vtkChartXY.h>
#include <vtkCommand.h>
#include <vtkContext2D.h>
#include <vtkContextKeyEvent.h>
#include <vtkContextMapper2D.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkDataArray.h>
#include <vtkIdTypeArray.h>
#include <vtkMatrix3x3.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPlotGrid.h>
#include <vtkPoints2D.h>
#include <vtkStringArray.h>
#include <vtkTable.h>
#include <vtkTextProperty.h>
#include <vtkTooltipItem.h>
#include <vtkTransform2D.h>
#include <vtkVectorOperators.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>
#include <unordered_set>

namespace util {

namespace {

/// The x and y axes of a corner, by the corner convention; null for a corner outside 0..3.
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

/// Whether @p transform maps scene positions back to finite data positions: a plot transform made over an
/// empty axis range (or before its axes had one) scales by infinity and does not.
bool invertible(vtkTransform2D* transform)
{
    const vtkMatrix3x3* m = transform->GetMatrix();
    const double scale[2] = { m->GetElement(0, 0), m->GetElement(1, 1) };
    return scale[0] != 0.0 && scale[1] != 0.0 && std::isfinite(scale[0]) && std::isfinite(scale[1])
        && std::isfinite(m->GetElement(0, 2)) && std::isfinite(m->GetElement(1, 2));
}

/// The wheel, panning and the equal scale never move a range end beyond this magnitude.
constexpr double wheelLimit = 7.5e14;

/// @p range widened or narrowed to @p length around its own centre, shifted inwards as far as needed (and
/// its length allows) to stay within +-wheelLimit.
void setCentredRange(vtkAxis* axis, double length)
{
    double range[2];
    axis->GetRange(range);
    const double low
        = std::max(std::min((range[0] + range[1]) / 2.0 - length / 2.0, wheelLimit - length), -wheelLimit);
    axis->SetRange(low, std::min(low + length, wheelLimit));
}

/// @p axis's range narrowed by @p steps tenths of its span at each end (widened for negative steps).
std::pair<double, double> zoomedRange(vtkAxis* axis, double steps)
{
    double min = axis->GetMinimum();
    double max = axis->GetMaximum();
    const double frac = (max - min) * 0.1;
    if (frac > 0.0) {
        min += steps * frac;
        max -= steps * frac;
    } else {
        min -= steps * frac;
        max += steps * frac;
    }
    return { min, max };
}

/// @p value rounded to the nearest multiple of 0.0001 (halves away from zero); NaN stays NaN.
double fix4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

/// Index of the nearest point of @p plot within @p tolerance of @p position, or -1.
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

/// Which coordinate of the shape tables a rewrite touches.
enum class Coordinate { X = 0, Y = 1 };

/// Input array 0 (x) or 1 (y) of @p plot, or null.
vtkDataArray* column(vtkPlot* plot, Coordinate coordinate)
{
    vtkTable* input = plot ? plot->GetInput() : nullptr;
    return input ? plot->GetData()->GetInputArrayToProcess(int(coordinate), input) : nullptr;
}

double coordinateOf(const Point2D& point, Coordinate coordinate)
{
    return coordinate == Coordinate::X ? point.x() : point.y();
}

/// Writes the handles of @p shape into @p plot's column, one row per handle, as far as both reach.
void writeHandles(vtkPlot* plot, const Shape& shape, Coordinate coordinate)
{
    vtkDataArray* values = column(plot, coordinate);
    if (!values)
        return;
    const vtkIdType rows = std::min<vtkIdType>(values->GetNumberOfTuples(), shape.numberOfHandles());
    for (vtkIdType i = 0; i < rows; ++i)
        values->SetComponent(i, 0, coordinateOf(*shape.handle(int(i)), coordinate));
    values->Modified();
    plot->Modified();
}

/// Writes the line end points of @p shape into @p plot's column, rows 2k and 2k + 1 per line k.
void writeLines(vtkPlot* plot, const Shape& shape, Coordinate coordinate)
{
    vtkDataArray* values = column(plot, coordinate);
    if (!values)
        return;
    const vtkIdType lines = std::min<vtkIdType>(values->GetNumberOfTuples() / 2, shape.numberOfLines());
    for (vtkIdType k = 0; k < lines; ++k) {
        const Line& line = *shape.line(int(k));
        values->SetComponent(2 * k, 0, coordinateOf(line.p1, coordinate));
        values->SetComponent(2 * k + 1, 0, coordinateOf(line.p2, coordinate));
    }
    values->Modified();
    plot->Modified();
}

/// Rewrites @p plot (a shape plot of @p info) and its partner from the shape's geometry, if it still has one.
void rewriteShapePlots(vtkPlot* plot, Plot* info, Coordinate coordinate)
{
    const Shape* shape = info->shape;
    if (!shape)
        return;
    vtkPlot* handles = info->isHandle ? plot : info->linkedPlot;
    vtkPlot* outline = info->isHandle ? info->linkedPlot : plot;
    if (handles)
        writeHandles(handles, *shape, coordinate);
    if (outline)
        writeLines(outline, *shape, coordinate);
}

/// @p plots, none of them picked for a body drag any more.
std::vector<vtkSmartPointer<vtkPlot>> deselected(std::vector<vtkSmartPointer<vtkPlot>> plots)
{
    for (vtkPlot* plot : plots) {
        if (Plot* info = plotInfo(plot))
            info->selected = false;
    }
    return plots;
}

/// A shape plot that may be dragged.
bool draggable(const Plot* info)
{
    return info && info->shape && (info->dragAlongX || info->dragAlongY);
}

} // namespace

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
        vtkAxis* axis = vtkAxis::New();
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

    Legend = vtkSmartPointer<vtkChartLegend>::New();
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

void ChartXY::Update()
{
    ChartXYPrivate& p = *ChartPrivate;
    for (vtkPlot* plot : p.plots)
        plot->Update();
    Legend->Update();

    if (AutoAxes) {
        bool visible[4] = { false, false, false, false };
        for (std::size_t i = 0; i < p.PlotCorners.size(); ++i) {
            vtkContextTransform* corner = p.PlotCorners[i];
            for (vtkIdType j = 0; j < corner->GetNumberOfItems(); ++j) {
                if (corner->GetItem(j)->GetVisible()) {
                    visible[i % 4] = true;
                    visible[(i + 1) % 4] = true;
                    break;
                }
            }
        }
        for (int i = 0; i < 4; ++i)
            p.axes[i]->SetVisible(visible[i]);
    }

    if (KeepAspectRatio) {
        vtkAxis* x = p.axes[vtkAxis::BOTTOM];
        vtkAxis* y = p.axes[vtkAxis::LEFT];
        vtkAxis* y2 = p.axes[vtkAxis::RIGHT];
        const int wPx = detail::saturatingInt(double(x->GetPoint2()[0]) - double(x->GetPoint1()[0]));
        const int hPx = detail::saturatingInt(double(y->GetPoint2()[1]) - double(y->GetPoint1()[1]));
        if (wPx == 0 || hPx == 0)
            return;
        double xRange[2];
        double yRange[2];
        x->GetRange(xRange);
        y->GetRange(yRange);
        const double dx = xRange[1] - xRange[0];
        const double dy = yRange[1] - yRange[0];
        const double r = dx / dy;
        const double pixels = std::fabs(double(wPx) / double(hPx));
        if (r > pixels + 0.001) {
            const double d = dx / pixels;
            setCentredRange(y, d);
            setCentredRange(y2, d);
            PlotTransformValid = false;
        } else if (r < pixels - 0.001) {
            setCentredRange(x, pixels * dy);
            PlotTransformValid = false;
        }
    }
}

bool ChartXY::Paint(vtkContext2D* painter)
{
    if (!Visible)
        return false;
    ChartXYPrivate& p = *ChartPrivate;

    bool recalculateTransform = false;
    if (LayoutStrategy == vtkChart::FILL_SCENE) {
        const int width = GetScene()->GetSceneWidth();
        const int height = GetScene()->GetSceneHeight();
        if (width != Geometry[0] || height != Geometry[1])
            recalculateTransform = true;
        SetSize(vtkRectf(0.0, 0.0, width, height));
    }

    const bool anyVisible
        = std::any_of(p.plots.begin(), p.plots.end(), [](vtkPlot* plot) { return plot->GetVisible(); });
    if (!anyVisible && !RenderEmpty)
        return false;

    Update();
    UpdateLayout(painter);
    for (vtkAxis* axis : p.axes) {
        if (p.TransformCalculatedTime < axis->GetMTime())
            recalculateTransform = true;
    }
    if (!PlotTransformValid) {
        // Axis ranges never follow the data here: the owner fits them. Only the transforms are redone.
        Modified();
        recalculateTransform = true;
    }
    if (UpdateLayout(painter) || recalculateTransform)
        RecalculatePlotTransforms();

    for (vtkPlot* plot : p.plots)
        plot->UpdateCache();

    p.Clip->SetClip(Point1[0], Point1[1], std::abs(Point2[0] - Point1[0]), std::abs(Point2[1] - Point1[1]));

    if (BackgroundBrush) {
        painter->GetPen()->SetLineType(vtkPen::NO_PEN);
        painter->ApplyBrush(BackgroundBrush);
        painter->DrawRect(Point1[0], Point1[1], Geometry[0], Geometry[1]);
    }

    PaintChildren(painter);

    if (DrawBox) {
        painter->GetBrush()->SetColor(255, 255, 255, 0);
        painter->GetPen()->SetColor(255, 255, 255, 255);
        painter->GetPen()->SetWidth(1.0);
        painter->GetPen()->SetLineType(vtkPen::SOLID_LINE);
        painter->DrawRect(MouseBox.GetX(), MouseBox.GetY(), MouseBox.GetWidth(), MouseBox.GetHeight());
    }

    if (!Title.empty()) {
        int offset = 0;
        vtkAxis* top = p.axes[vtkAxis::TOP];
        if (top->GetVisible())
            offset += int(top->GetBoundingRect(painter).GetHeight());
        vtkNew<vtkPoints2D> rect;
        rect->InsertNextPoint(Point1[0], Point2[1] + offset);
        rect->InsertNextPoint(Point2[0] - Point1[0], 10);
        painter->ApplyTextProp(TitleProperties);
        painter->DrawStringRect(rect, Title);
    }
    return true;
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
            const auto axes = cornerAxes(ChartPrivate->axes, corner);
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
    const auto axes = cornerAxes(p.axes, corner);
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

std::string ChartXY::BuildTooltipLabel(
    vtkPlot* plot, const vtkVector2d& plotPos, vtkIdType seriesIndex, vtkIdType /*segmentIndex*/)
{
    if (!plot)
        return {};
    const auto number = [plot](double value, vtkAxis* axis) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(plot->GetTooltipPrecision());
        if (plot->GetTooltipNotation() == vtkAxis::SCIENTIFIC_NOTATION)
            out.setf(std::ios::scientific, std::ios::floatfield);
        else if (plot->GetTooltipNotation() == vtkAxis::FIXED_NOTATION)
            out.setf(std::ios::fixed, std::ios::floatfield);
        out << (axis && axis->GetLogScaleActive() ? std::pow(10.0, value) : value);
        return out.str();
    };
    const int index = int(std::clamp<vtkIdType>(seriesIndex, INT_MIN, INT_MAX));
    const std::function<double(int, double)>* xMap = Callbacks ? &Callbacks->xTooltip : nullptr;
    const std::function<double(int, double)>* yMap = Callbacks ? &Callbacks->yTooltip : nullptr;

    std::string format = plot->GetTooltipLabelFormat();
    if (format.empty())
        format = TooltipDefaultLabelFormat;
    std::string label;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            label += format[i];
            continue;
        }
        if (++i == format.size())
            break;
        switch (format[i]) {
        case 'x': label += number(plotPos.GetX(), plot->GetXAxis()); break;
        case 'y': label += number(plotPos.GetY(), plot->GetYAxis()); break;
        case 'a':
            if (xMap && *xMap)
                label += number((*xMap)(index, plotPos.GetX()), plot->GetXAxis());
            break;
        case 'b':
            if (yMap && *yMap)
                label += number((*yMap)(index, plotPos.GetY()), plot->GetYAxis());
            break;
        case 'j': label += number(double(seriesIndex), plot->GetXAxis()); break;
        case 'r':
            if (xMap)
                label += std::to_string(*xMap ? detail::saturatingInt((*xMap)(index, 0.0)) : 0);
            break;
        case 'h': {
            std::ostringstream hex;
            hex << "0x" << std::uppercase << std::hex
                << unsigned(std::uint16_t(detail::saturatingInt(plotPos.GetY())));
            label += hex.str();
            break;
        }
        case 'i': {
            vtkStringArray* labels = plot->GetIndexedLabels();
            if (labels && seriesIndex >= 0 && seriesIndex < labels->GetNumberOfTuples())
                label += labels->GetValue(seriesIndex);
            break;
        }
        case 'l': label += plot->GetLabel(); break;
        default: label += '%'; label += format[i];
        }
    }
    return label;
}

void ChartXY::SetTooltipInfo(const vtkContextMouseEvent& mouse, const vtkVector2d& plotPos,
    vtkIdType seriesIndex, vtkPlot* plot, vtkIdType segmentIndex)
{
    if (!Tooltip)
        return;
    Tooltip->SetText(BuildTooltipLabel(plot, plotPos, seriesIndex, segmentIndex));
    Tooltip->SetPosition(mouse.GetScreenPos()[0] + 2, mouse.GetScreenPos()[1] - 40);
}

bool ChartXY::UpdateLayout(vtkContext2D* painter)
{
    ChartXYPrivate& p = *ChartPrivate;
    bool changed = false;
    const vtkVector2i tileScale = Scene->GetLogicalTileScale();
    const vtkVector2i hiddenAxisBorder = tileScale * HiddenAxisBorder;

    if (LayoutStrategy == vtkChart::FILL_SCENE || LayoutStrategy == vtkChart::FILL_RECT) {
        for (int i = 0; i < 4; ++i) {
            vtkAxis* axis = p.axes[std::size_t(i)];
            const bool horizontal = i == vtkAxis::TOP || i == vtkAxis::BOTTOM;
            int border = 0;
            axis->Update();
            if (axis->GetVisible()) {
                const vtkRectf bounds = axis->GetBoundingRect(painter);
                border = int(horizontal ? bounds.GetHeight() : bounds.GetWidth());
            }
            border += GetLegendBorder(painter, i);
            if (i == vtkAxis::TOP && !Title.empty()) {
                painter->ApplyTextProp(TitleProperties);
                float bounds[4];
                painter->ComputeStringBounds(Title, bounds);
                if (bounds[3] > 0)
                    border += int(5 * tileScale.GetY() + bounds[3]);
            }
            border = std::max(border, horizontal ? hiddenAxisBorder.GetY() : hiddenAxisBorder.GetX());
            if (p.Borders[i] != border) {
                p.Borders[i] = border;
                changed = true;
            }
        }
    }

    if (LayoutStrategy == vtkChart::AXES_TO_RECT) {
        SetBorders(0, 0, 0, 0);
        for (vtkAxis* axis : p.axes)
            axis->GetBoundingRect(painter);
    } else {
        SetBorders(p.Borders[0], p.Borders[1], p.Borders[2], p.Borders[3]);
    }
    p.axes[vtkAxis::LEFT]->SetPoint1(Point1[0], Point1[1]);
    p.axes[vtkAxis::LEFT]->SetPoint2(Point1[0], Point2[1]);
    p.axes[vtkAxis::BOTTOM]->SetPoint1(Point1[0], Point1[1]);
    p.axes[vtkAxis::BOTTOM]->SetPoint2(Point2[0], Point1[1]);
    p.axes[vtkAxis::RIGHT]->SetPoint1(Point2[0], Point1[1]);
    p.axes[vtkAxis::RIGHT]->SetPoint2(Point2[0], Point2[1]);
    p.axes[vtkAxis::TOP]->SetPoint1(Point1[0], Point2[1]);
    p.axes[vtkAxis::TOP]->SetPoint2(Point2[0], Point2[1]);
    for (vtkAxis* axis : p.axes)
        axis->Update();
    SetLegendPosition(Legend->GetBoundingRect(painter));
    return changed;
}

int ChartXY::GetLegendBorder(vtkContext2D* painter, int axisPosition)
{
    if (!Legend->GetVisible() || Legend->GetInline())
        return 0;
    const vtkVector2i tileScale = Scene->GetLogicalTileScale();
    const int padding = 10;
    const int horizontal = Legend->GetHorizontalAlignment();
    const int vertical = Legend->GetVerticalAlignment();
    Legend->Update();
    const vtkRectf rect = Legend->GetBoundingRect(painter);
    const int width = int(rect.GetWidth());
    const int height = int(rect.GetHeight());

    if ((axisPosition == vtkAxis::LEFT && horizontal == vtkChartLegend::LEFT)
        || (axisPosition == vtkAxis::RIGHT && horizontal == vtkChartLegend::RIGHT))
        return width + padding * tileScale.GetX();
    const bool horizontalAxis = axisPosition == vtkAxis::TOP || axisPosition == vtkAxis::BOTTOM;
    if (!horizontalAxis || horizontal == vtkChartLegend::LEFT || horizontal == vtkChartLegend::RIGHT)
        return 0;
    if ((axisPosition == vtkAxis::TOP && vertical == vtkChartLegend::TOP)
        || (axisPosition == vtkAxis::BOTTOM && vertical == vtkChartLegend::BOTTOM))
        return height + padding * tileScale.GetY();
    return 0;
}

void ChartXY::SetLegendPosition(const vtkRectf& rect)
{
    const int horizontal = Legend->GetHorizontalAlignment();
    const int vertical = Legend->GetVerticalAlignment();
    if (horizontal == vtkChartLegend::CUSTOM || vertical == vtkChartLegend::CUSTOM)
        return;
    const int* borders = ChartPrivate->Borders;
    const float padding = 5;
    const float centreX = (Point2[0] - Point1[0]) / 2.0f - rect.GetWidth() / 2.0f + Point1[0];
    const float centreY = (Point2[1] - Point1[1]) / 2.0f - rect.GetHeight() / 2.0f + Point1[1];
    vtkVector2f pos(0, 0);

    if (Legend->GetInline()) {
        switch (horizontal) {
        case vtkChartLegend::LEFT: pos.SetX(Point1[0]); break;
        case vtkChartLegend::CENTER: pos.SetX(centreX); break;
        default: pos.SetX(Point2[0] - rect.GetWidth());
        }
        switch (vertical) {
        case vtkChartLegend::TOP: pos.SetY(Point2[1] - rect.GetHeight()); break;
        case vtkChartLegend::CENTER: pos.SetY(centreY); break;
        default: pos.SetY(Point1[1]);
        }
    } else {
        if (horizontal == vtkChartLegend::LEFT) {
            pos.SetX(Point1[0] - borders[vtkAxis::LEFT] + padding);
        } else if (horizontal == vtkChartLegend::RIGHT) {
            pos.SetX(Point2[0] + borders[vtkAxis::RIGHT] - rect.GetWidth() - padding);
        } else if (horizontal == vtkChartLegend::CENTER) {
            pos.SetX(centreX);
            if (vertical == vtkChartLegend::TOP)
                pos.SetY(Point2[1] + borders[vtkAxis::TOP] - rect.GetHeight() - padding);
            else if (vertical == vtkChartLegend::BOTTOM)
                pos.SetY(Point1[1] - borders[vtkAxis::BOTTOM] + padding);
        }
        if (horizontal != vtkChartLegend::CENTER) {
            if (vertical == vtkChartLegend::TOP)
                pos.SetY(Point2[1] - rect.GetHeight());
            else if (vertical == vtkChartLegend::BOTTOM)
                pos.SetY(Point1[1]);
        }
        if (vertical == vtkChartLegend::CENTER)
            pos.SetY(centreY);
    }
    Legend->SetPoint(pos);
}

void ChartXY::RecalculatePlotTransforms()
{
    ChartXYPrivate& p = *ChartPrivate;
    for (std::size_t i = 0; i < p.PlotCorners.size(); ++i) {
        vtkContextTransform* corner = p.PlotCorners[i];
        if (!corner->GetNumberOfItems())
            continue;
        const auto axes = cornerAxes(p.axes, int(i));
        if (!axes.first) {
            vtkWarningMacro("Error: default case in recalculate plot transforms.");
            continue;
        }
        CalculatePlotTransform(axes.first, axes.second, corner->GetTransform());
        const vtkRectd shiftScale(axes.first->GetShift(), axes.second->GetShift(),
            axes.first->GetScalingFactor(), axes.second->GetScalingFactor());
        for (vtkIdType j = 0; j < corner->GetNumberOfItems(); ++j) {
            if (auto* plot = vtkPlot::SafeDownCast(corner->GetItem(j)))
                plot->SetShiftScale(shiftScale);
        }
    }
    PlotTransformValid = true;
    p.TransformCalculatedTime.Modified();
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
    // 5 pixels each way.
    tolerance = vtkVector2f(float(std::fabs(5.0 / transform->GetMatrix()->GetElement(0, 0))),
        float(std::fabs(5.0 / transform->GetMatrix()->GetElement(1, 1))));
}

vtkVector2d ChartXY::MouseDelta(const vtkContextMouseEvent& mouse)
{
    vtkTransform2D* transform = ChartPrivate->PlotCorners[0]->GetTransform();
    if (!invertible(transform))
        return vtkVector2d(0.0, 0.0);
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    const vtkVector2d lastScreen = mouse.GetLastScreenPos().Cast<double>();
    vtkVector2d current;
    vtkVector2d last;
    transform->InverseTransformPoints(screen.GetData(), current.GetData(), 1);
    transform->InverseTransformPoints(lastScreen.GetData(), last.GetData(), 1);
    return current - last;
}

bool ChartXY::Hit(const vtkContextMouseEvent& mouse)
{
    if (!Interactive)
        return false;
    const vtkVector2i pos = mouse.GetScreenPos();
    return pos[0] > Point1[0] && pos[0] < Point2[0] && pos[1] > Point1[1] && pos[1] < Point2[1];
}

bool ChartXY::MouseEnterEvent(const vtkContextMouseEvent&)
{
    return true;
}

bool ChartXY::MouseLeaveEvent(const vtkContextMouseEvent&)
{
    if (Tooltip)
        Tooltip->SetVisible(false);
    RequestRender();
    return true;
}

bool ChartXY::MouseButtonPressEvent(const vtkContextMouseEvent& mouse)
{
    if (Tooltip)
        Tooltip->SetVisible(false);
    RequestRender();
    PressShapes(mouse);
    for (std::size_t i = 0; i < ChartPrivate->PlotCorners.size(); ++i) {
        if (ChartPrivate->PlotCorners[i]->MouseButtonPressEvent(mouse))
            return true;
    }
    const int button = mouse.GetButton();
    if (button == Actions.Pan()) {
        if (!LocateHandle(mouse)) {
            MouseBox.Set(mouse.GetPos().GetX(), mouse.GetPos().GetY(), 0.0, 0.0);
            DrawBox = false;
            DragShape = PickShapeForDrag(mouse);
            return true;
        }
        ReleasePlotSelections();
        DragPoint = LocatePointInPlots(mouse, vtkCommand::SelectionChangedEvent, true);
        return true;
    }
    // The zoom box needs Ctrl alone; Ctrl with Shift or Alt does not count.
    if (button == Actions.Select()
        || (button == Actions.Zoom() && mouse.GetModifiers() == vtkContextMouseEvent::CONTROL_MODIFIER)) {
        MouseBox.Set(mouse.GetPos().GetX(), mouse.GetPos().GetY(), 0.0, 0.0);
        DrawBox = true;
        return true;
    }
    return false;
}

bool ChartXY::MouseMoveEvent(const vtkContextMouseEvent& mouse)
{
    for (std::size_t i = 0; i < ChartPrivate->PlotCorners.size(); ++i) {
        if (ChartPrivate->PlotCorners[i]->MouseMoveEvent(mouse))
            return true;
    }
    if (Callbacks && Callbacks->hoverState)
        Callbacks->hoverState(IsOverShapeBody(mouse) ? 2 : 0);

    const int button = mouse.GetButton();
    if (button == Actions.Pan()) {
        RequestRender();
        if (DragPoint || LocateHandle(mouse))
            DragHandles(mouse);
        else if (DragShape)
            TranslateShapes(mouse);
        else
            Pan(mouse);
    } else if (button == Actions.Zoom() || button == Actions.Select()) {
        RequestRender();
        MouseBox.SetWidth(mouse.GetPos().GetX() - MouseBox.GetX());
        MouseBox.SetHeight(mouse.GetPos().GetY() - MouseBox.GetY());
        SetSceneDirty();
    } else if (button == Actions.ZoomAxis()) {
        ZoomAxes(mouse);
    } else if (button == vtkContextMouseEvent::NO_BUTTON) {
        SetSceneDirty();
        if (!Tooltip)
            return true;
        const std::string text = ShapeTooltipText(mouse);
        Tooltip->SetText(text);
        Tooltip->SetPosition(mouse.GetScreenPos()[0] + 2, mouse.GetScreenPos()[1] - 40);
        const bool found = LocatePointInPlots(mouse);
        const bool wasVisible = Tooltip->GetVisible();
        Tooltip->SetVisible(found || !text.empty());
        if (Tooltip->GetVisible() || wasVisible)
            RequestRender();
    }
    return true;
}

void ChartXY::Pan(const vtkContextMouseEvent& mouse)
{
    ChartXYPrivate& p = *ChartPrivate;
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    const vtkVector2d lastScreen = mouse.GetLastScreenPos().Cast<double>();
    // Moves @p x (when given) and @p y by the pointer's movement in the data space of @p corner.
    const auto move = [&](std::size_t corner, vtkAxis* x, vtkAxis* y) {
        vtkTransform2D* transform = p.PlotCorners[corner]->GetTransform();
        if (!invertible(transform))
            return;
        vtkVector2d current;
        vtkVector2d last;
        transform->InverseTransformPoints(screen.GetData(), current.GetData(), 1);
        transform->InverseTransformPoints(lastScreen.GetData(), last.GetData(), 1);
        const vtkVector2d delta = last - current;
        const auto shift = [](vtkAxis* axis, double d) {
            d /= axis->GetScalingFactor();
            // Within the axis limits and, like the wheel, within +-wheelLimit (an end already beyond moves
            // only inwards).
            const double high = std::min(axis->GetMaximumLimit(), wheelLimit);
            const double low = std::max(axis->GetMinimumLimit(), -wheelLimit);
            const double min = axis->GetMinimum();
            const double max = axis->GetMaximum();
            d = d > 0 ? std::min(d, std::max(0.0, high - max)) : std::max(d, std::min(0.0, low - min));
            // Rounding may carry an end a hair past the bound that limited the shift.
            axis->SetRange(std::max(min + d, std::min(min, low)), std::min(max + d, std::max(max, high)));
        };
        if (x)
            shift(x, delta[0]);
        shift(y, delta[1]);
    };
    move(0, p.axes[vtkAxis::BOTTOM], p.axes[vtkAxis::LEFT]);
    if (p.PlotCorners.size() == 2)
        move(1, nullptr, p.axes[vtkAxis::RIGHT]);
    else if (p.PlotCorners.size() > 2)
        move(2, p.axes[vtkAxis::TOP], p.axes[vtkAxis::RIGHT]);
    RecalculatePlotTransforms();
    SetSceneDirty();
    InvokeEvent(vtkCommand::InteractionEvent);
}

void ChartXY::ZoomAxes(const vtkContextMouseEvent& mouse)
{
    ChartXYPrivate& p = *ChartPrivate;
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    const vtkVector2d lastScreen = mouse.GetLastScreenPos().Cast<double>();
    vtkAxis* const axes[]
        = { p.axes[vtkAxis::BOTTOM], p.axes[vtkAxis::LEFT], p.axes[vtkAxis::TOP], p.axes[vtkAxis::RIGHT] };
    for (int i = 0; i < 4; ++i) {
        const int side = i % 2; // horizontal axes follow x, vertical ones y
        double delta = lastScreen[side] - screen[side];
        if (delta == 0.0)
            continue;
        delta /= -100.0;
        const auto [min, max] = zoomedRange(axes[i], delta);
        axes[i]->SetRange(min, max);
        axes[i]->RecalculateTickSpacing();
    }
    PropagateAxisRanges(Range(axes[0]->GetMinimum(), axes[0]->GetMaximum()),
        Range(axes[1]->GetMinimum(), axes[1]->GetMaximum()));
    RecalculatePlotTransforms();
    SetSceneDirty();
}

bool ChartXY::MouseButtonReleaseEvent(const vtkContextMouseEvent& mouse)
{
    RequestRender();
    ReleaseShapes();
    for (std::size_t i = 0; i < ChartPrivate->PlotCorners.size(); ++i) {
        if (ChartPrivate->PlotCorners[i]->MouseButtonReleaseEvent(mouse))
            return true;
    }
    const int button = mouse.GetButton();
    if (button >= vtkContextMouseEvent::LEFT_BUTTON && button <= vtkContextMouseEvent::RIGHT_BUTTON) {
        if (DragPoint || DragShape || LocateHandle(mouse)) {
            ReleasePlotSelections();
            InvokeEvent(vtkCommand::SelectionChangedEvent);
            DragPoint = false;
            DragShape = false;
            return true;
        }
        MouseBox.SetWidth(mouse.GetPos().GetX() - MouseBox.GetX());
        MouseBox.SetHeight(mouse.GetPos().GetY() - MouseBox.GetY());
        if (std::fabs(MouseBox.GetWidth()) < 0.5 && std::fabs(MouseBox.GetHeight()) < 0.5
            && button == Actions.Pan()) {
            MouseBox.SetWidth(0.0);
            MouseBox.SetHeight(0.0);
            DrawBox = false;
            if (button == ActionsClick.Notify())
                LocatePointInPlots(mouse, vtkCommand::InteractionEvent);
            else if (button == ActionsClick.Select())
                LocatePointInPlots(mouse, vtkCommand::SelectionChangedEvent);
            return true;
        }
    }

    if (button == Actions.Select()) {
        SelectInBox(mouse);
        return true;
    }
    if (button == Actions.SelectPolygon()) {
        // No polygon is ever collected, and one of fewer than three points selects nothing.
        return true;
    }
    if (button == Actions.Zoom() && DrawBox) {
        DrawBox = false;
        if (std::fabs(MouseBox.GetWidth()) >= 0.5 && std::fabs(MouseBox.GetHeight()) >= 0.5) {
            const vtkVector2f corner = mouse.GetPos();
            ZoomInAxes(ChartPrivate->axes[vtkAxis::BOTTOM], ChartPrivate->axes[vtkAxis::LEFT],
                MouseBox.GetData(), corner.GetData());
            ZoomInAxes(ChartPrivate->axes[vtkAxis::TOP], ChartPrivate->axes[vtkAxis::RIGHT],
                MouseBox.GetData(), corner.GetData());
            RecalculatePlotTransforms();
            SetSceneDirty();
            KeepAspectRatio = false; // a box zoom ends the equal-scale mode
            Modified();
            InvokeEvent(vtkCommand::InteractionEvent);
        }
        MouseBox.SetWidth(0.0);
        MouseBox.SetHeight(0.0);
        return true;
    }
    return button == Actions.Pan() || button == Actions.Zoom();
}

void ChartXY::SelectInBox(const vtkContextMouseEvent& mouse)
{
    ChartXYPrivate& p = *ChartPrivate;
    const int mode = vtkChartXY::GetMouseSelectionMode(mouse, SelectionMode);
    SetSceneDirty();
    MouseBox.SetWidth(mouse.GetPos().GetX() - MouseBox.GetX());
    MouseBox.SetHeight(mouse.GetPos().GetY() - MouseBox.GetY());
    DrawBox = false;
    if (std::fabs(MouseBox.GetWidth()) < 0.5 || std::fabs(MouseBox.GetHeight()) < 0.5) {
        MouseBox.SetWidth(0.0);
        MouseBox.SetHeight(0.0);
        return;
    }
    // Rows: one selection for all plots, the union of what each plot finds in the box.
    vtkNew<vtkIdTypeArray> rows;
    vtkNew<vtkIdTypeArray> oldRows;
    for (std::size_t c = 0; c < p.PlotCorners.size(); ++c) {
        vtkTransform2D* transform = p.PlotCorners[c]->GetTransform();
        const vtkVector2f origin(MouseBox.GetX(), MouseBox.GetY());
        const vtkVector2f corner = mouse.GetPos();
        vtkVector2f a;
        vtkVector2f b;
        transform->InverseTransformPoints(origin.GetData(), a.GetData(), 1);
        transform->InverseTransformPoints(corner.GetData(), b.GetData(), 1);
        const vtkVector2f min(std::min(a[0], b[0]), std::min(a[1], b[1]));
        const vtkVector2f max(std::max(a[0], b[0]), std::max(a[1], b[1]));
        for (const vtkSmartPointer<vtkPlot>& plot : CornerPlots(c)) {
            if (!plot->GetVisible() || !plot->GetSelectable())
                continue;
            vtkNew<vtkIdTypeArray> old;
            if (plot->GetSelection())
                old->DeepCopy(plot->GetSelection());
            if (SelectionMethod == vtkChart::SELECTION_ROWS && c == 0 && old->GetNumberOfTuples())
                vtkChartXY::AddSelection(oldRows, old);
            plot->SelectPoints(min, max);
            if (SelectionMethod == vtkChart::SELECTION_ROWS)
                vtkChartXY::AddSelection(rows, plot->GetSelection());
            else
                vtkChartXY::BuildSelection(AnnotationLink, mode, plot->GetSelection(), old, plot);
        }
    }
    if (SelectionMethod == vtkChart::SELECTION_ROWS) {
        vtkChartXY::BuildSelection(nullptr, mode, rows, oldRows, nullptr);
        if (AnnotationLink)
            vtkChartXY::MakeSelection(AnnotationLink, rows, nullptr);
    }
    InvokeEvent(vtkCommand::SelectionChangedEvent);
    MouseBox.SetWidth(0.0);
    MouseBox.SetHeight(0.0);
}

void ChartXY::ZoomInAxes(vtkAxis* x, vtkAxis* y, const float* origin, const float* corner)
{
    vtkNew<vtkTransform2D> transform;
    CalculateUnscaledPlotTransform(x, y, transform);
    if (!invertible(transform))
        return;
    const vtkVector2d o(origin[0], origin[1]);
    const vtkVector2d c(corner[0], corner[1]);
    vtkVector2d a;
    vtkVector2d b;
    transform->InverseTransformPoints(o.GetData(), a.GetData(), 1);
    transform->InverseTransformPoints(c.GetData(), b.GetData(), 1);
    // Keep the direction of each axis.
    const auto zoom = [](vtkAxis* axis, double u, double v) {
        if (axis->GetMaximum() > axis->GetMinimum())
            axis->SetRange(std::min(u, v), std::max(u, v));
        else
            axis->SetRange(std::max(u, v), std::min(u, v));
    };
    zoom(x, a[0], b[0]);
    zoom(y, a[1], b[1]);
    PropagateAxisRanges(Range(x->GetMinimum(), x->GetMaximum()), Range(y->GetMinimum(), y->GetMaximum()));
    x->RecalculateTickSpacing();
    y->RecalculateTickSpacing();
}

bool ChartXY::MouseWheelEvent(const vtkContextMouseEvent&, int delta)
{
    RequestRender();
    if (Tooltip)
        Tooltip->SetVisible(false);
    if (!ZoomWithMouseWheel)
        return false;
    ChartXYPrivate& p = *ChartPrivate;
    for (int i = 0; i < 4; ++i) {
        if (!AxisZoom[i])
            continue;
        vtkAxis* axis = p.axes[std::size_t(i)];
        auto [min, max] = zoomedRange(axis, delta);
        min = fix4(std::clamp(min, -wheelLimit, wheelLimit));
        max = fix4(std::clamp(max, -wheelLimit, wheelLimit));
        if (min == max)
            max += 0.0001;
        axis->SetRange(min, max);
        axis->RecalculateTickSpacing();
    }
    vtkAxis* bottom = p.axes[vtkAxis::BOTTOM];
    vtkAxis* left = p.axes[vtkAxis::LEFT];
    PropagateAxisRanges(
        Range(bottom->GetMinimum(), bottom->GetMaximum()), Range(left->GetMinimum(), left->GetMaximum()));
    RecalculatePlotTransforms();
    SetSceneDirty();
    InvokeEvent(vtkCommand::InteractionEvent);
    return true;
}

bool ChartXY::KeyPressEvent(const vtkContextKeyEvent& key)
{
    const char code = key.GetKeyCode();
    if (code == 'r' || code == 'R')
        RecalculateBounds();
    RequestRender();
    return true;
}

bool ChartXY::LocatePointInPlots(const vtkContextMouseEvent& mouse, int invokeEvent, bool handlesOnly)
{
    ChartXYPrivate& p = *ChartPrivate;
    const vtkVector2i pos = mouse.GetScreenPos();
    if (!(pos[0] > Point1[0] && pos[0] < Point2[0] && pos[1] > Point1[1] && pos[1] < Point2[1])
        || p.plots.empty())
        return false;
    for (std::size_t c = 0; c < p.PlotCorners.size(); ++c) {
        const std::vector<vtkSmartPointer<vtkPlot>> plots = CornerPlots(c);
        if (plots.empty())
            continue;
        vtkVector2f position;
        vtkVector2f tolerance;
        CornerQuery(c, mouse, position, tolerance);
        // The data position of a point found in @p plot, which holds shifted and scaled coordinates.
        const auto dataPosition = [](vtkPlot* plot, const vtkVector2f& location) {
            const vtkRectd shiftScale = plot->GetShiftScale();
            return vtkVector2d(
                location[0] / shiftScale[2] - shiftScale[0], location[1] / shiftScale[3] - shiftScale[1]);
        };
        for (auto it = plots.rbegin(); it != plots.rend(); ++it) {
            vtkPlot* plot = *it;
            const Plot* info = plotInfo(plot);
            if (!plot->GetInteractive() || !plot->GetVisible()
                || (handlesOnly && !(info && info->shape && info->isHandle)))
                continue;
            vtkVector2f location;
            vtkIdType segment = -1;
            const vtkIdType index = nearestPoint(plot, position, tolerance, &location, &segment);
            if (index < 0)
                continue;
            if (info && info->tooltipEnabled)
                SetTooltipInfo(mouse, dataPosition(plot, location), index, plot, segment);
            if (invokeEvent >= 0) {
                vtkChartPlotData data;
                data.SeriesName = plot->GetLabel();
                data.Position = location;
                data.ScreenPosition = mouse.GetScreenPos();
                data.Index = index;
                InvokeEvent(static_cast<unsigned long>(invokeEvent), &data);
                if (invokeEvent == vtkCommand::SelectionChangedEvent) {
                    vtkNew<vtkIdTypeArray> ids;
                    ids->InsertNextValue(index);
                    plot->SetSelection(ids);
                    if (AnnotationLink)
                        vtkChartXY::MakeSelection(AnnotationLink, ids, plot);
                }
            }
            return true;
        }
        for (auto it = plots.rbegin(); it != plots.rend(); ++it) {
            vtkPlot* plot = *it;
            const Plot* info = plotInfo(plot);
            if (!info || !info->tooltipEnabled || !plot->GetVisible())
                continue;
            vtkVector2f location;
            vtkIdType segment = -1;
            const vtkIdType index = nearestPoint(plot, position, tolerance, &location, &segment);
            if (index >= 0) {
                SetTooltipInfo(mouse, dataPosition(plot, location), index, plot, segment);
                return true;
            }
        }
    }
    return false;
}

void ChartXY::ReleasePlotSelections()
{
    for (vtkPlot* plot : ChartPrivate->plots) {
        vtkNew<vtkIdTypeArray> empty;
        plot->SetSelection(empty);
    }
}

Point2D ChartXY::ShapeMousePoint(const vtkContextMouseEvent& mouse)
{
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    vtkVector2d data;
    ChartPrivate->PlotCorners[0]->GetTransform()->InverseTransformPoints(screen.GetData(), data.GetData(), 1);
    const double xMin = ChartPrivate->axes[vtkAxis::BOTTOM]->GetMinimum();
    const double yMin = ChartPrivate->axes[vtkAxis::LEFT]->GetMinimum();
    // Below an axis minimum the minimum is added, not substituted.
    if (data[0] < xMin)
        data[0] += xMin;
    if (data[1] < yMin)
        data[1] += yMin;
    return Point2D(data[0], data[1]);
}

void ChartXY::PressShapes(const vtkContextMouseEvent& mouse)
{
    const Point2D point = ShapeMousePoint(mouse);
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        const std::vector<vtkSmartPointer<vtkPlot>> plots = deselected(CornerPlots(c));
        int best = INT_MIN;
        for (vtkPlot* plot : plots) {
            Plot* info = plotInfo(plot);
            // Each call may rewrite or remove shapes: the link is read afresh after it.
            if (!draggable(info) || !info->shape->insidePolygon(point) || !info->shape)
                continue;
            const int priority = info->shape->priority();
            if (priority > best) {
                best = priority;
                info->shape->onMousePress();
            }
        }
    }
}

bool ChartXY::LocateHandle(const vtkContextMouseEvent& mouse)
{
    ChartXYPrivate& p = *ChartPrivate;
    const vtkVector2i pos = mouse.GetScreenPos();
    if (!(pos[0] > Point1[0] && pos[0] < Point2[0] && pos[1] > Point1[1] && pos[1] < Point2[1])
        || p.plots.empty())
        return false;
    for (std::size_t c = 0; c < p.PlotCorners.size(); ++c) {
        vtkContextTransform* corner = p.PlotCorners[c];
        if (!corner->GetNumberOfItems())
            continue;
        vtkVector2f position;
        vtkVector2f tolerance;
        CornerQuery(c, mouse, position, tolerance);
        for (vtkIdType i = corner->GetNumberOfItems() - 1; i >= 0; --i) {
            auto* plot = vtkPlot::SafeDownCast(corner->GetItem(i));
            const Plot* info = plotInfo(plot);
            // The cheap tests first: data series are never searched.
            if (!info || !info->shape || !info->isHandle || !plot->GetInteractive() || !plot->GetVisible())
                continue;
            vtkVector2f location;
            vtkIdType segment = -1;
            if (nearestPoint(plot, position, tolerance, &location, &segment) >= 0)
                return true;
        }
    }
    return false;
}

bool ChartXY::PickShapeForDrag(const vtkContextMouseEvent& mouse)
{
    const Point2D point = ShapeMousePoint(mouse);
    bool picked = false;
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        const std::vector<vtkSmartPointer<vtkPlot>> plots = deselected(CornerPlots(c));
        int best = INT_MIN;
        Plot* pick = nullptr;
        for (vtkPlot* plot : plots) {
            Plot* info = plotInfo(plot);
            if (!draggable(info) || info->isHandle || !info->shape->insidePolygon(point) || !info->shape)
                continue;
            const int priority = info->shape->priority();
            if (priority > best) {
                if (pick)
                    pick->selected = false;
                info->selected = true;
                pick = info;
                best = priority;
                picked = true;
            }
        }
    }
    return picked;
}

bool ChartXY::IsOverShapeBody(const vtkContextMouseEvent& mouse)
{
    const Point2D point = ShapeMousePoint(mouse);
    bool inside = false;
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size() && !inside; ++c) {
        for (vtkPlot* plot : CornerPlots(c)) {
            const Plot* info = plotInfo(plot);
            if (draggable(info) && info->shape->insidePolygon(point)) {
                inside = true;
                break;
            }
        }
    }
    return inside && !LocateHandle(mouse);
}

std::string ChartXY::ShapeTooltipText(const vtkContextMouseEvent& mouse)
{
    const Point2D point = ShapeMousePoint(mouse);
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    vtkVector2d data;
    ChartPrivate->PlotCorners[0]->GetTransform()->InverseTransformPoints(screen.GetData(), data.GetData(), 1);
    const Point2D raw(data[0], data[1]);
    std::string result;
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        int best = INT_MIN;
        for (vtkPlot* plot : CornerPlots(c)) {
            const Plot* info = plotInfo(plot);
            if (!draggable(info) || info->isHandle || !info->shape->insidePolygon(point) || !info->shape)
                continue;
            const int priority = info->shape->priority();
            if (priority <= best)
                continue;
            const std::string text = info->shape->tooltips(raw).toStdString();
            if (!text.empty()) {
                best = priority;
                result = text;
            }
        }
    }
    return result;
}

void ChartXY::DragHandles(const vtkContextMouseEvent& mouse)
{
    const vtkVector2d delta = MouseDelta(mouse);
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        for (vtkPlot* plot : CornerPlots(c)) {
            Plot* info = plotInfo(plot);
            vtkIdTypeArray* selection = plot->GetSelection();
            if (!info || !info->isHandle || !selection || selection->GetNumberOfValues() < 1
                || !plot->GetInteractive())
                continue;
            const vtkIdType id = selection->GetValue(0);
            // The dragged handle as the table holds it; read again after each callback.
            const auto handle = [plot, id](Point2D& point) {
                vtkDataArray* x = column(plot, Coordinate::X);
                vtkDataArray* y = column(plot, Coordinate::Y);
                if (!x || !y || id < 0 || id >= x->GetNumberOfTuples() || id >= y->GetNumberOfTuples())
                    return false;
                point = Point2D(x->GetComponent(id, 0), y->GetComponent(id, 0));
                return true;
            };
            Point2D point;
            if (DragPointAlongX && info->dragAlongX && info->shape && handle(point)) {
                info->shape->xResize(point, delta[0]);
                rewriteShapePlots(plot, info, Coordinate::X);
            }
            if (DragPointAlongY && info->dragAlongY && info->shape && handle(point)) {
                info->shape->yResize(point, delta[1]);
                rewriteShapePlots(plot, info, Coordinate::Y);
            }
            selection->Modified();
            if (plot->GetInput())
                plot->GetInput()->Modified();
            SetSceneDirty();
        }
    }
}

void ChartXY::TranslateShapes(const vtkContextMouseEvent& mouse)
{
    const vtkVector2d delta = MouseDelta(mouse);
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        for (vtkPlot* plot : CornerPlots(c)) {
            Plot* info = plotInfo(plot);
            if (!info || !info->selected || !plot->GetInteractive())
                continue;
            if (DragPointAlongX && info->dragAlongX && info->shape) {
                info->shape->xTranslate(delta[0]);
                rewriteShapePlots(plot, info, Coordinate::X);
            }
            if (DragPointAlongY && info->dragAlongY && info->shape) {
                info->shape->yTranslate(delta[1]);
                rewriteShapePlots(plot, info, Coordinate::Y);
            }
            if (plot->GetInput())
                plot->GetInput()->Modified();
            SetSceneDirty();
        }
    }
}

void ChartXY::ReleaseShapes()
{
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        const std::vector<vtkSmartPointer<vtkPlot>> plots = deselected(CornerPlots(c));
        for (vtkPlot* plot : plots) {
            Plot* info = plotInfo(plot);
            if (info && info->shape)
                info->shape->onMouseRelease();
        }
    }
}

void ChartXY::PropagateAxisRanges(const Range& xRange, const Range& yRange)
{
    for (vtkPlot* plot : ChartPrivate->plots) {
        Plot* info = plotInfo(plot);
        if (info && info->shape) {
            info->shape->setXAxisRange(xRange);
            info->shape->setYAxisRange(yRange);
        }
    }
}

} // namespace util
