// Chart benchmarks: the live-profile frame of util::ChartWidget against a bare vtkChartXY, QCustomPlot
// and Qwt, whole and in parts (copy, setData, render call, wait for the screen); the hover query against
// vtkPlotPoints' own search; start-up; peak memory; shapes and drags; the targets' ratios.
//
// Without arguments the program is the driver: it runs every case in a process of its own, peers
// alternating within each round, and prints the tables. With arguments it runs one case and prints
// its raw figures (see usage()).
#include "peer.h"

#include <util/chart_widget.h>
#include <util/shape.h>

#include "chart/chart_widget_p.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"

#include <vorn/VornVector.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>
#include <QVTKOpenGLNativeWidget.h>
#include <QWindow>

#include <vtkAxis.h>
#include <vtkCallbackCommand.h>
#include <vtkChartLegend.h>
#include <vtkChartXY.h>
#include <vtkContextScene.h>
#include <vtkContextTransform.h>
#include <vtkContextView.h>
#include <vtkFloatArray.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkPlotPoints.h>
#include <vtkRenderer.h>
#include <vtkTable.h>
#include <vtkTransform2D.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace bench {

Profiles::Profiles(int pointCount)
    : bank(bankSize)
{
    VornProfileGenerator generator(7);
    generator.setPointCount(std::size_t(pointCount));
    for (int frame = 0; frame < bankSize; ++frame) {
        for (int i = 0; i < seriesCount; ++i) {
            // The curve arrays start with the first frame's channels; frames then renew the points.
            Vorn3dParametricCurveArray& generated = curves[std::size_t(i)];
            generator.fill(generated, 0.05 * frame, 1.3 * i);
            VornVector buffer;
            generated.GetValidPoints(&buffer);
            const auto* first = static_cast<const Vorn3dParametricCurveArray::Point*>(buffer.GetData());
            bank[std::size_t(frame)][std::size_t(i)].assign(first, first + buffer.GetSize());
        }
    }
    next(0);
}

void Profiles::next(int frame)
{
    for (int i = 0; i < seriesCount; ++i)
        curves[std::size_t(i)].SetValidPoints(bank[std::size_t(frame % bankSize)][std::size_t(i)]);
}

bool showsSeries(const QImage& image, int minimum)
{
    // Axes, grid, text and backgrounds are grey; only markers are saturated.
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            lit += QColor(image.pixel(x, y)).hsvSaturation() > 128 ? 1 : 0;
    }
    return lit >= minimum;
}

namespace {

// ---------------------------------------------------------------------------------------------------
// The VTK peers

/// Waits for a QOpenGLWidget's frames to reach the screen (its frameSwapped signal).
class ScreenWait
{
public:
    explicit ScreenWait(QOpenGLWidget* widget)
    {
        QObject::connect(widget, &QOpenGLWidget::frameSwapped, &loop, [this] {
            swapped = true;
            loop.quit();
        });
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    }
    /// Before the render: forgets earlier frames.
    void arm() { swapped = false; }
    /// Returns once a frame was swapped since arm(), or after 5 s.
    void wait()
    {
        if (swapped)
            return;
        timeout.start(5000);
        loop.exec();
        timeout.stop();
    }

private:
    QEventLoop loop;
    QTimer timeout;
    bool swapped = false;
};

/// Counts the renders of a VTK render window.
class RenderCounter
{
public:
    void observe(vtkRenderWindow* window)
    {
        command->SetClientData(&count);
        command->SetCallback(
            [](vtkObject*, unsigned long, void* data, void*) { ++*static_cast<int*>(data); });
        window->AddObserver(vtkCommand::EndEvent, command);
    }
    int count = 0;

private:
    vtkNew<vtkCallbackCommand> command;
};

class ChartPeer : public Peer
{
public:
    explicit ChartPeer(int multiSamples)
        : surface(chart.findChild<QVTKOpenGLNativeWidget*>())
        , screen(surface)
    {
        if (multiSamples >= 0)
            surface->renderWindow()->SetMultiSamples(multiSamples);
        counter.observe(surface->renderWindow());
        for (int i = 0; i < seriesCount; ++i) {
            util::ChartPlot plot;
            plot.name = QStringLiteral("series %1").arg(i);
            plot.color = Profiles::color(i);
            list.push_back(plot);
        }
    }

    QWidget* widget() override { return &chart; }

    void setData(const Profiles& profiles) override
    {
        for (int i = 0; i < seriesCount; ++i)
            list[std::size_t(i)].curves
                = const_cast<Vorn3dParametricCurveArray*>(&profiles.curves[std::size_t(i)]);
        chart.setData(list);
    }

