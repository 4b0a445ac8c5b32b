// ChartXY's layout and painting: per-frame update of plots, legend, axis visibility and the equal scale;
// borders, axis placement and the legend's position; the corners' plot transforms.
#include "chart/chart_xy.h"

#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "chart/saturate.h"

#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkChartLegend.h>
#include <vtkContext2D.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkPoints2D.h>
#include <vtkTextProperty.h>
#include <vtkTooltipItem.h>
#include <vtkVectorOperators.h>

#include <algorithm>
#include <cmath>

namespace util {

namespace {

/// @p range widened or narrowed to @p length around its own centre, shifted inwards as far as needed (and
/// its length allows) to stay within +-wheelLimit.
void setCentredRange(vtkAxis* axis, double length)
{
    double range[2];
    axis->GetRange(range);
    const double low
        = std::max(std::min((range[0] + range[1]) / 2.0 - length / 2.0, detail::wheelLimit - length),
            -detail::wheelLimit);
    axis->SetRange(low, std::min(low + length, detail::wheelLimit));
}

/**
 * Sets the pixel sizes of the axes (line and grid widths, tick length, label
 * offset, margins), of the legend (padding, symbol width) and of the tooltip's
 * frame for @p scale, from those set for p.ItemScale. Whole-pixel sizes are
 * taken back to their unscaled values first, so that moving between screens
 * does not let them drift.
 */
void scaleItems(ChartXYPrivate& p, vtkChartLegend* legend, vtkTooltipItem* tooltip, double scale)
{
    if (scale == p.ItemScale)
        return;
    const double factor = scale / p.ItemScale;
    const auto pixels
        = [&p, scale](int size) { return int(std::lround(std::lround(size / p.ItemScale) * scale)); };
    const auto widen = [factor](vtkPen* pen) { pen->SetWidth(float(pen->GetWidth() * factor)); };
    for (vtkAxis* axis : p.axes) {
        widen(axis->GetPen());
        widen(axis->GetGridPen());
        axis->SetTickLength(float(axis->GetTickLength() * factor));
        axis->SetLabelOffset(float(axis->GetLabelOffset() * factor));
        int margins[2];
        axis->GetMargins(margins);
        axis->SetMargins(pixels(margins[0]), pixels(margins[1]));
        axis->RecalculateTickSpacing();
    }
    legend->SetPadding(pixels(legend->GetPadding()));
    legend->SetSymbolWidth(pixels(legend->GetSymbolWidth()));
    if (tooltip)
        widen(tooltip->GetPen());
    p.ItemScale = scale;
}

} // namespace

vtkStandardNewMacro(ChartAxis);

void ChartAxis::RecalculateTickSpacing()
{
    // The spacing is worked out from the axis' end points alone: they are moved for that time only.
    const double scale = dpiScale(Scene);
    const vtkVector2f end = Position2;
    if (scale != 1.0)
        Position2 = Position1 + (end - Position1) * float(1.0 / scale);
    Superclass::RecalculateTickSpacing();
    Position2 = end;
}

bool ChartAxis::Paint(vtkContext2D* painter)
{
    const bool titleVisible = TitleVisible;
    TitleVisible = false;
    const bool painted = Superclass::Paint(painter);
    TitleVisible = titleVisible;
    if (!painted || !TitleVisible || Title.empty())
        return painted;
    // Where vtkAxis puts it, with the gap scaled; the labels' extent is the one its painting measured.
    const double gap = 10 * dpiScale(Scene);
    int x = vtkContext2D::FloatToInt(Point1[0]);
    int y = vtkContext2D::FloatToInt(Point1[1] + Point2[1]) / 2;
    switch (Position) {
    case LEFT: x = vtkContext2D::FloatToInt(float(Point1[0] - MaxLabel[0] - gap)); break;
    case RIGHT: x = vtkContext2D::FloatToInt(float(Point1[0] + MaxLabel[0] + gap)); break;
    case BOTTOM:
        x = vtkContext2D::FloatToInt(Point1[0] + Point2[0]) / 2;
        y = vtkContext2D::FloatToInt(float(Point1[1] - MaxLabel[1] - gap));
        break;
    case TOP:
        x = vtkContext2D::FloatToInt(Point1[0] + Point2[0]) / 2;
        y = vtkContext2D::FloatToInt(float(Point1[1] + MaxLabel[1] + gap));
        break;
    default: y = vtkContext2D::FloatToInt(float(Point1[1] - MaxLabel[1] - 1.5 * gap)); // parallel
    }
    painter->ApplyTextProp(TitleProperties);
    painter->DrawString(float(x), float(y), Title);
    return true;
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
    const double scale = dpiScale(Scene);
    scaleItems(p, Legend, Tooltip, scale);

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
        painter->GetPen()->SetWidth(float(scale));
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

bool ChartXY::UpdateLayout(vtkContext2D* painter)
{
    ChartXYPrivate& p = *ChartPrivate;
    bool changed = false;
    const vtkVector2i tileScale = Scene->GetLogicalTileScale();
    const double scale = dpiScale(Scene);
    const vtkVector2i hiddenAxisBorder = tileScale * int(std::lround(HiddenAxisBorder * scale));

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
                    border += int(5 * scale * tileScale.GetY() + bounds[3]);
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
    const int padding = int(std::lround(10 * dpiScale(Scene)));
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
    const float padding = float(5 * dpiScale(Scene));
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
        const auto axes = detail::cornerAxes(p.axes, int(i));
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
