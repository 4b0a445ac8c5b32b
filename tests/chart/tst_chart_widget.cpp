// util::ChartWidget: the scene, on-demand rendering, the data path and a rendered image.
#include "chart_fixture.h"

#include <vtkContextKeyEvent.h>
#include <vtkTooltipItem.h>

#include <climits>
#include <limits>

Q_DECLARE_METATYPE(util::Range)

class TstChartWidget : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { open(false); }
    void cleanup() { close(); }
    void sceneAndAxes();
    void renderOncePerChange();
    void keepsOrRebuildsPlots();
    void fitsAndRefits();
    void fixedRanges_data();
    void fixedRanges();
    void boundsAreSaturatedIntegers();
    void seriesKinds();
    void restyles();
    void coordinateConversion();
    void renderedPixels();
    void chartOutlivingTheWidget();
    void anySeriesName();
    void countsAreReadWhenGiven();
    void plotsDroppedByTheChart();
    void fitShowsTheData_data();
    void fitShowsTheData();

private:
    QVector<int> primaryBounds() const
    {
        const auto& b = d->dataBounds;
        return { b[0], b[1], b[2], b[3] };
    }
};

void TstChartWidget::sceneAndAxes()
{
    QVERIFY(chart->GetKeepAspectRatio());
    // Typed characters reach none of VTK's default key bindings.
    QVERIFY(!d->view->GetInteractor()->HasObserver(vtkCommand::CharEvent));
    // Colours lose their alpha; titles and colours alone ask for no render.
    widget->setBottomColorTitle(QColor(255, 128, 0, 10));
    QCOMPARE(widget->bottomColorTitle(), QColor(255, 128, 0));
    QVERIFY(!d->renderingWindow->renderPending);

    widget->setAxisVisibility(Axis::Right, true);
    QVERIFY(widget->axisVisibility(Axis::Right));
    widget->setAxisVisibility(Axis(9), true);
    QVERIFY(!widget->axisVisibility(Axis(9)));
    // The next chart update derives visibility from the corners again.
    auto data = makeCurves({ { 0, 0 }, { 1, 1 } });
    widget->setData({ makeSeries(data.get(), "a") });
    widget->render();
    QVERIFY(widget->axisVisibility(Axis::Left) && !widget->axisVisibility(Axis::Right));
}

void TstChartWidget::renderOncePerChange()
{
    widget->render();
    QCOMPARE(renders, 0);
    auto data = makeCurves({ { 0, 0 }, { 1, 1 } });
    widget->setData({ makeSeries(data.get(), "a") });
    widget->render();
    widget->render();
    QCOMPARE(renders, 1);
    widget->update();
    widget->render();
    QCOMPARE(renders, 2);
    widget->resetView();
    widget->render();
    QCOMPARE(renders, 3);
}

void TstChartWidget::keepsOrRebuildsPlots()
{
    auto a = makeCurves({ { 0, 0 }, { 10, 10 } });
    auto b = makeCurves({ { 0, 0 }, { 5, 5 }, { 20, 20 } });
    widget->setData({ makeSeries(a.get(), "a"), makeSeries(b.get(), "b") });
    const std::vector<vtkWeakPointer<vtkPlot>> first = d->plots;
    const vtkTable* table = d->tables[0];

    // Same names and counts: the plots and tables stay, take the new values, and the user's view is kept.
    d->axis(Axis::Bottom)->SetRange(3, 4);
    a->SetValidPoints({ { 1, 1 }, { 2, 2 } });
    widget->setData({ makeSeries(a.get(), "a"), makeSeries(b.get(), "b") });
    QCOMPARE(d->plots, first);
    QCOMPARE(d->tables[0].Get(), table);
    QCOMPARE(d->tables[0]->GetValueByName(1, "a").ToFloat(), 2.0f);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ 3, 4 }));

    // A renamed series rebuilds every plot and refits; so does another point count.
    widget->setData({ makeSeries(a.get(), "a"), makeSeries(b.get(), "c") });
    QVERIFY(d->plots[0] != first[0]);
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(2));
    QVERIFY(range(Axis::Bottom) != QVector<double>({ 3, 4 }));
    const std::vector<vtkWeakPointer<vtkPlot>> second = d->plots;
    auto longer = makeCurves({ { 0, 0 }, { 1, 1 }, { 2, 2 } });
    widget->setData({ makeSeries(longer.get(), "a"), makeSeries(b.get(), "c") });
    QVERIFY(d->plots[0] != second[0]);
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(2));
}

