#pragma once

#include <util/util_ui_export.h>

#include <QString>

#include <vtkSmartPointer.h>
#include <vtkTable.h>
#include <vtkTypeFloat64Array.h>

#include <memory>
#include <vector>

class vtkPlot;

namespace util {

class ChartXY;
class Shape;

/**
 * @brief The overlay shapes of a util::ChartWidget: stored copies, their coordinate tables and plots.
 *
 * Every stored shape has an outline table (rows 2k and 2k + 1 hold line k's end
 * points) and a handle table (row i holds handle i), each with an x and a y
 * column of doubles. draw() turns each shape into at most two plots in the
 * chart, which read these tables and point back to the stored shape.
 *
 * Shapes are stored one per allocation, so a stored shape keeps its address
 * while others are added or removed. When a shape leaves the store (remove(),
 * clear(), destruction) the plots drawn from it are unlinked: they lose their
 * shape and partner and stay in the chart as inert drawings until the next
 * draw(). A plot therefore never refers to a shape that is gone.
 */
class UTIL_UI_EXPORT ShapeOverlay
{
public:
    explicit ShapeOverlay(ChartXY* chart);
    /// Unlinks the plots of the last draw() from the shapes, which go with the overlay.
    ~ShapeOverlay();

    /// Stores a copy of @p shape and builds its tables; no plot is made.
    void add(const Shape& shape);
    /// Forgets every shape and its tables; their plots are unlinked and stay until the next draw().
    void clear();
    /// Refills every shape's tables from its geometry, then replaces the shape plots in the chart by new ones
    /// from the stored shapes, beneath the data series.
    void draw();
    /// Refreshes colour and visibility of the existing outline plots, and visibility of the handle plots.
    void redraw();
    /// Removes the shape at @p index (nothing when out of range); its plots are unlinked.
    void remove(int index);
    /// Rewrites the tables of the shape at @p index from @p shape and stores a copy in its place (same
    /// address); nothing when out of range. Column names stay.
    void update(int index, const Shape& shape);
    /// The index of the first shape titled @p title (case-sensitive), or -1.
    int indexOf(const QString& title) const;
    /// The index of the first shape with @p identifier, or -1.
    int indexOf(int identifier) const;
    /// The stored shape at @p index, or null when out of range.
    Shape* at(int index) const;

    ChartXY* const chart; ///< the chart the plots are added to; not owned
    std::vector<std::unique_ptr<Shape>> shapes; ///< the stored copies, in insertion order
    std::vector<vtkSmartPointer<vtkTable>> lineTables; ///< per shape, its outline coordinates
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>
        lineXArrays; ///< per shape, column 0 of its outline table
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>
        lineYArrays; ///< per shape, column 1 of its outline table
    std::vector<vtkPlot*> linePlots; ///< per drawn shape, its outline plot or null; owned by the chart
    std::vector<vtkSmartPointer<vtkTable>> handleTables; ///< per shape, its handle coordinates
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>
        handleXArrays; ///< per shape, column 0 of its handle table
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>
        handleYArrays; ///< per shape, column 1 of its handle table
    std::vector<vtkPlot*> handlePlots; ///< per drawn shape, its handle plot or null; owned by the chart

private:
    ShapeOverlay(const ShapeOverlay&) = delete;
    ShapeOverlay& operator=(const ShapeOverlay&) = delete;

    /// Sizes and fills the four arrays of @p index from @p shape.
    void fill(std::size_t index, const Shape& shape);
    /// The non-null handle plots, then the non-null outline plots, in drawing order.
    std::vector<vtkPlot*> drawnPlots() const;
    /// Unlinks the plots drawn from @p shape (every drawn plot when null).
    void unlink(const Shape* shape);
};

} // namespace util
