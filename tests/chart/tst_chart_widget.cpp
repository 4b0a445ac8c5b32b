// util::ChartWidget: the scene, titles, on-demand rendering, the data path and a rendered image.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"

#include <vorn/Vorn3dParametricCurveArray.h>

#include <QtTest>

#include <vtkAxis.h>
#include <vtkCallbackCommand.h>
#include <vtkChartLegend.h>
#include <vtkOpenGLRenderWindow.h>
#include <vtkPen.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTextProperty.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include <dlfcn.h>
#include <link.h>

Q_DECLARE_METATYPE(util::Range)

using util::Axis;
using util::ChartPlot;
using util::ChartWidget;
using util::ChartWidgetPrivate;

namespace {

std::unique_ptr<Vorn3dParametricCurveArray> curves(std::vector<Vorn3dParametricCurveArray::Point> points)
{
    auto result = std::make_unique<Vorn3dParametricCurveArray>();
    result->SetValidPoints(std::move(points));
    return result;
}

ChartPlot series(Vorn3dParametricCurveArray* data, const QString& name, int kind = util::Profile)
{
    ChartPlot plot;
    plot.curves = data;
    plot.name = name;
    plot.color = Qt::green;
    plot.kind = kind;
    return plot;
}

QVector<double> range(vtkAxis* axis)
{
    return { axis->GetMinimum(), axis->GetMaximum() };
}

QVector<int> primaryBounds(ChartWidget& widget)
{
    const auto& b = ChartWidgetPrivate::get(&widget)->dataBounds;
    return { b[0], b[1], b[2], b[3] };
}

} // namespace

class TstChartWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void scene();
    void titlesAndColours();
    void axisVisibility();
    void renderOncePerChange();
    void keepsOrRebuildsPlots();
    void emptyList();
    void oneShotRefit();
    void fixedRanges_data();
    void fixedRanges();
    void boundsAreSaturatedIntegers();
    void seriesKinds();
    void fitsLongerSide();
    void restyles();
    void coordinateConversion();
    void renderedPixels();

private:
    std::unique_ptr<ChartWidget> widget;
    ChartWidgetPrivate* d = nullptr;
    int renders = 0;
};

void TstChartWidget::initTestCase()
{
    // Exact pixels: no multisampling.
    vtkOpenGLRenderWindow::SetGlobalMaximumNumberOfMultiSamples(0);
}

void TstChartWidget::init()
{
    widget = std::make_unique<ChartWidget>();
    d = ChartWidgetPrivate::get(widget.get());
    widget->resize(800, 400);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[0], 800);
    QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[1], 400);
    renders = 0;
    vtkNew<vtkCallbackCommand> counter;
    counter->SetClientData(&renders);
    counter->SetCallback([](vtkObject*, unsigned long, void* count, void*) { ++*static_cast<int*>(count); });
    d->renderingWindow->renderWindow->AddObserver(vtkCommand::EndEvent, counter);
}

void TstChartWidget::cleanup()
{
    // Keep the GL driver Mesa loaded for the widget until exit: once unloaded, the allocations it keeps
    // can no longer be named in leak reports and escape the platform's leak suppressions.
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so"))
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
    widget.reset();
}

void TstChartWidget::scene()
{
    QVERIFY(d->chart->GetKeepAspectRatio());
    QCOMPARE(d->axis(Axis::Right)->GetGridPen()->GetOpacity(), 0);
    // Typed characters reach none of VTK's default key bindings.
    QVERIFY(!d->view->GetInteractor()->HasObserver(vtkCommand::CharEvent));
    // The chart's renderRequest raises the pending flag.
    d->callbacks->renderRequest(true);
    QVERIFY(d->renderingWindow->renderPending);
}

void TstChartWidget::titlesAndColours()
{
    widget->setTitle(QString::fromUtf8("Höhe in µm"));
    QCOMPARE(widget->title(), QString::fromUtf8("Höhe in µm"));
    widget->setBottomColorTitle(QColor(255, 128, 0, 10));
    QCOMPARE(widget->bottomColorTitle(), QColor(255, 128, 0));
    // Setting titles and colours alone does not ask for a render.
    QVERIFY(!d->renderingWindow->renderPending);
}

