// The shape overlay of util::ChartWidget and shape dragging in util::ChartXY, driven by VTK context events.
#include "chart_fixture.h"

#include "chart/chart_legend.h"

#include <util/shape.h>

#include <vtkContextMapper2D.h>
#include <vtkContextTransform.h>
#include <vtkPen.h>
#include <vtkTooltipItem.h>

using util::Point2D;
using util::Shape;

namespace {

/// Rewrites @p shape as the rectangle (x0, y0) - (x1, y1): bottom, right, top, left.
void setRectangle(Shape& shape, double x0, double y0, double x1, double y1)
{
    shape.clear();
    shape.addLine({ x0, y0 }, { x1, y0 });
    shape.addLine({ x1, y0 }, { x1, y1 });
    shape.addLine({ x1, y1 }, { x0, y1 });
    shape.addLine({ x0, y1 }, { x0, y0 });
}

Shape rectangle(int id, double x0, double y0, double x1, double y1, int priority = 0)
{
    Shape shape;
    shape.setIdentifier(id);
    shape.setTitle(QStringLiteral("r%1").arg(id));
    shape.setInteractive(true);
    shape.setCanDragAlongX(true);
    shape.setCanDragAlongY(true);
    shape.setPriority(priority);
    setRectangle(shape, x0, y0, x1, y1);
    return shape;
}

} // namespace

class TstChartShapes : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { close(); }
    void overlayTablesAndPlots();
    void lookupRemoveUpdate();
    void pressPriority_data();
    void pressPriority();
    void bodyDrag();
    void handleDrag();
    void callbacksRewritingTheOverlay_data();
    void callbacksRewritingTheOverlay();
    void axisRangesAndHitPoint();
    void drawingRefillsTables();
    void boxZoomEndsOverAHandle();
    void plotsRemovedBehindTheOverlay_data();
    void plotsRemovedBehindTheOverlay();
    void anyShapeTitle();
    void oneOfManyShapes();

private:
    /// Draws the shapes and renders, so that the handle plots can be searched.
    void draw()
    {
        widget->drawShapes();
        paint();
    }
    util::ShapeOverlay& overlay() { return *d->shapeOverlay; }
    /// The stored shape @p i with its tables and plots.
    const util::ShapeOverlay::Entry& entry(std::size_t i) { return overlay().entries()[i]; }
    /// The column names of shape @p i's line table, then of its handle table.
    QStringList columnNames(std::size_t i)
    {
        QStringList names;
        for (vtkTable* table : { entry(i).outline.table.Get(), entry(i).handles.table.Get() }) {
            for (int column = 0; column < 2; ++column)
                names << QString::fromUtf8(table->GetColumnName(column));
        }
        return names;
    }
    /// Left drag from data point @p from to @p to, one move; returns the data-space delta of the move.
    QPointF drag(QPointF from, QPointF to)
    {
        const vtkVector2i a = screen(from.x(), from.y());
        const vtkVector2i b = screen(to.x(), to.y());
        chart->MouseButtonPressEvent(mouse(LEFT, a));
        chart->MouseMoveEvent(mouse(LEFT, b, a));
        chart->MouseButtonReleaseEvent(mouse(LEFT, b));
        return data(vtkVector2f(b.Cast<float>())) - data(vtkVector2f(a.Cast<float>()));
    }
};

