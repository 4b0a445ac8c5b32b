#include "chart/marker_thinning.h"

#include <algorithm>
#include <cmath>

namespace util {

float* MarkerThinning::thin(const float* xy, vtkIdType count, const double matrix[9], int width, int height,
    float size, vtkIdType& kept)
{
    kept = 0;
    if (!xy || count <= 0 || width <= 0 || height <= 0 || !(size > 0.0f) || size > 65536.0f)
        return nullptr;
    // Footprint origins that touch the device run from -size + 1 to width - 1 (and likewise in y).
    const long reach = long(std::ceil(size));
    const long columns = long(width) + reach - 1;
    const long rows = long(height) + reach - 1;
    if (columns * rows > (1L << 30))
        return nullptr; // far beyond any screen
    covered.assign(std::size_t((columns * rows + 63) / 64), 0);
    points.resize(std::size_t(2 * count));
    const double half = (double(size) + 1.0) / 2.0;
    for (vtkIdType i = 0; i < count; ++i) {
        const double px = xy[2 * i];
        const double py = xy[2 * i + 1];
        const double x = matrix[0] * px + matrix[1] * py + matrix[2];
        const double y = matrix[3] * px + matrix[4] * py + matrix[5];
        // Written so that NaN positions fail the test.
        const double column = std::ceil(x - half) + double(reach) - 1.0;
        const double row = std::ceil(y - half) + double(reach) - 1.0;
        if (!(column >= 0.0 && column < double(columns) && row >= 0.0 && row < double(rows)))
            continue;
        const std::size_t bit = std::size_t(long(row) * columns + long(column));
        std::uint64_t& word = covered[bit / 64];
        const std::uint64_t mask = std::uint64_t(1) << (bit % 64);
        if (word & mask)
            continue;
        word |= mask;
        points[std::size_t(2 * kept)] = xy[2 * i];
        points[std::size_t(2 * kept + 1)] = xy[2 * i + 1];
        ++kept;
    }
    return points.data();
}

} // namespace util
