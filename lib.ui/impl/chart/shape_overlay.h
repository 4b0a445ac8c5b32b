#pragma once

#include <util/util_ui_export.h>

#include <QString>

#include <vtkPlot.h>
#include <vtkSmartPointer.h>
#include <vtkTable.h>
#include <vtkTypeFloat64Array.h>
#include <vtkWeakPointer.h>

#include <memory>
#include <vector>

namespace util {

class ChartXY;
class Shape;

/**
 * @brief The overlay shapes of a util::ChartWidget: stored copies, their coordinate tables and plots.
 *
 * Each stored shape is one Entry: the shape, its outline and handle tables
 * (laid out as shape_tables.h describes, with columns of doubles) and the
 * plots drawn from it. draw() turns each shape into at most two plots in the
 * chart, which read these tables and point back to the stored shape.
 *
 * Shapes are stored one per allocation, so a stored shape keeps its address
 * while others are added or removed. When a shape leaves the store (remove(),
 * clear(), destruction) the plots drawn from it are unlinked: they lose their
 * shape and partner and stay in the chart as inert drawings until the next
 * draw(). A plot therefore never refers to a shape that is gone.
 *
 * The chart owns the plots; the overlay only watches them (weak pointers), so
 * a plot that leaves the chart by another way (vtkChart::RemovePlot,
 * ClearPlots) is simply gone for the overlay as well.
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

    /// One coordinate table of a stored shape: an x and a y column of doubles.
    struct Table
    {
        vtkSmartPointer<vtkTable> table;
        vtkSmartPointer<vtkTypeFloat64Array> x; ///< column 0
        vtkSmartPointer<vtkTypeFloat64Array> y; ///< column 1
    };

    /// A stored shape with its tables and the plots the last draw() made from it.
    struct Entry
    {
        std::unique_ptr<Shape> shape; ///< the stored copy
        Table outline; ///< the end points of the shape's lines
        Table handles; ///< the shape's handles
        vtkWeakPointer<vtkPlot> outlinePlot; ///< the drawn outline, or null; owned by the chart
        vtkWeakPointer<vtkPlot> handlePlot; ///< the drawn handles, or null; owned by the chart
    };

    /// The stored shapes, in insertion order.
    const std::vector<Entry>& entries() const { return m_entries; }

    ChartXY* const chart; ///< the chart the plots are added to; not owned

private:
    ShapeOverlay(const ShapeOverlay&) = delete;
    ShapeOverlay& operator=(const ShapeOverlay&) = delete;

    /// Sizes and fills the tables of @p entry from @p shape.
    static void fill(Entry& entry, const Shape& shape);
    /// Unlinks the plots drawn from @p entry and keeps them in m_detachedPlots, where the next draw() finds
    /// them.
    void detachPlots(Entry& entry);

    std::vector<Entry> m_entries;
    /// Unlinked plots of the shapes gone since the last draw(); null once the chart dropped them.
    std::vector<vtkWeakPointer<vtkPlot>> m_detachedPlots;
};

} // namespace util
