#pragma once

#include <util/util_ui_export.h>

#include <vtkType.h>
#include <vtkVector.h>

#include <vector>

namespace util {

/**
 * @brief Point lookup for hover tooltips and picking: which point lies in a tolerance box.
 *
 * Built from a packed (x, y) float array; a query answers the lowest point id
 * strictly inside the box in O(log n + k), k being the number of points whose
 * x lies inside the box. Points with a NaN coordinate are never found.
 *
 * Sensor profiles arrive sorted by x. For such data the build is one O(n) pass
 * that only checks the order: the index then searches the caller's array in
 * place, which must stay alive and unchanged until the next build. Other data
 * are copied and sorted, O(n log n).
 */
class UTIL_UI_EXPORT NearestPointIndex
{
public:
    /// Indexes @p count points stored as x0, y0, x1, y1, ...; a null @p xy or a count <= 0 gives an empty
    /// index.
    void build(const float* xy, vtkIdType count);

    /**
     * The lowest id of the points with |p - point| < tolerance on both axes
     * (strict), or -1. On a hit, @p location (if not null) receives the point.
     */
    vtkIdType find(const vtkVector2f& point, const vtkVector2f& tolerance, vtkVector2f* location) const;

    /// Number of points the index can find.
    std::size_t size() const { return sorted ? std::size_t(sortedCount) : entries.size(); }
    /// Whether the last build found x ascending and searches the caller's array in place.
    bool searchesInPlace() const { return sorted != nullptr; }

private:
    struct Entry
    {
        float x;
        float y;
        vtkIdType id;
    };
    std::vector<Entry> entries; ///< sorted by x, then id; empty while searching in place
    const float* sorted = nullptr; ///< the caller's array when its x ascend and none is NaN
    vtkIdType sortedCount = 0;
};

} // namespace util
