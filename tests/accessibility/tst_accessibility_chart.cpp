// The chart as assistive tools and keyboard users meet it: its accessible tree (description, shapes as
// children), the keys that pan, zoom, select and move shapes, and the accessibility events it raises.
#include <util/chart_widget.h>
#include <util/shape.h>

#include "chart/chart_widget_p.h"
#include "chart/rendering_window.h"

#include <vorn/Vorn3dParametricCurveArray.h>

#include "event_record.h"
#include "gl_driver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <vtkAxis.h>
#include <vtkCallbackCommand.h>
#include <vtkContextTransform.h>
#include <vtkOpenGLRenderWindow.h>
#include <vtkPen.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTransform2D.h>

#include <cmath>
#include <memory>

using util::Axis;
using util::Shape;

namespace {

/// The events of @p type, as (child, name of the interface) pairs, taken from the record.
QList<QPair<int, QString>> take(QAccessible::Event type)
{
    QList<QPair<int, QString>> taken;
    for (auto it = recorded().begin(); it != recorded().end();) {
        if (it->type == type) {
            taken.append({ it->child, it->name });
            it = recorded().erase(it);
        } else {
            ++it;
        }
    }
    return taken;
}

/// The rectangle (x0, y0) - (x1, y1) named @p title, in four lines; draggable along both axes.
Shape rectangle(const QString& title, double x0, double y0, double x1, double y1)
{
    Shape shape;
    shape.setTitle(title);
    shape.setInteractive(true);
    shape.setCanDragAlongX(true);
    shape.setCanDragAlongY(true);
    shape.addLine({ x0, y0 }, { x1, y0 });
    shape.addLine({ x1, y0 }, { x1, y1 });
    shape.addLine({ x1, y1 }, { x0, y1 });
    shape.addLine({ x0, y1 }, { x0, y0 });
    return shape;
}

QString number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

} // namespace

class TestAccessibilityChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void tree();
    void shapesAsChildren();
    void focusByTabAndClick();
    void arrowsPan_data();
    void arrowsPan();
    void plusAndMinusZoom_data();
    void plusAndMinusZoom();
    void tabSelectsShapes();
    void selectedShapeIsDrawnWider();
    void arrowsMoveTheSelectedShape();
    void shapeThatCannotBeDraggedLeavesTheArrowsToPan();
    void escapeOnlyWithASelection();
    void keysBeforeWindowShortcuts();
    void focusActionSelects();
    void events();
    void liveFramesRaiseNoEvents();
    void namesAreTranslated();

