#pragma once

#include <util/chart_widget.h>
#include <util/util_ui_export.h>

#include "chart/chart_callbacks.h"
#include "chart/chart_xy.h"
#include "chart/shape_overlay.h"

#include <vtkContextView.h>
#include <vtkPlot.h>
#include <vtkSmartPointer.h>
#include <vtkTable.h>
#include <vtkWeakPointer.h>

#include <QAccessible>
#include <QKeyEvent>

#include <array>
#include <memory>
#include <vector>

namespace util {

class RenderingWindow;
class Shape;

/// State of a util::ChartWidget: the scene, the series and their tables and plots, the data bounds.
class UTIL_UI_EXPORT ChartWidgetPrivate
{
public:
    explicit ChartWidgetPrivate(ChartWidget* owner);

    static ChartWidgetPrivate* get(ChartWidget* widget) { return widget->d.get(); }

    /// Builds one table and one points plot per record, dropping the previous ones.
    void rebuildPlots(const std::vector<ChartPlot>& list);
    /// Refills the tables from the curves and replaces the data bounds by the non-empty accumulations.
    void fillTables(const std::vector<ChartPlot>& list);
    /// Restyles the first min(list, plots) plots from @p list.
    void refreshPlots(const std::vector<ChartPlot>& list);
    /// Fits the axes to dataBounds, widening the longer window side; raises renderPending.
    void fitView();

    /// Data-space spans and pixel lengths of the bottom and left axes.
    struct Scale
    {
        double xSpan;
        double ySpan;
        int wPx;
        int hPx;
    };
    Scale scale() const;
    vtkAxis* axis(Axis which) const { return chart->GetAxis(int(which)); }

    /// The stored shapes that have a plot in the chart, in the order they were added: the shapes a user
    /// selects with Tab and an assistive tool sees as the chart's children.
    std::vector<const Shape*> drawnShapes() const;
    /// The overlay's entry of @p shape, or null when it is no stored shape.
    const ShapeOverlay::Entry* entryOf(const Shape* shape) const;
    /// Removes the stored shape at @p index (nothing when out of range), ending its selection and its child.
    void removeShape(int index);
    /// Replaces the stored shape at @p index by @p shape (see ShapeOverlay::update()); a new title renames
    /// its child.
    void updateShape(int index, const Shape& shape);
    /// Widens the selected shape's outline to three times its pen width, or gives it its own width back.
    void highlight(bool on);
    /// Makes @p shape (a drawn shape, or null for none) the selected one: its outline is drawn wider, and
    /// an assistive tool hears that it (or the chart, for none) has the focus.
    void select(const Shape* shape);
    /// Tab or Shift+Tab inside the chart: selects the next (previous) visible drawn shape; false, with
    /// nothing selected, past the last (before the first), where the focus leaves the chart.
    bool cycleShapes(bool next);
    /// What a key press asks of the chart: a pan or move by (dx, dy) steps, a zoom by wheel notches, or
    /// the end of the selection.
    struct KeyCommand
    {
        enum Kind { None, Move, Zoom, Deselect } kind = None;
        int dx = 0;
        int dy = 0;
        int notches = 0;
        bool fine = false; ///< Shift: a tenth of the step
    };
    /// The command of @p event; None for the keys the chart leaves to the scene and the window.
    KeyCommand keyCommand(const QKeyEvent& event) const;
    /// Pans, zooms, moves the selected shape or ends the selection for @p event; false for other keys.
    bool handleKey(const QKeyEvent& event);
    /// Hands @p event to the rendering window, whose interactor passes it to the scene, and leaves it
    /// ignored.
    void forwardKey(QKeyEvent* event);

    /// What the chart tells an assistive tool about itself: title, visible axes and ranges, series.
    QString accessibleDescription() const;
    /// Raises a description change when the description differs from the one last announced (only
    /// while an assistive tool listens).
    void announceDescription();
    /// Raises @p event for the child of @p shape when it is a drawn shape (see drawnShapes()) and an
    /// assistive tool listens. An ObjectDestroyed, raised while the shape is still stored, also releases the
    /// child's interface, listening or not.
    void announceShape(const Shape* shape, QAccessible::Event event);

    ChartWidget* const owner;
    RenderingWindow* renderingWindow = nullptr;
    std::unique_ptr<ChartCallbacks> const callbacks;
    std::vector<ChartPlot> cachedPlots;
    /// The valid-point count of each record of cachedPlots, read when setData() was given the list.
    std::vector<std::size_t> cachedCounts;
    std::vector<vtkSmartPointer<vtkTable>> tables;
    std::vector<vtkWeakPointer<vtkPlot>> plots; ///< owned by the chart; null once the chart dropped it
    vtkSmartPointer<vtkContextView> view;
    vtkSmartPointer<ChartXY> chart;
    std::unique_ptr<ShapeOverlay> const shapeOverlay; ///< after chart: goes first, unlinking its plots
    /// {xMin, xMax, yMin, yMax} of the primary (bottom/left) then the secondary (top/right) axes.
    std::array<int, 8> dataBounds { -100000, 100000, -100000, 100000, -100000, 100000, -100000, 100000 };
    bool resetOnNewData = false;
    const Shape* selectedShape = nullptr; ///< the shape selected with Tab, or null
    float selectedPenWidth = 0; ///< the selected outline's own pen width, restored when it is deselected
    QString announcedDescription; ///< the description last announced; null before the first
};

} // namespace util
