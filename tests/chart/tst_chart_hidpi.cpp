// util::ChartWidget at 200 %: the test runs at QT_SCALE_FACTOR=2, where the chart's text, markers, lines
// and handles must be twice their size at 100 % in device pixels, and the pointer must reach a point or a
// handle from as far away, in logical pixels, as at 100 %. The 100 % picture comes from this program run
// once more as a child process at QT_SCALE_FACTOR=1 (see main()).
//
// Mouse events go through the window system (QTEST_QPA_MOUSE_HANDLING), as a platform delivers them:
// Qt maps them to the widget, QVTKOpenGLNativeWidget to device pixels, VTK's scene to the chart.
#define QTEST_QPA_MOUSE_HANDLING
#include "chart_fixture.h"

#include <util/shape.h>

#include <QProcess>

#include <vtkRenderWindow.h>
#include <vtkTooltipItem.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using util::Point2D;
using util::Shape;

namespace {

// Logical pixels: at 200 % they fit the test's screen, and the axes' lengths lie well between the ones at
// which VTK's tick spacing steps, so that device-pixel rounding cannot change the ticks.
constexpr int width = 620;
constexpr int height = 320;

/// What the scene shows of each kind, in device pixels.
struct Sizes
{
    double title = 0; ///< height of the chart title
    double bottomText = 0; ///< height of the bottom tick labels and axis title together
    double marker = 0; ///< side of a data marker
    double handle = 0; ///< side of a shape handle
    double line = 0; ///< width of the shape's outline
};

const std::pair<const char*, double Sizes::*> kinds[]
    = { { "title", &Sizes::title }, { "bottom text", &Sizes::bottomText }, { "marker", &Sizes::marker },
          { "handle", &Sizes::handle }, { "line", &Sizes::line } };

/// The kinds whose size in @p large is not about twice that in @p small, with both sizes; empty when none.
QString notTwice(const Sizes& large, const Sizes& small)
{
    QString failures;
    for (const auto& [name, size] : kinds) {
        const double ratio = small.*size > 0.0 ? large.*size / small.*size : 0.0;
        if (ratio < 1.75 || ratio > 2.25)
            failures += QStringLiteral("%1: %2 against %3; ").arg(name).arg(large.*size).arg(small.*size);
    }
    return failures;
}

/// The lit share, 0 to 1, of one colour channel of a pixel; 0 where another channel dominates.
using Channel = std::function<double(QRgb)>;

double green(QRgb c)
{
    return qGreen(c) > 2 * std::max(qRed(c), qBlue(c)) ? qGreen(c) / 255.0 : 0.0;
}

double red(QRgb c)
{
    return qRed(c) > 2 * std::max(qGreen(c), qBlue(c)) ? qRed(c) / 255.0 : 0.0;
}

double blue(QRgb c)
{
    return qBlue(c) > 2 * std::max(qRed(c), qGreen(c)) ? qBlue(c) / 255.0 : 0.0;
}

bool white(QRgb c)
{
    return std::min({ qRed(c), qGreen(c), qBlue(c) }) > 128;
}

/**
 * The side of the median square blob of @p channel: the lit area of each connected blob (partly lit
 * pixels counting in part), whose square root is the side of a square marker whatever its edges' sampling.
 */
double medianBlobSide(const QImage& image, const Channel& channel)
{
    std::vector<char> seen(std::size_t(image.width() * image.height()), 0);
    std::vector<double> areas;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[std::size_t(y0 * image.width() + x0)] || channel(image.pixel(x0, y0)) == 0.0)
                continue;
            double area = 0.0;
            std::vector<QPoint> stack { QPoint(x0, y0) };
            seen[std::size_t(y0 * image.width() + x0)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                area += channel(image.pixel(p));
                for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
                    const QPoint q = p + step;
                    if (!image.rect().contains(q) || seen[std::size_t(q.y() * image.width() + q.x())]
                        || channel(image.pixel(q)) == 0.0)
                        continue;
                    seen[std::size_t(q.y() * image.width() + q.x())] = 1;
                    stack.push_back(q);
                }
            }
            areas.push_back(area);
        }
    }
    if (areas.empty())
        return 0.0;
    std::nth_element(areas.begin(), areas.begin() + areas.size() / 2, areas.end());
    return std::sqrt(areas[areas.size() / 2]);
}