void TstChartWidget::fitsAndRefits()
{
    // The longer side sets the scale of the 800 x 400 area; the hidden top and right axes fit the data.
    auto a = makeCurves({ { -10, 0 }, { 10, 100 } });
    const std::vector<ChartPlot> list { makeSeries(a.get(), "a") };
    widget->setData(list);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ -35, 35 }));
    QCOMPARE(range(Axis::Left), QVector<double>({ 0, 100 }));
    QCOMPARE(range(Axis::Top), QVector<double>({ -10, 10 }));
    QCOMPARE(range(Axis::Right), QVector<double>({ 0, 100 }));
    QVERIFY(d->renderingWindow->renderPending);

    // A one-shot refit applies to the next update only.
    d->axis(Axis::Bottom)->SetRange(3, 4);
    widget->resetViewOnNewData();
    widget->setData(list);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ -35, 35 }));
    d->axis(Axis::Bottom)->SetRange(3, 4);
    widget->setData(list);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ 3, 4 }));

    // An empty list drops every plot, keeps the bounds and refits.
    const QVector<int> bounds = primaryBounds();
    widget->setData({});
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(0));
    QVERIFY(d->tables.empty() && d->plots.empty() && widget->cachedPlot().empty());
    QCOMPARE(primaryBounds(), bounds);
    QVERIFY(range(Axis::Bottom) != QVector<double>({ 3, 4 }));
}

void TstChartWidget::fixedRanges_data()
{
    QTest::addColumn<util::Range>("xRange");
    QTest::addColumn<util::Range>("yRange");
    QTest::addColumn<QVector<int>>("bounds");
    QTest::newRow("both") << util::Range(-50, 50) << util::Range(0, 1000)
                          << QVector<int> { -50, 50, 0, 1000 };
    QTest::newRow("x only") << util::Range(-50, 50) << util::Range() << QVector<int> { 1, 9, 2, 8 };
    QTest::newRow("y only") << util::Range() << util::Range(0, 1000) << QVector<int> { 1, 9, 2, 8 };
    QTest::newRow("huge") << util::Range(-1e20, 1e20)
                          << util::Range(0, std::numeric_limits<double>::infinity())
                          << QVector<int> { INT_MIN, INT_MAX, 0, INT_MAX };
}

void TstChartWidget::fixedRanges()
{
    QFETCH(util::Range, xRange);
    QFETCH(util::Range, yRange);
    QFETCH(QVector<int>, bounds);
    auto a = makeCurves({ { 1, 2 }, { 9, 8 } });
    ChartPlot plot = makeSeries(a.get(), "a");
    plot.xRange = xRange;
    plot.yRange = yRange;
    widget->setData({ plot });
    QCOMPARE(primaryBounds(), bounds);
    const auto& all = d->dataBounds;
    QCOMPARE(QVector<int>({ all[4], all[5], all[6], all[7] }), bounds);
}

void TstChartWidget::boundsAreSaturatedIntegers()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Rounded outwards; non-finite samples are drawn by VTK's rules but never bound the view.
    auto a = makeCurves({ { 0.4f, -3.7f }, { 9.6f, 5.9f }, { nan, 100 }, { inf, 1 }, { 2, -inf } });
    // A series without curves is an empty series.
    widget->setData({ makeSeries(a.get(), "a"), makeSeries(nullptr, "none") });
    QCOMPARE(primaryBounds(), QVector<int>({ 0, 10, -4, 6 }));
    QCOMPARE(d->tables[0]->GetNumberOfRows(), vtkIdType(5));
    QCOMPARE(d->tables[1]->GetNumberOfRows(), vtkIdType(0));
    widget->render();
    QCOMPARE(renders, 1);

    // Only non-finite samples leave the bounds as they were.
    auto bad = makeCurves({ { nan, nan }, { inf, -inf } });
    widget->setData({ makeSeries(bad.get(), "bad") });
    QCOMPARE(primaryBounds(), QVector<int>({ 0, 10, -4, 6 }));
}

