// Hit tests and geometry of util::Shape on arbitrary coordinates, NaN,
// infinities and huge values included.
#include "fuzz_input.h"

#include <util/range.h>
#include <util/shape.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using fuzz::check;

double number(fuzz::Input& in)
{
    // Half the time a raw double (NaN, inf, denormals, 1e308), else a small grid value.
    if (in.byte() & 1)
        return in.raw<double>();
    return double(int(in.byte()) - 128) / 4.0;
}

util::Point2D point(fuzz::Input& in)
{
    if (in.byte() % 16 == 0)
        return {}; // invalid
    const double x = number(in);
    return { x, number(in) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    util::Shape shape;
    const int lines = in.byte() % 12;
    for (int i = 0; i < lines; ++i) {
        const util::Point2D p1 = point(in);
        shape.addLine(p1, point(in));
    }
    check(shape.numberOfLines() == lines);
    check(shape.numberOfHandles() == 3 * lines);
    check(shape.line(-1) == nullptr && shape.line(lines) == nullptr);
    check(shape.handle(-1) == nullptr && shape.handle(3 * lines) == nullptr);
    for (int i = 0; i < lines; ++i) {
        const util::Line& line = *shape.line(i);
        // Handles are the end points and the midpoint of each line.
        const util::Point2D& first = *shape.handle(3 * i);
        const util::Point2D& last = *shape.handle(3 * i + 2);
        check(std::memcmp(&first, &line.p1, sizeof first) == 0
            || (std::isnan(first.x()) && std::isnan(line.p1.x())));
        check(std::memcmp(&last, &line.p2, sizeof last) == 0
            || (std::isnan(last.x()) && std::isnan(line.p2.x())));
    }

    shape.setTolerance(number(in));
    shape.setXAxisRange(util::Range(number(in), number(in)));
    shape.setYAxisRange(util::Range(number(in), number(in)));

    util::Shape copy = shape;
    util::Shape shallow;
    shallow.shallowCopy(shape);
    check(copy.numberOfLines() == lines && shallow.numberOfLines() == 0);

    while (!in.empty()) {
        const util::Point2D p = point(in);
        const bool inside = shape.insidePolygon(p);
        check(inside == copy.insidePolygon(p)); // deterministic and copied faithfully
        if (std::isnan(p.x()) || std::isnan(p.y()))
            check(!inside);
        const bool close = shape.closeToLine(p);
        check(close == copy.closeToLine(p));
        if (lines == 0)
            check(!inside && !close);
    }
    return 0;
}
