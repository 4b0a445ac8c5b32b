#include "entry/int64_steps.h"

namespace util::detail {

// The arithmetic runs in quint64, where it is modular, so that no step, headroom or magnitude
// overflows at either end of either type.
template<typename T> T stepInt64(T value, T minimum, T maximum, qint64 step, bool wrapping)
{
    using Unsigned = quint64;
    const T start = clampInt64(value, minimum, maximum);
    const bool up = step > 0;
    const Unsigned headroom = up ? Unsigned(maximum) - Unsigned(start) : Unsigned(start) - Unsigned(minimum);
    const Unsigned magnitude = step < 0 ? Unsigned(0) - Unsigned(step) : Unsigned(step);
    if (magnitude <= headroom)
        return T(Unsigned(start) + Unsigned(step));
    if (!wrapping)
        return up ? maximum : minimum;
    // Past the bound the step re-enters from the other end; a step longer than the whole span
    // goes round as often as it needs (a span of 0 stands for the whole 64-bit range).
    Unsigned excess = magnitude - headroom;
    const Unsigned span = Unsigned(maximum) - Unsigned(minimum) + 1;
    if (span != 0)
        excess = (excess - 1) % span + 1;
    return up ? T(Unsigned(minimum) + (excess - 1)) : T(Unsigned(maximum) - (excess - 1));
}

template UTIL_UI_EXPORT qint64 stepInt64(qint64, qint64, qint64, qint64, bool);
template UTIL_UI_EXPORT quint64 stepInt64(quint64, quint64, quint64, qint64, bool);

} // namespace util::detail
