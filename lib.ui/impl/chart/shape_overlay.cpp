#include "chart/shape_overlay.h"

#include "chart/chart_xy.h"
#include "chart/plot.h"
#include "chart/shape_tables.h"

#include <util/shape.h>

#include <vtkPen.h>
#include <vtkPlotLine.h>
#include <vtkPlotPoints.h>

namespace util {

namespace {

int penStyle(LineType type)
{
    switch (type) {
    case LineType::Dash: return vtkPen::DASH_LINE;
    case LineType::Dot: return vtkPen::DOT_LINE;
    case LineType::DashDot: return vtkPen::DASH_DOT_LINE;
    case LineType::DashDotDot: return vtkPen::DASH_DOT_DOT_LINE;
    default: return vtkPen::SOLID_LINE;
    }
}

void setColor(vtkPlot* plot, const QColor& color)
{
    plot->SetColor(color.redF(), color.greenF(), color.blueF());
}

/// The start of the column names of @p title's tables: the title as VTK reads a name, up to a NUL, so that
/// the suffixes keep the names of a table's two columns apart.
QString columnBase(const QString& title)
{
    return title.left(title.indexOf(QChar(0)));
}

/// A table with two double columns, named @p xName and @p yName.
ShapeOverlay::Table makeTable(const QString& xName, const QString& yName)
{
    ShapeOverlay::Table table { vtkSmartPointer<vtkTable>::New(), vtkSmartPointer<vtkTypeFloat64Array>::New(),
        vtkSmartPointer<vtkTypeFloat64Array>::New() };
    table.x->SetName(xName.toUtf8().constData());
    table.y->SetName(yName.toUtf8().constData());
    table.table->AddColumn(table.x);
    table.table->AddColumn(table.y);
    return table;
}

/// Links @p plot to @p shape as its handle or outline plot.
void linkToShape(vtkPlot* plot, Shape& shape, bool isHandle, bool tooltipEnabled)
{
    Plot* info = plotInfo(plot);
    info->shape = &shape;
    info->name = shape.title();
    info->tooltipEnabled = tooltipEnabled;
    info->isHandle = isHandle;
    info->dragAlongX = shape.canDragAlongX();
    info->dragAlongY = shape.canDragAlongY();
}

/// Adds the plot of @p shape's handles, reading @p handles, to @p chart.
vtkPlot* addHandlePlot(ChartXY* chart, Shape& shape, const ShapeOverlay::Table& handles)
{
    vtkPlot* plot = chart->AddPlot(vtkChart::POINTS);
    // Columns are named before the plot is given its input: the plot finds its columns by name.
    handles.y->SetName((columnBase(shape.title()) + QStringLiteral("_handle")).toUtf8().constData());
    plot->SetLegendVisibility(false);
    plot->SetInteractive(shape.interactive());
    plot->SetVisible(shape.visible());
    linkToShape(plot, shape, true, shape.handleTooltipVisibility());
    setColor(plot, shape.handleColor());
    auto* points = vtkPlotPoints::SafeDownCast(plot);
    points->SetMarkerStyle(vtkPlotPoints::SQUARE);
    points->SetMarkerSize(float(shape.handleSize()));
    plot->SetInputData(handles.table, 0, 1);
    return plot;
}

/// Adds the plot of @p shape's outline, reading @p outline, to @p chart; @p handles is its partner.
vtkPlot* addOutlinePlot(ChartXY* chart, Shape& shape, const ShapeOverlay::Table& outline, vtkPlot* handles)
{
    vtkPlot* plot = chart->AddPlot(vtkChart::LINE);
    outline.y->SetName(columnBase(shape.title()).toUtf8().constData());
    plot->SetInputData(outline.table, 0, 1);
    setColor(plot, shape.color());
    plot->SetInteractive(shape.interactive());
    plot->SetTooltipLabelFormat(shape.format().toUtf8().toStdString());
    plot->SetVisible(shape.visible());
    linkToShape(plot, shape, false, shape.tooltipsVisibility());
    plotInfo(plot)->linkedPlot = handles;
    plot->GetPen()->SetLineType(penStyle(shape.lineType()));
    auto* line = vtkPlotLine::SafeDownCast(plot);
    line->SetPolyLine(false); // rows 2k and 2k + 1 make one segment
    plot->SetLegendVisibility(shape.legendVisiblity());
    line->SetMarkerStyle(vtkPlotPoints::NONE);
    line->SetMarkerSize(1.0f);
    return plot;
}

} // namespace

ShapeOverlay::ShapeOverlay(ChartXY* chart)
    : chart(chart)
{ }

ShapeOverlay::~ShapeOverlay()
{
    for (Entry& entry : m_entries)
        detachPlots(entry);
}

void ShapeOverlay::add(const Shape& shape)
{
    const QString base = columnBase(shape.title());
    Entry entry;
    entry.outline = makeTable(base + QStringLiteral("_x"), base);
    entry.handles = makeTable(base + QStringLiteral("_handle_x"), base + QStringLiteral("_handle_y"));
    fill(entry, shape);
    entry.shape = std::make_unique<Shape>(shape);
    m_entries.push_back(std::move(entry));
}

void ShapeOverlay::clear()
{
    for (Entry& entry : m_entries)
        detachPlots(entry);
    m_entries.clear();
}

void ShapeOverlay::draw()
{
    for (Entry& entry : m_entries)
        detachPlots(entry);
    chart->RemovePlotInstances({ m_detachedPlots.begin(), m_detachedPlots.end() });
    m_detachedPlots.clear();

    for (Entry& entry : m_entries) {
        Shape& shape = *entry.shape;
        // Geometry changed through shape(), or by a drag that had no plot to write it to, shows from now on.
        fill(entry, shape);
        if (!shape.hasPlot())
            continue;
        if (shape.handleVisible())
            entry.handlePlot = addHandlePlot(chart, shape, entry.handles);
        if (shape.numberOfLines() >= 1)
            entry.outlinePlot = addOutlinePlot(chart, shape, entry.outline, entry.handlePlot);
        if (entry.handlePlot)
            plotInfo(entry.handlePlot)->linkedPlot = entry.outlinePlot;
    }

    // Shapes go beneath the data series, outlines beneath handles, an earlier shape above a later one.
    std::vector<vtkPlot*> drawn;
    for (vtkWeakPointer<vtkPlot> Entry::*plot : { &Entry::handlePlot, &Entry::outlinePlot }) {
        for (const Entry& entry : m_entries) {
            if (entry.*plot)
                drawn.push_back(entry.*plot);
        }
    }
    chart->LowerPlots(drawn);
}

void ShapeOverlay::redraw()
{
    for (const Entry& entry : m_entries) {
        if (const Plot* info = plotInfo(entry.outlinePlot); info && info->shape) {
            setColor(entry.outlinePlot, info->shape->color());
            entry.outlinePlot->SetVisible(info->shape->visible());
            entry.outlinePlot->Modified();
        }
        if (const Plot* info = plotInfo(entry.handlePlot); info && info->shape) {
            entry.handlePlot->SetVisible(info->shape->visible());
            entry.handlePlot->Modified();
        }
    }
}

void ShapeOverlay::remove(int index)
{
    if (!at(index))
        return;
    const auto entry = m_entries.begin() + index;
    detachPlots(*entry);
    m_entries.erase(entry);
}

void ShapeOverlay::update(int index, const Shape& shape)
{
    Shape* stored = at(index);
    if (!stored)
        return;
    fill(m_entries[std::size_t(index)], shape);
    // Assignment keeps the stored shape's address; a callback of that shape that is running now keeps
    // its own copy of the function (see util::Shape).
    *stored = shape;
}

int ShapeOverlay::indexOf(const QString& title) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (QString::compare(m_entries[i].shape->title(), title, Qt::CaseSensitive) == 0)
            return int(i);
    }
    return -1;
}

