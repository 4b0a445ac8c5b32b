#include <util/range.h>

#include <cmath>
#include <limits>
#include <utility>

namespace util {

Range::Range(double min, double max)
{
    set(min, max);
}

void Range::set(double min, double max)
{
    if (std::isnan(min) || std::isnan(max)) {
        m_empty = true;
        return;
    }
    if (max < min)
        std::swap(min, max);
    m_min = min;
    m_max = max;
    m_empty = false;
}

void Range::accumulate(double value)
{
    if (std::isnan(value))
        return;
    if (m_empty) {
        m_min = m_max = value;
        m_empty = false;
        return;
    }
    if (value < m_min)
        m_min = value;
    if (value > m_max)
        m_max = value;
}

double Range::min() const
{
    return m_empty ? std::numeric_limits<double>::quiet_NaN() : m_min;
}

double Range::max() const
{
    return m_empty ? std::numeric_limits<double>::quiet_NaN() : m_max;
}

double Range::length() const
{
    return m_empty ? 0.0 : m_max - m_min;
}

} // namespace util
