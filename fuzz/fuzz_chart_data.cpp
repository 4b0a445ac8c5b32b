// The data path of a constructed, never shown util::ChartWidget: setData, update, the cached list and view
// fitting on random lists of series. Names come from the x column's own name, its neighbours, duplicates and
// any UTF-16; kinds and corners from inside and outside their ranges; curves are null, shared between
// records, refilled in place or freed and made anew between calls, with any point count and NaN, infinite,
// huge and denormal coordinates; fixed ranges too. After every call:
// - the chart holds one plot per record, each reading its own table, named and labelled as its record;
// - what each plot draws is its curves: the points of a profile, the points' x and the per-point values of a
//   reflectance or peak-width series, nothing for null curves; a table the record cannot fill keeps what it
//   held (nothing, when the plots were just built);
// - every axis range is finite.
#include "chart/chart_widget_p.h"
#include "chart/plot.h"
#include "fuzz_application.h"
#include "fuzz_input.h"

#include <util/chart_widget.h>

#include <vorn/Vorn3dParametricCurveArray.h>

#include <vtkAxis.h>
#include <vtkContextMapper2D.h>
#include <vtkDataArray.h>
#include <vtkPlot.h>
#include <vtkSmartPointer.h>
#include <vtkTable.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using fuzz::check;
using util::ChartPlot;

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

/// What one plot draws: its x and y arrays, read as doubles.
struct Drawn
{
    vtkSmartPointer<vtkTable> table; ///< held, so that a table made anew never shares an old one's address
    std::vector<double> x;
    std::vector<double> y;

    explicit Drawn(vtkPlot* plot)
        : table(plot->GetInput())
    {
        check(table != nullptr);
        auto* xs = vtkDataArray::SafeDownCast(plot->GetData()->GetInputArrayToProcess(0, table));
        auto* ys = vtkDataArray::SafeDownCast(plot->GetData()->GetInputArrayToProcess(1, table));
        check(xs && ys && xs != ys); // two columns of numbers, told apart
        check(xs->GetNumberOfTuples() == table->GetNumberOfRows());
        check(ys->GetNumberOfTuples() == table->GetNumberOfRows());
        for (vtkIdType j = 0; j < table->GetNumberOfRows(); ++j) {
            x.push_back(xs->GetTuple1(j));
            y.push_back(ys->GetTuple1(j));
        }
    }

    bool operator==(const Drawn& other) const
    {
        const auto equal = [](const std::vector<double>& a, const std::vector<double>& b) {
            return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
        };
        return equal(x, other.x) && equal(y, other.y);
    }
};

/// A float: mostly on a small grid, else NaN, an infinity, a huge value or raw bits (denormals included).
float coordinate(fuzz::Input& in)
{
    const std::uint8_t choice = in.byte();
    switch (choice % 16) {
    case 0: return NAN;
    case 1: return INFINITY;
    case 2: return -INFINITY;
    case 3: return 3.4e38f;
    case 4: return -1e30f;
    case 5: return in.raw<float>();
    default: break;
    }
    return float(int(in.byte()) - 128) / 4.0f + float(choice / 16);
}

double bound(fuzz::Input& in)
{
    static const double special[] = { NAN, INFINITY, -INFINITY, 1e300, -1e300, 3e9, -3e9, 0.5, -0.5, 0 };
    const std::uint8_t choice = in.byte();
    if (choice < 64)
        return special[choice % (sizeof special / sizeof *special)];
    if (choice < 96)
        return in.raw<double>();
    return double(int(in.byte()) - 128) * 8;
}

/// Refills @p curves in place: a point count from nothing to a thousand, and per-point channels or not.
void fill(Vorn3dParametricCurveArray& curves, fuzz::Input& in)
{
    const std::uint8_t size = in.byte();
    const std::size_t count = size < 32 ? size % 4 : size < 224 ? size - 32 : std::size_t(size) * 4;
    std::vector<Vorn3dParametricCurveArray::Point> points(count);
    const bool constant = in.byte() & 1; // the same point throughout, or new bytes for each
    for (auto& p : points) {
        if (constant && &p != &points.front()) {
            p = points.front();
            continue;
        }
        p.x = coordinate(in);
        p.height = coordinate(in);
    }
    curves.SetValidPoints(std::move(points));
    const std::uint8_t channels = in.byte();
    if (channels & 1) {
        std::vector<std::uint16_t> reflectance(count);
        for (std::size_t j = 0; j < count; ++j)
            reflectance[j] = std::uint16_t(j * 977u + channels * 131u);
        curves.SetValidPointData("reflectance", reflectance);
    }
    if (channels & 2) {
        std::vector<std::uint8_t> widths(count);
        for (std::size_t j = 0; j < count; ++j)
            widths[j] = std::uint8_t(j * 7u + channels);
        curves.SetValidPointData("peak_width", widths);
    }
}

