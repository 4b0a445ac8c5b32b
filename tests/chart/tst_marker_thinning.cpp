// Thinned marker painting: the picture of every marker up to a few edge pixels, while tables and searches
// keep every point.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/marker_thinning.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"

#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include "gl_driver.h"

#include <QVTKOpenGLNativeWidget.h>
#include <QtTest>

#include <vtkCharArray.h>
#include <vtkImageData.h>
#include <vtkRenderWindow.h>
#include <vtkTable.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

class TstMarkerThinning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsOnePointPerCell();
    void refusesWhatItCannotThin();
    void callsLeaveNoCellsBehind();
    void samePictureAsEveryMarker();
    void hiddenPointsStayReachable();
    void maskedPointsStayHidden();
    void tiledExportSamePicture();
    void cleanupTestCase() { keepGlDriverLoaded(); }

private:
    /// An 800 x 600 chart on screen.
    void openChart();
    /// The chart's frame as an image, rendered now.
    QImage frame();
    /// The chart rendered @p scale times larger in tiles of the window's size, as large exports are.
    QImage tiledFrame(int scale);
    /// Shows four dense noisy profiles, on which most markers fall on pixels another marker already painted.
    void showDenseProfiles();
    /// The number of pixels that differ between @p a and @p b, and the number of saturated ones in @p b.
    static std::pair<int, int> difference(const QImage& a, const QImage& b);
    void setThinning(bool on);
    /// Renders until the layout stops moving.
    void settle();

    Vorn3dParametricCurveArray curves[4];

    std::unique_ptr<util::ChartWidget> chart;
    util::ChartWidgetPrivate* d = nullptr;
};

void TstMarkerThinning::keepsOnePointPerCell()
{
    // Plot coordinates twice the device pixels, shifted by 10 pixels in x; cells are a quarter pixel.
    const double matrix[9] = { 2, 0, 10, 0, 2, 0, 0, 0, 1 };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Device x 14.30 and 14.40 share a cell, 14.60 does not. A 2-pixel marker centred at x -0.9 still
    // reaches pixel 0, one at -1.1 does not; nor does one at y 101.1. Device y 10.1 shares the cell of
    // 10.0, 10.3 does not.
    const float xy[] = { 2.15f, 5, 2.2f, 5, 2.3f, 5, nan, 5, -5.45f, 5, -5.55f, 5, 2.15f, 50.55f, 2.15f,
        5.05f, 2.15f, 5.15f };
    util::MarkerThinning thinning;
    vtkIdType kept = -1;
    const float* points = thinning.thin(xy, 9, nullptr, 0, matrix, 100, 100, 2.0f, kept);
    QVERIFY(points);
    QCOMPARE(kept, vtkIdType(4));
    const float expected[] = { 2.15f, 5, 2.3f, 5, -5.45f, 5, 2.15f, 5.15f };
    for (int i = 0; i < 8; ++i)
        QCOMPARE(points[i], expected[i]);

    // A second call starts afresh.
    points = thinning.thin(xy + 2, 1, nullptr, 0, matrix, 100, 100, 2.0f, kept);
    QCOMPARE(kept, vtkIdType(1));
    QCOMPARE(points[0], 2.2f);

    // Skipped points leave their cell to the next point in it.
    const vtkIdType skipped[] = { 0, 3, 6, 20 };
    points = thinning.thin(xy, 9, skipped, 4, matrix, 100, 100, 2.0f, kept);
    QCOMPARE(kept, vtkIdType(4));
    const float second[] = { 2.2f, 5, 2.3f, 5, -5.45f, 5, 2.15f, 5.15f };
    for (int i = 0; i < 8; ++i)
        QCOMPARE(points[i], second[i]);
}