void TstChartShapes::overlayTablesAndPlots()
{
    Shape t;
    t.setTitle(QStringLiteral("T"));
    t.addLine({ 0, 0 }, { 2, 4 });
    t.addLine({ 2, 4 }, Point2D());
    t.setLineType(util::LineType(7));
    widget->addShape(t);
    QCOMPARE(entry(0).outline.table->GetNumberOfRows(), vtkIdType(4));
    QCOMPARE(entry(0).handles.table->GetNumberOfRows(), vtkIdType(6));
    QCOMPARE(columnNames(0), QStringList({ "T_x", "T", "T_handle_x", "T_handle_y" }));
    QVERIFY(std::isnan(entry(0).outline.y->GetValue(3))); // the invalid end point
    QCOMPARE(entry(0).handles.x->GetValue(1), 1.0);
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(1)); // adding makes no plot

    Shape hidden = t;
    hidden.setHasPlot(false);
    Shape noHandles = t;
    noHandles.setHandleVisibility(false);
    noHandles.setLineType(util::LineType::Dash);
    Shape noLines;
    widget->addShape(hidden);
    widget->addShape(noHandles);
    widget->addShape(noLines);
    widget->drawShapes();
    widget->drawShapes();
    QCOMPARE(columnNames(0).last(), QString("T_handle"));
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(5));
    QVERIFY(!entry(1).outlinePlot && !entry(1).handlePlot); // the shape without plots
    vtkPlot* const lines[] = { entry(0).outlinePlot, entry(2).outlinePlot, entry(3).outlinePlot };
    vtkPlot* const handles[] = { entry(0).handlePlot, entry(2).handlePlot, entry(3).handlePlot };
    QVERIFY(!handles[1] && !lines[2]);
    QCOMPARE(util::plotInfo(lines[0])->linkedPlot, handles[0]);
    QCOMPARE(util::plotInfo(handles[0])->linkedPlot, lines[0]);
    QVERIFY(!util::plotInfo(lines[1])->linkedPlot);
    QCOMPARE(handles[2]->GetInput()->GetNumberOfRows(), vtkIdType(0));
    QCOMPARE(lines[0]->GetPen()->GetLineType(), int(vtkPen::SOLID_LINE));
    QCOMPARE(lines[1]->GetPen()->GetLineType(), int(vtkPen::DASH_LINE));

    // Painting order: outlines from the last shape to the first, then handles likewise, then the data.
    vtkContextTransform* corner = chart->GetTransforms()[0];
    const std::vector<vtkAbstractContextItem*> expected { lines[1], lines[0], handles[2], handles[0],
        d->plots[0] };
    QCOMPARE(corner->GetNumberOfItems(), vtkIdType(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(corner->GetItem(vtkIdType(i)), expected[i]);

    widget->clearShape();
    QVERIFY(!util::plotInfo(lines[0])->shape); // the lingering plots no longer refer to the shapes
    widget->drawShapes();
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(1));
}

void TstChartShapes::lookupRemoveUpdate()
{
    widget->addShape(rectangle(1, 0, 0, 1, 1));
    widget->addShape(rectangle(2, 0, 0, 2, 2));
    Shape again = rectangle(3, 0, 0, 3, 3);
    again.setTitle(QStringLiteral("r1"));
    widget->addShape(again);
    Shape* third = widget->shape(3);
    QCOMPARE(widget->shape(QStringLiteral("r1"))->identifier(), 1);
    QVERIFY(!widget->shape(QStringLiteral("R1")) && !widget->shape(7));
    widget->removeShape(QStringLiteral("r1"));
    widget->removeShape(42);
    QCOMPARE(widget->shape(3), third); // stored shapes keep their address
    QCOMPARE(widget->shape(QStringLiteral("r1")), third);
    QCOMPARE(entry(1).outline.x->GetValue(1), 3.0); // still paired with its own tables

    Shape smaller = rectangle(3, 5, 5, 6, 6);
    smaller.setTitle(QStringLiteral("renamed"));
    smaller.clear();
    smaller.addLine({ 5, 5 }, { 6, 6 });
    widget->updateShape(smaller);
    QCOMPARE(widget->shape(3), third);
    QCOMPARE(third->title(), QString("renamed"));
    QCOMPARE(entry(1).outline.table->GetNumberOfRows(), vtkIdType(2));
    QCOMPARE(entry(1).handles.table->GetNumberOfRows(), vtkIdType(3));
    QCOMPARE(columnNames(1)[1], QString("r1"));
    widget->updateShape(QStringLiteral("r2"), rectangle(9, 0, 0, 4, 4));
    QCOMPARE(widget->shape(9), widget->shape(QStringLiteral("r9")));
    widget->updateShape(77, smaller); // no match: nothing happens
    QCOMPARE(overlay().entries().size(), std::size_t(2));
}

void TstChartShapes::pressPriority_data()
{
    QTest::addColumn<bool>("lowFirst");
    QTest::newRow("low first in plot order") << true;
    QTest::newRow("high first in plot order") << false;
}

