// util::ChartXY interaction on a rendered util::ChartWidget: pan, zoom box, wheel, keys and hover tooltips,
// driven by VTK context events into the chart.
#include "chart_fixture.h"

#include <vtkContextKeyEvent.h>
#include <vtkTooltipItem.h>

class TstChartInteraction : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { close(); }
    void pan();
    void boxZoom_data();
    void boxZoom();
    void wheel_data();
    void wheel();
    void keyPresses();
    void hoverTooltips();
    void clickLocatesPoint();
    void emptyRangeStaysPut();
    void viewStaysInsideTheCap();

private:
    /// A left drag (a pan away from shapes) or, with Ctrl, a right one (a zoom box) between scene points.
    void drag(int button, const vtkVector2f& from, const vtkVector2f& to)
    {
        keys->SetControlKey(button == RIGHT);
        chart->MouseButtonPressEvent(mouse(button, from));
        chart->MouseMoveEvent(mouse(button, to, from));
        chart->MouseMoveEvent(mouse(button, from, to));
        chart->MouseMoveEvent(mouse(button, to, from));
        chart->MouseButtonReleaseEvent(mouse(button, to));
    }
};

void TstChartInteraction::pan()
{
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const vtkVector2i from = screen(50, 20);
    const vtkVector2i to = screen(40, 25);
    QVERIFY(chart->MouseButtonPressEvent(mouse(LEFT, from)));
    d->renderingWindow->renderPending = false;
    QVERIFY(chart->MouseMoveEvent(mouse(LEFT, to, from)));
    QVERIFY(d->renderingWindow->renderPending);
    QCOMPARE(interactions, 1);
    // The view follows the pointer: the data under it moved by -10 on x and +5 on y.
    QVERIFY(qAbs(range(Axis::Bottom)[0] - (x[0] + 10)) < 0.2);
    QVERIFY(qAbs(range(Axis::Left)[1] - (y[1] - 5)) < 0.2);
    chart->MouseButtonReleaseEvent(mouse(LEFT, to));
    QCOMPARE(selections, 0);
}

void TstChartInteraction::boxZoom_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPointF>("size");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("ctrl") << int(vtkContextMouseEvent::CONTROL_MODIFIER) << QPointF(100, 50) << true;
    QTest::newRow("thin box") << int(vtkContextMouseEvent::CONTROL_MODIFIER) << QPointF(100, 0.3) << false;
    QTest::newRow("no ctrl") << 0 << QPointF(100, 50) << false;
    QTest::newRow("ctrl and shift") << int(
        vtkContextMouseEvent::CONTROL_MODIFIER | vtkContextMouseEvent::SHIFT_MODIFIER)
                                    << QPointF(100, 50) << false;
}

void TstChartInteraction::boxZoom()
{
    QFETCH(int, modifiers);
    QFETCH(QPointF, size);
    QFETCH(bool, zooms);
    keys->SetControlKey(modifiers & vtkContextMouseEvent::CONTROL_MODIFIER);
    keys->SetShiftKey(modifiers & vtkContextMouseEvent::SHIFT_MODIFIER);
    const QVector<double> x = range(Axis::Bottom);
    const vtkVector2f origin(300, 150);
    const vtkVector2f corner(origin[0] + float(size.x()), origin[1] + float(size.y()));
    const QPointF low = data(origin);
    const QPointF high = data(corner);
    QCOMPARE(chart->MouseButtonPressEvent(mouse(RIGHT, origin)),
        modifiers == vtkContextMouseEvent::CONTROL_MODIFIER);
    chart->MouseMoveEvent(mouse(RIGHT, corner));
    chart->MouseButtonReleaseEvent(mouse(RIGHT, corner));
    QCOMPARE(chart->GetKeepAspectRatio(), !zooms);
    QCOMPARE(interactions, zooms ? 1 : 0);
    if (!zooms) {
        QCOMPARE(range(Axis::Bottom), x);
        return;
    }
    QVERIFY(qAbs(range(Axis::Bottom)[0] - low.x()) < 1e-3 && qAbs(range(Axis::Bottom)[1] - high.x()) < 1e-3);
    QVERIFY(qAbs(range(Axis::Left)[0] - low.y()) < 1e-3 && qAbs(range(Axis::Left)[1] - high.y()) < 1e-3);
}

void TstChartInteraction::wheel_data()
{
    QTest::addColumn<QVector<double>>("before");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QVector<double>>("after");
    QTest::newRow("in") << QVector<double> { 0, 10 } << 1 << QVector<double> { 1, 9 };
    QTest::newRow("out") << QVector<double> { 0, 10 } << -1 << QVector<double> { -1, 11 };
    QTest::newRow("negative end rounds to nearest")
        << QVector<double> { -1.25, 1.25 } << 1 << QVector<double> { -1, 1 };
    QTest::newRow("ends that meet are separated")
        << QVector<double> { 0, 0.00004 } << 1 << QVector<double> { 0, 0.0001 };
    QTest::newRow("upper cap") << QVector<double> { -8e13, 8.8e14 } << -1
                               << QVector<double> { -1.76e14, 7.5e14 };
    QTest::newRow("lower cap") << QVector<double> { -8.8e14, 8e13 } << -1
                               << QVector<double> { -7.5e14, 1.76e14 };
    QTest::newRow("huge") << QVector<double> { -1e300, 1e300 } << 1 << QVector<double> { -7.5e14, 7.5e14 };
}

