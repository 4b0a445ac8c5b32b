// util::ChartWidget driven the way a user drives it: Qt mouse, wheel and key events on the rendering window,
// through QVTKInteractor and the context scene (its picking, enter and leave), to the chart and the shapes.
// Positions are chosen in data space, turned into widget pixels through the chart's transforms, and the
// expected results are computed from the scene pixels the interactor actually reports for those positions.
#include "chart_fixture.h"

#include <util/shape.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWindow>

#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkTooltipItem.h>

using util::Point2D;
using util::Shape;

namespace {

/// An interactive rectangle that may be dragged along both axes, without callbacks.
Shape rectangle(double x0, double y0, double x1, double y1)
{
    Shape shape;
    shape.setIdentifier(1);
    shape.setTitle(QStringLiteral("box"));
    shape.setInteractive(true);
    shape.setCanDragAlongX(true);
    shape.setCanDragAlongY(true);
    ChartFixture::rewriteAsRectangle(shape, x0, y0, x1, y1);
    return shape;
}

bool agrees(double a, double b, double span)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(span));
}

} // namespace

class TstChartEvents : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        open();
        // Frames come only when a test asks for one. VTK would otherwise render after a scene change at a
        // time of the event loop's choosing, and a frame may re-apply the equal scale to a new layout in the
        // middle of a gesture.
        d->renderingWindow->renderWindow->GetInteractor()->EnableRenderOff();
        settle();
    }
    void cleanup();
    void pan_data();
    void pan();
    void panMovesTheSecondaryAxes_data();
    void panMovesTheSecondaryAxes();
    void panWithoutPlotsInTheFirstCorner();
    void wheel_data();
    void wheel();
    void boxZoom_data();
    void boxZoom();
    void hoverTooltip();
    void tooltipHidesWhenThePointerLeavesTheWidget();
    void keys_data();
    void keys();
    void characterKeysReachNoVtkBinding();
    void bodyDrag();
    void handleDrag();
    void tallWindowFit();
    void firstFrameAfterFittingHasOneScale();