private:
    /// Renders now.
    void paint()
    {
        d->renderingWindow->renderPending = true;
        chart->render();
    }
    /// Renders until the axis ranges stay put (a fitted view settles its equal scale in the frame after).
    void settle()
    {
        for (int i = 0; i < 5; ++i) {
            const QVector<double> before = range(Axis::Bottom) + range(Axis::Left);
            paint();
            if (range(Axis::Bottom) + range(Axis::Left) == before)
                return;
        }
        QFAIL("the axis ranges keep changing from frame to frame");
    }
    QVector<double> range(Axis axis) const
    {
        return { d->axis(axis)->GetMinimum(), d->axis(axis)->GetMaximum() };
    }
    /// The global screen position of data point (@p x, @p y).
    QPoint global(double x, double y) const
    {
        const double in[2] = { x, y };
        double out[2];
        d->chart->GetTransforms()[0]->GetTransform()->TransformPoints(in, out, 1);
        const double ratio = d->renderingWindow->devicePixelRatioF();
        const double height = d->renderingWindow->renderWindow->GetSize()[1];
        return d->renderingWindow->mapToGlobal(
            QPoint(int(std::lround(out[0] / ratio)), int(std::lround((height - out[1]) / ratio))));
    }
    /// Data units a move of @p pixels (device-independent) along x and along y spans.
    QPointF dataPerPixels(double pixels) const
    {
        vtkTransform2D* transform = d->chart->GetTransforms()[0]->GetTransform();
        const double step = pixels * d->renderingWindow->devicePixelRatioF();
        const double from[2] = { 400, 200 };
        const double to[2] = { 400 + step, 200 + step };
        double a[2];
        double b[2];
        transform->InverseTransformPoints(from, a, 1);
        transform->InverseTransformPoints(to, b, 1);
        return { b[0] - a[0], b[1] - a[1] };
    }
    /// A key press and release, given to the widget with the keyboard focus, as a user's key.
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    }
    /// Adds @p shapes, draws them and renders.
    void draw(const QList<Shape>& shapes)
    {
        for (const Shape& shape : shapes)
            chart->addShape(shape);
        chart->drawShapes();
        paint();
    }
    /// Gives the chart the focus by Tab from the line edit before it.
    void tabIntoTheChart()
    {
        before->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(before->hasFocus());
        key(Qt::Key_Tab);
        QVERIFY(chart->hasFocus());
    }
    QAccessibleInterface* accessible() const { return QAccessible::queryAccessibleInterface(chart); }
    float outlineWidth(int index) const
    {
        return d->shapeOverlay->entries().at(std::size_t(index)).outlinePlot->GetPen()->GetWidth();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    util::ChartWidget* chart = nullptr;
    QPushButton* after = nullptr;
    util::ChartWidgetPrivate* d = nullptr;
    Vorn3dParametricCurveArray profile; ///< points (10 i, 4 i), i = 0..10
    int interactions = 0; ///< pans and zooms
    int selections = 0; ///< ends of shape drags
};

void TestAccessibilityChart::initTestCase()
{
    startRecording();
    vtkOpenGLRenderWindow::SetGlobalMaximumNumberOfMultiSamples(0);
    std::vector<Vorn3dParametricCurveArray::Point> points;
    for (int i = 0; i <= 10; ++i)
        points.push_back({ 10.0f * i, 4.0f * i });
    profile.SetValidPoints(std::move(points));
}

void TestAccessibilityChart::init()
{
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    before = new QLineEdit(window.get());
    chart = new util::ChartWidget(window.get());
    after = new QPushButton(QStringLiteral("After"), window.get());
    layout->addWidget(before);
    layout->addWidget(chart);
    layout->addWidget(after);
    d = util::ChartWidgetPrivate::get(chart);
    chart->setMinimumSize(800, 400);
    chart->setTitle(QStringLiteral("Profile"));
    chart->setBottomTitle(QStringLiteral("X"));
    chart->setLeftTitle(QStringLiteral("Z"));
    util::ChartPlot series;
    series.curves = &profile;
    series.name = QStringLiteral("profile");
    series.color = Qt::green;
    chart->setData({ series });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_VERIFY(d->renderingWindow->renderWindow->GetSize()[0] >= 800);
    // Frames come only when the test asks for one.
    d->renderingWindow->renderWindow->GetInteractor()->EnableRenderOff();
    settle();

    interactions = selections = 0;
    vtkNew<vtkCallbackCommand> counter;
    counter->SetClientData(this);
    counter->SetCallback([](vtkObject*, unsigned long id, void* self, void*) {
        auto* test = static_cast<TestAccessibilityChart*>(self);
        ++(id == vtkCommand::InteractionEvent ? test->interactions : test->selections);
    });
    d->chart->AddObserver(vtkCommand::InteractionEvent, counter);
    d->chart->AddObserver(vtkCommand::SelectionChangedEvent, counter);
    recorded().clear();
}

void TestAccessibilityChart::cleanup()
{
    keepGlDriverLoaded();
    window.reset();
}

