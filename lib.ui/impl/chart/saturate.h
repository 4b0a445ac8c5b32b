#pragma once

#include <climits>
#include <cmath>

namespace util::detail {

/// Truncates @p value toward zero into an int, clamping values beyond the int range; NaN gives 0.
inline int saturatingInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

/// Rounds @p value down to an int, clamping as saturatingInt() does.
inline int saturatingFloor(double value)
{
    return saturatingInt(std::floor(value));
}

/// Rounds @p value up to an int, clamping as saturatingInt() does.
inline int saturatingCeil(double value)
{
    return saturatingInt(std::ceil(value));
}

} // namespace util::detail
