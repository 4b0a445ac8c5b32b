#pragma once

#include <util/util_ui_export.h>

#include <vtkChart.h>
#include <vtkRect.h>
#include <vtkSmartPointer.h>
#include <vtkVector.h>

#include <memory>
#include <string>

class vtkChartLegend;
class vtkContextMouseEvent;
class vtkTooltipItem;

namespace util {

struct ChartCallbacks;
class ChartXYPrivate;

/**
 * @brief The XY chart item of util::ChartWidget: up to four axes, plots in four corners, legend and tooltip.
 *
 * Works like VTK's vtkChartXY with these differences: AddPlot(int) creates
 * the library's plot classes (util::PlotLine, util::PlotPoints, ...), and only
 * those are accepted by AddPlot(vtkPlot*); axis ranges are never derived from
 * the data (the owner fits them); KeepAspectRatio makes one data unit equally
 * long on x and y; tooltips are built by BuildTooltipLabel() with extra format
 * codes; the zoom box is drawn white; the owner is told about changes through
 * ChartCallbacks.
 *
 * Corners: 0 uses the bottom and left axes, 1 bottom and right, 2 top and
 * right, 3 top and left. Axis indices: 0 left, 1 bottom, 2 right, 3 top.
 */
class UTIL_UI_EXPORT ChartXY : public vtkChart
{
public:
    vtkTypeMacro(ChartXY, vtkChart);
    void PrintSelf(ostream& os, vtkIndent indent) override;
    static ChartXY* New();

    /// Updates plots and legend; derives axis visibility (AutoAxes) and applies KeepAspectRatio.
    void Update() override;
    bool Paint(vtkContext2D* painter) override;

    /**
     * Creates, colours and adds a plot: 0 line, 1 points, 2 bar, 3 stacked,
     * 4 bag, 5 functional bag, 6 area. Other types give null. The chart owns the plot.
     */
    vtkPlot* AddPlot(int type) override;
    /**
     * Adds @p plot to corner 0 and returns its index. Null, and plots that are
     * not of the library's plot classes (see util::plotInfo), are refused with -1.
     */
    vtkIdType AddPlot(vtkPlot* plot) override;
    /// Removes and releases the plot at @p index; false when out of range.
    bool RemovePlot(vtkIdType index) override;
    void ClearPlots() override;
    /// The plot at @p index, or null when out of range.
    vtkPlot* GetPlot(vtkIdType index) override;
    vtkIdType GetNumberOfPlots() override;
    /// The plot's index within its corner's painting order; -1 when it is in no corner.
    virtual vtkIdType GetPlotIndex(vtkPlot* plot);
    /// Paints @p plot just above @p under (both in one corner); returns the plot's new index.
    virtual vtkIdType StackPlotAbove(vtkPlot* plot, vtkPlot* under);
    /// Paints @p plot just under @p above (both in one corner); returns the plot's new index.
    virtual vtkIdType StackPlotUnder(vtkPlot* plot, vtkPlot* above);
    /// Paints @p plot first in its corner; returns its new index.
    vtkIdType LowerPlot(vtkPlot* plot);
    /// The corner 0..3 of @p plot; 4 when its axes match no corner.
    int GetPlotCorner(vtkPlot* plot);
    /// Moves @p plot into @p corner (0..3) and sets its axes; other corners are refused with a warning.
    void SetPlotCorner(vtkPlot* plot, int corner);

    /// The axis with index 0..3 (left, bottom, right, top), else null.
    vtkAxis* GetAxis(int axisIndex) override;
    vtkIdType GetNumberOfAxes() override;
    /// Invalidates the plot transforms; axis ranges stay as they are.
    void RecalculateBounds() override;
    void SetSelectionMethod(int method) override;
    void SetShowLegend(bool visible) override;
    vtkChartLegend* GetLegend() override;

    /// Replaces the tooltip item (null removes it).
    virtual void SetTooltip(vtkTooltipItem* tooltip);
    virtual vtkTooltipItem* GetTooltip();

