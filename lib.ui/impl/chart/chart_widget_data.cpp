// The data path of util::ChartWidget: series records to tables, plots, data bounds and view fitting.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/curve_reader.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"
#include "chart/saturate.h"

#include <util/range.h>

#include <vtkAxis.h>
#include <vtkTypeFloat32Array.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <utility>

namespace util {

namespace {

/// The name of every table's x column.
constexpr char xColumnName[] = "X Coordinates";

std::size_t validPointCount(const ChartPlot& record)
{
    return record.curves ? detail::validPointCount(*record.curves) : 0;
}

/// The name of a series' y column: the series' own, unless a table cannot have it beside its x column.
std::string yColumnName(const QString& series)
{
    // VTK reads a name as a C string, up to its first NUL.
    const std::string name = series.toUtf8().constData();
    return name == xColumnName ? "Y Values" : name;
}

/// The integer range that encloses [@p min, @p max], at least one unit long.
std::pair<int, int> enclosingRange(double min, double max)
{
    int low = detail::saturatingFloor(min);
    int high = detail::saturatingCeil(max);
    if (high <= low) {
        if (low < INT_MAX)
            high = low + 1;
        else
            low = high - 1;
    }
    return { low, high };
}

/// Rows of (x of point j, per-point value j) for one per-point channel.
template<typename Channel>
void fillChannel(vtkTable* table, const Vorn3dParametricCurveArray& curves, Range& x)
{
    const detail::CurveChannel<Channel> values(curves);
    if (!values.exists())
        return; // the table keeps its previous contents
    const detail::CurvePoints points(curves);
    const std::size_t count = std::min(points.size(), values.size());
    table->SetNumberOfRows(vtkIdType(count));
    float* xColumn = vtkTypeFloat32Array::SafeDownCast(table->GetColumn(0))->GetPointer(0);
    float* yColumn = vtkTypeFloat32Array::SafeDownCast(table->GetColumn(1))->GetPointer(0);
    for (std::size_t j = 0; j < count; ++j) {
        xColumn[j] = points.x(j);
        yColumn[j] = float(values[j]);
        if (std::isfinite(points.x(j)))
            x.accumulate(points.x(j));
    }
}

} // namespace

void ChartWidgetPrivate::rebuildPlots(const std::vector<ChartPlot>& list)
{
    for (vtkPlot* plot : plots)
        chart->RemovePlotInstance(plot);
    plots.clear();
    tables.clear();
    for (const ChartPlot& record : list) {
        auto table = vtkSmartPointer<vtkTable>::New();
        vtkNew<vtkTypeFloat32Array> x;
        x->SetName(xColumnName);
        vtkNew<vtkTypeFloat32Array> y;
        y->SetName(yColumnName(record.name).c_str());
        table->AddColumn(x);
        table->AddColumn(y);
        tables.push_back(table);
        vtkPlot* plot = chart->AddPlot(vtkChart::POINTS);
        // The legend and the tooltips show the label, which would otherwise be the y column's name.
        plot->SetLabel(record.name.toStdString());
        plotInfo(plot)->name = record.name;
        plots.push_back(plot);
    }
}

void ChartWidgetPrivate::fillTables(const std::vector<ChartPlot>& list)
{
    Range x;
    Range y;
    for (std::size_t i = 0; i < list.size() && i < tables.size(); ++i) {
        const ChartPlot& record = list[i];
        vtkTable* table = tables[i];
        if (!record.curves) {
            table->SetNumberOfRows(0);
        } else if (record.kind == Profile) {
            const detail::CurvePoints points(*record.curves);
            table->SetNumberOfRows(vtkIdType(points.size()));
            float* xColumn = vtkTypeFloat32Array::SafeDownCast(table->GetColumn(0))->GetPointer(0);
            float* yColumn = vtkTypeFloat32Array::SafeDownCast(table->GetColumn(1))->GetPointer(0);
            for (std::size_t j = 0; j < points.size(); ++j) {
                xColumn[j] = points.x(j);
                yColumn[j] = points.height(j);
                // A point with a non-finite coordinate is not drawn, so it bounds nothing.
                if (std::isfinite(points.x(j)) && std::isfinite(points.height(j))) {
                    x.accumulate(points.x(j));
                    y.accumulate(points.height(j));
                }
            }
            if (!record.xRange.isEmpty() && !record.yRange.isEmpty()) {
                x = record.xRange;
                y = record.yRange;
            }
        } else if (record.kind == Reflectance) {
            fillChannel<detail::ReflectanceChannel>(table, *record.curves, x);
        } else if (record.kind == PeakWidth) {
            fillChannel<detail::PeakWidthChannel>(table, *record.curves, x);
        }
        table->GetColumn(0)->Modified();
        table->GetColumn(1)->Modified();
        table->Modified();
    }
    // Primary {xMin, xMax, yMin, yMax} at 0..3, secondary at 4..7; both follow the same data, rounded
    // outwards so that the bounds hold all of it.
    if (!x.isEmpty()) {
        const auto [low, high] = enclosingRange(x.min(), x.max());
        dataBounds[0] = dataBounds[4] = low;
        dataBounds[1] = dataBounds[5] = high;
    }
    if (!y.isEmpty()) {
        const auto [low, high] = enclosingRange(y.min(), y.max());
        dataBounds[2] = dataBounds[6] = low;
        dataBounds[3] = dataBounds[7] = high;
    }
}

void ChartWidgetPrivate::refreshPlots(const std::vector<ChartPlot>& list)
{
    for (std::size_t i = 0; i < list.size() && i < plots.size(); ++i) {
        const ChartPlot& record = list[i];
        vtkPlot* plot = plots[i];
        if (!plot)
            continue; // dropped by the chart; the next setData() builds it anew
        plot->SetColor(record.color.redF(), record.color.greenF(), record.color.blueF());
        plot->SetVisible(record.visible);
        if (auto* points = vtkPlotPoints::SafeDownCast(plot)) {
            points->SetMarkerStyle(vtkPlotPoints::SQUARE);
            points->SetMarkerSize(2.0f);
        }
        chart->SetPlotCorner(plot, record.corner);
        plot->SetInputData(tables[i], 0, 1);
        plot->Modified();
        if (auto* points = PlotPoints::SafeDownCast(plot))
            points->setSearchRange(dataBounds[0], dataBounds[1]);
    }
}

void ChartWidgetPrivate::fitView()
{
    const int* size = renderingWindow->renderWindow->GetSize();
    const double w = std::max(size[0], 1);
    const double h = std::max(size[1], 1);
    double xMin = dataBounds[0];
    double xMax = dataBounds[1];
    double yMin = dataBounds[2];
    double yMax = dataBounds[3];
    if (h / w < 1.0) {
        const double dy = yMax - yMin;
        const double pad = std::fabs(dy * (h / w) - dy) * 0.5;
        xMin -= pad;
        xMax += pad;
    } else if (w / h < 1.0) {
        const double dx = xMax - xMin;
        const double pad = std::fabs(dx * (w / h) - dx) * 0.5;
        yMin -= pad;
        yMax += pad;
    }
    axis(Axis::Bottom)->SetRange(detail::saturatingFloor(xMin), detail::saturatingCeil(xMax));
    axis(Axis::Left)->SetRange(detail::saturatingFloor(yMin), detail::saturatingCeil(yMax));
    axis(Axis::Top)->SetRange(dataBounds[4], dataBounds[5]);
    axis(Axis::Right)->SetRange(dataBounds[6], dataBounds[7]);
    chart->RecalculateBounds();
    renderingWindow->renderPending = true;
    chart->SetKeepAspectRatio(true);
}

void ChartWidget::setData(const std::vector<ChartPlot>& plots)
{
    // The counts of the last list are the ones it had then: its curve arrays may have been refilled in
    // place or freed since.
    std::vector<std::size_t> counts(plots.size());
    std::transform(plots.begin(), plots.end(), counts.begin(), validPointCount);
    const std::vector<ChartPlot>& cached = d->cachedPlots;
    bool keep = plots.size() == cached.size() && counts == d->cachedCounts && !d->tables.empty()
        && std::all_of(d->plots.begin(), d->plots.end(), [](vtkPlot* plot) { return plot != nullptr; });
    for (std::size_t i = 0; keep && i < plots.size(); ++i)
        keep = plots[i].name == cached[i].name;
    if (!keep)
        d->rebuildPlots(plots);
    d->fillTables(plots);
    d->refreshPlots(plots);
    d->renderingWindow->renderPending = true;
    if (&plots != &d->cachedPlots)
        d->cachedPlots = plots;
    d->cachedCounts = std::move(counts);
    if (!keep || d->resetOnNewData) {
        d->fitView();
        d->resetOnNewData = false;
    }
}

void ChartWidget::update(const std::vector<ChartPlot>& plots)
{
    d->refreshPlots(plots);
    d->renderingWindow->renderPending = true;
}

void ChartWidget::update()
{
    update(d->cachedPlots);
}

void ChartWidget::resetView()
{
    d->fitView();
}

void ChartWidget::resetViewOnNewData()
{
    d->resetOnNewData = true;
}

std::vector<ChartPlot>& ChartWidget::cachedPlot()
{
    return d->cachedPlots;
}

} // namespace util