private:
    QWindow* window() const { return widget->windowHandle(); }
    vtkContextScene* scene() const { return d->view->GetScene(); }
    /// Device pixels per widget pixel, as the interactor adapter scales positions.
    double ratio() const
    {
        return double(d->renderingWindow->renderWindow->GetSize()[0]) / d->renderingWindow->width();
    }
    int sceneHeight() const { return d->renderingWindow->renderWindow->GetInteractor()->GetSize()[1]; }

    /// The scene pixel the interactor reports for widget position @p p: device pixels, y pointing up.
    vtkVector2i scenePos(const QPoint& p) const
    {
        const double r = ratio();
        return vtkVector2i(int(p.x() * r + 1e-5), sceneHeight() - int(p.y() * r + 1e-5) - 1);
    }
    /// The widget position nearest to data point (@p x, @p y) of plot corner @p corner.
    QPoint at(double x, double y, int corner = 0) const
    {
        const double in[2] = { x, y };
        double out[2];
        chart->GetTransforms()[std::size_t(corner)]->GetTransform()->TransformPoints(in, out, 1);
        const double r = ratio();
        return QPoint(int(std::lround(out[0] / r)), int(std::lround((sceneHeight() - 1 - out[1]) / r)));
    }
    /// The data position under widget position @p p in plot corner @p corner.
    QPointF dataAt(const QPoint& p, int corner = 0) const
    {
        const vtkVector2i scene = scenePos(p);
        const double in[2] = { double(scene[0]), double(scene[1]) };
        double out[2];
        chart->GetTransforms()[std::size_t(corner)]->GetTransform()->InverseTransformPoints(in, out, 1);
        return { out[0], out[1] };
    }

    void press(const QPoint& p, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        held = button;
        QTest::mousePress(window(), button, keys, p);
    }
    void moveTo(const QPoint& p, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseEvent(QTest::MouseMove, window(), Qt::NoButton, keys, p);
    }
    void release(const QPoint& p, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseRelease(window(), std::exchange(held, Qt::NoButton), keys, p);
    }
    /// Moves to @p from, presses @p button there, moves to @p to in @p steps even steps and releases.
    void drag(const QPoint& from, const QPoint& to, Qt::MouseButton button = Qt::LeftButton,
        Qt::KeyboardModifiers keys = {}, int steps = 3)
    {
        moveTo(from, keys);
        press(from, button, keys);
        for (int i = 1; i <= steps; ++i)
            moveTo(from + (to - from) * i / steps, keys);
        release(to, keys);
    }
    /// One wheel event at @p p; 120 is one notch, a positive angle turns the wheel away from the user.
    void wheel(const QPoint& p, int angle)
    {
        QWheelEvent event(QPointF(p), QPointF(d->renderingWindow->mapToGlobal(p)), QPoint(), QPoint(0, angle),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(d->renderingWindow, &event);
    }
    /// A VTK observer that counts its events in @p count.
    static vtkSmartPointer<vtkCallbackCommand> counter(int& count)
    {
        auto command = vtkSmartPointer<vtkCallbackCommand>::New();
        command->SetClientData(&count);
        command->SetCallback([](vtkObject*, unsigned long, void* n, void*) { ++*static_cast<int*>(n); });
        return command;
    }
    /// The first stored shape with its tables and plots.
    const util::ShapeOverlay::Entry& entry() const { return d->shapeOverlay->entries().at(0); }
    /**
     * Renders until the axis ranges stay put. The equal scale is applied with the axis lengths of the frame
     * before, so a frame that changes the layout is followed by one that adjusts the ranges (see
     * firstFrameAfterFittingHasOneScale()).
     */
    void settle()
    {
        for (int i = 0; i < 5; ++i) {
            const std::array<QVector<double>, 4> before = axisRanges();
            paint();
            if (axisRanges() == before)
                return;
        }
        QFAIL("the axis ranges keep changing from frame to frame");
    }
    std::array<QVector<double>, 4> axisRanges() const
    {
        return { range(Axis::Left), range(Axis::Bottom), range(Axis::Right), range(Axis::Top) };
    }
    /// Data units per device pixel along the bottom or the left axis, as last laid out.
    double unitsPerPixel(Axis axis) const
    {
        vtkAxis* item = d->axis(axis);
        const int along = axis == Axis::Bottom ? 0 : 1;
        return (item->GetMaximum() - item->GetMinimum())
            / (item->GetPoint2()[along] - item->GetPoint1()[along]);
    }
    /**
     * Gives the right and top axes ranges of their own, several times as long as the left and bottom ones,
     * and renders: a conversion through the wrong corner's transform then shows.
     */
    void separateSecondaryAxes()
    {
        settle();
        d->axis(Axis::Right)->SetRange(-500, 500);
        d->axis(Axis::Top)->SetRange(-300, 300);
        paint();
        QCOMPARE(range(Axis::Right), QVector<double>({ -500, 500 }));
    }

    Qt::MouseButton held = Qt::NoButton; ///< the button pressed and not yet released
};

void TstChartEvents::cleanup()
{
    if (held != Qt::NoButton)
        release(QPoint(1, 1)); // a failed check must not leave a button down for the next test
    close();
}

void TstChartEvents::pan_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    // On a data point the scene picks the plot; the press bubbles up to the chart through the corner.
    QTest::newRow("from empty space") << QPointF(50, 30) << QPointF(40, 35);
    QTest::newRow("from a data point") << QPointF(50, 20) << QPointF(65, 12);
}

void TstChartEvents::pan()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const QPoint a = at(from.x(), from.y());
    const QPoint b = at(to.x(), to.y());
    moveTo(a);
    const bool onPoint = scene()->GetPickedItem() == d->plots[0];
    QCOMPARE(onPoint, from == QPointF(50, 20));
    const QPointF moved = dataAt(b) - dataAt(a);
    drag(a, b);
    QCOMPARE(interactions, 3); // one per move
    // The data under the pointer followed it.
    QVERIFY(agrees(range(Axis::Bottom)[0], x[0] - moved.x(), x[1] - x[0]));
    QVERIFY(agrees(range(Axis::Bottom)[1], x[1] - moved.x(), x[1] - x[0]));
    QVERIFY(agrees(range(Axis::Left)[0], y[0] - moved.y(), y[1] - y[0]));
    QVERIFY(agrees(range(Axis::Left)[1], y[1] - moved.y(), y[1] - y[0]));
    QVERIFY(d->renderingWindow->renderPending);
    QCOMPARE(selections, 0);
}