void TstChartWidget::seriesKinds()
{
    auto a = makeCurves({ { 1, 10 }, { 3, 30 } });
    QVERIFY(a->SetValidPointData("reflectance", std::vector<std::uint16_t> { 4000, 65535 }));
    QVERIFY(a->SetValidPointData("peak_width", std::vector<std::uint8_t> { 7, 255 }));
    auto plain = makeCurves({ { 100, 1 } });
    widget->setData({ makeSeries(a.get(), "r", util::Reflectance), makeSeries(a.get(), "w", util::PeakWidth),
        makeSeries(a.get(), "odd", 7), makeSeries(plain.get(), "no channel", util::Reflectance) });
    QCOMPARE(d->tables[0]->GetValue(1, 1).ToFloat(), 65535.0f);
    QCOMPARE(d->tables[0]->GetValue(1, 0).ToFloat(), 3.0f);
    QCOMPARE(d->tables[1]->GetValue(0, 1).ToFloat(), 7.0f);
    QCOMPARE(d->tables[2]->GetNumberOfRows(), vtkIdType(0));
    QCOMPARE(d->tables[3]->GetNumberOfRows(), vtkIdType(0));
    // Per-point values feed no y bound; only x.
    QCOMPARE(primaryBounds(), QVector<int>({ 1, 3, -100000, 100000 }));

    // A series whose channel disappears keeps its previous rows.
    a->RemovePointData("reflectance");
    widget->setData(widget->cachedPlot());
    QCOMPARE(d->tables[0]->GetNumberOfRows(), vtkIdType(2));
}

void TstChartWidget::restyles()
{
    auto a = makeCurves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ makeSeries(a.get(), "a") });
    widget->render();
    vtkPlot* plot = d->plots[0];
    const vtkMTimeType tableTime = d->tables[0]->GetMTime();
    const QVector<double> bottom = range(Axis::Bottom);

    widget->cachedPlot()[0].color = QColor(255, 0, 0);
    widget->cachedPlot()[0].visible = false;
    widget->cachedPlot()[0].corner = 2;
    widget->update();
    unsigned char rgb[3];
    plot->GetColor(rgb);
    QCOMPARE(QColor(rgb[0], rgb[1], rgb[2]), QColor(255, 0, 0));
    QVERIFY(!plot->GetVisible());
    QCOMPARE(chart->GetPlotCorner(plot), 2);
    QCOMPARE(d->tables[0]->GetMTime(), tableTime);
    QCOMPARE(range(Axis::Bottom), bottom);
    QVERIFY(d->renderingWindow->renderPending);

    // More records than plots: only the existing plot is restyled.
    std::vector<ChartPlot> longer = widget->cachedPlot();
    longer[0].visible = true;
    longer.push_back(makeSeries(a.get(), "extra"));
    widget->update(longer);
    QVERIFY(plot->GetVisible());
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(1));
}

void TstChartWidget::coordinateConversion()
{
    auto a = makeCurves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ makeSeries(a.get(), "a") });
    widget->render();
    vtkAxis* bottom = d->axis(Axis::Bottom);
    vtkAxis* left = d->axis(Axis::Left);
    const double xSpan = bottom->GetMaximum() - bottom->GetMinimum();
    const double ySpan = left->GetMaximum() - left->GetMinimum();
    util::Point2D pixels, data;
    widget->coordinateToPixel({ xSpan / 2, ySpan }, pixels);
    QCOMPARE(pixels.x(), int(bottom->GetPoint2()[0] - bottom->GetPoint1()[0]) / 2.0);
    QCOMPARE(pixels.y(), double(int(left->GetPoint2()[1] - left->GetPoint1()[1])));
    widget->pixelToCoordinate(pixels, data);
    QCOMPARE(QPointF(data.x(), data.y()), QPointF(xSpan / 2, ySpan));
    widget->coordinateToPixel(util::Point2D(), pixels);
    widget->pixelToCoordinate(util::Point2D(), data);
    QVERIFY(std::isnan(pixels.x()) && std::isnan(pixels.y()) && std::isnan(data.x()) && std::isnan(data.y()));
}

