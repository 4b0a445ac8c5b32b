#include "chart/marker_thinning.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace util {

namespace {

/// Cells per pixel along each axis: points in the same cell share one marker. The renderer samples a
/// marker's texture at its sub-pixel position, so markers a pixel apart are not interchangeable; a
/// quarter pixel keeps the picture within a few edge pixels of the full one at a small cost.
constexpr int cellsPerPixel = 4;

/**
 * The cell bits, one grid for every thinning of a thread. Between calls every bit is clear: a call clears
 * only the words it set, so that thinning costs in proportion to the points, not to the device's area, and
 * a plot of a few points (a shape's handles) neither clears nor holds a grid of the whole device.
 */
struct CellGrid
{
    std::vector<std::uint64_t> bits;
    std::vector<std::size_t> setWords; ///< the words of bits set by the current call, one entry per bit
};

CellGrid& cellGrid()
{
    thread_local CellGrid grid;
    return grid;
}

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
    CellGrid& grid = cellGrid();
    const std::size_t words = std::size_t((columns * rows + 63) / 64);
    if (grid.bits.size() < words)
        grid.bits.resize(words, 0); // all clear: the words beyond the old end are new, the others cleared
    grid.setWords.clear();
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
        std::uint64_t& word = grid.bits[bit / 64];
        const std::uint64_t mask = std::uint64_t(1) << (bit % 64);
        if (word & mask)
            continue;
        word |= mask;
        grid.setWords.push_back(bit / 64);
        points[std::size_t(2 * kept)] = xy[2 * i];
        points[std::size_t(2 * kept + 1)] = xy[2 * i + 1];
        ++kept;
    }
    for (const std::size_t word : grid.setWords)
        grid.bits[word] = 0;
    return points.data();
}

} // namespace util
