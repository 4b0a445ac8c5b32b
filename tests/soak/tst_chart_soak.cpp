// A long seeded random run against a shown chart widget: presses, drags, releases, wheel steps and keys
// interleaved with data updates carrying empty series, null curves, NaN and huge values, while the shapes'
// callbacks move, resize, replace, remove and re-add shapes and redraw the overlay. Afterwards the axes,
// the shape tables and (in the sanitizer build) the heap must be sound.
#include "../chart/chart_fixture.h"

#include <util/shape.h>

#include <vtkContextKeyEvent.h>

#include <array>
#include <functional>
#include <map>
#include <random>
#include <tuple>

using util::Point2D;
using util::Shape;

class TstChartSoak : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { open(), key.SetInteractor(keys); }
    void cleanup() { close(); }
    void soak();

private:
    static constexpr int EVENTS = 12000;
    enum Id { Marker = 3, Polyline = 4, IdCount = 5 }; // identifiers 1 and 2 are rectangles

    vtkContextKeyEvent key; ///< carries the code last typed
    std::mt19937 random;
    std::array<Vorn3dParametricCurveArray, 3> curves;
    std::array<std::size_t, 3> counts { 100, 100, 100 };
    std::map<QString, int> tally; ///< what the run exercised, printed at the end

    static bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
    vtkContextKeyEvent& typed(char code) { return keys->SetKeyCode(code), key; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); }
    auto around(vtkVector2f c, float x, float y) { return c + vtkVector2f(uniform(-x, x), uniform(-y, y)); }
    QPointF anywhere() { return data(around(vtkVector2f(400, 200), 400, 200)); }

    /// A scene position: on a stored shape's handle (or near it) half of the time, else anywhere around.
    vtkVector2f target()
    {
        const auto& entries = d->shapeOverlay->entries();
        const Shape* shape
            = entries.empty() || chance(0.5) ? nullptr : entries[pick(int(entries.size()))].shape.get();
        if (!shape || shape->numberOfHandles() == 0)
            return around(vtkVector2f(400, 200), 420, 220);
        const Point2D& handle = *shape->handle(pick(shape->numberOfHandles()));
        const vtkVector2i at = screen(handle.x(), handle.y());
        const double jitter = chance(0.5) ? 0 : 12;
        return around(vtkVector2f(std::clamp(at[0], -50, 850), std::clamp(at[1], -50, 450)), jitter, jitter);
    }

    /// A vertical marker line, an open polyline of 1 to 4 lines or a rectangle, with every callback set.
    Shape makeShape(int id)
    {
        Shape shape;
        shape.setIdentifier(id);
        shape.setTitle(QStringLiteral("shape %1").arg(id));
        shape.setInteractive(!chance(0.1));
        shape.setHandleVisibility(!chance(0.15));
        shape.setCanDragAlongX(!chance(0.1));
        shape.setCanDragAlongY(id != Marker && !chance(0.1));
        shape.setPriority(pick(3));
        shape.setVisible(!chance(0.05));
        const QPointF a = anywhere(), b = anywhere();
        std::vector<QPointF> corners { a, QPointF(b.x(), a.y()), b, QPointF(a.x(), b.y()), a };
        if (id == Marker)
            corners = { QPointF(a.x(), range(Axis::Left)[0]), QPointF(a.x(), range(Axis::Left)[1]) };
        if (id == Polyline) {
            corners.resize(std::size_t(2 + pick(4)));
            std::generate(corners.begin() + 1, corners.end(), [this] { return anywhere(); });
            // Inside means near a vertex's vertical or horizontal, scaled by the axis ranges.
            shape.setInsidePolygonCallback([this, id](const Point2D& p) {
                return widget->shape(id) && widget->shape(id)->closeToLine(p);
            });
        }
        for (std::size_t i = 0; i + 1 < corners.size(); ++i)
            shape.addLine({ corners[i].x(), corners[i].y() }, { corners[i + 1].x(), corners[i + 1].y() });
        shape.setXTranslationCallback([this, id](double dx) { edit(id, Point2D(), dx, 0); });
        shape.setYTranslationCallback([this, id](double dy) { edit(id, Point2D(), 0, dy); });
        shape.setXResizeCallback([this, id](const Point2D& at, double dx) { edit(id, at, dx, 0); });
        shape.setYResizeCallback([this, id](const Point2D& at, double dy) { edit(id, at, 0, dy); });
        shape.setOnMousePressCallback([this, id] { sideEffect(id, 0.1); });
        shape.setOnMouseReleaseCallback([this, id] { sideEffect(id, 0.02); });
        shape.setShapeTooltipCallback([id](auto& p) { return id % 2 ? QString() : QString::number(p.x()); });
        return shape;
    }

    /// Moves the called shape by (dx, dy) in place, keeping its lines: every end point when @p at is
    /// invalid (a translation), else the end points at the handle @p at and the lines whose midpoint it is.
    void edit(int id, const Point2D& at, double dx, double dy)
    {
        ++tally[at.isValid() ? "resize" : "translate"];
        Shape* shape = widget->shape(id);
        QVERIFY(shape); // the chart calls only stored shapes
        const auto hit = [&at](const Point2D* p) {
            return !at.isValid() || (p && same(p->x(), at.x()) && same(p->y(), at.y()));
        };
        std::vector<util::Line> lines;
        for (int k = 0; k < shape->numberOfLines(); ++k) {
            util::Line line = *shape->line(k);
            const bool midpoint = hit(shape->handle(3 * k + 1)); // the handle in the middle of the line
            for (Point2D* p : { &line.p1, &line.p2 })
                if (midpoint || hit(p))
                    *p = Point2D(p->x() + dx, p->y() + dy);
            lines.push_back(line);
        }
        shape->clear();
        for (const util::Line& line : lines)
            shape->addLine(line.p1, line.p2);
        sideEffect(id, 0.03);
    }

    /// With probability @p p, the host rewrites the overlay from inside a callback of shape @p id.
    void sideEffect(int id, double p)
    {
        if (!chance(p))
            return;
        const int other = 1 + pick(IdCount - 1);
        switch (pick(5)) {
        case 0: widget->updateShape(id, makeShape(id)); break; // replaces the running callback
        case 1: widget->updateShape(other, makeShape(other)); break;
        case 2: widget->removeShape(id); break;
        case 3: widget->shape(other) ? void() : widget->addShape(makeShape(other)); break;
        default: pick(2) ? widget->drawShapes() : widget->redrawShapes(); break;
        }
        ++tally["callback rewrites"];
    }

    /// Up to three series of random points with NaN, infinite and huge values sprinkled in, sometimes with
    /// new counts, no curves, other names, invalid kinds or corners, or enormous ranges; sometimes none.
    void setRandomData()
    {
        static const QString names[] = { "profile", "reflectance", "width" };
        const float specials[] = { NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 3e38f };
        std::vector<ChartPlot> list(chance(0.08) ? 0 : std::size_t(1 + pick(3)));
        for (std::size_t i = 0; i < list.size(); ++i) {
            counts[i] = chance(0.15) ? std::size_t(chance(0.3) ? pick(3) : pick(400)) : counts[i];
            const double spoil = chance(0.3) ? 0.05 : chance(0.05) ? 1.0 : 0.0, offset = uniform(-100, 100);
            std::vector<Vorn3dParametricCurveArray::Point> points;
            std::vector<std::uint16_t> reflectance;
            std::vector<std::uint8_t> widths;
            for (std::size_t j = 0; j < counts[i]; ++j) {
                points.push_back({ float(offset + 0.5 * double(j)),
                    float(10 * std::sin(double(j) / 10) + uniform(-1, 1)) });
                for (float* value : { &points.back().x, &points.back().height })
                    *value = chance(spoil) ? specials[pick(6)] : *value;
                reflectance.push_back(std::uint16_t(pick(65536)));
                widths.push_back(std::uint8_t(pick(256)));
            }
            curves[i].SetValidPoints(std::move(points));
            if (chance(0.8))
                curves[i].SetValidPointData("reflectance", reflectance);
            if (chance(0.8))
                curves[i].SetValidPointData("peak_width", widths);
            ChartPlot& plot = list[i] = makeSeries(chance(0.05) ? nullptr : &curves[i],
                chance(0.03) ? QStringLiteral("renamed") : names[i],
                chance(0.7) ? util::Profile : std::array { 0, 1, 2, 7 }[pick(4)]); // 7 is no kind
            plot.corner = chance(0.9) ? 0 : pick(6) - 1; // -1 and 4 are refused
            plot.visible = !chance(0.1);
            plot.color = QColor::fromRgb(QRgb(random()));
            if (chance(0.03)) {
                plot.xRange = util::Range(-1e30, chance(0.5) ? 1e30 : HUGE_VAL);
                plot.yRange = util::Range(uniform(-1e20, 0), uniform(0, 1e20));
            }
        }
        widget->setData(list);
    }

    /// Every axis range is finite and within the wheel's cap of 7.5e14.
    void verifyAxes(int event)
    {
        for (const Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top }) {
            const QVector<double> r = range(axis); // NaN fails the comparisons too
            QVERIFY2(std::fabs(r[0]) <= 7.5e14 && std::fabs(r[1]) <= 7.5e14,
                qPrintable(QString::asprintf("event %d axis %d: %g..%g", event, int(axis), r[0], r[1])));
        }
    }
};

