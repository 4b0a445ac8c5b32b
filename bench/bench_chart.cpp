// Frame time of a live chart: 4 series of 4096 points get new values, setData() and render(),
// in an 800 x 600 widget. Prints the median and the 90th percentile of each step and of the frame.
#include <util/chart_widget.h>

#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int seriesCount = 4;
constexpr int pointCount = 4096;
constexpr int warmUpFrames = 20;
constexpr int measuredFrames = 300;

struct Samples
{
    const char* name;
    std::vector<double> ms;

    void print()
    {
        std::sort(ms.begin(), ms.end());
        const auto at
            = [this](double q) { return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))]; };
        std::printf("%-22s median %7.3f ms   p90 %7.3f ms\n", name, at(0.5), at(0.9));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    util::ChartWidget chart;
    chart.resize(800, 600);
    chart.show();
    QElapsedTimer wait;
    wait.start();
    while ((!chart.windowHandle() || !chart.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    VornProfileGenerator generator(7);
    generator.setPointCount(pointCount);
    std::array<Vorn3dParametricCurveArray, seriesCount> curves;
    const int kinds[seriesCount] = { util::Profile, util::Reflectance, util::PeakWidth, util::Profile };
    std::vector<util::ChartPlot> list;
    for (int i = 0; i < seriesCount; ++i) {
        util::ChartPlot plot;
        plot.curves = &curves[std::size_t(i)];
        plot.name = QStringLiteral("series %1").arg(i);
        plot.kind = kinds[i];
        plot.color = QColor::fromHsv(i * 90, 255, 255);
        list.push_back(plot);
    }

    Samples fill { "new values", {} };
    Samples setData { "setData", {} };
    Samples render { "render", {} };
    Samples frame { "frame (all three)", {} };
    QElapsedTimer clock;
    for (int n = 0; n < warmUpFrames + measuredFrames; ++n) {
        clock.start();
        for (int i = 0; i < seriesCount; ++i)
            generator.fill(curves[std::size_t(i)], 0.05 * n, 1.3 * i);
        const qint64 filled = clock.nsecsElapsed();
        chart.setData(list);
        const qint64 set = clock.nsecsElapsed();
        chart.render();
        const qint64 rendered = clock.nsecsElapsed();
        if (n >= warmUpFrames) {
            fill.ms.push_back(double(filled) / 1e6);
            setData.ms.push_back(double(set - filled) / 1e6);
            render.ms.push_back(double(rendered - set) / 1e6);
            frame.ms.push_back(double(rendered) / 1e6);
        }
        QCoreApplication::processEvents(); // let the widget show the frame, outside the timing
    }
    std::printf(
        "%d series x %d points, 800 x 600 widget, %d frames\n", seriesCount, pointCount, measuredFrames);
    for (Samples* samples : { &fill, &setData, &render, &frame })
        samples->print();
    return 0;
}
