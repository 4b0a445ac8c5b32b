// The overlay shape: geometry and handles, hit tests, copies and callbacks.
#include <util/shape.h>

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <memory>

using util::Line;
using util::Point2D;
using util::Shape;

Q_DECLARE_METATYPE(Point2D)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool samePoint(const Point2D& a, const Point2D& b)
{
    const auto same = [](double u, double v) { return u == v || (std::isnan(u) && std::isnan(v)); };
    return a.isValid() == b.isValid() && same(a.x(), b.x()) && same(a.y(), b.y());
}

void addRectangle(Shape& shape, double x0, double y0, double x1, double y1)
{
    shape.addLine({ x0, y0 }, { x1, y0 });
    shape.addLine({ x1, y0 }, { x1, y1 });
    shape.addLine({ x1, y1 }, { x0, y1 });
    shape.addLine({ x0, y1 }, { x0, y0 });
}

// A shape with non-default attributes, axis ranges and all eight callbacks,
// each of which appends its name to @p calls.
Shape decoratedShape(QStringList& calls)
{
    Shape s;
    s.setColor(Qt::red);
    s.setTitle(QStringLiteral("roi"));
    s.setHasPlot(false);
    s.setCanDragAlongY(true);
    s.setLineType(util::LineType::DashDot);
    s.setIdentifier(42);
    s.setXAxisRange(util::Range(0, 100));
    s.setYAxisRange(util::Range(0, 100));
    const auto log = [&calls](const char* name) { return [&calls, name](auto&&...) { calls << name; }; };
    s.setOnMousePressCallback(log("press"));
    s.setOnMouseReleaseCallback(log("release"));
    s.setXTranslationCallback(log("xTranslate"));
    s.setYTranslationCallback(log("yTranslate"));
    s.setXResizeCallback(log("xResize"));
    s.setYResizeCallback(log("yResize"));
    s.setInsidePolygonCallback([&calls](const Point2D&) { return (calls << "inside", true); });
    s.setShapeTooltipCallback(
        [&calls](const Point2D&) { return (calls << "tooltip", QStringLiteral("tip")); });
    return s;
}

void verifyDecorated(const Shape& s)
{
    QVERIFY(s.color() == QColor(Qt::red) && s.title() == QStringLiteral("roi") && s.identifier() == 42);
    QVERIFY(!s.hasPlot() && s.canDragAlongY() && s.lineType() == util::LineType::DashDot);
}

// Calls all eight notifications once.
void notifyAll(Shape& s)
{
    s.onMousePress();
    s.onMouseRelease();
    s.xTranslate(1);
    s.yTranslate(1);
    s.xResize({ 0, 0 }, 1);
    s.yResize({ 0, 0 }, 1);
    s.insidePolygon({ 0, 0 });
    s.tooltips({ 0, 0 });
}

const QStringList allCalls { "press", "release", "xTranslate", "yTranslate", "xResize", "yResize", "inside",
    "tooltip" };

} // namespace

class TestShape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handlesAreDerivedFromLines();
    void insidePolygon_data();
    void insidePolygon();
    void nanIsOutsideALineAtTheFarLeft();
    void closeToLine_data();
    void closeToLine();
    void copiesAndMoves();
    void shallowCopyKeepsGeometryAndTolerance();
    void callbackMayRewriteItsOwnShape();
};

void TestShape::handlesAreDerivedFromLines()
{
    // An empty shape hits nothing, and notifications without callbacks do nothing.
    Shape s;
    s.setXAxisRange(util::Range(0, 100));
    s.setYAxisRange(util::Range(0, 100));
    QVERIFY(!s.insidePolygon({ 0, 0 }) && !s.closeToLine({ 0, 0 }) && s.tooltips({ 0, 0 }).isNull());
    notifyAll(s);

    s.addLine({ 0, 0 }, { 2, 4 });
    QCOMPARE(s.numberOfHandles(), 3);
    QVERIFY(samePoint(*s.handle(0), { 0, 0 }) && samePoint(*s.handle(1), { 1, 2 })
        && samePoint(*s.handle(2), { 2, 4 }));

    // An invalid first end point: its copy stays invalid, the midpoint is valid but NaN.
    s.addLine(Point2D(), { 6, 8 });
    QVERIFY(s.numberOfLines() == 2 && s.numberOfHandles() == 6);
    QVERIFY(!s.handle(3)->isValid());
    QVERIFY(s.handle(4)->isValid() && std::isnan(s.handle(4)->x()) && std::isnan(s.handle(4)->y()));
    QVERIFY(samePoint(*s.handle(5), { 6, 8 }));

    // Out-of-range indices give null.
    for (int index : { -1, INT_MIN, INT_MAX })
        QVERIFY(!s.line(index) && !s.handle(index));
    QVERIFY(!s.line(2) && !s.handle(6));

    // Handles are a snapshot: in-place writes do not propagate either way.
    s.line(0)->p1 = { 100, 100 };
    QVERIFY(samePoint(*s.handle(0), { 0, 0 }));
    *s.handle(2) = { -1, -1 };
    QVERIFY(samePoint(s.line(0)->p2, { 2, 4 }));

    // End points taken from the shape itself survive the growth of its storage.
    for (int i = 0; i < 64; ++i) {
        s.addLine(s.line(i)->p1, *s.handle(3 * i + 2)); // line i + 2 repeats line i
    }
    QVERIFY(samePoint(s.line(64)->p1, { 100, 100 }));
    QVERIFY(samePoint(*s.handle(64 * 3 + 2), { -1, -1 }));

    s.clear();
    QVERIFY(s.numberOfLines() == 0 && s.numberOfHandles() == 0);
}