void TstMarkerThinning::callsLeaveNoCellsBehind()
{
    // Every call, of any instance and on any device, finds all cells free: what one marked never hides a
    // point of the next, whose cells may lie on the same bits.
    const double identity[9] = { 1, 0, 0, 0, 1, 0, 0, 0, 1 };
    std::vector<float> dense;
    for (int i = 0; i < 4000; ++i) {
        dense.push_back(float(i % 1000) * 0.8f);
        dense.push_back(float(i / 1000) * 150.0f + 0.5f);
    }
    util::MarkerThinning large;
    util::MarkerThinning small;
    // The first point of few shares its cell with a dense point on every device.
    const float few[] = { 0.1f, 0.5f, 10.6f, 3.3f, 99.9f, 99.9f };
    vtkIdType kept = -1;
    for (int width : { 800, 100, 37 }) {
        QVERIFY(large.thin(dense.data(), 4000, nullptr, 0, identity, width, 600, 2.0f, kept));
        QVERIFY(kept > 0);
        QVERIFY(small.thin(few, 3, nullptr, 0, identity, width, 600, 2.0f, kept));
        QCOMPARE(kept, vtkIdType(width == 37 ? 2 : 3));
        QVERIFY(large.thin(few, 3, nullptr, 0, identity, width, 600, 2.0f, kept));
        QCOMPARE(kept, vtkIdType(width == 37 ? 2 : 3));
    }
    // Points sharing cells still thin as on a fresh grid after all these calls.
    const float twice[] = { 5.0f, 5.0f, 5.01f, 5.01f, 5.0f, 5.0f };
    QVERIFY(small.thin(twice, 3, nullptr, 0, identity, 10, 10, 2.0f, kept));
    QCOMPARE(kept, vtkIdType(1));
}

void TstMarkerThinning::refusesWhatItCannotThin()
{
    const double identity[9] = { 1, 0, 0, 0, 1, 0, 0, 0, 1 };
    const float xy[] = { 1, 1 };
    util::MarkerThinning thinning;
    vtkIdType kept = -1;
    QVERIFY(!thinning.thin(nullptr, 1, nullptr, 0, identity, 10, 10, 2.0f, kept));
    QVERIFY(!thinning.thin(xy, 0, nullptr, 0, identity, 10, 10, 2.0f, kept));
    QVERIFY(!thinning.thin(xy, 1, nullptr, 0, identity, 0, 10, 2.0f, kept));
    QVERIFY(!thinning.thin(xy, 1, nullptr, 0, identity, 10, 10, 0.0f, kept));
    QVERIFY(
        !thinning.thin(xy, 1, nullptr, 0, identity, 10, 10, std::numeric_limits<float>::quiet_NaN(), kept));
    QVERIFY(!thinning.thin(xy, 1, nullptr, 0, identity, 10, 10, 1e9f, kept));
    QVERIFY(!thinning.thin(xy, 1, nullptr, 0, identity, 1 << 30, 1 << 30, 2.0f, kept));
    QCOMPARE(kept, vtkIdType(0));
}

void TstMarkerThinning::openChart()
{
    chart = std::make_unique<util::ChartWidget>();
    d = util::ChartWidgetPrivate::get(chart.get());
    chart->resize(800, 600);
    chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
    QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[0], 800);
}

QImage TstMarkerThinning::frame()
{
    d->renderingWindow->renderPending = true;
    chart->render();
    return d->renderingWindow->grabFramebuffer();
}

QImage TstMarkerThinning::tiledFrame(int scale)
{
    vtkNew<vtkWindowToImageFilter> grab;
    grab->SetInput(d->renderingWindow->renderWindow);
    grab->SetScale(scale);
    grab->SetInputBufferTypeToRGB();
    grab->ReadFrontBufferOff();
    grab->ShouldRerenderOn();
    grab->Update();
    vtkImageData* image = grab->GetOutput();
    const int* dims = image->GetDimensions();
    QImage result(dims[0], dims[1], QImage::Format_RGB888);
    const auto* rgb = static_cast<const uchar*>(image->GetScalarPointer());
    for (int y = 0; y < dims[1]; ++y)
        std::copy_n(rgb + std::size_t(3 * dims[0] * y), 3 * dims[0], result.scanLine(dims[1] - 1 - y));
    return result;
}

void TstMarkerThinning::showDenseProfiles()
{
    VornProfileGenerator generator(5);
    generator.setPointCount(20000);
    generator.setNoise(0.5);
    std::vector<util::ChartPlot> list(4);
    for (int i = 0; i < 4; ++i) {
        generator.fill(curves[i], 0.0, 1.3 * i);
        list[std::size_t(i)].curves = &curves[i];
        list[std::size_t(i)].name = QStringLiteral("series %1").arg(i);
        list[std::size_t(i)].color = QColor::fromHsv(i * 90, 255, 255);
    }
    chart->setData(list);
    settle();
}

void TstMarkerThinning::settle()
{
    // The first paints fit the axes to the window's aspect ratio.
    QImage last = frame();
    for (int i = 0; i < 5; ++i) {
        const QImage next = frame();
        if (next == last)
            return;
        last = next;
    }
}

std::pair<int, int> TstMarkerThinning::difference(const QImage& a, const QImage& b)
{
    int differing = 0;
    int lit = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            lit += QColor(b.pixel(x, y)).hsvSaturation() > 128 ? 1 : 0;
        }
    }
    return { differing, lit };
}