void TstChartShapes::pressPriority()
{
    QFETCH(bool, lowFirst);
    QStringList calls;
    // Plot order runs from the last added shape to the first.
    for (int priority : lowFirst ? QVector<int> { 5, 1 } : QVector<int> { 1, 5 }) {
        Shape shape = rectangle(priority, 20, 20, 40, 30, priority);
        const QString name = QString::number(priority);
        shape.setOnMousePressCallback([&calls, name]() { calls << "press " + name; });
        shape.setOnMouseReleaseCallback([&calls, name]() { calls << "release " + name; });
        shape.setXTranslationCallback([&calls, name](double) { calls << "move " + name; });
        widget->addShape(shape);
    }
    draw();
    drag({ 25, 23 }, { 27, 24 });
    const QStringList expected
        = lowFirst ? QStringList { "press 1", "press 5", "move 5" } : QStringList { "press 5", "move 5" };
    QCOMPARE(calls.mid(0, expected.size()), expected);
    QCOMPARE(calls.count("release 1"), 2); // once per plot, without a hit test
    QCOMPARE(calls.count("release 5"), 2);
    QCOMPARE(selections, 1);
}

void TstChartShapes::bodyDrag()
{
    int hover = -1;
    d->callbacks->hoverState = [&hover](int state) { hover = state; };
    Shape shape = rectangle(1, 20, 20, 40, 30);
    QPointF moved;
    const auto redraw = [this, &moved] {
        setRectangle(*widget->shape(1), 20 + moved.x(), 20 + moved.y(), 40 + moved.x(), 30 + moved.y());
    };
    shape.setXTranslationCallback([&moved, redraw](double dx) { moved.rx() += dx, redraw(); });
    shape.setYTranslationCallback([&moved, redraw](double dy) { moved.ry() += dy, redraw(); });
    shape.setShapeTooltipCallback(
        [](const Point2D& p) { return QStringLiteral("at %1").arg(std::round(p.x())); });
    widget->addShape(shape);
    draw();

    chart->MouseMoveEvent(mouse(0, screen(25, 23)));
    QCOMPARE(hover, 2);
    QCOMPARE(QString::fromStdString(chart->GetTooltip()->GetText()), QString("at 25"));
    QVERIFY(chart->GetTooltip()->GetVisible());
    // Over a handle the body does not count, even where the shape says it is inside.
    widget->shape(1)->setInsidePolygonCallback([](const Point2D&) { return true; });
    chart->MouseMoveEvent(mouse(0, screen(20, 25)));
    QCOMPARE(hover, 0);
    widget->shape(1)->setInsidePolygonCallback({});

    const QPointF delta = drag({ 25, 23 }, { 31, 26 });
    QCOMPARE(moved, delta);
    // Both plots now show the moved geometry.
    QCOMPARE(entry(0).outline.x->GetValue(0), 20 + delta.x());
    QCOMPARE(entry(0).outline.y->GetValue(7), 20 + delta.y());
    QCOMPARE(entry(0).handles.x->GetValue(1), 30 + delta.x());
    QCOMPARE(entry(0).handles.y->GetValue(11), 20 + delta.y());
    QCOMPARE(selections, 1);
    QCOMPARE(interactions, 0); // no pan
}

void TstChartShapes::handleDrag()
{
    Shape shape = rectangle(1, 20, 20, 40, 30);
    QVector<QPointF> resized;
    shape.setXResizeCallback([this, &resized](const Point2D& handle, double dx) {
        resized << QPointF(handle.x(), handle.y());
        setRectangle(*widget->shape(1), 20 + dx, 20, 40, 30);
    });
    shape.setYResizeCallback(
        [&resized](const Point2D& handle, double) { resized << QPointF(handle.x(), handle.y()); });
    shape.setCanDragAlongY(false);
    widget->addShape(shape);
    draw();
    const QPointF delta = drag({ 20, 20 }, { 17, 18 });
    QCOMPARE(resized, QVector<QPointF> { QPointF(20, 20) }); // no y resize without permission
    QCOMPARE(entry(0).handles.x->GetValue(0), 20 + delta.x());
    QCOMPARE(entry(0).outline.x->GetValue(7), 20 + delta.x());
    QCOMPARE(selections, 2); // the picked point, then the end of the drag
}

void TstChartShapes::callbacksRewritingTheOverlay_data()
{
    QTest::addColumn<QString>("action");
    for (const char* action : { "add lines", "clear lines", "draw", "remove", "clear", "update" })
        QTest::newRow(action) << QString(action);
}