void TstChartWidget::axisVisibility()
{
    QVERIFY(widget->axisVisibility(Axis::Left));
    QVERIFY(!widget->axisVisibility(Axis::Top));
    QVERIFY(!widget->axisVisibility(Axis::Right));
    widget->setAxisVisibility(Axis::Right, true);
    QVERIFY(widget->axisVisibility(Axis::Right));
    widget->setAxisVisibility(Axis(9), true);
    QVERIFY(!widget->axisVisibility(Axis(9)));

    // The next chart update derives visibility from the corners again.
    auto data = curves({ { 0, 0 }, { 1, 1 } });
    widget->setData({ series(data.get(), "a") });
    widget->render();
    QVERIFY(!widget->axisVisibility(Axis::Right));
}

void TstChartWidget::renderOncePerChange()
{
    widget->render();
    QCOMPARE(renders, 0);
    auto data = curves({ { 0, 0 }, { 1, 1 } });
    widget->setData({ series(data.get(), "a") });
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
    auto a = curves({ { 0, 0 }, { 10, 10 } });
    auto b = curves({ { 0, 0 }, { 5, 5 }, { 20, 20 } });
    widget->setData({ series(a.get(), "a"), series(b.get(), "b") });
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(2));
    QCOMPARE(util::plotInfo(d->plots[1])->name, QString("b"));
    const std::vector<vtkPlot*> first = d->plots;
    const vtkTable* table = d->tables[0];

    // Same names and counts: the plots stay and the user's view is kept.
    d->axis(Axis::Bottom)->SetRange(3, 4);
    a->SetValidPoints({ { 1, 1 }, { 2, 2 } });
    widget->setData({ series(a.get(), "a"), series(b.get(), "b") });
    QCOMPARE(d->plots, first);
    QCOMPARE(d->tables[0].Get(), table);
    QCOMPARE(d->tables[0]->GetValueByName(1, "a").ToFloat(), 2.0f);
    QCOMPARE(range(d->axis(Axis::Bottom)), QVector<double>({ 3, 4 }));

    // A renamed series rebuilds every plot and refits.
    widget->setData({ series(a.get(), "a"), series(b.get(), "c") });
    QVERIFY(d->plots[0] != first[0]);
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(2));
    QVERIFY(range(d->axis(Axis::Bottom)) != QVector<double>({ 3, 4 }));

    // So does another point count.
    const std::vector<vtkPlot*> second = d->plots;
    auto longer = curves({ { 0, 0 }, { 1, 1 }, { 2, 2 } });
    widget->setData({ series(longer.get(), "a"), series(b.get(), "c") });
    QVERIFY(d->plots[0] != second[0]);
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(2));
}

void TstChartWidget::emptyList()
{
    widget->setData({});
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(0));
    auto a = curves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ series(a.get(), "a") });
    const QVector<int> bounds = primaryBounds(*widget);
    d->axis(Axis::Bottom)->SetRange(3, 4);
    widget->setData({});
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(0));
    QVERIFY(d->tables.empty() && d->plots.empty() && widget->cachedPlot().empty());
    QCOMPARE(primaryBounds(*widget), bounds);
    QVERIFY(range(d->axis(Axis::Bottom)) != QVector<double>({ 3, 4 }));
}

void TstChartWidget::oneShotRefit()
{
    auto a = curves({ { 0, 0 }, { 10, 10 } });
    const std::vector<ChartPlot> list { series(a.get(), "a") };
    widget->setData(list);
    d->axis(Axis::Bottom)->SetRange(3, 4);
    widget->resetViewOnNewData();
    widget->setData(list);
    QVERIFY(range(d->axis(Axis::Bottom)) != QVector<double>({ 3, 4 }));
    d->axis(Axis::Bottom)->SetRange(3, 4);
    widget->setData(list);
    QCOMPARE(range(d->axis(Axis::Bottom)), QVector<double>({ 3, 4 }));
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
    auto a = curves({ { 1, 2 }, { 9, 8 } });
    ChartPlot plot = series(a.get(), "a");
    plot.xRange = xRange;
    plot.yRange = yRange;
    widget->setData({ plot });
    QCOMPARE(primaryBounds(*widget), bounds);
    const auto& all = d->dataBounds;
    QCOMPARE(QVector<int>({ all[4], all[5], all[6], all[7] }), bounds);
}