void TstChartWidget::renderedPixels()
{
    // A 5 x 5 grid of green markers on the dark background.
    std::vector<Vorn3dParametricCurveArray::Point> grid;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j)
            grid.push_back({ float(i * 20), float(j * 20) });
    }
    auto a = makeCurves(grid);
    ChartPlot plot = makeSeries(a.get(), "grid");
    plot.color = QColor(0, 255, 0);
    widget->setData({ plot });
    widget->render();
    const QImage image = d->renderingWindow->grabFramebuffer();
    QCOMPARE(image.size(), QSize(800, 400));

    // Scene coordinates have y upwards; the image has y downwards.
    const auto pixelOf = [&](double x, double y) {
        const vtkVector2i at = screen(x, y);
        return QPoint(at[0], image.height() - 1 - at[1]);
    };
    const auto litNear = [&](QPoint at) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor c = image.pixelColor(at + QPoint(dx, dy));
                if (c.green() > 200 && c.red() < 80 && c.blue() < 80)
                    return true;
            }
        }
        return false;
    };
    for (const auto& p : grid)
        QVERIFY2(litNear(pixelOf(p.x, p.height)), qPrintable(QString("marker %1,%2").arg(p.x).arg(p.height)));
    for (double x : { 10.0, 30.0, 50.0 }) {
        for (double y : { 10.0, 30.0 }) {
            const QColor c = image.pixelColor(pixelOf(x, y));
            QVERIFY2(c.red() < 60 && c.green() < 60 && c.blue() < 60,
                qPrintable(QString("background %1,%2").arg(x).arg(y)));
        }
    }
}

void TstChartWidget::chartOutlivingTheWidget()
{
    // Whoever still holds the chart after the widget is gone finds no callbacks to call.
    const vtkSmartPointer<util::ChartXY> kept = chart;
    widget.reset();
    QVERIFY(!kept->GetCallbacks());
    kept->MouseLeaveEvent(mouse(0, vtkVector2f(10, 10)));
    kept->KeyPressEvent(vtkContextKeyEvent());
}

void TstChartWidget::anySeriesName()
{
    // The x column's name, an empty name and a name used twice: each series keeps its own points, and the
    // legend and the tooltips show the host's names.
    const QStringList names { QStringLiteral("X Coordinates"), QString(), QStringLiteral("a"),
        QStringLiteral("a"), QStringLiteral("X Coordinates") + QChar(0) + QStringLiteral("and more") };
    std::vector<std::unique_ptr<Vorn3dParametricCurveArray>> curves;
    std::vector<ChartPlot> list;
    for (int i = 0; i < names.size(); ++i) {
        curves.push_back(makeCurves({ { 0, 20.0f * float(i) }, { 10, 20.0f * float(i) } }));
        list.push_back(makeSeries(curves.back().get(), names[i]));
    }
    widget->setData(list);
    widget->setData(list);
    // Every point well inside the plot area.
    d->axis(Axis::Bottom)->SetRange(-50, 50);
    d->axis(Axis::Left)->SetRange(-10, 90);
    chart->RecalculateBounds();
    paint();
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        vtkPlot* plot = d->plots[std::size_t(i)];
        QCOMPARE(QString::fromStdString(plot->GetLabel()), names[i]);
        QCOMPARE(d->tables[std::size_t(i)]->GetNumberOfColumns(), vtkIdType(2));
        chart->MouseMoveEvent(mouse(0, screen(10, 20.0 * i)));
        QVERIFY(chart->GetTooltip()->GetVisible());
        QCOMPARE(QString::fromStdString(chart->GetTooltip()->GetText()),
            QStringLiteral("%1: 10,  %2").arg(names[i]).arg(20 * i));
    }
}

