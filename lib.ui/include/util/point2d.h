#pragma once

#include <limits>

namespace util {

/**
 * @brief A point in data coordinates with a validity flag.
 *
 * A default-constructed point is invalid. While a point is invalid, x() and
 * y() read quiet NaN whatever is stored, so an invalid point turns every
 * computation it enters into NaN.
 */
class Point2D
{
public:
    /// An invalid point at (0, 0).
    constexpr Point2D() = default;
    /// A valid point at (@p x, @p y).
    constexpr Point2D(double x, double y)
        : m_x(x)
        , m_y(y)
        , m_valid(true)
    { }

    /// The x coordinate; NaN while the point is invalid.
    constexpr double x() const { return m_valid ? m_x : std::numeric_limits<double>::quiet_NaN(); }
    /// The y coordinate; NaN while the point is invalid.
    constexpr double y() const { return m_valid ? m_y : std::numeric_limits<double>::quiet_NaN(); }
    /// False for a default-constructed point and after setValid(false).
    constexpr bool isValid() const { return m_valid; }
    /**
     * Marks the point valid or invalid. The stored coordinates stay, so an invalid point made valid again
     * reads what it held before.
     */
    constexpr void setValid(bool valid) { m_valid = valid; }

    /// Stores @p x and makes the point valid (y keeps what is stored).
    constexpr void setX(double x)
    {
        m_x = x;
        m_valid = true;
    }
    /// Stores @p y and makes the point valid (x keeps what is stored).
    constexpr void setY(double y)
    {
        m_y = y;
        m_valid = true;
    }

private:
    double m_x = 0.0;
    double m_y = 0.0;
    bool m_valid = false;
};

/// A straight segment from p1 to p2.
struct Line
{
    Point2D p1; ///< first end point
    Point2D p2; ///< second end point
};

} // namespace util