    void render() override
    {
        screen.arm();
        chart.render();
    }
    void waitForScreen() override { screen.wait(); }
    int renders() const override { return counter.count; }
    QImage image() override { return surface->grabFramebuffer(); }

    util::ChartWidget chart;

private:
    QVTKOpenGLNativeWidget* const surface;
    ScreenWait screen;
    RenderCounter counter;
    std::vector<util::ChartPlot> list;
};

/// vtkChartXY with four vtkPlotPoints: the same tables, markers, title, legend, render settings and glyph
/// cache.
class VtkPeer : public Peer
{
public:
    VtkPeer()
    {
        surface.setRenderWindow(window);
        util::RenderingWindow::applyRenderSettings(window);
        // Without it, whether text comes from FreeType's cache would depend on this process' heap.
        util::RenderingWindow::repairGlyphCache();
        view->SetRenderWindow(window);
        view->GetRenderer()->SetBackground(0, 0, 0);
        view->GetScene()->AddItem(chart);
        chart->SetShowLegend(true);
        chart->SetTitle("Chart");
        for (int i = 0; i < seriesCount; ++i) {
            vtkNew<vtkFloatArray> x;
            x->SetName("X Coordinates");
            vtkNew<vtkFloatArray> y;
            y->SetName(QStringLiteral("series %1").arg(i).toUtf8().constData());
            tables[std::size_t(i)]->AddColumn(x);
            tables[std::size_t(i)]->AddColumn(y);
            auto* plot = vtkPlotPoints::SafeDownCast(chart->AddPlot(vtkChart::POINTS));
            const QColor color = Profiles::color(i);
            plot->SetColor(color.redF(), color.greenF(), color.blueF());
            plot->SetMarkerStyle(vtkPlotPoints::SQUARE);
            plot->SetMarkerSize(2.0f);
            plot->SetInputData(tables[std::size_t(i)], 0, 1);
            plots[std::size_t(i)] = plot;
        }
        counter.observe(window);
    }

    QWidget* widget() override { return &surface; }

    void setData(const Profiles& profiles) override
    {
        for (int i = 0; i < seriesCount; ++i) {
            VornVector buffer;
            profiles.curves[std::size_t(i)].GetValidPoints(&buffer);
            const auto* xy = static_cast<const float*>(buffer.GetData());
            vtkTable* table = tables[std::size_t(i)];
            table->SetNumberOfRows(vtkIdType(buffer.GetSize()));
            float* x = vtkFloatArray::SafeDownCast(table->GetColumn(0))->GetPointer(0);
            float* y = vtkFloatArray::SafeDownCast(table->GetColumn(1))->GetPointer(0);
            for (std::size_t j = 0; j < buffer.GetSize(); ++j) {
                x[j] = xy[2 * j];
                y[j] = xy[2 * j + 1];
            }
            table->GetColumn(0)->Modified();
            table->GetColumn(1)->Modified();
            table->Modified();
        }
        if (!fitted) {
            // Fixed axes on the first data, as the library's chart after its first fit.
            for (int axis = 0; axis < 2; ++axis) {
                double range[2] = { VTK_DOUBLE_MAX, VTK_DOUBLE_MIN };
                for (auto& table : tables) {
                    double columnRange[2];
                    vtkFloatArray::SafeDownCast(table->GetColumn(axis == vtkAxis::BOTTOM ? 0 : 1))
                        ->GetRange(columnRange);
                    range[0] = std::min(range[0], columnRange[0]);
                    range[1] = std::max(range[1], columnRange[1]);
                }
                chart->GetAxis(axis)->SetRange(range[0], range[1]);
                chart->GetAxis(axis)->SetBehavior(vtkAxis::FIXED);
            }
            fitted = true;
        }
    }

    void render() override
    {
        screen.arm();
        window->Render();
    }
    void waitForScreen() override { screen.wait(); }
    int renders() const override { return counter.count; }
    QImage image() override { return surface.grabFramebuffer(); }

