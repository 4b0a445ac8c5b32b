#include "chart/nearest_point_index.h"

#include <algorithm>
#include <cmath>

namespace util {

void NearestPointIndex::build(const float* xy, vtkIdType count)
{
    entries.clear();
    if (!xy || count <= 0)
        return;
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
    // First entry with x > left; NaN bounds make every comparison false and find nothing.
    auto it = std::upper_bound(
        entries.begin(), entries.end(), left, [](float value, const Entry& e) { return value < e.x; });
    const Entry* best = nullptr;
    for (; it != entries.end() && it->x < right; ++it) {
        if (it->y > bottom && it->y < top && (!best || it->id < best->id))
            best = &*it;
    }
    if (!best)
        return -1;
    if (location)
        location->Set(best->x, best->y);
    return best->id;
}

} // namespace util