void TstChartShapes::callbacksRewritingTheOverlay()
{
    QFETCH(QString, action);
    Shape shape = rectangle(1, 20, 20, 40, 30);
    int calls = 0;
    const auto callback = [this, action, &calls](double) {
        const QString kept = action; // a capture of the running callback, used after the rewrite
        ++calls;
        Shape* stored = widget->shape(1);
        if (action == "add lines") {
            for (int i = 0; i < 50; ++i)
                stored->addLine({ 0, 0 }, { 1, 1 });
        } else if (action == "clear lines") {
            stored->clear();
        } else if (action == "draw") {
            widget->drawShapes();
        } else if (action == "remove") {
            widget->removeShape(1);
        } else if (action == "clear") {
            widget->clearShape();
        } else if (action == "update") {
            Shape replacement = rectangle(1, 0, 0, 5, 5);
            widget->updateShape(1, replacement); // replaces this very callback
        }
        QCOMPARE(kept, action);
    };
    shape.setXTranslationCallback(callback);
    shape.setYTranslationCallback(callback);
    widget->addShape(shape);
    draw();
    const vtkVector2i a = screen(25, 23);
    const vtkVector2i b = screen(30, 26);
    chart->MouseButtonPressEvent(mouse(LEFT, a));
    chart->MouseMoveEvent(mouse(LEFT, b, a));
    chart->MouseMoveEvent(mouse(LEFT, a, b));
    chart->MouseButtonReleaseEvent(mouse(LEFT, a));
    paint();
    // Defined outcomes: a removed or redrawn shape is dragged no further; otherwise the drag goes on
    // (an updated shape without translation callbacks only once).
    const QMap<QString, int> expected { { "add lines", 4 }, { "clear lines", 4 }, { "draw", 1 },
        { "remove", 1 }, { "clear", 1 }, { "update", 1 } };
    QCOMPARE(calls, expected[action]);
    if (action == "add lines")
        QCOMPARE(entry(0).outline.table->GetNumberOfRows(), vtkIdType(8)); // rows kept until drawShapes
}

void TstChartShapes::axisRangesAndHitPoint()
{
    Shape shape = rectangle(1, 20, 20, 40, 30);
    QVector<QPointF> hits;
    shape.setInsidePolygonCallback([&hits](const Point2D& p) {
        hits << QPointF(p.x(), p.y());
        return false;
    });
    widget->addShape(shape);
    draw();
    chart->MouseWheelEvent(mouse(0, screen(25, 23)), 1);
    const double length = range(Axis::Bottom)[1] - range(Axis::Bottom)[0];
    Shape* stored = widget->shape(1);
    QVERIFY(stored->closeToLine(Point2D(20 + 0.049 * length, 1e9)));
    QVERIFY(!stored->closeToLine(Point2D(20 + 0.051 * length, 1e9)));

    // Below the bottom minimum the minimum is added to the hit point's x.
    d->axis(Axis::Bottom)->SetRange(100, 200);
    paint();
    hits.clear();
    const vtkVector2i at = screen(50, 25);
    chart->MouseButtonPressEvent(mouse(LEFT, at));
    chart->MouseButtonReleaseEvent(mouse(LEFT, at));
    QVERIFY(!hits.isEmpty());
    const double minimum = range(Axis::Bottom)[0];
    QVERIFY(minimum > 50);
    QVERIFY(qAbs(hits[0].x() - (data(vtkVector2f(at.Cast<float>())).x() + minimum)) < 1e-9);
}

void TstChartShapes::drawingRefillsTables()
{
    // Without a handle plot a body drag cannot reach the handle table, and an edit through shape() reaches
    // no table: drawing the shapes shows both.
    Shape shape = rectangle(1, 20, 20, 40, 30);
    shape.setHandleVisibility(false);
    shape.setXTranslationCallback(
        [this](double dx) { setRectangle(*widget->shape(1), 20 + dx, 20, 40 + dx, 30); });
    widget->addShape(shape);
    draw();
    const QPointF delta = drag({ 25, 23 }, { 31, 23 });
    widget->shape(1)->addLine({ 0, 0 }, { 1, 1 });
    draw();
    QCOMPARE(entry(0).outline.table->GetNumberOfRows(), vtkIdType(10));
    QCOMPARE(entry(0).handles.table->GetNumberOfRows(), vtkIdType(15));
    QCOMPARE(entry(0).handles.x->GetValue(0), 20 + delta.x());
    QCOMPARE(entry(0).outline.x->GetValue(9), 1.0);
}