    vtkNew<vtkChartXY> chart;
    std::array<vtkPlotPoints*, seriesCount> plots {};

private:
    QVTKOpenGLNativeWidget surface;
    ScreenWait screen { &surface };
    vtkNew<vtkGenericOpenGLRenderWindow> window;
    vtkNew<vtkContextView> view;
    std::array<vtkNew<vtkTable>, seriesCount> tables;
    RenderCounter counter;
    bool fitted = false;
};

std::unique_ptr<Peer> makePeer(const QString& name)
{
    if (name == QLatin1String("chart"))
        return std::make_unique<ChartPeer>(-1);
    if (name.startsWith(QLatin1String("chart-msaa")))
        return std::make_unique<ChartPeer>(name.mid(10).toInt());
    if (name == QLatin1String("vtk"))
        return std::make_unique<VtkPeer>();
    return makeQtPeer(name);
}

// ---------------------------------------------------------------------------------------------------
// The cases, one per process; each prints "key value value ..." lines for the driver.

void showAndWait(QWidget* widget)
{
    widget->resize(800, 600);
    widget->show();
    QElapsedTimer wait;
    wait.start();
    while ((!widget->windowHandle() || !widget->windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

double msSince(const QElapsedTimer& clock, qint64 start)
{
    return double(clock.nsecsElapsed() - start) / 1e6;
}

void printSamples(const char* key, const std::vector<double>& samples)
{
    std::printf("%s", key);
    for (double v : samples)
        std::printf(" %.6g", v);
    std::printf("\n");
}

long peakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// Frames: new values copied into the curve arrays, setData, the render call, the wait until the frame is
/// on screen; each part and the whole, in ms.
int runFrames(const QString& peerName, int pointCount)
{
    std::unique_ptr<Peer> peer = makePeer(peerName);
    if (!peer) {
        std::printf("missing\n");
        return 0;
    }
    Profiles profiles(pointCount);
    showAndWait(peer->widget());
    const int frames = pointCount <= 4096 ? 80 : pointCount <= 16384 ? 40 : 20;
    const int warmUp = 5;
    std::map<std::string, std::vector<double>> parts;
    int badRenders = 0;
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < warmUp + frames; ++n) {
        const int rendersBefore = peer->renders();
        qint64 times[5];
        times[0] = clock.nsecsElapsed();
        profiles.next(n);
        times[1] = clock.nsecsElapsed();
        peer->setData(profiles);
        times[2] = clock.nsecsElapsed();
        peer->render();
        times[3] = clock.nsecsElapsed();
        peer->waitForScreen();
        times[4] = clock.nsecsElapsed();
        if (n >= warmUp && peer->renders() >= 0 && peer->renders() - rendersBefore != 1)
            ++badRenders;
        if (n == warmUp && !showsSeries(peer->image(), 200)) {
            std::printf("error nothing painted\n");
            return 1;
        }
        if (n < warmUp)
            continue;
        const char* keys[] = { "copy", "setdata", "render", "wait" };
        for (int i = 0; i < 4; ++i)
            parts[keys[i]].push_back(double(times[i + 1] - times[i]) / 1e6);
        parts["frame"].push_back(double(times[4] - times[0]) / 1e6);
    }
    for (const auto& [key, samples] : parts)
        printSamples(key.c_str(), samples);
    std::printf("rss %ld\n", peakRssKb());
    if (badRenders)
        std::printf("error %d frames did not render exactly once\n", badRenders);
    return 0;
}

/// The nearest-point query of each plot within 5 pixels of a data point: the first after a new frame,
/// then steady state. Times are per query over all four plots.
int runHover(const QString& peerName, int pointCount)
{
    std::unique_ptr<Peer> peer = makePeer(peerName);
    std::vector<vtkPlotPoints*> plots;
    vtkAxis* xAxis = nullptr;
    vtkAxis* yAxis = nullptr;
    Profiles profiles(pointCount);
    if (auto* ours = dynamic_cast<ChartPeer*>(peer.get())) {
        // The chart makes its plots on the first data.
        ours->setData(profiles);
        util::ChartWidgetPrivate* d = util::ChartWidgetPrivate::get(&ours->chart);
        xAxis = d->chart->GetAxis(vtkAxis::BOTTOM);
        yAxis = d->chart->GetAxis(vtkAxis::LEFT);
        for (vtkPlot* plot : d->plots)
            plots.push_back(vtkPlotPoints::SafeDownCast(plot));
    } else if (auto* vtk = dynamic_cast<VtkPeer*>(peer.get())) {
        xAxis = vtk->chart->GetAxis(vtkAxis::BOTTOM);
        yAxis = vtk->chart->GetAxis(vtkAxis::LEFT);
        plots.assign(vtk->plots.begin(), vtk->plots.end());
    } else {
        std::printf("missing\n");
        return 0;
    }
    showAndWait(peer->widget());
    std::mt19937 random(3);
    // As the chart asks: the library's plots by their three-argument search, VTK's by its own.
    // Plots hold shifted and scaled coordinates; @p at and @p tolerance are in data units.
    auto query = [&](const vtkVector2f& at, const vtkVector2f& tolerance) {
        vtkIdType found = -1;
        vtkVector2f location;
        for (vtkPlotPoints* plot : plots) {
            const vtkRectd ss = plot->GetShiftScale();
            const vtkVector2f position(float((at[0] + ss[0]) * ss[2]), float((at[1] + ss[1]) * ss[3]));
            const vtkVector2f box(float(tolerance[0] * ss[2]), float(tolerance[1] * ss[3]));
            vtkIdType segment = -1;
            if (auto* ours = util::PlotPoints::SafeDownCast(plot))
                found = std::max(found, ours->GetNearestPoint(position, box, &location));
            else
                found = std::max(found, plot->GetNearestPoint(position, box, &location, &segment));
        }
        return found;
    };
    std::vector<double> first;
    std::vector<double> steady;
    int misses = 0;
    QElapsedTimer clock;
    clock.start();
    const int frames = 40;
    for (int n = 0; n < frames; ++n) {
        profiles.next(n);
        peer->setData(profiles);
        peer->draw();
        const double pxX = double(xAxis->GetPoint2()[0] - xAxis->GetPoint1()[0]);
        const double pxY = double(yAxis->GetPoint2()[1] - yAxis->GetPoint1()[1]);
        const vtkVector2f tolerance(float(5.0 * (xAxis->GetMaximum() - xAxis->GetMinimum()) / pxX),
            float(5.0 * (yAxis->GetMaximum() - yAxis->GetMinimum()) / pxY));
        VornVector buffer;
        profiles.curves[std::size_t(n % seriesCount)].GetValidPoints(&buffer);
        const auto* xy = static_cast<const float*>(buffer.GetData());
        auto pointAt = [&] {
            const std::size_t j = std::uniform_int_distribution<std::size_t>(0, buffer.GetSize() - 1)(random);
            return vtkVector2f(xy[2 * j], xy[2 * j + 1]);
        };
        qint64 start = clock.nsecsElapsed();
        misses += query(pointAt(), tolerance) < 0 ? 1 : 0;
        first.push_back(msSince(clock, start) * 1000.0);
        for (int q = 0; q < 50; ++q) {
            const vtkVector2f at = pointAt();
            start = clock.nsecsElapsed();
            misses += query(at, tolerance) < 0 ? 1 : 0;
            steady.push_back(msSince(clock, start) * 1000.0);
        }
    }
    printSamples("first", first);
    printSamples("steady", steady);
    if (misses)
        std::printf("error %d queries at a data point found nothing\n", misses);
    return 0;
}

/// From constructing the widget to its first frame with 4 x 4096 points on screen.
int runStartup(const QString& peerName)
{
    const Profiles profiles(4096);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<Peer> peer = makePeer(peerName);
    if (!peer) {
        std::printf("missing\n");
        return 0;
    }
    peer->widget()->resize(800, 600);
    peer->widget()->show();
    peer->setData(profiles);
    peer->draw();
    const double ms = msSince(clock, 0);
    if (!showsSeries(peer->image(), 200)) {
        std::printf("error nothing painted\n");
        return 1;
    }
    printSamples("startup", { ms });
    return 0;
}

/// A rectangle of @p shape from data (x0, y0) to (x1, y1).
void setRectangle(util::Shape& shape, double x0, double y0, double x1, double y1)
{
    shape.clear();
    shape.addLine({ x0, y0 }, { x1, y0 });
    shape.addLine({ x1, y0 }, { x1, y1 });
    shape.addLine({ x1, y1 }, { x0, y1 });
    shape.addLine({ x0, y1 }, { x0, y0 });
}

/// A chart showing 4 x @p pointCount points, on screen.
struct ShownChart
{
    explicit ShownChart(int pointCount)
        : profiles(pointCount)
    {
        profiles.next(0);
        showAndWait(peer.widget());
        peer.setData(profiles);
        peer.draw();
    }
    /// Data bounds {xMin, xMax, yMin, yMax}.
    const std::array<int, 8>& bounds() { return util::ChartWidgetPrivate::get(&peer.chart)->dataBounds; }

    ChartPeer peer { -1 };
    Profiles profiles;
};

/// drawShapes() with @p count rectangles with handles, spread over the data; then the frame showing them.
int runShapes(int count)
{
    ShownChart shown(4096);
    util::ChartWidget& chart = shown.peer.chart;
    const std::array<int, 8>& b = shown.bounds();
    const double w = (b[1] - b[0]) / 40.0;
    const double h = (b[3] - b[2]) / 40.0;
    for (int i = 0; i < count; ++i) {
        util::Shape shape;
        shape.setIdentifier(i);
        shape.setTitle(QStringLiteral("shape %1").arg(i));
        shape.setInteractive(true);
        shape.setCanDragAlongX(true);
        shape.setCanDragAlongY(true);
        const double x = b[0] + (i % 30) * (b[1] - b[0]) / 30.0;
        const double y = b[2] + (i / 30 % 30) * (b[3] - b[2]) / 30.0;
        setRectangle(shape, x, y, x + w, y + h);
        chart.addShape(shape);
    }
    std::vector<double> draw;
    std::vector<double> frame;
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < 6; ++n) {
        qint64 start = clock.nsecsElapsed();
        chart.drawShapes();
        draw.push_back(msSince(clock, start));
        start = clock.nsecsElapsed();
        chart.redrawShapes(); // asks for the render
        shown.peer.draw();
        frame.push_back(msSince(clock, start));
    }
    printSamples("drawshapes", draw);
    printSamples("frame", frame);
    return 0;
}

/// Body drag of a rectangle over 4 x @p pointCount points: each step is one mouse move through the widget's
/// event path (the shape's callback rewrites the shape, the chart its plot), then the frame showing it.
int runDrag(int pointCount)
{
    ShownChart shown(pointCount);
    util::ChartWidget& chart = shown.peer.chart;
    const std::array<int, 8>& b = shown.bounds();
    struct Box
    {
        double x0, y0, x1, y1;
    };
    auto box = std::make_shared<Box>(Box { b[0] + 0.3 * (b[1] - b[0]), b[2] + 0.3 * (b[3] - b[2]),
        b[0] + 0.7 * (b[1] - b[0]), b[2] + 0.7 * (b[3] - b[2]) });
    int moves = 0;
    util::ChartWidget* target = &chart;
    auto apply = [target, box, &moves] {
        ++moves;
        if (util::Shape* roi = target->shape(1))
            setRectangle(*roi, box->x0, box->y0, box->x1, box->y1);
    };
    util::Shape roi;
    roi.setIdentifier(1);
    roi.setTitle(QStringLiteral("ROI"));
    roi.setInteractive(true);
    roi.setCanDragAlongX(true);
    roi.setCanDragAlongY(true);
    roi.setXTranslationCallback([box, apply](double dx) {
        box->x0 += dx;
        box->x1 += dx;
        apply();
    });
    roi.setYTranslationCallback([box, apply](double dy) {
        box->y0 += dy;
        box->y1 += dy;
        apply();
    });
    setRectangle(roi, box->x0, box->y0, box->x1, box->y1);
    chart.addShape(roi);
    chart.drawShapes();
    chart.redrawShapes();
    shown.peer.draw();

    // The rectangle's centre in widget pixels (Qt's y grows downwards, the scene's upwards).
    util::ChartWidgetPrivate* d = util::ChartWidgetPrivate::get(&chart);
    const double centre[2] = { (box->x0 + box->x1) / 2, (box->y0 + box->y1) / 2 };
    double scene[2];
    d->chart->GetTransforms()[0]->GetTransform()->TransformPoints(centre, scene, 1);
    QWidget* surface = d->renderingWindow;
    QPoint at(int(scene[0]), surface->height() - int(scene[1]));
    auto send = [surface](QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, surface->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &event);
    };
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    std::vector<double> step;
    std::vector<double> frame;
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < 40; ++n) {
        at += QPoint(1, n % 2);
        qint64 start = clock.nsecsElapsed();
        send(QEvent::MouseMove, at, Qt::LeftButton);
        step.push_back(msSince(clock, start));
        start = clock.nsecsElapsed();
        shown.peer.draw();
        frame.push_back(msSince(clock, start));
    }
    send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    printSamples("step", step);
    printSamples("frame", frame);
    if (moves < 40)
        std::printf("error the drag moved the shape %d times in 40 steps\n", moves);
    return 0;
}