/// Height of the white (text) rows between @p top and @p bottom, over the middle fifth of the columns.
double textHeight(const QImage& image, int top, int bottom)
{
    int first = -1;
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = image.width() * 2 / 5; x < image.width() * 3 / 5; ++x) {
            if (white(image.pixel(x, y))) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0.0 : last - first + 1;
}

Sizes measure(const QImage& image)
{
    Sizes sizes;
    sizes.title = textHeight(image, 0, image.height() / 8);
    sizes.bottomText = textHeight(image, image.height() * 3 / 4, image.height());
    sizes.marker = medianBlobSide(image, green);
    sizes.handle = medianBlobSide(image, red);
    // The outline's bottom edge, a quarter of the way along: its lit share summed across the line.
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (blue(image.pixel(x, y)) > 0.0)
                box |= QRect(x, y, 1, 1);
        }
    }
    for (int y = box.center().y(); y <= box.bottom(); ++y)
        sizes.line += blue(image.pixel(box.left() + box.width() / 4, y));
    return sizes;
}

} // namespace

/**
 * The chart of every case: a title, seven green markers (the legend's symbol makes an eighth blob), and a
 * rectangle (20, 5) - (80, 20) with a blue outline and red handles of 6 pixels, beneath the markers.
 */
struct HiDpiScene : ChartFixture
{
    /// Shows the scene and renders it; false when the window did not come up.
    bool show()
    {
        vtkOpenGLRenderWindow::SetGlobalMaximumNumberOfMultiSamples(0);
        widget = std::make_unique<util::ChartWidget>();
        d = util::ChartWidgetPrivate::get(widget.get());
        chart = d->chart;
        widget->setTitle(QStringLiteral("Tg"));
        widget->resize(width, height);
        widget->show();
        const double ratio = widget->devicePixelRatioF();
        if (!QTest::qWaitForWindowExposed(widget.get()) || !QTest::qWaitFor([&] {
                const int* size = d->renderingWindow->renderWindow->GetSize();
                return size[0] == std::lround(width * ratio) && size[1] == std::lround(height * ratio);
            }))
            return false;
        profile.SetValidPoints(
            { { 0, 0 }, { 10, 30 }, { 30, 35 }, { 50, 30 }, { 70, 35 }, { 90, 30 }, { 100, 40 } });
        ChartPlot series = makeSeries(&profile, QStringLiteral("points"));
        series.color = QColor(0, 255, 0);
        widget->setData({ series });

        Shape box;
        box.setIdentifier(1);
        box.setTitle(QStringLiteral("box"));
        box.setInteractive(true);
        box.setCanDragAlongX(true);
        box.setCanDragAlongY(true);
        box.setColor(QColor(0, 0, 255));
        box.setHandleColor(QColor(255, 0, 0));
        box.setHandleSize(6);
        box.setLegendVisible(false);
        rewriteAsRectangle(box, 20, 5, 80, 20);
        widget->addShape(box);
        widget->drawShapes();
        // The equal scale needs the axes' lengths, which the first frame lays out: the second frame has it.
        paint();
        paint();
        return true;
    }

    QImage grab() { return d->renderingWindow->grabFramebuffer(); }

    /// The logical widget position of data point (@p x, @p y), moved by (@p dx, @p dy) logical pixels.
    QPoint at(double x, double y, int dx = 0, int dy = 0) const
    {
        const double ratio = d->renderingWindow->devicePixelRatioF();
        const vtkVector2i scene = screen(x, y);
        // The interactor flips y over the window's device height: y = height - 1 - device y.
        const int deviceHeight = d->renderingWindow->renderWindow->GetSize()[1];
        return QPoint(int(std::lround(scene[0] / ratio)) + dx,
            int(std::lround((deviceHeight - 1 - scene[1]) / ratio)) + dy);
    }
};

class TstChartHiDpi : public QObject, public HiDpiScene
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(show());
        QCOMPARE(widget->devicePixelRatioF(), 2.0);
    }
    void cleanup() { close(); }
    void twiceTheHundredPercentSizes();
    void hoverReachesAPoint();
    void dragsAHandle();
    void followsTheWindowDpi();

private:
    /// The scene rendered at 100 % by a child process of this test.
    QImage hundredPercent()
    {
        const QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("100.png"));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--hundred-percent"), file });
        if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0)
            return {};
        return QImage(file);
    }
};

