#include "chart/shape_overlay.h"

#include "chart/chart_xy.h"
#include "chart/plot.h"

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

/// A table with two double columns, named @p xName and @p yName.
vtkSmartPointer<vtkTable> makeTable(const QString& xName, const QString& yName,
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>& xArrays,
    std::vector<vtkSmartPointer<vtkTypeFloat64Array>>& yArrays)
{
    auto table = vtkSmartPointer<vtkTable>::New();
    auto x = vtkSmartPointer<vtkTypeFloat64Array>::New();
    auto y = vtkSmartPointer<vtkTypeFloat64Array>::New();
    x->SetName(xName.toUtf8().constData());
    y->SetName(yName.toUtf8().constData());
    table->AddColumn(x);
    table->AddColumn(y);
    xArrays.push_back(x);
    yArrays.push_back(y);
    return table;
}

} // namespace

ShapeOverlay::ShapeOverlay(ChartXY* chart)
    : chart(chart)
{ }

ShapeOverlay::~ShapeOverlay()
{
    unlink(nullptr);
}

void ShapeOverlay::add(const Shape& shape)
{
    const QString title = shape.title();
    lineTables.push_back(makeTable(title + QStringLiteral("_x"), title, lineXArrays, lineYArrays));
    handleTables.push_back(makeTable(title + QStringLiteral("_handle_x"), title + QStringLiteral("_handle_y"),
        handleXArrays, handleYArrays));
    fill(lineTables.size() - 1, shape);
    shapes.push_back(std::make_unique<Shape>(shape));
}

void ShapeOverlay::clear()
{
    unlink(nullptr);
    shapes.clear();
    lineTables.clear();
    lineXArrays.clear();
    lineYArrays.clear();
    handleTables.clear();
    handleXArrays.clear();
    handleYArrays.clear();
}

void ShapeOverlay::draw()
{
    unlink(nullptr);
    chart->RemovePlotInstances(drawnPlots());
    linePlots.clear();
    handlePlots.clear();

    for (std::size_t i = 0; i < shapes.size(); ++i) {
        Shape* shape = shapes[i].get();
        // Geometry changed through shape(), or by a drag that had no plot to write it to, shows from now on.
        fill(i, *shape);
        if (!shape->hasPlot())
            continue;
        const QString title = shape->title();

        vtkPlot* handles = nullptr;
        if (shape->handleVisible()) {
            handles = chart->AddPlot(vtkChart::POINTS);
            // Columns are named before the plot is given its input: the plot finds its columns by name.
            handleYArrays[i]->SetName((title + QStringLiteral("_handle")).toUtf8().constData());
            handles->SetLegendVisibility(false);
            handles->SetInteractive(shape->interactive());
            handles->SetVisible(shape->visible());
            Plot* info = plotInfo(handles);
            info->shape = shape;
            info->name = title;
            info->tooltipEnabled = shape->handleTooltipVisibility();
            info->isHandle = true;
            info->dragAlongX = shape->canDragAlongX();
            info->dragAlongY = shape->canDragAlongY();
            setColor(handles, shape->handleColor());
            auto* points = vtkPlotPoints::SafeDownCast(handles);
            points->SetMarkerStyle(vtkPlotPoints::SQUARE);
            points->SetMarkerSize(float(shape->handleSize()));
            handles->SetInputData(handleTables[i], 0, 1);
        }
        handlePlots.push_back(handles);

        vtkPlot* outline = nullptr;
        if (shape->numberOfLines() >= 1) {
            outline = chart->AddPlot(vtkChart::LINE);
            lineYArrays[i]->SetName(title.toUtf8().constData());
            outline->SetInputData(lineTables[i], 0, 1);
            setColor(outline, shape->color());
            outline->SetInteractive(shape->interactive());
            outline->SetTooltipLabelFormat(shape->format().toUtf8().toStdString());
            outline->SetVisible(shape->visible());
            Plot* info = plotInfo(outline);
            info->shape = shape;
            info->name = title;
            info->tooltipEnabled = shape->tooltipsVisibility();
            info->isHandle = false;
            info->dragAlongX = shape->canDragAlongX();
            info->dragAlongY = shape->canDragAlongY();
            info->linkedPlot = handles;
            outline->GetPen()->SetLineType(penStyle(shape->lineType()));
            auto* line = vtkPlotLine::SafeDownCast(outline);
            line->SetPolyLine(false); // rows 2k and 2k + 1 make one segment
            outline->SetLegendVisibility(shape->legendVisiblity());
            line->SetMarkerStyle(vtkPlotPoints::NONE);
            line->SetMarkerSize(1.0f);
        }
        linePlots.push_back(outline);
        if (handles)
            plotInfo(handles)->linkedPlot = outline;
    }

    // Shapes go beneath the data series, outlines beneath handles, an earlier shape above a later one.
    chart->LowerPlots(drawnPlots());
}