/// Saves the chart with 4 x 1024 points and a slanted outline (drawn as shape outlines are: a line plot of
/// width 2) at @p multiSamples, a 400 x 300 cut from the plot's middle, to judge marker and line quality.
int runScreenshot(const QString& file, int multiSamples)
{
    ChartPeer peer(multiSamples);
    Profiles profiles(1024);
    showAndWait(peer.widget());
    peer.setData(profiles);
    util::ChartWidgetPrivate* d = util::ChartWidgetPrivate::get(&peer.chart);
    vtkNew<vtkTable> outline;
    vtkNew<vtkFloatArray> x;
    x->SetName("x");
    vtkNew<vtkFloatArray> y;
    y->SetName("outline");
    outline->AddColumn(x);
    outline->AddColumn(y);
    // Corners as fractions of the data's extent.
    const double corners[][2] = { { 0.3, 0.3 }, { 0.7, 0.4 }, { 0.6, 0.8 }, { 0.25, 0.6 }, { 0.3, 0.3 } };
    const std::array<int, 8>& bounds = d->dataBounds;
    outline->SetNumberOfRows(5);
    for (int i = 0; i < 5; ++i) {
        x->SetValue(i, float(bounds[0] + corners[i][0] * (bounds[1] - bounds[0])));
        y->SetValue(i, float(bounds[2] + corners[i][1] * (bounds[3] - bounds[2])));
    }
    vtkPlot* line = d->chart->AddPlot(vtkChart::LINE);
    line->SetInputData(outline, 0, 1);
    line->SetColor(1.0, 1.0, 1.0);
    line->SetWidth(2.0f);
    peer.draw();
    const QImage image = peer.image();
    return image.copy(image.width() / 2 - 200, image.height() / 2 - 150, 400, 300).save(file) ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------------
// The driver

struct Result
{
    QMap<QString, std::vector<double>> samples; ///< pooled over the rounds, by key
    QStringList errors;
};

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(q * double(values.size())))];
}