void TstChartWidget::countsAreReadWhenGiven()
{
    // A host refilling one curve array in place: a new point count rebuilds, as with a new array.
    auto a = makeCurves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ makeSeries(a.get(), "a") });
    const vtkWeakPointer<vtkPlot> first = d->plots[0];
    d->axis(Axis::Bottom)->SetRange(3, 4);
    a->SetValidPoints({ { 0, 0 }, { 5, 5 }, { 20, 20 } });
    widget->setData({ makeSeries(a.get(), "a") });
    QVERIFY(d->plots[0] != first);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ -5, 25 })); // refitted: x 0..20 padded for 800 x 400

    // A host freeing the last frame's array before the next setData: the chart never reads it again.
    const vtkWeakPointer<vtkPlot> second = d->plots[0];
    a.reset();
    auto b = makeCurves({ { 1, 1 }, { 2, 2 }, { 3, 3 } });
    widget->setData({ makeSeries(b.get(), "a") });
    QCOMPARE(d->plots[0], second);
    QCOMPARE(d->tables[0]->GetValue(2, 1).ToFloat(), 3.0f);
}

void TstChartWidget::plotsDroppedByTheChart()
{
    auto a = makeCurves({ { 0, 0 }, { 10, 10 } });
    const std::vector<ChartPlot> list { makeSeries(a.get(), "a"), makeSeries(a.get(), "b") };
    widget->setData(list);
    chart->ClearPlots();
    QVERIFY(!d->plots[0] && !d->plots[1]);
    widget->update(); // restyles nothing that is gone
    widget->setData(list); // and the next data build the plots anew
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(2));
    QVERIFY(d->plots[0] && d->plots[1]);
    paint();
}

void TstChartWidget::fitShowsTheData_data()
{
    QTest::addColumn<QPointF>("min");
    QTest::addColumn<QPointF>("max");
    QTest::addColumn<QVector<int>>("bounds");
    QTest::newRow("fractional ends") << QPointF(-3.7, -0.5) << QPointF(9.6, 20.2)
                                     << QVector<int> { -4, 10, -1, 21 };
    QTest::newRow("within one unit") << QPointF(0.1, 0.1) << QPointF(0.9, 0.9) << QVector<int> { 0, 1, 0, 1 };
    QTest::newRow("a single point") << QPointF(5, -7) << QPointF(5, -7) << QVector<int> { 5, 6, -7, -6 };
    QTest::newRow("at the int limit")
        << QPointF(3e9, 0) << QPointF(4e9, 0) << QVector<int> { INT_MAX - 1, INT_MAX, 0, 1 };
}

void TstChartWidget::fitShowsTheData()
{
    QFETCH(QPointF, min);
    QFETCH(QPointF, max);
    QFETCH(QVector<int>, bounds);
    auto a = makeCurves({ { float(min.x()), float(min.y()) }, { float(max.x()), float(max.y()) } });
    widget->setData({ makeSeries(a.get(), "a") });
    // Integer bounds around the data, at least one unit long.
    QCOMPARE(primaryBounds(), bounds);
    // The fitted view holds the bounds, x widened on each side by a quarter of the y extent for the
    // 800 x 400 window.
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const double pad = (double(bounds[3]) - bounds[2]) / 4;
    QVERIFY2(x[0] <= bounds[0] - pad && x[1] >= std::min(bounds[1] + pad, double(INT_MAX)),
        qPrintable(QStringLiteral("%1..%2").arg(x[0]).arg(x[1])));
    QVERIFY2(
        y[0] <= bounds[2] && y[1] >= bounds[3], qPrintable(QStringLiteral("%1..%2").arg(y[0]).arg(y[1])));
    QCOMPARE(x[0], std::floor(x[0]));
    QCOMPARE(x[1], std::floor(x[1]));
    QVERIFY(x[1] > x[0] && y[1] > y[0]);
}

QTEST_MAIN(TstChartWidget)
#include "tst_chart_widget.moc"
