#pragma once

#include <util/point2d.h>
#include <util/util_ui_export.h>

#include <vtkChart.h>
#include <vtkRect.h>
#include <vtkSmartPointer.h>
#include <vtkVector.h>

#include <memory>
#include <string>
#include <vector>

class vtkAbstractContextItem;
class vtkChartLegend;
class vtkContextKeyEvent;
class vtkContextTransform;
class vtkContextMouseEvent;
class vtkTooltipItem;

namespace util {

struct ChartCallbacks;
class ChartXYPrivate;
class Range;
class Shape;

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
 * Interaction: the left button pans, or drags a shape's handle or body (see
 * util::ShapeOverlay); Ctrl + right button draws a zoom box; the wheel zooms
 * every axis about the centre of its range; hovering shows the tooltip of the
 * nearest data point within 5 pixels or the text of the shape under the
 * pointer; R invalidates the plot transforms. Pan, zoom and a click on a data
 * point invoke vtkCommand::InteractionEvent; the end of a handle or shape drag
 * and a point picked at a press invoke vtkCommand::SelectionChangedEvent.
 *
 * Shape callbacks run inside these handlers. They may rewrite, replace or
 * remove shapes, and even remove plots: the plots a handler walks stay alive
 * until it returns, a plot whose shape is gone is skipped, and table rewrites
 * stop at the shorter of the table and the shape's geometry.
 *
 * Pixel sizes (the pick zone, the tooltip's offset, borders and paddings, the
 * axes' and the legend's lines and marks, the zoom box's outline) are pixels
 * at 72 DPI: the chart multiplies them by dpiScale(), read from the scene's
 * render window at every paint and event, as VTK scales text by the window's
 * DPI. A change of DPI (the window moved to a screen of another device pixel
 * ratio) takes effect at the next paint.
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
    /**
     * Same order as LowerPlot() called for each of @p plots in turn, in time
     * linear in the number of plots. Nulls and plots of no corner are skipped.
     */
    void LowerPlots(const std::vector<vtkPlot*>& plots);
    /// Removes and releases each of @p plots (nulls and unknown plots are skipped), in linear time.
    void RemovePlotInstances(const std::vector<vtkPlot*>& plots);
    /// The corner 0..3 of @p plot; 4 when its axes match no corner.
    int GetPlotCorner(vtkPlot* plot);
    /// Moves @p plot into @p corner (0..3) and sets its axes; other corners are refused with a warning.
    void SetPlotCorner(vtkPlot* plot, int corner);

    /// The transforms of the corners made so far, by corner; each maps its plots' coordinates to the scene.
    const std::vector<vtkContextTransform*>& GetTransforms() const;

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
    /// Sets the tooltip text (BuildTooltipLabel) and places it at the pointer (see PlaceTooltip()).
    virtual void SetTooltipInfo(const vtkContextMouseEvent& mouse, const vtkVector2d& plotPos,
        vtkIdType seriesIndex, vtkPlot* plot, vtkIdType segmentIndex);

    /// True when the chart is interactive and the pointer lies strictly inside the plot rectangle.
    bool Hit(const vtkContextMouseEvent& mouse) override;
    bool MouseEnterEvent(const vtkContextMouseEvent& mouse) override;
    /// Hides the tooltip.
    bool MouseLeaveEvent(const vtkContextMouseEvent& mouse) override;
    /// Offers the press to the shapes, then starts a handle drag, a shape drag, a pan or a zoom box.
    bool MouseButtonPressEvent(const vtkContextMouseEvent& mouse) override;
    /// Reports the hover state, then drags, pans, sizes the zoom box or updates the hover tooltip.
    bool MouseMoveEvent(const vtkContextMouseEvent& mouse) override;
    /// Tells the shapes, ends a drag, locates a clicked point, selects or zooms to the box.
    bool MouseButtonReleaseEvent(const vtkContextMouseEvent& mouse) override;
    /**
     * Zooms each axis enabled in GetAxisZoom() by @p delta tenths of its span
     * about its centre. Both ends are kept within +-7.5e14 and rounded to 4
     * decimal places; ends that meet are separated by 0.0001.
     */
    bool MouseWheelEvent(const vtkContextMouseEvent& mouse, int delta) override;
    /**
     * What a wheel of @p steps notches does to the view (see MouseWheelEvent()), whether the wheel zooms
     * or not; invokes vtkCommand::InteractionEvent.
     */
    void ZoomBy(int steps);
    /**
     * Moves the view by @p xFraction of the x spans and @p yFraction of the y spans (positive: towards
     * the axis maxima), on the axes a pointer drag moves, within the same limits; invokes
     * vtkCommand::InteractionEvent.
     */
    void PanBy(double xFraction, double yFraction);
    /**
     * Moves @p shape's body by (@p dx, @p dy) pixels as a left-button drag of that many pixels on it does:
     * the shape's press callback, its translation callbacks along the axes it may be dragged along, then
     * the release callbacks of every shape plot and vtkCommand::SelectionChangedEvent. False, with
     * nothing called, when @p shape has no draggable outline in the chart (a drag on it would pan).
     */
    bool DragShapeBy(const Shape* shape, double dx, double dy);
    /// R invalidates the plot transforms (ranges stay); every key asks the owner to render.
    bool KeyPressEvent(const vtkContextKeyEvent& key) override;

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

    /**
     * Finds the data point within 5 pixels of the pointer: first among the
     * interactive visible plots (only the shape handle plots when
     * @p handlesOnly), then among the visible plots with tooltips enabled.
     * Sets the tooltip text of a plot with tooltips enabled. A first-pass hit
     * invokes @p invokeEvent (none when negative) and, for the
     * selection-changed event, selects the point.
     */
    bool LocatePointInPlots(
        const vtkContextMouseEvent& mouse, int invokeEvent = -1, bool handlesOnly = false);
    /// Gives every plot an empty selection.
    void ReleasePlotSelections();
    /// Zooms @p x and @p y to the box between the scene points @p origin and @p corner; tells the shapes.
    void ZoomInAxes(vtkAxis* x, vtkAxis* y, const float* origin, const float* corner);
    /**
     * Selects the points of the visible, selectable plots inside the box from
     * MouseBox's origin to the pointer, combined with the old selection by the
     * modifiers as in vtkChartXY. Row selections are passed on only through the
     * annotation link; column selections are made per plot.
     */
    void SelectInBox(const vtkContextMouseEvent& mouse);
    /// Moves the bottom and left (and top and right) axes by the pointer's data-space movement.
    void Pan(const vtkContextMouseEvent& mouse);
    /// Grows or shrinks every axis by the pointer's movement along it.
    void ZoomAxes(const vtkContextMouseEvent& mouse);

    /// The pointer in corner 0's data space as shapes are hit-tested (a coordinate below its axis
    /// minimum gets that minimum added).
    Point2D ShapeMousePoint(const vtkContextMouseEvent& mouse);
    /// Calls onMousePress() on the shapes under the pointer, by rising priority.
    void PressShapes(const vtkContextMouseEvent& mouse);
    /// True when a point of an interactive, visible shape handle plot lies within 5 pixels.
    bool LocateHandle(const vtkContextMouseEvent& mouse);
    /// Selects the outline of the highest-priority draggable shape under the pointer; true when one was
    /// found.
    bool PickShapeForDrag(const vtkContextMouseEvent& mouse);
    /// True over the body of a draggable shape, away from its handles.
    bool IsOverShapeBody(const vtkContextMouseEvent& mouse);
    /// The tooltip of the highest-priority draggable shape under the pointer with a non-empty one.
    std::string ShapeTooltipText(const vtkContextMouseEvent& mouse);
    /// Resizes the shapes of the selected handle points by the pointer's movement and rewrites their tables.
    void DragHandles(const vtkContextMouseEvent& mouse);
    /// Translates the picked shapes by the pointer's movement and rewrites their tables.
    void TranslateShapes(const vtkContextMouseEvent& mouse);
    /// Clears the picked flags and calls onMouseRelease() on the shape of every shape plot.
    void ReleaseShapes();
    /// Hands the visible axis ranges to the shape of every shape plot.
    void PropagateAxisRanges(const Range& xRange, const Range& yRange);

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
    void RequestRender();
    void SetSceneDirty();
    /// Moves the tooltip to 2 pixels right of and 40 pixels below the pointer.
    void PlaceTooltip(const vtkContextMouseEvent& mouse);
    /// True when the pointer lies strictly inside the plot rectangle.
    bool InPlotArea(const vtkContextMouseEvent& mouse) const;
    /// The plots of corner @p corner, held alive for one walk over them.
    std::vector<vtkSmartPointer<vtkPlot>> CornerPlots(std::size_t corner);
    /// Pointer position and pick zone (util::pickZone pixels each way) in the data space of corner @p corner.
    void CornerQuery(
        std::size_t corner, const vtkContextMouseEvent& mouse, vtkVector2f& position, vtkVector2f& tolerance);
    /// Data positions of the pointer's current and last screen positions by corner 0's transform.
    vtkVector2d MouseDelta(const vtkContextMouseEvent& mouse);
    /// Replaces corner @p corner's items by @p items, in that order.
    void SetCornerItems(
        std::size_t corner, const std::vector<vtkSmartPointer<vtkAbstractContextItem>>& items);

    void operator=(const ChartXY&) = delete;
};

} // namespace util