int ShapeOverlay::indexOf(int identifier) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].shape->identifier() == identifier)
            return int(i);
    }
    return -1;
}

Shape* ShapeOverlay::at(int index) const
{
    return index >= 0 && std::size_t(index) < m_entries.size() ? m_entries[std::size_t(index)].shape.get()
                                                               : nullptr;
}

void ShapeOverlay::fill(Entry& entry, const Shape& shape)
{
    const auto write = [&shape](Table& table, vtkIdType rows, auto writeColumn) {
        table.x->SetNumberOfTuples(rows);
        table.y->SetNumberOfTuples(rows);
        writeColumn(table.x, shape, Coordinate::X);
        writeColumn(table.y, shape, Coordinate::Y);
        table.table->Modified();
    };
    write(entry.outline, outlineRows(shape), writeOutline);
    write(entry.handles, handleRows(shape), writeHandles);
}

void ShapeOverlay::detachPlots(Entry& entry)
{
    for (vtkWeakPointer<vtkPlot>* plot : { &entry.handlePlot, &entry.outlinePlot }) {
        if (!*plot)
            continue;
        Plot* info = plotInfo(*plot);
        info->shape = nullptr;
        info->linkedPlot = nullptr;
        info->selected = false;
        m_detachedPlots.push_back(*plot);
        *plot = nullptr;
    }
}

} // namespace util