void TstChartEvents::panMovesTheSecondaryAxes_data()
{
    QTest::addColumn<int>("corner");
    QTest::newRow("corner 1: bottom and right") << 1;
    QTest::newRow("corner 2: top and right") << 2;
}

void TstChartEvents::panMovesTheSecondaryAxes()
{
    QFETCH(int, corner);
    Vorn3dParametricCurveArray second;
    std::vector<Vorn3dParametricCurveArray::Point> points;
    for (int i = 0; i <= 10; ++i)
        points.push_back({ 10.0f * i, 100.0f - 4.0f * i });
    second.SetValidPoints(std::move(points));
    ChartPlot secondSeries = makeSeries(&second, QStringLiteral("second"));
    secondSeries.corner = corner;
    widget->setData({ makeSeries(&profile, QStringLiteral("profile")), secondSeries });
    separateSecondaryAxes();
    const std::array<QVector<double>, 4> before = axisRanges();
    // The scene finds the second series' points through their own corner.
    moveTo(at(50, 80, corner));
    QCOMPARE(scene()->GetPickedItem(), d->plots[1]);
    QVERIFY(chart->GetTooltip()->GetVisible());
    QCOMPARE(QString::fromStdString(chart->GetTooltip()->GetText()), QString("second: 50,  80"));

    const QPoint a = at(50, 30);
    const QPoint b = at(35, 36);
    const QPointF primary = dataAt(b) - dataAt(a);
    const QPointF secondary = dataAt(b, corner) - dataAt(a, corner);
    QVERIFY(qAbs(primary.y() - secondary.y()) > 1);
    drag(a, b);

    const auto shifted = [&before](Axis axis, double by) {
        const QVector<double>& r = before[int(axis)];
        return QVector<double> { r[0] - by, r[1] - by };
    };
    const auto sameRange = [](const QVector<double>& a, const QVector<double>& b) {
        return agrees(a[0], b[0], b[1] - b[0]) && agrees(a[1], b[1], b[1] - b[0]);
    };
    QVERIFY(sameRange(range(Axis::Bottom), shifted(Axis::Bottom, primary.x())));
    QVERIFY(sameRange(range(Axis::Left), shifted(Axis::Left, primary.y())));
    QVERIFY(sameRange(range(Axis::Right), shifted(Axis::Right, secondary.y())));
    if (corner == 2)
        QVERIFY(sameRange(range(Axis::Top), shifted(Axis::Top, secondary.x())));
    else
        QCOMPARE(range(Axis::Top), before[int(Axis::Top)]);
}

void TstChartEvents::panWithoutPlotsInTheFirstCorner()
{
    // The only series in corner 1 (bottom and right axes): corner 0, whose transform the pan reads for the
    // bottom axis, holds nothing. A zoom first, so that the scale is no longer the one corner 0 last saw.
    ChartPlot series = makeSeries(&profile, QStringLiteral("profile"));
    series.corner = 1;
    widget->setData({ series });
    paint();
    wheel(at(50, 30, 1), 120);
    wheel(at(50, 30, 1), 120);
    paint();
    const QVector<double> x = range(Axis::Bottom);
    const QPoint a = at(50, 30, 1);
    const QPoint b = at(40, 30, 1);
    const double moved = dataAt(b, 1).x() - dataAt(a, 1).x();
    drag(a, b);
    QEXPECT_FAIL("",
        "Pan converts the pointer's movement with the first corner's transform, which is not recalculated "
        "while that corner is empty: after a zoom the bottom axis moves by the scale of before the zoom",
        Continue);
    QVERIFY(agrees(range(Axis::Bottom)[0], x[0] - moved, x[1] - x[0]));
}

void TstChartEvents::wheel_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QVector<int>>("angles");
    QTest::addColumn<int>("steps");
    QTest::newRow("one notch in") << "empty space" << QVector<int> { 120 } << 1;
    QTest::newRow("two notches out") << "empty space" << QVector<int> { -120, -120 } << -2;
    QTest::newRow("over a data point") << "data point" << QVector<int> { 120 } << 1;
    // A fine wheel's small angles add up to one notch.
    QTest::newRow("fine wheel") << "empty space" << QVector<int>(8, 15) << 1;
    QTest::newRow("seven fine steps") << "empty space" << QVector<int>(7, 15) << 0;
    // Above the plot area the scene finds no item: the wheel does nothing.
    QTest::newRow("above the plot area") << "margin" << QVector<int> { 120 } << 0;
}