void TestAccessibilityChart::tree()
{
    QAccessibleInterface* iface = accessible();
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Chart);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Profile"));
    QVERIFY(iface->state().focusable);
    // The left and bottom axes are shown (the only series lies in the first corner), with their ranges.
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    QCOMPARE(iface->text(QAccessible::Description),
        QStringLiteral("Title: Profile; Bottom axis X: %1 to %2; Left axis Z: %3 to %4; Series (1): profile")
            .arg(number(x[0]), number(x[1]), number(y[0]), number(y[1])));
    QCOMPARE(iface->childCount(), 0);
    QVERIFY(!iface->child(0));

    // The description follows the view and the series.
    d->axis(Axis::Bottom)->SetRange(-5, 55.5);
    QVERIFY(iface->text(QAccessible::Description).contains(QStringLiteral("Bottom axis X: -5 to 55.5;")));
    util::ChartPlot second;
    second.curves = &profile;
    second.name = QStringLiteral("reference");
    chart->setData({ chart->cachedPlot()[0], second });
    QVERIFY(
        iface->text(QAccessible::Description).endsWith(QStringLiteral("; Series (2): profile, reference")));
    chart->setData({});
    QVERIFY(iface->text(QAccessible::Description).endsWith(QStringLiteral("; No series")));

    // A name and a description of the host's come first.
    chart->setAccessibleName(QStringLiteral("Live profile"));
    chart->setAccessibleDescription(QStringLiteral("Sensor 1"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Live profile"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Sensor 1"));
}

void TestAccessibilityChart::shapesAsChildren()
{
    Shape hidden = rectangle(QStringLiteral("hidden"), 0, 0, 5, 5);
    hidden.setHasPlot(false);
    Shape handles = rectangle(QStringLiteral("handles"), 60, 5, 80, 15);
    handles.setVisible(false);
    draw({ rectangle(QStringLiteral("roi"), 20, 20, 40, 30), hidden, handles });
    QAccessibleInterface* iface = accessible();
    // A shape without a plot is not drawn and no child.
    QCOMPARE(iface->childCount(), 2);
    QAccessibleInterface* roi = iface->child(0);
    QVERIFY(roi);
    QCOMPARE(roi->role(), QAccessible::Graphic);
    QCOMPARE(roi->text(QAccessible::Name), QStringLiteral("roi"));
    QCOMPARE(roi->text(QAccessible::Description), QStringLiteral("x 20 to 40, y 20 to 30"));
    QCOMPARE(roi->parent(), iface);
    QCOMPARE(iface->indexOfChild(roi), 0);
    QCOMPARE(iface->child(0), roi);
    QCOMPARE(roi->childCount(), 0);
    QVERIFY(roi->state().focusable);
    QVERIFY(roi->state().movable);
    QVERIFY(!roi->state().invisible);
    QVERIFY(!roi->state().focused);
    QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("handles"));
    QVERIFY(iface->child(1)->state().invisible);

    // The extent is where the chart draws the shape, and a point inside finds it.
    const QRect extent = roi->rect();
    QVERIFY(std::abs(extent.left() - global(20, 30).x()) <= 1);
    QVERIFY(std::abs(extent.top() - global(20, 30).y()) <= 1);
    QVERIFY(std::abs(extent.right() - global(40, 20).x()) <= 1);
    QVERIFY(std::abs(extent.bottom() - global(40, 20).y()) <= 1);
    QVERIFY(iface->rect().contains(extent));
    const QPoint inside = global(30, 25);
    QCOMPARE(iface->childAt(inside.x(), inside.y()), roi);
    const QPoint outside = global(50, 35);
    QVERIFY(!iface->childAt(outside.x(), outside.y()));
    // The hidden shape is found nowhere.
    const QPoint underHidden = global(70, 10);
    QVERIFY(!iface->childAt(underHidden.x(), underHidden.y()));

    // The extent follows the view.
    d->axis(Axis::Bottom)->SetRange(range(Axis::Bottom)[0] + 10, range(Axis::Bottom)[1] + 10);
    paint();
    QVERIFY(roi->rect().left() < extent.left());

    // A removed shape leaves the children, and its interface is gone.
    const QAccessible::Id id = QAccessible::uniqueId(roi);
    chart->removeShape(QStringLiteral("roi"));
    QCOMPARE(iface->childCount(), 1);
    QVERIFY(!QAccessible::accessibleInterface(id));
    QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("handles"));
    chart->clearShape();
    QCOMPARE(iface->childCount(), 0);
}