/// Runs one case in a child process, at the device pixel ratio @p scaleFactor (QT_SCALE_FACTOR) when given.
void runChild(const QStringList& arguments, Result& result, const QString& scaleFactor = QString())
{
    QProcess child;
    if (!scaleFactor.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
        child.setProcessEnvironment(environment);
    }
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        result.errors << arguments.join(' ') + QStringLiteral(": failed");
        std::fprintf(stderr, "%s", child.readAllStandardError().constData()); // only a failure's messages
    }
    const QStringList lines
        = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        QStringList words = line.split(' ', Qt::SkipEmptyParts);
        const QString key = words.takeFirst();
        if (key == QLatin1String("error")) {
            result.errors << arguments.join(' ') + QStringLiteral(": ") + words.join(' ');
            continue;
        }
        for (const QString& word : words)
            result.samples[key].push_back(word.toDouble());
    }
}

QString cell(const std::vector<double>& samples, int precision = 2)
{
    if (samples.empty())
        return QStringLiteral("-");
    return QStringLiteral("%1 / %2")
        .arg(quantile(samples, 0.5), 0, 'f', precision)
        .arg(quantile(samples, 0.9), 0, 'f', precision);
}

QString ratio(const std::vector<double>& a, const std::vector<double>& b)
{
    if (a.empty() || b.empty())
        return QStringLiteral("-");
    return QString::number(quantile(a, 0.5) / quantile(b, 0.5), 'f', 2);
}