void TstChartSoak::soak()
{
    const QByteArray seedText = qgetenv("UTIL_UI_SOAK_SEED");
    const unsigned seed = seedText.isEmpty() ? 20240610u : seedText.toUInt();
    qInfo("seed %u", seed);
    random.seed(seed);
    for (int id = 1; id < IdCount; ++id)
        widget->addShape(makeShape(id));
    widget->drawShapes();

    int button = 0, wheelBias = 0; // the held button (0 when none); the wheel streak's direction
    vtkVector2f pos(400, 200);
    const auto move = [&](vtkVector2f p) { chart->MouseMoveEvent(mouse(button, p, std::exchange(pos, p))); };
    // Weights out of 100 with and without a held button, the tally's name, the event.
    const std::tuple<int, int, const char*, std::function<void()>> actions[] = {
        { 75, 0, "drags", [&] { move(chance(0.2) ? target() : around(pos, 30, 30)); } },
        { 13, 0, "releases", [&] { chart->MouseButtonReleaseEvent(mouse(std::exchange(button, 0), pos)); } },
        { 0, 30, "presses",
            [&] {
                button = chance(0.7) ? LEFT : chance(0.8) ? RIGHT : vtkContextMouseEvent::MIDDLE_BUTTON;
                keys->SetControlKey(chance(button == RIGHT ? 0.7 : 0.2));
                keys->SetShiftKey(chance(0.1));
                chart->MouseButtonPressEvent(mouse(button, pos = target()));
            } },
        { 0, 20, "hovers", [&] { move(target()); } },
        { 0, 12, "wheel steps",
            [&] {
                wheelBias = chance(0.05) ? pick(3) - 2 : wheelBias; // zoom-out, neutral or zoom-in streaks
                chart->MouseWheelEvent(mouse(0, pos), wheelBias * 3 + pick(5) - 2);
            } },
        { 0, 10, "keys",
            [&] { chart->KeyPressEvent(typed(chance(0.4) ? "rR"[pick(2)] : char(pick(256)))); } },
        { 0, 2, "leaves", [&] { chart->MouseLeaveEvent(mouse(0, pos)); } },
        // The host between gestures: shapes back, overlay redrawn, the view refitted now and then.
        { 0, 4, "host redraws",
            [&] {
                for (int id = 1; id < IdCount; ++id)
                    widget->shape(id) || !chance(0.5) ? void() : widget->addShape(makeShape(id));
                chance(0.1) ? widget->clearShape() : void();
                widget->drawShapes();
                chance(0.1) ? widget->resetView() : void();
            } },
        { 12, 22, "setData", [&] { setRandomData(); } },
    };
    for (int event = 1; event <= EVENTS && !QTest::currentTestFailed(); ++event) {
        int roll = pick(100);
        const auto& [held, free, name, run] = *std::find_if(std::begin(actions), std::end(actions),
            [&](const auto& a) { return (roll -= button ? std::get<0>(a) : std::get<1>(a)) < 0; });
        ++tally[name];
        run();
        if (event % 50 == 0)
            widget->render();
        verifyAxes(event);
    }
    if (button)
        chart->MouseButtonReleaseEvent(mouse(button, pos));
    widget->drawShapes();
    paint();
    verifyAxes(EVENTS);
    // Each stored shape's tables hold its geometry, and exactly the drawn shape plots read them.
    const std::vector<util::ShapeOverlay::Entry>& entries = d->shapeOverlay->entries();
    vtkIdType drawn = 0;
    for (const util::ShapeOverlay::Entry& e : entries)
        drawn += vtkIdType(e.outlinePlot != nullptr) + vtkIdType(e.handlePlot != nullptr);
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(d->plots.size()) + drawn);
    for (const util::ShapeOverlay::Entry& e : entries) {
        const Shape& shape = *e.shape;
        QCOMPARE(e.outline.table->GetNumberOfRows(), vtkIdType(2 * shape.numberOfLines()));
        QCOMPARE(e.handles.table->GetNumberOfRows(), vtkIdType(shape.numberOfHandles()));
        const auto holds = [](const util::ShapeOverlay::Table& t, int k, const Point2D& p) {
            return same(t.x->GetValue(k), p.x()) && same(t.y->GetValue(k), p.y());
        };
        for (int k = 0; k < 2 * shape.numberOfLines(); ++k)
            QVERIFY(holds(e.outline, k, k % 2 ? shape.line(k / 2)->p2 : shape.line(k / 2)->p1));
        for (int k = 0; k < shape.numberOfHandles(); ++k)
            QVERIFY(holds(e.handles, k, *shape.handle(k)));
        for (const auto& [plot, table] :
            { std::pair(e.outlinePlot, &e.outline), std::pair(e.handlePlot, &e.handles) })
            QVERIFY(!plot || (util::plotInfo(plot)->shape == &shape && plot->GetInput() == table->table));
    }
    for (const auto& [what, count] : tally)
        qInfo("%s: %d", qPrintable(what), count);
    qInfo("events driven: %d", EVENTS - tally["host redraws"]);
    // The run reached the paths it is meant to soak.
    QVERIFY(tally["translate"] > 0 && tally["resize"] > 0 && tally["callback rewrites"] > 0);
}

QTEST_MAIN(TstChartSoak)
#include "tst_chart_soak.moc"