void TestAccessibilityChart::focusByTabAndClick()
{
    QCOMPARE(chart->focusPolicy(), Qt::StrongFocus);
    tabIntoTheChart();
    // Without shapes Tab leaves the chart at once, and Shift+Tab comes back.
    key(Qt::Key_Tab);
    QVERIFY(after->hasFocus());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(chart->hasFocus());
    // A click on the chart's picture focuses the chart.
    before->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(before->hasFocus());
    QTest::mouseClick(d->renderingWindow, Qt::LeftButton, {}, d->renderingWindow->rect().center());
    QTRY_VERIFY(chart->hasFocus());
    QVERIFY(accessible()->state().focused);
}

void TestAccessibilityChart::arrowsPan_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<double>("dx"); // fractions of the spans
    QTest::addColumn<double>("dy");
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << 0.1 << 0.0;
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << -0.1 << 0.0;
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << 0.0 << 0.1;
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << 0.0 << -0.1;
    QTest::newRow("shift right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 0.01 << 0.0;
    QTest::newRow("shift down") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 0.0 << -0.01;
    QTest::newRow("keypad up") << int(Qt::Key_Up) << int(Qt::KeypadModifier) << 0.0 << 0.1;
}

void TestAccessibilityChart::arrowsPan()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(double, dx);
    QFETCH(double, dy);
    tabIntoTheChart();
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const QVector<double> right = range(Axis::Right);
    this->key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const double xShift = dx * (x[1] - x[0]);
    const double yShift = dy * (y[1] - y[0]);
    QCOMPARE(range(Axis::Bottom), QVector<double>({ x[0] + xShift, x[1] + xShift }));
    QCOMPARE(range(Axis::Left), QVector<double>({ y[0] + yShift, y[1] + yShift }));
    QCOMPARE(range(Axis::Right), right); // no plot in a corner of the right axis: a drag leaves it too
    QCOMPARE(interactions, 1);
    QVERIFY(d->renderingWindow->renderPending);
    // The data drawn at the centre of the view moved by the same amount.
    paint();
    QCOMPARE(range(Axis::Bottom)[1] - range(Axis::Bottom)[0], x[1] - x[0]);
}

void TestAccessibilityChart::plusAndMinusZoom_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("steps"); // wheel notches
    QTest::newRow("plus") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << 1;
    QTest::newRow("equal") << int(Qt::Key_Equal) << 0 << 1;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << -1;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << -1;
}

void TestAccessibilityChart::plusAndMinusZoom()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, steps);
    tabIntoTheChart();
    // A wheel notch of the same direction on a twin chart gives the expected ranges.
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const auto zoomed = [steps](const QVector<double>& r) {
        const double tenth = (r[1] - r[0]) * 0.1;
        return QVector<double>({ std::round((r[0] + steps * tenth) * 1e4) / 1e4,
            std::round((r[1] - steps * tenth) * 1e4) / 1e4 });
    };
    this->key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(range(Axis::Bottom), zoomed(x));
    QCOMPARE(range(Axis::Left), zoomed(y));
    QCOMPARE(interactions, 1);
    // The centre stays.
    QVERIFY(std::fabs((range(Axis::Bottom)[0] + range(Axis::Bottom)[1]) - (x[0] + x[1])) < 1e-3);
}

