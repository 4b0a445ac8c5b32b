// The Qt plotting libraries an application might pick instead: QCustomPlot 2.1 and Qwt 6.1, each with
// its default drawing options. Built only when the library is installed.
#include "peer.h"

#include <vorn/VornVector.h>

#include <QVector>
#include <QWidget>

#ifdef BENCH_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif
#ifdef BENCH_HAVE_QWT
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_symbol.h>
#endif

namespace bench {

namespace {

/// The valid points of @p curves as separate x and y vectors (reused between frames).
void copyPoints(const Vorn3dParametricCurveArray& curves, QVector<double>& x, QVector<double>& y)
{
    VornVector buffer;
    curves.GetValidPoints(&buffer);
    const auto* xy = static_cast<const float*>(buffer.GetData());
    const int count = int(buffer.GetSize());
    x.resize(count);
    y.resize(count);
    for (int i = 0; i < count; ++i) {
        x[i] = xy[2 * i];
        y[i] = xy[2 * i + 1];
    }
}

#ifdef BENCH_HAVE_QCUSTOMPLOT
class CustomPlotPeer : public Peer
{
public:
    CustomPlotPeer()
    {
        for (int i = 0; i < seriesCount; ++i) {
            QCPGraph* graph = plot.addGraph();
            graph->setName(QStringLiteral("series %1").arg(i));
            graph->setLineStyle(QCPGraph::lsNone);
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, Profiles::color(i), 2));
        }
        plot.legend->setVisible(true);
    }

    QWidget* widget() override { return &plot; }

    void setData(const Profiles& profiles) override
    {
        for (int i = 0; i < seriesCount; ++i) {
            copyPoints(profiles.curves[std::size_t(i)], x, y);
            plot.graph(i)->setData(x, y, true);
        }
        if (!fitted) {
            plot.rescaleAxes();
            fitted = true;
        }
    }

    /// Draws the layers into QCustomPlot's paint buffers (what rpImmediateRefresh does before its repaint).
    void render() override { plot.replot(QCustomPlot::rpQueuedRefresh); }
    /// The buffers into the window, flushed to the screen.
    void waitForScreen() override { plot.repaint(); }
    QImage image() override { return plot.grab().toImage(); }

private:
    QCustomPlot plot;
    QVector<double> x;
    QVector<double> y;
    bool fitted = false;
};
#endif

#ifdef BENCH_HAVE_QWT
class QwtPeer : public Peer
{
public:
    QwtPeer()
    {
        for (int i = 0; i < seriesCount; ++i) {
            auto* curve = new QwtPlotCurve(QStringLiteral("series %1").arg(i));
            curve->setStyle(QwtPlotCurve::NoCurve);
            curve->setSymbol(new QwtSymbol(
                QwtSymbol::Rect, QBrush(Profiles::color(i)), QPen(Profiles::color(i)), QSize(2, 2)));
            curve->attach(&plot);
            curves[std::size_t(i)] = curve;
        }
        // replot() then paints at once instead of posting an update.
        static_cast<QwtPlotCanvas*>(plot.canvas())->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, true);
    }

    QWidget* widget() override { return &plot; }

    void setData(const Profiles& profiles) override
    {
        for (int i = 0; i < seriesCount; ++i) {
            QVector<double> x;
            QVector<double> y;
            copyPoints(profiles.curves[std::size_t(i)], x, y);
            curves[std::size_t(i)]->setSamples(x, y);
        }
        if (!fitted) {
            plot.updateAxes();
            for (int axis : { QwtPlot::xBottom, QwtPlot::yLeft }) {
                const QwtScaleDiv& scale = plot.axisScaleDiv(axis);
                plot.setAxisScale(axis, scale.lowerBound(), scale.upperBound());
            }
            fitted = true;
        }
    }

    /// Qwt draws in the canvas' paint event: replot() paints it at once and flushes it to the screen, so the
    /// render call holds the whole frame and there is nothing left to wait for.
    void render() override { plot.replot(); }
    QImage image() override { return plot.grab().toImage(); }

private:
    QwtPlot plot;
    std::array<QwtPlotCurve*, seriesCount> curves {};
    bool fitted = false;
};
#endif

} // namespace

std::unique_ptr<Peer> makeQtPeer(const QString& name)
{
#ifdef BENCH_HAVE_QCUSTOMPLOT
    if (name == QLatin1String("qcustomplot"))
        return std::make_unique<CustomPlotPeer>();
#endif
#ifdef BENCH_HAVE_QWT
    if (name == QLatin1String("qwt"))
        return std::make_unique<QwtPeer>();
#endif
    Q_UNUSED(name)
    return nullptr;
}

} // namespace bench
