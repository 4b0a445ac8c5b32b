// Hit tests and geometry of util::Shape on arbitrary coordinates, NaN,
// infinities and huge values included.
#include <util/range.h>
#include <util/shape.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool empty() const { return m_size == 0; }
    std::uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }
    double number()
    {
        // Half the time a raw double (NaN, inf, denormals, 1e308), else a small grid value.
        if (byte() & 1) {
            double value = 0;
            std::uint8_t raw[sizeof value] = {};
            for (auto& b : raw)
                b = byte();
            std::memcpy(&value, raw, sizeof value);
            return value;
        }
        return double(int(byte()) - 128) / 4.0;
    }
    util::Point2D point()
    {
        if (byte() % 16 == 0)
            return {}; // invalid
        const double x = number();
        return { x, number() };
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    util::Shape shape;
    const int lines = in.byte() % 12;
    for (int i = 0; i < lines; ++i) {
        const util::Point2D p1 = in.point();
        shape.addLine(p1, in.point());
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
        check(std::memcmp(&first, &line.p1, sizeof first) == 0 || (std::isnan(first.x()) && std::isnan(line.p1.x())));
        check(std::memcmp(&last, &line.p2, sizeof last) == 0 || (std::isnan(last.x()) && std::isnan(line.p2.x())));
    }

    shape.setTolerance(in.number());
    shape.setXAxisRange(util::Range(in.number(), in.number()));
    shape.setYAxisRange(util::Range(in.number(), in.number()));

    util::Shape copy = shape;
    util::Shape shallow;
    shallow.shallowCopy(shape);
    check(copy.numberOfLines() == lines && shallow.numberOfLines() == 0);

    while (!in.empty()) {
        const util::Point2D p = in.point();
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
