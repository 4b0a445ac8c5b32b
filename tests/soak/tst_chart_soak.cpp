// A long seeded random run against a shown chart widget: presses, drags, releases, wheel steps and keys
// interleaved with data updates carrying empty series, null curves, NaN and huge values, while the shapes'
// callbacks move, resize, replace, remove and re-add shapes and redraw the overlay. Afterwards the axes,
// the shape tables and (in the sanitizer build) the heap must be sound.
#include "../chart/chart_fixture.h"

#include <util/range.h>
#include <util/shape.h>

#include <vtkContextKeyEvent.h>

#include <array>
#include <map>
#include <random>

using util::Point2D;
using util::Shape;

namespace {

constexpr int EVENTS = 12000;
constexpr double WHEEL_CAP = 7.5e14;
enum Id { Marker = 3, Polyline = 4, IdCount = 5 }; // identifiers 1 and 2 are rectangles

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

class TstChartSoak : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { close(); }
    void soak();

private:
    std::mt19937 random;
    std::array<Vorn3dParametricCurveArray, 3> curves;
    std::array<std::size_t, 3> counts {};
    std::map<QString, int> tally; ///< what the run exercised, printed at the end
    int wheelBias = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); }
    util::ShapeOverlay& overlay() { return *d->shapeOverlay; }
    QPointF anywhere() { return data(vtkVector2f(float(uniform(0, 800)), float(uniform(0, 400)))); }

    /// A scene position: on a stored shape's handle (or near it) half of the time, else anywhere around.
    vtkVector2f target()
    {
        const auto& shapes = overlay().shapes;
        if (!shapes.empty() && chance(0.5)) {
            const Shape& shape = *shapes[std::size_t(pick(int(shapes.size())))];
            if (shape.numberOfHandles() > 0) {
                const Point2D& handle = *shape.handle(pick(shape.numberOfHandles()));
                const double in[2] = { handle.x(), handle.y() };
                double out[2];
                chart->GetTransforms()[0]->GetTransform()->TransformPoints(in, out, 1);
                const double jitter = chance(0.5) ? 0.0 : 12.0;
                if (std::isfinite(out[0]) && std::isfinite(out[1]))
                    return vtkVector2f(float(std::clamp(out[0], -50.0, 850.0) + uniform(-jitter, jitter)),
                        float(std::clamp(out[1], -50.0, 450.0) + uniform(-jitter, jitter)));
            }
        }
        return vtkVector2f(float(uniform(-20, 820)), float(uniform(-20, 420)));
    }

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
        const QPointF a = anywhere();
        const QPointF b = anywhere();
        if (id == Marker) {
            shape.addLine(
                { a.x(), d->axis(Axis::Left)->GetMinimum() }, { a.x(), d->axis(Axis::Left)->GetMaximum() });
        } else if (id == Polyline) {
            QPointF last = a;
            for (int i = 0, n = 1 + pick(4); i < n; ++i) {
                const QPointF next = anywhere();
                shape.addLine({ last.x(), last.y() }, { next.x(), next.y() });
                last = next;
            }
            // Inside means near a vertex's vertical or horizontal, scaled by the axis ranges.
            shape.setInsidePolygonCallback([this, id](const Point2D& p) {
                Shape* stored = widget->shape(id);
                return stored && stored->closeToLine(p);
            });
        } else {
            shape.addLine({ a.x(), a.y() }, { b.x(), a.y() });
            shape.addLine({ b.x(), a.y() }, { b.x(), b.y() });
            shape.addLine({ b.x(), b.y() }, { a.x(), b.y() });
            shape.addLine({ a.x(), b.y() }, { a.x(), a.y() });
        }
        shape.setXTranslationCallback([this, id](double dx) { edit(id, Point2D(), dx, 0); });
        shape.setYTranslationCallback([this, id](double dy) { edit(id, Point2D(), 0, dy); });
        shape.setXResizeCallback([this, id](const Point2D& at, double dx) { edit(id, at, dx, 0); });
        shape.setYResizeCallback([this, id](const Point2D& at, double dy) { edit(id, at, 0, dy); });
        shape.setOnMousePressCallback([this, id] { sideEffect(id, 0.1); });
        shape.setOnMouseReleaseCallback([this, id] { sideEffect(id, 0.02); });
        shape.setShapeTooltipCallback([id](const Point2D& p) {
            return id % 2 ? QString() : QStringLiteral("%1 at %2").arg(id).arg(p.x());
        });
        return shape;
    }

    /// Moves the called shape by (dx, dy) in place, keeping its lines: every end point when @p at is
    /// invalid (a translation), else the end points at the handle @p at, or a line whose midpoint it is.
    void edit(int id, const Point2D& at, double dx, double dy)
    {
        ++tally[at.isValid() ? QStringLiteral("resize") : QStringLiteral("translate")];
        Shape* shape = widget->shape(id);
        QVERIFY(shape); // the chart calls only stored shapes
        std::vector<util::Line> lines;
        for (int k = 0; k < shape->numberOfLines(); ++k)
            lines.push_back(*shape->line(k));
        const auto atHandle = [&at](const Point2D& p) { return same(p.x(), at.x()) && same(p.y(), at.y()); };
        const auto move = [dx, dy](Point2D& p) { p = Point2D(p.x() + dx, p.y() + dy); };
        bool moved = false;
        for (util::Line& line : lines) {
            for (Point2D* p : { &line.p1, &line.p2 }) {
                if (!at.isValid() || atHandle(*p)) {
                    move(*p);
                    moved = true;
                }
            }
        }
        for (int k = 0; k < int(lines.size()) && !moved; ++k) {
            if (atHandle(*shape->handle(3 * k + 1))) {
                move(lines[std::size_t(k)].p1);
                move(lines[std::size_t(k)].p2);
                moved = true;
            }
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
        switch (pick(6)) {
        case 0: widget->updateShape(id, makeShape(id)); break; // replaces the running callback
        case 1: widget->updateShape(other, makeShape(other)); break;
        case 2: widget->removeShape(id); break;
        case 3:
            if (!widget->shape(other))
                widget->addShape(makeShape(other));
            break;
        case 4: widget->drawShapes(); break;
        default: widget->redrawShapes(); break;
        }
        ++tally[QStringLiteral("callback rewrites")];
    }

    /// Random points for curve @p i, with NaN, infinite and huge values sprinkled in; sometimes a new count.
    void refill(std::size_t i)
    {
        if (chance(0.15))
            counts[i] = chance(0.3) ? std::size_t(pick(3)) : std::size_t(pick(400));
        const float specials[] = { NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 3e38f };
        const double spoil = chance(0.3) ? 0.05 : chance(0.05) ? 1.0 : 0.0;
        const double offset = uniform(-100, 100);
        std::vector<Vorn3dParametricCurveArray::Point> points(counts[i]);
        std::vector<std::uint16_t> reflectance(counts[i]);
        std::vector<std::uint8_t> widths(counts[i]);
        for (std::size_t j = 0; j < counts[i]; ++j) {
            points[j]
                = { float(offset + 0.5 * double(j)), float(10 * std::sin(double(j) / 10) + uniform(-1, 1)) };
            for (float* value : { &points[j].x, &points[j].height }) {
                if (chance(spoil))
                    *value = specials[pick(6)];
            }
            reflectance[j] = std::uint16_t(pick(65536));
            widths[j] = std::uint8_t(pick(256));
        }
        curves[i].SetValidPoints(std::move(points));
        if (chance(0.8))
            curves[i].SetValidPointData("reflectance", reflectance);
        if (chance(0.8))
            curves[i].SetValidPointData("peak_width", widths);
    }

    void setRandomData()
    {
        static const QString names[] = { "profile", "reflectance", "width" };
        std::vector<util::ChartPlot> list(chance(0.08) ? 0 : std::size_t(1 + pick(3)));
        for (std::size_t i = 0; i < list.size(); ++i) {
            util::ChartPlot& plot = list[i];
            refill(i);
            plot.curves = chance(0.05) ? nullptr : &curves[i];
            plot.name = chance(0.03) ? QStringLiteral("renamed") : names[i];
            plot.kind = chance(0.7) ? util::Profile : pick(4) == 3 ? 7 : pick(3);
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

    QString axesUnsound()
    {
        for (const Axis axis : { Axis::Left, Axis::Bottom, Axis::Right, Axis::Top }) {
            const QVector<double> r = range(axis);
            if (!std::isfinite(r[0]) || !std::isfinite(r[1]) || std::fabs(r[0]) > WHEEL_CAP
                || std::fabs(r[1]) > WHEEL_CAP)
                return QStringLiteral("axis %1 range [%2, %3]").arg(int(axis)).arg(r[0]).arg(r[1]);
        }
        return {};
    }

    QString shapesUnsound()
    {
        const util::ShapeOverlay& o = overlay();
        const std::size_t n = o.shapes.size();
        if (o.lineTables.size() != n || o.handleTables.size() != n || o.lineXArrays.size() != n
            || o.lineYArrays.size() != n || o.handleXArrays.size() != n || o.handleYArrays.size() != n)
            return QStringLiteral("table sequences out of step with %1 shapes").arg(n);
        int drawn = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const Shape& shape = *o.shapes[i];
            const QString name = shape.title();
            if (o.lineTables[i]->GetNumberOfRows() != 2 * shape.numberOfLines()
                || o.handleTables[i]->GetNumberOfRows() != shape.numberOfHandles())
                return name + QStringLiteral(": table rows differ from its geometry");
            for (int k = 0; k < 2 * shape.numberOfLines(); ++k) {
                const Point2D& p = k % 2 ? shape.line(k / 2)->p2 : shape.line(k / 2)->p1;
                if (!same(o.lineXArrays[i]->GetValue(k), p.x())
                    || !same(o.lineYArrays[i]->GetValue(k), p.y()))
                    return name + QStringLiteral(": outline row %1 differs").arg(k);
            }
            for (int k = 0; k < shape.numberOfHandles(); ++k) {
                if (!same(o.handleXArrays[i]->GetValue(k), shape.handle(k)->x())
                    || !same(o.handleYArrays[i]->GetValue(k), shape.handle(k)->y()))
                    return name + QStringLiteral(": handle row %1 differs").arg(k);
            }
            // The drawn plots read this shape's own tables and point back to it.
            for (const auto& [plots, table] : { std::pair(&o.linePlots, o.lineTables[i].Get()),
                     std::pair(&o.handlePlots, o.handleTables[i].Get()) }) {
                for (vtkPlot* plot : *plots) {
                    if (plot && util::plotInfo(plot)->shape == &shape) {
                        ++drawn;
                        if (plot->GetInput() != table)
                            return name + QStringLiteral(": a plot reads another table");
                    }
                }
            }
        }
        const auto drawnPlots = vtkIdType(o.linePlots.size() + o.handlePlots.size())
            - std::count(o.linePlots.begin(), o.linePlots.end(), nullptr)
            - std::count(o.handlePlots.begin(), o.handlePlots.end(), nullptr);
        if (drawn != drawnPlots || chart->GetNumberOfPlots() != vtkIdType(d->plots.size()) + drawnPlots)
            return QStringLiteral("shape plots not linked to stored shapes");
        return {};
    }
};

void TstChartSoak::soak()
{
    const unsigned seed = qEnvironmentVariableIsSet("UTIL_UI_SOAK_SEED")
        ? unsigned(qEnvironmentVariableIntValue("UTIL_UI_SOAK_SEED"))
        : 20240610u;
    qInfo("seed %u", seed);
    random.seed(seed);
    counts.fill(100);
    for (int id = 1; id < IdCount; ++id)
        widget->addShape(makeShape(id));
    widget->drawShapes();

    int button = 0; // the held button, 0 when none
    vtkVector2f pos(400, 200);
    for (int event = 1; event <= EVENTS; ++event) {
        const int roll = pick(100);
        if (button && roll < 75) {
            const vtkVector2f last = pos;
            pos = chance(0.2) ? target()
                              : pos + vtkVector2f(float(uniform(-30, 30)), float(uniform(-30, 30)));
            chart->MouseMoveEvent(mouse(button, pos, last));
        } else if (button && roll < 88) {
            chart->MouseButtonReleaseEvent(mouse(button, pos));
            button = 0;
        } else if (!button && roll < 30) {
            button = chance(0.7) ? LEFT : chance(0.8) ? RIGHT : vtkContextMouseEvent::MIDDLE_BUTTON;
            keys->SetControlKey(chance(button == RIGHT ? 0.7 : 0.2));
            keys->SetShiftKey(chance(0.1));
            pos = target();
            chart->MouseButtonPressEvent(mouse(button, pos));
            ++tally[QStringLiteral("presses")];
        } else if (!button && roll < 50) {
            const vtkVector2f last = pos;
            pos = target();
            chart->MouseMoveEvent(mouse(0, pos, last));
        } else if (!button && roll < 62) {
            if (chance(0.05))
                wheelBias = pick(3) - 2; // zoom-out, neutral or zoom-in streaks
            chart->MouseWheelEvent(mouse(0, pos), wheelBias * 3 + pick(5) - 2);
        } else if (!button && roll < 72) {
            vtkContextKeyEvent key;
            keys->SetKeyCode(chance(0.4) ? "rR"[pick(2)] : char(pick(256)));
            key.SetInteractor(keys);
            chart->KeyPressEvent(key);
        } else if (!button && roll < 74) {
            chart->MouseLeaveEvent(mouse(0, pos));
        } else if (!button && roll < 78) {
            // The host between gestures: shapes back, overlay redrawn, the view refitted now and then.
            for (int id = 1; id < IdCount; ++id) {
                if (!widget->shape(id) && chance(0.5))
                    widget->addShape(makeShape(id));
            }
            if (chance(0.1))
                widget->clearShape();
            widget->drawShapes();
            if (chance(0.1))
                widget->resetView();
            ++tally[QStringLiteral("host redraws")];
        } else {
            setRandomData();
            ++tally[QStringLiteral("setData")];
        }
        if (event % 50 == 0)
            widget->render();
        const QString axes = axesUnsound();
        QVERIFY2(axes.isEmpty(), qPrintable(QStringLiteral("event %1: ").arg(event) + axes));
    }
    if (button)
        chart->MouseButtonReleaseEvent(mouse(button, pos));
    widget->drawShapes();
    paint();
    const QString axes = axesUnsound();
    QVERIFY2(axes.isEmpty(), qPrintable(axes));
    const QString shapes = shapesUnsound();
    QVERIFY2(shapes.isEmpty(), qPrintable(shapes));
    for (const auto& [what, count] : tally)
        qInfo("%s: %d", qPrintable(what), count);
    qInfo("events driven: %d", EVENTS - tally[QStringLiteral("host redraws")]);
    // The run reached the paths it is meant to soak.
    QVERIFY(tally[QStringLiteral("translate")] > 0 && tally[QStringLiteral("resize")] > 0);
    QVERIFY(tally[QStringLiteral("callback rewrites")] > 0);
}

QTEST_MAIN(TstChartSoak)
#include "tst_chart_soak.moc"