void TestAccessibilityChart::tabSelectsShapes()
{
    Shape invisible = rectangle(QStringLiteral("invisible"), 50, 5, 60, 10);
    invisible.setVisible(false);
    draw({ rectangle(QStringLiteral("first"), 20, 20, 40, 30), invisible,
        rectangle(QStringLiteral("second"), 60, 20, 80, 30) });
    QAccessibleInterface* iface = accessible();
    const float width = outlineWidth(0);
    tabIntoTheChart();
    QCOMPARE(iface->focusChild(), iface); // the chart itself, without a selection
    QCOMPARE(outlineWidth(0), width);

    // Tab: the first shape is selected, drawn three times as wide, and the focused child.
    key(Qt::Key_Tab);
    QVERIFY(chart->hasFocus());
    QCOMPARE(iface->focusChild(), iface->child(0));
    QVERIFY(iface->child(0)->state().focused);
    QVERIFY(iface->child(0)->state().selected);
    QCOMPARE(outlineWidth(0), 3 * width);
    QVERIFY(d->renderingWindow->renderPending);

    // Tab: the invisible shape is skipped.
    key(Qt::Key_Tab);
    QVERIFY(chart->hasFocus());
    QCOMPARE(iface->focusChild(), iface->child(2));
    QCOMPARE(outlineWidth(0), width);
    QCOMPARE(outlineWidth(2), 3 * width);

    // A redraw keeps the selection on its shape, drawn wide with its new plot.
    chart->drawShapes();
    QCOMPARE(outlineWidth(2), 3 * width);
    QCOMPARE(iface->focusChild(), iface->child(2));

    // Tab past the last shape ends the selection and leaves the chart.
    key(Qt::Key_Tab);
    QVERIFY(after->hasFocus());
    QCOMPARE(outlineWidth(2), width);
    QVERIFY(!iface->child(2)->state().selected);

    // Shift+Tab comes back into the chart and then selects from the last shape backwards.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(chart->hasFocus());
    QCOMPARE(iface->focusChild(), iface);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(iface->focusChild(), iface->child(2));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(iface->focusChild(), iface->child(0));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(before->hasFocus());
    QCOMPARE(outlineWidth(0), width);

    // Removing the selected shape ends the selection.
    tabIntoTheChart();
    key(Qt::Key_Tab);
    chart->removeShape(QStringLiteral("first"));
    QCOMPARE(iface->focusChild(), iface);
    key(Qt::Key_Tab);
    QCOMPARE(iface->focusChild()->text(QAccessible::Name), QStringLiteral("second"));
}

void TestAccessibilityChart::selectedShapeIsDrawnWider()
{
    Shape shape = rectangle(QStringLiteral("roi"), 20, 5, 60, 30);
    shape.setColor(Qt::magenta);
    shape.setHandleVisibility(false);
    draw({ shape });
    // The pixels of the outline's colour in the chart's picture.
    const auto outlinePixels = [this] {
        const QImage image = d->renderingWindow->grabFramebuffer();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 128 && c.blue() > 128 && c.green() < 64;
            }
        }
        return count;
    };
    const int plain = outlinePixels();
    QVERIFY(plain > 0);
    tabIntoTheChart();
    key(Qt::Key_Tab);
    paint();
    const int selected = outlinePixels();
    QVERIFY2(selected > 2 * plain, qPrintable(QStringLiteral("%1 against %2").arg(selected).arg(plain)));
    key(Qt::Key_Escape);
    paint();
    QCOMPARE(outlinePixels(), plain);
}