void TstChartInteraction::wheel()
{
    QFETCH(QVector<double>, before);
    QFETCH(int, delta);
    QFETCH(QVector<double>, after);
    for (Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top })
        d->axis(axis)->SetRange(before[0], before[1]);
    QVERIFY(chart->MouseWheelEvent(mouse(0, screen(50, 20)), delta));
    for (Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top })
        QVERIFY2(near(range(axis), after), qPrintable(QString::number(range(axis)[0], 'g', 17)));
    QCOMPARE(interactions, 1);

    chart->SetZoomWithMouseWheel(false);
    QVERIFY(!chart->MouseWheelEvent(mouse(0, screen(50, 20)), delta));
    QVERIFY(near(range(Axis::Bottom), after));
}

void TstChartInteraction::keyPresses()
{
    const QVector<double> x = range(Axis::Bottom);
    for (char key : { 'r', 'R', 'q' }) {
        d->renderingWindow->renderPending = false;
        vtkContextKeyEvent press;
        keys->SetKeyCode(key);
        press.SetInteractor(keys);
        QVERIFY(chart->KeyPressEvent(press));
        QVERIFY(d->renderingWindow->renderPending);
        QCOMPARE(range(Axis::Bottom), x);
    }
}

void TstChartInteraction::hoverTooltips()
{
    vtkTooltipItem* tooltip = chart->GetTooltip();
    chart->MouseMoveEvent(mouse(0, screen(50, 20) + vtkVector2i(3, -3)));
    QVERIFY(tooltip->GetVisible());
    QCOMPARE(QString::fromStdString(tooltip->GetText()), QString("profile: 50,  20"));

    // Away from every point the tooltip hides, and only that change asks for a render.
    d->renderingWindow->renderPending = false;
    chart->MouseMoveEvent(mouse(0, screen(50, 20) + vtkVector2i(8, 8)));
    QVERIFY(!tooltip->GetVisible());
    QVERIFY(d->renderingWindow->renderPending);
    d->renderingWindow->renderPending = false;
    chart->MouseMoveEvent(mouse(0, screen(50, 20) + vtkVector2i(9, 8)));
    QVERIFY(!d->renderingWindow->renderPending);

    chart->MouseMoveEvent(mouse(0, screen(50, 20)));
    QVERIFY(chart->MouseLeaveEvent(mouse(0, screen(50, 20))));
    QVERIFY(!tooltip->GetVisible());
}

void TstChartInteraction::clickLocatesPoint()
{
    QVERIFY(chart->MouseButtonPressEvent(mouse(LEFT, screen(50, 20))));
    QVERIFY(chart->MouseButtonReleaseEvent(mouse(LEFT, screen(50, 20))));
    QCOMPARE(interactions, 1);
    QCOMPARE(lastIndex, vtkIdType(5));
}

void TstChartInteraction::emptyRangeStaysPut()
{
    // Over empty ranges the plot transforms scale by infinity and map the pointer nowhere. (A fit never
    // makes such a view: a single point fits one a unit wide.)
    for (Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top }) {
        const double at = axis == Axis::Bottom || axis == Axis::Top ? 38 : 0;
        d->axis(axis)->SetRange(at, at);
    }
    chart->RecalculateBounds();
    paint();
    drag(LEFT, vtkVector2f(300, 150), vtkVector2f(340, 190));
    drag(RIGHT, vtkVector2f(300, 150), vtkVector2f(400, 200));
    for (Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top }) {
        const double at = axis == Axis::Bottom || axis == Axis::Top ? 38 : 0;
        QCOMPARE(range(axis), (QVector<double> { at, at }));
    }
}

void TstChartInteraction::viewStaysInsideTheCap()
{
    // Panning stops at the wheel's cap, keeping the span.
    d->axis(Axis::Bottom)->SetRange(7.05e14, 7.45e14);
    d->axis(Axis::Left)->SetRange(-7.47e14, -7.37e14);
    chart->SetKeepAspectRatio(false);
    paint();
    drag(LEFT, vtkVector2f(500, 100), vtkVector2f(300, 300));
    QVERIFY(near(range(Axis::Bottom), { 7.1e14, 7.5e14 }));
    QVERIFY(near(range(Axis::Left), { -7.5e14, -7.4e14 }));

    // The equal scale widens a range about its centre, shifted inwards at the cap.
    d->axis(Axis::Bottom)->SetRange(0, 1e14);
    d->axis(Axis::Left)->SetRange(7.4e14, 7.5e14);
    chart->SetKeepAspectRatio(true);
    paint();
    const QVector<double> left = range(Axis::Left);
    QCOMPARE(left[1], 7.5e14);
    QVERIFY(left[1] - left[0] > 2e13); // widened beyond the original 1e13
}

QTEST_MAIN(TstChartInteraction)
#include "tst_chart_interaction.moc"
