#include "chart/chart_xy.h"

#include "chart/chart_callbacks.h"
#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "chart/saturate.h"

#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkChartLegend.h>
#include <vtkContext2D.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPlotGrid.h>
#include <vtkPoints2D.h>
#include <vtkStringArray.h>
#include <vtkTextProperty.h>
#include <vtkTooltipItem.h>
#include <vtkVectorOperators.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>

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

/// @p range widened or narrowed to @p length around its own centre.
void setCentredRange(vtkAxis* axis, double length)
{
    double range[2];
    axis->GetRange(range);
    const double low = (range[0] + range[1]) / 2.0 - length / 2.0;
    axis->SetRange(low, low + length);
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
    for (vtkContextTransform* transform : p.PlotCorners) {
        if (transform->RemoveItem(plot))
            break;
    }
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

} // namespace util