void TestAccessibilityChart::arrowsMoveTheSelectedShape()
{
    Shape shape = rectangle(QStringLiteral("roi"), 20, 20, 40, 30);
    QStringList calls;
    QPointF moved;
    const auto redraw = [this, &moved] {
        Shape* stored = chart->shape(QStringLiteral("roi"));
        stored->clear();
        const double x0 = 20 + moved.x();
        const double y0 = 20 + moved.y();
        stored->addLine({ x0, y0 }, { x0 + 20, y0 });
        stored->addLine({ x0 + 20, y0 }, { x0 + 20, y0 + 10 });
        stored->addLine({ x0 + 20, y0 + 10 }, { x0, y0 + 10 });
        stored->addLine({ x0, y0 + 10 }, { x0, y0 });
    };
    shape.setOnMousePressCallback([&calls] { calls << QStringLiteral("press"); });
    shape.setOnMouseReleaseCallback([&calls] { calls << QStringLiteral("release"); });
    shape.setXTranslationCallback([&](double dx) {
        calls << QStringLiteral("x %1").arg(dx);
        moved.rx() += dx;
        redraw();
    });
    shape.setYTranslationCallback([&](double dy) {
        calls << QStringLiteral("y %1").arg(dy);
        moved.ry() += dy;
        redraw();
    });
    draw({ shape });
    const QVector<double> x = range(Axis::Bottom);
    const QVector<double> y = range(Axis::Left);
    const QPointF step = dataPerPixels(10);
    const QPointF fine = dataPerPixels(1);
    tabIntoTheChart();
    key(Qt::Key_Tab);

    // Right: one drag of 10 pixels, as the mouse makes it: press, the moves, and the release of every
    // shape plot (outline and handles).
    key(Qt::Key_Right);
    QCOMPARE(
        calls, QStringList({ "press", QStringLiteral("x %1").arg(step.x()), "y 0", "release", "release" }));
    QCOMPARE(selections, 1);
    calls.clear();
    key(Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(
        calls, QStringList({ "press", "x 0", QStringLiteral("y %1").arg(fine.y()), "release", "release" }));
    QCOMPARE(moved, QPointF(step.x(), fine.y()));
    // The outline is drawn where the shape now is, and the view did not move.
    QCOMPARE(d->shapeOverlay->entries().at(0).outline.x->GetValue(0), 20 + moved.x());
    QCOMPARE(d->shapeOverlay->entries().at(0).outline.y->GetValue(0), 20 + moved.y());
    QCOMPARE(range(Axis::Bottom), x);
    QCOMPARE(range(Axis::Left), y);
    QCOMPARE(interactions, 0);
    paint();
    QCOMPARE(accessible()->child(0)->text(QAccessible::Description),
        QStringLiteral("x %1 to %2, y %3 to %4")
            .arg(number(20 + moved.x()), number(40 + moved.x()), number(20 + moved.y()),
                number(30 + moved.y())));

    // Along an axis the shape may not be dragged along, it stays.
    chart->shape(QStringLiteral("roi"))->setCanDragAlongY(false);
    chart->drawShapes();
    calls.clear();
    key(Qt::Key_Down);
    QCOMPARE(calls, QStringList({ "press", "x 0", "release", "release" }));
}

void TestAccessibilityChart::shapeThatCannotBeDraggedLeavesTheArrowsToPan()
{
    Shape shape = rectangle(QStringLiteral("fixed"), 20, 20, 40, 30);
    shape.setInteractive(false);
    int presses = 0;
    shape.setOnMousePressCallback([&presses] { ++presses; });
    draw({ shape });
    tabIntoTheChart();
    key(Qt::Key_Tab);
    QCOMPARE(accessible()->focusChild(), accessible()->child(0));
    QVERIFY(!accessible()->child(0)->state().movable);
    const QVector<double> x = range(Axis::Bottom);
    key(Qt::Key_Left);
    QCOMPARE(presses, 0);
    QCOMPARE(interactions, 1);
    QVERIFY(range(Axis::Bottom)[0] < x[0]);
}

void TestAccessibilityChart::escapeOnlyWithASelection()
{
    draw({ rectangle(QStringLiteral("roi"), 20, 20, 40, 30) });
    // Escape without a selection goes on to the parents (a dialog closes on it).
    int escapesSeenAbove = 0;
    struct Watcher : QObject
    {
        int& count;
        explicit Watcher(int& count)
            : count(count)
        { }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                ++count;
            return false;
        }
    } watcher(escapesSeenAbove);
    window->installEventFilter(&watcher);
    tabIntoTheChart();
    key(Qt::Key_Tab);
    QVERIFY(accessible()->child(0)->state().selected);
    key(Qt::Key_Escape);
    QVERIFY(!accessible()->child(0)->state().selected);
    QVERIFY(chart->hasFocus());
    QCOMPARE(escapesSeenAbove, 0);
    key(Qt::Key_Escape);
    QCOMPARE(escapesSeenAbove, 1);
    window->removeEventFilter(&watcher);
}