class Session
{
public:
    explicit Session(fuzz::Input& input)
        : in(input)
    {
        for (auto& c : curves) {
            c = std::make_unique<Vorn3dParametricCurveArray>();
            fill(*c, in);
        }
    }

    void run()
    {
        while (!in.empty()) {
            switch (in.pick(10)) {
            case 0: fill(*curves[std::size_t(in.pick(int(curves.size())))], in); break; // refilled in place
            case 1: {
                // The host frees last frame's array and hands a list of the live ones.
                auto& slot = curves[std::size_t(in.pick(int(curves.size())))];
                slot = std::make_unique<Vorn3dParametricCurveArray>();
                fill(*slot, in);
                setData(records());
                break;
            }
            case 2: restyle(); break;
            case 3: restyleCached(); break;
            case 4: widget.resetView(); break;
            case 5: widget.resetViewOnNewData(); break;
            default: setData(records()); break;
            }
            checkAxes();
        }
    }

private:
    QString name()
    {
        // The x column's name, its neighbours, and the same up to a NUL character, where a C string ends.
        static const QString names[] = { QStringLiteral("X Coordinates"), QStringLiteral("X Coordinates"),
            QStringLiteral("x coordinates"), QStringLiteral("X Coordinates "),
            QStringLiteral("X Coordinates") + QChar(0) + QStringLiteral("2"), QStringLiteral(""),
            QStringLiteral("profile"), QStringLiteral("profile"), QStringLiteral("reflectance"),
            QStringLiteral("peak_width"), QStringLiteral("\u00e9t\u00e9 \u6e2c") };
        const int choice = in.pick(16);
        if (choice < int(sizeof names / sizeof *names))
            return names[choice];
        return in.text(QStringLiteral("X Coordinates_"), 16);
    }

    std::vector<ChartPlot> records()
    {
        std::vector<ChartPlot> list(std::size_t(in.pick(7)));
        for (ChartPlot& record : list) {
            const std::uint8_t flags = in.byte();
            record.curves = flags % 8 == 0 ? nullptr : curves[flags % curves.size()].get();
            record.name = name();
            const std::uint8_t kind = in.byte();
            record.kind = kind < 200 ? kind % 3 : kind < 250 ? kind % 8 - 2 : in.integer<int>();
            const std::uint8_t corner = in.byte();
            record.corner = corner < 200 ? corner % 4 : corner < 250 ? corner % 8 - 2 : in.integer<int>();
            record.visible = flags & 16;
            record.color = QColor::fromRgb(in.byte(), in.byte(), in.byte());
            if (flags & 32) {
                const double x0 = bound(in);
                record.xRange = util::Range(x0, bound(in));
            }
            if (flags & 64) {
                const double y0 = bound(in);
                record.yRange = util::Range(y0, bound(in));
            }
        }
        return list;
    }