    /// Axis visibility follows the corners that hold visible plots (default on).
    vtkSetMacro(AutoAxes, bool);
    vtkGetMacro(AutoAxes, bool);
    vtkBooleanMacro(AutoAxes, bool);
    /// Minimum border on every side in logical pixels (default 20).
    vtkSetMacro(HiddenAxisBorder, int);
    vtkGetMacro(HiddenAxisBorder, int);
    /// Wheel zoom enabled (default on).
    vtkSetMacro(ZoomWithMouseWheel, bool);
    vtkGetMacro(ZoomWithMouseWheel, bool);
    vtkBooleanMacro(ZoomWithMouseWheel, bool);
    /// Handle and shape drags may move along x (default on).
    vtkSetMacro(DragPointAlongX, bool);
    vtkGetMacro(DragPointAlongX, bool);
    vtkBooleanMacro(DragPointAlongX, bool);
    /// Handle and shape drags may move along y (default on).
    vtkSetMacro(DragPointAlongY, bool);
    vtkGetMacro(DragPointAlongY, bool);
    vtkBooleanMacro(DragPointAlongY, bool);
    /// Which axes (by index) the wheel zooms; all true.
    virtual void GetAxisZoom(bool zoom[4]);
    virtual void GetAxisZoom(bool& left, bool& bottom, bool& right, bool& top);
    virtual bool* GetAxisZoom();
    /// Equal scale: Update() widens the left/right or the bottom range so a data unit is equally long on x
    /// and y (default off).
    vtkSetMacro(KeepAspectRatio, bool);
    vtkGetMacro(KeepAspectRatio, bool);

    /// The owner's callbacks (not owned; null by default).
    virtual void SetCallbacks(ChartCallbacks* callbacks);
    virtual ChartCallbacks* GetCallbacks();

    /**
     * Text of a data-point tooltip. The format is the plot's tooltip label
     * format, or "%l: %x,  %y" when that is empty. Codes: %x, %y the position;
     * %a, %b the position mapped by the xTooltip / yTooltip callbacks; %j the
     * point index; %r xTooltip(index, 0) as an integer; %h the y value as
     * 16-bit hexadecimal ("0xFF"); %i the indexed label; %l the plot label.
     * Other codes are copied with their percent sign.
     */
    std::string BuildTooltipLabel(
        vtkPlot* plot, const vtkVector2d& plotPos, vtkIdType seriesIndex, vtkIdType segmentIndex);
    /// Sets the tooltip text (BuildTooltipLabel) and places it at the pointer, 40 pixels lower.
    virtual void SetTooltipInfo(const vtkContextMouseEvent& mouse, const vtkVector2d& plotPos,
        vtkIdType seriesIndex, vtkPlot* plot, vtkIdType segmentIndex);

    /// Lays out axes, borders and legend; true when a border changed.
    virtual bool UpdateLayout(vtkContext2D* painter);
    /// Room the legend needs beside the axis at @p axisPosition.
    virtual int GetLegendBorder(vtkContext2D* painter, int axisPosition);
    /// Places the legend (of size @p rect) in the chart.
    virtual void SetLegendPosition(const vtkRectf& rect);

protected:
    ChartXY();
    ~ChartXY() override;

    /// Recomputes every corner's transform from its axes and passes the shift and scale to its plots.
    void RecalculatePlotTransforms();

    vtkSmartPointer<vtkChartLegend> Legend;
    vtkSmartPointer<vtkTooltipItem> Tooltip;
    bool PlotTransformValid = false;
    vtkRectf MouseBox; ///< zoom or selection box in scene units, origin at the press point
    bool DrawBox = false;
    bool AutoAxes = true;
    int HiddenAxisBorder = 20;
    bool ZoomWithMouseWheel = true;
    bool DragPointAlongX = true;
    bool DragPointAlongY = true;
    bool AxisZoom[4] = { true, true, true, true };
    bool KeepAspectRatio = false;
    std::string TooltipDefaultLabelFormat = "%l: %x,  %y";
    ChartCallbacks* Callbacks = nullptr;
    std::unique_ptr<ChartXYPrivate> const ChartPrivate;
    bool DragPoint = false;
    bool DragShape = false;

private:
    ChartXY(const ChartXY&) = delete;
    void operator=(const ChartXY&) = delete;
};

} // namespace util
