// ChartXY and the overlay shapes under the pointer: hit tests, press and release, the shape tooltip, and
// dragging a shape's handle or body with the rewrite of its plots' tables.
#include "chart/chart_xy.h"

#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "chart/shape_tables.h"

#include <util/range.h>
#include <util/shape.h>

#include <vtkAxis.h>
#include <vtkCommand.h>
#include <vtkContextMapper2D.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextTransform.h>
#include <vtkDataArray.h>
#include <vtkIdTypeArray.h>
#include <vtkTable.h>
#include <vtkTransform2D.h>
#include <vtkVectorOperators.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace util {

namespace {

/// Input array 0 (x) or 1 (y) of @p plot, or null.
vtkDataArray* column(vtkPlot* plot, Coordinate coordinate)
{
    vtkTable* input = plot ? plot->GetInput() : nullptr;
    return input ? plot->GetData()->GetInputArrayToProcess(int(coordinate), input) : nullptr;
}

/// Writes @p coordinate of @p shape into @p plot's column by @p write, if @p plot has that column.
void rewrite(vtkPlot* plot, const Shape& shape, Coordinate coordinate,
    void (*write)(vtkDataArray*, const Shape&, Coordinate))
{
    if (vtkDataArray* values = column(plot, coordinate)) {
        write(values, shape, coordinate);
        plot->Modified();
    }
}

/// Rewrites @p plot (a shape plot of @p info) and its partner from the shape's geometry, if it still has one.
void rewriteShapePlots(vtkPlot* plot, Plot* info, Coordinate coordinate)
{
    const Shape* shape = info->shape;
    if (!shape)
        return;
    vtkPlot* const partner = info->linkedPlot;
    rewrite(info->isHandle ? plot : partner, *shape, coordinate, writeHandles);
    rewrite(info->isHandle ? partner : plot, *shape, coordinate, writeOutline);
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

vtkVector2d ChartXY::MouseDelta(const vtkContextMouseEvent& mouse)
{
    vtkTransform2D* transform = ChartPrivate->PlotCorners[0]->GetTransform();
    if (!detail::invertible(transform))
        return vtkVector2d(0.0, 0.0);
    const vtkVector2d screen = mouse.GetScreenPos().Cast<double>();
    const vtkVector2d lastScreen = mouse.GetLastScreenPos().Cast<double>();
    vtkVector2d current;
    vtkVector2d last;
    transform->InverseTransformPoints(screen.GetData(), current.GetData(), 1);
    transform->InverseTransformPoints(lastScreen.GetData(), last.GetData(), 1);
    return current - last;
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
    if (!InPlotArea(mouse) || p.plots.empty())
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
            if (detail::nearestPoint(plot, position, tolerance, &location, &segment) >= 0)
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

bool ChartXY::DragShapeBy(const Shape* shape, double dx, double dy)
{
    // The plots stay alive while the callbacks run; the shape's outline is picked as a press on it picks it.
    std::vector<vtkSmartPointer<vtkPlot>> plots;
    Plot* pick = nullptr;
    for (std::size_t c = 0; c < ChartPrivate->PlotCorners.size(); ++c) {
        for (vtkPlot* plot : deselected(CornerPlots(c))) {
            plots.emplace_back(plot);
            Plot* info = plotInfo(plot);
            if (!pick && draggable(info) && !info->isHandle && info->shape == shape && plot->GetInteractive())
                pick = info;
        }
    }
    if (!pick)
        return false;
    RequestRender();
    pick->selected = true;
    pick->shape->onMousePress();
    // The drag of (dx, dy) pixels, from the middle of the plot area.
    const double scale = dpiScale(Scene);
    const vtkVector2i from((Point1[0] + Point2[0]) / 2, (Point1[1] + Point2[1]) / 2);
    vtkContextMouseEvent mouse;
    mouse.SetButton(vtkContextMouseEvent::LEFT_BUTTON);
    mouse.SetLastScreenPos(from);
    mouse.SetScreenPos(from + vtkVector2i(int(std::lround(dx * scale)), int(std::lround(dy * scale))));
    TranslateShapes(mouse);
    ReleaseShapes();
    InvokeEvent(vtkCommand::SelectionChangedEvent);
    return true;
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