void printRow(const QStringList& cells)
{
    QString line;
    for (int i = 0; i < cells.size(); ++i)
        line += i == 0 ? cells[i].leftJustified(8) : QStringLiteral("| ") + cells[i].leftJustified(17);
    std::printf("%s\n", line.trimmed().toLocal8Bit().constData());
    std::fflush(stdout);
}

/// Prints the cases of @p results that measured nothing and the errors of all; the exit code, 1 on errors.
int report(const QMap<QString, Result>& results)
{
    QStringList errors;
    for (auto it = results.cbegin(); it != results.cend(); ++it)
        errors << it->errors;
    for (auto it = results.cbegin(); it != results.cend(); ++it) {
        if (it->samples.isEmpty() && it->errors.isEmpty())
            std::printf("not measured: %s (peer not built)\n", it.key().toLocal8Bit().constData());
    }
    for (const QString& error : errors)
        std::printf("ERROR %s\n", error.toLocal8Bit().constData());
    return errors.isEmpty() ? 0 : 1;
}

/// One line of the targets: @p name, the measured @p value and whether it is within @p limit.
void printTarget(const QString& name, double value, double limit)
{
    const QString verdict = value <= 0.0 ? QStringLiteral("not measured")
        : value <= limit                 ? QStringLiteral("holds")
                                         : QStringLiteral("not reached");
    std::printf("%-44s %6.2f  (<= %.2f) %s\n", name.toLocal8Bit().constData(), value, limit,
        verdict.toLocal8Bit().constData());
}

