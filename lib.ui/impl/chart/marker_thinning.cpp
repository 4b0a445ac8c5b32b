#include "chart/marker_thinning.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace util {

namespace {

/// Cells per pixel along each axis: points in the same cell share one marker. The renderer samples a
/// marker's texture at its sub-pixel position, so markers a pixel apart are not interchangeable; a
/// quarter pixel keeps the picture within a few edge pixels of the full one at a small cost.
constexpr int cellsPerPixel = 4;

} // namespace

float* MarkerThinning::thin(const float* xy, vtkIdType count, const vtkIdType* skipped,
    vtkIdType skippedCount, const double matrix[9], int width, int height, float size, vtkIdType& kept)
{
    kept = 0;
    if (!xy || count <= 0 || width <= 0 || height <= 0 || !(size > 0.0f) || size > 65536.0f)
        return nullptr;
    // A marker reaches the device when its centre lies less than size / 2 beyond an edge.
    const double reach = std::ceil(double(size) / 2.0) * cellsPerPixel;
    const std::int64_t columns = std::int64_t(width) * cellsPerPixel + 2 * std::int64_t(reach);
    const std::int64_t rows = std::int64_t(height) * cellsPerPixel + 2 * std::int64_t(reach);
    if (double(columns) * double(rows) > double(std::int64_t(1) << 30))
        return nullptr; // far beyond any screen
    covered.assign(std::size_t((columns * rows + 63) / 64), 0);
    points.resize(std::size_t(2 * count));
    vtkIdType nextSkipped = 0;
    for (vtkIdType i = 0; i < count; ++i) {
        while (nextSkipped < skippedCount && skipped[nextSkipped] < i)
            ++nextSkipped;
        if (nextSkipped < skippedCount && skipped[nextSkipped] == i)
            continue;
        const double px = xy[2 * i];
        const double py = xy[2 * i + 1];
        const double x = matrix[0] * px + matrix[1] * py + matrix[2];
        const double y = matrix[3] * px + matrix[4] * py + matrix[5];
        const double column = std::floor(x * cellsPerPixel) + reach;
        const double row = std::floor(y * cellsPerPixel) + reach;
        // Written so that NaN positions fail the test.
        if (!(column >= 0.0 && column < double(columns) && row >= 0.0 && row < double(rows)))
            continue;
        const std::size_t bit = std::size_t(std::int64_t(row) * columns + std::int64_t(column));
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