void TstChartShapes::boxZoomEndsOverAHandle()
{
    Shape shape = rectangle(1, 20, 20, 40, 30);
    shape.setColor(Qt::red);
    shape.setHandleColor(Qt::red);
    widget->addShape(shape);
    draw();
    const QVector<double> x = range(Axis::Bottom);
    // Ctrl + right from an empty spot to the rectangle's corner handle.
    const vtkVector2i from = screen(70, 10);
    const vtkVector2i to = screen(40, 30);
    keys->SetControlKey(true);
    chart->MouseButtonPressEvent(mouse(RIGHT, from));
    chart->MouseMoveEvent(mouse(RIGHT, to, from));
    chart->MouseButtonReleaseEvent(mouse(RIGHT, to));
    keys->SetControlKey(false);
    // The box zooms as anywhere else, and ends no drag.
    QCOMPARE(interactions, 1);
    QCOMPARE(selections, 0);
    QVERIFY(range(Axis::Bottom)[0] > x[0]);

    // Nothing white is left where the box's lower edge was painted.
    paint();
    const QImage image = d->renderingWindow->grabFramebuffer();
    int white = 0;
    for (int column = to[0]; column <= from[0]; ++column) {
        for (int row = from[1] - 1; row <= from[1] + 1; ++row) {
            const QColor c = image.pixelColor(column, image.height() - 1 - row);
            white += c.red() > 240 && c.green() > 240 && c.blue() > 240 ? 1 : 0;
        }
    }
    QCOMPARE(white, 0);
}

void TstChartShapes::plotsRemovedBehindTheOverlay_data()
{
    QTest::addColumn<QString>("removal");
    for (const char* removal : { "outline", "handles", "all" })
        QTest::newRow(removal) << QString(removal);
}

void TstChartShapes::plotsRemovedBehindTheOverlay()
{
    // The chart drops shape plots without the overlay's knowledge; the overlay must neither keep using
    // them nor remove something else in their place later.
    QFETCH(QString, removal);
    int resized = 0;
    int moved = 0;
    Shape shape = rectangle(1, 20, 20, 40, 30);
    shape.setXResizeCallback([&resized](const Point2D&, double) { ++resized; });
    shape.setXTranslationCallback([&moved](double) { ++moved; });
    widget->addShape(shape);
    widget->addShape(rectangle(2, 60, 20, 70, 30));
    draw();
    const vtkSmartPointer<vtkPlot> data = d->plots[0].Get();
    const auto removePlot = [this](vtkPlot* plot) {
        for (vtkIdType i = 0; i < chart->GetNumberOfPlots(); ++i) {
            if (chart->GetPlot(i) == plot)
                return chart->RemovePlot(i);
        }
        return false;
    };
    if (removal == "outline") {
        QVERIFY(removePlot(entry(0).outlinePlot));
        QVERIFY(!entry(0).outlinePlot);
        QVERIFY(!util::plotInfo(entry(0).handlePlot)->linkedPlot);
    } else if (removal == "handles") {
        QVERIFY(removePlot(entry(0).handlePlot));
        QVERIFY(!entry(0).handlePlot);
        QVERIFY(!util::plotInfo(entry(0).outlinePlot)->linkedPlot);
    } else {
        chart->ClearPlots();
        QVERIFY(!entry(0).outlinePlot && !entry(0).handlePlot);
    }
    paint();
    // What is left still drags, and rewrites only the plots that exist.
    drag({ 20, 20 }, { 18, 19 });
    drag({ 25, 23 }, { 27, 24 });
    QCOMPARE(resized, removal == "outline" ? 1 : 0);
    QCOMPARE(moved, removal == "handles" ? 2 : 0);
    widget->redrawShapes();

    // Removing a shape, or all of them, and drawing anew leaves exactly the plots of what is stored.
    widget->removeShape(2);
    widget->drawShapes();
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(removal == "all" ? 2 : 3));
    QVERIFY(entry(0).outlinePlot && entry(0).handlePlot);
    if (removal != "all")
        QCOMPARE(chart->GetPlot(0), data.Get());
    widget->clearShape();
    widget->drawShapes();
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(removal == "all" ? 0 : 1));
    widget->addShape(rectangle(3, 0, 0, 5, 5));
    widget->drawShapes();
}