void TstMarkerThinning::setThinning(bool on)
{
    for (vtkPlot* plot : d->plots)
        util::PlotPoints::SafeDownCast(plot)->SetThinMarkers(on);
}

void TstMarkerThinning::samePictureAsEveryMarker()
{
    openChart();
    if (QTest::currentTestFailed())
        return;
    showDenseProfiles();
    const QImage thinned = frame();
    setThinning(false);
    const QImage every = frame();
    QCOMPARE(thinned.size(), QSize(800, 600));
    // Markers are on screen, and the two pictures differ in no more than a few edge pixels.
    const auto [differing, lit] = difference(thinned, every);
    QVERIFY2(lit > 5000, qPrintable(QString::number(lit)));
    QVERIFY2(differing <= lit / 1000, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(lit)));
}

void TstMarkerThinning::hiddenPointsStayReachable()
{
    openChart();
    if (QTest::currentTestFailed())
        return;

    // 100 points 0.001 mm apart on a 100 mm wide chart: all on the same few pixels.
    std::vector<Vorn3dParametricCurveArray::Point> points;
    for (int i = 0; i < 100; ++i)
        points.push_back({ 50.0f + 0.001f * float(i), 20.0f });
    points.push_back({ 0.0f, 0.0f });
    points.push_back({ 100.0f, 40.0f });
    Vorn3dParametricCurveArray curves;
    curves.SetValidPoints(points);
    util::ChartPlot series;
    series.curves = &curves;
    series.name = QStringLiteral("dense");
    chart->setData({ series });
    frame();

    auto* plot = util::PlotPoints::SafeDownCast(d->plots.at(0));
    QVERIFY(plot);
    QCOMPARE(d->tables.at(0)->GetNumberOfRows(), vtkIdType(102));
    // Points painted under the first one's marker are still found, each at its own position.
    const vtkRectd ss = plot->GetShiftScale();
    for (int i : { 1, 57, 99 }) {
        const vtkVector2f at(float((points[std::size_t(i)].x + ss[0]) * ss[2]),
            float((points[std::size_t(i)].height + ss[1]) * ss[3]));
        const vtkVector2f tolerance(float(0.0004 * ss[2]), float(0.0004 * ss[3]));
        vtkVector2f location;
        QCOMPARE(plot->GetNearestPoint(at, tolerance, &location), vtkIdType(i));
    }
}

void TstMarkerThinning::maskedPointsStayHidden()
{
    openChart();
    if (QTest::currentTestFailed())
        return;
    // Five points far apart; VTK's valid-point mask hides the second and the fourth.
    Vorn3dParametricCurveArray sparse;
    sparse.SetValidPoints({ { 0, 0 }, { 25, 10 }, { 50, 20 }, { 75, 30 }, { 100, 40 } });
    util::ChartPlot series;
    series.curves = &sparse;
    series.name = QStringLiteral("sparse");
    series.color = QColor(0, 255, 0);
    chart->setData({ series });
    vtkNew<vtkCharArray> mask;
    mask->SetName("mask");
    for (char valid : { 1, 0, 1, 0, 1 })
        mask->InsertNextValue(valid);
    d->tables[0]->AddColumn(mask);
    auto* plot = util::PlotPoints::SafeDownCast(d->plots.at(0));
    plot->SetValidPointMaskName("mask");
    plot->SetMarkerSize(10.0f);
    settle();
    const QImage thinned = frame();
    setThinning(false);
    const QImage every = frame();
    const auto [differing, lit] = difference(thinned, every);
    QVERIFY2(lit > 100, qPrintable(QString::number(lit))); // three markers of 10 x 10 pixels
    QCOMPARE(differing, 0);
}

void TstMarkerThinning::tiledExportSamePicture()
{
    openChart();
    if (QTest::currentTestFailed())
        return;
    // Twice the window's size, rendered in four tiles: each tile moves the device away from the scene's
    // origin.
    showDenseProfiles();
    // The first tile of the first large rendering is laid out before the chart knows the larger size.
    tiledFrame(2);
    const QImage thinned = tiledFrame(2);
    setThinning(false);
    const QImage every = tiledFrame(2);
    QCOMPARE(thinned.size(), QSize(1600, 1200));
    const auto [differing, lit] = difference(thinned, every);
    QVERIFY2(lit > 20000, qPrintable(QString::number(lit)));
    QVERIFY2(differing <= lit / 1000, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(lit)));
}

QTEST_MAIN(TstMarkerThinning)
#include "tst_marker_thinning.moc"