int drive(int rounds)
{
    const QStringList peers { "chart", "vtk", "qcustomplot", "qwt", "chart-msaa8" };
    const QStringList startupPeers { "chart", "vtk", "qcustomplot", "qwt" };
    const QList<int> sizes { 1024, 4096, 16384, 65536 };
    const QList<int> shapeCounts { 0, 10, 100, 1000 };
    QMap<QString, Result> results; // by "case peer size"
    auto run = [&](const QStringList& arguments) { runChild(arguments, results[arguments.join(' ')]); };
    for (int round = 0; round < rounds; ++round) {
        for (int size : sizes) {
            for (const QString& peer : peers)
                run({ "frame", peer, QString::number(size) });
            for (const char* peer : { "chart", "vtk" })
                run({ "hover", peer, QString::number(size) });
        }
        for (int i = 0; i < 3; ++i) {
            for (const QString& peer : startupPeers)
                run({ "startup", peer });
        }
        for (int count : shapeCounts)
            run({ "shapes", QString::number(count) });
        for (int size : { 1024, 65536 })
            run({ "drag", QString::number(size) });
    }
    auto samples = [&](const QString& name, const QString& key) { return results[name].samples.value(key); };
    auto part = [&](const QString& peer, int size, const char* key) {
        return samples(QStringLiteral("frame %1 %2").arg(peer).arg(size), key);
    };
    auto frame = [&](const QString& peer, int size) { return part(peer, size, "frame"); };
    auto median = [](const std::vector<double>& v) { return v.empty() ? 0.0 : quantile(v, 0.5); };
    auto medianRatio = [&](const std::vector<double>& a, const std::vector<double>& b) {
        return a.empty() || b.empty() ? 0.0 : median(a) / median(b);
    };

    std::printf("\nFrame: values copied into the curve arrays + setData + render + on screen (profiles "
                "generated before timing); 4 series x N points, 800 x 600; ms, median / p90\n");
    printRow({ "N", "ChartWidget", "bare vtkChartXY", "QCustomPlot 2.1", "Qwt 6.1", "ChartWidget 8xMSAA",
        "chart / vtk", "chart / QCP", "8xMSAA / chart" });
    for (int size : sizes) {
        printRow({ QString::number(size), cell(frame("chart", size)), cell(frame("vtk", size)),
            cell(frame("qcustomplot", size)), cell(frame("qwt", size)), cell(frame("chart-msaa8", size)),
            ratio(frame("chart", size), frame("vtk", size)),
            ratio(frame("chart", size), frame("qcustomplot", size)),
            ratio(frame("chart-msaa8", size), frame("chart", size)) });
    }

    std::printf(
        "\nThe frame's parts, ms, medians: the copy of new values into the curve arrays, setData (the "
        "bare chart: its table fill), the render call (QCustomPlot: replot into its buffers; Qwt: "
        "replot, which paints and flushes at once), the wait until the frame is on screen\n");
    printRow({ "N", "peer", "copy", "setData", "render call", "wait for screen", "frame" });
    const QStringList names { "ChartWidget", "bare vtkChartXY", "QCustomPlot", "Qwt" };
    for (int size : sizes) {
        for (int i = 0; i < names.size(); ++i) {
            QStringList row { QString::number(size), names[i] };
            for (const char* key : { "copy", "setdata", "render", "wait", "frame" }) {
                const std::vector<double> v = part(peers[i], size, key);
                row << (v.empty() ? QStringLiteral("-") : QString::number(median(v), 'f', 2));
            }
            printRow(row);
        }
    }

    std::printf("\nHover: nearest point within 5 px, all four plots asked; us per query, median / p90\n");
    printRow({ "N", "first: chart", "first: vtkPlotPoints", "first ratio", "steady: chart",
        "steady: vtkPlotPoints", "steady ratio" });
    for (int size : sizes) {
        auto hover = [&](const QString& peer, const char* key) {
            return samples(QStringLiteral("hover %1 %2").arg(peer).arg(size), key);
        };
        printRow({ QString::number(size), cell(hover("chart", "first"), 1), cell(hover("vtk", "first"), 1),
            ratio(hover("chart", "first"), hover("vtk", "first")), cell(hover("chart", "steady"), 2),
            cell(hover("vtk", "steady"), 2), ratio(hover("chart", "steady"), hover("vtk", "steady")) });
    }

    std::printf("\nStart-up to the first frame (4 x 4096 points), ms, median / p90; peak RSS at 4 x 65536 "
                "(with %d frames of profiles banked), MB\n",
        Profiles::bankSize);
    auto startup = [&](const QString& peer) { return samples("startup " + peer, "startup"); };
    printRow({ "", "ChartWidget", "bare vtkChartXY", "QCustomPlot", "Qwt", "chart / vtk" });
    printRow({ "start-up", cell(startup("chart"), 1), cell(startup("vtk"), 1),
        cell(startup("qcustomplot"), 1), cell(startup("qwt"), 1), ratio(startup("chart"), startup("vtk")) });
    QStringList memory { "peak RSS" };
    for (const char* peer : { "chart", "vtk", "qcustomplot", "qwt" }) {
        const std::vector<double> rss = samples(QStringLiteral("frame %1 65536").arg(peer), "rss");
        memory << (rss.empty()
                ? QStringLiteral("-")
                : QStringLiteral("%1 %2").arg(peer).arg(quantile(rss, 1.0) / 1024.0, 0, 'f', 0));
    }
    printRow(memory);

    std::printf("\nShapes: drawShapes() of K rectangles, then the frame showing them (4 x 4096 points); "
                "ms, median / p90\n");
    printRow({ "K", "drawShapes", "frame" });
    for (int count : shapeCounts) {
        const QString name = QStringLiteral("shapes %1").arg(count);
        printRow({ QString::number(count), cell(samples(name, "drawshapes")), cell(samples(name, "frame")) });
    }
    std::printf("\nDrag: one mouse move of a rectangle's body drag, then its frame; ms, median / p90\n");
    printRow({ "N", "move", "frame" });
    for (int size : { 1024, 65536 }) {
        const QString name = QStringLiteral("drag %1").arg(size);
        printRow({ QString::number(size), cell(samples(name, "step"), 3), cell(samples(name, "frame")) });
    }

    std::printf("\nTargets: ratios of medians within this run\n");
    for (int size : sizes) {
        printTarget(QStringLiteral("frame, chart / bare vtkChartXY at %1").arg(size),
            medianRatio(frame("chart", size), frame("vtk", size)), 1.05);
    }
    printTarget(QStringLiteral("frame, chart / QCustomPlot at 1024"),
        medianRatio(frame("chart", 1024), frame("qcustomplot", 1024)), 3.0);
    printTarget(QStringLiteral("frame, chart / QCustomPlot at 65536"),
        medianRatio(frame("chart", 65536), frame("qcustomplot", 65536)), 1.5);
    printTarget(QStringLiteral("start-up, chart / bare VTK widget"),
        medianRatio(startup("chart"), startup("vtk")), 0.8);
    printTarget(QStringLiteral("shapes frame, 100 rectangles / none"),
        medianRatio(samples("shapes 100", "frame"), samples("shapes 0", "frame")), 1.5);

    return report(results);
}