void TstChartWidget::boundsAreSaturatedIntegers()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Truncated toward zero; non-finite samples are drawn by VTK's rules but never bound the view.
    auto a = curves({ { 0.4f, -3.7f }, { 9.6f, 5.9f }, { nan, 100 }, { inf, 1 }, { 2, -inf } });
    // A series without curves is an empty series.
    widget->setData({ series(a.get(), "a"), series(nullptr, "none") });
    QCOMPARE(primaryBounds(*widget), QVector<int>({ 0, 9, -3, 5 }));
    QCOMPARE(d->tables[0]->GetNumberOfRows(), vtkIdType(5));
    QCOMPARE(d->tables[1]->GetNumberOfRows(), vtkIdType(0));
    widget->render();
    QCOMPARE(renders, 1);

    // Only non-finite samples leave the bounds as they were.
    auto bad = curves({ { nan, nan }, { inf, -inf } });
    widget->setData({ series(bad.get(), "bad") });
    QCOMPARE(primaryBounds(*widget), QVector<int>({ 0, 9, -3, 5 }));
}

void TstChartWidget::seriesKinds()
{
    auto a = curves({ { 1, 10 }, { 3, 30 } });
    QVERIFY(a->SetValidPointData("reflectance", std::vector<std::uint16_t> { 4000, 65535 }));
    QVERIFY(a->SetValidPointData("peak_width", std::vector<std::uint8_t> { 7, 255 }));
    auto plain = curves({ { 100, 1 } });
    widget->setData({ series(a.get(), "r", util::Reflectance), series(a.get(), "w", util::PeakWidth),
        series(a.get(), "odd", 7), series(plain.get(), "no channel", util::Reflectance) });
    QCOMPARE(d->tables[0]->GetValue(1, 1).ToFloat(), 65535.0f);
    QCOMPARE(d->tables[0]->GetValue(1, 0).ToFloat(), 3.0f);
    QCOMPARE(d->tables[1]->GetValue(0, 1).ToFloat(), 7.0f);
    QCOMPARE(d->tables[2]->GetNumberOfRows(), vtkIdType(0));
    QCOMPARE(d->tables[3]->GetNumberOfRows(), vtkIdType(0));
    // Per-point values feed no y bound; only x.
    QCOMPARE(primaryBounds(*widget), QVector<int>({ 1, 3, -100000, 100000 }));

    // A series whose channel disappears keeps its previous rows.
    a->RemovePointData("reflectance");
    widget->setData(widget->cachedPlot());
    QCOMPARE(d->tables[0]->GetNumberOfRows(), vtkIdType(2));
}

void TstChartWidget::fitsLongerSide()
{
    auto a = curves({ { -10, 0 }, { 10, 100 } });
    widget->setData({ series(a.get(), "a") });
    QCOMPARE(range(d->axis(Axis::Bottom)), QVector<double>({ -35, 35 }));
    QCOMPARE(range(d->axis(Axis::Left)), QVector<double>({ 0, 100 }));
    QCOMPARE(range(d->axis(Axis::Top)), QVector<double>({ -10, 10 }));
    QCOMPARE(range(d->axis(Axis::Right)), QVector<double>({ 0, 100 }));
    QVERIFY(d->renderingWindow->renderPending);
}

void TstChartWidget::restyles()
{
    auto a = curves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ series(a.get(), "a") });
    widget->render();
    vtkPlot* plot = d->plots[0];
    const vtkMTimeType tableTime = d->tables[0]->GetMTime();
    const QVector<double> bottom = range(d->axis(Axis::Bottom));

    widget->cachedPlot()[0].color = QColor(255, 0, 0);
    widget->cachedPlot()[0].visible = false;
    widget->cachedPlot()[0].corner = 2;
    widget->update();
    unsigned char rgb[3];
    plot->GetColor(rgb);
    QCOMPARE(QColor(rgb[0], rgb[1], rgb[2]), QColor(255, 0, 0));
    QVERIFY(!plot->GetVisible());
    QCOMPARE(d->chart->GetPlotCorner(plot), 2);
    QCOMPARE(d->tables[0]->GetMTime(), tableTime);
    QCOMPARE(range(d->axis(Axis::Bottom)), bottom);
    QVERIFY(d->renderingWindow->renderPending);

    // More records than plots: only the existing plot is restyled.
    std::vector<ChartPlot> longer = widget->cachedPlot();
    longer[0].visible = true;
    longer.push_back(series(a.get(), "extra"));
    widget->update(longer);
    QVERIFY(plot->GetVisible());
    QCOMPARE(d->chart->GetNumberOfPlots(), vtkIdType(1));
}