void TstChartEvents::wheel()
{
    QFETCH(QString, where);
    QFETCH(QVector<int>, angles);
    QFETCH(int, steps);
    QVector<double> expected[4];
    for (int i = 0; i < 4; ++i) {
        expected[i] = range(Axis(i));
        for (int s = 0; s < std::abs(steps); ++s) {
            const double frac = (expected[i][1] - expected[i][0]) * 0.1 * (steps > 0 ? 1 : -1);
            expected[i] = { std::round((expected[i][0] + frac) * 1e4) / 1e4,
                std::round((expected[i][1] - frac) * 1e4) / 1e4 };
        }
    }
    const QPoint p = where == "margin" ? QPoint(d->renderingWindow->width() / 2, 2)
        : where == "data point"        ? at(50, 20)
                                       : at(50, 30);
    moveTo(p);
    QCOMPARE(scene()->GetPickedItem() == d->plots[0], where == "data point");
    for (int angle : angles)
        wheel(p, angle);
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(near(range(Axis(i)), expected[i]),
            qPrintable(
                QStringLiteral("axis %1: %2..%3").arg(i).arg(range(Axis(i))[0]).arg(range(Axis(i))[1])));
    }
    QCOMPARE(interactions, std::abs(steps));
}

void TstChartEvents::boxZoom_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("ctrl") << int(Qt::ControlModifier) << true;
    QTest::newRow("no ctrl") << int(Qt::NoModifier) << false;
    QTest::newRow("ctrl and shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
}

void TstChartEvents::boxZoom()
{
    QFETCH(int, modifiers);
    QFETCH(bool, zooms);
    const Qt::KeyboardModifiers keys(modifiers);
    separateSecondaryAxes();
    const std::array<QVector<double>, 4> before = axisRanges();
    const QPoint a = at(30, 10);
    const QPoint b = at(70, 30);
    const QPointF low = dataAt(a);
    const QPointF high = dataAt(b);
    // The top and right axes map the box through their own ranges, along the same pixels.
    const auto secondaryData = [this](const QPoint& p) {
        const vtkVector2i s = scenePos(p);
        vtkAxis* top = d->axis(Axis::Top);
        vtkAxis* right = d->axis(Axis::Right);
        const double fx = (s[0] - top->GetPoint1()[0]) / (top->GetPoint2()[0] - top->GetPoint1()[0]);
        const double fy = (s[1] - right->GetPoint1()[1]) / (right->GetPoint2()[1] - right->GetPoint1()[1]);
        return QPointF(top->GetMinimum() + fx * (top->GetMaximum() - top->GetMinimum()),
            right->GetMinimum() + fy * (right->GetMaximum() - right->GetMinimum()));
    };
    const QPointF secondaryLow = secondaryData(a);
    const QPointF secondaryHigh = secondaryData(b);
    drag(a, b, Qt::RightButton, keys);
    QCOMPARE(chart->GetKeepAspectRatio(), !zooms);
    QCOMPARE(interactions, zooms ? 1 : 0);
    if (!zooms) {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(range(Axis(i)), before[i]);
        return;
    }
    const auto spans = [](const QVector<double>& r, double min, double max) {
        return std::fabs(r[0] - min) < 1e-6 * (max - min) && std::fabs(r[1] - max) < 1e-6 * (max - min);
    };
    QVERIFY(spans(range(Axis::Bottom), low.x(), high.x()));
    QVERIFY(spans(range(Axis::Left), low.y(), high.y()));
    QVERIFY(spans(range(Axis::Top), secondaryLow.x(), secondaryHigh.x()));
    QVERIFY(spans(range(Axis::Right), secondaryLow.y(), secondaryHigh.y()));
}