void TstChartShapes::anyShapeTitle()
{
    // Titles are host text: an empty one, and one that VTK, reading names as C strings, cuts at a NUL. Each
    // table keeps its two columns, and the plots read them.
    const QString titles[] = { QString(), QStringLiteral("a") + QChar(0) + QStringLiteral("b") };
    int id = 0;
    int moved = 0;
    for (const QString& title : titles) {
        ++id;
        Shape shape = rectangle(id, 20 * id, 20, 20 * id + 10, 30);
        shape.setTitle(title);
        shape.setXTranslationCallback([&moved](double) { ++moved; });
        widget->addShape(shape);
    }
    draw();
    for (std::size_t i = 0; i < std::size(titles); ++i) {
        for (auto [plot, table] : { std::pair(entry(i).outlinePlot.Get(), &entry(i).outline),
                 std::pair(entry(i).handlePlot.Get(), &entry(i).handles) }) {
            QCOMPARE(table->table->GetNumberOfColumns(), vtkIdType(2));
            QCOMPARE(plot->GetData()->GetInputArrayToProcess(0, table->table), table->x.Get());
            QCOMPARE(plot->GetData()->GetInputArrayToProcess(1, table->table), table->y.Get());
        }
    }
    // Both rectangles drag by their bodies.
    drag({ 25, 25 }, { 27, 26 });
    drag({ 45, 25 }, { 47, 26 });
    QCOMPARE(moved, 2);
}

void TstChartShapes::oneOfManyShapes()
{
    // Forty rectangles of equal priority, each half a unit right of the one before; all hold (30.7, 23), far
    // from every handle. Each is a legend entry, most of them beyond the window.
    QVector<int> moves(40, 0);
    QVector<double> shift(40, 0.0);
    for (int i = 0; i < 40; ++i) {
        Shape shape = rectangle(i, 10 + 0.5 * i, 20, 31 + 0.5 * i, 30);
        shape.setXTranslationCallback([this, &moves, &shift, i](double dx) {
            ++moves[i];
            shift[i] += dx;
            setRectangle(*widget->shape(i), 10 + 0.5 * i + shift[i], 20, 31 + 0.5 * i + shift[i], 30);
        });
        widget->addShape(shape);
    }
    draw();
    QCOMPARE(static_cast<util::ChartLegend*>(chart->GetLegend())->GetNumberOfRows(), 41);
    const auto dragged = [&moves, this] {
        moves.fill(0);
        drag({ 30.7, 23 }, { 32, 23 });
        // The one shape moved, once; -1 when none or several were.
        return moves.count(0) == 39 ? moves.indexOf(1) : -1;
    };
    // Of equal priorities the first in painting order is picked: the one added last.
    QCOMPARE(dragged(), 39);
    // A higher priority wins wherever its shape lies in the stack.
    widget->shape(17)->setPriority(2);
    QCOMPARE(dragged(), 17);
    widget->shape(3)->setPriority(3);
    QCOMPARE(dragged(), 3);
    // Only the dragged shapes' tables moved.
    QVERIFY(shift[3] > 1.0);
    QCOMPARE(entry(3).outline.x->GetValue(0), 11.5 + shift[3]);
    QCOMPARE(entry(4).outline.x->GetValue(0), 12.0);
    QCOMPARE(entry(4).handles.x->GetValue(0), 12.0);
    // Removed shapes leave the pick, the legend and the chart with the next drawing.
    widget->removeShape(3);
    widget->removeShape(39);
    draw();
    QCOMPARE(static_cast<util::ChartLegend*>(chart->GetLegend())->GetNumberOfRows(), 39);
    QCOMPARE(overlay().entries().size(), std::size_t(38));
    QCOMPARE(dragged(), 17);
    widget->shape(17)->setPriority(0);
    QCOMPARE(dragged(), 38);
}

QTEST_MAIN(TstChartShapes)
#include "tst_chart_shapes.moc"
