// Stand-in for the companion processing library's range type.
#pragma once

namespace util {

/**
 * @brief A closed interval [min, max] of doubles, or the empty interval.
 *
 * A value type: cheap to copy and safe to store by value.
 *
 * Defined answers for odd input:
 * - An empty range answers NaN for min() and max() and 0 for length().
 * - Bounds given in reverse order are stored swapped, so min() <= max() always.
 * - A NaN bound given to the constructor or set() leaves the range empty;
 *   accumulate(NaN) changes nothing. Infinite values are ordinary bounds.
 */
class Range
{
public:
    /// An empty range.
    Range() = default;
    /// The range between @p min and @p max (swapped when reversed).
    Range(double min, double max);

    /// Replaces the bounds; see the class notes for reversed and NaN bounds.
    void set(double min, double max);
    /// Widens the range to contain @p value; an empty range becomes value..value.
    void accumulate(double value);

    /// True until the range has received bounds.
    bool isEmpty() const { return m_empty; }
    double min() const;
    double max() const;
    /// max() - min(); 0 for an empty range.
    double length() const;

private:
    double m_min = 0.0;
    double m_max = 0.0;
    bool m_empty = true;
};

} // namespace util