void TstChartEvents::hoverTooltip()
{
    vtkTooltipItem* tooltip = chart->GetTooltip();
    const QPoint point = at(50, 20) + QPoint(3, 3);
    moveTo(at(50, 30));
    QCOMPARE(scene()->GetPickedItem(), static_cast<vtkAbstractContextItem*>(chart));
    QVERIFY(!tooltip->GetVisible());

    // Onto the point: the scene picks the plot, leaves the chart, enters the plot and hands the move up.
    moveTo(point);
    QCOMPARE(scene()->GetPickedItem(), d->plots[0]);
    QVERIFY(tooltip->GetVisible());
    QCOMPARE(QString::fromStdString(tooltip->GetText()), QString("profile: 50,  20"));
    const vtkVector2i pixel = scenePos(point);
    QCOMPARE(tooltip->GetPositionVector(), vtkVector2f(float(pixel[0] + 2), float(pixel[1] - 40)));
    QVERIFY(d->renderingWindow->renderPending);

    // Off the point again: the plot's leave reaches the chart, which hides the tooltip.
    d->renderingWindow->renderPending = false;
    moveTo(at(50, 30));
    QVERIFY(!tooltip->GetVisible());
    QVERIFY(d->renderingWindow->renderPending);
    d->renderingWindow->renderPending = false;
    moveTo(at(50, 31));
    QVERIFY(!d->renderingWindow->renderPending); // nothing changed, no render asked for

    // A custom x mapping reaches the text; a press hides the tooltip.
    widget->xCustomTooltip([](int index, double) { return 1000.0 + index; });
    d->plots[0]->SetTooltipLabelFormat("%l: %a");
    moveTo(at(30, 12));
    QCOMPARE(QString::fromStdString(tooltip->GetText()), QString("profile: 1003"));
    press(at(30, 12));
    QVERIFY(!tooltip->GetVisible());
    release(at(30, 12));
}

void TstChartEvents::tooltipHidesWhenThePointerLeavesTheWidget()
{
    vtkTooltipItem* tooltip = chart->GetTooltip();
    moveTo(at(50, 20));
    QVERIFY(tooltip->GetVisible());
    int leaves = 0;
    d->renderingWindow->renderWindow->GetInteractor()->AddObserver(vtkCommand::LeaveEvent, counter(leaves));
    // What Qt sends the rendering window when the pointer leaves it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(d->renderingWindow, &leave);
    QCOMPARE(leaves, 1);
    QEXPECT_FAIL("",
        "The interactor raises vtkCommand::LeaveEvent, but vtkContextInteractorStyle passes no leave to the "
        "scene: the chart never hears that the pointer left the widget, and the tooltip stays",
        Continue);
    QVERIFY(!tooltip->GetVisible());
}

void TstChartEvents::keys_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QPointF>("where");
    QTest::addColumn<bool>("recalculates"); // the plot transforms, which marks the scene dirty
    QTest::newRow("r") << 'r' << QPointF(50, 30) << true;
    QTest::newRow("R") << 'R' << QPointF(50, 30) << true;
    QTest::newRow("another key") << 'x' << QPointF(50, 30) << false;
    QTest::newRow("R over a data point") << 'R' << QPointF(50, 20) << true;
}

void TstChartEvents::keys()
{
    QFETCH(char, key);
    QFETCH(QPointF, where);
    QFETCH(bool, recalculates);
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget.get()));
    const QPoint p = at(where.x(), where.y());
    // A click on the rendering window gives the chart the keyboard focus; the keys it leaves to the scene go
    // where the pointer is.
    QTest::mouseClick(window(), Qt::LeftButton, {}, at(50, 30));
    QTRY_VERIFY(widget->hasFocus());
    moveTo(p);
    paint();
    const std::array<QVector<double>, 4> ranges = axisRanges();
    QVERIFY(!scene()->GetDirty());
    d->renderingWindow->renderPending = false;
    QTest::keyClick(window(), key);
    QEXPECT_FAIL("R over a data point",
        "The scene hands a key only to the item under the pointer, without passing it up: over a data point "
        "the plot takes it and the chart never sees it",
        Continue);
    QVERIFY(d->renderingWindow->renderPending);
    QEXPECT_FAIL("R over a data point", "As above", Continue);
    QCOMPARE(scene()->GetDirty(), recalculates);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(range(Axis(i)), ranges[i]);
}