void TstChartHiDpi::twiceTheHundredPercentSizes()
{
    const QImage reference = hundredPercent();
    QCOMPARE(reference.size(), QSize(width, height));
    const QImage image = grab();
    QCOMPARE(image.size(), QSize(2 * width, 2 * height));
    const QString failures = notTwice(measure(image), measure(reference));
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

void TstChartHiDpi::hoverReachesAPoint()
{
    vtkTooltipItem* tooltip = chart->GetTooltip();
    // 4 logical pixels off the point (50, 30): within the 5-pixel pick zone, 8 device pixels away.
    const QPoint nearby = at(50, 30, 4);
    QTest::mouseMove(d->renderingWindow, nearby);
    QTRY_VERIFY(tooltip->GetVisible());
    QCOMPARE(QString::fromStdString(tooltip->GetText()), QStringLiteral("points: 50,  30"));
    // Placed 2 pixels right of and 40 pixels below the pointer, in logical pixels too.
    const vtkVector2f placed = tooltip->GetPositionVector();
    const int deviceHeight = d->renderingWindow->renderWindow->GetSize()[1];
    QCOMPARE(placed.GetX(), float(2 * nearby.x() + 4));
    QCOMPARE(placed.GetY(), float(deviceHeight - 1 - 2 * nearby.y() - 80));

    // 7 logical pixels away nothing is under the pointer.
    QTest::mouseMove(d->renderingWindow, at(50, 30, 7));
    QTRY_VERIFY(!tooltip->GetVisible());
}

void TstChartHiDpi::dragsAHandle()
{
    Shape* box = widget->shape(1);
    QVector<QPointF> handles;
    double dx = 0.0;
    box->setXResizeCallback([&](const Point2D& handle, double delta) {
        handles << QPointF(handle.x(), handle.y());
        dx += delta;
        rewriteAsRectangle(*widget->shape(1), 20 + dx, 5, 80, 20);
    });
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);

    // 4 logical pixels left of and below the corner (20, 5), outside the rectangle: on the handle.
    const QPoint from = at(20, 5, -4, 4);
    QTest::mousePress(d->renderingWindow, Qt::LeftButton, {}, from);
    QTest::mouseMove(d->renderingWindow, from + QPoint(10, 0));
    QTest::mouseMove(d->renderingWindow, from + QPoint(20, 0));
    QTest::mouseRelease(d->renderingWindow, Qt::LeftButton, {}, from + QPoint(20, 0));

    QVERIFY(!handles.isEmpty());
    QCOMPARE(handles.first(), QPointF(20, 5));
    // The handle followed the pointer by 20 logical pixels, which the widget converts as a host would.
    Point2D twenty;
    widget->pixelToCoordinate(Point2D(20, 0), twenty);
    QVERIFY2(std::fabs(dx - twenty.x()) < 0.05 * twenty.x(),
        qPrintable(QStringLiteral("moved %1, 20 pixels are %2").arg(dx).arg(twenty.x())));
    QCOMPARE(d->shapeOverlay->entries()[0].handles.x->GetValue(0), 20 + dx);
    // A drag, not a pan.
    QVERIFY(near(range(Axis::Bottom), x) && near(range(Axis::Left), y));
}

void TstChartHiDpi::followsTheWindowDpi()
{
    // A move to another screen reaches the chart as a new DPI of its render window, which VTK's widget
    // sets on the resize that follows; its own device pixel ratio setting takes the same path.
    const Sizes first = measure(grab());
    d->renderingWindow->setCustomDevicePixelRatio(1.0);
    QCOMPARE(d->renderingWindow->renderWindow->GetDPI(), 72);
    paint();
    const QString failures = notTwice(first, measure(grab()));
    QVERIFY2(failures.isEmpty(), qPrintable(failures));

    // Back at 144 DPI every size is the first one again: none drifted on the way.
    d->renderingWindow->setCustomDevicePixelRatio(0.0);
    QCOMPARE(d->renderingWindow->renderWindow->GetDPI(), 144);
    paint();
    const Sizes again = measure(grab());
    for (const auto& [name, size] : kinds)
        QVERIFY2(again.*size == first.*size, name);
}

int main(int argc, char** argv)
{
    // The child run that renders the scene at 100 % for twiceTheHundredPercentSizes(); the test proper runs
    // at 200 %.
    const bool hundredPercent = argc == 3 && qstrcmp(argv[1], "--hundred-percent") == 0;
    if (!hundredPercent)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (hundredPercent) {
        HiDpiScene scene;
        const bool saved = scene.show() && scene.grab().save(QString::fromLocal8Bit(argv[2]));
        scene.close();
        return saved ? 0 : 1;
    }
    TstChartHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chart_hidpi.moc"
