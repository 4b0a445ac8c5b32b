#include "chart/nearest_point_index.h"

#include <algorithm>
#include <cmath>

namespace util {

namespace {

/// Whether the x of all @p count points ascend (ties allowed) and none is NaN.
bool xAscending(const float* xy, vtkIdType count)
{
    for (vtkIdType i = 0; i < count; ++i) {
        // Written so that a NaN x fails the test.
        if (!(xy[2 * i] >= (i > 0 ? xy[2 * i - 2] : xy[0])))
            return false;
    }
    return true;
}

} // namespace

void NearestPointIndex::build(const float* xy, vtkIdType count)
{
    entries.clear();
    sorted = nullptr;
    sortedCount = 0;
    if (!xy || count <= 0)
        return;
    if (xAscending(xy, count)) {
        // A NaN y needs no care: it fails every comparison of the box test.
        sorted = xy;
        sortedCount = count;
        return;
    }
    entries.reserve(std::size_t(count));
    for (vtkIdType i = 0; i < count; ++i) {
        const float x = xy[2 * i];
        const float y = xy[2 * i + 1];
        if (!std::isnan(x) && !std::isnan(y))
            entries.push_back({ x, y, i });
    }
    std::sort(entries.begin(), entries.end(),
        [](const Entry& a, const Entry& b) { return a.x < b.x || (a.x == b.x && a.id < b.id); });
}

vtkIdType NearestPointIndex::find(
    const vtkVector2f& point, const vtkVector2f& tolerance, vtkVector2f* location) const
{
    const float left = point.GetX() - tolerance.GetX();
    const float right = point.GetX() + tolerance.GetX();
    const float bottom = point.GetY() - tolerance.GetY();
    const float top = point.GetY() + tolerance.GetY();
    auto inY = [bottom, top](float y) { return y > bottom && y < top; };
    if (sorted) {
        // First point with x > left; ids ascend with x, so the first one inside the box is the lowest id.
        vtkIdType low = 0;
        vtkIdType high = sortedCount;
        while (low < high) {
            const vtkIdType middle = low + (high - low) / 2;
            if (left < sorted[2 * middle])
                high = middle;
            else
                low = middle + 1;
        }
        for (vtkIdType i = low; i < sortedCount && sorted[2 * i] < right; ++i) {
            if (inY(sorted[2 * i + 1])) {
                if (location)
                    location->Set(sorted[2 * i], sorted[2 * i + 1]);
                return i;
            }
        }
        return -1;
    }
    // First entry with x > left; NaN bounds make every comparison false and find nothing.
    auto it = std::upper_bound(
        entries.begin(), entries.end(), left, [](float value, const Entry& e) { return value < e.x; });
    const Entry* best = nullptr;
    for (; it != entries.end() && it->x < right; ++it) {
        if (inY(it->y) && (!best || it->id < best->id))
            best = &*it;
    }
    if (!best)
        return -1;
    if (location)
        location->Set(best->x, best->y);
    return best->id;
}

} // namespace util