void TstChartEvents::characterKeysReachNoVtkBinding()
{
    // VTK's default bindings would toggle stereo rendering on '3' and quit on 'q' and 'e'. The widget removed
    // them; showing it must not have brought them back.
    vtkRenderWindowInteractor* interactor = d->renderingWindow->renderWindow->GetInteractor();
    QVERIFY(!interactor->HasObserver(vtkCommand::CharEvent));
    int exits = 0;
    interactor->AddObserver(vtkCommand::ExitEvent, counter(exits));
    moveTo(at(50, 30));
    paint();
    for (char key : { '3', 'q', 'e' })
        QTest::keyClick(widget.get(), key);
    QVERIFY(!d->renderingWindow->renderWindow->GetStereoRender());
    QCOMPARE(exits, 0);
    QVERIFY(d->renderingWindow->renderPending); // the chart had the keys
}

void TstChartEvents::bodyDrag()
{
    Shape shape = rectangle(20, 20, 40, 30);
    QPointF moved;
    QVector<double> dx;
    QVector<double> dy;
    QStringList calls;
    const auto redraw = [this, &moved] {
        rewriteAsRectangle(*widget->shape(1), 20 + moved.x(), 20 + moved.y(), 40 + moved.x(), 30 + moved.y());
    };
    shape.setXTranslationCallback([&](double delta) { dx << delta, moved.rx() += delta, redraw(); });
    shape.setYTranslationCallback([&](double delta) { dy << delta, moved.ry() += delta, redraw(); });
    shape.setOnMousePressCallback([&calls] { calls << "press"; });
    shape.setOnMouseReleaseCallback([&calls] { calls << "release"; });
    int hover = -1;
    d->callbacks->hoverState = [&hover](int state) { hover = state; };
    widget->addShape(shape);
    widget->drawShapes();
    paint();
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);

    const QPoint a = at(25, 23);
    const QPoint b = at(31, 26);
    moveTo(a);
    QCOMPARE(hover, 2); // over the body, away from the handles
    QVector<QPointF> positions;
    for (int i = 0; i <= 3; ++i)
        positions << dataAt(a + (b - a) * i / 3);
    drag(a, b);

    QCOMPARE(calls, QStringList({ "press", "release", "release" })); // released once per plot
    QCOMPARE(dx.size(), 3);
    QCOMPARE(dy.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(agrees(dx[i], positions[i + 1].x() - positions[i].x(), x[1] - x[0]));
        QVERIFY(agrees(dy[i], positions[i + 1].y() - positions[i].y(), y[1] - y[0]));
    }
    // The outline and the handles are drawn where the shape now is; the view did not pan.
    QCOMPARE(entry().outline.x->GetValue(0), 20 + moved.x());
    QCOMPARE(entry().handles.y->GetValue(11), 20 + moved.y());
    QCOMPARE(range(Axis::Bottom), x);
    QCOMPARE(range(Axis::Left), y);
    QCOMPARE(interactions, 0);
    QCOMPARE(selections, 1);
    // The rectangle is under the pointer where it was grabbed.
    paint();
    moveTo(b);
    QCOMPARE(hover, 2);
}