void TstChartWidget::coordinateConversion()
{
    auto a = curves({ { 0, 0 }, { 10, 10 } });
    widget->setData({ series(a.get(), "a") });
    widget->render();
    vtkAxis* bottom = d->axis(Axis::Bottom);
    vtkAxis* left = d->axis(Axis::Left);
    const double xSpan = bottom->GetMaximum() - bottom->GetMinimum();
    const double ySpan = left->GetMaximum() - left->GetMinimum();
    const int wPx = int(bottom->GetPoint2()[0] - bottom->GetPoint1()[0]);
    const int hPx = int(left->GetPoint2()[1] - left->GetPoint1()[1]);
    QVERIFY(wPx > 600 && hPx > 250);

    util::Point2D pixels;
    widget->coordinateToPixel({ xSpan / 2, ySpan }, pixels);
    QCOMPARE(pixels.x(), wPx / 2.0);
    QCOMPARE(pixels.y(), double(hPx));
    util::Point2D data;
    widget->pixelToCoordinate(pixels, data);
    QCOMPARE(data.x(), xSpan / 2);
    QCOMPARE(data.y(), ySpan);

    widget->coordinateToPixel(util::Point2D(), pixels);
    QVERIFY(std::isnan(pixels.x()) && std::isnan(pixels.y()));
    widget->pixelToCoordinate(util::Point2D(), data);
    QVERIFY(std::isnan(data.x()) && std::isnan(data.y()));
}

void TstChartWidget::renderedPixels()
{
    // A 5 x 5 grid of green markers on the dark background.
    std::vector<Vorn3dParametricCurveArray::Point> grid;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j)
            grid.push_back({ float(i * 20), float(j * 20) });
    }
    auto a = curves(grid);
    ChartPlot plot = series(a.get(), "grid");
    plot.color = QColor(0, 255, 0);
    widget->setData({ plot });
    widget->render();
    const QImage image = d->renderingWindow->grabFramebuffer();
    QCOMPARE(image.size(), QSize(800, 400));

    vtkAxis* bottom = d->axis(Axis::Bottom);
    vtkAxis* left = d->axis(Axis::Left);
    // Scene coordinates have y upwards; the image has y downwards.
    const auto pixelOf = [&](double x, double y) {
        const double sx = bottom->GetPoint1()[0]
            + (x - bottom->GetMinimum()) / (bottom->GetMaximum() - bottom->GetMinimum())
                * (bottom->GetPoint2()[0] - bottom->GetPoint1()[0]);
        const double sy = left->GetPoint1()[1]
            + (y - left->GetMinimum()) / (left->GetMaximum() - left->GetMinimum())
                * (left->GetPoint2()[1] - left->GetPoint1()[1]);
        return QPoint(int(std::lround(sx)), image.height() - 1 - int(std::lround(sy)));
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
    const auto dark = [&](QPoint at) {
        const QColor c = image.pixelColor(at);
        return c.red() < 60 && c.green() < 60 && c.blue() < 60;
    };
    for (const auto& p : grid)
        QVERIFY2(litNear(pixelOf(p.x, p.height)), qPrintable(QString("marker %1,%2").arg(p.x).arg(p.height)));
    for (double x : { 10.0, 30.0, 50.0 }) {
        for (double y : { 10.0, 30.0 })
            QVERIFY2(dark(pixelOf(x, y)), qPrintable(QString("background %1,%2").arg(x).arg(y)));
    }
}

QTEST_MAIN(TstChartWidget)
#include "tst_chart_widget.moc"