void TestShape::insidePolygon_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<Point2D>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("centre") << 10.0 << Point2D(5, 5) << true;
    QTest::newRow("right of it") << 10.0 << Point2D(15, 5) << false;
    QTest::newRow("left of it") << 10.0 << Point2D(-1, 5) << false;
    QTest::newRow("on the left edge") << 10.0 << Point2D(0, 5) << true;
    QTest::newRow("on the right edge") << 10.0 << Point2D(10, 5) << false;
    QTest::newRow("invalid point") << 10.0 << Point2D() << false;
    Point2D marked(5, 5);
    marked.setValid(false);
    QTest::newRow("centre, marked invalid") << 10.0 << marked << false;
    marked.setValid(true);
    QTest::newRow("centre, marked valid again") << 10.0 << marked << true;
    QTest::newRow("NaN x") << 10.0 << Point2D(kNaN, 5) << false;
    QTest::newRow("NaN y") << 10.0 << Point2D(5, kNaN) << false;
    QTest::newRow("+inf x") << 10.0 << Point2D(kInf, 5) << false;
    QTest::newRow("-inf x") << 10.0 << Point2D(-kInf, 5) << false;
    QTest::newRow("largest x") << 10.0 << Point2D(DBL_MAX, 5) << false;
    QTest::newRow("lowest x") << 10.0 << Point2D(-DBL_MAX, 5) << false;
    QTest::newRow("huge figure, centre") << 1e308 << Point2D(0, 0) << true;
    QTest::newRow("huge figure, right of it") << 1e308 << Point2D(DBL_MAX, 0) << false;
    QTest::newRow("huge figure, left of it") << 1e308 << Point2D(-DBL_MAX, 0) << false;
}

void TestShape::insidePolygon()
{
    QFETCH(double, size);
    QFETCH(Point2D, point);
    QFETCH(bool, inside);

    Shape s;
    // The small square spans 0..10, the huge one is centred on the origin.
    const double low = size > 10 ? -size : 0;
    addRectangle(s, low, low, size, size);
    QCOMPARE(s.insidePolygon(point), inside);
    // A callback decides instead of the lines, until it is removed.
    s.setInsidePolygonCallback([inside](const Point2D&) { return !inside; });
    QCOMPARE(s.insidePolygon(point), !inside);
    s.setInsidePolygonCallback({});
    QCOMPARE(s.insidePolygon(point), inside);
}

void TestShape::nanIsOutsideALineAtTheFarLeft()
{
    // The ray of the hit test starts at the lowest x: a line through its start touches the ray of any
    // point at that height, a point without an x included.
    Shape s;
    s.addLine(Point2D(-DBL_MAX, 5), Point2D(10, 5));
    QVERIFY(!s.insidePolygon(Point2D(kNaN, 5)));
    QVERIFY(!s.insidePolygon(Point2D(kNaN, kNaN)));
    QVERIFY(s.insidePolygon(Point2D(0, 5))); // on the line, a left edge
}

void TestShape::closeToLine_data()
{
    QTest::addColumn<Point2D>("point");
    QTest::addColumn<bool>("close");

    // One line from (10, 10) to (90, 40); visible lengths 100 and 50, default tolerance.
    QTest::newRow("x distance 4.9") << Point2D(14.9, 100) << true;
    QTest::newRow("y distance 2.4") << Point2D(20, 12.4) << true;
    QTest::newRow("x distance 5, just inside the widened tolerance") << Point2D(15, 20) << true;
    QTest::newRow("x distance 5.0001") << Point2D(15.0001, 20) << false;
    QTest::newRow("y distance 2.6, other side") << Point2D(50, 7.4) << false;
    QTest::newRow("on the second end point") << Point2D(90, 40) << false;
    QTest::newRow("invalid point") << Point2D() << false;
    QTest::newRow("NaN x, y far") << Point2D(kNaN, 100) << false;
    QTest::newRow("NaN x, y close") << Point2D(kNaN, 11) << true;
    QTest::newRow("infinite") << Point2D(kInf, -kInf) << false;
}