// A window shortcut on a key the chart answers waits while the chart has the focus; the others still fire.
void TestAccessibilityChart::keysBeforeWindowShortcuts()
{
    int fired = 0;
    for (const QKeySequence& sequence : { QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Plus),
             QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F5) }) {
        auto* shortcut = new QShortcut(sequence, window.get());
        connect(shortcut, &QShortcut::activated, this, [&fired] { ++fired; });
    }
    tabIntoTheChart();
    const QVector<double> x = range(Axis::Bottom);
    key(Qt::Key_Right);
    QCOMPARE(fired, 0);
    QVERIFY(range(Axis::Bottom) != x);
    key(Qt::Key_Plus, Qt::ShiftModifier);
    QCOMPARE(fired, 0);
    QCOMPARE(interactions, 2);
    // Escape without a selection, and a key the chart does not answer, are the window's.
    key(Qt::Key_Escape);
    QCOMPARE(fired, 1);
    key(Qt::Key_F5);
    QCOMPARE(fired, 2);
    QVERIFY(chart->hasFocus());
}

void TestAccessibilityChart::focusActionSelects()
{
    draw({ rectangle(QStringLiteral("a"), 20, 20, 40, 30), rectangle(QStringLiteral("b"), 60, 20, 80, 30) });
    before->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(before->hasFocus());
    QAccessibleInterface* b = accessible()->child(1);
    QAccessibleActionInterface* actions = b->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList({ QAccessibleActionInterface::setFocusAction() }));
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    QTRY_VERIFY(chart->hasFocus());
    QVERIFY(b->state().focused);
    // The arrow keys now move it; Tab goes on from it.
    key(Qt::Key_Tab);
    QVERIFY(after->hasFocus());
}

