// A rendered util::ChartWidget (optionally with one profile), render and event counters, and VTK context
// events aimed at data positions. Shared by the chart tests that need a window.
#pragma once

#include <util/chart_widget.h>
#include <util/shape.h>

#include "chart/chart_widget_p.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"

#include <vorn/Vorn3dParametricCurveArray.h>

#include "gl_driver.h"

#include <QtTest>

#include <vtkAxis.h>
#include <vtkCallbackCommand.h>
#include <vtkChartXY.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextTransform.h>
#include <vtkOpenGLRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTransform2D.h>
#include <vtkVectorOperators.h>

#include <cmath>
#include <memory>

using util::Axis;
using util::ChartPlot;

struct ChartFixture
{
    static constexpr int LEFT = vtkContextMouseEvent::LEFT_BUTTON;
    static constexpr int RIGHT = vtkContextMouseEvent::RIGHT_BUTTON;

    std::unique_ptr<util::ChartWidget> widget;
    util::ChartWidgetPrivate* d = nullptr;
    util::ChartXY* chart = nullptr;
    Vorn3dParametricCurveArray profile; ///< points (10 i, 4 i), i = 0..10
    vtkNew<vtkRenderWindowInteractor> keys; ///< carries the modifiers and key codes of the events
    int renders = 0;
    int interactions = 0;
    int selections = 0;
    vtkIdType lastIndex = -1; ///< point index of the last event that carried one

    static std::unique_ptr<Vorn3dParametricCurveArray> makeCurves(
        std::vector<Vorn3dParametricCurveArray::Point> points)
    {
        auto result = std::make_unique<Vorn3dParametricCurveArray>();
        result->SetValidPoints(std::move(points));
        return result;
    }

    /// Rewrites @p shape as the rectangle (x0, y0) - (x1, y1), in four lines: bottom, right, top, left.
    static void rewriteAsRectangle(util::Shape& shape, double x0, double y0, double x1, double y1)
    {
        shape.clear();
        shape.addLine({ x0, y0 }, { x1, y0 });
        shape.addLine({ x1, y0 }, { x1, y1 });
        shape.addLine({ x1, y1 }, { x0, y1 });
        shape.addLine({ x0, y1 }, { x0, y0 });
    }

    static ChartPlot makeSeries(
        Vorn3dParametricCurveArray* data, const QString& name, int kind = util::Profile)
    {
        ChartPlot plot;
        plot.curves = data;
        plot.name = name;
        plot.color = Qt::green;
        plot.kind = kind;
        return plot;
    }

    /// Shows an 800 x 400 chart without multisampling; with @p withProfile it shows and paints the profile.
    void open(bool withProfile = true)
    {
        vtkOpenGLRenderWindow::SetGlobalMaximumNumberOfMultiSamples(0);
        widget = std::make_unique<util::ChartWidget>();
        d = util::ChartWidgetPrivate::get(widget.get());
        chart = d->chart;
        widget->resize(800, 400);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[0], 800);
        QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[1], 400);
        if (withProfile) {
            std::vector<Vorn3dParametricCurveArray::Point> points;
            for (int i = 0; i <= 10; ++i)
                points.push_back({ 10.0f * i, 4.0f * i });
            profile.SetValidPoints(std::move(points));
            widget->setData({ makeSeries(&profile, QStringLiteral("profile")) });
            paint();
        }
        renders = interactions = selections = 0;
        lastIndex = -1;
        vtkNew<vtkCallbackCommand> counter;
        counter->SetClientData(this);
        counter->SetCallback([](vtkObject*, unsigned long id, void* self, void* data) {
            auto* fixture = static_cast<ChartFixture*>(self);
            if (id == vtkCommand::EndEvent) {
                ++fixture->renders;
                return;
            }
            ++(id == vtkCommand::InteractionEvent ? fixture->interactions : fixture->selections);
            if (data)
                fixture->lastIndex = static_cast<vtkChartPlotData*>(data)->Index;
        });
        chart->AddObserver(vtkCommand::InteractionEvent, counter);
        chart->AddObserver(vtkCommand::SelectionChangedEvent, counter);
        d->renderingWindow->renderWindow->AddObserver(vtkCommand::EndEvent, counter);
    }

    void close()
    {
        keepGlDriverLoaded();
        widget.reset();
    }

    /// Renders now, which also refreshes the plots' point caches used by the searches.
    void paint()
    {
        d->renderingWindow->renderPending = true;
        widget->render();
    }

    /// The scene position of data point (@p x, @p y) in corner 0.
    vtkVector2i screen(double x, double y) const
    {
        const double in[2] = { x, y };
        double out[2];
        chart->GetTransforms()[0]->GetTransform()->TransformPoints(in, out, 1);
        return vtkVector2i(int(std::lround(out[0])), int(std::lround(out[1])));
    }

    QPointF data(const vtkVector2f& scene) const
    {
        const double in[2] = { scene[0], scene[1] };
        double out[2];
        chart->GetTransforms()[0]->GetTransform()->InverseTransformPoints(in, out, 1);
        return { out[0], out[1] };
    }

    vtkContextMouseEvent mouse(int button, const vtkVector2f& pos, const vtkVector2f& last) const
    {
        vtkContextMouseEvent event;
        event.SetInteractor(keys);
        event.SetButton(button);
        event.SetPos(pos);
        event.SetScenePos(pos);
        event.SetScreenPos(vtkVector2i(int(pos[0]), int(pos[1])));
        event.SetLastPos(last);
        event.SetLastScenePos(last);
        event.SetLastScreenPos(vtkVector2i(int(last[0]), int(last[1])));
        return event;
    }
    vtkContextMouseEvent mouse(int button, const vtkVector2f& pos) const { return mouse(button, pos, pos); }
    vtkContextMouseEvent mouse(int button, const vtkVector2i& pos, const vtkVector2i& last) const
    {
        return mouse(button, vtkVector2f(pos.Cast<float>()), vtkVector2f(last.Cast<float>()));
    }
    vtkContextMouseEvent mouse(int button, const vtkVector2i& pos) const { return mouse(button, pos, pos); }

    QVector<double> range(Axis axis) const
    {
        return { d->axis(axis)->GetMinimum(), d->axis(axis)->GetMaximum() };
    }

    static bool near(const QVector<double>& a, const QVector<double>& b)
    {
        for (int i = 0; i < a.size(); ++i) {
            if (std::fabs(a[i] - b[i]) > 1e-9 * std::max(1.0, std::fabs(b[i])))
                return false;
        }
        return a.size() == b.size();
    }
};