void TestShape::closeToLine()
{
    QFETCH(Point2D, point);
    QFETCH(bool, close);

    Shape s;
    s.addLine({ 10, 10 }, { 90, 40 });
    QVERIFY(!s.closeToLine(point)); // empty axis ranges: zero tolerance
    s.setXAxisRange(util::Range(0, 100));
    s.setYAxisRange(util::Range(-25, 25));
    QCOMPARE(s.closeToLine(point), close);

    s.setTolerance(kNaN);
    QVERIFY(!s.closeToLine(point));
}

void TestShape::copiesAndMoves()
{
    QStringList calls;
    Shape source = decoratedShape(calls);
    source.addLine({ 0, 0 }, { 2, 4 });
    source.setTolerance(0.25);

    Shape copy(source);
    Shape assigned;
    assigned.addLine({ 9, 9 }, { 9, 9 });
    assigned = source;
    for (Shape* s : { &copy, &assigned }) {
        verifyDecorated(*s);
        QCOMPARE(s->tolerance(), 0.25);
        QCOMPARE(s->numberOfLines(), 1);
        QVERIFY(samePoint(*s->handle(1), { 1, 2 }));
        calls.clear();
        notifyAll(*s);
        QCOMPARE(calls, allCalls);
    }

    // Changing a copy leaves the source alone, callbacks included.
    copy.line(0)->p1 = { 5, 5 };
    copy.setOnMousePressCallback({});
    QVERIFY(samePoint(source.line(0)->p1, { 0, 0 }));
    calls.clear();
    source.onMousePress();
    copy.onMousePress();
    QCOMPARE(calls, QStringList { "press" });

    // Self-assignment changes nothing, not even the storage; moves take the storage along.
    Line* const line = source.line(0);
    Shape& alias = source;
    source = alias;
    QCOMPARE(source.line(0), line);
    Shape moved(std::move(source));
    Shape target;
    target = std::move(moved);
    QCOMPARE(target.line(0), line);
    verifyDecorated(target);
    calls.clear();
    notifyAll(target);
    QCOMPARE(calls, allCalls);

    // Moved-from shapes take a new state by assignment.
    source = Shape();
    QCOMPARE(source.numberOfLines(), 0);
    moved = target;
    verifyDecorated(moved);
}

void TestShape::shallowCopyKeepsGeometryAndTolerance()
{
    QStringList calls;
    Shape source = decoratedShape(calls);
    source.addLine({ 0, 0 }, { 1, 1 });
    source.addLine({ 1, 1 }, { 2, 2 });
    source.setTolerance(0.5);

    Shape target;
    target.addLine({ 10, 10 }, { 20, 20 });
    target.setTolerance(0.01);
    Point2D* const handle = target.handle(1);

    target.shallowCopy(source);
    verifyDecorated(target);
    QCOMPARE(target.numberOfLines(), 1);
    QCOMPARE(target.handle(1), handle);
    QVERIFY(samePoint(*handle, { 15, 15 }));
    QCOMPARE(target.tolerance(), 0.01);
    notifyAll(target);
    QCOMPARE(calls, allCalls);

    // The axis ranges came along: 0.01 of 100 around x = 10.
    QVERIFY(target.closeToLine({ 10.5, 50 }));
    QVERIFY(!target.closeToLine({ 11.5, 50 }));

    target.shallowCopy(target);
    QCOMPARE(target.handle(1), handle);
}

void TestShape::callbackMayRewriteItsOwnShape()
{
    // The callbacks own captured state (the shared tag), so that running a
    // destroyed callback would read freed memory under the sanitizers.
    const auto tag = std::make_shared<QString>(QStringLiteral("alive"));
    QStringList seen;
    Shape s;
    s.addLine({ 0, 0 }, { 2, 2 });

    // Translation rebuilds the geometry and replaces its own callback.
    s.setXTranslationCallback([&s, &seen, tag](double dx) {
        s.clear();
        s.addLine({ dx, 0 }, { dx + 2, 2 });
        s.setXTranslationCallback({});
        seen << *tag;
    });
    s.xTranslate(5);
    QCOMPARE(seen, QStringList { "alive" });
    QVERIFY(samePoint(s.line(0)->p1, { 5, 0 }));

    // Resize gets a handle of the very shape that it replaces, then reads it.
    s.setXResizeCallback([&s, &seen, tag](const Point2D& h, double) {
        s = Shape();
        seen << *tag + QString::number(h.x());
    });
    s.xResize(*s.handle(2), 1);
    QCOMPARE(seen.last(), QStringLiteral("alive7"));
    QCOMPARE(s.numberOfLines(), 0);

    // A callback may even destroy its shape.
    auto owned = std::make_unique<Shape>();
    owned->setShapeTooltipCallback([&owned, tag](const Point2D&) {
        owned.reset();
        return *tag;
    });
    QCOMPARE(owned->tooltips({ 0, 0 }), QStringLiteral("alive"));
    QVERIFY(!owned);
}

QTEST_GUILESS_MAIN(TestShape)
#include "tst_shape.moc"