void TestAccessibilityChart::events()
{
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge: QAccessible drops the events");
    using Events = QList<QPair<int, QString>>;
    paint();
    recorded().clear();

    // A new title renames the chart and changes its description; the same title again changes nothing.
    chart->setTitle(QStringLiteral("Sensor"));
    QCOMPARE(take(QAccessible::NameChanged), (Events { { -1, "Sensor" } }));
    QCOMPARE(take(QAccessible::DescriptionChanged), (Events { { -1, "Sensor" } }));
    chart->setTitle(QStringLiteral("Sensor"));
    chart->setLeftTitle(QStringLiteral("Z"));
    paint();
    QCOMPARE(recorded().size(), 0);
    chart->setLeftTitle(QStringLiteral("Height"));
    QCOMPARE(take(QAccessible::DescriptionChanged).size(), 1);

    // Another list of series: one change once the frame shows it.
    util::ChartPlot reference = chart->cachedPlot()[0];
    reference.name = QStringLiteral("reference");
    chart->setData({ chart->cachedPlot()[0], reference });
    paint();
    QCOMPARE(take(QAccessible::DescriptionChanged).size(), 1);
    QVERIFY(accessible()
                ->text(QAccessible::Description)
                .endsWith(QStringLiteral("Series (2): profile, reference")));

    // A pan changes the ranges: one change once the frame shows them.
    tabIntoTheChart();
    recorded().clear();
    key(Qt::Key_Right);
    paint();
    QCOMPARE(take(QAccessible::DescriptionChanged).size(), 1);

    // Drawn shapes arrive as children; the selected one gets the focus.
    draw({ rectangle(QStringLiteral("a"), 20, 20, 40, 30), rectangle(QStringLiteral("b"), 60, 20, 80, 30) });
    QCOMPARE(take(QAccessible::ObjectCreated), (Events { { 0, "a" }, { 1, "b" } }));
    chart->drawShapes();
    QCOMPARE(take(QAccessible::ObjectCreated), Events {});
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(take(QAccessible::Focus), (Events { { 0, "a" }, { 1, "b" } }));
    key(Qt::Key_Left);
    QCOMPARE(take(QAccessible::LocationChanged), (Events { { 1, "b" } }));
    key(Qt::Key_Escape);
    QCOMPARE(take(QAccessible::Focus), (Events { { -1, "Sensor" } }));

    // A shape replaced under a new title is renamed; under its own title nothing is raised.
    Shape renamed = *chart->shape(QStringLiteral("b"));
    renamed.setTitle(QStringLiteral("b2"));
    chart->updateShape(QStringLiteral("b"), renamed);
    QCOMPARE(take(QAccessible::NameChanged), (Events { { 1, "b2" } }));
    chart->updateShape(QStringLiteral("b2"), renamed);
    QCOMPARE(take(QAccessible::NameChanged), Events {});

    // A shape that is no longer drawn, a removed one and cleared ones leave, named as they go.
    chart->shape(QStringLiteral("a"))->setHasPlot(false);
    chart->drawShapes();
    QCOMPARE(take(QAccessible::ObjectDestroyed), (Events { { -1, "a" } }));
    chart->removeShape(QStringLiteral("b2"));
    QCOMPARE(take(QAccessible::ObjectDestroyed), (Events { { -1, "b2" } }));
    chart->shape(QStringLiteral("a"))->setHasPlot(true);
    draw({ rectangle(QStringLiteral("c"), 60, 20, 80, 30) });
    QCOMPARE(take(QAccessible::ObjectCreated), (Events { { 0, "a" }, { 1, "c" } }));
    chart->clearShape();
    QCOMPARE(take(QAccessible::ObjectDestroyed), (Events { { -1, "a" }, { -1, "c" } }));
    QCOMPARE(accessible()->childCount(), 0);
}

void TestAccessibilityChart::liveFramesRaiseNoEvents()
{
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge: QAccessible drops the events");
    paint();
    recorded().clear();
    // A live sensor: the same series, refilled and rendered frame after frame, keep the view.
    for (int i = 0; i < 20; ++i) {
        chart->setData(chart->cachedPlot());
        paint();
    }
    QCOMPARE(recorded().size(), 0);
}

void TestAccessibilityChart::namesAreTranslated()
{
    QTranslator german;
    QVERIFY(german.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("util-ui"),
        QStringLiteral("_"), QStringLiteral(":/util-ui/translations")));
    QCoreApplication::installTranslator(&german);
    draw({ rectangle(QStringLiteral("roi"), 20, 20, 40, 30) });
    d->axis(Axis::Bottom)->SetRange(0, 100);
    d->axis(Axis::Left)->SetRange(-10, 50);
    const QString description = accessible()->text(QAccessible::Description);
    const QString shape = accessible()->child(0)->text(QAccessible::Description);
    chart->setData({});
    const QString none = accessible()->text(QAccessible::Description);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(description,
        QStringLiteral("Titel: Profile; Untere Achse X: 0 bis 100; Linke Achse Z: -10 bis 50; Datenreihen "
                       "(1): profile"));
    QCOMPARE(shape, QStringLiteral("x 20 bis 40, y 20 bis 30"));
    QVERIFY(none.endsWith(QStringLiteral("; Keine Datenreihen")));
}

QTEST_MAIN(TestAccessibilityChart)
#include "tst_accessibility_chart.moc"
