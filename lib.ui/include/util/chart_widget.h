#pragma once

#include <util/chart_plot.h>
#include <util/point2d.h>
#include <util/util_ui_export.h>

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace util {

/// The chart's four axes; the values are the chart's axis indices.
enum class Axis : int { Left = 0, Bottom = 1, Right = 2, Top = 3 };

class ChartWidgetPrivate;
class Shape;

/**
 * @brief Interactive XY chart of sensor profiles on a dark VTK scene.
 *
 * The host hands data series with setData() and calls render() regularly
 * (for example from a timer): the chart is repainted only when something
 * changed since the last render(). New or renamed series, or a changed
 * number of points, rebuild the plots and fit the view to the data; other
 * updates keep the view where the user left it.
 *
 * Titles default to "Chart", "Bottom", "Left", "Right" and "Top"; title and
 * label texts are white on black.
 *
 * Keyboard: the chart takes the focus by Tab and by a click (Qt::StrongFocus).
 * - The arrow keys move the view by a tenth of the visible ranges (a
 *   hundredth with Shift): Right shows more of what lies right, towards the
 *   bottom and top axes' maxima, Up more of what lies above.
 * - + (also = and the keypad's +) zooms in and - zooms out about the centre
 *   of the view, as a notch of the mouse wheel does.
 * - Tab and Shift+Tab select the drawn shapes one after the other (those
 *   visible, in the order they were added); the selected shape's outline is
 *   drawn three times as wide. Tab past the last shape (Shift+Tab before the
 *   first) ends the selection and moves the focus on as usual.
 * - With a shape selected, the arrow keys move it by 10 pixels (1 with Shift)
 *   as a mouse drag of its body would: each key press calls the shape's press
 *   callback, its translation callbacks and the release callbacks, as one
 *   short drag. A shape that cannot be dragged leaves the arrow keys to pan.
 *   Escape ends the selection.
 * - R invalidates the plot transforms, and the other keys reach the chart's
 *   VTK scene as before.
 * - While the chart has the focus, the keys it answers are its own: a window
 *   shortcut on a bare arrow, +, - or = (Escape while a shape is selected)
 *   does not take them.
 *
 * Assistive tools see a chart named by its title (unless the widget has an
 * accessible name), described by its title, its visible axes with their
 * titles and ranges, and its series; the drawn shapes are its children, each
 * named by its title, with its extent and, in its description, its bounds in
 * data coordinates. The selected shape is the focused child.
 */
class UTIL_UI_EXPORT ChartWidget : public QWidget
{
    Q_OBJECT

public:
    /// Builds the scene: black background, white texts, left and bottom axes, legend, equal scale.
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    /// Renders the scene if anything changed since the last call; otherwise does nothing.
    void render();

    /**
     * Replaces the chart's series. Plots are rebuilt (and the view fitted)
     * when the names or point counts differ from the last list; otherwise the
     * tables are refilled and the plots restyled. Points with a NaN or infinite
     * coordinate never enter the data bounds; bounds are whole numbers, clamped
     * to the int range.
     */
    void setData(const std::vector<ChartPlot>& plots);
    /// Restyles the existing plots (colour, visibility, corner) from @p plots; extra records are ignored.
    void update(const std::vector<ChartPlot>& plots);
    /// Restyles the plots from cachedPlot(), e.g. after changing a colour there.
    void update();
    using QWidget::update;
    /// Fits the axes to the data bounds, widening the longer side so both axes have the same scale.
    void resetView();
    /// Makes the next setData() fit the view even if it keeps the plots (one-shot).
    void resetViewOnNewData();
    /// The list given to the last setData(); edit it and call update() to restyle.
    std::vector<ChartPlot>& cachedPlot();

    /// Sets the chart title ("Chart" by default). Titles and colours alone do not ask for a render.
    void setTitle(const QString& title);
    /// The chart title.
    QString title() const;
    /// Sets the bottom axis title ("Bottom" by default).
    void setBottomTitle(const QString& title);
    /// The bottom axis title.
    QString bottomTitle() const;
    /// Sets the left axis title ("Left" by default).
    void setLeftTitle(const QString& title);
    /// The left axis title.
    QString leftTitle() const;
    /// Sets the right axis title ("Right" by default).
    void setRightTitle(const QString& title);
    /// The right axis title.
    QString rightTitle() const;
    /// Sets the bottom axis title colour (white by default; alpha is ignored).
    void setBottomColorTitle(const QColor& color);
    /// The bottom axis title colour, opaque.
    QColor bottomColorTitle() const;
    /// Sets the left axis title colour (white by default; alpha is ignored).
    void setLeftColorTitle(const QColor& color);
    /// The left axis title colour, opaque.
    QColor leftColorTitle() const;
    /// Sets the right axis title colour (white by default; alpha is ignored).
    void setRightColorTitle(const QColor& color);
    /// The right axis title colour, opaque.
    QColor rightColorTitle() const;

    /**
     * Shows or hides an axis. Axis visibility is recomputed from the plot
     * corners on every chart update, so this lasts only until the next one.
     * A value outside util::Axis is ignored (and reads false).
     */
    void setAxisVisibility(Axis axis, bool visible);
    /// Whether @p axis is currently shown. @see setAxisVisibility
    bool axisVisibility(Axis axis) const;

    /// Converts a data-space length (not a position) to pixels by the bottom and left axes; invalid in gives
    /// NaN. Pixels are device-independent, as Qt's widget coordinates: the same at every device pixel ratio.
    void coordinateToPixel(const Point2D& in, Point2D& out) const;
    /// Converts a length in device-independent pixels to a data-space length; invalid in gives NaN.
    void pixelToCoordinate(const Point2D& in, Point2D& out) const;

    /**
     * Stores a copy of @p shape and builds its coordinate tables. The shape
     * shows after the next drawShapes(). The chart calls the callbacks of the
     * stored copy, which a callback reaches through shape().
     */
    void addShape(const Shape& shape);
    /// Forgets every shape; their plots stay, inert, until the next drawShapes().
    void clearShape();
    /**
     * Rewrites every stored shape's coordinate tables from its geometry (so
     * changes made through shape() show), then replaces the shape plots by new
     * ones from the stored shapes: an outline
     * (when the shape has lines) and a handle plot (when its handles are
     * visible) per shape whose hasPlot() is true, painted beneath the data.
     * Call it after adding, removing or clearing shapes, or after changing a
     * shape's number of lines; not from inside a shape's callback during a
     * drag, which would end the drag. Does not ask for a render.
     */
    void drawShapes();
    /// Refreshes colour and visibility of the drawn shapes from the stored shapes, and asks for a render.
    void redrawShapes();
    /// Removes the first shape titled @p title (case-sensitive); its plots stay, inert, until drawShapes().
    void removeShape(const QString& title);
    /// Removes the first shape with @p identifier; its plots stay, inert, until drawShapes().
    void removeShape(int identifier);
    /**
     * The first stored shape titled @p title, or null. The pointer stays valid
     * until that shape is removed or the shapes are cleared.
     */
    Shape* shape(const QString& title);
    /// The first stored shape with @p identifier, or null. @see shape(const QString&)
    Shape* shape(int identifier);
    /**
     * Replaces the first shape titled @p title by a copy of @p shape, in place
     * (pointers from shape() stay valid), and rewrites its tables; column names
     * and plot attributes stay until drawShapes() or redrawShapes(). Safe from
     * inside that shape's own callbacks. Nothing happens without a match.
     */
    void updateShape(const QString& title, const Shape& shape);
    /// As updateShape(const QString&, const Shape&), matching @p shape's identifier.
    void updateShape(const Shape& shape);
    /// As updateShape(const QString&, const Shape&), matching @p identifier.
    void updateShape(int identifier, const Shape& shape);

    /// Maps (point index in its series, x) to the x a tooltip's %a code shows; an empty function clears it.
    void xCustomTooltip(std::function<double(int, double)> function);
    /// Maps (point index in its series, y) to the y a tooltip's %b code shows; an empty function clears it.
    void yCustomTooltip(std::function<double(int, double)> function);

    // Export
    /**
     * Saves what the chart shows, in the format the file name's suffix names:
     * "png" a bitmap of the chart at its current size; "svg", "pdf", "ps" or
     * "eps" vector output in which texts stay texts. The chart must have been
     * shown (it needs its OpenGL context). Renders first if a change is pending.
     * The file is written next to its target and moved into place when it is
     * complete, so a failed save leaves an existing file as it was, and only the
     * named file is touched (never one that differs from it in case).
     * @return false, with nothing written, for another suffix, a chart not yet
     * shown, or a file that cannot be written (a folder in its place included).
     */
    bool saveChart(const QString& fileName);

protected:
    /// Claims the keys the chart answers before a window shortcut on the same key takes them.
    bool event(QEvent* event) override;
    /// Pans, zooms or moves the selected shape (see the class description); other keys go to the scene.
    void keyPressEvent(QKeyEvent* event) override;
    /// Hands the key to the scene, as the keys keyPressEvent() does not handle.
    void keyReleaseEvent(QKeyEvent* event) override;
    /// Tab and Shift+Tab select the shapes in turn before the focus leaves the chart.
    bool focusNextPrevChild(bool next) override;

private:
    friend class ChartWidgetPrivate;
    std::unique_ptr<ChartWidgetPrivate> const d;
};

} // namespace util