/// The chart's frame at device pixel ratio 1 and 2: the same 800 x 600 window, four times the device pixels.
int driveDpr(int rounds)
{
    const QList<int> sizes { 1024, 4096, 16384, 65536 };
    const QStringList ratios { "1", "2" };
    QMap<QString, Result> results; // by "size ratio"
    for (int round = 0; round < rounds; ++round) {
        for (int size : sizes) {
            for (const QString& factor : ratios) {
                runChild({ "frame", "chart", QString::number(size) },
                    results[QStringLiteral("%1 %2").arg(size).arg(factor)], factor);
            }
        }
    }
    const auto frame = [&](int size, const QString& factor) {
        return results[QStringLiteral("%1 %2").arg(size).arg(factor)].samples.value("frame");
    };
    std::printf("\nFrame of the ChartWidget at device pixel ratio 1 and 2 (QT_SCALE_FACTOR): 4 series x N "
                "points, 800 x 600 logical pixels; ms, median / p90\n");
    printRow({ "N", "ratio 1", "ratio 2", "2 / 1" });
    for (int size : sizes)
        printRow({ QString::number(size), cell(frame(size, "1")), cell(frame(size, "2")),
            ratio(frame(size, "2"), frame(size, "1")) });
    return report(results);
}

int usage()
{
    std::printf("usage: bench_chart [--rounds R]            all cases, R rounds (default 2)\n"
                "       bench_chart dpr [--rounds R]        the chart's frame at device pixel ratio 1 and 2\n"
                "       bench_chart frame PEER N | hover PEER N | startup PEER | shapes COUNT | drag N\n"
                "       bench_chart screenshot FILE.png SAMPLES\n"
                "PEER: chart, chart-msaaK (K samples), vtk, qcustomplot, qwt\n");
    return 2;
}

} // namespace

} // namespace bench

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--rounds"))
        return bench::drive(arguments.size() == 2 ? std::max(1, arguments[1].toInt()) : 2);
    const QString which = arguments.value(0);
    if (which == QLatin1String("dpr")
        && (arguments.size() == 1 || arguments.value(1) == QLatin1String("--rounds")))
        return bench::driveDpr(arguments.size() == 3 ? std::max(1, arguments[2].toInt()) : 2);
    if (which == QLatin1String("frame") && arguments.size() == 3)
        return bench::runFrames(arguments[1], arguments[2].toInt());
    if (which == QLatin1String("hover") && arguments.size() == 3)
        return bench::runHover(arguments[1], arguments[2].toInt());
    if (which == QLatin1String("startup") && arguments.size() == 2)
        return bench::runStartup(arguments[1]);
    if (which == QLatin1String("shapes") && arguments.size() == 2)
        return bench::runShapes(arguments[1].toInt());
    if (which == QLatin1String("drag") && arguments.size() == 2)
        return bench::runDrag(arguments[1].toInt());
    if (which == QLatin1String("screenshot") && arguments.size() == 3)
        return bench::runScreenshot(arguments[1], arguments[2].toInt());
    return bench::usage();
}