void ShapeOverlay::redraw()
{
    for (vtkPlot* plot : linePlots) {
        const Plot* info = plotInfo(plot);
        if (!info || !info->shape)
            continue;
        setColor(plot, info->shape->color());
        plot->SetVisible(info->shape->visible());
        plot->Modified();
    }
    for (vtkPlot* plot : handlePlots) {
        const Plot* info = plotInfo(plot);
        if (!info || !info->shape)
            continue;
        plot->SetVisible(info->shape->visible());
        plot->Modified();
    }
}

void ShapeOverlay::remove(int index)
{
    if (!at(index))
        return;
    unlink(shapes[std::size_t(index)].get());
    const auto erase = [index](auto& sequence) { sequence.erase(sequence.begin() + index); };
    erase(shapes);
    erase(lineTables);
    erase(lineXArrays);
    erase(lineYArrays);
    erase(handleTables);
    erase(handleXArrays);
    erase(handleYArrays);
}

void ShapeOverlay::update(int index, const Shape& shape)
{
    Shape* stored = at(index);
    if (!stored)
        return;
    fill(std::size_t(index), shape);
    // Assignment keeps the stored shape's address; a callback of that shape that is running now keeps
    // its own copy of the function (see util::Shape).
    *stored = shape;
}

int ShapeOverlay::indexOf(const QString& title) const
{
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (QString::compare(shapes[i]->title(), title, Qt::CaseSensitive) == 0)
            return int(i);
    }
    return -1;
}

int ShapeOverlay::indexOf(int identifier) const
{
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (shapes[i]->identifier() == identifier)
            return int(i);
    }
    return -1;
}

Shape* ShapeOverlay::at(int index) const
{
    return index >= 0 && std::size_t(index) < shapes.size() ? shapes[std::size_t(index)].get() : nullptr;
}

void ShapeOverlay::fill(std::size_t index, const Shape& shape)
{
    vtkTypeFloat64Array* lineX = lineXArrays[index];
    vtkTypeFloat64Array* lineY = lineYArrays[index];
    vtkTypeFloat64Array* handleX = handleXArrays[index];
    vtkTypeFloat64Array* handleY = handleYArrays[index];
    const vtkIdType lines = shape.numberOfLines();
    const vtkIdType handles = shape.numberOfHandles();
    lineX->SetNumberOfTuples(2 * lines);
    lineY->SetNumberOfTuples(2 * lines);
    for (vtkIdType k = 0; k < lines; ++k) {
        const Line& line = *shape.line(int(k));
        lineX->SetValue(2 * k, line.p1.x());
        lineY->SetValue(2 * k, line.p1.y());
        lineX->SetValue(2 * k + 1, line.p2.x());
        lineY->SetValue(2 * k + 1, line.p2.y());
    }
    handleX->SetNumberOfTuples(handles);
    handleY->SetNumberOfTuples(handles);
    for (vtkIdType i = 0; i < handles; ++i) {
        const Point2D& handle = *shape.handle(int(i));
        handleX->SetValue(i, handle.x());
        handleY->SetValue(i, handle.y());
    }
    for (vtkTypeFloat64Array* array : { lineX, lineY, handleX, handleY })
        array->Modified();
    lineTables[index]->Modified();
    handleTables[index]->Modified();
}

std::vector<vtkPlot*> ShapeOverlay::drawnPlots() const
{
    std::vector<vtkPlot*> plots;
    plots.reserve(handlePlots.size() + linePlots.size());
    for (const std::vector<vtkPlot*>* list : { &handlePlots, &linePlots }) {
        for (vtkPlot* plot : *list) {
            if (plot)
                plots.push_back(plot);
        }
    }
    return plots;
}

void ShapeOverlay::unlink(const Shape* shape)
{
    for (vtkPlot* plot : drawnPlots()) {
        Plot* info = plotInfo(plot);
        if (info->shape && (!shape || info->shape == shape)) {
            info->shape = nullptr;
            info->linkedPlot = nullptr;
            info->selected = false;
        }
    }
}

} // namespace util
