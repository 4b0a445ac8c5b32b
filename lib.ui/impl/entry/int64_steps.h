#pragma once

#include <util/util_ui_export.h>

#include <QtGlobal>

namespace util::detail {

/**
 * @p value moved onto @p minimum when below it, else onto @p maximum when above it. For an empty
 * range (@p minimum > @p maximum) that is @p minimum for a value below it and @p maximum otherwise.
 */
template<typename T> T clampInt64(T value, T minimum, T maximum)
{
    return value < minimum ? minimum : qMin(value, maximum);
}

/**
 * Where a step of @p step from @p value lands in the range @p minimum to @p maximum, which must not
 * be empty. The step starts from @p value clamped to the range. Without @p wrapping it stops at the
 * bound it would pass; with it, it re-enters the range from the other end and goes round as often
 * as it needs. Exact at both ends of qint64 and quint64 (the only types it is made for).
 */
template<typename T> UTIL_UI_EXPORT T stepInt64(T value, T minimum, T maximum, qint64 step, bool wrapping);

} // namespace util::detail
