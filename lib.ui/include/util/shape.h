#pragma once

#include <util/point2d.h>
#include <util/range.h>
#include <util/util_ui_export.h>

#include <QColor>
#include <QString>

#include <functional>
#include <memory>

namespace util {

class ShapePrivate;

/// Pen style of a shape's outline. A value outside the enumerators is drawn solid.
enum class LineType : int {
    Solid = 0, ///< solid pen (the default)
    Dash = 1, ///< dashed pen
    Dot = 2, ///< dotted pen
    DashDot = 3, ///< dash-dot pen
    DashDotDot = 4 ///< dash-dot-dot pen
};

/// Stacking hint that a shape carries for the host; the library stores and copies it only.
enum class PlotStackPriority : int {
    Low = 0, ///< below normal shapes
    Normal = 1, ///< the default
    High = 2 ///< above normal shapes
};

/**
 * @brief An overlay figure on the chart: straight segments in data coordinates,
 * the drag handles derived from them, drawing attributes, hit tests and host callbacks.
 *
 * A shape is a value. The host builds it (attributes, callbacks, one addLine() per
 * segment) and hands a copy to the chart, which draws it and reports every drag of
 * the shape's body or handles through the callbacks. A shape never moves itself: the
 * host's callback rewrites the geometry (clear() and addLine(), or in place through
 * line() and handle()), and the chart reads the new geometry back.
 *
 * Every line owns three handles: handle 3k is a copy of line k's first end point,
 * handle 3k + 1 its midpoint and handle 3k + 2 a copy of its second end point. The
 * handles are a snapshot taken by addLine(): writing a line in place does not move
 * its handles, nor the other way round.
 *
 * Callbacks may change or replace the very shape that invokes them (its geometry,
 * its callbacks, or the whole shape by assignment or destruction): the running
 * callback and its arguments stay alive until it returns.
 *
 * A shape that was moved from may only be destroyed or assigned to.
 */
class UTIL_UI_EXPORT Shape
{
public:
    /// A shape without lines, with the default attributes and no callbacks.
    Shape();
    /// A deep copy: geometry, attributes and all callbacks.
    Shape(const Shape& other);
    /// Takes over @p other's state; @p other may afterwards only be destroyed or assigned to.
    Shape(Shape&& other) noexcept;
    ~Shape();
    /// Deep copy, as the copy constructor; assigning a shape to itself changes nothing.
    Shape& operator=(const Shape& other);
    /// Takes over @p other's state; @p other may afterwards only be destroyed or assigned to.
    Shape& operator=(Shape&& other) noexcept;

    /**
     * Copies every attribute, the axis ranges and all callbacks of @p other, but keeps
     * this shape's lines, handles and tolerance.
     */
    void shallowCopy(const Shape& other);

    /**
     * Appends the line from @p p1 to @p p2 and its three handles. The midpoint handle
     * is valid but reads NaN when either end point is invalid.
     * Ignored once the shape holds 715827882 lines, so that the handle count fits an int.
     */
    void addLine(const Point2D& p1, const Point2D& p2);
    /// Removes all lines and handles; attributes and callbacks stay.
    void clear();
    /// The number of lines.
    int numberOfLines() const;
    /// Always 3 × numberOfLines().
    int numberOfHandles() const;

    /**
     * The stored line @p index, writable in place, or nullptr when @p index lies
     * outside [0, numberOfLines()). The pointer stays valid until the next addLine(),
     * clear(), assignment, move or destruction of the shape.
     * @see handle()
     */
    Line* line(int index) const;
    /**
     * The stored handle @p index, writable in place, or nullptr when @p index lies
     * outside [0, numberOfHandles()). Valid as long as a pointer from line().
     */
    Point2D* handle(int index) const;

    /**
     * True when @p p lies inside the figure. With an insidePolygon callback installed,
     * its answer is returned as is. Otherwise the lines crossed by a horizontal ray from
     * @p p towards negative x are counted and an odd count means inside; the lines need
     * not form a closed figure. A point on a left edge is inside, on a right edge
     * outside. An invalid point, a NaN coordinate or a shape without lines give false.
     */
    bool insidePolygon(const Point2D& p);
    /**
     * True when @p p lies within tolerance of the vertical or of the horizontal through
     * the first end point of some line. The tolerances are the lengths of the x and y
     * axis ranges times tolerance(); both comparisons are strict, so with empty axis
     * ranges, a NaN coordinate or a non-positive tolerance nothing is close. Second end
     * points play no part.
     * @see setXAxisRange(), setYAxisRange(), setTolerance()
     */
    bool closeToLine(const Point2D& p);
    /// The visible x axis interval, which scales closeToLine(). Default: empty.
    void setXAxisRange(const Range& range);
    /// The visible y axis interval, which scales closeToLine(). Default: empty.
    void setYAxisRange(const Range& range);
    /// Fraction of the visible axis lengths used by closeToLine().
    double tolerance() const;
    /// Default 0.05 in single precision (0.05000000074505806); any value is stored as is.
    void setTolerance(double tolerance);