    void setData(const std::vector<ChartPlot>& list)
    {
        const std::vector<Drawn> before = drawn();
        widget.setData(list);
        checkPlots(list);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const ChartPlot& record = list[i];
            const Drawn now(d->plots[i]);
            const Drawn* old = i < before.size() && before[i].table == now.table ? &before[i] : nullptr;
            if (!record.curves) {
                check(now.x.empty());
            } else if (record.kind == util::Profile) {
                checkProfile(now, *record.curves);
            } else if (record.kind == util::Reflectance && record.curves->HasPointData("reflectance")) {
                checkChannel<std::uint16_t>(now, *record.curves, "reflectance");
            } else if (record.kind == util::PeakWidth && record.curves->HasPointData("peak_width")) {
                checkChannel<std::uint8_t>(now, *record.curves, "peak_width");
            } else {
                check(old ? now == *old : now.x.empty()); // kept, or empty when made anew
            }
        }
    }

    /// update() with a changed copy of the list, or a shorter one: styles change, tables do not.
    void restyle()
    {
        std::vector<ChartPlot> list = widget.cachedPlot();
        list.resize(std::min(list.size(), std::size_t(in.pick(8))));
        for (ChartPlot& record : list) {
            record.visible = in.byte() & 1;
            record.corner = in.pick(6) - 1;
        }
        const std::vector<Drawn> before = drawn();
        const std::vector<int> corners = plotCorners();
        widget.update(list);
        check(drawn() == before);
        for (std::size_t i = 0; i < list.size(); ++i) {
            check(d->plots[i]->GetVisible() == list[i].visible);
            const int corner = list[i].corner;
            check(d->chart->GetPlotCorner(d->plots[i]) == (corner >= 0 && corner <= 3 ? corner : corners[i]));
        }
    }

    /// An edit of cachedPlot() followed by update().
    void restyleCached()
    {
        std::vector<ChartPlot>& cached = widget.cachedPlot();
        if (cached.empty())
            return;
        ChartPlot& record = cached[std::size_t(in.pick(int(cached.size())))];
        record.visible = !record.visible;
        record.color = QColor::fromRgb(in.byte(), in.byte(), in.byte());
        const std::vector<Drawn> before = drawn();
        widget.update();
        check(drawn() == before);
        for (std::size_t i = 0; i < cached.size() && i < d->plots.size(); ++i)
            check(d->plots[i]->GetVisible() == cached[i].visible);
    }

    std::vector<Drawn> drawn() const
    {
        std::vector<Drawn> result;
        for (vtkPlot* plot : d->plots)
            result.emplace_back(plot);
        return result;
    }

    std::vector<int> plotCorners() const
    {
        std::vector<int> result;
        for (vtkPlot* plot : d->plots)
            result.push_back(d->chart->GetPlotCorner(plot));
        return result;
    }

    /// One plot and one table per record, in order, each plot reading its own table and named by its record.
    void checkPlots(const std::vector<ChartPlot>& list) const
    {
        check(d->chart->GetNumberOfPlots() == vtkIdType(list.size()));
        check(d->plots.size() == list.size() && d->tables.size() == list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            vtkPlot* plot = d->plots[i];
            check(d->chart->GetPlot(vtkIdType(i)) == plot);
            check(plot->GetInput() == d->tables[i]);
            for (std::size_t k = 0; k < i; ++k)
                check(d->tables[k] != d->tables[i]);
            check(util::plotInfo(plot)->name == list[i].name);
            // The legend shows the name (up to a NUL character, where a C string ends).
            const std::string label = plot->GetLabel();
            const std::string utf8 = list[i].name.toStdString();
            check(label == utf8 || label == utf8.substr(0, utf8.find('\0')));
        }
    }

    static void checkProfile(const Drawn& now, const Vorn3dParametricCurveArray& curves)
    {
        VornVector points;
        curves.GetValidPoints(&points);
        const std::size_t count = curves.GetValidPointCount();
        check(now.x.size() == count);
        const auto* xy = static_cast<const float*>(points.GetData());
        for (std::size_t j = 0; j < count; ++j)
            check(same(now.x[j], xy[2 * j]) && same(now.y[j], xy[2 * j + 1]));
    }

    template<typename Value>
    static void checkChannel(const Drawn& now, const Vorn3dParametricCurveArray& curves, const char* channel)
    {
        VornVector points;
        VornVector values;
        curves.GetValidPoints(&points);
        curves.GetValidPointData(channel, &values);
        const std::size_t count = curves.GetValidPointCount();
        check(now.x.size() == count);
        const auto* xy = static_cast<const float*>(points.GetData());
        const auto* v = static_cast<const Value*>(values.GetData());
        for (std::size_t j = 0; j < count; ++j)
            check(same(now.x[j], xy[2 * j]) && now.y[j] == double(v[j]));
    }

    void checkAxes() const
    {
        for (int i = 0; i < 4; ++i) {
            vtkAxis* axis = d->chart->GetAxis(i);
            check(std::isfinite(axis->GetMinimum()) && std::isfinite(axis->GetMaximum()));
        }
    }

    fuzz::Input& in;
    std::array<std::unique_ptr<Vorn3dParametricCurveArray>, 4> curves;
    util::ChartWidget widget; ///< after the curves: goes first
    util::ChartWidgetPrivate* const d = util::ChartWidgetPrivate::get(&widget);
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::startApplication(*argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    Session(in).run();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
