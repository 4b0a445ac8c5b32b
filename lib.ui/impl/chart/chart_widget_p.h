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

#include <array>
#include <memory>
#include <vector>

namespace util {

class RenderingWindow;

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
};

} // namespace util
