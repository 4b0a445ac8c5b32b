// ChartXY's pointer and keys: press, move, release, wheel and key handlers, pan, axis and box zoom, box
// selection, and the nearest-point search behind tooltips and picks.
#include "chart/chart_xy.h"

#include "chart/chart_callbacks.h"
#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "chart/saturate.h"

#include <util/range.h>

#include <vtkAnnotationLink.h>
#include <vtkAxis.h>
#include <vtkChartXY.h>
#include <vtkCommand.h>
#include <vtkContextKeyEvent.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextTransform.h>
#include <vtkIdTypeArray.h>
#include <vtkStringArray.h>
#include <vtkTooltipItem.h>
#include <vtkTransform2D.h>
#include <vtkVectorOperators.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>
#include <utility>

namespace util {

namespace {

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

/// Moves @p axis by @p shift data units, within its limits and, like the wheel, within +-wheelLimit (an end
/// already beyond moves only inwards); the span stays.
void shiftAxis(vtkAxis* axis, double shift)
{
    const double high = std::min(axis->GetMaximumLimit(), detail::wheelLimit);
    const double low = std::max(axis->GetMinimumLimit(), -detail::wheelLimit);
    const double min = axis->GetMinimum();
    const double max = axis->GetMaximum();
    shift
        = shift > 0 ? std::min(shift, std::max(0.0, high - max)) : std::max(shift, std::min(0.0, low - min));
    // Rounding may carry an end a hair past the bound that limited the shift.
    axis->SetRange(std::max(min + shift, std::min(min, low)), std::min(max + shift, std::max(max, high)));
}

/// @p value rounded to the nearest multiple of 0.0001 (halves away from zero); NaN stays NaN.
double fix4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

} // namespace

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
    PlaceTooltip(mouse);
}

void ChartXY::PlaceTooltip(const vtkContextMouseEvent& mouse)
{
    const double scale = dpiScale(Scene);
    Tooltip->SetPosition(
        float(mouse.GetScreenPos()[0] + 2 * scale), float(mouse.GetScreenPos()[1] - 40 * scale));
}

bool ChartXY::Hit(const vtkContextMouseEvent& mouse)
{
    return Interactive && InPlotArea(mouse);
}

bool ChartXY::InPlotArea(const vtkContextMouseEvent& mouse) const
{
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
        PlaceTooltip(mouse);
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
        if (!detail::invertible(transform))
            return;
        vtkVector2d current;
        vtkVector2d last;
        transform->InverseTransformPoints(screen.GetData(), current.GetData(), 1);
        transform->InverseTransformPoints(lastScreen.GetData(), last.GetData(), 1);
        const vtkVector2d delta = last - current;
        if (x)
            shiftAxis(x, delta[0] / x->GetScalingFactor());
        shiftAxis(y, delta[1] / y->GetScalingFactor());
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

void ChartXY::PanBy(double xFraction, double yFraction)
{
    ChartXYPrivate& p = *ChartPrivate;
    // The axes a pointer drag moves: those of the corners made so far, as Pan() takes them.
    const auto move = [](vtkAxis* axis, double fraction) {
        shiftAxis(axis, fraction * (axis->GetMaximum() - axis->GetMinimum()));
    };
    move(p.axes[vtkAxis::BOTTOM], xFraction);
    move(p.axes[vtkAxis::LEFT], yFraction);
    if (p.PlotCorners.size() >= 2)
        move(p.axes[vtkAxis::RIGHT], yFraction);
    if (p.PlotCorners.size() > 2)
        move(p.axes[vtkAxis::TOP], xFraction);
    RequestRender();
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
    // Every release ends the box, whichever way the gesture ends below.
    const bool boxDrawn = std::exchange(DrawBox, false);
    if (boxDrawn)
        SetSceneDirty();
    for (std::size_t i = 0; i < ChartPrivate->PlotCorners.size(); ++i) {
        if (ChartPrivate->PlotCorners[i]->MouseButtonReleaseEvent(mouse))
            return true;
    }
    const int button = mouse.GetButton();
    if (button >= vtkContextMouseEvent::LEFT_BUTTON && button <= vtkContextMouseEvent::RIGHT_BUTTON) {
        // A box released over a handle is still a box: it zooms or selects, it ends no drag.
        if (!boxDrawn && (DragPoint || DragShape || LocateHandle(mouse))) {
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
    if (button == Actions.Zoom() && boxDrawn) {
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
    if (!detail::invertible(transform))
        return;
    const vtkVector2d o(origin[0], origin[1]);
    const vtkVector2d c(corner[0], corner[1]);
    vtkVector2d a;
    vtkVector2d b;
    transform->InverseTransformPoints(o.GetData(), a.GetData(), 1);
    transform->InverseTransformPoints(c.GetData(), b.GetData(), 1);
    // A span that doubles can hardly resolve would leave VTK's tick loop stepping by less than a value's
    // precision, which never ends: such a box zooms nothing.
    const auto resolvable = [](double u, double v) {
        return std::fabs(v - u) > 1e-9 * std::max(std::fabs(u), std::fabs(v)) && std::fabs(v - u) > 1e-300;
    };
    if (!resolvable(a[0], b[0]) || !resolvable(a[1], b[1]))
        return;
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
    ZoomBy(delta);
    return true;
}

void ChartXY::ZoomBy(int steps)
{
    ChartXYPrivate& p = *ChartPrivate;
    for (int i = 0; i < 4; ++i) {
        if (!AxisZoom[i])
            continue;
        vtkAxis* axis = p.axes[std::size_t(i)];
        auto [min, max] = zoomedRange(axis, steps);
        min = fix4(std::clamp(min, -detail::wheelLimit, detail::wheelLimit));
        max = fix4(std::clamp(max, -detail::wheelLimit, detail::wheelLimit));
        if (min == max)
            max += 0.0001;
        axis->SetRange(min, max);
        axis->RecalculateTickSpacing();
    }
    vtkAxis* bottom = p.axes[vtkAxis::BOTTOM];
    vtkAxis* left = p.axes[vtkAxis::LEFT];
    PropagateAxisRanges(
        Range(bottom->GetMinimum(), bottom->GetMaximum()), Range(left->GetMinimum(), left->GetMaximum()));
    RequestRender();
    RecalculatePlotTransforms();
    SetSceneDirty();
    InvokeEvent(vtkCommand::InteractionEvent);
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
    if (!InPlotArea(mouse) || p.plots.empty())
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
            const vtkIdType index = detail::nearestPoint(plot, position, tolerance, &location, &segment);
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
            const vtkIdType index = detail::nearestPoint(plot, position, tolerance, &location, &segment);
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

} // namespace util