void TstChartEvents::handleDrag()
{
    Shape shape = rectangle(20, 20, 40, 30);
    QPointF corner(20, 20); // the bottom left corner follows its handle
    QVector<QPointF> xHandles;
    QVector<QPointF> yHandles;
    QVector<double> dx;
    QVector<double> dy;
    shape.setXResizeCallback([&](const Point2D& handle, double delta) {
        xHandles << QPointF(handle.x(), handle.y());
        dx << delta;
        corner.rx() += delta;
        rewriteAsRectangle(*widget->shape(1), corner.x(), corner.y(), 40, 30);
    });
    shape.setYResizeCallback([&](const Point2D& handle, double delta) {
        yHandles << QPointF(handle.x(), handle.y());
        dy << delta;
        corner.ry() += delta;
        rewriteAsRectangle(*widget->shape(1), corner.x(), corner.y(), 40, 30);
    });
    int translations = 0;
    shape.setXTranslationCallback([&translations](double) { ++translations; });
    widget->addShape(shape);
    widget->drawShapes();
    paint();
    const QVector<double> x = range(Axis::Bottom);

    const QPoint a = at(20, 20);
    const QPoint b = at(14, 17);
    moveTo(a);
    QCOMPARE(scene()->GetPickedItem(), entry().handlePlot); // the handle plot lies above the outline
    QVector<QPointF> positions;
    for (int i = 0; i <= 3; ++i)
        positions << dataAt(a + (b - a) * i / 3);
    drag(a, b);

    QCOMPARE(dx.size(), 3);
    QCOMPARE(dy.size(), 3);
    QPointF handle(20, 20);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(agrees(dx[i], positions[i + 1].x() - positions[i].x(), x[1] - x[0]));
        QVERIFY(agrees(dy[i], positions[i + 1].y() - positions[i].y(), x[1] - x[0]));
        // Each call names the handle where it is then: the y call comes after the x call has moved it.
        QCOMPARE(xHandles[i], handle);
        handle.rx() += dx[i];
        QCOMPARE(yHandles[i], handle);
        handle.ry() += dy[i];
    }
    QCOMPARE(translations, 0);
    QCOMPARE(entry().handles.x->GetValue(0), corner.x());
    QCOMPARE(entry().handles.y->GetValue(0), corner.y());
    QCOMPARE(entry().outline.y->GetValue(7), corner.y()); // the left line's end at the corner
    QCOMPARE(range(Axis::Bottom), x);
    QCOMPARE(selections, 2); // the picked handle point, then the end of the drag
}

void TstChartEvents::tallWindowFit()
{
    widget->resize(400, 800);
    const double dpr = d->renderingWindow->devicePixelRatioF();
    QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[0], int(std::lround(400 * dpr)));
    QTRY_COMPARE(d->renderingWindow->renderWindow->GetSize()[1], int(std::lround(800 * dpr)));
    paint(); // the frame Qt asks for after a resize
    widget->resetView();
    // Taller than wide (by two): the y range 0..40 is padded by |100 * 1/2 - 100| / 2 = 25 each way; x stays.
    QCOMPARE(range(Axis::Bottom), QVector<double>({ 0, 100 }));
    QCOMPARE(range(Axis::Left), QVector<double>({ -25, 65 }));
    QCOMPARE(range(Axis::Top), QVector<double>({ 0, 100 }));
    QCOMPARE(range(Axis::Right), QVector<double>({ 0, 40 }));
    settle();
    // The equal scale then widens y further about its centre; x keeps the data's extent.
    QCOMPARE(range(Axis::Bottom), QVector<double>({ 0, 100 }));
    const QVector<double> y = range(Axis::Left);
    QVERIFY(y[0] < -25 && y[1] > 65);
    QVERIFY(std::fabs((y[0] + y[1]) / 2 - 20) < 1e-9);
    QVERIFY(std::fabs(unitsPerPixel(Axis::Bottom) / unitsPerPixel(Axis::Left) - 1) < 0.01);
    // Every point is drawn in the window and answers the pointer.
    for (int i = 0; i <= 10; ++i) {
        QPoint p = at(10 * i, 4 * i);
        QVERIFY(d->renderingWindow->rect().contains(p));
        p.rx() += i == 0 ? 1 : i == 10 ? -1 : 0; // the outermost points sit on the plot area's border
        moveTo(p);
        QVERIFY(chart->GetTooltip()->GetVisible());
        QCOMPARE(QString::fromStdString(chart->GetTooltip()->GetText()),
            QStringLiteral("profile: %1,  %2").arg(10 * i).arg(4 * i));
    }
}

void TstChartEvents::firstFrameAfterFittingHasOneScale()
{
    // A new widget: data set, view fitted, one frame rendered, as a host does.
    close();
    open();
    QEXPECT_FAIL("",
        "The equal scale is applied before the layout, with the axis lengths of the frame before (none for a "
        "first frame): this frame shows x and y at different scales, and the next one, which any hover "
        "brings, rescales the view",
        Continue);
    QVERIFY(std::fabs(unitsPerPixel(Axis::Bottom) / unitsPerPixel(Axis::Left) - 1) < 0.01);
    paint();
    QVERIFY(std::fabs(unitsPerPixel(Axis::Bottom) / unitsPerPixel(Axis::Left) - 1) < 0.01);
}

QTEST_MAIN(TstChartEvents)
#include "tst_chart_events.moc"