    /// Calls the mouse-press callback, if any.
    void onMousePress();
    /// Calls the mouse-release callback, if any.
    void onMouseRelease();
    /// Calls the x translation callback, if any, with the body's displacement @p dx in data units.
    void xTranslate(double dx);
    /// Calls the y translation callback, if any, with the body's displacement @p dy in data units.
    void yTranslate(double dy);
    /// Calls the x resize callback, if any, with the dragged @p handle's position and displacement @p dx.
    void xResize(const Point2D& handle, double dx);
    /// Calls the y resize callback, if any, with the dragged @p handle's position and displacement @p dy.
    void yResize(const Point2D& handle, double dy);
    /// The shape tooltip callback's text for @p p, or an empty string without a callback.
    QString tooltips(const Point2D& p);

    /// Replaces the callback of onMousePress(); an empty function clears it.
    void setOnMousePressCallback(std::function<void()> callback);
    /// Replaces the callback of onMouseRelease(); an empty function clears it.
    void setOnMouseReleaseCallback(std::function<void()> callback);
    /// Replaces the callback of xTranslate(); an empty function clears it.
    void setXTranslationCallback(std::function<void(double)> callback);
    /// Replaces the callback of yTranslate(); an empty function clears it.
    void setYTranslationCallback(std::function<void(double)> callback);
    /// Replaces the callback of xResize(); an empty function clears it.
    void setXResizeCallback(std::function<void(const Point2D&, double)> callback);
    /// Replaces the callback of yResize(); an empty function clears it.
    void setYResizeCallback(std::function<void(const Point2D&, double)> callback);
    /// Replaces the hit test of insidePolygon(); an empty function restores the ray test.
    void setInsidePolygonCallback(std::function<bool(const Point2D&)> callback);
    /// Replaces the callback of tooltips(); an empty function clears it.
    void setShapeTooltipCallback(std::function<QString(const Point2D&)> callback);

    /// Outline colour; default opaque white.
    QColor color() const;
    /// @see color()
    void setColor(const QColor& color);
    /// Handle colour; default opaque white.
    QColor handleColor() const;
    /// @see handleColor()
    void setHandleColor(const QColor& color);
    /// Name of the shape's plots and columns, and a lookup key; default empty.
    QString title() const;
    /// @see title()
    void setTitle(const QString& title);
    /// Label format of the outline's data-point tooltips; default empty.
    QString format() const;
    /// @see format()
    void setFormat(const QString& format);
    /// Handle marker size in pixels; default 2.
    int handleSize() const;
    /// @see handleSize()
    void setHandleSize(int size);
    /// Whether the handles are drawn; default true.
    bool handleVisible() const;
    /// @see handleVisible()
    void setHandleVisibility(bool visible);
    /// Whether the handles show data-point tooltips; default true.
    bool handleTooltipVisibility() const;
    /// @see handleTooltipVisibility()
    void setHandleTooltipVisibility(bool visible);
    /// Whether the outline shows data-point tooltips; default true.
    bool tooltipsVisibility() const;
    /// @see tooltipsVisibility()
    void setTooltipsVisibility(bool visible);
    /// Whether the shape's plots are visible; default true.
    bool visible() const;
    /// @see visible()
    void setVisible(bool visible);
    /// Whether the outline has a legend entry; default true.
    bool legendVisiblity() const;
    /// @see legendVisiblity()
    void setLegendVisible(bool visible);
    /// Whether the user may drag the shape; default false.
    bool interactive() const;
    /// @see interactive()
    void setInteractive(bool interactive);
    /// Whether the shape is drawn at all; default true.
    bool hasPlot() const;
    /// @see hasPlot()
    void setHasPlot(bool hasPlot);
    /// Whether drags may move the shape along x; default false.
    bool canDragAlongX() const;
    /// @see canDragAlongX()
    void setCanDragAlongX(bool canDrag);
    /// Whether drags may move the shape along y; default false.
    bool canDragAlongY() const;
    /// @see canDragAlongY()
    void setCanDragAlongY(bool canDrag);
    /// Outline pen style; default LineType::Solid.
    LineType lineType() const;
    /// @see lineType()
    void setLineType(LineType type);
    /// Stacking hint for the host; default PlotStackPriority::Normal.
    PlotStackPriority plotStackPriority() const;
    /// @see plotStackPriority()
    void setPlotStackPriority(PlotStackPriority priority);
    /// Pick order among overlapping shapes; default 0.
    int priority() const;
    /// @see priority()
    void setPriority(int priority);
    /// Lookup key; default -1.
    int identifier() const;
    /// @see identifier()
    void setIdentifier(int identifier);

private:
    std::unique_ptr<ShapePrivate> d;
};

} // namespace util
